// Freeing a form control's name in the page, without a window.
#include "markup/FormMarkup.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(RenameTaken, RenamesOnlyTheWholeNameAndKeepsTheCaretInPlace)
{
    // The caret is given as a position in `text`; expectedCaret as one in `expected`.
    const struct {
        const char* why;
        const char* text;
        int caret;
        const char* expected;
        int expectedCaret;
        int renamed;
    } rows[] = {
        {"name after the caret", "x NAME=\"textbox1\"", 1, "x NAME=\"textbox1a\"", 1, 1},
        {"name before the caret", "NAME=\"textbox1\" x", 16, "NAME=\"textbox1a\" x", 17, 1},
        {"name ending at the caret stays whole before it", "textbox1", 8, "textbox1a", 9, 1},
        {"name starting at the caret stays after it", "textbox1", 0, "textbox1a", 0, 1},
        {"caret inside the name keeps its place", "textbox1", 4, "textbox1a", 4, 1},
        {"letters other case are another name", "TEXTBOX1 Textbox1", 0, "TEXTBOX1 Textbox1", 0, 0},
        {"longer number is another name", "textbox12 textbox10", 19, "textbox12 textbox10", 19, 0},
        {"inside a longer word", "mytextbox1x", 11, "mytextbox1ax", 12, 1},
        {"followed by a letter already renamed once", "textbox1a", 0, "textbox1aa", 0, 1},
        {"every occurrence, caret counted for those before it", "textbox1 textbox1 textbox1", 18,
         "textbox1a textbox1a textbox1a", 20, 3},
        {"caret inside a later name: only the names before it count", "textbox1 textbox1", 13,
         "textbox1a textbox1a", 14, 2},
        {"skips the longer number but renames the next one", "textbox11textbox1", 17,
         "textbox11textbox1a", 18, 1},
        {"across line ends", "textbox1\r\ntextbox1\r\n", 20, "textbox1a\r\ntextbox1a\r\n", 22, 2},
    };
    for (const auto& row : rows) {
        const Renaming r =
            renameTaken(QString::fromUtf8(row.text), QStringLiteral("textbox1"), row.caret);
        EXPECT_EQ(r.text, QString::fromUtf8(row.expected)) << row.why;
        EXPECT_EQ(r.caret, row.expectedCaret) << row.why;
        EXPECT_EQ(r.renamed, row.renamed) << row.why;
    }
    // An empty name would match everywhere: nothing is renamed.
    const Renaming r = renameTaken(QStringLiteral("abc"), QString(), 2);
    EXPECT_EQ(r.text, QStringLiteral("abc"));
    EXPECT_EQ(r.caret, 2);
    EXPECT_EQ(r.renamed, 0);
}

} // namespace
