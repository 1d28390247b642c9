#include "dialogs/Fonty.h"
#include "DialogTest.h"

#include <QCheckBox>
#include <QComboBox>

using namespace orvel;
using namespace orvel::test;

namespace {

class FontyTest : public DialogTest {
protected:
    // What the font button does: the main selection into the dialog's own box, all of it
    // selected there.
    FontyDialog* openOn(const QString& page, int start, int length)
    {
        setPage(page, start, length);
        auto* f = open<FontyDialog>();
        f->Text1->setText(w->Text1->selText());
        f->Text1->setSelStart(0);
        f->Text1->setSelLength(60000);
        return f;
    }
    // A dialog whose own box holds `text` with the caret at `caret`.
    FontyDialog* caretIn(const QString& text, int caret)
    {
        FontyDialog* f = openOn(text, 0, int(text.size()));
        f->Text1->setSelStart(caret);
        return f;
    }
    QString opening(FontyDialog* f) const { return font::openingTag(f->fragments()); }
};

// Text that is not a number keeps the size the dialog had; a piece of tag text from a tag
// without a size is the default size.
TEST_F(FontyTest, SizeRuleFollowsEveryChange)
{
    FontyDialog* f = openOn(q("x"), 0, 1);
    const std::array<const char*, 3> rows[] = {
        {"5", "5", " size=\"5\""},  {"3", "3", ""},      {"", "3", ""},
        {"6", "6", " size=\"6\""},  {" ", "3", ""},      {"+2", "+2", " size=\"+2\""},
        {"x", "x", " size=\"+2\""}, {" color=", "3", ""}};
    for (const auto& [set, box, fragment] : rows) {
        f->txtfontsize->setText(q(set));
        EXPECT_EQ(f->txtfontsize->text(), q(box)) << set;
        EXPECT_EQ(f->fragments().size, q(fragment)) << set;
    }
}

TEST_F(FontyTest, ColourListRuleWithRgbCodeOffAndOn)
{
    FontyDialog* f = openOn(q("x"), 0, 1);
    EXPECT_FALSE(f->Text3->isEnabled());
    const std::array<const char*, 3> rows[] = {
        {"red", "red", " color=\"red\""}, {"BLACK", "BLACK", ""}, {"color=", "black", ""}};
    for (const auto& [colour, box, fragment] : rows) {
        f->Combo2->setEditText(q(colour));
        EXPECT_EQ(f->Combo2->currentText(), q(box)) << colour;
        EXPECT_EQ(f->fragments().colour, q(fragment)) << colour;
    }

    f->Combo2->setEditText(q("red"));
    click(f->Check1);
    // Ticking alone keeps the colour until a code is entered.
    EXPECT_EQ(f->fragments().colour, q(" color=\"red\""));
    retype(f->Text3, q("CCFFCCAA"));
    EXPECT_EQ(f->fragments().colour, q(" color=\"#CCFFCC\""));
    f->Combo2->setEditText(q("blue"));
    EXPECT_EQ(f->fragments().colour, q(" color=\"#CCFFCC\""));
    click(f->Check1);
    EXPECT_FALSE(f->Text3->isEnabled());
    EXPECT_EQ(f->fragments().colour, q(" color=\"blue\""));
}

TEST_F(FontyTest, FaceFragmentFollowsTheFaceListAndTheFaceBox)
{
    FontyDialog* f = openOn(q("x"), 0, 1);
    f->Combo1->setCurrentIndex(f->Combo1->findText(q("Verdana")));
    EXPECT_EQ(f->Text4->text(), q("Verdana"));
    EXPECT_EQ(f->fragments().face, q(" face=\"Verdana\""));
    retype(f->Text4, q("Georgia"));
    EXPECT_EQ(f->fragments().face, q(" face=\"Georgia\""));
    f->Text4->setText(q("size="));
    EXPECT_EQ(f->Text4->text(), q("Verdana"));
}

TEST_F(FontyTest, SetWrapsTheCopysSelectionWithSizeColourFaceInThatOrder)
{
    FontyDialog* f = openOn(crlf("say\nhello"), 0, 10);
    f->Text1->setSelStart(5);
    f->Text1->setSelLength(5);
    click(f->Command1);
    EXPECT_EQ(boxMarked(f->Text1), crlf("say\n<font>hello</font>|"));

    retype(f->Combo1->lineEdit(), q("Arial"));
    retype(f->Combo2->lineEdit(), q("red"));
    retype(f->txtfontsize, q("5"));
    f->Text1->setSelStart(0);
    f->Command1_Click();
    EXPECT_EQ(boxMarked(f->Text1), crlf("<font size=\"5\" color=\"red\" face=\"Arial\"></font>|"
                                        "say\n<font>hello</font>"));
    EXPECT_EQ(marked(), crlf("[say\nhello]")); // the main window waits for OK
}

TEST_F(FontyTest, RgbCheckOnTheWayToSet)
{
    FontyDialog* f = openOn(q("x"), 0, 1);
    hintOver(f, f->Command1); // RGB Code off: no check
    click(f->Check1);
    retype(f->Text3, q("CCF"));
    EXPECT_EQ(hintOver(f, f->Command1), q("Apply all font settings"));
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.lastPrompt().title, kDefaultTitle);
    EXPECT_EQ(ui.lastPrompt().text, q("Invalid value, 6 letters/numbers are required for RGB"));
    EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::Ok);
    EXPECT_EQ(f->Text3->text(), q("000000"));
    EXPECT_EQ(f->fragments().colour, q(" color=\"#000000\""));
    hintOver(f, f->Command1); // a full code passes
    EXPECT_EQ(ui.prompts.size(), 1);
}

TEST_F(FontyTest, EditReadsAnRgbTagDirectlyAfterAnotherTag)
{
    FontyDialog* f =
        caretIn(q("<b>x</b><font color=\"#CCFFCC\" face=\"Arial\" size=\"4\">word</font>"), 14);
    click(f->SmartSelect);
    EXPECT_TRUE(ui.prompts.isEmpty());
    // A blank goes in front; the tag is selected from its "<" through its ">".
    EXPECT_EQ(boxMarked(f->Text1),
              q(" <b>x</b>[<font color=\"#CCFFCC\" face=\"Arial\" size=\"4\">]word</font>"));
    const QStringList fields{f->Text3->text(), f->Combo2->currentText(), f->Text4->text(),
                             f->txtfontsize->text()};
    EXPECT_EQ(fields.join(u'|'), q("CCFFCC||Arial|4"));
    EXPECT_TRUE(f->Check1->isChecked());
    EXPECT_EQ(f->focusWidget(), f->Text1);
    EXPECT_EQ(opening(f), q("<font size=\"4\" color=\"#CCFFCC\" face=\"Arial\">"));
}

TEST_F(FontyTest, EditWithoutEndOfTagAppendsOne)
{
    const QString text = q("ab <font size=\"2\"");
    FontyDialog* f = caretIn(text, int(text.size()));
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

// A named colour, or none, switches RGB Code off, so Set writes back the colour that was read.
TEST_F(FontyTest, EditOnANamedColourOrMissingAttributesRepairsTheFields)
{
    // tag, colour, size, face, opening tag
    const std::array<const char*, 5> rows[] = {
        {"<FONT color=\"red\" size=\"2\" face=\"Impact\">", "red", "2", "Impact",
         "<font size=\"2\" color=\"red\" face=\"Impact\">"},
        {"<font size=\"4\">", "black", "4", "Times New Roman", "<font size=\"4\">"},
        {"<font face=\"Arial\">", "black", "3", "Arial", "<font face=\"Arial\">"},
        {"<font color=\"red\">", "red", "3", "Times New Roman", "<font color=\"red\">"},
        {"<FONT COLOR=\"red\">", "red", "3", "Times New Roman", "<font color=\"red\">"},
    };
    for (const auto& [tag, colour, size, face, tagAfter] : rows) {
        FontyDialog* f = caretIn(q(tag), 4);
        f->Check1->setChecked(true);
        f->Text3->setText(q("00FF00"));
        f->SmartSelect_Click();
        f->Timer1_Timer(); // the face box is repaired by the timer
        EXPECT_FALSE(f->Check1->isChecked()) << tag;
        const QStringList fields{f->Combo2->currentText(), f->txtfontsize->text(), f->Text4->text(),
                                 opening(f)};
        EXPECT_EQ(fields, QStringList({q(colour), q(size), q(face), q(tagAfter)}));
        f->unload();
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// What Smart Correct does: fill four fields from outside and show the dialog.
TEST_F(FontyTest, FieldsFilledFromOutsideRebuildTheFragments)
{
    auto* f = dialogFor<FontyDialog>(pageTarget());
    f->Combo2->setEditText(QString());
    f->Text3->setText(q("CCFFCC"));
    f->Text4->setText(q("Verdana"));
    f->txtfontsize->setText(q("6"));
    EXPECT_EQ(opening(f), q("<font size=\"6\" color=\"#CCFFCC\" face=\"Verdana\">"));
}

TEST_F(FontyTest, BoldItalicUnderlineToggleInTheCopy)
{
    const std::tuple<void (FontyDialog::*)(), const char*, const char*> rows[] = {
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
    for (const auto& [toggle, selected, after] : rows) {
        FontyDialog* f = openOn(q(selected), 0, int(strlen(selected)));
        f->Command1->setFocus();
        (f->*toggle)();
        EXPECT_EQ(boxMarked(f->Text1), q(after)) << selected;
        EXPECT_EQ(f->focusWidget(), f->Text1) << selected;
        f->unload();
    }
}

TEST_F(FontyTest, OkWritesTheCopyOverTheCurrentMainSelectionAndCancelNothing)
{
    QPointer<FontyDialog> f = openOn(q("one two three"), 4, 3);
    click(f->bold);
    w->Text1->setSelStart(8);
    w->Text1->setSelLength(5);
    click(f->OKButton);
    EXPECT_EQ(marked(), q("one two <B>two</B>|"));
    EXPECT_TRUE(unloaded(f));

    f = openOn(q("ab"), 1, 0); // an empty main selection: the copy goes in at the caret
    f->Command1_Click();
    f->OKButton_Click();
    EXPECT_EQ(marked(), q("a<font></font>|b"));

    f = openOn(q("one two"), 0, 3);
    f->Command1_Click();
    click(f->CancelButton);
    EXPECT_EQ(marked(), q("[one] two"));
    EXPECT_TRUE(unloaded(f));
}

} // namespace
