// The table dialog on a live source window: table and row mode, the number boxes, the up-downs.
#include "dialogs/TableCreater.h"
#include "dialogs/TableMarkup.h"
#include "support/Fixtures.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace orvel;
using orvel::test::crlf;

namespace {

class TableCreaterTest : public orvel::test::SourceWindowTest {
protected:
    TableCreaterDialog* open() {
        auto* d = w->form<TableCreaterDialog>();
        d->show();
        return d;
    }
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    bool dialogOpen() const { return w->findChild<TableCreaterDialog*>() != nullptr; }
};

const char* const kDefaultTable = "<TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \n"
                                  "<CAPTION></CAPTION>\n"
                                  "<TR>\n"
                                  " <TD> row 1 col 1 </TD> \n"
                                  " <TD> row 1 col 2 </TD> \n"
                                  "</TR>\n"
                                  "<TR>\n"
                                  " <TD> row 2 col 1 </TD> \n"
                                  " <TD> row 2 col 2 </TD> \n"
                                  "</TR>\n"
                                  "</TABLE>\n";

TEST_F(TableCreaterTest, DesignerStateIsTableMode) {
    auto* d = open();
    EXPECT_EQ(d->objectName(), QStringLiteral("tablecreater"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Create Table: Orvel"));
    EXPECT_EQ(d->btnCreateTbl->text(), QStringLiteral("Create Table"));
    EXPECT_TRUE(d->tableMode());
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(d->Frame1->title(), QStringLiteral("Rows And Columns"));
    EXPECT_EQ(d->Frame2->title(), QStringLiteral("Others"));
    EXPECT_EQ(d->j->toolTip(), QStringLiteral("Enter the number of columns"));
    for (auto [box, text] : {std::pair{d->i, "2"},
                             {d->j, "2"},
                             {d->txtborder, "1"},
                             {d->txtcelpad, "0"},
                             {d->txtcelspac, "0"},
                             {d->txtcaption, ""}})
        EXPECT_EQ(box->text(), QString::fromUtf8(text)) << box->objectName().toStdString();
}

TEST_F(TableCreaterTest, DefaultsReplaceTheSelectionWithTheElevenLineTable) {
    setPage(QStringLiteral("<BODY>old</BODY>"), 6, 3);
    auto* d = open();
    w->helper->setFocus();
    click(d->btnCreateTbl);
    EXPECT_EQ(marked(),
              QStringLiteral("<BODY>") + crlf(kDefaultTable) + QStringLiteral("|</BODY>"));
    EXPECT_EQ(w->focusWidget(), w->Text1);
    EXPECT_FALSE(dialogOpen());
}

TEST_F(TableCreaterTest, TableModeBuildsFromTheBoxes) {
    struct Row {
        const char* rows;
        const char* cols;
        const char* caption;
        const char* expected;
    } rows[] = {
        {"0", "2", "",
         "<TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \n"
         "<CAPTION></CAPTION>\n</TABLE>\n"},
        {"2", "0", "",
         "<TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \n"
         "<CAPTION></CAPTION>\n<TR>\n</TR>\n<TR>\n</TR>\n</TABLE>\n"},
        {"1", "1", "<i>A & \"B\"</i>",
         "<TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \n"
         "<CAPTION><i>A & \"B\"</i></CAPTION>\n<TR>\n <TD> row 1 col 1 </TD> \n</TR>\n"
         "</TABLE>\n"},
    };
    for (const Row& r : rows) {
        setPage(QString());
        auto* d = open();
        d->i->setText(QString::fromUtf8(r.rows));
        d->j->setText(QString::fromUtf8(r.cols));
        d->txtcaption->setText(QString::fromUtf8(r.caption));
        click(d->btnCreateTbl);
        EXPECT_EQ(marked(), crlf(r.expected) + QStringLiteral("|")) << r.rows << "x" << r.cols;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(TableCreaterTest, BorderPaddingAndSpacingGoIntoTheOpeningTag) {
    auto* d = open();
    setPage(QString());
    d->txtborder->setText(QStringLiteral("10"));
    d->txtborder->selectAll(); // typing over both digits, as the two-character limit allows
    QTest::keyClicks(d->txtborder, QStringLiteral("5"));
    d->txtcelpad->setText(QStringLiteral("4"));
    d->txtcelspac->setText(QStringLiteral("12"));
    d->i->setText(QStringLiteral("0"));
    click(d->btnCreateTbl);
    EXPECT_TRUE(w->Text1->text().startsWith(
        QStringLiteral("<TABLE BORDER=\"5\" CELLPADDING=\"4\" CELLSPACING=\"12\" >  \r\n")));
}

TEST_F(TableCreaterTest, RowPresetGivesTheCompactInsertRowWindow) {
    auto* d = open();
    const int fullHeight = d->height();
    d->presetRowMode();
    EXPECT_EQ(d->i->text(), QStringLiteral("1"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Insert Row"));
    EXPECT_EQ(d->btnCreateTbl->text(), QStringLiteral("Insert Row"));
    EXPECT_TRUE(d->rowUpDown->isHidden());
    EXPECT_FALSE(d->tableMode());
    EXPECT_TRUE(d->Frame2->isHidden());
    EXPECT_TRUE(d->Frame1->isVisible());
    EXPECT_TRUE(d->btnCreateTbl->isVisible());
    EXPECT_LT(d->height(), fullHeight);
}

TEST_F(TableCreaterTest, RowModeInsertsOnlyRowsAndLeavesTheFocus) {
    setPage(QStringLiteral("<TABLE>\r\n</TABLE>"), 9, 0);
    auto* d = w->form<TableCreaterDialog>();
    d->presetRowMode();
    d->show();
    d->j->setText(QStringLiteral("3"));
    d->txtcaption->setText(QStringLiteral("ignored"));
    w->helper->setFocus();
    click(d->btnCreateTbl);
    EXPECT_EQ(marked(), crlf("<TABLE>\n<TR>\n <TD> row 1 col 1 </TD> \n <TD> row 1 col 2 </TD> \n"
                             " <TD> row 1 col 3 </TD> \n</TR>\n|</TABLE>"));
    EXPECT_EQ(w->focusWidget(), w->helper);
    EXPECT_FALSE(dialogOpen());
}

// The dialog does not block the source window: OK takes whatever is selected when it is clicked.
TEST_F(TableCreaterTest, ActsOnTheSelectionOfTheMomentOfTheClick) {
    setPage(QStringLiteral("first second"), 0, 5);
    auto* d = open();
    d->presetRowMode();
    d->j->setText(QStringLiteral("1"));
    w->Text1->setSelStart(6);
    w->Text1->setSelLength(6);
    click(d->btnCreateTbl);
    EXPECT_EQ(marked(), crlf("first <TR>\n <TD> row 1 col 1 </TD> \n</TR>\n|"));
}

TEST_F(TableCreaterTest, ClosingDiscardsEverything) {
    setPage(QStringLiteral("keep"), 0, 4);
    auto* d = open();
    d->close();
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(marked(), QStringLiteral("[keep]"));
    // A new opening starts again from the designer values.
    EXPECT_TRUE(open()->tableMode());
}

TEST_F(TableCreaterTest, LetterTypedIntoColumnsIsRefused) {
    auto* d = open();
    QTest::keyClicks(d->j, QStringLiteral("x"));
    EXPECT_EQ(d->j->text(), QStringLiteral("2"));
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().text, QStringLiteral("Invalid Entry. Specify a valid number"));
    EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Assistant: Orvel"));
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
    EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::Ok);
}

TEST_F(TableCreaterTest, EmptiedBoxesTakeTheirFallbacks) {
    auto* d = open();
    for (auto [box, fallback] : {std::pair{d->i, "2"},
                                 {d->j, "2"},
                                 {d->txtborder, "1"},
                                 {d->txtcelpad, "0"},
                                 {d->txtcelspac, "0"}}) {
        box->setText(QStringLiteral("7"));
        box->clear();
        EXPECT_EQ(box->text(), QString::fromUtf8(fallback)) << box->objectName().toStdString();
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(TableCreaterTest, TypingStopsAtTwoCharactersButStepsGoBeyond) {
    auto* d = open();
    QTest::keyClicks(d->i, QStringLiteral("345"));
    EXPECT_EQ(d->i->text(), QStringLiteral("23"));
    d->j->setText(QStringLiteral("99"));
    click(d->colUpDown->upButton());
    EXPECT_EQ(d->j->text(), QStringLiteral("100"));
    QTest::keyClick(d->j, Qt::Key_Backspace);
    EXPECT_EQ(d->j->text(), QStringLiteral("10"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(TableCreaterTest, UpDownsStepWithinTheirLowerBounds) {
    auto* d = open();
    struct Row {
        QLineEdit* box;
        UpDown* upDown;
        const char* start;
        bool up;
        const char* expected;
    } rows[] = {
        {d->i, d->rowUpDown, "1", false, "1"},
        {d->i, d->rowUpDown, "2", false, "1"},
        {d->i, d->rowUpDown, "2", true, "3"},
        {d->j, d->colUpDown, "1", false, "1"},
        {d->j, d->colUpDown, "2", true, "3"},
        {d->txtborder, d->borderUpDown, "0", false, "0"},
        {d->txtborder, d->borderUpDown, "1", false, "0"},
        {d->txtcelpad, d->celpadUpDown, "0", false, "0"},
        {d->txtcelpad, d->celpadUpDown, "0", true, "1"},
        {d->txtcelspac, d->celspacUpDown, "0", false, "0"},
        {d->txtcelspac, d->celspacUpDown, "0", true, "1"},
    };
    for (const Row& r : rows) {
        r.box->setText(QString::fromUtf8(r.start));
        click(r.up ? r.upDown->upButton() : r.upDown->downButton());
        EXPECT_EQ(r.box->text(), QString::fromUtf8(r.expected))
            << r.box->objectName().toStdString() << " from " << r.start;
    }
}

// Stepping has no upper bound; a table this large would freeze the editor, so it is refused
// with a message and the dialog stays open to correct the numbers.
TEST_F(TableCreaterTest, AbsurdTableIsRefusedWithAMessage) {
    setPage(QStringLiteral("keep"), 0, 4);
    auto* d = open();
    d->i->setText(QStringLiteral("1000"));
    d->j->setText(QStringLiteral("101"));
    click(d->btnCreateTbl);
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().text, kTableTooLarge);
    EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Assistant: Orvel"));
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Exclamation);
    EXPECT_EQ(marked(), QStringLiteral("[keep]"));
    EXPECT_TRUE(dialogOpen());

    d->j->setText(QStringLiteral("2"));
    click(d->btnCreateTbl);
    EXPECT_EQ(ui.prompts.size(), 1);
    EXPECT_TRUE(w->Text1->text().endsWith(QStringLiteral(" <TD> row 1000 col 2 </TD> \r\n"
                                                         "</TR>\r\n</TABLE>\r\n")));
}

} // namespace
