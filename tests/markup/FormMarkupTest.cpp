// Freeing a form control's name in the page, without a window.
#include "markup/FormMarkup.h"
#include "MarkupTest.h"

TEST(RenameTaken, RenamesOnlyTheWholeNameAndKeepsTheCaretInPlace)
{
    // text, caret, the text afterwards, the caret in it, occurrences renamed
    const std::tuple<const char*, int, const char*, int, int> rows[] = {
        {"textbox1", 8, "textbox1a", 9, 1}, // a name ending at the caret stays whole before it
        {"textbox1", 0, "textbox1a", 0, 1}, // one starting there stays after it
        {"textbox1", 4, "textbox1a", 4, 1}, // a caret inside the name keeps its place
        {"TEXTBOX1 Textbox1", 0, "TEXTBOX1 Textbox1", 0, 0},       // case counts
        {"textbox12 textbox10", 19, "textbox12 textbox10", 19, 0}, // longer numbers
        {"mytextbox1x", 11, "mytextbox1ax", 12, 1}, // letters around it do not end the name
        {"textbox1 textbox1 textbox1", 18, "textbox1a textbox1a textbox1a", 20, 3},
        {"textbox11textbox1", 17, "textbox11textbox1a", 18, 1}, // the search goes on after a skip
        {"textbox1\r\ntextbox1\r\n", 20, "textbox1a\r\ntextbox1a\r\n", 22, 2},
    };
    for (const auto& [text, caret, expected, expectedCaret, renamed] : rows) {
        const Renaming r = renameTaken(q(text), q("textbox1"), caret);
        EXPECT_EQ(r.text, q(expected)) << text << " at " << caret;
        EXPECT_EQ(std::pair(r.caret, r.renamed), std::pair(expectedCaret, renamed)) << text;
    }
    // An empty name would match everywhere: nothing is renamed.
    const Renaming none = renameTaken(q("abc"), QString(), 2);
    EXPECT_TRUE(none.text == q("abc") && none.caret == 2 && none.renamed == 0);
}
