#include "dialogs/TableCreater.h"
#include "DialogTest.h"
#include "markup/TableMarkup.h"

#include <QGroupBox>

using namespace orvel;
using namespace orvel::test;

namespace {

class TableCreaterTest : public DialogTest {
protected:
    bool dialogOpen() const { return w->findChild<TableCreaterDialog*>() != nullptr; }
};

TEST_F(TableCreaterTest, DefaultsReplaceTheSelectionWithTheElevenLineTable)
{
    setPage(q("<BODY>old</BODY>"), 6, 3);
    auto* d = open<TableCreaterDialog>();
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
    // rows, columns, border, caption, the rows' markup
    const std::array<const char*, 5> rows[] = {
        {"0", "2", "1", "", ""},
        {"2", "0", "0", "", "<TR>\n</TR>\n<TR>\n</TR>\n"},
        {"1", "1", "12", "<i>A & \"B\"</i>", "<TR>\n <TD> row 1 col 1 </TD> \n</TR>\n"}};
    for (const auto& [r, c, border, caption, body] : rows) {
        setPage(QString());
        auto* d = open<TableCreaterDialog>();
        d->i->setText(q(r));
        d->j->setText(q(c));
        d->txtborder->setText(q(border));
        d->txtcaption->setText(q(caption));
        click(d->btnCreateTbl);
        EXPECT_EQ(marked(), q("<TABLE BORDER=\"%1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \r\n"
                              "<CAPTION>%2</CAPTION>\r\n%3</TABLE>\r\n|")
                                .arg(q(border), q(caption), crlf(body)))
            << r << "x" << c;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// The row preset gives the compact window. Row mode writes no TABLE, CAPTION or closing tag and
// leaves the focus where it is.
TEST_F(TableCreaterTest, RowModeInsertsOnlyRowsAtTheSelectionOfTheMoment)
{
    setPage(q("<TABLE>\r\n</TABLE>"), 0, 2);
    auto* d = open<TableCreaterDialog>();
    const int fullHeight = d->height();
    d->presetRowMode();
    EXPECT_EQ(d->i->text(), q("1"));
    EXPECT_EQ(d->windowTitle(), q("Insert Row"));
    EXPECT_FALSE(d->tableMode());
    EXPECT_TRUE(d->Frame2->isHidden());
    EXPECT_LT(d->height(), fullHeight);
    d->j->setText(q("3"));
    d->txtcaption->setText(q("ignored"));
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
    setPage(q("keep"), 0, 4);
    auto* d = open<TableCreaterDialog>();
    d->presetRowMode();
    d->close();
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(marked(), q("[keep]"));
    EXPECT_TRUE(open<TableCreaterDialog>()->tableMode());
}

TEST_F(TableCreaterTest, NumberBoxesTakeTwoTypedDigitsAndTheirFallbacks)
{
    auto* d = open<TableCreaterDialog>();
    QTest::keyClicks(d->j, q("x"));
    EXPECT_EQ(d->j->text(), q("2"));
    expectInvalidNumber();
    ui.prompts.clear();
    for (auto [box, fallback] : {std::pair{d->i, "2"},
                                 {d->j, "2"},
                                 {d->txtborder, "1"},
                                 {d->txtcelpad, "0"},
                                 {d->txtcelspac, "0"}}) {
        box->clear();
        EXPECT_EQ(box->text(), q(fallback)) << box->objectName().toStdString();
        QTest::keyClicks(box, q("345"));
        EXPECT_EQ(box->text(), q(fallback) + u'3');
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// Down stops at the lower bound; up has none, and is not held to two digits.
TEST_F(TableCreaterTest, UpDownsStepWithinTheirLowerBounds)
{
    auto* d = open<TableCreaterDialog>();
    const std::tuple<QLineEdit*, UpDown*, const char*, bool, const char*> rows[] = {
        {d->i, d->rowUpDown, "1", false, "1"},
        {d->i, d->rowUpDown, "2", false, "1"},
        {d->j, d->colUpDown, "1", false, "1"},
        {d->j, d->colUpDown, "99", true, "100"},
        {d->txtborder, d->borderUpDown, "0", false, "0"},
        {d->txtborder, d->borderUpDown, "1", false, "0"},
        {d->txtcelpad, d->celpadUpDown, "0", false, "0"},
        {d->txtcelspac, d->celspacUpDown, "0", false, "0"},
        {d->txtcelspac, d->celspacUpDown, "0", true, "1"}};
    for (const auto& [box, upDown, start, up, expected] : rows) {
        box->setText(q(start));
        click(up ? upDown->upButton() : upDown->downButton());
        EXPECT_EQ(box->text(), q(expected)) << box->objectName().toStdString() << " from " << start;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// A table this large would freeze the editor: it is refused and the dialog stays open to
// correct the numbers.
TEST_F(TableCreaterTest, AbsurdTableIsRefusedWithAMessage)
{
    setPage(q("keep"), 0, 4);
    auto* d = open<TableCreaterDialog>();
    d->i->setText(q("1000"));
    d->j->setText(q("101"));
    click(d->btnCreateTbl);
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().text, kTableTooLarge);
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Exclamation);
    EXPECT_EQ(marked(), q("[keep]"));
    EXPECT_TRUE(dialogOpen());
}

} // namespace
