// The form-control buttons and their menu entries on a real source window.
#include "commands/FormCommands.h"
#include "platform/Hint.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace orvel;
using orvel::test::crlf;

namespace {

class FormCommandsTest : public orvel::test::SourceWindowTest {
protected:
    QToolButton* button(const char* name) const
    {
        auto* b = w->former->findChild<QToolButton*>(QString::fromUtf8(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
};

struct NamedRow {
    const char* button;
    const char* menu;   // the Insert > Form entry running it, "" for none
    const char* first;  // inserted into an empty page
    const char* second; // the next click
    qint16 SourceState::*counter;
};

const NamedRow kNamedRows[] = {
    {"formesh", "insertform",
     "<FORM NAME=\" form1 \" method=\"GET\" ACTION=\"url\">\r\n\r\n\r\n</FORM>\r\n",
     "<FORM NAME=\" form2 \" method=\"GET\" ACTION=\"url\">\r\n\r\n\r\n</FORM>\r\n",
     &SourceState::formNo},
    {"Textbox", "textboxa", "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">",
     "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox2\">", &SourceState::textboxNo},
    {"passwords", "passworda", "<INPUT TYPE=\"PASSWORD\" NAME=\"pass1\">",
     "<INPUT TYPE=\"PASSWORD\" NAME=\"pass2\">", &SourceState::passwordNo},
    {"radios", "radioa", "<INPUT TYPE=\"RADIO\"  VALUE=\"Radio1\"  NAME=\"Radio1\">",
     "<INPUT TYPE=\"RADIO\"  VALUE=\"Radio2\"  NAME=\"Radio2\">", &SourceState::radioNo},
    {"Checkbox", "checkboxa", "<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox1\"  NAME=\"Checkbox1\">",
     "<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox2\"  NAME=\"Checkbox2\">",
     &SourceState::checkboxNo},
    {"buttoner", "button", "<INPUT TYPE=\"BUTTON\"  VALUE=\"Button1\"  NAME=\"Button1\" > ",
     "<INPUT TYPE=\"BUTTON\"  VALUE=\"Button2\"  NAME=\"Button2\" > ", &SourceState::buttonNo},
    {"Submitter", "submita", "<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit1\">",
     "<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit2\">", &SourceState::submitNo},
    {"resettor", "reseta", "<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset1\">",
     "<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset2\">", &SourceState::resetNo},
    {"browse", "", "<input type=\"file\" name=\"browse1\">",
     "<input type=\"file\" name=\"browse2\">", &SourceState::browseNo},
    {"fileupload", "", "<INPUT TYPE=\"FILE\" NAME=\"file1\" > ",
     "<INPUT TYPE=\"FILE\" NAME=\"file2\" > ", &SourceState::uploadNo},
};

TEST_F(FormCommandsTest, EachNamedControlInsertsItsMarkupWithTheNextNumber)
{
    for (const NamedRow& row : kNamedRows) {
        setPage(QString());
        click(row.button);
        const QString first = QString::fromUtf8(row.first);
        EXPECT_EQ(marked(), first + u'|') << row.button;
        click(row.button);
        EXPECT_EQ(marked(), first + QString::fromUtf8(row.second) + u'|') << row.button;
        EXPECT_EQ(w->state.*row.counter, 3) << row.button;
    }
    EXPECT_EQ(ui.prompts.size(), 0);
}

TEST_F(FormCommandsTest, ThreeTextBoxesInAFreshWindowAreNumberedOneToThree)
{
    setPage(QString());
    for (int i = 0; i < 3; ++i) {
        click("Textbox");
        w->Text1->setSelText(QStringLiteral("\r\n"));
    }
    EXPECT_EQ(w->Text1->text(), crlf("<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">\n"
                                     "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox2\">\n"
                                     "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox3\">\n"));
}

TEST_F(FormCommandsTest, OldNameIsRenamedAndTheNewControlLandsWhereTheCaretWas)
{
    // Names before and after the caret; the caret sits after "<P>" on the second line.
    setPage(crlf("<INPUT NAME=\"textbox1\">\n<P>\n<INPUT NAME=\"textbox1\">"), 28);
    click("Textbox");
    EXPECT_EQ(marked(), crlf("<INPUT NAME=\"textbox1a\">\n<P><INPUT TYPE=\"TEXT\"  VALUE=\"\"  "
                             "NAME=\"textbox1\">|\n<INPUT NAME=\"textbox1a\">"));
}

TEST_F(FormCommandsTest, RenamingLeavesOtherCaseAndLongerNumbersAlone)
{
    setPage(QStringLiteral("TEXTBOX1 textbox12 mytextbox1 "), 30);
    click("Textbox");
    EXPECT_EQ(marked(), QStringLiteral("TEXTBOX1 textbox12 mytextbox1a <INPUT TYPE=\"TEXT\"  "
                                       "VALUE=\"\"  NAME=\"textbox1\">|"));
}

TEST_F(FormCommandsTest, SelectedWordStaysAfterTheNewControl)
{
    setPage(QStringLiteral("say word here"), 4, 4);
    click("passwords");
    EXPECT_EQ(marked(), QStringLiteral("say <INPUT TYPE=\"PASSWORD\" NAME=\"pass1\">|word here"));
}

TEST_F(FormCommandsTest, FileUploadReplacesTheSelectionWithoutRenaming)
{
    setPage(QStringLiteral("file1 word"), 6, 4);
    click("fileupload");
    EXPECT_EQ(marked(), QStringLiteral("file1 <INPUT TYPE=\"FILE\" NAME=\"file1\" > |"));
}

TEST_F(FormCommandsTest, TextareaAsksForColumnsAndRows)
{
    setPage(QStringLiteral("x area1 y"), 1);
    ui.answer(QStringLiteral("40")).answer(QStringLiteral("5"));
    click("textarea");
    ASSERT_EQ(ui.prompts.size(), 2);
    const auto& cols = ui.prompts.at(0);
    EXPECT_EQ(cols.kind, ScriptedPlatform::PromptKind::Input);
    EXPECT_EQ(cols.title, QStringLiteral("Textarea Columns - Assistant: Orvel"));
    EXPECT_EQ(cols.text, QStringLiteral("Please enter number of columns"));
    EXPECT_EQ(cols.defaultText, QStringLiteral("25"));
    const auto& rows = ui.prompts.at(1);
    EXPECT_EQ(rows.title, QStringLiteral("Textarea Rows - Assistant: Orvel"));
    EXPECT_EQ(rows.text, QStringLiteral("Please enter number of rows"));
    EXPECT_EQ(rows.defaultText, QStringLiteral("10"));
    EXPECT_EQ(marked(), crlf("x<TEXTAREA Cols=\"40\" rows=\"5\" NAME=\"area1\" wrap=\"OFF\">\n"
                             "Default text of text area\n</TEXTAREA>| area1a y"));
    EXPECT_EQ(w->state.textareaNo, 2);
}

TEST_F(FormCommandsTest, TextareaCancelledTwiceLeavesBothAttributesEmpty)
{
    setPage(QString());
    ui.answer(QString()).answer(QString());
    click("textarea");
    EXPECT_EQ(marked(), crlf("<TEXTAREA Cols=\"\" rows=\"\" NAME=\"area1\" wrap=\"OFF\">\n"
                             "Default text of text area\n</TEXTAREA>|"));
    EXPECT_EQ(ui.unscripted, 0);
}

TEST_F(FormCommandsTest, LegendAsksForItsText)
{
    setPage(QStringLiteral("ab"), 1);
    ui.answer(QStringLiteral("Details"));
    click("legend");
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Assistant: Orvel"));
    EXPECT_EQ(ui.lastPrompt().text, QStringLiteral("Enter the text of the legend that you wish to "
                                                   "set. (To be entered within Fieldset)"));
    EXPECT_EQ(ui.lastPrompt().defaultText, QString());
    EXPECT_EQ(marked(), QStringLiteral("a<LEGEND ALIGN=\"RIGHT\">Details</LEGEND>|b"));
}

TEST_F(FormCommandsTest, LegendCancelledGivesAnEmptyLegendInPlaceOfTheSelection)
{
    setPage(QStringLiteral("a sel b"), 2, 3);
    ui.answer(QString());
    click("legend");
    EXPECT_EQ(marked(), QStringLiteral("a <LEGEND ALIGN=\"RIGHT\"></LEGEND>| b"));
}

TEST_F(FormCommandsTest, FieldsetWrapsTheSelectionOnLinesOfItsOwn)
{
    setPage(QStringLiteral("a sel b"), 2, 3);
    click("fieldset");
    EXPECT_EQ(marked(), crlf("a <FIELDSET>\nsel\n</FIELDSET>| b"));
    setPage(QStringLiteral("ab"), 1);
    click("fieldset");
    EXPECT_EQ(marked(), crlf("a<FIELDSET>\n\n</FIELDSET>|b"));
}

TEST_F(FormCommandsTest, MenuEntriesRunTheirButtonsCommands)
{
    std::vector<std::pair<const char*, QString>> rows = {
        {"textareaa", crlf("<TEXTAREA Cols=\"\" rows=\"\" NAME=\"area1\" wrap=\"OFF\">\n"
                           "Default text of text area\n</TEXTAREA>")},
        {"legenda", QStringLiteral("<LEGEND ALIGN=\"RIGHT\"></LEGEND>")},
        {"Fieldseta", crlf("<FIELDSET>\n\n</FIELDSET>")},
    };
    for (const NamedRow& row : kNamedRows)
        if (*row.menu)
            rows.emplace_back(row.menu, QString::fromUtf8(row.first));
    for (const auto& [menu, inserted] : rows) {
        setPage(QString());
        QAction* a = w->menuAction(QString::fromUtf8(menu));
        ASSERT_NE(a, nullptr) << menu;
        EXPECT_TRUE(a->isEnabled()) << menu;
        a->trigger();
        EXPECT_EQ(marked(), inserted + u'|') << menu;
    }
}

TEST_F(FormCommandsTest, ListCommandsWaitForTheirDialog)
{
    for (const char* name : {"selecter", "puller"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    for (const char* name : {"Selecta", "pulldownlista"})
        EXPECT_FALSE(w->menuAction(QString::fromUtf8(name))->isEnabled()) << name;
}

TEST_F(FormCommandsTest, MovingOverAButtonShowsItsHint)
{
    QTest::mouseMove(button("Textbox"));
    EXPECT_EQ(w->helper->text(), QStringLiteral("Insert text boxes."));
    EXPECT_EQ(button("Textbox")->toolTip(), QStringLiteral("Insert text boxes"));
    // The list buttons explain themselves even before their dialog is there.
    EXPECT_EQ(hintOf(button("puller")), QStringLiteral("Create a pull down list"));
}

TEST_F(FormCommandsTest, NamedControlReturnsFocusToTheEditor)
{
    setPage(QString());
    w->helper->setFocus();
    Textbox_Click(*w);
    EXPECT_TRUE(w->Text1->hasFocus());
}

TEST_F(FormCommandsTest, NewPageStartsTheCountersAgainAtOne)
{
    setPage(QString());
    click("Textbox");
    click("radios");
    EXPECT_EQ(w->state.textboxNo, 2);
    ui.answer(MsgAnswer::Yes); // the unsaved page may go
    w->new_Click();
    EXPECT_EQ(w->state.textboxNo, 1);
    EXPECT_EQ(w->state.radioNo, 1);
    setPage(QString());
    click("Textbox");
    EXPECT_EQ(marked(), QStringLiteral("<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">|"));
}

} // namespace
