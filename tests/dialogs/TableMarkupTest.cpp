// The table builder without a window: placeholder rows and the size guard.
#include "dialogs/TableMarkup.h"

#include <climits>
#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(TableMarkup, RowsHoldOneLinePerCellNamingRowAndColumn)
{
    const struct {
        int rows, cols;
        const char* expected;
    } rows[] = {
        {0, 2, ""},
        {-3, 2, ""},
        {2, 0, "<TR>\r\n</TR>\r\n<TR>\r\n</TR>\r\n"},
        {2, 1,
         "<TR>\r\n <TD> row 1 col 1 </TD> \r\n</TR>\r\n<TR>\r\n <TD> row 2 col 1 </TD> \r\n"
         "</TR>\r\n"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(tableRows(r.rows, r.cols), QString::fromUtf8(r.expected)) << r.rows;
    EXPECT_TRUE(
        tableRows(12, 10).endsWith(QStringLiteral(" <TD> row 12 col 10 </TD> \r\n</TR>\r\n")));
}

// Cell-less rows still cost lines, so they count as one cell each; the products must not
// overflow for counts stepped far beyond two digits.
TEST(TableMarkup, SizeGuardRefusesOnlyBeyondTheCellLimit)
{
    const struct {
        int rows, cols;
        bool tooLarge;
    } rows[] = {
        {100000, 1, false}, {100001, 1, true},    {100001, 0, true},        {1000, 100, false},
        {1000, 101, true},  {-5, INT_MAX, false}, {INT_MAX, INT_MAX, true},
    };
    for (const auto& r : rows)
        EXPECT_EQ(tableTooLarge(r.rows, r.cols), r.tooLarge) << r.rows << "x" << r.cols;
}

} // namespace
