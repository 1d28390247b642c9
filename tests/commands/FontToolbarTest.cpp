// The font toolbar on a real source window: the two-click toggles with their own flags and
// tooltips, the RGB button, the size box's check and the face list.
#include "commands/FontToolbar.h"
#include "platform/Hint.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace orvel;

namespace {

class FontToolbarTest : public orvel::test::SourceWindowTest {
protected:
    void SetUp() override
    {
        SourceWindowTest::SetUp();
        tb = fontToolbar(*w);
        ASSERT_NE(tb, nullptr);
    }
    void click(QToolButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    // Replaces the size box's character as a user would: select it and type over it.
    void typeSize(const QString& typed)
    {
        tb->txtfontsize->setFocus();
        tb->txtfontsize->selectAll();
        QTest::keyClicks(tb->txtfontsize, typed);
    }

    FontToolbar* tb = nullptr;
};

TEST_F(FontToolbarTest, ControlsStartWithTheirContentsAndTooltips)
{
    EXPECT_EQ(tb->Combo1->currentText(), QStringLiteral("Font Face"));
    ASSERT_EQ(tb->Combo1->count(), 11);
    EXPECT_EQ(tb->Combo1->itemText(1), QStringLiteral("Arial black"));
    EXPECT_EQ(tb->Combo1->itemText(10), QStringLiteral("Verdana"));
    EXPECT_EQ(tb->Text4->text(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(tb->txtfontsize->text(), QStringLiteral("3"));
    EXPECT_EQ(tb->txtfontsize->maxLength(), 1);
    EXPECT_EQ(tb->fontSizeLabel->text(), QStringLiteral("Font Size"));
    EXPECT_EQ(tb->Combo2->currentText(), QStringLiteral("black"));
    ASSERT_EQ(tb->Combo2->count(), 16);
    EXPECT_EQ(tb->Combo2->itemText(15), QStringLiteral("yellow"));
    EXPECT_EQ(tb->Text3->text(), QString());
    EXPECT_EQ(tb->Text3->maxLength(), 6);
    EXPECT_EQ(tb->BeginFont->text(), QStringLiteral("Fonts editing ......"));
    EXPECT_EQ(tb->btnmorefonts->text(), QStringLiteral("..."));

    EXPECT_EQ(tb->Combo1->toolTip(), QStringLiteral("Choose font face (Only fonts that work "
                                                    "everywhere are included here) and click on "
                                                    "set."));
    EXPECT_EQ(tb->command5->toolTip(), QString());
    for (QWidget* c : {static_cast<QWidget*>(tb->Combo1), static_cast<QWidget*>(tb->command6),
                       static_cast<QWidget*>(tb->Text3), static_cast<QWidget*>(tb->BeginFont)})
        EXPECT_EQ(c->parentWidget(), w->fonter);
}

TEST_F(FontToolbarTest, BoxesShowTheirHints)
{
    EXPECT_EQ(hintOf(tb->Text3),
              QStringLiteral("Enter the six letter RGB code for the font colour."));
    EXPECT_EQ(hintOf(tb->Text4),
              QStringLiteral("Enter the name of the font you want to use. Make sure the font is "
                             "quite widely supported, separate many by commas."));
    QTest::mouseMove(tb->Text3);
    EXPECT_EQ(w->helper->text(),
              QStringLiteral("Enter the six letter RGB code for the font colour."));
}

struct ToggleRow {
    const char* name;
    QToolButton* FontToolbar::*button;
    bool SourceState::*flag;
    const char* open;
    const char* startedTip;
    const char* restingTip;
};

const ToggleRow kToggles[] = {
    {"face", &FontToolbar::command6, &SourceState::faceFirst, "<font face=\"Times New Roman\">",
     "You have started font name editing", "Change font name/face of selected text."},
    {"size", &FontToolbar::btnfontsize, &SourceState::sizeFirst, "<font size=\"3\">",
     "You have started font size editing", "Change font size of selected size."},
    {"colour", &FontToolbar::colour_setter, &SourceState::colourFirst, "<font color=\"black\">",
     "You have started font colour editing", "Change colour of selected text"},
};

TEST_F(FontToolbarTest, WithoutSelectionTwoClicksOpenAndCloseTheTag)
{
    for (const ToggleRow& row : kToggles) {
        setPage(QStringLiteral("ab"), 1);
        QToolButton* b = tb->*row.button;
        click(b);
        EXPECT_EQ(marked(),
                  QStringLiteral("a") + QString::fromUtf8(row.open) + QStringLiteral("|b"))
            << row.name;
        EXPECT_FALSE(w->state.*row.flag) << row.name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(row.startedTip)) << row.name;
        click(b);
        EXPECT_EQ(marked(),
                  QStringLiteral("a") + QString::fromUtf8(row.open) + QStringLiteral("</font>|b"))
            << row.name;
        EXPECT_TRUE(w->state.*row.flag) << row.name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(row.restingTip)) << row.name;
    }
    EXPECT_EQ(ui.prompts.size(), 0);
}

TEST_F(FontToolbarTest, EachToggleHasItsOwnFlag)
{
    setPage(QString());
    click(tb->btnfontsize);
    click(tb->command6);
    EXPECT_EQ(marked(), QStringLiteral("<font size=\"3\"><font face=\"Times New Roman\">|"));
    EXPECT_FALSE(w->state.sizeFirst);
    EXPECT_FALSE(w->state.faceFirst);
    EXPECT_TRUE(w->state.colourFirst);
    EXPECT_TRUE(w->state.alignFirst);
    EXPECT_EQ(tb->colour_setter->toolTip(), QStringLiteral("Change colour of selected text"));
}

struct WrapRow {
    const char* name;
    void (*set)(FontToolbar&);
    QToolButton* FontToolbar::*button;
    const char* expected;
};

TEST_F(FontToolbarTest, SelectionIsWrappedAndTheFlagsStay)
{
    const WrapRow rows[] = {
        {"face", [](FontToolbar& t) { t.Text4->setText(QStringLiteral("Verdana, Arial")); },
         &FontToolbar::command6, "x<font face=\"Verdana, Arial\">word </font>|y"},
        {"size", [](FontToolbar& t) { t.txtfontsize->setText(QStringLiteral("5")); },
         &FontToolbar::btnfontsize, "x<font size=\"5\">word</font>|y"},
        {"colour", [](FontToolbar& t) { t.Combo2->setCurrentIndex(11); },
         &FontToolbar::colour_setter, "x<font color=\"red\">word </font>|y"},
        {"RGB", [](FontToolbar& t) { t.Text3->setText(QStringLiteral("CCFFCC")); },
         &FontToolbar::command5, "x<font color=\"#CCFFCC\">word </font>|y"},
    };
    for (const WrapRow& row : rows) {
        setPage(QStringLiteral("xwordy"), 1, 4);
        row.set(*tb);
        click(tb->*row.button);
        EXPECT_EQ(marked(), QString::fromUtf8(row.expected)) << row.name;
    }
    EXPECT_TRUE(w->state.faceFirst);
    EXPECT_TRUE(w->state.sizeFirst);
    EXPECT_TRUE(w->state.colourFirst);
    EXPECT_EQ(ui.prompts.size(), 0);
}

TEST_F(FontToolbarTest, RgbWithoutSelectionInsertsTheEmptyPair)
{
    setPage(QStringLiteral("ab"), 1);
    tb->Text3->setText(QStringLiteral("zz0011"));
    click(tb->command5);
    EXPECT_EQ(marked(), QStringLiteral("a<font color=\"#zz0011\"> </font>|b"));
    // The RGB button has no toggle: a second click inserts the pair again.
    click(tb->command5);
    EXPECT_EQ(marked(), QStringLiteral("a<font color=\"#zz0011\"> </font><font color=\"#zz0011\"> "
                                       "</font>|b"));
}

TEST_F(FontToolbarTest, RgbShorterThanSixCharactersIsRefused)
{
    setPage(QStringLiteral("xwordy"), 1, 4);
    tb->Text3->setText(QStringLiteral("CCFFC"));
    click(tb->command5);
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().text,
              QStringLiteral("Invalid value, 6 letters/numbers are required for RGB"));
    EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Orvel"));
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::None);
    EXPECT_EQ(tb->Text3->text(), QString());
    EXPECT_EQ(marked(), QStringLiteral("x[word]y"));
}

TEST_F(FontToolbarTest, FaceMustBeGiven)
{
    for (const char* face : {"Font Face", ""}) {
        ui.prompts.clear();
        setPage(QStringLiteral("xwordy"), 1, 4);
        tb->Text4->setText(QString::fromUtf8(face));
        click(tb->command6);
        ASSERT_EQ(ui.prompts.size(), 1) << face;
        EXPECT_EQ(ui.lastPrompt().text,
                  QStringLiteral("Invalid. Enter or choose a valid font name"));
        EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Assistant: Orvel"));
        EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
        EXPECT_EQ(tb->Text4->text(), QStringLiteral("Times New Roman")) << face;
        EXPECT_EQ(marked(), QStringLiteral("x[word]y")) << face;
        EXPECT_TRUE(w->state.faceFirst);
        EXPECT_TRUE(w->Text1->hasFocus());
    }
}

TEST_F(FontToolbarTest, EmptyColourIsRefused)
{
    setPage(QStringLiteral("ab"), 1);
    tb->Combo2->setEditText(QString());
    click(tb->colour_setter);
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().text, QStringLiteral("Choose a valid colour from the list"));
    EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Assistant: Orvel"));
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
    EXPECT_EQ(marked(), QStringLiteral("a|b"));
    EXPECT_TRUE(w->state.colourFirst);
}

TEST_F(FontToolbarTest, SizeOutsideOneToSevenIsRefusedAndTheBoxShowsThree)
{
    for (const char* typed : {"9", "0", "8", "x"}) {
        ui.prompts.clear();
        typeSize(QString::fromUtf8(typed));
        ASSERT_EQ(ui.prompts.size(), 1) << typed;
        EXPECT_EQ(ui.lastPrompt().text,
                  QStringLiteral("Invalid Entry. Font size ranges from 1 to 7"));
        EXPECT_EQ(ui.lastPrompt().title, QStringLiteral("Assistant: Orvel"));
        EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Critical);
        EXPECT_EQ(tb->txtfontsize->text(), QStringLiteral("3")) << typed;
    }
}

TEST_F(FontToolbarTest, SizeFromOneToSevenIsTakenAndAnEmptyBoxBecomesThree)
{
    typeSize(QStringLiteral("7"));
    EXPECT_EQ(tb->txtfontsize->text(), QStringLiteral("7"));
    QTest::keyClick(tb->txtfontsize, Qt::Key_Backspace);
    EXPECT_EQ(tb->txtfontsize->text(), QStringLiteral("3"));
    EXPECT_EQ(ui.prompts.size(), 0);
}

TEST_F(FontToolbarTest, ChoosingAFaceShowsItInItsOwnFont)
{
    tb->Combo1->setCurrentIndex(9);
    tb->Combo1->setFocus();
    QTest::keyClick(tb->Combo1, Qt::Key_Down); // a choice from the list, as the user makes it
    EXPECT_EQ(tb->Text4->text(), QStringLiteral("Verdana"));
    EXPECT_EQ(tb->Text4->font().family(), QStringLiteral("Verdana"));
}

TEST_F(FontToolbarTest, TypingInTheFaceListCopiesTheText)
{
    tb->Combo1->lineEdit()->clear();
    QTest::keyClicks(tb->Combo1->lineEdit(), QStringLiteral("Tahoma"));
    EXPECT_EQ(tb->Text4->text(), QStringLiteral("Tahoma"));
}

TEST_F(FontToolbarTest, NewPageMakesEveryToggleReadyAgain)
{
    setPage(QString());
    click(tb->command6);
    click(tb->btnfontsize);
    click(tb->colour_setter);
    ui.answer(MsgAnswer::Yes); // the unsaved page may go
    w->new_Click();
    for (const ToggleRow& row : kToggles) {
        EXPECT_TRUE(w->state.*row.flag) << row.name;
        EXPECT_EQ((tb->*row.button)->toolTip(), QString::fromUtf8(row.restingTip)) << row.name;
    }
}

} // namespace
