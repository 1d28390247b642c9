#pragma once

#include "support/Fixtures.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QTest>

namespace orvel::test {

// One run of a command from a page that does not have the focus: the page before and after in
// the `marked()` notation, the answers its prompts get, and whether the focus ends on the page.
struct CommandRow {
    const char* control; // a button's or a menu entry's name
    const char* before;
    const char* after;
    bool focusesText = false;
    QStringList answers = {};
};

// A source window whose page is given and read back in the `marked()` notation: "|" for the
// caret, "[" "]" around the selection, "\n" for CR LF.
class CommandTest : public SourceWindowTest {
protected:
    void setMarked(const char* page)
    {
        QString s = crlf(page);
        const qsizetype open = s.indexOf(u'[');
        if (open >= 0) {
            const qsizetype close = s.indexOf(u']');
            s.remove(close, 1);
            s.remove(open, 1);
            setPage(s, int(open), int(close - open - 1));
            return;
        }
        const qsizetype caret = s.indexOf(u'|');
        s.remove(caret, 1);
        setPage(s, int(caret));
    }

    QAbstractButton* button(const char* name) const
    {
        return w->findChild<QAbstractButton*>(QString::fromUtf8(name));
    }

    // Clicks the named button as the user does, or triggers the named menu entry; a name must not
    // stand for both.
    void press(const char* name)
    {
        QAbstractButton* b = button(name);
        QAction* a = w->menuAction(QString::fromUtf8(name));
        ASSERT_TRUE((b == nullptr) != (a == nullptr)) << name;
        ASSERT_TRUE(b ? b->isEnabled() : a->isEnabled()) << name;
        if (b)
            QTest::mouseClick(b, Qt::LeftButton);
        else
            a->trigger();
    }

    void run(const CommandRow& r)
    {
        SCOPED_TRACE(std::string(r.control) + " on " + r.before);
        setMarked(r.before);
        for (const QString& answer : r.answers)
            ui.answer(answer);
        focusElsewhere();
        press(r.control);
        EXPECT_EQ(marked(), crlf(r.after));
        EXPECT_EQ(w->Text1->hasFocus(), r.focusesText);
        EXPECT_FALSE(ui.answersLeft());
    }

    using Prompt = ScriptedPlatform::Prompt;

    static void expectInput(const Prompt& p, const char* text, const char* title,
                            const char* defaultText = "")
    {
        EXPECT_EQ(p.kind, ScriptedPlatform::PromptKind::Input);
        EXPECT_EQ(p.text, QString::fromUtf8(text));
        EXPECT_EQ(p.title, QString::fromUtf8(title));
        EXPECT_EQ(p.defaultText, QString::fromUtf8(defaultText));
    }

    // An OK-only message box.
    static void expectMessage(const Prompt& p, const char* text, MsgIcon icon, const char* title)
    {
        EXPECT_EQ(p.kind, ScriptedPlatform::PromptKind::Message);
        EXPECT_EQ(p.text, QString::fromUtf8(text));
        EXPECT_EQ(p.icon, icon);
        EXPECT_EQ(p.title, QString::fromUtf8(title));
        EXPECT_EQ(p.buttons, MsgButtons::Ok);
    }

    // Takes the focus away from the page, as a clicked button or another control would.
    void focusElsewhere()
    {
        w->Combo4->setFocus();
        QCoreApplication::processEvents();
    }
};

} // namespace orvel::test
