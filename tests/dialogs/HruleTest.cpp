#include "dialogs/Hrule.h"
#include "DialogTest.h"
#include "platform/Hint.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTimer>

using namespace orvel;
using namespace orvel::test;

namespace {

TEST(RuleMarkup, FragmentsLeaveDefaultsAndNonNumbersOut)
{
    EXPECT_EQ(alignFragment(q("Center")), QString());
    EXPECT_EQ(colourFragment(q("Black"), false), q(" color=\"Black\""));
    for (const char* notANumber : {"", "0", "ze=", "4px", " 4", "-1"})
        EXPECT_EQ(sizeFragment(q(notANumber)), QString()) << notANumber;
}

TEST(RuleMarkup, PercentageAddsOrDropsOneTrailingSign)
{
    const std::tuple<const char*, bool, const char*> rows[] = {
        {"50", true, "50%"},  {"50%", true, "50%"},   {"", true, "100%"},
        {"50%", false, "50"}, {"5%0%", false, "5%0"}, {"", false, ""},
    };
    for (const auto& [width, percent, expected] : rows)
        EXPECT_EQ(percentWidth(q(width), percent), q(expected)) << width << percent;
}

class HruleTest : public DialogTest {
protected:
    // Picks a colour as the user does: open the list, move to the colour, press Return.
    static void chooseColour(HruleDialog* d, const QString& colour)
    {
        d->Combo2->showPopup();
        QAbstractItemView* view = d->Combo2->view();
        view->setCurrentIndex(view->model()->index(d->Combo2->findText(colour), 0));
        QTest::keyClick(view, Qt::Key_Return);
    }
    static QString tag(HruleDialog* d) { return ruleTag(d->fragments()); }
};

TEST_F(HruleTest, DefaultsInsertABareRuleInPlaceOfTheSelection)
{
    setPage(q("a<p>b"), 1, 3);
    QPointer<HruleDialog> d = open<HruleDialog>();
    EXPECT_EQ(d->Combo2->currentText(), q("black"));
    click(d->OKButton);
    EXPECT_EQ(marked(), q("a<HR>|b"));
    EXPECT_TRUE(unloaded(d));
}

TEST_F(HruleTest, EverySettingJoinsInFixedOrder)
{
    setPage(q("x"), 1, 0);
    auto* d = open<HruleDialog>();
    click(d->Check1);
    chooseColour(d, q("red"));
    for (int n = 0; n < 3; ++n)
        click(d->UpDown2->upButton());
    QTest::keyClicks(d->widther, q("50"));
    click(d->Check2);
    QTest::mouseClick(d->Align->viewport(), Qt::LeftButton, {},
                      d->Align->visualItemRect(d->Align->item(1)).center());
    click(d->OKButton);
    EXPECT_EQ(marked(), q("x<HR align=\"Left\" width=50% size=\"3\" color=\"red\"  NOSHADE>|"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, OkTakesTheSelectionOfTheMomentAndCancelNothing)
{
    setPage(q("one two"), 0, 3);
    QPointer<HruleDialog> d = open<HruleDialog>();
    click(d->CancelButton);
    EXPECT_TRUE(unloaded(d));
    EXPECT_EQ(marked(), q("[one] two"));
    d = open<HruleDialog>();
    w->Text1->setSelStart(4);
    w->Text1->setSelLength(3);
    click(d->OKButton);
    EXPECT_EQ(marked(), q("one <HR>|"));
}

TEST_F(HruleTest, SelectedRuleEndingInNoShadeTicksTheBox)
{
    const std::pair<const char*, bool> rows[] = {
        {"<HR size=\"2\" NOSHADE>", true}, {"<HR NOSHADE> ", false}, {"<HR noshade>", false}};
    for (const auto& [page, ticked] : rows) {
        setPage(q(page), 0, int(strlen(page)));
        auto* d = dialogFor<HruleDialog>({w.get(), w->Text1});
        EXPECT_EQ(d->Check1->isChecked(), ticked) << page;
        EXPECT_EQ(tag(d), ticked ? q("<HR NOSHADE>") : q("<HR>"));
        d->unload();
    }
}

// "100" without a percent sign is 100 pixels, like any other typed number; a typed "%" is
// refused, and ticking Percentage on an empty box means the full width.
TEST_F(HruleTest, WidthIsPixelsUnlessPercentageIsTicked)
{
    auto* d = open<HruleDialog>();
    click(d->Check2);
    EXPECT_TRUE(d->Check2->isChecked());
    EXPECT_EQ(d->widther->text(), q("100%"));
    d->unload();

    d = open<HruleDialog>();
    QTest::keyClicks(d->widther, q("50%"));
    expectInvalidNumber();
    EXPECT_EQ(d->widther->text(), q("100%"));
    EXPECT_EQ(tag(d), q("<HR width=100%>"));
    ui.prompts.clear();
    retype(d->widther, q("100"));
    EXPECT_EQ(tag(d), q("<HR width=100>"));
    d->widther->setText(q("50"));
    for (const char* width : {"50%", "50", "50%"}) {
        click(d->Check2);
        EXPECT_EQ(d->widther->text(), q(width));
        EXPECT_EQ(tag(d), q("<HR width=") + q(width) + u'>');
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, SizeStepsUpAndBackToNoAttribute)
{
    auto* d = open<HruleDialog>();
    for (bool up : {true, true, false, false, false})
        click(up ? d->UpDown2->upButton() : d->UpDown2->downButton());
    EXPECT_EQ(d->size->text(), q("0"));
    EXPECT_EQ(tag(d), q("<HR>"));
    d->size->setText(QString()); // an empty box is first reset by the arrow, then stepped
    click(d->UpDown2->upButton());
    EXPECT_EQ(d->size->text(), q("2"));
}

// An opener fills the fields after load: each change builds its fragment as typing would, and
// what a tag parser leaves in the width box gives way to the full width.
TEST_F(HruleTest, FieldsFilledByCodeBuildTheirFragments)
{
    auto* d = open<HruleDialog>();
    for (const char* leftover : {"idth=", "ze=", "lign=", "ign="}) {
        d->widther->setText(q(leftover));
        EXPECT_EQ(d->widther->text(), q("100%")) << leftover;
    }
    d->Combo2->setEditText(q("navy"));
    d->Align->setCurrentRow(2);
    d->size->setText(q("4"));
    d->widther->setText(q("75%"));
    EXPECT_EQ(tag(d), q("<HR align=\"Right\" width=75% size=\"4\" color=\"navy\">"));
    d->Align->clearSelection();
    chooseColour(d, q("teal"));
    EXPECT_EQ(tag(d), q("<HR width=75% size=\"4\" color=\"teal\" >"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, TimerTidiesParserLeftoversOnce)
{
    auto* d = dialogFor<HruleDialog>({w.get(), w->Text1});
    d->size->setText(q("ze="));
    d->Combo2->setEditText(q("idth="));
    d->widther->setText(q("60%"));
    QTRY_VERIFY(!d->Timer1->isActive());
    EXPECT_EQ(d->size->text(), q("0"));
    EXPECT_EQ(d->Combo2->currentText(), q("black"));
    EXPECT_EQ(d->widther->text(), q("60%"));
    EXPECT_TRUE(d->Check2->isChecked());
    EXPECT_EQ(tag(d), q("<HR width=60%>"));
    d->size->setText(q("lign=")); // once only: later leftovers stay
    QTest::qWait(400);
    EXPECT_EQ(d->size->text(), q("lign="));
    d->Combo2->setEditText(q("ign=")); // its own leftovers only
    d->Timer1_Timer();
    EXPECT_EQ(d->Combo2->currentText(), q("ign="));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, HintsFollowThePointerAndTheCheckBoxes)
{
    auto* d = open<HruleDialog>();
    EXPECT_EQ(hintOf(d), q("Insert Horizontal Rules: Neat Demarcations"));
    EXPECT_EQ(hintOver(d, d->size), q("The thickness/size of the horizonatl rule"));
    EXPECT_EQ(hintOver(d, d->Check1), q("Check this to remove shade from line"));
    EXPECT_EQ(hintOver(d, d->Check2), q("Check to express width in percentage"));
    d->Check1->setChecked(true);
    d->Check2->setChecked(true);
    EXPECT_EQ(hintOver(d, d->Check1), q("Uncheck to get shade in line"));
    EXPECT_EQ(hintOver(d, d->Check2), q("Uncheck to express width in pixels"));
}

} // namespace
