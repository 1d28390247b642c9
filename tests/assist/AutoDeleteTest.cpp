// Auto Delete on the string model, caret by caret, and once through the window's key.
#include "assist/AutoDelete.h"
#include "AssistTest.h"
#include "assist/SmartSelect.h"
#include "support/Fixtures.h"

#include <QTest>

using namespace orvel;
using namespace orvel::test;

namespace {

class AutoDeleteTest : public PlatformTest {};

const char* const kBoldNested =
    "Another bold tag has been found. The ending tag (if present) will remain unchanged";
const char* const kNoTable = "The </TABLE> tag is not found. Please delete manually";
const char* const kNoForm = "The </FORM> tag is not found. Please delete manually";

TEST_F(AutoDeleteTest, TagsAndTheirPartners)
{
    const struct {
        const char* before;
        const char* after;
        const char* message = nullptr;
    } rows[] = {
        // Pairs: both tags go, the content stays, the caret stands where the opening was.
        {"x<B|>word</B>y", "x|wordy"},
        {"x<|I>a</I><I>b</I>", "x|a<I>b</I>"},
        {"x<U>|a</U>", "x|a"},       // right after the ">"
        {"x<P><B|>w</B>", "x<P>|w"}, // right after another tag
        {"x<block|quote>q</blockquote>", "x|q"},
        {"x<SM|ALL>a</SMALL>", "x|a"},
        {"x<font si|ze=2>a</font>", "x|a"},
        {"x<FONT si|ze=2>a</FONT>", "x|a"},
        {"x<A HR|EF=\"a\">b", "x|b"},                     // no closing tag: the opening goes alone
        {"x<P al|ign=\"left\">a<P>b</P>", "x|a<P>b</P>"}, // a plain "<P>" nests
        {"x<PRE|>a<PRE>b</PRE>", "x|a<PRE>b</PRE>"},
        // The comment's opening and its "--> " go; what it said stays.
        {"a<!|-- note --> b", "a| note b"},
        {"a<!-- no|te --> b", "a| note b"},
        // Nesting and missing partners of the reported kind.
        {"x<B|>y<B>a</B></B>", "x|y<B>a</B></B>", kBoldNested},
        {"x<B|>y", "x|y", kBoldNested},
        // Whole elements.
        {"x<TABLE border=1><T|R><TD>a</TD></TR>\n</TABLE>", "x<TABLE border=1>|\n</TABLE>"},
        {"x<TABLE bo|rder=1>\n<TR><TD>a</TD></TR></TABLE>y", "x|y"},
        {"x<TABLE bo|rder=1><TR><TD>a", "x[<TABLE border=1>]<TR><TD>a", kNoTable},
        {"x<form a|ction=\"u\">in</form>y", "x|y"},
        {"x<form a|ction=\"u\">in</FORM>y", "x[<form action=\"u\">]in</FORM>y", kNoForm},
        {"x<FORM a|=1>i</FORM>y", "x|y"},
        {"x<HR wi|dth=5>y", "x|y"},
        {"x<H|R>y", "x|y"},
        // Not recognised: Smart Select's selection stays.
        {"x<h|r>y", "x[<hr>]y"},
        {"x<b|>y</b>", "x[<b>]y</b>"},
        {"x<TABLE>a</TABLE>|", "x<TABLE>a[</TABLE>]"},
        {"<B|>a</B>", "<B|>a</B>"}, // the page's first tag is left alone
        {"x<B>a|</B>", "x[<B>a</B>]"},
        // In a link's text the selection runs on through "</A>": not a tag to take apart.
        {"x<A HREF=\"a\">o|ne</A> <A HREF=\"b\">two</A>",
         "x[<A HREF=\"a\">one</A>] <A HREF=\"b\">two</A>"},
    };
    for (const auto& r : rows) {
        StringText t = markedText(r.before);
        ui.prompts.clear();
        autoDelete(t);
        EXPECT_EQ(markedOf(t), QString::fromUtf8(r.after)) << r.before;
        EXPECT_EQ(ui.promptTexts(), r.message ? QStringList{r.message} : QStringList{}) << r.before;
        if (r.message) {
            EXPECT_EQ(ui.lastPrompt().title, kAssistantTitle);
            EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Exclamation);
        }
    }
}

// Smart Select's own message and ">" come first; then nothing is selected to delete.
TEST_F(AutoDeleteTest, TagWithoutItsEnd)
{
    StringText t = markedText("x<B|");
    autoDelete(t);
    EXPECT_EQ(markedOf(t), QStringLiteral("|x<B>"));
    EXPECT_EQ(ui.promptTexts(), QStringList{kEndTagAddedMessage});
}

class AutoDeleteWindowTest : public SourceWindowTest {};

TEST_F(AutoDeleteWindowTest, ShiftDelIsOneUndoStep)
{
    setPage(crlf("<P>\n<B>bold</B> text"), 7);
    w->Text1->setFocus();
    QTest::keyClick(w->Text1, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(marked(), crlf("<P>\n|bold text"));
    w->Text1->undo();
    EXPECT_EQ(w->Text1->text(), crlf("<P>\n<B>bold</B> text"));
}

} // namespace
