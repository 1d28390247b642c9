// The font toolbar: two-click toggles, each button's box as typed, refusals.
#include "CommandTest.h"

#include <QToolButton>

using namespace orvel;

namespace {

class FontToolbarTest : public orvel::test::CommandTest {
protected:
    QStringList tips() const
    {
        return {tb->command6->toolTip(), tb->btnfontsize->toolTip(), tb->colour_setter->toolTip()};
    }
    FontToolbar*& tb = commands.fonts;
};

// Without a selection each toggle opens, then closes, its tag; New resets all three.
TEST_F(FontToolbarTest, WithoutSelectionTwoClicksOpenAndCloseTheTag)
{
    const QStringList resting = tips();
    setMarked("|");
    for (const char* b : {"btnfontsize", "command6", "colour_setter", "command6", "btnfontsize"})
        press(b);
    EXPECT_EQ(marked(), "<font size=\"3\"><font face=\"Times New Roman\"><font color=\"black\">"
                        "</font></font>|");
    press("command6");
    press("btnfontsize");
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(tips()[i], resting[i]) << "a started toggle says so in its tooltip";
    // A wrapped selection leaves the flag as it was: the next empty click still closes, or opens.
    setMarked("[w]");
    press("btnfontsize");
    press("btnfontsize");
    EXPECT_EQ(marked(), "<font size=\"3\">w</font></font>|");
    newPage();
    EXPECT_EQ(tips(), resting);
    setMarked("[w]");
    press("colour_setter");
    press("colour_setter");
    EXPECT_EQ(marked(), "<font color=\"black\">w </font><font color=\"black\">|");
}

// Each button applies its box exactly as typed (no inline completion), or refuses it.
TEST_F(FontToolbarTest, ButtonsApplyTheirBoxAsTypedOrRefuseIt)
{
    const struct {
        QLineEdit* box;
        const char* typed;
        orvel::test::CommandRow row;
        const char* boxAfter;
    } rows[] = {
        // clang-format off
        {tb->txtfontsize, "5", {"btnfontsize", "x[w]y", "x<font size=\"5\">w</font>|y", true}, "5"},
        {tb->Combo1->lineEdit(), "Ar", {"command6", "x[w]y", "x<font face=\"Ar\">w </font>|y", true},
         "Ar"},
        {tb->Combo2->lineEdit(), "re", {"colour_setter", "x[w]y", "x<font color=\"re\">w </font>|y",
         true}, "re"},
        // The RGB button only wraps: without a selection the pair goes in.
        {tb->Text3, "CCFFCC", {"command5", "a|b", "a<font color=\"#CCFFCC\"> </font>|b", true},
         "CCFFCC"},
        // The placeholder is no face, and the default face is put back.
        {tb->Text4, "Font Face", {"command6", "x[w]y", "x[w]y", true, {},
         {"message|critical|Assistant: Orvel|Invalid. Enter or choose a valid font name"}},
         "Times New Roman"},
        {tb->Combo2->lineEdit(), "", {"colour_setter", "a|b", "a|b", true, {},
         {"message|critical|Assistant: Orvel|Choose a valid colour from the list"}}, ""},
        {tb->Text3, "CCFFC", {"command5", "x[w]y", "x[w]y", false, {},
         {"message|none|Orvel|Invalid value, 6 letters/numbers are required for RGB"}}, ""},
        // clang-format on
    };
    for (const auto& r : rows) {
        r.box->setFocus();
        r.box->selectAll();
        if (*r.typed)
            QTest::keyClicks(r.box, QString::fromUtf8(r.typed));
        else
            QTest::keyClick(r.box, Qt::Key_Delete);
        run(r.row);
        EXPECT_EQ(r.box->text(), QString::fromUtf8(r.boxAfter));
    }
    // Enter must not add the typed text to a combo's list.
    for (QComboBox* combo : {tb->Combo1, tb->Combo2}) {
        const int items = combo->count();
        QTest::keyClicks(combo, QStringLiteral("zz"));
        QTest::keyClick(combo, Qt::Key_Return);
        EXPECT_TRUE(combo->currentText().endsWith(QStringLiteral("zz")));
        EXPECT_EQ(combo->count(), items);
    }
}

TEST_F(FontToolbarTest, FaceChosenFromTheListShowsInItsFont)
{
    tb->Combo1->setCurrentIndex(9);
    tb->Combo1->setFocus();
    QTest::keyClick(tb->Combo1, Qt::Key_Down);
    EXPECT_EQ(tb->Text4->text(), "Verdana");
    EXPECT_EQ(tb->Text4->font().family(), "Verdana");
}

// A refused size empties the box, which shows the default again without a message.
TEST_F(FontToolbarTest, SizeBoxTakesOneToSevenAndFallsBackToThree)
{
    tb->txtfontsize->setFocus();
    for (const char* typed : {"9", "7"}) {
        tb->txtfontsize->selectAll();
        QTest::keyClicks(tb->txtfontsize, QString::fromUtf8(typed));
    }
    EXPECT_EQ(tb->txtfontsize->text(), "7");
    QTest::keyClick(tb->txtfontsize, Qt::Key_Backspace);
    EXPECT_EQ(tb->txtfontsize->text(), "3");
    EXPECT_EQ(asked(), QStringList("message|critical|Assistant: Orvel|Invalid Entry. Font size "
                                   "ranges from 1 to 7"));
}

} // namespace
