// The dialogs' markup rules on their own, where the dialogs cannot reach every case.
#include "DialogTest.h"
#include "dialogs/FontMarkup.h"
#include "dialogs/RuleMarkup.h"
#include "dialogs/TableMarkup.h"

#include <climits>

using namespace orvel;
using namespace orvel::test;

namespace {

// A missing attribute leaves the piece of tag text between "<font" and the next quote; with no
// quote anywhere, or no closing quote, there is nothing to cut.
TEST(FontMarkup, TagReaderCutsValuesAndLeavesPiecesForMissingAttributes)
{
    // tag, colour, face, size
    const std::array<const char*, 4> rows[] = {
        {"<font size=\"4\" face=\"Arial\" color=\"red\">", "red", "Arial", "4"},
        {"<FONT COLOR=\"red\" SIZE=\"2\">", "red", " COLOR=", "2"},
        {"<font color=\"\">", "", " color=", " color="},
        {"<font size=4>", "", "", ""},
        {"<font color=\"red>", "", " color=", " color="}};
    for (const auto& [tag, colour, face, size] : rows) {
        const font::TagValues v = font::readFontTag(q(tag));
        EXPECT_EQ(v.colour + u'|' + v.face + u'|' + v.size,
                  q(colour) + u'|' + q(face) + u'|' + q(size));
    }
    for (const char* s : {"color=", " size=", "face=", "COLOR="})
        EXPECT_TRUE(font::isStrayValue(q(s))) << s;
    for (const char* s : {"", "red", "  color=", "color=red"})
        EXPECT_FALSE(font::isStrayValue(q(s))) << s;
}

// A height that reaches the rule from an opener may be anything.
TEST(RuleMarkup, SizeFragmentLeavesNonNumbersOut)
{
    for (const char* notANumber : {"", "0", "ze=", "4px", " 4", "-1"})
        EXPECT_EQ(sizeFragment(q(notANumber)), QString()) << notANumber;
}

// Cell-less rows still cost lines, so they count as one cell each; the products must not
// overflow for counts stepped far beyond two digits.
TEST(TableMarkup, SizeGuardRefusesOnlyBeyondTheCellLimit)
{
    const std::tuple<int, int, bool> rows[] = {
        {100000, 1, false}, {100001, 1, true},    {100001, 0, true},       {1000, 100, false},
        {1000, 101, true},  {-5, INT_MAX, false}, {INT_MAX, INT_MAX, true}};
    for (const auto& [r, c, tooLarge] : rows)
        EXPECT_EQ(tableTooLarge(r, c), tooLarge) << r << "x" << c;
    EXPECT_EQ(tableRows(-3, 2), QString());
    EXPECT_TRUE(tableRows(12, 10).endsWith(q(" <TD> row 12 col 10 </TD> \r\n</TR>\r\n")));
}

} // namespace
