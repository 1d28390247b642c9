// The font toolbar on a real source window: the two-click toggles with their own flags and
// tooltips, the RGB button, the size box's check and the face list.
#include "CommandTest.h"

#include "commands/FontToolbar.h"

#include <QLineEdit>

using namespace orvel;
using orvel::test::crlf;

namespace {

class FontToolbarTest : public orvel::test::CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        tb = commands.fonts;
        ASSERT_NE(tb, nullptr);
    }
    // Every toggle at rest: its resting tooltip.
    void expectFlagsReady() const
    {
        for (const char* b : {"command6", "btnfontsize", "colour_setter"})
            EXPECT_FALSE(button(b)->toolTip().startsWith(QStringLiteral("You have started"))) << b;
    }

    FontToolbar* tb = nullptr;
};

struct ToggleRow {
    const char* button;
    const char* open;
    const char* startedTip;
    const char* restingTip;
};

const ToggleRow kToggles[] = {
    {"command6", "<font face=\"Times New Roman\">", "You have started font name editing",
     "Change font name/face of selected text."},
    {"btnfontsize", "<font size=\"3\">", "You have started font size editing",
     "Change font size of selected size."},
    {"colour_setter", "<font color=\"black\">", "You have started font colour editing",
     "Change colour of selected text"},
};

TEST_F(FontToolbarTest, WithoutSelectionTwoClicksOpenAndCloseTheTag)
{
    for (const ToggleRow& row : kToggles) {
        SCOPED_TRACE(row.button);
        const std::string opened = std::string("a") + row.open + "|b";
        run({row.button, "a|b", opened.c_str(), true});
        EXPECT_EQ(button(row.button)->toolTip(), QString::fromUtf8(row.startedTip));
        press(row.button);
        EXPECT_EQ(marked(), QStringLiteral("a%1</font>|b").arg(QString::fromUtf8(row.open)));
        EXPECT_EQ(button(row.button)->toolTip(), QString::fromUtf8(row.restingTip));
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(FontToolbarTest, EachToggleHasItsOwnFlag)
{
    setMarked("|");
    press("btnfontsize");
    press("command6");
    EXPECT_EQ(marked(), QStringLiteral("<font size=\"3\"><font face=\"Times New Roman\">|"));
    EXPECT_EQ(button("colour_setter")->toolTip(), QStringLiteral("Change colour of selected text"));
}

TEST_F(FontToolbarTest, SelectionIsWrappedAndTheFlagsStay)
{
    const struct {
        void (*set)(FontToolbar&);
        orvel::test::CommandRow row;
    } rows[] = {
        {[](FontToolbar& t) { t.Text4->setText("Verdana, Arial"); },
         {"command6", "x[word]y", "x<font face=\"Verdana, Arial\">word </font>|y", true}},
        {[](FontToolbar& t) { t.txtfontsize->setText("5"); },
         {"btnfontsize", "x[word]y", "x<font size=\"5\">word</font>|y", true}},
        {[](FontToolbar& t) { t.Combo2->setCurrentIndex(11); },
         {"colour_setter", "x[word]y", "x<font color=\"red\">word </font>|y", true}},
        {[](FontToolbar& t) { t.Text3->setText("CCFFCC"); },
         {"command5", "x[word]y", "x<font color=\"#CCFFCC\">word </font>|y", true}},
        // The RGB code is not checked beyond its length; without a selection the pair goes in.
        {[](FontToolbar& t) { t.Text3->setText("zz0011"); },
         {"command5", "a|b", "a<font color=\"#zz0011\"> </font>|b", true}},
    };
    for (const auto& r : rows) {
        r.set(*tb);
        run(r.row);
    }
    // The RGB button has no toggle: a second click inserts the pair again.
    press("command5");
    EXPECT_EQ(marked(), QStringLiteral(
                            "a<font color=\"#zz0011\"> </font><font color=\"#zz0011\"> </font>|b"));
    expectFlagsReady();
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(FontToolbarTest, MissingFaceColourOrShortRgbIsRefused)
{
    EXPECT_EQ(tb->Text3->maxLength(), 6);
    const struct {
        void (*set)(FontToolbar&);
        const char* button;
        const char* message;
        MsgIcon icon;
        const char* title;
        QLineEdit* FontToolbar::*box; // the box put back, null for none
        const char* boxAfter;
        bool focusesText;
    } rows[] = {
        {[](FontToolbar& t) { t.Text4->setText("Font Face"); }, "command6",
         "Invalid. Enter or choose a valid font name", MsgIcon::Critical, "Assistant: Orvel",
         &FontToolbar::Text4, "Times New Roman", true},
        {[](FontToolbar& t) { t.Text4->clear(); }, "command6",
         "Invalid. Enter or choose a valid font name", MsgIcon::Critical, "Assistant: Orvel",
         &FontToolbar::Text4, "Times New Roman", true},
        {[](FontToolbar& t) { t.Combo2->setEditText(QString()); }, "colour_setter",
         "Choose a valid colour from the list", MsgIcon::Critical, "Assistant: Orvel", nullptr, "",
         true},
        {[](FontToolbar& t) { t.Text3->setText("CCFFC"); }, "command5",
         "Invalid value, 6 letters/numbers are required for RGB", MsgIcon::None, "Orvel",
         &FontToolbar::Text3, "", false},
    };
    for (const char* before : {"x[word]y", "a|b"}) {
        for (const auto& r : rows) {
            SCOPED_TRACE(std::string(r.button) + " on " + before);
            ui.prompts.clear();
            setMarked(before);
            focusElsewhere();
            r.set(*tb);
            press(r.button);
            ASSERT_EQ(ui.prompts.size(), 1);
            expectMessage(ui.prompts[0], r.message, r.icon, r.title);
            EXPECT_EQ(marked(), crlf(before));
            if (r.box) {
                EXPECT_EQ((tb->*r.box)->text(), QString::fromUtf8(r.boxAfter));
            }
            EXPECT_EQ(w->Text1->hasFocus(), r.focusesText);
            expectFlagsReady();
        }
    }
}

TEST_F(FontToolbarTest, SizeBoxTakesOneToSevenAndFallsBackToThree)
{
    EXPECT_EQ(tb->txtfontsize->maxLength(), 1);
    const struct {
        const char* typed;
        const char* shown; // a refused size shows the default again
    } rows[] = {{"9", "3"}, {"0", "3"}, {"8", "3"}, {"x", "3"}, {"7", "7"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        ui.prompts.clear();
        tb->txtfontsize->setFocus();
        tb->txtfontsize->selectAll();
        QTest::keyClicks(tb->txtfontsize, QString::fromUtf8(r.typed));
        EXPECT_EQ(tb->txtfontsize->text(), QString::fromUtf8(r.shown));
        if (QString::fromUtf8(r.typed) == QString::fromUtf8(r.shown)) {
            EXPECT_TRUE(ui.prompts.isEmpty());
            continue;
        }
        ASSERT_EQ(ui.prompts.size(), 1);
        expectMessage(ui.prompts[0], "Invalid Entry. Font size ranges from 1 to 7",
                      MsgIcon::Critical, "Assistant: Orvel");
    }
    // An emptied box shows the default without a message.
    ui.prompts.clear();
    QTest::keyClick(tb->txtfontsize, Qt::Key_Backspace);
    EXPECT_EQ(tb->txtfontsize->text(), QStringLiteral("3"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(FontToolbarTest, FaceListFillsTheFaceBox)
{
    EXPECT_EQ(tb->Combo1->currentText(), QStringLiteral("Font Face"));
    // A choice from the list, as the user makes it, shows the face in its own font.
    tb->Combo1->setCurrentIndex(9);
    tb->Combo1->setFocus();
    QTest::keyClick(tb->Combo1, Qt::Key_Down);
    EXPECT_EQ(tb->Text4->text(), QStringLiteral("Verdana"));
    EXPECT_EQ(tb->Text4->font().family(), QStringLiteral("Verdana"));
    // Typed text is copied as it is.
    tb->Combo1->lineEdit()->clear();
    QTest::keyClicks(tb->Combo1->lineEdit(), QStringLiteral("Tahoma"));
    EXPECT_EQ(tb->Text4->text(), QStringLiteral("Tahoma"));
}

// Typed keys, as the user types them: an editable box completes inline unless told not to, and
// would then show a name the button does not use. Enter must not add the typed text to the list.
TEST_F(FontToolbarTest, TypedComboTextIsWhatIsShownAndUsed)
{
    const struct {
        QComboBox* FontToolbar::*combo;
        const char* typed;
        const char* button;
        const char* after;
    } rows[] = {
        {&FontToolbar::Combo1, "Ar", "command6", "x<font face=\"Ar\">word </font>|y"},
        {&FontToolbar::Combo2, "re", "colour_setter", "x<font color=\"re\">word </font>|y"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        QComboBox* combo = tb->*r.combo;
        const int items = combo->count();
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, QString::fromUtf8(r.typed));
        EXPECT_EQ(combo->currentText(), QString::fromUtf8(r.typed));
        setMarked("x[word]y");
        press(r.button);
        EXPECT_EQ(marked(), QString::fromUtf8(r.after));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Return);
        EXPECT_EQ(combo->currentText(), QString::fromUtf8(r.typed));
        EXPECT_EQ(combo->count(), items);
    }
}

TEST_F(FontToolbarTest, NewPageMakesEveryToggleReadyAgain)
{
    setMarked("|");
    for (const ToggleRow& row : kToggles)
        press(row.button);
    ui.answer(MsgAnswer::Yes); // the unsaved page may go
    w->new_Click();
    expectFlagsReady();
    for (const ToggleRow& row : kToggles)
        EXPECT_EQ(button(row.button)->toolTip(), QString::fromUtf8(row.restingTip)) << row.button;
}

} // namespace
