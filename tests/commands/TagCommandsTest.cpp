// The text-level tag commands: the markup, where the caret ends, the prompts and the focus.
#include "CommandTest.h"

namespace {

using TagCommandsTest = orvel::test::CommandTest;

const char* const kComment = "input|Assistant: Orvel|Enter the comment you wish to enter [No text "
                             "was selected]|Comment Text Comes Here";
const char* const kTerm =
    "input|Assistant: Orvel|Enter the title or the subject whose defn. is to be written|Title";
const char* const kMatter = "input|Assistant: Orvel|Enter the defn. matter or the contents|Matter";
const char* const kBoxText = "input|Assistant: Orvel|Enter text to be inserted in the box|&nbsp;";
const char* const kBlink = "input|Assistant: Orvel|Please enter the text to blink|";
const char* const kNoText =
    "message|exclamation|Assistant: Orvel|No text has been entered. Orvel will not proceed";
const std::string kBox = "<div style=\"border-style: solid; border-width: 1; padding-left: 4; "
                         "padding-right: 4; padding-top: 1; padding-bottom: 1\">";

TEST_F(TagCommandsTest, ControlsInsertTheirMarkup)
{
    const std::string boxed = "a" + kBox + "boxed</div>|b", emptyBox = kBox + "</div>|";
    const orvel::test::CommandRow rows[] = {
        {"sup", "x[word]y", "x<SUP>word</SUP>|y"},
        {"Subs", "[word]", "<SUB>word</SUB>|"},
        {"highlight", "[word]", "<span style=\"background-color: #FFFF00\">word </span>|"},
        {"big", "[word]", "<BIG>word</BIG>|"},
        {"small", "[word]", "<SMALL>word</SMALL>|"},
        {"strike", "[word]", "<STRIKE>word</STRIKE>|"},
        {"Abbr", "[word]", "<ABBR>word</ABBR>|"},
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
        // The toggles act on a selection only.
        {"bold", "[<B>word</B>]", "word|", true},
        {"bold", "a|b", "a|b", true},
        {"italic", "[word]", "<I>word</I>|", true},
        {"underline", "[word]", "<U>word</U>|", true},
        {"comment", "a[note]b", "a<!-- note --> |b"},
        {"comment", "a|b", "a<!-- typed --> |b", false, {"typed"}, {kComment}},
        // Cancel leaves an empty comment, and an empty list or box.
        {"comment", "a|b", "a<!--  --> |b", false, {}, {kComment}},
        {"defn",
         "x[sel]y",
         "x<DL>\n     <DT><B>Term</B>\n         <DD>Said</DD>\n</DL>|y",
         true,
         {"Term", "Said"},
         {kTerm, kMatter}},
        {"defn",
         "|",
         "<DL>\n     <DT><B></B>\n         <DD></DD>\n</DL>|",
         true,
         {},
         {kTerm, kMatter}},
        {"mnurectbox", "a[gone]b", boxed.c_str(), false, {"boxed"}, {kBoxText}},
        {"mnurectbox", "|", emptyBox.c_str(), false, {}, {kBoxText}},
        // Blink and marquee wrap the answer, not the selection; no answer changes nothing.
        {"blink", "a[old]b", "a<blink>new</blink>|b", true, {"new"}, {kBlink}},
        {"blink", "a[old]b", "a[old]b", true, {}, {kBlink, kNoText}},
        {"marquee",
         "a[old]b",
         "a<marquee>new</marquee>|b",
         true,
         {"new"},
         {"input|Assistant: Orvel|Please enter the text to be inserted as marquee|"}},
    };
    for (const auto& r : rows)
        run(r);
}

} // namespace
