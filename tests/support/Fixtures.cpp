#include "support/Fixtures.h"

#include "app/Composition.h"

#include <QTest>

namespace orvel::test {

QString crlf(const char* text)
{
    QString s = QString::fromUtf8(text);
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s;
}

void SourceWindowTest::SetUp()
{
    PlatformTest::SetUp();
    SourceWindowParts parts = buildSourceWindow();
    w = std::move(parts.window);
    commands = parts.commands;
    w->links.endProgram = [this] { ++endProgramCalls; };
    w->links.showPreview = [this](const QString& path) { previewPaths << path; };
    w->show();
    w->activateWindow();
    (void)QTest::qWaitForWindowActive(w.get());
}

void SourceWindowTest::TearDown()
{
    w.reset();
    PlatformTest::TearDown();
}

void SourceWindowTest::setPage(const QString& text, int start, int length)
{
    w->Text1->setText(text);
    w->Text1->setSelStart(start);
    w->Text1->setSelLength(length);
}

void SourceWindowTest::openPage(const QByteArray& bytes, int start, int length)
{
    const QString path = pages.filePath(QStringLiteral("page%1.html").arg(++m_opened));
    ASSERT_TRUE(writeFile(path, bytes));
    ASSERT_TRUE(w->openPage(path));
    w->Text1->setSelStart(start);
    w->Text1->setSelLength(length);
}

QString SourceWindowTest::marked() const
{
    QString s = w->Text1->text();
    const int start = w->Text1->selStart();
    const int length = w->Text1->selLength();
    if (length == 0)
        return s.insert(start, u'|');
    s.insert(start + length, u']');
    return s.insert(start, u'[');
}

} // namespace orvel::test
