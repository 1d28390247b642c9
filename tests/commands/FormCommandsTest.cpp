// The form-control buttons and their menu entries on a real source window.
#include "CommandTest.h"

using namespace orvel;
using orvel::test::crlf;

namespace {

using FormCommandsTest = orvel::test::CommandTest;

// Each named control goes in with the next number of its own counter, freeing its name first.
TEST_F(FormCommandsTest, EachNamedControlInsertsItsMarkupWithTheNextNumber)
{
    const struct {
        const char* button;
        const char* menu;  // "" for none
        const char* first; // every "1" in it is the number
    } rows[] = {
        {"formesh", "insertform",
         "<FORM NAME=\" form1 \" method=\"GET\" ACTION=\"url\">\n\n\n</FORM>\n"},
        {"Textbox", "textboxa", "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">"},
        {"passwords", "passworda", "<INPUT TYPE=\"PASSWORD\" NAME=\"pass1\">"},
        {"radios", "radioa", "<INPUT TYPE=\"RADIO\"  VALUE=\"Radio1\"  NAME=\"Radio1\">"},
        {"Checkbox", "checkboxa",
         "<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox1\"  NAME=\"Checkbox1\">"},
        {"buttoner", "button", "<INPUT TYPE=\"BUTTON\"  VALUE=\"Button1\"  NAME=\"Button1\" > "},
        {"Submitter", "submita", "<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit1\">"},
        {"resettor", "reseta", "<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset1\">"},
        {"browse", "", "<input type=\"file\" name=\"browse1\">"},
        {"fileupload", "", "<INPUT TYPE=\"FILE\" NAME=\"file1\" > "},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.button);
        const QString first = crlf(r.first);
        const QString second = QString(first).replace(u'1', u'2');
        setMarked("|");
        focusElsewhere();
        press(r.button);
        EXPECT_EQ(marked(), first + u'|');
        press(*r.menu ? r.menu : r.button);
        EXPECT_EQ(marked(), first + second + u'|');
        // Only the named controls free their name, and take the focus back to the page for that.
        EXPECT_EQ(w->Text1->hasFocus(), std::string(r.button) != "fileupload");
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(FormCommandsTest, OldNameIsRenamedAndTheNewControlLandsWhereTheCaretWas)
{
    // Names before and after the caret, which sits after "<P>" on the second line.
    setMarked("<INPUT NAME=\"textbox1\">\n<P>|\n<INPUT NAME=\"textbox1\">");
    press("Textbox");
    EXPECT_EQ(marked(), crlf("<INPUT NAME=\"textbox1a\">\n<P><INPUT TYPE=\"TEXT\"  VALUE=\"\"  "
                             "NAME=\"textbox1\">|\n<INPUT NAME=\"textbox1a\">"));
}

TEST_F(FormCommandsTest, ControlsInsertTheirMarkup)
{
    const char* const area = "<TEXTAREA Cols=\"40\" rows=\"5\" NAME=\"area1\" wrap=\"OFF\">\n"
                             "Default text of text area\n</TEXTAREA>";
    const std::string areaAfter = std::string("x") + area + "| area1a y";
    const orvel::test::CommandRow rows[] = {
        // A selected word stays, after the new control.
        {"passwords", "say [word] here", "say <INPUT TYPE=\"PASSWORD\" NAME=\"pass1\">|word here",
         true},
        // File upload renames nothing and replaces the selection.
        {"fileupload", "file1 [word]", "file1 <INPUT TYPE=\"FILE\" NAME=\"file1\" > |"},
        {"textarea", "x| area1 y", areaAfter.c_str(), true, {"40", "5"}},
        // Cancelled twice leaves both attributes empty.
        {"textareaa", "|",
         "<TEXTAREA Cols=\"\" rows=\"\" NAME=\"area2\" wrap=\"OFF\">\n"
         "Default text of text area\n</TEXTAREA>|",
         true},
        {"legend", "a|b", "a<LEGEND ALIGN=\"RIGHT\">Details</LEGEND>|b", true, {"Details"}},
        {"legenda", "a [sel] b", "a <LEGEND ALIGN=\"RIGHT\"></LEGEND>| b", true},
        {"fieldset", "a [sel] b", "a <FIELDSET>\nsel\n</FIELDSET>| b", true},
        {"Fieldseta", "a|b", "a<FIELDSET>\n\n</FIELDSET>|b", true},
    };
    for (const auto& r : rows)
        run(r);
    // Two prompts for each text area, one for each legend.
    ASSERT_EQ(ui.prompts.size(), 6);
    expectInput(ui.prompts[0], "Please enter number of columns",
                "Textarea Columns - Assistant: Orvel", "25");
    expectInput(ui.prompts[1], "Please enter number of rows", "Textarea Rows - Assistant: Orvel",
                "10");
    expectInput(ui.prompts[4],
                "Enter the text of the legend that you wish to set. (To be entered within "
                "Fieldset)",
                "Assistant: Orvel");
}

TEST_F(FormCommandsTest, NewPageStartsTheCountersAgainAtOne)
{
    setMarked("|");
    press("Textbox");
    press("radios");
    ui.answer(MsgAnswer::Yes); // the unsaved page may go
    w->new_Click();
    setMarked("|");
    press("Textbox");
    EXPECT_EQ(marked(), QStringLiteral("<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">|"));
}

} // namespace
