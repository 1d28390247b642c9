#include "dialogs/Imager.h"
#include "DialogTest.h"
#include "platform/Hint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

using namespace orvel;
using namespace orvel::test;

namespace {

const QString kDefaultTag =
    q(R"(<IMG SRC="a.gif" BORDER=0 align="Left" ALT="Images not available" > )");

class ImagerTest : public DialogTest {};

TEST_F(ImagerTest, InsertsOverTheSelectionOfThatMomentAndStaysOpen)
{
    setPage(q("one\r\ntwo"), 0, 0);
    auto* d = open<ImagerDialog>();
    QTest::keyClicks(d->imageurl, q("a.gif"));
    w->Text1->setSelStart(6);
    w->Text1->setSelLength(2);
    click(d->OKButton);
    EXPECT_EQ(marked(), q("one\r\nt") + kDefaultTag + u'|');
    d->OKButton_Click();
    EXPECT_EQ(marked(), q("one\r\nt") + kDefaultTag + kDefaultTag + u'|');
    EXPECT_EQ(w->findChild<ImagerDialog*>(), d);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(ImagerTest, TypedPercentSwitchesBothDimensionsToPercent)
{
    setPage(QString());
    auto* d = open<ImagerDialog>();
    d->imageurl->setText(q("a.gif"));
    EXPECT_FALSE(d->txtheight->isEnabled() || d->txtwidth->isEnabled() || d->diminper->isEnabled());
    d->dimen->click();
    ASSERT_TRUE(d->txtheight->isEnabled() && d->txtwidth->isEnabled() && d->diminper->isEnabled());
    retype(d->txtheight, q("50%"));
    EXPECT_EQ(d->txtheight->text(), q("50"));
    EXPECT_TRUE(d->diminper->isChecked());
    EXPECT_EQ(d->txtwidth->toolTip(), q("Width of the image in percentage"));
    EXPECT_EQ(hintOf(d->diminper), q("Uncheck for expressing dimensions in pixels"));
    retype(d->txtwidth, q("80"));
    d->OKButton_Click();
    EXPECT_EQ(w->Text1->text(), q(R"(<IMG SRC="a.gif" HEIGHT="50%" WIDTH="80%" )"
                                  R"(BORDER=0 align="Left" ALT="Images not available" > )"));

    // Back to pixels: the tips lose the full stop they had at load.
    d->diminper->click();
    EXPECT_EQ(d->txtheight->toolTip(), q("Height of the image in pixels"));
    setPage(QString());
    d->OKButton_Click();
    EXPECT_TRUE(w->Text1->text().contains(q(R"(HEIGHT="50" WIDTH="80" )")));
    d->dimen->click();
    EXPECT_FALSE(d->txtheight->isEnabled() || d->txtwidth->isEnabled() || d->diminper->isEnabled());
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// A cancelled browse keeps whatever the source box holds; an empty one is reported.
TEST_F(ImagerTest, BrowseChoosesAndCancelKeepsTheSource)
{
    auto* d = open<ImagerDialog>();
    ui.cancelFile();
    click(d->Command1);
    ASSERT_EQ(ui.prompts.size(), 2);
    EXPECT_EQ(ui.prompts[0].title, q("Select image file"));
    EXPECT_EQ(ui.prompts[1].text, q("Invalid url, image not inserted"));
    EXPECT_EQ(ui.prompts[1].title, kDefaultTitle);
    ui.answerFile(q("/pics/a.gif")).cancelFile();
    d->Command1_Click();
    EXPECT_EQ(d->imageurl->text(), q("/pics/a.gif"));
    d->imageurl->setText(q("http://host/b.png"));
    d->Command1_Click();
    EXPECT_EQ(ui.prompts.last().file.fileName, q("/pics/a.gif"));
    EXPECT_EQ(d->imageurl->text(), q("http://host/b.png"));
    EXPECT_EQ(ui.prompts.size(), 4);
}

// A missing entry never costs the user the dialog: both paths keep it open with what was typed.
TEST_F(ImagerTest, IncompleteEntriesKeepTheDialogOpen)
{
    // With dimensions or not, and the entry emptied (null: the alignment).
    const std::pair<bool, QLineEdit * ImagerDialog::*> rows[] = {
        {true, &ImagerDialog::imageurl},  {true, &ImagerDialog::txtborder},     {true, nullptr},
        {false, &ImagerDialog::imageurl}, {false, &ImagerDialog::txtalternate}, {false, nullptr},
    };
    for (const auto& [dimensions, emptied] : rows) {
        setPage(q("page"), 1, 2);
        ui.prompts.clear();
        QPointer<ImagerDialog> d = open<ImagerDialog>();
        EXPECT_EQ(d->imageurl->text(), QString());
        d->imageurl->setText(q("a.gif"));
        d->txtalternate->setText(q("typed"));
        d->dimen->setChecked(dimensions);
        if (emptied)
            (d->*emptied)->clear();
        else
            d->txtalignment->setEditText(QString());
        click(d->OKButton);
        EXPECT_EQ(marked(), q("p[ag]e"));
        ASSERT_EQ(ui.prompts.size(), 1);
        EXPECT_EQ(ui.lastPrompt().text, q("One or more entries incomplete"));
        EXPECT_EQ(ui.lastPrompt().title, dimensions ? kDefaultTitle : q("Assistant: Orvel"));
        EXPECT_EQ(ui.lastPrompt().icon, dimensions ? MsgIcon::None : MsgIcon::Exclamation);
        ASSERT_FALSE(unloaded(d)) << dimensions;
        if (emptied != &ImagerDialog::txtalternate) {
            EXPECT_EQ(d->txtalternate->text(), q("typed"));
        }
        d->unload();
    }
}

// What Smart Correct fills in runs the rules as typing would; stepped values go in as well.
TEST_F(ImagerTest, FieldsFilledFromOutsideAndSteppedGoIntoTheTag)
{
    setPage(QString());
    auto* d = open<ImagerDialog>();
    d->imageurl->setText(q("pic.jpg"));
    d->txtheight->setText(q("40%"));
    d->txtwidth->setText(q("30"));
    d->dimen->setChecked(true);
    d->txtalternate->setText(q("A pic"));
    d->txtalignment->setEditText(q("Right"));
    d->txtborder->setText(q("2"));
    EXPECT_TRUE(d->diminper->isChecked() && d->diminper->isEnabled());
    for (UpDown* u : {d->UpDown2, d->UpDown3})
        click(u->upButton());
    QTest::keyClicks(d->horispace, q("5"));
    d->OKButton_Click();
    EXPECT_EQ(w->Text1->text(), q(R"(<IMG SRC="pic.jpg" HEIGHT="40%" WIDTH="30%" BORDER=2 )"
                                  R"(align="Right" ALT="A pic"  hspace="15" vspace="1"> )"));
    QTest::keyClicks(d->verspace, q("z")); // refused: no spacing
    EXPECT_EQ(d->vertFragment, QString());
    d->txtborder->setText(q("2px"));
    EXPECT_EQ(d->txtborder->text(), q("0"));
}

} // namespace
