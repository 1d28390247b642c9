// The horizontal rule dialog on a live source window: load, the change rules, the timer, OK.
#include "dialogs/Hrule.h"
#include "platform/Hint.h"
#include "support/Fixtures.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace orvel;

namespace {

class HruleTest : public orvel::test::SourceWindowTest {
protected:
    HruleDialog* open() {
        auto* d = w->form<HruleDialog>();
        d->show();
        return d;
    }
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    static void chooseAlign(HruleDialog* d, int row) {
        QListWidget* list = d->Align;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    // Picks a colour from the drop-down list as the user does: open it, move to the colour,
    // press Return.
    static void chooseColour(HruleDialog* d, const QString& colour) {
        QComboBox* combo = d->Combo2;
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        view->setCurrentIndex(view->model()->index(combo->findText(colour), 0));
        QTest::keyClick(view, Qt::Key_Return);
    }
    bool dialogOpen() const { return w->findChild<HruleDialog*>() != nullptr; }
};

TEST_F(HruleTest, LoadsWithItsDesignerValues) {
    auto* d = open();
    EXPECT_EQ(d->objectName(), QStringLiteral("hrule"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Insert Horizontal Rule: Orvel"));
    EXPECT_FALSE(d->isModal());
    ASSERT_EQ(d->Align->count(), 3);
    EXPECT_EQ(d->Align->item(1)->text(), QStringLiteral("Left"));
    EXPECT_EQ(d->Align->currentItem()->text(), QStringLiteral("Center"));
    EXPECT_TRUE(d->Align->currentItem()->isSelected());
    EXPECT_EQ(d->Combo2->currentText(), QStringLiteral("black"));
    EXPECT_EQ(d->Combo2->count(), 16);
    EXPECT_TRUE(d->Combo2->isEditable());
    EXPECT_EQ(d->size->text(), QStringLiteral("0"));
    EXPECT_TRUE(d->size->isReadOnly());
    EXPECT_EQ(d->widther->text(), QString());
    EXPECT_EQ(d->Check1->text(), QStringLiteral("No Shade (Solid)"));
    EXPECT_EQ(d->Check2->text(), QStringLiteral("Percentage"));
    EXPECT_FALSE(d->Check1->isChecked());
    EXPECT_FALSE(d->Check2->isChecked());
    EXPECT_TRUE(d->Timer1->isActive());
    EXPECT_TRUE(d->Timer1->isSingleShot());
    EXPECT_EQ(d->Timer1->interval(), 300);
    EXPECT_EQ(ruleTag(d->fragments()), QStringLiteral("<HR>"));
}

TEST_F(HruleTest, DefaultsInsertABareRuleInPlaceOfTheSelection) {
    setPage(QStringLiteral("a<p>b"), 1, 3);
    auto* d = open();
    click(d->OKButton);
    EXPECT_EQ(marked(), QStringLiteral("a<HR>|b"));
    EXPECT_FALSE(dialogOpen());
}

TEST_F(HruleTest, EverySettingJoinsInFixedOrder) {
    setPage(QStringLiteral("x"), 1, 0);
    auto* d = open();
    click(d->Check1);
    chooseColour(d, QStringLiteral("red"));
    for (int n = 0; n < 3; ++n)
        click(d->UpDown2->upButton());
    QTest::keyClicks(d->widther, QStringLiteral("50"));
    click(d->Check2);
    chooseAlign(d, 1);
    EXPECT_EQ(d->Combo2->currentText(), QStringLiteral("red"));
    EXPECT_EQ(d->widther->text(), QStringLiteral("50%"));
    click(d->OKButton);
    EXPECT_EQ(marked(), QStringLiteral("x<HR align=\"Left\" width=50% size=\"3\" color=\"red\"  "
                                       "NOSHADE>|"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, OkTakesTheSelectionOfTheMoment) {
    setPage(QStringLiteral("one two"), 0, 3);
    auto* d = open();
    w->Text1->setSelStart(4);
    w->Text1->setSelLength(3);
    click(d->OKButton);
    EXPECT_EQ(marked(), QStringLiteral("one <HR>|"));
}

TEST_F(HruleTest, CancelInsertsNothing) {
    setPage(QStringLiteral("keep"), 0, 4);
    auto* d = open();
    click(d->Check1);
    click(d->CancelButton);
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(marked(), QStringLiteral("[keep]"));
}

TEST_F(HruleTest, SelectedRuleEndingInNoShadeTicksTheBox) {
    struct Row {
        const char* page;
        bool ticked;
    } rows[] = {
        {"<HR size=\"2\" NOSHADE>", true},
        {"<HR NOSHADE> ", false},
        {"<HR noshade>", false},
        {"", false},
    };
    for (const Row& r : rows) {
        const QString page = QString::fromUtf8(r.page);
        setPage(page, 0, int(page.size()));
        auto* d = w->form<HruleDialog>();
        EXPECT_EQ(d->Check1->isChecked(), r.ticked) << r.page;
        EXPECT_EQ(d->fragments().noShade, r.ticked ? QStringLiteral(" NOSHADE") : QString());
        d->unload();
    }
}

TEST_F(HruleTest, TypedPercentSignIsRefused) {
    auto* d = open();
    QTest::keyClicks(d->widther, QStringLiteral("50%"));
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().text, QStringLiteral("Invalid Entry. Specify a valid number"));
    EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Assistant: Orvel"));
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
    EXPECT_EQ(d->widther->text(), QStringLiteral("100%"));
    EXPECT_EQ(d->fragments().width, QStringLiteral(" width=100%"));
}

TEST_F(HruleTest, TypedWidthIsPixelsAndOneHundredIsNoException) {
    auto* d = open();
    struct Step {
        const char* key;
        const char* fragment;
    } steps[] = {{"1", " width=1"}, {"0", " width=10"}, {"0", " width=100"}};
    for (const Step& s : steps) {
        QTest::keyClicks(d->widther, QString::fromUtf8(s.key));
        EXPECT_EQ(d->fragments().width, QString::fromUtf8(s.fragment));
    }
    EXPECT_FALSE(d->Check2->isChecked());
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, PercentageUntickAndTick) {
    auto* d = open();
    QTest::keyClicks(d->widther, QStringLiteral("50"));
    struct Step {
        bool tick;
        const char* width;
    } steps[] = {{true, "50%"}, {false, "50"}, {true, "50%"}};
    for (const Step& s : steps) {
        click(d->Check2);
        EXPECT_EQ(d->Check2->isChecked(), s.tick);
        EXPECT_EQ(d->widther->text(), QString::fromUtf8(s.width));
        EXPECT_EQ(d->fragments().width, QStringLiteral(" width=") + QString::fromUtf8(s.width));
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// Ticking Percentage with no width must not leave a bare "100", which would read as pixels and
// untick the box the user just ticked.
TEST_F(HruleTest, PercentageOnAnEmptyWidthMeansTheFullWidth) {
    auto* d = open();
    click(d->Check2);
    EXPECT_TRUE(d->Check2->isChecked());
    EXPECT_EQ(d->widther->text(), QStringLiteral("100%"));
    EXPECT_EQ(d->fragments().width, QStringLiteral(" width=100%"));
}

TEST_F(HruleTest, ClearedWidthOrParserLeftoverBecomesFullWidth) {
    auto* d = open();
    for (const char* text : {"", "idth=", "ze=", "lign=", "ign="}) {
        d->widther->setText(QStringLiteral("30"));
        d->widther->setText(QString::fromUtf8(text));
        EXPECT_EQ(d->widther->text(), QStringLiteral("100%")) << text;
        EXPECT_EQ(d->fragments().width, QStringLiteral(" width=100%")) << text;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, SizeStepsUpAndBackToNoAttribute) {
    auto* d = open();
    struct Step {
        bool up;
        const char* size;
        const char* fragment;
    } steps[] = {
        {true, "1", " size=\"1\""}, {true, "2", " size=\"2\""}, {false, "1", " size=\"1\""},
        {false, "0", ""},           {false, "0", ""},
    };
    for (const Step& s : steps) {
        click(s.up ? d->UpDown2->upButton() : d->UpDown2->downButton());
        EXPECT_EQ(d->size->text(), QString::fromUtf8(s.size));
        EXPECT_EQ(d->fragments().size, QString::fromUtf8(s.fragment));
    }
}

TEST_F(HruleTest, EmptySizeIsFirstResetByEitherArrow) {
    auto* d = open();
    d->size->setText(QString());
    click(d->UpDown2->downButton());
    EXPECT_EQ(d->size->text(), QStringLiteral("0"));
    d->size->setText(QString());
    click(d->UpDown2->upButton());
    EXPECT_EQ(d->size->text(), QStringLiteral("2"));
}

// An opener fills the fields after load: each change builds its fragment as typing would.
TEST_F(HruleTest, FieldsFilledByCodeBuildTheirFragments) {
    setPage(QString());
    auto* d = open();
    d->Combo2->setEditText(QStringLiteral("navy"));
    d->Align->setCurrentRow(2);
    d->size->setText(QStringLiteral("4"));
    d->widther->setText(QStringLiteral("75%"));
    EXPECT_TRUE(ui.prompts.isEmpty());
    click(d->OKButton);
    EXPECT_EQ(w->Text1->text(),
              QStringLiteral("<HR align=\"Right\" width=75% size=\"4\" color=\"navy\">"));
}

TEST_F(HruleTest, NoAlignmentChosenGivesNoAttribute) {
    setPage(QString());
    auto* d = open();
    d->Align->setCurrentRow(1);
    d->Align->clearSelection();
    EXPECT_EQ(d->fragments().align, QStringLiteral(" align=\"\""));
    click(d->OKButton);
    EXPECT_EQ(w->Text1->text(), QStringLiteral("<HR>"));
}

TEST_F(HruleTest, TypedColourHasNoTrailingBlankAndBlackNone) {
    auto* d = open();
    d->Combo2->lineEdit()->selectAll();
    QTest::keyClicks(d->Combo2, QStringLiteral("red"));
    EXPECT_EQ(d->fragments().colour, QStringLiteral(" color=\"red\""));
    chooseColour(d, QStringLiteral("black"));
    EXPECT_EQ(d->fragments().colour, QString());
    chooseColour(d, QStringLiteral("teal"));
    EXPECT_EQ(d->fragments().colour, QStringLiteral(" color=\"teal\" "));
}

TEST_F(HruleTest, TimerTidiesParserLeftoversOnce) {
    auto* d = open();
    d->size->setText(QStringLiteral("ze="));
    d->Combo2->setEditText(QStringLiteral("idth="));
    d->widther->setText(QStringLiteral("60%"));
    EXPECT_TRUE(ui.prompts.isEmpty());
    QTRY_VERIFY(!d->Timer1->isActive());
    EXPECT_EQ(d->size->text(), QStringLiteral("0"));
    EXPECT_EQ(d->Combo2->currentText(), QStringLiteral("black"));
    EXPECT_EQ(d->widther->text(), QStringLiteral("60%"));
    EXPECT_TRUE(d->Check2->isChecked());
    EXPECT_EQ(ruleTag(d->fragments()), QStringLiteral("<HR width=60%>"));
    // Once only: later leftovers stay.
    d->size->setText(QStringLiteral("lign="));
    QTest::qWait(400);
    EXPECT_EQ(d->size->text(), QStringLiteral("lign="));
}

TEST_F(HruleTest, TimerFixesOnlyItsOwnLeftovers) {
    auto* d = open();
    struct Row {
        const char* size;
        const char* colour;
        const char* width;
        const char* sizeAfter;
        const char* colourAfter;
        const char* widthAfter;
        bool percent;
    } rows[] = {
        {"3", "red", "40", "3", "red", "40", false},
        {"idth=", "lign=", "5%%", "0", "black", "5%", true},
        {"ign=", "ign=", "100%", "ign=", "ign=", "100%", true},
        {"lign=", "ze=", "", "0", "black", "100%", true},
    };
    for (const Row& r : rows) {
        d->Check2->setChecked(false);
        d->size->setText(QString::fromUtf8(r.size));
        d->Combo2->setEditText(QString::fromUtf8(r.colour));
        d->widther->setText(QString::fromUtf8(r.width));
        d->Timer1_Timer();
        EXPECT_EQ(d->size->text(), QString::fromUtf8(r.sizeAfter)) << r.size;
        EXPECT_EQ(d->Combo2->currentText(), QString::fromUtf8(r.colourAfter)) << r.colour;
        EXPECT_EQ(d->widther->text(), QString::fromUtf8(r.widthAfter)) << r.width;
        EXPECT_EQ(d->Check2->isChecked(), r.percent) << r.width;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, HintsFollowThePointerAndTheCheckBoxes) {
    auto* d = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d));
    // Offscreen, QTest's widget overload only moves the cursor: go through the window.
    auto hintOver = [d](QWidget* widget) {
        QTest::mouseMove(d->windowHandle(), widget->mapTo(d, QPoint(3, 3)));
        return d->StatusBar1->currentMessage();
    };
    EXPECT_EQ(hintOver(d->Align), QStringLiteral("Alignment of the horizontal rule"));
    EXPECT_EQ(hintOver(d->Frame2), QStringLiteral("Choose colour of horizontal rule"));
    EXPECT_EQ(hintOver(d->size), QStringLiteral("The thickness/size of the horizonatl rule"));
    EXPECT_EQ(hintOver(d->widther), QStringLiteral("Width of horizontal rule"));
    EXPECT_EQ(hintOver(d->OKButton),
              QStringLiteral("Apply all settings and insert horizontal rule"));
    EXPECT_EQ(hintOver(d->CancelButton),
              QStringLiteral("Cancel/Return without making any changes"));
    EXPECT_EQ(hintOver(d->Check1), QStringLiteral("Check this to remove shade from line"));
    EXPECT_EQ(hintOver(d->Check2), QStringLiteral("Check to express width in percentage"));
    d->Check1->setChecked(true);
    d->Check2->setChecked(true);
    EXPECT_EQ(hintOver(d->Check1), QStringLiteral("Uncheck to get shade in line"));
    EXPECT_EQ(hintOver(d->Check2), QStringLiteral("Uncheck to express width in pixels"));
    EXPECT_EQ(hintOf(d), QStringLiteral("Insert Horizontal Rules: Neat Demarcations"));
}

} // namespace
