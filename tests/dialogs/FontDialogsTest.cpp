// The two font dialogs: the font editing dialog and the installed-fonts dialog.
#include "DialogTest.h"
#include "dialogs/FontCombo.h"
#include "dialogs/Fonty.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>

using namespace orvel;
using namespace orvel::test;

namespace {

// The dialog's box with "|" at the caret or "[" "]" around the selection.
QString boxMarked(const TextBox* box)
{
    QString s = box->text();
    if (box->selLength() == 0)
        return s.insert(box->selStart(), u'|');
    s.insert(box->selStart() + box->selLength(), u']');
    return s.insert(box->selStart(), u'[');
}

class FontDialogsTest : public DialogTest {
protected:
    // As the font button opens it: the main selection copied in, all selected.
    FontyDialog* openOn(const QString& page, int start, int length)
    {
        setPage(page, start, length);
        auto* f = open<FontyDialog>();
        f->Text1->setText(w->Text1->selText());
        f->Text1->setSelStart(0);
        f->Text1->setSelLength(60000);
        return f;
    }
    QString opening(FontyDialog* f) const { return font::openingTag(f->fragments()); }
};

TEST_F(FontDialogsTest, ControlsBuildTheOpeningTagThatSetWraps)
{
    FontyDialog* f = openOn(crlf("say\nhello"), 0, 10);
    // control, what goes in, what the control shows then, the opening tag then
    const std::array<const char*, 4> rows[] = {
        {"txtfontsize", "6", "6", "<font size=\"6\">"},
        {"txtfontsize", "x", "x", "<font size=\"6\">"},
        {"txtfontsize", "", "3", "<font>"},
        {"txtfontsize", "+2", "+2", "<font size=\"+2\">"},
        {"txtfontsize", " color=", "3", "<font>"},
        {"Combo2", "red", "red", "<font color=\"red\">"},
        {"Combo2", "BLACK", "BLACK", "<font>"},
        {"Combo2", "color=", "black", "<font>"},
        {"Check1", "", "", "<font>"},
        {"Text3", "CCFFCC", "CCFFCC", "<font color=\"#CCFFCC\">"},
        {"Combo2", "blue", "blue", "<font color=\"#CCFFCC\">"},
        {"Check1", "", "", "<font color=\"blue\">"},
        {"Text3", "00FF00", "00FF00", "<font color=\"#00FF00\">"},
        {"Combo1", "Verdana", "Verdana", "<font color=\"#00FF00\" face=\"Verdana\">"},
        {"Text4", "Georgia", "Georgia", "<font color=\"#00FF00\" face=\"Georgia\">"},
        {"Text4", "size=", "Verdana", "<font color=\"#00FF00\" face=\"Verdana\">"},
        {"txtfontsize", "4", "4", "<font size=\"4\" color=\"#00FF00\" face=\"Verdana\">"},
    };
    for (const auto& [name, input, showing, tag] : rows) {
        QWidget* control = f->findChild<QWidget*>(q(name));
        QLineEdit* box = qobject_cast<QLineEdit*>(control);
        if (auto* combo = qobject_cast<QComboBox*>(control))
            box = combo->lineEdit();
        if (box)
            box->setText(q(input));
        else
            click(static_cast<QCheckBox*>(control));
        EXPECT_EQ(box ? box->text() : QString(), q(showing)) << name << " " << input;
        EXPECT_EQ(opening(f), q(tag)) << name << " " << input;
    }
    f->Text1->setSelStart(5);
    f->Text1->setSelLength(5);
    click(f->Command1);
    EXPECT_EQ(boxMarked(f->Text1),
              crlf("say\n<font size=\"4\" color=\"#00FF00\" face=\"Verdana\">hello</font>|"));
    EXPECT_EQ(marked(), crlf("[say\nhello]")); // the main window waits for OK
}

// The pointer on its way to Set checks a code that RGB Code asks for.
TEST_F(FontDialogsTest, ShortRgbCodeIsReplacedOnTheWayToSet)
{
    FontyDialog* f = openOn(q("x"), 0, 1);
    const auto pointAtSet = [f] {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(f->Command1, &enter);
    };
    pointAtSet(); // RGB Code off: no check
    click(f->Check1);
    retype(f->Text3, q("CCF"));
    pointAtSet();
    EXPECT_EQ(shown(),
              ShownList({{kDefaultTitle, q("Invalid value, 6 letters/numbers are required for RGB"),
                          MsgIcon::None}}));
    EXPECT_EQ(opening(f), q("<font color=\"#000000\">"));
    pointAtSet(); // a full code passes
    EXPECT_EQ(shown(), ShownList{});
}

TEST_F(FontDialogsTest, EditReadsTheTagAtTheCaretIntoTheFields)
{
    // text before the tag, the tag, text after it, colour|code|face|size, opening tag after
    const std::array<const char*, 5> rows[] = {
        {"<b>x</b>", "<font color=\"#CCFFCC\" face=\"Arial\" size=\"4\">", "word</font>",
         "|CCFFCC|Arial|4", "<font size=\"4\" color=\"#CCFFCC\" face=\"Arial\">"},
        {"", "<FONT COLOR=\"red\">", "", "red|00FF00|Times New Roman|3", "<font color=\"red\">"},
    };
    for (const auto& [before, tag, after, fields, tagAfter] : rows) {
        const QString text = q(before) + q(tag) + q(after);
        FontyDialog* f = openOn(text, 0, int(text.size()));
        f->Check1->setChecked(true);
        f->Text3->setText(q("00FF00"));
        f->Text1->setSelStart(int(strlen(before)) + 4);
        click(f->SmartSelect);
        f->Timer1_Timer();
        // A blank goes in front; the tag is selected from its "<" through its ">".
        EXPECT_EQ(boxMarked(f->Text1), u' ' + q(before) + u'[' + q(tag) + u']' + q(after));
        EXPECT_EQ(f->focusWidget(), f->Text1) << tag;
        const QStringList read{f->Combo2->currentText(), f->Text3->text(), f->Text4->text(),
                               f->txtfontsize->text()};
        EXPECT_EQ(read.join(u'|'), q(fields));
        EXPECT_EQ(f->Check1->isChecked(), *fields == '|') << tag;
        EXPECT_EQ(opening(f), q(tagAfter));
        f->unload();
    }
}

TEST_F(FontDialogsTest, EditWithoutEndOfTagAppendsOne)
{
    FontyDialog* f = openOn(q("ab <font size=\"2\""), 0, 17);
    f->Text1->setSelStart(f->Text1->length());
    f->SmartSelect_Click();
    EXPECT_EQ(shown(),
              ShownList({{q("Assistant: Orvel"),
                          q("Assistant has discovered the absence of the end-tag(>). It has been "
                            "added at the end. You may want to remove it later or alter it."),
                          MsgIcon::Information}}));
    EXPECT_EQ(boxMarked(f->Text1), q(" ab |<font size=\"2\">"));
    EXPECT_EQ(f->txtfontsize->text(), q("3")); // nothing was read
}

TEST_F(FontDialogsTest, TagButtonsEditTheCopyAndOkWritesItBack)
{
    const std::tuple<QPushButton * FontyDialog::*, const char*, const char*> rows[] = {
        {&FontyDialog::bold, "word", "<B>word</B>|"},
        {&FontyDialog::italic, "<I>word</I>", "word|"},
        {&FontyDialog::italic, "", "|"},
    };
    for (const auto& [button, selected, after] : rows) {
        QPointer<FontyDialog> f = openOn(q("one ") + q(selected), 4, int(strlen(selected)));
        click(f->*button);
        EXPECT_EQ(boxMarked(f->Text1), q(after)) << selected;
        EXPECT_EQ(f->focusWidget(), f->Text1) << selected;
        w->Text1->setSelStart(0);
        w->Text1->setSelLength(3);
        click(f->OKButton);
        EXPECT_EQ(marked(), q(after).remove(u'|') + q("| ") + q(selected));
        EXPECT_TRUE(unloaded(f)) << selected;
    }
}

TEST_F(FontDialogsTest, FontListSetWrapsTheSelectionInTheChosenFont)
{
    ui.fonts = {q("Zapf"), q("Arial"), q("Courier New")};
    setPage(q("say hello now"), 4, 5);
    QPointer<FontComboDialog> f = open<FontComboDialog>();
    ASSERT_EQ(f->combo1->count(), 3);
    f->combo1->setCurrentIndex(2);
    EXPECT_EQ(f->Label1->font().family(), q("Courier New"));
    click(f->Command1);
    EXPECT_EQ(marked(), q("say <font face= \"Courier New\">hello </font>| now"));
    EXPECT_TRUE(unloaded(f));
}

} // namespace
