// The tag toggle of the bold, italic and underline buttons, shared with the font dialog.
#include "markup/TagMarkup.h"
#include "MarkupTest.h"

#include <utility>

using namespace orvel;
using namespace orvel::test;

namespace {

TEST(TagMarkup, ToggleUnwrapsByLengthAndWrapsEverythingElse)
{
    const std::pair<const char*, const char*> rows[] = {
        {"word", "<B>word</B>"},
        {"<B>word</B>", "word"},
        // the closing characters are dropped unchecked
        {"<B>word</I>", "word"},
        {"<B>wo\r\nrd", "wo"}, // CR LF counts as two of them
        // exact case: a lower-case tag is wrapped again
        {"<b>word</b>", "<B><b>word</b></B>"},
        // too short to hold both tags: only the opening goes
        {"<B>ab", "ab"},
        {"<B>", ""},
        {"word</B>", "<B>word</B></B>"},
    };
    for (const auto& [selected, replacement] : rows)
        EXPECT_EQ(toggledText(q(selected), q("<B>"), q("</B>")), q(replacement)) << selected;
}

} // namespace
