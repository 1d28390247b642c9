#include "dialogs/TableCreater.h"
#include "DialogTest.h"
#include "markup/TableMarkup.h"

using namespace orvel;
using namespace orvel::test;

namespace {

class TableCreaterTest : public DialogTest {
protected:
    bool dialogOpen() const { return w->findChild<TableCreaterDialog*>() != nullptr; }
};

// The focus goes to the page first; the table and its closing tag come out with one undo.
TEST_F(TableCreaterTest, TableModeBuildsFromTheBoxes)
{
    // rows, columns, border, caption (null: the boxes as loaded), the rows' markup
    const std::array<const char*, 5> rows[] = {
        {nullptr, nullptr, "1", "",
         "<TR>\n <TD> row 1 col 1 </TD> \n <TD> row 1 col 2 </TD> \n</TR>\n"
         "<TR>\n <TD> row 2 col 1 </TD> \n <TD> row 2 col 2 </TD> \n</TR>\n"},
        {"2", "0", "0", "", "<TR>\n</TR>\n<TR>\n</TR>\n"},
        {"1", "1", "12", "<i>A & \"B\"</i>", "<TR>\n <TD> row 1 col 1 </TD> \n</TR>\n"}};
    for (const auto& [r, c, border, caption, body] : rows) {
        setPage(q("<BODY>old</BODY>"), 6, 3);
        auto* d = open<TableCreaterDialog>();
        if (r) {
            d->i->setText(q(r));
            d->j->setText(q(c));
            d->txtborder->setText(q(border));
            d->txtcaption->setText(q(caption));
        }
        w->helper->setFocus();
        click(d->btnCreateTbl);
        EXPECT_EQ(marked(), q("<BODY><TABLE BORDER=\"%1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  "
                              "\r\n<CAPTION>%2</CAPTION>\r\n%3</TABLE>\r\n|</BODY>")
                                .arg(q(border), q(caption), crlf(body)))
            << (r ? r : "defaults");
        EXPECT_EQ(w->focusWidget(), w->Text1);
        EXPECT_FALSE(dialogOpen());
        w->Text1->undo();
        EXPECT_EQ(w->Text1->text(), q("<BODY>old</BODY>"));
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// The row preset gives the compact window with one row. Row mode writes no TABLE, CAPTION or
// closing tag and leaves the focus where it is.
TEST_F(TableCreaterTest, RowModeInsertsOnlyRowsAtTheSelectionOfTheMoment)
{
    setPage(q("<TABLE>\r\n</TABLE>"), 0, 2);
    auto* d = open<TableCreaterDialog>();
    const int fullHeight = d->height();
    d->presetRowMode();
    EXPECT_FALSE(d->tableMode());
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

// A table this large would freeze the editor: it is refused and the dialog stays open to
// correct the numbers.
TEST_F(TableCreaterTest, AbsurdTableIsRefusedWithAMessage)
{
    setPage(q("keep"), 0, 4);
    auto* d = open<TableCreaterDialog>();
    d->i->setText(q("1000"));
    d->j->setText(q("101"));
    click(d->btnCreateTbl);
    EXPECT_EQ(shown(), ShownList({{q("Assistant: Orvel"), kTableTooLarge, MsgIcon::Exclamation}}));
    EXPECT_EQ(marked(), q("[keep]"));
    EXPECT_TRUE(dialogOpen());
}

} // namespace
