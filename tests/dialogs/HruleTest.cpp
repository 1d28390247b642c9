#include "dialogs/Hrule.h"
#include "DialogTest.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTimer>

using namespace orvel;
using namespace orvel::test;

namespace {

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
    static QString tag(HruleDialog* d) { return rule::ruleTag(d->fragments()); }
};

// Defaults give a bare rule, over whatever is selected on the page when OK is clicked.
TEST_F(HruleTest, DefaultsInsertABareRuleOverTheSelectionOfTheMoment)
{
    setPage(q("one<p>two"), 3, 3);
    QPointer<HruleDialog> d = open<HruleDialog>();
    EXPECT_EQ(d->Combo2->currentText(), q("black"));
    w->Text1->setSelStart(6);
    w->Text1->setSelLength(3);
    click(d->OKButton);
    EXPECT_EQ(marked(), q("one<p><HR>|"));
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

TEST_F(HruleTest, SelectedRuleEndingInNoShadeTicksTheBox)
{
    const std::pair<const char*, bool> rows[] = {
        {"<HR size=\"2\" NOSHADE>", true}, {"<HR NOSHADE> ", false}, {"<HR noshade>", false}};
    for (const auto& [page, ticked] : rows) {
        setPage(q(page), 0, int(strlen(page)));
        auto* d = dialogFor<HruleDialog>(pageTarget());
        EXPECT_EQ(d->Check1->isChecked(), ticked) << page;
        EXPECT_EQ(tag(d), ticked ? q("<HR NOSHADE>") : q("<HR>"));
        d->unload();
    }
}

// "100" without a percent sign is 100 pixels, like any other typed number; ticking Percentage on
// an empty box means the full width.
TEST_F(HruleTest, WidthIsPixelsUnlessPercentageIsTicked)
{
    auto* d = open<HruleDialog>();
    click(d->Check2);
    EXPECT_TRUE(d->Check2->isChecked());
    EXPECT_EQ(d->widther->text(), q("100%"));
    d->unload();

    d = open<HruleDialog>();
    QTest::keyClicks(d->widther, q("100"));
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
    auto* d = dialogFor<HruleDialog>(pageTarget());
    EXPECT_TRUE(d->Timer1->isActive());
    d->size->setText(q("ze="));
    d->Combo2->setEditText(q("idth="));
    d->widther->setText(q("60%"));
    d->Timer1_Timer();
    EXPECT_FALSE(d->Timer1->isActive()); // once only: later leftovers stay
    EXPECT_EQ(d->size->text(), q("0"));
    EXPECT_EQ(d->Combo2->currentText(), q("black"));
    EXPECT_EQ(d->widther->text(), q("60%"));
    EXPECT_TRUE(d->Check2->isChecked());
    EXPECT_EQ(tag(d), q("<HR width=60%>"));
    d->Combo2->setEditText(q("ign=")); // its own leftovers only
    d->Timer1_Timer();
    EXPECT_EQ(d->Combo2->currentText(), q("ign="));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, HintsFollowTheCheckBoxes)
{
    auto* d = open<HruleDialog>();
    EXPECT_EQ(hintOver(d, d->Check1), q("Check this to remove shade from line"));
    EXPECT_EQ(hintOver(d, d->Check2), q("Check to express width in percentage"));
    d->Check1->setChecked(true);
    d->Check2->setChecked(true);
    EXPECT_EQ(hintOver(d, d->Check1), q("Uncheck to get shade in line"));
    EXPECT_EQ(hintOver(d, d->Check2), q("Uncheck to express width in pixels"));
}

} // namespace
