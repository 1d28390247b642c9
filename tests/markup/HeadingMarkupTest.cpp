#include "markup/HeadingMarkup.h"
#include "MarkupTest.h"

#include <tuple>

using namespace orvel;
using namespace orvel::test;

namespace {

TEST(HeadingMarkup, LevelAndAlignmentGoInAsTyped)
{
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"1", "Left", "Welcome", R"(<H1 ALIGN="Left">Welcome</H1>)"},
        {"3", "Center", "", R"(<H3 ALIGN="Center"></H3>)"},
        {"9x", "middle", "A <b>b</b>", R"(<H9x ALIGN="middle">A <b>b</b></H9x>)"},
    };
    for (const auto& [level, align, text, element] : rows)
        EXPECT_EQ(headingElement({q(level), q(align), q(text)}), q(element)) << level;
}

} // namespace
