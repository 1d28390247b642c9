// The image dialog driven through its widgets: defaults, the dimension and spacing rules, the
// digit filter, browsing, and the two different reactions of Insert to missing entries.
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
using orvel::test::crlf;
using Prompt = ScriptedPlatform::Prompt;

namespace {

const QString kDefaultTag =
    QStringLiteral(R"(<IMG SRC="a.gif" BORDER=0 align="Left" ALT="Images not available" > )");

class ImagerTest : public orvel::test::SourceWindowTest {
protected:
    ImagerDialog* open() {
        auto* d = w->form<ImagerDialog>();
        d->show();
        d->activateWindow();
        (void)QTest::qWaitForWindowActive(d);
        return d;
    }

    // Replaces the whole text of `box` by typing `keys`.
    static void retype(QLineEdit* box, const QString& keys) {
        box->selectAll();
        QTest::keyClicks(box, keys);
    }

    // True once the dialog has left the window and been destroyed.
    bool unloaded(QPointer<ImagerDialog>& d) {
        if (w->findChild<ImagerDialog*>())
            return false;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return d.isNull();
    }

    // Moves the pointer over `c` the way the window system does (offscreen, QTest's widget
    // overload only moves the cursor).
    static void hover(QWidget* c) {
        QTest::mouseMove(c->window()->windowHandle(), c->mapTo(c->window(), c->rect().center()));
    }

    void expectNumberMessage(const Prompt& p) {
        EXPECT_EQ(p.text, QStringLiteral("Invalid Entry. Specify a valid number"));
        EXPECT_EQ(p.title, QStringLiteral("Assistant: Orvel"));
        EXPECT_EQ(p.icon, MsgIcon::Critical);
        EXPECT_EQ(p.buttons, MsgButtons::Ok);
    }
};

TEST_F(ImagerTest, ControlsAtLoad) {
    ImagerDialog* d = open();
    EXPECT_EQ(d->objectName(), QStringLiteral("imager"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Insert Image"));
    EXPECT_FALSE(d->isModal());

    struct Row {
        QWidget* widget;
        const char* name;
        QString text;
        bool enabled;
        const char* tip;
    };
    const Row rows[] = {
        {d->imageurl, "imageurl", d->imageurl->text(), true, ""},
        {d->Command1, "Command1", d->Command1->text(), true, "Select image file"},
        {d->dimen, "dimen", d->dimen->text(), true, ""},
        {d->diminper, "diminper", d->diminper->text(), false, ""},
        {d->txtheight, "txtheight", d->txtheight->text(), false, "Height of the image in pixels."},
        {d->txtwidth, "txtwidth", d->txtwidth->text(), false, "Width of the image in pixels."},
        {d->txtborder, "txtborder", d->txtborder->text(), true,
         "Border around image. 0 for no border"},
        {d->txtalignment, "txtalignment", d->txtalignment->currentText(), true, "Align the image."},
        {d->txtalternate, "txtalternate", d->txtalternate->text(), true,
         "Alternate text if images are not displayed."},
        {d->horispace, "horispace", d->horispace->text(), true, ""},
        {d->verspace, "verspace", d->verspace->text(), true, ""},
        {d->OKButton, "OKButton", d->OKButton->text(), true, "Insert Image into the file"},
        {d->CancelButton, "CancelButton", d->CancelButton->text(), true, "Cancel."},
    };
    const char* texts[] = {"",
                           "...",
                           "Enter Dimensions",
                           "Dimensions in %",
                           "800",
                           "600",
                           "0",
                           "Left",
                           "Images not available",
                           "0",
                           "0",
                           "Insert Image",
                           "Cancel"};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        EXPECT_EQ(r.widget->objectName(), QString::fromLatin1(r.name));
        EXPECT_EQ(r.text, QString::fromLatin1(texts[i])) << r.name;
        EXPECT_EQ(r.widget->isEnabled(), r.enabled) << r.name;
        EXPECT_EQ(r.widget->toolTip(), QString::fromLatin1(r.tip)) << r.name;
    }
    EXPECT_FALSE(d->dimen->isChecked());
    EXPECT_FALSE(d->diminper->isChecked());
    EXPECT_TRUE(d->txtborder->isReadOnly());
    EXPECT_TRUE(d->txtalignment->isEditable());
    QStringList items;
    for (int i = 0; i < d->txtalignment->count(); ++i)
        items << d->txtalignment->itemText(i);
    EXPECT_EQ(items.join(u','), QStringLiteral("Left,Right,Top,TextTop,Middle,AbsMiddle,Baseline,"
                                               "Bottom,AbsBottom,Center"));
    QStringList labels;
    for (QLabel* l : d->Label1)
        labels << l->text();
    EXPECT_EQ(labels.join(u'|'), QStringLiteral("Source|Height|Width|Border|Alternate      Text|"
                                                "Align|Horizontal Spacing :|Vertical Spacing :"));
    for (const char* name : {"UpDown1", "UpDown2", "UpDown3", "StatusBar1"})
        EXPECT_NE(d->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_TRUE(d->percentSign.isEmpty());
    EXPECT_TRUE(d->horiFragment.isEmpty());
    EXPECT_TRUE(d->vertFragment.isEmpty());
    EXPECT_EQ(d->CommonDialog1.dialogTitle, QStringLiteral("Select image file"));
}

TEST_F(ImagerTest, DefaultsInsertOverSelectionAndDialogStaysOpen) {
    setPage(QStringLiteral("x<old>y"), 1, 5);
    ImagerDialog* d = open();
    QTest::keyClicks(d->imageurl, QStringLiteral("a.gif"));
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_EQ(marked(), QStringLiteral("x") + kDefaultTag + QStringLiteral("|y"));
    EXPECT_TRUE(ui.prompts.isEmpty());
    EXPECT_EQ(w->findChild<ImagerDialog*>(), d);
    EXPECT_TRUE(d->isVisible());
}

TEST_F(ImagerTest, OkActsOnTheSelectionOfThatMoment) {
    setPage(crlf("one\ntwo"), 0, 0);
    ImagerDialog* d = open();
    d->imageurl->setText(QStringLiteral("a.gif"));
    // The dialog does not block the window: the user moves on in the page before OK.
    w->Text1->setSelStart(6);
    w->Text1->setSelLength(2);
    d->OKButton_Click();
    EXPECT_EQ(marked(), QStringLiteral("one\r\nt") + kDefaultTag + u'|');
    // Still open: a second OK inserts again at the caret.
    d->OKButton_Click();
    EXPECT_EQ(marked(), QStringLiteral("one\r\nt") + kDefaultTag + kDefaultTag + u'|');
}

TEST_F(ImagerTest, DimensionsInPixelsAndPercent) {
    struct Row {
        const char* height;
        const char* width;
        bool percent;
        const char* tag;
    };
    const Row rows[] = {
        {"120", "90", false,
         R"(<IMG SRC="a.gif" HEIGHT="120" WIDTH="90" BORDER=0 align="Left" ALT="Images not available" > )"},
        {"50", "80", true,
         R"(<IMG SRC="a.gif" HEIGHT="50%" WIDTH="80%" BORDER=0 align="Left" ALT="Images not available" > )"},
    };
    for (const Row& r : rows) {
        setPage(QString());
        ImagerDialog* d = open();
        d->imageurl->setText(QStringLiteral("a.gif"));
        QTest::mouseClick(d->dimen, Qt::LeftButton);
        ASSERT_TRUE(d->txtheight->isEnabled());
        ASSERT_TRUE(d->diminper->isEnabled());
        if (r.percent)
            QTest::mouseClick(d->diminper, Qt::LeftButton);
        retype(d->txtheight, QString::fromLatin1(r.height));
        retype(d->txtwidth, QString::fromLatin1(r.width));
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        EXPECT_EQ(w->Text1->text(), QString::fromUtf8(r.tag));
        EXPECT_TRUE(ui.prompts.isEmpty()) << r.tag;
        d->CancelButton_Click();
    }
}

TEST_F(ImagerTest, DimensionCheckBoxesEnableAndRetip) {
    ImagerDialog* d = open();
    d->dimen->setChecked(true);
    for (QWidget* c : {static_cast<QWidget*>(d->txtheight), static_cast<QWidget*>(d->txtwidth),
                       static_cast<QWidget*>(d->diminper)})
        EXPECT_TRUE(c->isEnabled()) << c->objectName().toStdString();
    d->diminper->setChecked(true);
    EXPECT_EQ(d->percentSign, QStringLiteral("%"));
    EXPECT_EQ(d->txtheight->toolTip(), QStringLiteral("Height of the image in percentage"));
    EXPECT_EQ(d->txtwidth->toolTip(), QStringLiteral("Width of the image in percentage"));
    EXPECT_EQ(hintOf(d->diminper), QStringLiteral("Uncheck for expressing dimensions in pixels"));
    d->diminper->setChecked(false);
    EXPECT_EQ(d->percentSign, QString());
    // Unticking writes the tips without the full stop of the designer's.
    EXPECT_EQ(d->txtheight->toolTip(), QStringLiteral("Height of the image in pixels"));
    EXPECT_EQ(d->txtwidth->toolTip(), QStringLiteral("Width of the image in pixels"));
    EXPECT_EQ(hintOf(d->diminper),
              QStringLiteral("Check for expressing dimensions in percentage."));
    d->dimen->setChecked(false);
    EXPECT_FALSE(d->txtheight->isEnabled());
    EXPECT_FALSE(d->txtwidth->isEnabled());
    EXPECT_FALSE(d->diminper->isEnabled());
}

TEST_F(ImagerTest, TypedPercentTicksPercentAndLeavesTheNumber) {
    for (QLineEdit* ImagerDialog::*box : {&ImagerDialog::txtheight, &ImagerDialog::txtwidth}) {
        ImagerDialog* d = open();
        d->dimen->setChecked(true);
        retype(d->*box, QStringLiteral("50%"));
        EXPECT_EQ((d->*box)->text(), QStringLiteral("50"));
        EXPECT_TRUE(d->diminper->isChecked());
        EXPECT_EQ(d->percentSign, QStringLiteral("%"));
        EXPECT_TRUE(ui.prompts.isEmpty());
        d->CancelButton_Click();
    }
}

TEST_F(ImagerTest, DigitFilterRefusesLettersAndRefillsEmptyBoxes) {
    struct Row {
        QLineEdit* ImagerDialog::*box;
        const char* keys; // typed after the box's default text
        bool clear;       // the box is emptied instead
        const char* result;
        bool message;
    };
    const Row rows[] = {
        {&ImagerDialog::verspace, "a", false, "0", true},
        {&ImagerDialog::horispace, "5x", false, "0", true},
        {&ImagerDialog::txtheight, "-", false, "800", true},
        {&ImagerDialog::txtwidth, "q", false, "600", true},
        {&ImagerDialog::txtwidth, "", true, "600", false},
        {&ImagerDialog::txtheight, "", true, "800", false},
        {&ImagerDialog::horispace, "", true, "0", false},
        {&ImagerDialog::verspace, "12", false, "012", false},
    };
    for (const Row& r : rows) {
        ui.prompts.clear();
        ImagerDialog* d = open();
        d->dimen->setChecked(true);
        QLineEdit* box = d->*r.box;
        if (r.clear) {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
        } else {
            box->end(false);
            QTest::keyClicks(box, QString::fromLatin1(r.keys));
        }
        EXPECT_EQ(box->text(), QString::fromLatin1(r.result)) << r.keys;
        ASSERT_EQ(ui.prompts.size(), r.message ? 1 : 0) << r.keys;
        if (r.message)
            expectNumberMessage(ui.lastPrompt());
        d->CancelButton_Click();
    }
}

TEST_F(ImagerTest, SpacingFragmentsFollowTheirBoxes) {
    setPage(QString());
    ImagerDialog* d = open();
    d->imageurl->setText(QStringLiteral("a.gif"));
    retype(d->horispace, QStringLiteral("5"));
    retype(d->verspace, QStringLiteral("10"));
    EXPECT_EQ(d->horiFragment, QStringLiteral(R"( hspace="5")"));
    EXPECT_EQ(d->vertFragment, QStringLiteral(R"( vspace="10")"));
    d->OKButton_Click();
    EXPECT_EQ(w->Text1->text(),
              QStringLiteral(R"(<IMG SRC="a.gif" BORDER=0 align="Left" )"
                             R"(ALT="Images not available"  hspace="5" vspace="10"> )"));

    // A letter resets the box and drops the attribute.
    d->verspace->end(false);
    QTest::keyClicks(d->verspace, QStringLiteral("a"));
    EXPECT_EQ(d->verspace->text(), QStringLiteral("0"));
    EXPECT_EQ(d->vertFragment, QString());
    retype(d->horispace, QStringLiteral("0"));
    EXPECT_EQ(d->horiFragment, QString());
}

TEST_F(ImagerTest, UpDownsStopAtZeroAndHaveNoUpperBound) {
    ImagerDialog* d = open();
    struct Row {
        UpDown* upDown;
        QLineEdit* box;
        const char* fragment; // after one step up
    };
    const Row rows[] = {
        {d->UpDown1, d->txtborder, nullptr},
        {d->UpDown2, d->verspace, R"( vspace="1")"},
        {d->UpDown3, d->horispace, R"( hspace="1")"},
    };
    for (const Row& r : rows) {
        const std::string name = r.upDown->objectName().toStdString();
        QTest::mouseClick(r.upDown->downButton(), Qt::LeftButton);
        EXPECT_EQ(r.box->text(), QStringLiteral("0")) << name;
        QTest::mouseClick(r.upDown->upButton(), Qt::LeftButton);
        EXPECT_EQ(r.box->text(), QStringLiteral("1")) << name;
        if (r.fragment) {
            EXPECT_EQ(r.box == d->verspace ? d->vertFragment : d->horiFragment,
                      QString::fromLatin1(r.fragment));
        }
        r.box->setText(QStringLiteral("99999"));
        QTest::mouseClick(r.upDown->upButton(), Qt::LeftButton);
        EXPECT_EQ(r.box->text(), QStringLiteral("100000")) << name;
        QTest::mouseClick(r.upDown->downButton(), Qt::LeftButton);
        EXPECT_EQ(r.box->text(), QStringLiteral("99999")) << name;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(ImagerTest, NonNumericSpacingCountsAsZero) {
    setPage(QString());
    ImagerDialog* d = open();
    d->imageurl->setText(QStringLiteral("a.gif"));
    // Set from outside: the filter looks only at the last character, which is a digit.
    d->horispace->setText(QStringLiteral("a5"));
    EXPECT_EQ(d->horispace->text(), QStringLiteral("a5"));
    EXPECT_EQ(d->horiFragment, QString());
    QTest::mouseClick(d->UpDown3->downButton(), Qt::LeftButton);
    EXPECT_EQ(d->horispace->text(), QStringLiteral("a5"));
    d->OKButton_Click();
    EXPECT_EQ(w->Text1->text(), kDefaultTag);
    QTest::mouseClick(d->UpDown3->upButton(), Qt::LeftButton);
    EXPECT_EQ(d->horispace->text(), QStringLiteral("1"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(ImagerTest, BrowseChoosesAndCancelKeepsTheSource) {
    ImagerDialog* d = open();
    // First use, cancelled: nothing chosen, nothing in the box.
    ui.cancelFile();
    QTest::mouseClick(d->Command1, Qt::LeftButton);
    ASSERT_EQ(ui.prompts.size(), 2);
    EXPECT_EQ(ui.prompts[0].kind, ScriptedPlatform::PromptKind::File);
    EXPECT_EQ(ui.prompts[0].file.kind, FileDialogKind::Open);
    EXPECT_EQ(ui.prompts[0].title, QStringLiteral("Select image file"));
    EXPECT_EQ(ui.prompts[1].text, QStringLiteral("Invalid url, image not inserted"));
    EXPECT_EQ(ui.prompts[1].title, QStringLiteral("Orvel"));
    EXPECT_EQ(ui.prompts[1].buttons, MsgButtons::Ok);
    EXPECT_EQ(d->imageurl->text(), QString());

    ui.prompts.clear();
    ui.answerFile(QStringLiteral("/pics/a.gif"));
    d->Command1_Click();
    EXPECT_EQ(d->imageurl->text(), QStringLiteral("/pics/a.gif"));
    EXPECT_EQ(ui.prompts.size(), 1);

    // Cancelling later keeps the box as it stands, a hand-edited source included.
    d->imageurl->setText(QStringLiteral("http://host/b.png"));
    ui.prompts.clear();
    ui.cancelFile();
    d->Command1_Click();
    EXPECT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].file.fileName, QStringLiteral("/pics/a.gif"));
    EXPECT_EQ(d->imageurl->text(), QStringLiteral("http://host/b.png"));
    EXPECT_EQ(ui.unscripted, 0);
}

TEST_F(ImagerTest, IncompleteEntriesCloseOnlyWithDimensions) {
    struct Row {
        const char* name;
        bool dimensions;
        QLineEdit* ImagerDialog::*emptied; // null: the alignment is emptied
        bool unloads;
    };
    const Row rows[] = {
        {"source, dimensions", true, &ImagerDialog::imageurl, true},
        {"alternate, dimensions", true, &ImagerDialog::txtalternate, true},
        {"border, dimensions", true, &ImagerDialog::txtborder, true},
        {"alignment, dimensions", true, nullptr, true},
        {"source", false, &ImagerDialog::imageurl, false},
        {"alternate", false, &ImagerDialog::txtalternate, false},
        {"border", false, &ImagerDialog::txtborder, false},
        {"alignment", false, nullptr, false},
    };
    for (const Row& r : rows) {
        setPage(QStringLiteral("page"), 1, 2);
        ui.prompts.clear();
        QPointer<ImagerDialog> d = open();
        d->imageurl->setText(QStringLiteral("a.gif"));
        d->dimen->setChecked(r.dimensions);
        if (r.emptied)
            (d->*r.emptied)->clear();
        else
            d->txtalignment->setEditText(QString());
        QTest::mouseClick(d->OKButton, Qt::LeftButton);

        EXPECT_EQ(marked(), QStringLiteral("p[ag]e")) << r.name;
        ASSERT_EQ(ui.prompts.size(), 1) << r.name;
        const Prompt& p = ui.lastPrompt();
        EXPECT_EQ(p.text, QStringLiteral("One or more entries incomplete"));
        EXPECT_EQ(p.buttons, MsgButtons::Ok);
        EXPECT_EQ(p.title, r.unloads ? QStringLiteral("Orvel") : QStringLiteral("Assistant: Orvel"))
            << r.name;
        EXPECT_EQ(p.icon, r.unloads ? MsgIcon::None : MsgIcon::Exclamation) << r.name;
        EXPECT_EQ(unloaded(d), r.unloads) << r.name;
        if (d)
            d->CancelButton_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ImagerTest, CancelUnloadsAndTheNextOpenerStartsFresh) {
    QPointer<ImagerDialog> d = open();
    d->imageurl->setText(QStringLiteral("a.gif"));
    QTest::mouseClick(d->CancelButton, Qt::LeftButton);
    EXPECT_TRUE(unloaded(d));
    ImagerDialog* fresh = open();
    EXPECT_EQ(fresh->imageurl->text(), QString());
}

TEST_F(ImagerTest, FieldsFilledFromOutsideRunTheirRules) {
    setPage(QString());
    ImagerDialog* d = open();
    // What a later Smart Correct does with an existing tag.
    d->imageurl->setText(QStringLiteral("pic.jpg"));
    d->txtheight->setText(QStringLiteral("40%"));
    d->txtwidth->setText(QStringLiteral("30"));
    d->dimen->setChecked(true);
    d->txtalternate->setText(QStringLiteral("A pic"));
    d->txtalignment->setEditText(QStringLiteral("Right"));
    d->txtborder->setText(QStringLiteral("2"));
    EXPECT_TRUE(d->diminper->isChecked());
    EXPECT_TRUE(d->diminper->isEnabled());
    EXPECT_EQ(d->txtheight->text(), QStringLiteral("40"));
    d->OKButton_Click();
    EXPECT_EQ(w->Text1->text(), QStringLiteral(R"(<IMG SRC="pic.jpg" HEIGHT="40%" WIDTH="30%" )"
                                               R"(BORDER=2 align="Right" ALT="A pic" > )"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(ImagerTest, Hints) {
    ImagerDialog* d = open();
    struct Row {
        QWidget* widget;
        const char* hint;
    };
    const Row rows[] = {
        {d, "Insert images with ease"},
        {d->imageurl, "Source/URL of the image"},
        {d->Command1, "Browse for valid image file"},
        {d->dimen, "Enter dimensions of image."},
        {d->diminper, "Check for expressing dimensions in percentage."},
        {d->txtheight, "Height of the image"},
        {d->txtwidth, "Width of the image"},
        {d->txtborder, "Border around image. 0 is default"},
        {d->txtalternate, "Alternate text if image is not displayed (Recommended)"},
        {d->horispace, "Enter the horizontal spacing"},
        {d->verspace, "Enter the vertical spacing"},
        {d->UpDown3, "Change the horizontal spacing"},
        {d->UpDown2, "Change the vertical spacing"},
        {d->OKButton, "Apply all settings and insert image"},
        {d->CancelButton, "Cancel/Return without making any changes"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(hintOf(r.widget), QString::fromLatin1(r.hint)) << r.hint;

    hover(d->Command1);
    EXPECT_EQ(d->StatusBar1->currentMessage(), QStringLiteral("Browse for valid image file"));
    d->dimen->setChecked(true);
    d->diminper->setChecked(true);
    hover(d->diminper);
    EXPECT_EQ(d->StatusBar1->currentMessage(),
              QStringLiteral("Uncheck for expressing dimensions in pixels"));
}

} // namespace
