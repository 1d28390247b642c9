// The horizontal rule's fragments and tag without a window.
#include "dialogs/RuleMarkup.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

QString q(const char* s)
{
    return QString::fromUtf8(s);
}

TEST(RuleMarkup, FragmentsLeaveDefaultsOut)
{
    EXPECT_EQ(alignFragment(q("Center")), QString());
    EXPECT_EQ(alignFragment(std::nullopt), q(" align=\"\""));
    EXPECT_EQ(colourFragment(q("black"), true), QString());
    EXPECT_EQ(colourFragment(q("Black"), false), q(" color=\"Black\""));
    EXPECT_EQ(colourFragment(q("red"), true), q(" color=\"red\" "));
    EXPECT_EQ(sizeFragment(q("0")), QString());
    EXPECT_EQ(sizeFragment(QString()), QString());
    for (const char* notANumber : {"ze=", "4px", " 4", "-1"})
        EXPECT_EQ(sizeFragment(q(notANumber)), QString()) << notANumber;
    EXPECT_EQ(widthFragment(q("100")), q(" width=100"));
}

TEST(RuleMarkup, PercentageAddsOrDropsOneTrailingSign)
{
    const struct {
        const char* width;
        bool percent;
        const char* expected;
    } rows[] = {
        {"50", true, "50%"},  {"50%", true, "50%"},   {"", true, "100%"},
        {"50%", false, "50"}, {"5%0%", false, "5%0"}, {"", false, ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(percentWidth(q(r.width), r.percent), q(r.expected)) << r.width << r.percent;
}

TEST(RuleMarkup, TagDropsAnEmptyAlignAttribute)
{
    EXPECT_EQ(ruleTag({}), q("<HR>"));
    EXPECT_EQ(ruleTag({q(" align=\"\""), q(" width=10"), {}, {}, q(" NOSHADE")}),
              q("<HR width=10 NOSHADE>"));
}

} // namespace
