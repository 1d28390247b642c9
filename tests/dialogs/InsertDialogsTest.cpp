// The dialogs that insert one element each: heading, rule, image, object and table.
#include "DialogTest.h"
#include "dialogs/Heading.h"
#include "dialogs/Hrule.h"
#include "dialogs/Imager.h"
#include "dialogs/Objecter.h"
#include "dialogs/TableCreater.h"
#include "markup/TableMarkup.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTimer>

using namespace orvel;
using namespace orvel::test;

namespace {

using InsertDialogsTest = DialogTest;

// Chosen or typed, the lists' texts go in as shown.
TEST_F(InsertDialogsTest, HeadingGoesOverTheSelectionOfTheMoment)
{
    setPage(q("one two"), 0, 3);
    QPointer<HeadingDialog> d = open<HeadingDialog>();
    QTest::keyClicks(d->heading, q("Welcome"));
    d->cmblevel->setCurrentIndex(2);
    retype(d->cmbalign->lineEdit(), q("middle"));
    w->Text1->setSelStart(4);
    w->Text1->setSelLength(3);
    click(d->OKButton);
    EXPECT_EQ(marked(), q(R"(one <H3 ALIGN="middle">Welcome</H3>|)"));
    EXPECT_TRUE(unloaded(d));
}

// A colour chosen from the list keeps a trailing blank.
TEST_F(InsertDialogsTest, RuleGoesOverTheSelectionOfTheMoment)
{
    setPage(q("one<p>two"), 3, 3);
    QPointer<HruleDialog> d = open<HruleDialog>();
    click(d->Check1);
    d->Combo2->showPopup();
    d->Combo2->view()->setCurrentIndex(d->Combo2->model()->index(d->Combo2->findText(q("red")), 0));
    QTest::keyClick(d->Combo2->view(), Qt::Key_Return);
    for (int n = 0; n < 3; ++n)
        click(d->UpDown2->upButton());
    QTest::keyClicks(d->widther, q("50"));
    click(d->Check2);
    QTest::mouseClick(d->Align->viewport(), Qt::LeftButton, {},
                      d->Align->visualItemRect(d->Align->item(1)).center());
    w->Text1->setSelStart(6);
    w->Text1->setSelLength(3);
    click(d->OKButton);
    EXPECT_EQ(marked(),
              q("one<p><HR align=\"Left\" width=50% size=\"3\" color=\"red\"  NOSHADE>|"));
    EXPECT_TRUE(unloaded(d));
}

// Tag text left in the fields by an opener is tidied; a "%" width ticks Percentage.
TEST_F(InsertDialogsTest, RuleFieldsFilledByCodeAreTidiedAndBuildTheirFragments)
{
    auto* d = dialogFor<HruleDialog>(pageTarget());
    d->widther->setText(q("idth="));
    EXPECT_EQ(d->widther->text(), q("100%"));
    d->size->setText(q("ze="));
    d->Combo2->setEditText(q("idth="));
    d->widther->setText(q("60%"));
    d->Timer1_Timer();
    EXPECT_FALSE(d->Timer1->isActive());
    EXPECT_EQ(d->size->text() + u'|' + d->Combo2->currentText(), q("0|black"));
    EXPECT_TRUE(d->Check2->isChecked());
    d->Combo2->setEditText(q("ign=")); // the colour's own leftovers only
    d->Timer1_Timer();
    EXPECT_EQ(d->Combo2->currentText(), q("ign="));
    QTest::keyClick(d->widther, Qt::Key_Backspace);
    EXPECT_FALSE(d->Check2->isChecked());
    d->Combo2->setEditText(q("navy"));
    d->Align->setCurrentRow(2);
    d->size->setText(q("4"));
    EXPECT_EQ(rule::ruleTag(d->fragments()),
              q("<HR align=\"Right\" width=60 size=\"4\" color=\"navy\">"));
}

TEST_F(InsertDialogsTest, ImagesGoInOneAfterAnotherWhileTheDialogStaysOpen)
{
    setPage(q("one\r\ntwo"), 0, 0);
    auto* d = open<ImagerDialog>();
    QTest::keyClicks(d->imageurl, q("a.gif"));
    d->dimen->click();
    retype(d->txtheight, q("40%"));
    EXPECT_EQ(d->txtheight->text(), q("40"));
    retype(d->txtwidth, q("30"));
    retype(d->txtalignment->lineEdit(), q("Mid"));
    d->txtalternate->setText(q("A pic"));
    d->txtborder->setText(q("2"));
    for (UpDown* u : {d->UpDown2, d->UpDown3})
        click(u->upButton());
    QTest::keyClicks(d->horispace, q("5"));
    w->Text1->setSelStart(6);
    w->Text1->setSelLength(2);
    click(d->OKButton);
    EXPECT_EQ(marked(),
              crlf("one\nt") + q(R"(<IMG SRC="a.gif" HEIGHT="40%" WIDTH="30%" BORDER=2 )"
                                 R"(align="Mid" ALT="A pic"  hspace="15" vspace="1"> |)"));
    d->diminper->click();
    d->txtborder->setText(q("2px"));
    setPage(QString());
    click(d->OKButton);
    EXPECT_EQ(w->Text1->text(), q(R"(<IMG SRC="a.gif" HEIGHT="40" WIDTH="30" BORDER=0 )"
                                  R"(align="Mid" ALT="A pic"  hspace="15" vspace="1"> )"));
    d->dimen->click();
    EXPECT_FALSE(d->txtheight->isEnabled() || d->txtwidth->isEnabled() || d->diminper->isEnabled());
    EXPECT_TRUE(d->isVisible());
}

// A cancelled browse keeps whatever the source box holds; an empty one is reported.
TEST_F(InsertDialogsTest, ImageBrowseCancelKeepsTheSource)
{
    auto* d = open<ImagerDialog>();
    ui.cancelFile();
    click(d->Command1);
    EXPECT_EQ(shown(),
              ShownList({{kDefaultTitle, q("Invalid url, image not inserted"), MsgIcon::None}}));
    ui.answerFile(q("/pics/a.gif")).cancelFile();
    click(d->Command1);
    click(d->Command1);
    EXPECT_EQ(d->imageurl->text(), q("/pics/a.gif"));
}

TEST_F(InsertDialogsTest, IncompleteImageEntriesKeepTheDialogOpen)
{
    // dimensions, the entry emptied (null: the alignment)
    const std::pair<bool, QLineEdit * ImagerDialog::*> rows[] = {
        {true, &ImagerDialog::txtborder}, {false, &ImagerDialog::txtalternate}, {false, nullptr}};
    const QString incomplete = q("One or more entries incomplete");
    for (const auto& [dimensions, emptied] : rows) {
        setPage(q("page"), 1, 2);
        QPointer<ImagerDialog> d = open<ImagerDialog>();
        d->imageurl->setText(q("a.gif"));
        d->dimen->setChecked(dimensions);
        if (emptied)
            (d->*emptied)->clear();
        else
            d->txtalignment->setEditText(QString());
        click(d->OKButton);
        EXPECT_EQ(marked(), q("p[ag]e"));
        EXPECT_EQ(shown(), ShownList({dimensions ? Shown{kDefaultTitle, incomplete, MsgIcon::None}
                                                 : Shown{q("Assistant: Orvel"), incomplete,
                                                         MsgIcon::Exclamation}}));
        ASSERT_FALSE(unloaded(d)) << dimensions;
        d->unload();
    }
}

TEST_F(InsertDialogsTest, ObjectGoesInWithItsSourceAndTickedFlags)
{
    setPage(q("a<x>b"), 1, 3);
    QPointer<ObjecterDialog> d = open<ObjecterDialog>();
    d->OKButton->setFocus();
    click(d->OKButton);
    EXPECT_EQ(shown(),
              ShownList({{q("Assistant: Orvel"), q("No URL selected. Please choose a valid Object"),
                          MsgIcon::Critical}}));
    EXPECT_TRUE(d->src->hasFocus());
    ui.cancelFile().answerFile(q("m.mid"));
    click(d->brw);
    EXPECT_EQ(d->src->text(), QString());
    click(d->brw);
    // On the indicator: the middle of a wide box does not click.
    for (QCheckBox* box : {d->controller, d->Autostart, d->Loopa, d->Loopa})
        QTest::mouseClick(box, Qt::LeftButton, {}, {6, box->height() / 2});
    retype(d->NoEmbed, QString());
    QTest::keyClick(d->NoEmbed, Qt::Key_Delete);
    click(d->OKButton);
    EXPECT_EQ(marked(), q(R"(a<EMBED src="m.mid" CONTROLLER="TRUE"  AUTOSTART="TRUE" LOOP="FALSE" )"
                          R"(WIDTH="75" HEIGHT="10" VOLUME="50"> )"
                          R"(<noembed>Sorry pal, there's no object for you.</noembed>|b)"));
    EXPECT_TRUE(unloaded(d));
}

// The focus goes to the page first; the table and its closing tag come out with one undo.
TEST_F(InsertDialogsTest, TableModeBuildsFromTheBoxes)
{
    setPage(q("<BODY>old</BODY>"), 6, 3);
    QPointer<TableCreaterDialog> d = open<TableCreaterDialog>();
    d->i->setText(q("1"));
    d->txtborder->setText(q("12"));
    d->txtcaption->setText(q("<i>A & \"B\"</i>"));
    w->helper->setFocus();
    click(d->btnCreateTbl);
    EXPECT_EQ(marked(), q("<BODY><TABLE BORDER=\"12\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \r\n"
                          "<CAPTION><i>A & \"B\"</i></CAPTION>\r\n<TR>\r\n <TD> row 1 col 1 </TD> "
                          "\r\n <TD> row 1 col 2 </TD> \r\n</TR>\r\n</TABLE>\r\n|</BODY>"));
    EXPECT_EQ(w->focusWidget(), w->Text1);
    EXPECT_TRUE(unloaded(d));
    w->Text1->undo();
    EXPECT_EQ(w->Text1->text(), q("<BODY>old</BODY>"));
}

// Row mode writes no TABLE, CAPTION or closing tag and leaves the focus where it is.
TEST_F(InsertDialogsTest, TableRowModeInsertsOnlyRowsAtTheSelectionOfTheMoment)
{
    setPage(q("<TABLE>\r\n</TABLE>"), 0, 2);
    QPointer<TableCreaterDialog> d = open<TableCreaterDialog>();
    d->presetRowMode();
    d->j->setText(q("3"));
    d->txtcaption->setText(q("ignored"));
    w->Text1->setSelStart(9);
    w->helper->setFocus();
    click(d->btnCreateTbl);
    EXPECT_EQ(marked(), crlf("<TABLE>\n<TR>\n <TD> row 1 col 1 </TD> \n <TD> row 1 col 2 </TD> \n"
                             " <TD> row 1 col 3 </TD> \n</TR>\n|</TABLE>"));
    EXPECT_EQ(w->focusWidget(), w->helper);
    EXPECT_TRUE(unloaded(d));
}

// A table this large would freeze the editor: refused, and the dialog stays to correct the numbers.
TEST_F(InsertDialogsTest, AbsurdTableIsRefusedWithAMessage)
{
    setPage(q("keep"), 0, 4);
    QPointer<TableCreaterDialog> d = open<TableCreaterDialog>();
    d->i->setText(q("1000"));
    d->j->setText(q("101"));
    click(d->btnCreateTbl);
    EXPECT_EQ(shown(), ShownList({{q("Assistant: Orvel"), kTableTooLarge, MsgIcon::Exclamation}}));
    EXPECT_EQ(marked(), q("[keep]"));
    EXPECT_FALSE(unloaded(d));
}

} // namespace
