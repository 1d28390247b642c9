#pragma once

#include "commands/FontToolbar.h"
#include "support/Fixtures.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace orvel::test {

// A button or menu entry run from a page without the focus, its answers and prompts.
struct CommandRow {
    const char* control;
    const char* before;
    const char* after;
    bool focusesText = false;
    QStringList answers = {};
    QStringList prompts = {};
};

// Pages read and written as "|" for the caret, "[" "]" around the selection, "\n" for CR LF.
class CommandTest : public SourceWindowTest {
protected:
    void setMarked(const char* page)
    {
        QString s = crlf(page);
        const qsizetype open = s.indexOf(u'[');
        if (open < 0) {
            const qsizetype caret = s.indexOf(u'|');
            setPage(s.remove(caret, 1), int(caret));
            return;
        }
        const qsizetype close = s.indexOf(u']');
        setPage(s.remove(close, 1).remove(open, 1), int(open), int(close - open - 1));
    }

    // Clicks the named button as the user does, or triggers the named menu entry.
    void press(const char* name)
    {
        auto* b = w->findChild<QAbstractButton*>(QString::fromUtf8(name));
        QAction* a = w->menuAction(QString::fromUtf8(name));
        ASSERT_TRUE((b == nullptr) != (a == nullptr)) << name;
        ASSERT_TRUE(b ? b->isEnabled() : a->isEnabled()) << name;
        if (b)
            QTest::mouseClick(b, Qt::LeftButton);
        else
            a->trigger();
    }

    // "input|title|prompt|offered", "message|icon|title|text", "question|...", "open/save file".
    QStringList asked() const
    {
        static const char* const icons[] = {"none", "critical", "question", "exclamation",
                                            "information"};
        QStringList lines;
        for (const ScriptedPlatform::Prompt& p : ui.prompts) {
            if (p.kind == ScriptedPlatform::PromptKind::Input)
                lines << QStringList{"input", p.title, p.text, p.defaultText}.join(u'|');
            else if (p.kind == ScriptedPlatform::PromptKind::File)
                lines << (p.file.kind == FileDialogKind::Open ? "open file" : "save file");
            else
                lines << QStringList{p.buttons == MsgButtons::Ok ? "message" : "question",
                                     icons[int(p.icon)], p.title, p.text}
                             .join(u'|');
        }
        return lines;
    }

    void run(const CommandRow& r)
    {
        SCOPED_TRACE(std::string(r.control) + " on " + r.before);
        setMarked(r.before);
        ui.prompts.clear();
        for (const QString& answer : r.answers)
            ui.answer(answer);
        // Away from the page, as a clicked button would (not to the action list).
        commands.fonts->Text3->setFocus();
        QCoreApplication::processEvents();
        press(r.control);
        // Typed keys arrive only once the command has returned.
        if (ui.keysPending()) {
            EXPECT_EQ(marked(), crlf(r.before)) << "typed before the command returned";
            ui.deliverKeys();
        }
        EXPECT_EQ(marked(), crlf(r.after));
        EXPECT_EQ(w->Text1->hasFocus(), r.focusesText);
        EXPECT_EQ(asked(), r.prompts);
        EXPECT_FALSE(ui.answersLeft());
    }

    // File > New on a page without unsaved edits: every command family starts over.
    void newPage()
    {
        w->setModified(false);
        w->menuAction(QStringLiteral("new"))->trigger();
    }
};

} // namespace orvel::test
