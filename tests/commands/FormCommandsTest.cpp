// The form-control buttons and their menu entries on a real source window.
#include "commands/FormCommands.h"
#include "platform/Hint.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

// Page texts print as text when an expectation fails (found by argument lookup, so global).
static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

using namespace orvel;
using orvel::test::crlf;

namespace {

class FormCommandsTest : public orvel::test::SourceWindowTest {
protected:
    QToolButton* button(const char* name) const {
        auto* b = w->former->findChild<QToolButton*>(QString::fromUtf8(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
};

struct NamedRow {
    const char* button;
    const char* first;  // inserted into an empty page
    const char* second; // the next click
    qint16 SourceState::*counter;
};

const NamedRow kNamedRows[] = {
    {"formesh", "<FORM NAME=\" form1 \" method=\"GET\" ACTION=\"url\">\r\n\r\n\r\n</FORM>\r\n",
     "<FORM NAME=\" form2 \" method=\"GET\" ACTION=\"url\">\r\n\r\n\r\n</FORM>\r\n",
     &SourceState::formNo},
    {"Textbox", "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">",
     "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox2\">", &SourceState::textboxNo},
    {"passwords", "<INPUT TYPE=\"PASSWORD\" NAME=\"pass1\">",
     "<INPUT TYPE=\"PASSWORD\" NAME=\"pass2\">", &SourceState::passwordNo},
    {"radios", "<INPUT TYPE=\"RADIO\"  VALUE=\"Radio1\"  NAME=\"Radio1\">",
     "<INPUT TYPE=\"RADIO\"  VALUE=\"Radio2\"  NAME=\"Radio2\">", &SourceState::radioNo},
    {"Checkbox", "<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox1\"  NAME=\"Checkbox1\">",
     "<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox2\"  NAME=\"Checkbox2\">",
     &SourceState::checkboxNo},
    {"buttoner", "<INPUT TYPE=\"BUTTON\"  VALUE=\"Button1\"  NAME=\"Button1\" > ",
     "<INPUT TYPE=\"BUTTON\"  VALUE=\"Button2\"  NAME=\"Button2\" > ", &SourceState::buttonNo},
    {"Submitter", "<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit1\">",
     "<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit2\">", &SourceState::submitNo},
    {"resettor", "<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset1\">",
     "<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset2\">", &SourceState::resetNo},
    {"browse", "<input type=\"file\" name=\"browse1\">", "<input type=\"file\" name=\"browse2\">",
     &SourceState::browseNo},
    {"fileupload", "<INPUT TYPE=\"FILE\" NAME=\"file1\" > ",
     "<INPUT TYPE=\"FILE\" NAME=\"file2\" > ", &SourceState::uploadNo},
};

TEST_F(FormCommandsTest, EachNamedControlInsertsItsMarkupWithTheNextNumber) {
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

TEST_F(FormCommandsTest, ThreeTextBoxesInAFreshWindowAreNumberedOneToThree) {
    setPage(QString());
    for (int i = 0; i < 3; ++i) {
        click("Textbox");
        w->Text1->setSelText(QStringLiteral("\r\n"));
    }
    EXPECT_EQ(w->Text1->text(), crlf("<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">\n"
                                     "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox2\">\n"
                                     "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox3\">\n"));
}

TEST_F(FormCommandsTest, OldNameIsRenamedAndTheNewControlLandsWhereTheCaretWas) {
    // Names before and after the caret; the caret sits after "<P>" on the second line.
    setPage(crlf("<INPUT NAME=\"textbox1\">\n<P>\n<INPUT NAME=\"textbox1\">"), 28);
    click("Textbox");
    EXPECT_EQ(marked(), crlf("<INPUT NAME=\"textbox1a\">\n<P><INPUT TYPE=\"TEXT\"  VALUE=\"\"  "
                             "NAME=\"textbox1\">|\n<INPUT NAME=\"textbox1a\">"));
}

TEST_F(FormCommandsTest, RenamingLeavesOtherCaseAndLongerNumbersAlone) {
    setPage(QStringLiteral("TEXTBOX1 textbox12 mytextbox1 "), 30);
    click("Textbox");
    EXPECT_EQ(marked(), QStringLiteral("TEXTBOX1 textbox12 mytextbox1a <INPUT TYPE=\"TEXT\"  "
                                       "VALUE=\"\"  NAME=\"textbox1\">|"));
}

TEST_F(FormCommandsTest, NameEndingAtTheCaretStaysWholeBeforeTheNewControl) {
    setPage(QStringLiteral("<input name=submit1"), 19);
    click("Submitter");
    EXPECT_EQ(marked(), QStringLiteral("<input name=submit1a<INPUT TYPE=\"SUBMIT\"  "
                                       "VALUE=\"SUBMIT\"  NAME=\"submit1\">|"));
}

TEST_F(FormCommandsTest, SelectedWordStaysAfterTheNewControl) {
    setPage(QStringLiteral("say word here"), 4, 4);
    click("passwords");
    EXPECT_EQ(marked(), QStringLiteral("say <INPUT TYPE=\"PASSWORD\" NAME=\"pass1\">|word here"));
}

TEST_F(FormCommandsTest, FileUploadReplacesTheSelectionWithoutRenaming) {
    setPage(QStringLiteral("file1 word"), 6, 4);
    click("fileupload");
    EXPECT_EQ(marked(), QStringLiteral("file1 <INPUT TYPE=\"FILE\" NAME=\"file1\" > |"));
}

TEST_F(FormCommandsTest, TextareaAsksForColumnsAndRows) {
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

TEST_F(FormCommandsTest, TextareaCancelledTwiceLeavesBothAttributesEmpty) {
    setPage(QString());
    ui.answer(QString()).answer(QString());
    click("textarea");
    EXPECT_EQ(marked(), crlf("<TEXTAREA Cols=\"\" rows=\"\" NAME=\"area1\" wrap=\"OFF\">\n"
                             "Default text of text area\n</TEXTAREA>|"));
    EXPECT_EQ(ui.unscripted, 0);
}

TEST_F(FormCommandsTest, LegendAsksForItsText) {
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

TEST_F(FormCommandsTest, LegendCancelledGivesAnEmptyLegendInPlaceOfTheSelection) {
    setPage(QStringLiteral("a sel b"), 2, 3);
    ui.answer(QString());
    click("legend");
    EXPECT_EQ(marked(), QStringLiteral("a <LEGEND ALIGN=\"RIGHT\"></LEGEND>| b"));
}

TEST_F(FormCommandsTest, FieldsetWrapsTheSelectionOnLinesOfItsOwn) {
    setPage(QStringLiteral("a sel b"), 2, 3);
    click("fieldset");
    EXPECT_EQ(marked(), crlf("a <FIELDSET>\nsel\n</FIELDSET>| b"));
    setPage(QStringLiteral("ab"), 1);
    click("fieldset");
    EXPECT_EQ(marked(), crlf("a<FIELDSET>\n\n</FIELDSET>|b"));
}

struct MenuRow {
    const char* menu;
    const char* inserted;
};

TEST_F(FormCommandsTest, MenuEntriesRunTheirButtonsCommands) {
    const MenuRow rows[] = {
        {"insertform",
         "<FORM NAME=\" form1 \" method=\"GET\" ACTION=\"url\">\r\n\r\n\r\n</FORM>\r\n"},
        {"button", "<INPUT TYPE=\"BUTTON\"  VALUE=\"Button1\"  NAME=\"Button1\" > "},
        {"textboxa", "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">"},
        {"passworda", "<INPUT TYPE=\"PASSWORD\" NAME=\"pass1\">"},
        {"radioa", "<INPUT TYPE=\"RADIO\"  VALUE=\"Radio1\"  NAME=\"Radio1\">"},
        {"checkboxa", "<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox1\"  NAME=\"Checkbox1\">"},
        {"submita", "<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit1\">"},
        {"reseta", "<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset1\">"},
        {"textareaa", "<TEXTAREA Cols=\"\" rows=\"\" NAME=\"area1\" wrap=\"OFF\">\r\n"
                      "Default text of text area\r\n</TEXTAREA>"},
        {"legenda", "<LEGEND ALIGN=\"RIGHT\"></LEGEND>"},
        {"Fieldseta", "<FIELDSET>\r\n\r\n</FIELDSET>"},
    };
    for (const MenuRow& row : rows) {
        setPage(QString());
        QAction* a = w->menuAction(QString::fromUtf8(row.menu));
        ASSERT_NE(a, nullptr) << row.menu;
        EXPECT_TRUE(a->isEnabled()) << row.menu;
        a->trigger();
        EXPECT_EQ(marked(), QString::fromUtf8(row.inserted) + u'|') << row.menu;
    }
}

TEST_F(FormCommandsTest, ListCommandsWaitForTheirDialog) {
    for (const char* name : {"selecter", "puller"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    for (const char* name : {"Selecta", "pulldownlista"})
        EXPECT_FALSE(w->menuAction(QString::fromUtf8(name))->isEnabled()) << name;
}

struct HintRow {
    const char* button;
    const char* tooltip;
    const char* hint;
};

TEST_F(FormCommandsTest, ButtonsCarryTheirTooltipsAndHints) {
    const HintRow rows[] = {
        {"formesh", "Insert forms",
         "Insert a form. Also, specify a name. Names are quite important for form controls"},
        {"Textbox", "Insert text boxes", "Insert text boxes."},
        {"passwords", "Insert password fields",
         "Input boxes where the input appears as ***** can be inserted"},
        {"radios", "Insert radio buttons",
         "Insert radio button, i.e. it allows only one option to be selected"},
        {"Checkbox", "Insert checkboxes",
         "Insert checkboxes, where multiple options can be checked or unchecked."},
        {"buttoner", "Insert buttons", "Insert buttons."},
        {"Submitter", "Create a submit box",
         "Insert submit button, so mention method and action in the form defn."},
        {"resettor", "Insert a reset button", "Insert reset button, which clears up the form."},
        {"browse", "Insert browse to search your computer",
         "Insert control which has an input box and browse button that lets you to browse your "
         "computer"},
        {"textarea", "Insert text areas", "Insert text area"},
        {"fileupload", "Upload selected files.", "File upload"},
        {"fieldset", "Create a fieldset",
         "Group one more form controls, by entering other form controls within these tags. "
         "Consider using Legend also."},
        {"legend", "Create a legend", "Add a legend or a caption."},
        {"selecter", "Create a list", "The user can select from the list of options provided."},
        {"puller", "Create a dropdown box", "Create a pull down list"},
    };
    for (const HintRow& row : rows) {
        QToolButton* b = button(row.button);
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(row.tooltip)) << row.button;
        EXPECT_EQ(hintOf(b), QString::fromUtf8(row.hint)) << row.button;
    }
}

TEST_F(FormCommandsTest, MovingOverAButtonShowsItsHint) {
    QTest::mouseMove(button("Textbox"));
    EXPECT_EQ(w->helper->text(), QStringLiteral("Insert text boxes."));
}

TEST_F(FormCommandsTest, NamedControlReturnsFocusToTheEditor) {
    setPage(QString());
    w->helper->setFocus();
    Textbox_Click(*w);
    EXPECT_TRUE(w->Text1->hasFocus());
}

TEST_F(FormCommandsTest, NewPageStartsTheCountersAgainAtOne) {
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
