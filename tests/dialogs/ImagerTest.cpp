// The image dialog driven through its widgets: the dimension and spacing rules, the digit filter,
// browsing, and the two different reactions of Insert to missing entries.
#include "dialogs/Imager.h"
#include "platform/Hint.h"
#include "support/Fixtures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

using namespace orvel;

namespace {

const QString kDefaultTag =
    QStringLiteral(R"(<IMG SRC="a.gif" BORDER=0 align="Left" ALT="Images not available" > )");

class ImagerTest : public orvel::test::SourceWindowTest {
protected:
    ImagerDialog* open()
    {
        auto* d = w->form<ImagerDialog>();
        d->show();
        // Offscreen, a window is activated only once it is exposed.
        (void)QTest::qWaitForWindowExposed(d);
        d->activateWindow();
        (void)QTest::qWaitForWindowActive(d);
        return d;
    }
    static void retype(QLineEdit* box, const QString& keys)
    {
        box->selectAll();
        QTest::keyClicks(box, keys);
    }
    // True once the dialog has left the window and been destroyed.
    bool unloaded(QPointer<ImagerDialog>& d)
    {
        const bool detached = !w->findChild<ImagerDialog*>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return detached && d.isNull();
    }
};

TEST_F(ImagerTest, ControlsAtLoad)
{
    ImagerDialog* d = open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Insert Image"));
    EXPECT_FALSE(d->isModal());
    const QStringList texts{d->txtheight->text(),           d->txtwidth->text(),
                            d->txtborder->text(),           d->txtalternate->text(),
                            d->horispace->text(),           d->verspace->text(),
                            d->txtalignment->currentText(), d->OKButton->text()};
    EXPECT_EQ(texts.join(u'|'),
              QStringLiteral("800|600|0|Images not available|0|0|Left|Insert Image"));
    EXPECT_FALSE(d->dimen->isChecked() || d->txtheight->isEnabled() || d->txtwidth->isEnabled() ||
                 d->diminper->isEnabled());
    EXPECT_EQ(d->txtheight->toolTip(), QStringLiteral("Height of the image in pixels."));
    EXPECT_TRUE(d->txtborder->isReadOnly());
    EXPECT_EQ(d->txtalignment->count(), 10);
    EXPECT_EQ(d->Label1[4]->text(), QStringLiteral("Alternate      Text"));
}

TEST_F(ImagerTest, InsertsOverTheSelectionOfThatMomentAndStaysOpen)
{
    setPage(QStringLiteral("one\r\ntwo"), 0, 0);
    ImagerDialog* d = open();
    QTest::keyClicks(d->imageurl, QStringLiteral("a.gif"));
    // The dialog does not block the window: the user moves on in the page before OK.
    w->Text1->setSelStart(6);
    w->Text1->setSelLength(2);
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_EQ(marked(), QStringLiteral("one\r\nt") + kDefaultTag + u'|');
    d->OKButton_Click();
    EXPECT_EQ(marked(), QStringLiteral("one\r\nt") + kDefaultTag + kDefaultTag + u'|');
    EXPECT_EQ(w->findChild<ImagerDialog*>(), d);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(ImagerTest, TypedPercentSwitchesBothDimensionsToPercent)
{
    setPage(QString());
    ImagerDialog* d = open();
    d->imageurl->setText(QStringLiteral("a.gif"));
    d->dimen->click();
    ASSERT_TRUE(d->txtheight->isEnabled() && d->txtwidth->isEnabled() && d->diminper->isEnabled());
    retype(d->txtheight, QStringLiteral("50%"));
    EXPECT_EQ(d->txtheight->text(), QStringLiteral("50"));
    EXPECT_TRUE(d->diminper->isChecked());
    EXPECT_EQ(d->txtwidth->toolTip(), QStringLiteral("Width of the image in percentage"));
    EXPECT_EQ(hintOf(d->diminper), QStringLiteral("Uncheck for expressing dimensions in pixels"));
    retype(d->txtwidth, QStringLiteral("80"));
    d->OKButton_Click();
    EXPECT_EQ(w->Text1->text(),
              QStringLiteral(R"(<IMG SRC="a.gif" HEIGHT="50%" WIDTH="80%" )"
                             R"(BORDER=0 align="Left" ALT="Images not available" > )"));

    // Back to pixels: the tips lose the designer's full stop.
    d->diminper->click();
    EXPECT_EQ(d->txtheight->toolTip(), QStringLiteral("Height of the image in pixels"));
    setPage(QString());
    d->OKButton_Click();
    EXPECT_TRUE(w->Text1->text().contains(QStringLiteral(R"(HEIGHT="50" WIDTH="80" )")));
    d->dimen->click();
    EXPECT_FALSE(d->txtheight->isEnabled() || d->txtwidth->isEnabled() || d->diminper->isEnabled());
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(ImagerTest, DigitFilterRefusesLettersAndRefillsEmptyBoxes)
{
    struct Row {
        QLineEdit* ImagerDialog::*box;
        const char* keys; // typed after the default text; "" empties the box
        const char* result;
        bool message;
    };
    const Row rows[] = {
        {&ImagerDialog::verspace, "a", "0", true},     {&ImagerDialog::horispace, "5x", "0", true},
        {&ImagerDialog::txtheight, "-", "800", true},  {&ImagerDialog::txtwidth, "q", "600", true},
        {&ImagerDialog::txtwidth, "", "600", false},   {&ImagerDialog::horispace, "", "0", false},
        {&ImagerDialog::verspace, "12", "012", false},
    };
    ImagerDialog* d = open();
    d->dimen->setChecked(true);
    for (const Row& r : rows) {
        ui.prompts.clear();
        QLineEdit* box = d->*r.box;
        if (*r.keys) {
            box->end(false);
            QTest::keyClicks(box, QString::fromLatin1(r.keys));
        } else {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
        }
        EXPECT_EQ(box->text(), QString::fromLatin1(r.result)) << r.keys;
        ASSERT_EQ(ui.prompts.size(), r.message ? 1 : 0) << r.keys;
        if (r.message) {
            EXPECT_EQ(ui.lastPrompt().text,
                      QStringLiteral("Invalid Entry. Specify a valid number"));
            EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Assistant: Orvel"));
            EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
        }
    }
    EXPECT_EQ(d->vertFragment, QStringLiteral(R"( vspace="012")"));
    EXPECT_EQ(d->horiFragment, QString());
    QTest::keyClicks(d->verspace, QStringLiteral("z"));
    EXPECT_EQ(d->vertFragment, QString());
}

TEST_F(ImagerTest, SpacingAndBorderStepBetweenZeroAndNoLimit)
{
    setPage(QString());
    ImagerDialog* d = open();
    d->imageurl->setText(QStringLiteral("a.gif"));
    for (UpDown* u : {d->UpDown1, d->UpDown2, d->UpDown3}) {
        QTest::mouseClick(u->downButton(), Qt::LeftButton);
        QTest::mouseClick(u->upButton(), Qt::LeftButton);
        QTest::mouseClick(u->upButton(), Qt::LeftButton);
    }
    d->horispace->setText(QStringLiteral("99999"));
    QTest::mouseClick(d->UpDown3->upButton(), Qt::LeftButton);
    d->OKButton_Click();
    EXPECT_EQ(w->Text1->text(),
              QStringLiteral(R"(<IMG SRC="a.gif" BORDER=2 align="Left" ALT="Images )"
                             R"(not available"  hspace="100000" vspace="2"> )"));

    EXPECT_TRUE(ui.prompts.isEmpty());

    // Text that comes in whole (pasted, set by a command) is a number through and through, or
    // the box falls back, even when its last character is a digit.
    for (const char* pasted : {"a5", "1 2", "4x4"}) {
        ui.prompts.clear();
        d->verspace->setText(QString::fromLatin1(pasted));
        EXPECT_EQ(d->verspace->text(), QStringLiteral("0")) << pasted;
        EXPECT_EQ(d->vertFragment, QString()) << pasted;
        ASSERT_EQ(ui.prompts.size(), 1) << pasted;
        EXPECT_EQ(ui.prompts[0].text, QStringLiteral("Invalid Entry. Specify a valid number"));
    }
}

TEST_F(ImagerTest, BrowseChoosesAndCancelKeepsTheSource)
{
    ImagerDialog* d = open();
    ui.cancelFile();
    QTest::mouseClick(d->Command1, Qt::LeftButton);
    ASSERT_EQ(ui.prompts.size(), 2);
    EXPECT_EQ(ui.prompts[0].file.kind, FileDialogKind::Open);
    EXPECT_EQ(ui.prompts[0].title, QStringLiteral("Select image file"));
    EXPECT_EQ(ui.prompts[1].text, QStringLiteral("Invalid url, image not inserted"));
    EXPECT_EQ(ui.prompts[1].title, kDefaultTitle);

    ui.answerFile(QStringLiteral("/pics/a.gif"));
    d->Command1_Click();
    EXPECT_EQ(d->imageurl->text(), QStringLiteral("/pics/a.gif"));
    // A hand-edited source survives a cancelled browse.
    d->imageurl->setText(QStringLiteral("http://host/b.png"));
    ui.cancelFile();
    d->Command1_Click();
    EXPECT_EQ(ui.prompts.last().file.fileName, QStringLiteral("/pics/a.gif"));
    EXPECT_EQ(d->imageurl->text(), QStringLiteral("http://host/b.png"));
    EXPECT_EQ(ui.prompts.size(), 4);
}

// A missing entry never costs the user the dialog: both paths keep it open with what was typed.
TEST_F(ImagerTest, IncompleteEntriesKeepTheDialogOpen)
{
    struct Row {
        bool dimensions;
        QLineEdit* ImagerDialog::*emptied; // null: the alignment
    };
    const Row rows[] = {
        {true, &ImagerDialog::imageurl},  {true, &ImagerDialog::txtborder},     {true, nullptr},
        {false, &ImagerDialog::imageurl}, {false, &ImagerDialog::txtalternate}, {false, nullptr},
    };
    for (const Row& r : rows) {
        setPage(QStringLiteral("page"), 1, 2);
        ui.prompts.clear();
        QPointer<ImagerDialog> d = open();
        d->imageurl->setText(QStringLiteral("a.gif"));
        d->txtalternate->setText(QStringLiteral("typed"));
        d->dimen->setChecked(r.dimensions);
        if (r.emptied)
            (d->*r.emptied)->clear();
        else
            d->txtalignment->setEditText(QString());
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        EXPECT_EQ(marked(), QStringLiteral("p[ag]e"));
        ASSERT_EQ(ui.prompts.size(), 1);
        EXPECT_EQ(ui.lastPrompt().text, QStringLiteral("One or more entries incomplete"));
        EXPECT_EQ(ui.lastPrompt().title, r.dimensions ? kDefaultTitle : kAssistantTitle);
        EXPECT_EQ(ui.lastPrompt().icon, r.dimensions ? MsgIcon::None : MsgIcon::Exclamation);
        ASSERT_FALSE(unloaded(d)) << r.dimensions;
        if (r.emptied != &ImagerDialog::txtalternate) {
            EXPECT_EQ(d->txtalternate->text(), QStringLiteral("typed"));
        }
        QTest::mouseClick(d->CancelButton, Qt::LeftButton);
        EXPECT_TRUE(unloaded(d));
    }
}

TEST_F(ImagerTest, EscapeUnloadsLikeTheCloseBox)
{
    QPointer<ImagerDialog> d = open();
    d->imageurl->setText(QStringLiteral("a.gif"));
    QTest::keyClick(d->imageurl, Qt::Key_Escape);
    EXPECT_TRUE(unloaded(d));
    EXPECT_EQ(open()->imageurl->text(), QString());
}

TEST_F(ImagerTest, FieldsFilledFromOutsideRunTheirRules)
{
    setPage(QString());
    ImagerDialog* d = open();
    d->imageurl->setText(QStringLiteral("pic.jpg"));
    d->txtheight->setText(QStringLiteral("40%"));
    d->txtwidth->setText(QStringLiteral("30"));
    d->dimen->setChecked(true);
    d->txtalternate->setText(QStringLiteral("A pic"));
    d->txtalignment->setEditText(QStringLiteral("Right"));
    d->txtborder->setText(QStringLiteral("2"));
    EXPECT_TRUE(d->diminper->isChecked() && d->diminper->isEnabled());
    d->OKButton_Click();
    EXPECT_EQ(w->Text1->text(), QStringLiteral(R"(<IMG SRC="pic.jpg" HEIGHT="40%" WIDTH="30%" )"
                                               R"(BORDER=2 align="Right" ALT="A pic" > )"));
    // A border that is not a number never reaches the tag.
    d->txtborder->setText(QStringLiteral("2px"));
    EXPECT_EQ(d->txtborder->text(), QStringLiteral("0"));
}

TEST_F(ImagerTest, HintsOnTheStatusBar)
{
    ImagerDialog* d = open();
    EXPECT_EQ(hintOf(d), QStringLiteral("Insert images with ease"));
    EXPECT_EQ(hintOf(d->UpDown3), QStringLiteral("Change the horizontal spacing"));
    // Offscreen, QTest's widget overload only moves the cursor: go through the window.
    QTest::mouseMove(d->windowHandle(), d->Command1->mapTo(d, QPoint(4, 4)));
    EXPECT_EQ(d->StatusBar1->currentMessage(), QStringLiteral("Browse for valid image file"));
}

} // namespace
