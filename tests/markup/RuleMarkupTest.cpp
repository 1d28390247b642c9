#include "markup/RuleMarkup.h"
#include "MarkupTest.h"

#include <tuple>

using namespace orvel;
using namespace orvel::test;

namespace {

TEST(RuleMarkup, FragmentsLeaveDefaultsAndNonNumbersOut)
{
    EXPECT_EQ(rule::alignFragment(q("Center")), QString());
    EXPECT_EQ(rule::colourFragment(q("Black"), false), q(" color=\"Black\""));
    for (const char* notANumber : {"", "0", "ze=", "4px", " 4", "-1"})
        EXPECT_EQ(rule::sizeFragment(q(notANumber)), QString()) << notANumber;
}

TEST(RuleMarkup, PercentageAddsOrDropsOneTrailingSign)
{
    const std::tuple<const char*, bool, const char*> rows[] = {
        {"50", true, "50%"},  {"50%", true, "50%"},   {"", true, "100%"},
        {"50%", false, "50"}, {"5%0%", false, "5%0"}, {"", false, ""},
    };
    for (const auto& [width, percent, expected] : rows)
        EXPECT_EQ(rule::percentWidth(q(width), percent), q(expected)) << width << percent;
}

} // namespace
