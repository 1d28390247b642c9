// The table dialog on a live source window: table and row mode, the number boxes, the up-downs.
#include "dialogs/TableCreater.h"
#include "dialogs/TableMarkup.h"
#include "support/Fixtures.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace orvel;
using orvel::test::crlf;

namespace {

class TableCreaterTest : public orvel::test::SourceWindowTest {
protected:
    TableCreaterDialog* open(bool rowMode = false)
    {
        auto* d = w->form<TableCreaterDialog>();
        if (rowMode)
            d->presetRowMode();
        d->show();
        return d;
    }
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    bool dialogOpen() const { return w->findChild<TableCreaterDialog*>() != nullptr; }
};

TEST_F(TableCreaterTest, DefaultsReplaceTheSelectionWithTheElevenLineTable)
{
    setPage(QStringLiteral("<BODY>old</BODY>"), 6, 3);
    auto* d = open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Create Table: Orvel"));
    EXPECT_TRUE(d->tableMode());
    w->helper->setFocus();
    click(d->btnCreateTbl);
    EXPECT_EQ(marked(), crlf("<BODY><TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \n"
                             "<CAPTION></CAPTION>\n<TR>\n"
                             " <TD> row 1 col 1 </TD> \n <TD> row 1 col 2 </TD> \n</TR>\n<TR>\n"
                             " <TD> row 2 col 1 </TD> \n <TD> row 2 col 2 </TD> \n</TR>\n"
                             "</TABLE>\n|</BODY>"));
    EXPECT_EQ(w->focusWidget(), w->Text1);
    EXPECT_FALSE(dialogOpen());
}

TEST_F(TableCreaterTest, TableModeBuildsFromTheBoxes)
{
    const struct {
        const char *rows, *cols, *border, *caption, *expected;
    } rows[] = {
        {"0", "2", "1", "",
         "<TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \n"
         "<CAPTION></CAPTION>\n</TABLE>\n"},
        {"2", "0", "0", "",
         "<TABLE BORDER=\"0\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \n"
         "<CAPTION></CAPTION>\n<TR>\n</TR>\n<TR>\n</TR>\n</TABLE>\n"},
        {"1", "1", "12", "<i>A & \"B\"</i>",
         "<TABLE BORDER=\"12\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \n"
         "<CAPTION><i>A & \"B\"</i></CAPTION>\n<TR>\n <TD> row 1 col 1 </TD> \n</TR>\n</TABLE>\n"},
    };
    for (const auto& r : rows) {
        setPage(QString());
        auto* d = open();
        d->i->setText(QString::fromUtf8(r.rows));
        d->j->setText(QString::fromUtf8(r.cols));
        d->txtborder->setText(QString::fromUtf8(r.border));
        d->txtcaption->setText(QString::fromUtf8(r.caption));
        click(d->btnCreateTbl);
        EXPECT_EQ(marked(), crlf(r.expected) + u'|') << r.rows << "x" << r.cols;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// The row preset gives the compact window. Row mode writes no TABLE, CAPTION or closing tag and
// leaves the focus where it is. The dialog does not block the source window: it acts on the
// selection of the moment of the click.
TEST_F(TableCreaterTest, RowModeInsertsOnlyRowsAtTheSelectionOfTheMoment)
{
    setPage(QStringLiteral("<TABLE>\r\n</TABLE>"), 0, 2);
    auto* d = open();
    const int fullHeight = d->height();
    d->presetRowMode();
    EXPECT_EQ(d->i->text(), QStringLiteral("1"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Insert Row"));
    EXPECT_EQ(d->btnCreateTbl->text(), QStringLiteral("Insert Row"));
    EXPECT_FALSE(d->tableMode());
    EXPECT_TRUE(d->Frame2->isHidden());
    EXPECT_LT(d->height(), fullHeight);
    d->j->setText(QStringLiteral("3"));
    d->txtcaption->setText(QStringLiteral("ignored"));
    w->Text1->setSelStart(9);
    w->helper->setFocus();
    click(d->btnCreateTbl);
    EXPECT_EQ(marked(), crlf("<TABLE>\n<TR>\n <TD> row 1 col 1 </TD> \n <TD> row 1 col 2 </TD> \n"
                             " <TD> row 1 col 3 </TD> \n</TR>\n|</TABLE>"));
    EXPECT_EQ(w->focusWidget(), w->helper);
    EXPECT_FALSE(dialogOpen());
}

TEST_F(TableCreaterTest, ClosingDiscardsAndReopeningStartsAfresh)
{
    setPage(QStringLiteral("keep"), 0, 4);
    open(true)->close();
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(marked(), QStringLiteral("[keep]"));
    EXPECT_TRUE(open()->tableMode());
}

TEST_F(TableCreaterTest, LetterTypedIntoColumnsIsRefused)
{
    auto* d = open();
    QTest::keyClicks(d->j, QStringLiteral("x"));
    EXPECT_EQ(d->j->text(), QStringLiteral("2"));
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().text, QStringLiteral("Invalid Entry. Specify a valid number"));
    EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Assistant: Orvel"));
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
}

TEST_F(TableCreaterTest, NumberBoxesTakeTwoTypedDigitsAndTheirFallbacks)
{
    auto* d = open();
    for (auto [box, fallback] : {std::pair{d->i, "2"},
                                 {d->j, "2"},
                                 {d->txtborder, "1"},
                                 {d->txtcelpad, "0"},
                                 {d->txtcelspac, "0"}}) {
        box->clear();
        EXPECT_EQ(box->text(), QString::fromUtf8(fallback)) << box->objectName().toStdString();
        QTest::keyClicks(box, QStringLiteral("345"));
        EXPECT_EQ(box->text(), QString::fromUtf8(fallback) + u'3');
    }
    // The up-downs are not held to two digits.
    d->j->setText(QStringLiteral("99"));
    click(d->colUpDown->upButton());
    EXPECT_EQ(d->j->text(), QStringLiteral("100"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(TableCreaterTest, UpDownsStepWithinTheirLowerBounds)
{
    auto* d = open();
    const struct {
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
        {d->txtborder, d->borderUpDown, "0", false, "0"},
        {d->txtborder, d->borderUpDown, "1", false, "0"},
        {d->txtcelpad, d->celpadUpDown, "0", false, "0"},
        {d->txtcelspac, d->celspacUpDown, "0", false, "0"},
        {d->txtcelspac, d->celspacUpDown, "0", true, "1"},
    };
    for (const auto& r : rows) {
        r.box->setText(QString::fromUtf8(r.start));
        click(r.up ? r.upDown->upButton() : r.upDown->downButton());
        EXPECT_EQ(r.box->text(), QString::fromUtf8(r.expected))
            << r.box->objectName().toStdString() << " from " << r.start;
    }
}

// Stepping has no upper bound; a table this large would freeze the editor, so it is refused
// with a message and the dialog stays open to correct the numbers.
TEST_F(TableCreaterTest, AbsurdTableIsRefusedWithAMessage)
{
    setPage(QStringLiteral("keep"), 0, 4);
    auto* d = open();
    d->i->setText(QStringLiteral("1000"));
    d->j->setText(QStringLiteral("101"));
    click(d->btnCreateTbl);
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().text, kTableTooLarge);
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Exclamation);
    EXPECT_EQ(marked(), QStringLiteral("[keep]"));
    EXPECT_TRUE(dialogOpen());
}

} // namespace
