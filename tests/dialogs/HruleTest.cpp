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
    HruleDialog* open()
    {
        auto* d = w->form<HruleDialog>();
        d->show();
        return d;
    }
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    // Picks a colour as the user does: open the list, move to the colour, press Return.
    static void chooseColour(HruleDialog* d, const QString& colour)
    {
        d->Combo2->showPopup();
        QAbstractItemView* view = d->Combo2->view();
        view->setCurrentIndex(view->model()->index(d->Combo2->findText(colour), 0));
        QTest::keyClick(view, Qt::Key_Return);
    }
    QString tag(HruleDialog* d) const { return ruleTag(d->fragments()); }
};

TEST_F(HruleTest, DefaultsInsertABareRuleInPlaceOfTheSelection)
{
    setPage(QStringLiteral("a<p>b"), 1, 3);
    auto* d = open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Insert Horizontal Rule: Orvel"));
    EXPECT_EQ(d->Align->currentItem()->text(), QStringLiteral("Center"));
    EXPECT_EQ(d->Combo2->currentText(), QStringLiteral("black"));
    EXPECT_EQ(d->size->text(), QStringLiteral("0"));
    EXPECT_TRUE(d->Timer1->isSingleShot() && d->Timer1->isActive());
    click(d->OKButton);
    EXPECT_EQ(marked(), QStringLiteral("a<HR>|b"));
    EXPECT_EQ(w->findChild<HruleDialog*>(), nullptr);
}

TEST_F(HruleTest, EverySettingJoinsInFixedOrder)
{
    setPage(QStringLiteral("x"), 1, 0);
    auto* d = open();
    click(d->Check1);
    chooseColour(d, QStringLiteral("red"));
    for (int n = 0; n < 3; ++n)
        click(d->UpDown2->upButton());
    QTest::keyClicks(d->widther, QStringLiteral("50"));
    click(d->Check2);
    QTest::mouseClick(d->Align->viewport(), Qt::LeftButton, {},
                      d->Align->visualItemRect(d->Align->item(1)).center());
    click(d->OKButton);
    EXPECT_EQ(marked(), QStringLiteral("x<HR align=\"Left\" width=50% size=\"3\" color=\"red\"  "
                                       "NOSHADE>|"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, OkTakesTheSelectionOfTheMomentAndCancelNothing)
{
    setPage(QStringLiteral("one two"), 0, 3);
    click(open()->CancelButton);
    EXPECT_EQ(marked(), QStringLiteral("[one] two"));
    auto* d = open();
    w->Text1->setSelStart(4);
    w->Text1->setSelLength(3);
    click(d->OKButton);
    EXPECT_EQ(marked(), QStringLiteral("one <HR>|"));
}

TEST_F(HruleTest, SelectedRuleEndingInNoShadeTicksTheBox)
{
    const struct {
        const char* page;
        bool ticked;
    } rows[] = {
        {"<HR size=\"2\" NOSHADE>", true}, {"<HR NOSHADE> ", false}, {"<HR noshade>", false}};
    for (const auto& r : rows) {
        const QString page = QString::fromUtf8(r.page);
        setPage(page, 0, int(page.size()));
        auto* d = w->form<HruleDialog>();
        EXPECT_EQ(d->Check1->isChecked(), r.ticked) << r.page;
        EXPECT_EQ(tag(d), r.ticked ? QStringLiteral("<HR NOSHADE>") : QStringLiteral("<HR>"));
        d->unload();
    }
}

TEST_F(HruleTest, TypedPercentSignIsRefused)
{
    auto* d = open();
    QTest::keyClicks(d->widther, QStringLiteral("50%"));
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().text, QStringLiteral("Invalid Entry. Specify a valid number"));
    EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Assistant: Orvel"));
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
    EXPECT_EQ(d->widther->text(), QStringLiteral("100%"));
    EXPECT_EQ(tag(d), QStringLiteral("<HR width=100%>"));
}

// "100" without a percent sign is 100 pixels, like any other typed number.
TEST_F(HruleTest, TypedWidthIsPixelsAndPercentageTogglesTheSign)
{
    auto* d = open();
    QTest::keyClicks(d->widther, QStringLiteral("100"));
    EXPECT_EQ(tag(d), QStringLiteral("<HR width=100>"));
    d->widther->setText(QStringLiteral("50"));
    for (const char* width : {"50%", "50", "50%"}) {
        click(d->Check2);
        EXPECT_EQ(d->widther->text(), QString::fromUtf8(width));
        EXPECT_EQ(tag(d), QStringLiteral("<HR width=") + QString::fromUtf8(width) + u'>');
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// A bare "100" would read as pixels and untick the box the user just ticked.
TEST_F(HruleTest, PercentageOnAnEmptyWidthMeansTheFullWidth)
{
    auto* d = open();
    click(d->Check2);
    EXPECT_TRUE(d->Check2->isChecked());
    EXPECT_EQ(d->widther->text(), QStringLiteral("100%"));
}

TEST_F(HruleTest, SizeStepsUpAndBackToNoAttribute)
{
    auto* d = open();
    const struct {
        bool up;
        const char* size;
    } steps[] = {{true, "1"}, {true, "2"}, {false, "1"}, {false, "0"}, {false, "0"}};
    for (const auto& s : steps)
        click(s.up ? d->UpDown2->upButton() : d->UpDown2->downButton());
    EXPECT_EQ(d->size->text(), QStringLiteral("0"));
    EXPECT_EQ(tag(d), QStringLiteral("<HR>"));
    d->size->setText(QString()); // an empty box is first reset by the arrow, then stepped
    click(d->UpDown2->upButton());
    EXPECT_EQ(d->size->text(), QStringLiteral("2"));
}

// An opener fills the fields after load: each change builds its fragment as typing would, and
// what a tag parser leaves in the width box gives way to the full width.
TEST_F(HruleTest, FieldsFilledByCodeBuildTheirFragments)
{
    auto* d = open();
    for (const char* leftover : {"idth=", "ze=", "lign=", "ign="}) {
        d->widther->setText(QString::fromUtf8(leftover));
        EXPECT_EQ(d->widther->text(), QStringLiteral("100%")) << leftover;
    }
    d->Combo2->setEditText(QStringLiteral("navy"));
    d->Align->setCurrentRow(2);
    d->size->setText(QStringLiteral("4"));
    d->widther->setText(QStringLiteral("75%"));
    EXPECT_EQ(tag(d), QStringLiteral("<HR align=\"Right\" width=75% size=\"4\" color=\"navy\">"));
    d->Align->clearSelection();
    chooseColour(d, QStringLiteral("teal"));
    EXPECT_EQ(tag(d), QStringLiteral("<HR width=75% size=\"4\" color=\"teal\" >"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, TimerTidiesParserLeftoversOnce)
{
    auto* d = open();
    d->size->setText(QStringLiteral("ze="));
    d->Combo2->setEditText(QStringLiteral("idth="));
    d->widther->setText(QStringLiteral("60%"));
    QTRY_VERIFY(!d->Timer1->isActive());
    EXPECT_EQ(d->size->text(), QStringLiteral("0"));
    EXPECT_EQ(d->Combo2->currentText(), QStringLiteral("black"));
    EXPECT_EQ(d->widther->text(), QStringLiteral("60%"));
    EXPECT_TRUE(d->Check2->isChecked());
    EXPECT_EQ(tag(d), QStringLiteral("<HR width=60%>"));
    d->size->setText(QStringLiteral("lign=")); // once only: later leftovers stay
    QTest::qWait(400);
    EXPECT_EQ(d->size->text(), QStringLiteral("lign="));
    // Its own leftovers only.
    d->Combo2->setEditText(QStringLiteral("ign="));
    d->Timer1_Timer();
    EXPECT_EQ(d->Combo2->currentText(), QStringLiteral("ign="));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(HruleTest, HintsFollowThePointerAndTheCheckBoxes)
{
    auto* d = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d));
    // Offscreen, QTest's widget overload only moves the cursor: go through the window.
    auto hintOver = [d](QWidget* widget) {
        QTest::mouseMove(d->windowHandle(), widget->mapTo(d, QPoint(3, 3)));
        return d->StatusBar1->currentMessage();
    };
    const std::pair<QWidget*, const char*> rows[] = {
        {d->Align, "Alignment of the horizontal rule"},
        {d->Frame2, "Choose colour of horizontal rule"},
        {d->size, "The thickness/size of the horizonatl rule"},
        {d->widther, "Width of horizontal rule"},
        {d->OKButton, "Apply all settings and insert horizontal rule"},
        {d->CancelButton, "Cancel/Return without making any changes"},
        {d->Check1, "Check this to remove shade from line"},
        {d->Check2, "Check to express width in percentage"},
    };
    for (const auto& [widget, hint] : rows)
        EXPECT_EQ(hintOver(widget), QString::fromUtf8(hint));
    d->Check1->setChecked(true);
    d->Check2->setChecked(true);
    EXPECT_EQ(hintOver(d->Check1), QStringLiteral("Uncheck to get shade in line"));
    EXPECT_EQ(hintOver(d->Check2), QStringLiteral("Uncheck to express width in pixels"));
    EXPECT_EQ(hintOf(d), QStringLiteral("Insert Horizontal Rules: Neat Demarcations"));
}

} // namespace
