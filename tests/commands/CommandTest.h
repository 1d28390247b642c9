#pragma once

#include "commands/FontToolbar.h"
#include "support/Fixtures.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace orvel::test {

// One run of a command from a page that does not have the focus: the page before and after in
// the `marked()` notation, the answers its prompts get, every prompt it shows (as `asked()` writes
// them), and whether the focus ends on the page.
struct CommandRow {
    const char* control; // a button's or a menu entry's name
    const char* before;
    const char* after;
    bool focusesText = false;
    QStringList answers = {};
    QStringList prompts = {};
};

// A source window whose page is given and read back in the `marked()` notation: "|" for the
// caret, "[" "]" around the selection, "\n" for CR LF.
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

    // Clicks the named button as the user does, or triggers the named menu entry; a name must not
    // stand for both.
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

    // The prompts shown so far, one line each: "input|title|prompt|offered text",
    // "message|icon|title|text" (an OK-only box), "open file".
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
        focusElsewhere();
        press(r.control);
        EXPECT_EQ(marked(), crlf(r.after));
        EXPECT_EQ(w->Text1->hasFocus(), r.focusesText);
        EXPECT_EQ(asked(), r.prompts);
        EXPECT_FALSE(ui.answersLeft());
    }

    // Takes the focus away from the page, as a clicked button or another control would; not to the
    // action list, which some commands give the focus.
    void focusElsewhere()
    {
        commands.fonts->Text3->setFocus();
        QCoreApplication::processEvents();
    }

    // File > New on a page with no unsaved edits: every command family starts over.
    void newPage()
    {
        w->setModified(false);
        w->menuAction(QStringLiteral("new"))->trigger();
    }
};

} // namespace orvel::test
