// The horizontal rule's fragments and tag without a window.
#include "dialogs/RuleMarkup.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

QString q(const char* s) {
    return QString::fromUtf8(s);
}

TEST(RuleMarkup, AlignFragmentLeavesTheCentredDefaultOut) {
    EXPECT_EQ(alignFragment(q("Center")), QString());
    EXPECT_EQ(alignFragment(q("Left")), q(" align=\"Left\""));
    EXPECT_EQ(alignFragment(q("Right")), q(" align=\"Right\""));
    EXPECT_EQ(alignFragment(std::nullopt), q(" align=\"\""));
}

TEST(RuleMarkup, ColourChosenFromTheListCarriesATrailingBlank) {
    struct Row {
        const char* colour;
        bool chosen;
        const char* expected;
    } rows[] = {
        {"black", false, ""},
        {"black", true, ""},
        {"Black", false, " color=\"Black\""},
        {"red", false, " color=\"red\""},
        {"red", true, " color=\"red\" "},
        {"#00FF00", false, " color=\"#00FF00\""},
        {"", false, " color=\"\""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(colourFragment(q(r.colour), r.chosen), q(r.expected)) << r.colour;
}

TEST(RuleMarkup, SizeAndWidthFragments) {
    EXPECT_EQ(sizeFragment(q("0")), QString());
    EXPECT_EQ(sizeFragment(QString()), QString());
    EXPECT_EQ(sizeFragment(q("3")), q(" size=\"3\""));
    EXPECT_EQ(sizeFragment(q("12")), q(" size=\"12\""));
    // Unquoted, the percent sign included; "100" without it is pixels like any number.
    EXPECT_EQ(widthFragment(q("50%")), q(" width=50%"));
    EXPECT_EQ(widthFragment(q("100")), q(" width=100"));
    EXPECT_EQ(widthFragment(q("100%")), q(" width=100%"));
    EXPECT_EQ(noShadeFragment(true), q(" NOSHADE"));
    EXPECT_EQ(noShadeFragment(false), QString());
}

TEST(RuleMarkup, PercentageAddsOrDropsOneTrailingSign) {
    struct Row {
        const char* width;
        bool percent;
        const char* expected;
    } rows[] = {
        {"50", true, "50%"}, {"50%", true, "50%"},   {"", true, "100%"}, {"50%", false, "50"},
        {"50", false, "50"}, {"5%0%", false, "5%0"}, {"", false, ""},    {"100", true, "100%"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(percentWidth(q(r.width), r.percent), q(r.expected))
            << r.width << (r.percent ? " ticked" : " unticked");
}

TEST(RuleMarkup, ParserLeftoversAreRecognisedExactly) {
    for (const char* s : {"idth=", "ze=", "lign="}) {
        EXPECT_TRUE(isWidthLeftover(q(s))) << s;
        EXPECT_TRUE(isSizeOrColourLeftover(q(s))) << s;
    }
    EXPECT_TRUE(isWidthLeftover(q("ign=")));
    EXPECT_FALSE(isSizeOrColourLeftover(q("ign=")));
    for (const char* s : {"width=", " ze=", "ze", "", "50", "red"}) {
        EXPECT_FALSE(isWidthLeftover(q(s))) << s;
        EXPECT_FALSE(isSizeOrColourLeftover(q(s))) << s;
    }
}

TEST(RuleMarkup, TagJoinsFragmentsInFixedOrder) {
    EXPECT_EQ(ruleTag({}), q("<HR>"));
    EXPECT_EQ(ruleTag({q(" align=\"Left\""), q(" width=50%"), q(" size=\"3\""),
                       q(" color=\"red\" "), q(" NOSHADE")}),
              q("<HR align=\"Left\" width=50% size=\"3\" color=\"red\"  NOSHADE>"));
    // No alignment chosen at all: the empty attribute is dropped.
    EXPECT_EQ(ruleTag({q(" align=\"\""), q(" width=10"), {}, {}, {}}), q("<HR width=10>"));
}

} // namespace
