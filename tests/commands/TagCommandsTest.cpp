// The text-level tag commands from their buttons and menu entries: the markup, where the caret
// ends, the prompts and where the focus goes.
#include "CommandTest.h"

#include <QComboBox>

using namespace orvel;
using orvel::test::crlf;

namespace {

using TagCommandsTest = orvel::test::CommandTest;

struct Row {
    const char* button;
    const char* before;
    const char* after;
    bool focusesText; // the command gives the keyboard focus back to the page
};

// Plain wrappers, toggles and empty blocks: no prompt, only markup.
const Row kRows[] = {
    {"sup", "x[word]y", "x<SUP>word</SUP>|y", false},
    {"Subs", "[word]", "<SUB>word</SUB>|", false},
    {"highlight", "[word]", "<span style=\"background-color: #FFFF00\">word </span>|", false},
    {"big", "[word]", "<BIG>word</BIG>|", false},
    {"small", "[word]", "<SMALL>word</SMALL>|", false},
    {"strike", "[word]", "<STRIKE>word</STRIKE>|", false},
    {"Abbr", "[word]", "<ABBR>word</ABBR>|", false},
    // Nothing selected: the empty pair, caret after the closing tag, not between the tags.
    {"code", "a|b", "a<CODE></CODE>|b", false},
    {"KBD", "[two\nlines]", "<KBD>two\nlines</KBD>|", false},
    {"quote", "[word]", "<Q>word</Q>|", false},
    {"strong", "[word]", "<STRONG>word</STRONG>|", false},
    {"emphasis", "[word]", "<EM>word</EM>|", false},
    {"address", "[word]", "<address>word</address>|", false},
    {"tt", "[word]", "<TT>word </TT>|", true},
    {"Pre", "|", "<PRE></PRE>|", true},
    // The empty blocks replace what was selected.
    {"style", "a[word]b", "a<STYLE>\n\n</STYLE>|b", true},
    {"script", "|", "<SCRIPT LANGUAGE=\"\">\n\n</SCRIPT>|", true},
    {"bold", "[word]", "<B>word</B>|", true},
    {"bold", "[<B>word</B>]", "word|", true},
    // Only an upper-case opening counts as already bold.
    {"bold", "[<b>word</b>]", "<B><b>word</b></B>|", true},
    {"bold", "a|b", "a|b", true},
    // Too short for both tags: only the opening goes.
    {"bold", "[<B>]", "|", true},
    {"bold", "[<B>ab]", "ab|", true},
    {"italic", "[word]", "<I>word</I>|", true},
    {"italic", "[<I>word</I>]", "word|", true},
    {"underline", "[<U>word</U>]", "word|", true},
    // The last four characters go unchecked.
    {"underline", "[<U>word</B>]", "word|", true},
    {"underline", "x|", "x|", true},
};

TEST_F(TagCommandsTest, ButtonsInsertTheirMarkup)
{
    for (const Row& r : kRows) {
        SCOPED_TRACE(std::string(r.button) + " on " + r.before);
        setMarked(r.before);
        focusElsewhere();
        click(r.button);
        EXPECT_EQ(marked(), crlf(r.after));
        EXPECT_EQ(w->Text1->hasFocus(), r.focusesText);
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// Each menu entry runs its button's command and nothing else.
TEST_F(TagCommandsTest, MenuEntriesRunTheirButtons)
{
    const struct {
        const char* menu;
        const char* button;
        QStringList answers;
    } rows[] = {
        {"bolda", "bold", {}},
        {"italica", "italic", {}},
        {"underlinea", "underline", {}},
        {"mnusuperscript", "sup", {}},
        {"mnusubscript", "Subs", {}},
        {"highlighta", "highlight", {}},
        {"biga", "big", {}},
        {"smalla", "small", {}},
        {"strikea", "strike", {}},
        {"abbra", "Abbr", {}},
        {"blinka", "blink", {"flash"}},
        {"marqueea", "marquee", {"move"}},
        {"commenta", "comment", {}},
        {"defna", "defn", {"term", "meaning"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.menu);
        QString byButton;
        QStringList buttonPrompts;
        for (bool menu : {false, true}) {
            setMarked("a[word]b");
            ui.prompts.clear();
            for (const QString& a : r.answers)
                ui.answer(a);
            if (menu)
                trigger(r.menu);
            else
                click(r.button);
            if (!menu) {
                byButton = marked();
                buttonPrompts = ui.promptTexts();
            }
        }
        EXPECT_EQ(marked(), byButton);
        EXPECT_EQ(ui.promptTexts(), buttonPrompts);
        EXPECT_NE(marked(), crlf("a[word]b"));
    }
    EXPECT_EQ(ui.unscripted, 0);
}

TEST_F(TagCommandsTest, ShortcutKeysReachTheToggles)
{
    setMarked("[word]");
    w->Text1->setFocus();
    QTest::keyClick(w->Text1, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(marked(), crlf("<B>word</B>|"));
}

// Blink and marquee wrap the typed text, not the selection; an empty answer changes nothing.
TEST_F(TagCommandsTest, PromptedWrapUsesTheAnswer)
{
    const struct {
        const char* button;
        const char* prompt;
        const char* open;
        const char* close;
    } rows[] = {
        {"blink", "Please enter the text to blink", "<blink>", "</blink>"},
        {"marquee", "Please enter the text to be inserted as marquee", "<marquee>", "</marquee>"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.button);
        ui.prompts.clear();
        setMarked("a[old]b");
        ui.answer(QStringLiteral("new text"));
        click(r.button);
        EXPECT_EQ(marked(), QStringLiteral("a%1new text%2|b")
                                .arg(QString::fromUtf8(r.open), QString::fromUtf8(r.close)));
        ASSERT_EQ(ui.prompts.size(), 1);
        expectInput(ui.prompts[0], r.prompt, "Assistant: Orvel");
        EXPECT_TRUE(w->Text1->hasFocus());

        // Cancel answers like an empty box.
        ui.prompts.clear();
        setMarked("a[old]b");
        focusElsewhere();
        click(r.button);
        EXPECT_EQ(marked(), crlf("a[old]b"));
        ASSERT_EQ(ui.prompts.size(), 2);
        expectMessage(ui.prompts[1], "No text has been entered. Orvel will not proceed",
                      MsgIcon::Exclamation, "Assistant: Orvel");
        EXPECT_TRUE(w->Text1->hasFocus());
    }
}

TEST_F(TagCommandsTest, CommentWrapsSelectionOrAsks)
{
    setMarked("a[note]b");
    click("comment");
    EXPECT_EQ(marked(), crlf("a<!-- note --> |b"));
    EXPECT_TRUE(ui.prompts.isEmpty());

    const struct {
        const char* answer;
        const char* after;
    } rows[] = {
        {"typed", "a<!-- typed --> |b"},
        // The answer is not tested: Cancel leaves an empty comment.
        {"", "a<!--  --> |b"},
    };
    for (const auto& r : rows) {
        ui.prompts.clear();
        setMarked("a|b");
        ui.answer(QString::fromUtf8(r.answer));
        click("comment");
        EXPECT_EQ(marked(), crlf(r.after));
        ASSERT_EQ(ui.prompts.size(), 1);
        expectInput(ui.prompts[0], "Enter the comment you wish to enter [No text was selected]",
                    "Assistant: Orvel", "Comment Text Comes Here");
    }
}

TEST_F(TagCommandsTest, DefinitionListAsksTermThenDefinition)
{
    setMarked("x[sel]y");
    ui.answer(QStringLiteral("HTML")).answer(QStringLiteral("A markup language"));
    focusElsewhere();
    click("defn");
    EXPECT_EQ(marked(), crlf("x<DL>\n     <DT><B>HTML</B>\n         <DD>A markup language</DD>\n"
                             "</DL>|y"));
    EXPECT_TRUE(w->Text1->hasFocus());
    ASSERT_EQ(ui.prompts.size(), 2);
    expectInput(ui.prompts[0], "Enter the title or the subject whose defn. is to be written",
                "Assistant: Orvel", "Title");
    expectInput(ui.prompts[1], "Enter the defn. matter or the contents", "Assistant: Orvel",
                "Matter");

    // Cancel in both still inserts the list.
    setMarked("|");
    click("defn");
    EXPECT_EQ(marked(), crlf("<DL>\n     <DT><B></B>\n         <DD></DD>\n</DL>|"));
}

TEST_F(TagCommandsTest, RectangularBoxFromMenu)
{
    const char* open = "<div style=\"border-style: solid; border-width: 1; padding-left: 4; "
                       "padding-right: 4; padding-top: 1; padding-bottom: 1\">";
    setMarked("a[gone]b");
    ui.answer(QStringLiteral("boxed"));
    trigger("mnurectbox");
    EXPECT_EQ(marked(), QStringLiteral("a%1boxed</div>|b").arg(QString::fromUtf8(open)));
    ASSERT_EQ(ui.prompts.size(), 1);
    expectInput(ui.prompts[0], "Enter text to be inserted in the box", "Assistant: Orvel",
                "&nbsp;");

    setMarked("|");
    trigger("mnurectbox");
    EXPECT_EQ(marked(), QStringLiteral("%1</div>|").arg(QString::fromUtf8(open)));
}

} // namespace
