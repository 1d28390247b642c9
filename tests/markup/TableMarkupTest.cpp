#include "markup/TableMarkup.h"
#include "MarkupTest.h"

#include <climits>
#include <tuple>

using namespace orvel;
using namespace orvel::test;

namespace {

TEST(TableMarkup, RowsNameTheirRowAndColumnAndNegativeCountsGiveNone)
{
    EXPECT_EQ(tableRows(-3, 2), QString());
    EXPECT_TRUE(tableRows(12, 10).endsWith(q(" <TD> row 12 col 10 </TD> \r\n</TR>\r\n")));
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
}

} // namespace
