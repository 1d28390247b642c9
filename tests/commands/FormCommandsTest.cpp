// The form-control commands: numbered names, renaming, prompts, and one undo step per command.
#include "CommandTest.h"

using orvel::test::crlf;

namespace {

using FormCommandsTest = orvel::test::CommandTest;

// Each named control goes in with the next number of its own counter, freeing its name first;
// File > New starts every counter at 1 again.
TEST_F(FormCommandsTest, EachNamedControlTakesTheNextNumberOfItsOwn)
{
    const std::pair<const char*, const char*> rows[] = {
        // clang-format off
        {"formesh", "<FORM NAME=\" form1 \" method=\"GET\" ACTION=\"url\">\n\n\n</FORM>\n"},
        {"Textbox", "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">"},
        {"passwords", "<INPUT TYPE=\"PASSWORD\" NAME=\"pass1\">"},
        {"radios", "<INPUT TYPE=\"RADIO\"  VALUE=\"Radio1\"  NAME=\"Radio1\">"},
        {"Checkbox", "<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox1\"  NAME=\"Checkbox1\">"},
        {"buttoner", "<INPUT TYPE=\"BUTTON\"  VALUE=\"Button1\"  NAME=\"Button1\" > "},
        {"Submitter", "<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit1\">"},
        {"resettor", "<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset1\">"},
        {"browse", "<input type=\"file\" name=\"browse1\">"},
        {"fileupload", "<INPUT TYPE=\"FILE\" NAME=\"file1\" > "}, // every "1" is the number
        // clang-format on
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& [button, markup] : rows) {
            SCOPED_TRACE(button);
            const QString first = crlf(markup);
            setMarked("|");
            focusElsewhere();
            press(button);
            press(button);
            EXPECT_EQ(marked(), first + QString(first).replace(u'1', u'2') + u'|');
            // Only the named controls free their name, and take the focus to the page for that.
            EXPECT_EQ(w->Text1->hasFocus(), std::string(button) != "fileupload");
        }
        newPage();
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(FormCommandsTest, ControlsInsertTheirMarkup)
{
    const QStringList area = {
        "input|Textarea Columns - Assistant: Orvel|Please enter number of columns|25",
        "input|Textarea Rows - Assistant: Orvel|Please enter number of rows|10"};
    const QString legend = "input|Assistant: Orvel|Enter the text of the legend that you wish to "
                           "set. (To be entered within Fieldset)|";
    const orvel::test::CommandRow rows[] = {
        // clang-format off
        // Names before and after the caret are renamed; the caret keeps its place.
        {"Textbox", "<INPUT NAME=\"textbox1\">\n<P>|\n<INPUT NAME=\"textbox1\">",
         "<INPUT NAME=\"textbox1a\">\n<P><INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">|\n"
         "<INPUT NAME=\"textbox1a\">", true},
        // A selected word stays, after the new control.
        {"passwords", "a [word] b", "a <INPUT TYPE=\"PASSWORD\" NAME=\"pass1\">|word b", true},
        // File upload renames nothing and replaces the selection.
        {"fileupload", "file1 [word]", "file1 <INPUT TYPE=\"FILE\" NAME=\"file1\" > |"},
        {"textarea", "x| area1 y", "x<TEXTAREA Cols=\"40\" rows=\"5\" NAME=\"area1\" wrap=\"OFF\">\n"
         "Default text of text area\n</TEXTAREA>| area1a y", true, {"40", "5"}, area},
        // Cancelled twice leaves both attributes empty.
        {"textarea", "|", "<TEXTAREA Cols=\"\" rows=\"\" NAME=\"area2\" wrap=\"OFF\">\n"
         "Default text of text area\n</TEXTAREA>|", true, {}, area},
        {"legend", "a|b", "a<LEGEND ALIGN=\"RIGHT\">Details</LEGEND>|b", true, {"Details"}, {legend}},
        {"legend", "a [sel] b", "a <LEGEND ALIGN=\"RIGHT\"></LEGEND>| b", true, {}, {legend}},
        {"fieldset", "a [sel] b", "a <FIELDSET>\nsel\n</FIELDSET>| b", true},
        {"fieldset", "a|b", "a<FIELDSET>\n\n</FIELDSET>|b", true},
        // clang-format on
    };
    for (const auto& r : rows)
        run(r);
}

// These commands change the page twice: they rename the older control that carries the new name,
// then insert the new one (the text area asks its two questions in between). One Ctrl+Z in the
// page takes back both changes; the next takes back the typing before.
TEST_F(FormCommandsTest, OneCtrlZTakesBackAWholeCommand)
{
    const struct {
        const char* control;
        const char* before;
        QStringList answers;
    } rows[] = {{"Textbox", "<INPUT NAME=\"textbox1\">\n|", {}},
                {"textareaa", "area1 |", {"40", "5"}}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control);
        setMarked(r.before);
        w->Text1->document()->clearUndoRedoStacks();
        const QString untouched = w->Text1->text();
        w->Text1->setFocus();
        QTest::keyClicks(w->Text1, QStringLiteral("ab"));
        const QString typed = w->Text1->text();
        for (const QString& answer : r.answers)
            ui.answer(answer);
        press(r.control);
        ASSERT_TRUE(w->Text1->text().contains(QStringLiteral("1a"))) << "nothing was renamed";
        QTest::keyClick(w->Text1, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w->Text1->text(), typed);
        QTest::keyClick(w->Text1, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w->Text1->text(), untouched);
    }
}

} // namespace
