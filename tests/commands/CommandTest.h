#pragma once

#include "support/Fixtures.h"

#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QToolButton>

namespace orvel::test {

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

    QToolButton* button(const char* name) const
    {
        return w->findChild<QToolButton*>(QString::fromUtf8(name));
    }

    // A real click on the button, as the user makes it.
    void click(const char* name)
    {
        QToolButton* b = button(name);
        ASSERT_NE(b, nullptr) << name;
        ASSERT_TRUE(b->isEnabled()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    void trigger(const char* menu)
    {
        QAction* a = w->menuAction(QString::fromUtf8(menu));
        ASSERT_NE(a, nullptr) << menu;
        ASSERT_TRUE(a->isEnabled()) << menu;
        a->trigger();
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
