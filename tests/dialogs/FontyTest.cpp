// The font editing dialog: fragments rebuilt by every change, the Set wrapper, the tag toggles,
// reading a FONT tag back, the RGB check, OK and Cancel, and the hints.
#include "dialogs/Fonty.h"
#include "support/Fixtures.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace orvel;
using orvel::test::crlf;

namespace {

QString q(const char* s)
{
    return QString::fromUtf8(s);
}

// Text with "|" at the caret or "[" "]" around the selection.
QString boxMarked(const TextBox* box)
{
    QString s = box->text();
    if (box->selLength() == 0)
        return s.insert(box->selStart(), u'|');
    s.insert(box->selStart() + box->selLength(), u']');
    return s.insert(box->selStart(), u'[');
}

// The pointer moving over `w`. Sent straight to the widget: the offscreen platform routes a moved
// cursor to whichever of the overlapping top-level windows it finds first.
void hover(QWidget* w)
{
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

class FontyTest : public orvel::test::SourceWindowTest {
protected:
    // What the font button does: the main selection into the dialog's own box, then show it
    // and select all of it.
    FontyDialog* open(const QString& page, int start, int length)
    {
        setPage(page, start, length);
        auto* f = w->form<FontyDialog>();
        f->Text1->setText(w->Text1->selText());
        f->show();
        f->Text1->setSelStart(0);
        f->Text1->setSelLength(60000);
        return f;
    }

    // A dialog whose own box holds `text` with the caret at `caret`.
    FontyDialog* openOn(const QString& text, int caret)
    {
        FontyDialog* f = open(text, 0, static_cast<int>(text.size()));
        f->Text1->setSelStart(caret);
        return f;
    }

    bool unloaded(FontyDialog* f) const
    {
        return w->findChild<FontyDialog*>() == nullptr && f->isHidden();
    }
};

TEST_F(FontyTest, OpensOnTheCopyWithNoFragments)
{
    FontyDialog* f = open(q("abc"), 0, 3);
    EXPECT_EQ(f->windowTitle(), q("Font: Select text and perform operation - Orvel"));
    EXPECT_EQ(boxMarked(f->Text1), q("[abc]"));
    EXPECT_FALSE(f->Text3->isEnabled());
    EXPECT_TRUE(f->Timer1->isActive());
    EXPECT_EQ(font::openingTag(f->fragments()), q("<font>"));
}

TEST_F(FontyTest, SizeRuleFollowsEveryChangeOfTheSizeBox)
{
    FontyDialog* f = open(q("x"), 0, 1);
    const struct {
        const char *set, *box, *fragment;
    } rows[] = {
        {"5", "5", " size=\"5\""},
        {"3", "3", ""},
        {"", "3", ""},
        {"6", "6", " size=\"6\""},
        {" ", "3", ""},
        {"+2", "+2", " size=\"+2\""},
        // not a number: the size the dialog had stays
        {"x", "x", " size=\"+2\""},
        // a piece of tag text from a tag without a size is the default size
        {" color=", "3", ""},
    };
    for (const auto& r : rows) {
        f->txtfontsize->setText(q(r.set));
        EXPECT_EQ(f->txtfontsize->text(), q(r.box)) << r.set;
        EXPECT_EQ(f->fragments().size, q(r.fragment)) << r.set;
    }
    // Typing is limited to one character.
    typeInto(f->txtfontsize, q("59"));
    EXPECT_EQ(f->fragments().size, q(" size=\"5\""));
}

TEST_F(FontyTest, ColourListRuleWithRgbCodeOffAndOn)
{
    FontyDialog* f = open(q("x"), 0, 1);
    const struct {
        const char *colour, *box, *fragment;
    } rows[] = {
        {"red", "red", " color=\"red\""},
        {"BLACK", "BLACK", ""},
        {"Navy", "Navy", " color=\"Navy\""},
        {"Black", "Black", ""},
        {"color=", "black", ""},
        {"face=", "black", ""},
    };
    for (const auto& r : rows) {
        f->Combo2->setEditText(q(r.colour));
        EXPECT_EQ(f->Combo2->currentText(), q(r.box)) << r.colour;
        EXPECT_EQ(f->fragments().colour, q(r.fragment)) << r.colour;
    }

    f->Combo2->setEditText(q("red"));
    QTest::mouseClick(f->Check1, Qt::LeftButton);
    // Ticking alone keeps the colour until a code is entered.
    EXPECT_EQ(f->fragments().colour, q(" color=\"red\""));
    typeInto(f->Text3, q("CCFFCCAA"));
    EXPECT_EQ(f->fragments().colour, q(" color=\"#CCFFCC\""));
    f->Combo2->setEditText(q("blue"));
    EXPECT_EQ(f->fragments().colour, q(" color=\"#CCFFCC\""));
    QTest::mouseClick(f->Check1, Qt::LeftButton);
    EXPECT_FALSE(f->Text3->isEnabled());
    EXPECT_EQ(f->fragments().colour, q(" color=\"blue\""));
}

TEST_F(FontyTest, FaceFragmentFollowsTheFaceListAndTheFaceBox)
{
    FontyDialog* f = open(q("x"), 0, 1);
    f->Combo1->setCurrentIndex(f->Combo1->findText(q("Verdana")));
    EXPECT_EQ(f->Text4->text(), q("Verdana"));
    EXPECT_EQ(f->fragments().face, q(" face=\"Verdana\""));
    typeInto(f->Text4, q("Georgia"));
    EXPECT_EQ(f->fragments().face, q(" face=\"Georgia\""));
    f->Text4->setText(q("size="));
    EXPECT_EQ(f->Text4->text(), q("Verdana"));
}

TEST_F(FontyTest, SetWrapsTheCopysSelectionWithSizeColourFaceInThatOrder)
{
    FontyDialog* f = open(crlf("say\nhello"), 0, 10);
    f->Text1->setSelStart(5);
    f->Text1->setSelLength(5);
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    EXPECT_EQ(boxMarked(f->Text1), crlf("say\n<font>hello</font>|"));

    typeInto(f->Combo1->lineEdit(), q("Arial"));
    typeInto(f->Combo2->lineEdit(), q("red"));
    typeInto(f->txtfontsize, q("5"));
    f->Text1->setSelStart(0);
    f->Command1_Click();
    EXPECT_EQ(boxMarked(f->Text1), crlf("<font size=\"5\" color=\"red\" face=\"Arial\"></font>|"
                                        "say\n<font>hello</font>"));
    // The main window is untouched until OK.
    EXPECT_EQ(marked(), crlf("[say\nhello]"));
}

TEST_F(FontyTest, SizeUpDownStopsAtSevenAndOne)
{
    FontyDialog* f = open(q("x"), 0, 1);
    const struct {
        const char* from;
        bool up;
        const char* to;
    } rows[] = {{"6", true, "7"}, {"7", true, "7"}, {"2", false, "1"}, {"1", false, "1"}};
    for (const auto& r : rows) {
        f->txtfontsize->setText(q(r.from));
        QTest::mouseClick(r.up ? f->fontsizeUpDown->upButton() : f->fontsizeUpDown->downButton(),
                          Qt::LeftButton);
        EXPECT_EQ(f->txtfontsize->text(), q(r.to)) << r.from << (r.up ? " up" : " down");
    }
    EXPECT_EQ(f->fragments().size, q(" size=\"1\""));
}

TEST_F(FontyTest, RgbCheckOnTheWayToSet)
{
    FontyDialog* f = open(q("x"), 0, 1);
    hover(f->Command1); // RGB Code off: no check
    QTest::mouseClick(f->Check1, Qt::LeftButton);
    typeInto(f->Text3, q("CCF"));
    hover(f->Command1);
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().title, kDefaultTitle);
    EXPECT_EQ(ui.lastPrompt().text, q("Invalid value, 6 letters/numbers are required for RGB"));
    EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::Ok);
    EXPECT_EQ(f->Text3->text(), q("000000"));
    EXPECT_EQ(f->fragments().colour, q(" color=\"#000000\""));
    EXPECT_EQ(f->currentHint(), q("Apply all font settings"));
    hover(f->Command1); // a full code passes
    EXPECT_EQ(ui.prompts.size(), 1);
}

TEST_F(FontyTest, EditReadsAnRgbTagDirectlyAfterAnotherTag)
{
    FontyDialog* f =
        openOn(q("<b>x</b><font color=\"#CCFFCC\" face=\"Arial\" size=\"4\">word</font>"), 14);
    QTest::mouseClick(f->SmartSelect, Qt::LeftButton);
    EXPECT_TRUE(ui.prompts.isEmpty());
    // A blank goes in front; the tag is selected from its "<" through its ">".
    EXPECT_EQ(boxMarked(f->Text1),
              q(" <b>x</b>[<font color=\"#CCFFCC\" face=\"Arial\" size=\"4\">]word</font>"));
    EXPECT_EQ(f->Text3->text(), q("CCFFCC"));
    EXPECT_EQ(f->Combo2->currentText(), QString());
    EXPECT_EQ(f->Text4->text(), q("Arial"));
    EXPECT_EQ(f->txtfontsize->text(), q("4"));
    EXPECT_TRUE(f->Check1->isChecked());
    EXPECT_EQ(f->focusWidget(), f->Text1);
    EXPECT_EQ(font::openingTag(f->fragments()),
              q("<font size=\"4\" color=\"#CCFFCC\" face=\"Arial\">"));
}

TEST_F(FontyTest, EditReadsANamedColourAndSwitchesRgbCodeOff)
{
    FontyDialog* f = openOn(q("<FONT color=\"red\" size=\"2\" face=\"Impact\">"), 3);
    QTest::mouseClick(f->Check1, Qt::LeftButton);
    f->Text3->setText(q("00FF00"));
    f->SmartSelect_Click();
    EXPECT_FALSE(f->Check1->isChecked());
    EXPECT_EQ(font::openingTag(f->fragments()),
              q("<font size=\"2\" color=\"red\" face=\"Impact\">"));
}

TEST_F(FontyTest, EditWithoutEndOfTagAppendsOne)
{
    const QString text = q("ab <font size=\"2\"");
    FontyDialog* f = openOn(text, static_cast<int>(text.size()));
    f->SmartSelect_Click();
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().title, q("Assistant: Orvel"));
    EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Information);
    EXPECT_EQ(ui.lastPrompt().text,
              q("Assistant has discovered the absence of the end-tag(>). It has been added at the "
                "end. You may want to remove it later or alter it."));
    EXPECT_EQ(boxMarked(f->Text1), q(" ab |<font size=\"2\">"));
    EXPECT_EQ(f->txtfontsize->text(), q("3")); // nothing was read
}

TEST_F(FontyTest, EditOnATagLackingAttributesRepairsTheFields)
{
    const struct {
        const char *tag, *colour, *size, *face, *opening;
    } rows[] = {
        {"<font size=\"4\">", "black", "4", "Times New Roman", "<font size=\"4\">"},
        {"<font face=\"Arial\">", "black", "3", "Arial", "<font face=\"Arial\">"},
        {"<font color=\"red\">", "red", "3", "Times New Roman", "<font color=\"red\">"},
        {"<FONT COLOR=\"red\">", "red", "3", "Times New Roman", "<font color=\"red\">"},
    };
    for (const auto& r : rows) {
        FontyDialog* f = openOn(q(r.tag), 4);
        f->SmartSelect_Click();
        // The face box is repaired by the timer.
        EXPECT_TRUE(QTest::qWaitFor([f] { return !f->Text4->text().startsWith(u' '); }, 2000));
        EXPECT_EQ(f->Combo2->currentText(), q(r.colour)) << r.tag;
        EXPECT_EQ(f->txtfontsize->text(), q(r.size)) << r.tag;
        EXPECT_EQ(f->Text4->text(), q(r.face)) << r.tag;
        EXPECT_EQ(font::openingTag(f->fragments()), q(r.opening)) << r.tag;
        f->CancelButton_Click();
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// What Smart Correct does: fill four fields from outside and show the dialog.
TEST_F(FontyTest, FieldsFilledFromOutsideRebuildTheFragments)
{
    auto* f = w->form<FontyDialog>();
    f->Combo2->setEditText(QString());
    f->Text3->setText(q("CCFFCC"));
    f->Text4->setText(q("Verdana"));
    f->txtfontsize->setText(q("6"));
    EXPECT_EQ(font::openingTag(f->fragments()),
              q("<font size=\"6\" color=\"#CCFFCC\" face=\"Verdana\">"));
}

TEST_F(FontyTest, BoldItalicUnderlineToggleInTheCopy)
{
    const struct {
        void (FontyDialog::*click)();
        const char *selected, *after;
    } rows[] = {
        {&FontyDialog::bold_Click, "word", "<B>word</B>|"},
        {&FontyDialog::bold_Click, "<B>word</B>", "word|"},
        // exact case: a lower-case tag is wrapped again
        {&FontyDialog::bold_Click, "<b>word</b>", "<B><b>word</b></B>|"},
        {&FontyDialog::italic_Click, "<I>word</I>", "word|"},
        {&FontyDialog::underline_Click, "word", "<U>word</U>|"},
        // too short to hold both tags: only the opening goes
        {&FontyDialog::bold_Click, "<B>ab", "ab|"},
        {&FontyDialog::italic_Click, "", "|"},
    };
    for (const auto& r : rows) {
        FontyDialog* f = open(q(r.selected), 0, static_cast<int>(strlen(r.selected)));
        f->Command1->setFocus();
        (f->*r.click)();
        EXPECT_EQ(boxMarked(f->Text1), q(r.after)) << r.selected;
        EXPECT_EQ(f->focusWidget(), f->Text1) << r.selected;
        f->CancelButton_Click();
    }
}

TEST_F(FontyTest, OkWritesTheCopyOverTheCurrentMainSelection)
{
    FontyDialog* f = open(q("one two three"), 4, 3);
    QTest::mouseClick(f->bold, Qt::LeftButton);
    // The main window stays usable; OK takes whatever is selected there now.
    w->Text1->setSelStart(8);
    w->Text1->setSelLength(5);
    QTest::mouseClick(f->OKButton, Qt::LeftButton);
    EXPECT_EQ(marked(), q("one two <B>two</B>|"));
    EXPECT_TRUE(unloaded(f));

    f = open(q("ab"), 1, 0); // an empty main selection: the copy goes in at the caret
    f->Command1_Click();
    f->OKButton_Click();
    EXPECT_EQ(marked(), q("a<font></font>|b"));
}

TEST_F(FontyTest, CancelWritesNothing)
{
    FontyDialog* f = open(q("one two"), 0, 3);
    f->Command1_Click();
    QTest::mouseClick(f->CancelButton, Qt::LeftButton);
    EXPECT_EQ(marked(), q("[one] two"));
    EXPECT_TRUE(unloaded(f));
}

TEST_F(FontyTest, HintsFollowThePointer)
{
    FontyDialog* f = open(q("x"), 0, 1);
    const struct {
        QWidget* widget;
        const char* hint;
    } rows[] = {
        {f->bold, "Make selected text bold. Select text with bold tags to unbold"},
        {f->italic, "Italicise selected text. Remove italics tag by selecting text with tags "
                    "and clicking here"},
        {f->underline, "Underline selected text. Remove underline of underlined text by "
                       "selection with starting tag"},
        {f->Check1, "Check this if you wish to insert RGB code of colour"},
        {f->Command1, "Apply all font settings"},
        {f->fontsizeUpDown->upButton(), "Change the font size"},
        {f->OKButton, "Apply selected changes"},
        {f->CancelButton, "Return without making any changes"},
        {f->SmartSelect, "Place cursor within the opening font tag and click on this for smart "
                         "correction"},
        {f->Text1->viewport(), "Perform font changes to selected text here"},
        {f->Text3, "The 6 character RGB code is to be inserted here"},
        {f->Text4, "Enter a font name, or choose one from below"},
        {f->txtfontsize, "This displays the font size. 3 is default"},
        {f, "Make advanced font editing"},
    };
    for (const auto& r : rows) {
        hover(r.widget);
        EXPECT_EQ(f->currentHint(), q(r.hint)) << r.hint;
    }
}

} // namespace
