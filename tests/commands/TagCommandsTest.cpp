// The text-level tag commands from their buttons and menu entries: the markup, where the caret
// ends, the prompts and where the focus goes.
#include "CommandTest.h"

using namespace orvel;
using orvel::test::crlf;

namespace {

using TagCommandsTest = orvel::test::CommandTest;

const char* const kBox = "<div style=\"border-style: solid; border-width: 1; padding-left: 4; "
                         "padding-right: 4; padding-top: 1; padding-bottom: 1\">";

TEST_F(TagCommandsTest, ControlsInsertTheirMarkup)
{
    const std::string boxed = std::string("a") + kBox + "boxed</div>|b";
    const std::string emptyBox = std::string(kBox) + "</div>|";
    const orvel::test::CommandRow rows[] = {
        {"sup", "x[word]y", "x<SUP>word</SUP>|y"},
        {"mnusuperscript", "x[word]y", "x<SUP>word</SUP>|y"},
        {"Subs", "[word]", "<SUB>word</SUB>|"},
        {"mnusubscript", "[word]", "<SUB>word</SUB>|"},
        {"highlight", "[word]", "<span style=\"background-color: #FFFF00\">word </span>|"},
        {"highlighta", "[word]", "<span style=\"background-color: #FFFF00\">word </span>|"},
        {"big", "[word]", "<BIG>word</BIG>|"},
        {"biga", "[word]", "<BIG>word</BIG>|"},
        {"small", "[word]", "<SMALL>word</SMALL>|"},
        {"smalla", "[word]", "<SMALL>word</SMALL>|"},
        {"strike", "[word]", "<STRIKE>word</STRIKE>|"},
        {"strikea", "[word]", "<STRIKE>word</STRIKE>|"},
        {"Abbr", "[word]", "<ABBR>word</ABBR>|"},
        {"abbra", "[word]", "<ABBR>word</ABBR>|"},
        // Nothing selected: the empty pair, caret after the closing tag, not between the tags.
        {"code", "a|b", "a<CODE></CODE>|b"},
        {"KBD", "[two\nlines]", "<KBD>two\nlines</KBD>|"},
        {"quote", "[word]", "<Q>word</Q>|"},
        {"strong", "[word]", "<STRONG>word</STRONG>|"},
        {"emphasis", "[word]", "<EM>word</EM>|"},
        {"address", "[word]", "<address>word</address>|"},
        {"tt", "[word]", "<TT>word </TT>|", true},
        {"Pre", "|", "<PRE></PRE>|", true},
        // The empty blocks replace what was selected.
        {"style", "a[word]b", "a<STYLE>\n\n</STYLE>|b", true},
        {"script", "|", "<SCRIPT LANGUAGE=\"\">\n\n</SCRIPT>|", true},
        {"bold", "[word]", "<B>word</B>|", true},
        {"bolda", "[<B>word</B>]", "word|", true},
        // Only an upper-case opening counts as already bold.
        {"bold", "[<b>word</b>]", "<B><b>word</b></B>|", true},
        {"bold", "a|b", "a|b", true},
        // Too short for both tags: only the opening goes.
        {"bold", "[<B>]", "|", true},
        {"bold", "[<B>ab]", "ab|", true},
        {"italic", "[word]", "<I>word</I>|", true},
        {"italica", "[<I>word</I>]", "word|", true},
        {"underlinea", "[<U>word</U>]", "word|", true},
        // The last four characters go unchecked.
        {"underline", "[<U>word</B>]", "word|", true},
        {"underline", "x|", "x|", true},
        {"commenta", "a[note]b", "a<!-- note --> |b"},
        {"comment", "a|b", "a<!-- typed --> |b", false, {"typed"}},
        // The answer is not tested: Cancel leaves an empty comment.
        {"comment", "a|b", "a<!--  --> |b"},
        {"defn",
         "x[sel]y",
         "x<DL>\n     <DT><B>HTML</B>\n         <DD>A markup language</DD>\n</DL>|y",
         true,
         {"HTML", "A markup language"}},
        // Cancel in both still inserts the list.
        {"defna", "|", "<DL>\n     <DT><B></B>\n         <DD></DD>\n</DL>|", true},
        {"mnurectbox", "a[gone]b", boxed.c_str(), false, {"boxed"}},
        {"mnurectbox", "|", emptyBox.c_str()},
    };
    for (const auto& r : rows)
        run(r);
}

TEST_F(TagCommandsTest, PromptsAskForTheirText)
{
    setMarked("|");
    for (const char* control : {"comment", "defn", "mnurectbox"})
        press(control);
    ASSERT_EQ(ui.prompts.size(), 4);
    expectInput(ui.prompts[0], "Enter the comment you wish to enter [No text was selected]",
                "Assistant: Orvel", "Comment Text Comes Here");
    expectInput(ui.prompts[1], "Enter the title or the subject whose defn. is to be written",
                "Assistant: Orvel", "Title");
    expectInput(ui.prompts[2], "Enter the defn. matter or the contents", "Assistant: Orvel",
                "Matter");
    expectInput(ui.prompts[3], "Enter text to be inserted in the box", "Assistant: Orvel",
                "&nbsp;");
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
        const char* menu;
        const char* prompt;
        const char* after;
    } rows[] = {
        {"blink", "blinka", "Please enter the text to blink", "a<blink>new text</blink>|b"},
        {"marquee", "marqueea", "Please enter the text to be inserted as marquee",
         "a<marquee>new text</marquee>|b"},
    };
    for (const auto& r : rows) {
        run({r.button, "a[old]b", r.after, true, {"new text"}});
        run({r.menu, "a[old]b", r.after, true, {"new text"}});
        ui.prompts.clear();
        // Cancel answers like an empty box.
        run({r.button, "a[old]b", "a[old]b", true});
        ASSERT_EQ(ui.prompts.size(), 2);
        expectInput(ui.prompts[0], r.prompt, "Assistant: Orvel");
        expectMessage(ui.prompts[1], "No text has been entered. Orvel will not proceed",
                      MsgIcon::Exclamation, "Assistant: Orvel");
    }
}

} // namespace
