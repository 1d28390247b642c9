// Each inserting command's markup, caret, prompts and focus, in order on one window.
#include "CommandTest.h"

namespace {

using InsertCommandsTest = orvel::test::CommandTest;

TEST_F(InsertCommandsTest, ControlsInsertTheirMarkup)
{
    const char* const comment = "input|Assistant: Orvel|Enter the comment you wish to enter [No "
                                "text was selected]|Comment Text Comes Here";
    const QStringList defn = {
        "input|Assistant: Orvel|Enter the title or the subject whose defn. is to be written|Title",
        "input|Assistant: Orvel|Enter the defn. matter or the contents|Matter"};
    const char* const boxText =
        "input|Assistant: Orvel|Enter text to be inserted in the box|&nbsp;";
    const char* const blink = "input|Assistant: Orvel|Please enter the text to blink|";
    const std::string box = "<div style=\"border-style: solid; border-width: 1; padding-left: 4; "
                            "padding-right: 4; padding-top: 1; padding-bottom: 1\">";
    const std::string boxed = "a" + box + "boxed</div>|b", emptyBox = box + "</div>|";
    const char* const point =
        "input|Enter text for point - Assistant: Orvel|Enter the text for this point|Extra Point";
    const QStringList area = {
        "input|Textarea Columns - Assistant: Orvel|Please enter number of columns|25",
        "input|Textarea Rows - Assistant: Orvel|Please enter number of rows|10"};
    const QString legend = "input|Assistant: Orvel|Enter the text of the legend that you wish to "
                           "set. (To be entered within Fieldset)|";
    const orvel::test::CommandRow rows[] = {
        // clang-format off
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
        // A selected comment is not asked for; Cancel leaves an empty comment, definition or box.
        {"comment", "a[note]b", "a<!-- note --> |b"},
        {"comment", "a|b", "a<!-- typed --> |b", false, {"typed"}, {comment}},
        {"comment", "a|b", "a<!--  --> |b", false, {}, {comment}},
        {"defn", "x[sel]y", "x<DL>\n     <DT><B>Term</B>\n         <DD>Said</DD>\n</DL>|y", true,
         {"Term", "Said"}, defn},
        {"defn", "|", "<DL>\n     <DT><B></B>\n         <DD></DD>\n</DL>|", true, {}, defn},
        {"mnurectbox", "a[gone]b", boxed.c_str(), false, {"boxed"}, {boxText}},
        {"mnurectbox", "|", emptyBox.c_str(), false, {}, {boxText}},
        // Blink and marquee wrap the answer, not the selection; no answer changes nothing.
        {"blink", "a[old]b", "a<blink>new</blink>|b", true, {"new"}, {blink}},
        {"blink", "a[old]b", "a[old]b", true, {}, {blink,
         "message|exclamation|Assistant: Orvel|No text has been entered. Orvel will not proceed"}},
        {"marquee", "a[old]b", "a<marquee>new</marquee>|b", true, {"new"},
         {"input|Assistant: Orvel|Please enter the text to be inserted as marquee|"}},
        // The selection stays in front of the new paragraph.
        {"P", "a[word]b", "aword</P>\n<P ALIGN=\"LEFT\">|b", true},
        {"right", "[word]", "<P align=\"right\">word</P>|"},
        {"centre", "[word]", "<CENTER>word</CENTER>|"},
        {"justify", "[word]", "<P align=\"justify\">word</P>|"},
        {"Column", "a[gone]b", "a<TD>Text</TD>|b"},
        {"header", "a|b", "a<TH><B>Heading comes here</B></TH>|b"},
        {"applet", "a[gone]b", "a<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\" HSPACE=\" \" VSPACE=\" \">\n"
         "<PARAM NAME=\"\" VALUE=\"\">Sorry, you need a Java enabled browser.\n</APPLET>|b"},
        {"framz", "[kept]", "kept<FRAMESET>\n      <FRAME SRC=\"  \" NAME=\"  \">\n      "
         "<FRAME SRC=\"   \" NAME=\"   \">\n</FRAMESET>|", true},
        {"Points", "a[gone]b", "a<LI>first|b", false, {"first"}, {point}},
        {"Points", "a[gone]b", "a<LI>|b", false, {}, {point}}, // Cancel: an empty point
        // Typed keys: every character of the selection arrives as itself.
        {"linebreaka", "a[+~{}%^(x)\nz]b", "a<BR>+~{}%^(x)\nz|b", true},
        {"nobra", "a[{%}~+]b", "a<NOBR>{%}~+</NOBR>|b", true},
        {"wbreaka", "a[gone]b", "a<WBR>|b", true},
        // Named controls rename taken names around the caret; a selected word stays after.
        {"Textbox", "<INPUT NAME=\"textbox1\">\n<P>|\n<INPUT NAME=\"textbox1\">",
         "<INPUT NAME=\"textbox1a\">\n<P><INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">|\n"
         "<INPUT NAME=\"textbox1a\">", true},
        {"passwords", "a [word] b", "a <INPUT TYPE=\"PASSWORD\" NAME=\"pass1\">|word b", true},
        {"formesh", "|", "<FORM NAME=\" form1 \" method=\"GET\" ACTION=\"url\">\n\n\n</FORM>\n|", true},
        {"radios", "|", "<INPUT TYPE=\"RADIO\"  VALUE=\"Radio1\"  NAME=\"Radio1\">|", true},
        {"Checkbox", "|", "<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox1\"  NAME=\"Checkbox1\">|", true},
        {"buttoner", "|", "<INPUT TYPE=\"BUTTON\"  VALUE=\"Button1\"  NAME=\"Button1\" > |", true},
        {"Submitter", "|", "<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit1\">|", true},
        {"resettor", "|", "<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset1\">|", true},
        {"browse", "|", "<input type=\"file\" name=\"browse1\">|", true},
        // File upload renames nothing and replaces the selection.
        {"fileupload", "file1 [word]", "file1 <INPUT TYPE=\"FILE\" NAME=\"file1\" > |"},
        {"textarea", "|", "<TEXTAREA Cols=\"40\" rows=\"5\" NAME=\"area1\" wrap=\"OFF\">\n"
         "Default text of text area\n</TEXTAREA>|", true, {"40", "5"}, area},
        // Cancel leaves the attributes, or the legend, empty.
        {"textarea", "|", "<TEXTAREA Cols=\"\" rows=\"\" NAME=\"area2\" wrap=\"OFF\">\n"
         "Default text of text area\n</TEXTAREA>|", true, {}, area},
        {"legend", "a|b", "a<LEGEND ALIGN=\"RIGHT\">Details</LEGEND>|b", true, {"Details"}, {legend}},
        {"legend", "a [sel] b", "a <LEGEND ALIGN=\"RIGHT\"></LEGEND>| b", true, {}, {legend}},
        {"fieldset", "a [sel] b", "a <FIELDSET>\nsel\n</FIELDSET>| b", true},
        // clang-format on
    };
    for (const auto& r : rows)
        run(r);
}

// A mouse-action link needs an action, then a URL and the action's code.
TEST_F(InsertCommandsTest, MouseActionLinkNeedsAnActionAndAUrl)
{
    const char* const url = "input|Orvel|Enter the URL of the link|";
    const char* const code = "input|Orvel|What should happen when the mouse action occurs?|";
    // clang-format off
    run({"insert", "a[sel]b", "a[sel]b", true, {}, {"message|none|Orvel|Invalid action"}});
    w->Combo4->setCurrentIndex(1); // onMouseOver
    run({"insert", "a[click +{me}%]b",
         "a<A HREF=\"page.html\" onMouseOver=\"alert('hi')\">click +{me}%</A>|b", true,
         {"page.html", "alert('hi')"}, {url, code}});
    run({"insert", "a[sel]b", "a[sel]b", false, {"url", ""},
         {url, code, "message|none|Orvel|Invalid URL or action"}});
    // clang-format on
    EXPECT_TRUE(w->Combo4->hasFocus());
}

} // namespace
