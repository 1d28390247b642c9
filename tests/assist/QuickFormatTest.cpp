// Quick Format: four questions, then the wrapper around the selection, as one undo step.
#include "commands/CommandTest.h"

using namespace orvel;
using namespace orvel::test;

namespace {

using QuickFormatTest = CommandTest;

const QStringList kQuestions = {
    "input|Alignment - Assistant: Orvel|Enter the alignment of the selected text: Left, right, "
    "center, justify|Left",
    "input|Font Colour - Assistant: Orvel|Enter the colour of the selected text:\r\nAqua, Black, "
    "Blue, Fuchsia, Gray, Green, Lime, Maroon, Navy, Olive, Purple, Red, Silver, Teal, White, "
    "Yellow |black",
    "input|Font name - Assistant: Orvel|Enter the font name (face) of the selected text|times new "
    "roman",
    "input|Font Size - Assistant: Orvel|Enter the font size of the selected text: (1 to 7)|3",
};

TEST_F(QuickFormatTest, AnsweredAndCancelled)
{
    const CommandRow rows[] = {
        {"quickformat",
         "a[word]b",
         "a<P ALIGN=\"Left\"><FONT COLOR=\"black\" FACE=\"times new roman\" SIZE=\"3\">word"
         "</FONT></P>|b",
         false,
         {"Left", "black", "times new roman", "3"},
         kQuestions},
        // Answers as typed; the lines of the selection stay, the wrapper adds none.
        {"quickformata",
         "[two\nlines]",
         "<P ALIGN=\"center\"><FONT COLOR=\"Red\" FACE=\" Arial\" SIZE=\"9\">two\nlines"
         "</FONT></P>|",
         false,
         {"center", "Red", " Arial", "9"},
         kQuestions},
        // Every question is asked after a Cancel.
        {"quickformata",
         "a|b",
         "a<P ALIGN=\"\"><FONT COLOR=\"\" FACE=\"\" SIZE=\"\"></FONT></P>|b",
         false,
         {},
         kQuestions},
    };
    for (const CommandRow& r : rows)
        run(r);
}

TEST_F(QuickFormatTest, CtrlQIsOneUndoStep)
{
    setMarked("a[word]b");
    w->Text1->setFocus();
    QTest::keyClick(w->Text1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(ui.prompts.size(), 4);
    EXPECT_EQ(marked(),
              crlf("a<P ALIGN=\"\"><FONT COLOR=\"\" FACE=\"\" SIZE=\"\">word</FONT></P>|b"));
    w->Text1->undo();
    EXPECT_EQ(w->Text1->text(), crlf("awordb"));
}

} // namespace
