#include "dialogs/Imager.h"
#include "DialogTest.h"
#include "platform/Hint.h"

#include <QCheckBox>
#include <QComboBox>

using namespace orvel;
using namespace orvel::test;

namespace {

class ImagerTest : public DialogTest {};

// The dialog stays open after inserting, so several images go in one after another, each over
// the selection of its moment. A "%" typed after a dimension means percent for both, until
// Dimensions in % is unticked; a border put in from outside is a number or 0.
TEST_F(ImagerTest, InsertsEachImageOverTheSelectionOfItsMomentAndStaysOpen)
{
    setPage(q("one\r\ntwo"), 0, 0);
    auto* d = open<ImagerDialog>();
    QTest::keyClicks(d->imageurl, q("a.gif"));
    w->Text1->setSelStart(6);
    w->Text1->setSelLength(2);
    click(d->OKButton);
    EXPECT_EQ(marked(),
              crlf("one\nt") +
                  q(R"(<IMG SRC="a.gif" BORDER=0 align="Left" ALT="Images not available" > |)"));
    d->dimen->click();
    ASSERT_TRUE(d->txtheight->isEnabled() && d->txtwidth->isEnabled() && d->diminper->isEnabled());
    retype(d->txtheight, q("40%"));
    EXPECT_EQ(d->txtheight->text(), q("40"));
    EXPECT_EQ(hintOf(d->diminper), q("Uncheck for expressing dimensions in pixels"));
    retype(d->txtwidth, q("30"));
    retype(d->txtalignment->lineEdit(), q("Mid"));
    d->txtalternate->setText(q("A pic"));
    d->txtborder->setText(q("2"));
    for (UpDown* u : {d->UpDown2, d->UpDown3})
        click(u->upButton());
    QTest::keyClicks(d->horispace, q("5"));
    setPage(QString());
    click(d->OKButton);
    EXPECT_EQ(w->Text1->text(), q(R"(<IMG SRC="a.gif" HEIGHT="40%" WIDTH="30%" BORDER=2 )"
                                  R"(align="Mid" ALT="A pic"  hspace="15" vspace="1"> )"));
    d->diminper->click();
    d->txtborder->setText(q("2px"));
    setPage(QString());
    click(d->OKButton);
    EXPECT_EQ(w->Text1->text(), q(R"(<IMG SRC="a.gif" HEIGHT="40" WIDTH="30" BORDER=0 )"
                                  R"(align="Mid" ALT="A pic"  hspace="15" vspace="1"> )"));
    d->dimen->click();
    EXPECT_FALSE(d->txtheight->isEnabled() || d->txtwidth->isEnabled() || d->diminper->isEnabled());
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// A cancelled browse keeps whatever the source box holds; an empty one is reported.
TEST_F(ImagerTest, BrowseChoosesAndCancelKeepsTheSource)
{
    auto* d = open<ImagerDialog>();
    ui.cancelFile();
    click(d->Command1);
    EXPECT_EQ(shown(),
              ShownList({{kDefaultTitle, q("Invalid url, image not inserted"), MsgIcon::None}}));
    ui.answerFile(q("/pics/a.gif")).cancelFile();
    click(d->Command1);
    EXPECT_EQ(d->imageurl->text(), q("/pics/a.gif"));
    d->imageurl->setText(q("http://host/b.png"));
    click(d->Command1);
    EXPECT_EQ(d->imageurl->text(), q("http://host/b.png"));
    EXPECT_EQ(ui.prompts.size(), 2); // the two file dialogs
}

// A missing entry never costs the user the dialog and what was typed in it: with dimensions or
// without, it stays open.
TEST_F(ImagerTest, IncompleteEntriesKeepTheDialogOpen)
{
    // dimensions, the entry emptied (null: the alignment)
    const std::pair<bool, QLineEdit * ImagerDialog::*> rows[] = {
        {true, &ImagerDialog::imageurl},  {true, &ImagerDialog::txtborder},     {true, nullptr},
        {false, &ImagerDialog::imageurl}, {false, &ImagerDialog::txtalternate}, {false, nullptr},
    };
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

} // namespace
