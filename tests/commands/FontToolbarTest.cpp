// The font toolbar: the two-click toggles with their own flags and tooltips, the box each button
// applies, the refusals, the size box, and typed combo text.
#include "CommandTest.h"

#include "commands/FontToolbar.h"

#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QToolButton>

using namespace orvel;

namespace {

class FontToolbarTest : public orvel::test::CommandTest {
protected:
    QStringList tips() const
    {
        return {tb->command6->toolTip(), tb->btnfontsize->toolTip(), tb->colour_setter->toolTip()};
    }
    // The text box or combo `name` of the toolbar.
    QLineEdit* box(const char* name) const
    {
        const QString n = QString::fromUtf8(name);
        auto* combo = w->fonter->findChild<QComboBox*>(n);
        return combo ? combo->lineEdit() : w->fonter->findChild<QLineEdit*>(n);
    }

    FontToolbar*& tb = commands.fonts;
    const QStringList resting = {"Change font name/face of selected text.",
                                 "Change font size of selected size.",
                                 "Change colour of selected text"};
};

// Without a selection a toggle opens its tag and says so in its tooltip, and the next click
// closes it. Each button has its own flag; File > New makes all three ready to open again.
TEST_F(FontToolbarTest, WithoutSelectionTwoClicksOpenAndCloseTheTag)
{
    setMarked("|");
    for (const char* b : {"btnfontsize", "command6", "colour_setter", "command6", "btnfontsize"})
        press(b);
    EXPECT_EQ(marked(), "<font size=\"3\"><font face=\"Times New Roman\"><font color=\"black\">"
                        "</font></font>|");
    EXPECT_EQ(tips(), QStringList(resting.mid(0, 2)) << "You have started font colour editing");
    press("command6");
    press("btnfontsize");
    EXPECT_EQ(tips(), QStringList({"You have started font name editing",
                                   "You have started font size editing",
                                   "You have started font colour editing"}));
    newPage();
    EXPECT_EQ(tips(), resting);
    setMarked("|");
    press("colour_setter");
    EXPECT_EQ(marked(), "<font color=\"black\">|");
}

// Each button applies the value of its box; a bad value is refused with the page unchanged, and
// the face box is set back.
TEST_F(FontToolbarTest, ButtonsApplyTheirBoxOrRefuseIt)
{
    const char* const badFace =
        "message|critical|Assistant: Orvel|Invalid. Enter or choose a valid font name";
    const struct {
        const char* box;
        const char* value;
        orvel::test::CommandRow row;
        const char* boxAfter;
    } rows[] = {
        // clang-format off
        {"txtfontsize", "5", {"btnfontsize", "x[w]y", "x<font size=\"5\">w</font>|y", true}, "5"},
        {"Text3", "CCFFCC", {"command5", "x[w]y", "x<font color=\"#CCFFCC\">w </font>|y", true},
         "CCFFCC"},
        // The RGB button only wraps: without a selection the pair goes in, every time.
        {"Text3", "CCFFCC", {"command5", "a|b", "a<font color=\"#CCFFCC\"> </font>|b", true},
         "CCFFCC"},
        {"Text4", "Font Face", {"command6", "x[w]y", "x[w]y", true, {}, {badFace}},
         "Times New Roman"},
        {"Text4", "", {"command6", "a|b", "a|b", true, {}, {badFace}}, "Times New Roman"},
        {"Combo2", "", {"colour_setter", "a|b", "a|b", true, {},
         {"message|critical|Assistant: Orvel|Choose a valid colour from the list"}}, ""},
        {"Text3", "CCFFC", {"command5", "x[w]y", "x[w]y", false, {},
         {"message|none|Orvel|Invalid value, 6 letters/numbers are required for RGB"}}, ""},
        // clang-format on
    };
    for (const auto& r : rows) {
        box(r.box)->setText(QString::fromUtf8(r.value));
        run(r.row);
        EXPECT_EQ(box(r.box)->text(), QString::fromUtf8(r.boxAfter));
    }
    EXPECT_EQ(tips(), resting);
}

// A refused size shows the default again; so does an emptied box, without a message.
TEST_F(FontToolbarTest, SizeBoxTakesOneToSevenAndFallsBackToThree)
{
    const char* const refused =
        "message|critical|Assistant: Orvel|Invalid Entry. Font size ranges from 1 to 7";
    tb->txtfontsize->setFocus();
    for (const char* typed : {"9", "x", "7"}) {
        tb->txtfontsize->selectAll();
        QTest::keyClicks(tb->txtfontsize, QString::fromUtf8(typed));
    }
    EXPECT_EQ(tb->txtfontsize->text(), "7");
    QTest::keyClick(tb->txtfontsize, Qt::Key_Backspace);
    EXPECT_EQ(tb->txtfontsize->text(), "3");
    EXPECT_EQ(asked(), QStringList({refused, refused}));
}

// Typed keys, as the user types them: an editable box completes inline unless told not to, and
// would then show a name the button does not use. Enter must not add the typed text to the list.
TEST_F(FontToolbarTest, TypedComboTextIsWhatIsShownAndUsed)
{
    const struct {
        QComboBox* combo;
        const char* typed;
        const char* button;
        const char* after;
    } rows[] = {
        {tb->Combo1, "Ar", "command6", "x<font face=\"Ar\">w </font>|y"},
        {tb->Combo2, "re", "colour_setter", "x<font color=\"re\">w </font>|y"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        const int items = r.combo->count();
        r.combo->setFocus();
        r.combo->lineEdit()->selectAll();
        QTest::keyClicks(r.combo, QString::fromUtf8(r.typed));
        EXPECT_EQ(r.combo->currentText(), QString::fromUtf8(r.typed));
        run({r.button, "x[w]y", r.after, true});
        r.combo->setFocus();
        QTest::keyClick(r.combo, Qt::Key_Return);
        EXPECT_EQ(r.combo->currentText(), QString::fromUtf8(r.typed));
        EXPECT_EQ(r.combo->count(), items);
    }
    // A choice from the list, as the user makes it, shows the face in its own font.
    tb->Combo1->setCurrentIndex(9);
    tb->Combo1->setFocus();
    QTest::keyClick(tb->Combo1, Qt::Key_Down);
    EXPECT_EQ(tb->Text4->text(), "Verdana");
    EXPECT_EQ(tb->Text4->font().family(), "Verdana");
}

// The table puts the picture buttons at the end of the group; each stands after the box it reads.
TEST_F(FontToolbarTest, EachButtonFollowsItsBox)
{
    QLayout* row = w->fonter->layout();
    const std::pair<QWidget*, QWidget*> places[] = {{tb->Text4, tb->command6},
                                                    {tb->txtfontsize, tb->btnfontsize},
                                                    {tb->Combo2, tb->colour_setter},
                                                    {tb->Text3, tb->command5}};
    for (const auto& [box, b] : places)
        EXPECT_EQ(row->indexOf(b), row->indexOf(box) + 1) << b->objectName().toStdString();
}

} // namespace
