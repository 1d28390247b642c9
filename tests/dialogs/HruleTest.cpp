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

class HruleTest : public DialogTest {};

QString tag(HruleDialog* d)
{
    return rule::ruleTag(d->fragments());
}

// OK puts the rule over whatever is selected on the page at that moment. The attributes join in
// a fixed order; a colour chosen from the list keeps a trailing blank.
TEST_F(HruleTest, OkInsertsTheRuleOverTheSelectionOfTheMoment)
{
    const QString full = q("<HR align=\"Left\" width=50% size=\"3\" color=\"red\"  NOSHADE>");
    for (bool everything : {false, true}) {
        setPage(q("one<p>two"), 3, 3);
        QPointer<HruleDialog> d = open<HruleDialog>();
        if (everything) {
            click(d->Check1);
            d->Combo2->showPopup();
            d->Combo2->view()->setCurrentIndex(
                d->Combo2->model()->index(d->Combo2->findText(q("red")), 0));
            QTest::keyClick(d->Combo2->view(), Qt::Key_Return);
            for (int n = 0; n < 3; ++n)
                click(d->UpDown2->upButton());
            QTest::keyClicks(d->widther, q("50"));
            click(d->Check2);
            QTest::mouseClick(d->Align->viewport(), Qt::LeftButton, {},
                              d->Align->visualItemRect(d->Align->item(1)).center());
        }
        w->Text1->setSelStart(6);
        w->Text1->setSelLength(3);
        click(d->OKButton);
        EXPECT_EQ(marked(), q("one<p>") + (everything ? full : q("<HR>")) + u'|');
        EXPECT_TRUE(unloaded(d));
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// Percentage adds or drops the sign; a width that loses its sign otherwise unticks it.
TEST_F(HruleTest, PercentageFollowsTheWidth)
{
    auto* d = open<HruleDialog>();
    QTest::keyClicks(d->widther, q("50"));
    for (const char* width : {"50%", "50", "50%"}) {
        click(d->Check2);
        EXPECT_EQ(tag(d), q("<HR width=") + q(width) + u'>');
    }
    QTest::keyClick(d->widther, Qt::Key_Backspace);
    EXPECT_EQ(tag(d), q("<HR width=50>"));
    EXPECT_FALSE(d->Check2->isChecked());
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// An opener fills the fields after load, and each change builds its fragment as typing would.
// What a tag parser leaves there: the width box drops it at once; the timer, once after load,
// tidies the height and the colour and turns a "%" width into a ticked Percentage.
TEST_F(HruleTest, FieldsFilledByCodeAreTidiedAndBuildTheirFragments)
{
    auto* d = dialogFor<HruleDialog>(pageTarget());
    for (const char* leftover : {"idth=", "ze=", "lign=", "ign="}) {
        d->widther->setText(q(leftover));
        EXPECT_EQ(d->widther->text(), q("100%")) << leftover;
    }
    EXPECT_TRUE(d->Timer1->isActive());
    d->size->setText(q("ze="));
    d->Combo2->setEditText(q("idth="));
    d->widther->setText(q("60%"));
    d->Timer1_Timer();
    EXPECT_FALSE(d->Timer1->isActive());
    EXPECT_EQ(d->size->text() + u'|' + d->Combo2->currentText(), q("0|black"));
    EXPECT_TRUE(d->Check2->isChecked());
    EXPECT_EQ(tag(d), q("<HR width=60%>"));
    d->Combo2->setEditText(q("ign=")); // the colour's own leftovers only
    d->Timer1_Timer();
    EXPECT_EQ(d->Combo2->currentText(), q("ign="));
    d->Combo2->setEditText(q("navy"));
    d->Align->setCurrentRow(2);
    d->size->setText(q("4"));
    EXPECT_EQ(tag(d), q("<HR align=\"Right\" width=60% size=\"4\" color=\"navy\">"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

} // namespace
