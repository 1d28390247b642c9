#include "markup/TagAtCaret.h"
#include "MarkupTest.h"

using namespace orvel;
using namespace orvel::test;

namespace {

TEST(TagAtCaret, SpanFromTheLastOpeningBeforeTheCaret)
{
    const struct {
        const char* text;
        int caret;
        int start; // -1: no tag
        int end;   // -1: no ">" follows
    } rows[] = {
        {"ab<font size=3>cd", 6, 2, 15},  // inside an opening tag
        {"ab<font size=3>cd", 15, 2, 15}, // right after its ">"
        {"x<b>text</b>y", 6, 1, 12},      // element text: through the next tag
        {"<p>one", 2, -1, -1},            // only "<" is the first character
        {"<p>one<", 6, -1, -1},           // the caret stands before the second one
        {"no tags here", 5, -1, -1},
        {"a<b>c d", 6, 1, -1}, // past the last ">", not directly after it
        {"a<b", 3, 1, -1},
        {"a<>", 2, 1, 3},
        {"a<b>", 99, 1, 4}, // a caret past the end counts as at the end
    };
    for (const auto& r : rows) {
        const std::optional<CaretTag> tag = tagAtCaret(q(r.text), r.caret);
        if (r.start < 0) {
            EXPECT_FALSE(tag) << r.text << " at " << r.caret;
            continue;
        }
        ASSERT_TRUE(tag) << r.text << " at " << r.caret;
        EXPECT_EQ(tag->start, r.start) << r.text << " at " << r.caret;
        EXPECT_EQ(tag->end.value_or(-1), r.end) << r.text << " at " << r.caret;
    }
    EXPECT_FALSE(tagAtCaret(u"", 0));
    EXPECT_FALSE(tagAtCaret(u"a<b>", -3));
}

} // namespace
