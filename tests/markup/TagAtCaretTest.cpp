#include "markup/TagAtCaret.h"
#include "MarkupTest.h"

TEST(TagAtCaret, SpanFromTheLastOpeningBeforeTheCaret)
{
    // text, caret, the tag's start and end (-1: no tag, or no ">" follows)
    const std::tuple<const char*, int, int, int> rows[] = {
        {"ab<font size=3>cd", 6, 2, 15},  // inside an opening tag
        {"ab<font size=3>cd", 15, 2, 15}, // right after its ">"
        {"x<b>text</b>y", 6, 1, 12},      // element text: through the next tag
        {"<p>one", 2, -1, -1},            // only "<" is the first character
        {"<p>one<", 6, -1, -1},           // the caret stands before the second one
        {"a<b>c d", 6, 1, -1},            // past the last ">", not directly after it
        {"a<b>", 99, 1, 4},               // a caret past the end counts as at the end
        {"a<b>", 0, -1, -1},
        {"a<b>", -3, -1, -1},
    };
    for (const auto& [text, caret, start, end] : rows) {
        const std::optional<CaretTag> tag = tagAtCaret(q(text), caret);
        EXPECT_EQ(tag ? std::pair(tag->start, tag->end.value_or(-1)) : std::pair(-1, -1),
                  std::pair(start, end))
            << text << " at " << caret;
    }
}
