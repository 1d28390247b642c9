#pragma once

#include "commands/Install.h"
#include "editor/SourceWindow.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace orvel::test {

inline QString q(const char* s)
{
    return QString::fromUtf8(s);
}

// A file's bytes as they are on disk; a file that cannot be read never passes for an empty one.
inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// What a person's drag sends: it enters the widget under the pointer, moves and is let go. The
// action the drop took; none when it was refused.
inline Qt::DropAction drag(QWidget* target, const QMimeData& data)
{
    const auto actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(10, 10), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(QPoint(12, 10), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(12, 10), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return enter.isAccepted() && drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// Installs a fresh scripted platform for the length of a test.
class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override { m_previous = setPlatform(&ui); }
    void TearDown() override { setPlatform(m_previous); }

    ScriptedPlatform ui;

private:
    Platform* m_previous = nullptr;
};

// A source window on the scripted platform, shown offscreen. Ending the program and showing the
// preview are recorded instead of done.
class SourceWindowTest : public PlatformTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Puts `text` in the page and selects [start, start + length), as a user would have.
    void setPage(const QString& text, int start = 0, int length = 0);
    // Reads `bytes` as File > Open reads a file, and selects [start, start + length).
    void openPage(const QByteArray& bytes, int start = 0, int length = 0);
    // Text with a "|" marking the caret, or "[" "]" marking the selection.
    QString marked() const;

    std::unique_ptr<SourceWindow> w;
    QTemporaryDir pages;
    CommandFamilies commands; // children of `w`
    int endProgramCalls = 0;
    QStringList previewPaths;

private:
    int m_opened = 0;
};

// A page in the model's notation: "\n" becomes CR LF.
QString crlf(const char* text);

} // namespace orvel::test
