// The table builder without a window: rows, cells, header and the size guard.
#include "dialogs/TableMarkup.h"

#include <climits>
#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(TableMarkup, RowsHoldOneLinePerCellNamingRowAndColumn) {
    struct Row {
        int rows, cols;
        const char* expected;
    } rows[] = {
        {0, 2, ""},
        {-3, 2, ""},
        {1, 0, "<TR>\r\n</TR>\r\n"},
        {2, 0, "<TR>\r\n</TR>\r\n<TR>\r\n</TR>\r\n"},
        {1, 3,
         "<TR>\r\n <TD> row 1 col 1 </TD> \r\n <TD> row 1 col 2 </TD> \r\n"
         " <TD> row 1 col 3 </TD> \r\n</TR>\r\n"},
        {2, 1,
         "<TR>\r\n <TD> row 1 col 1 </TD> \r\n</TR>\r\n<TR>\r\n <TD> row 2 col 1 </TD> \r\n"
         "</TR>\r\n"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(tableRows(r.rows, r.cols), QString::fromUtf8(r.expected))
            << r.rows << "x" << r.cols;
}

TEST(TableMarkup, NumbersAreDecimalWithoutPadding) {
    const QString markup = tableRows(12, 10);
    EXPECT_TRUE(markup.endsWith(QStringLiteral(" <TD> row 12 col 10 </TD> \r\n</TR>\r\n")));
    EXPECT_TRUE(markup.contains(QStringLiteral(" <TD> row 9 col 1 </TD> \r\n")));
}

TEST(TableMarkup, HeaderKeepsBoxTextsAndCaptionVerbatim) {
    TableSpec spec;
    spec.border = QStringLiteral("3");
    spec.padding = QStringLiteral("12");
    spec.spacing = QStringLiteral("7");
    spec.caption = QStringLiteral("<b>\"Q&A\"</b>");
    EXPECT_EQ(tableHeader(spec),
              QStringLiteral("<TABLE BORDER=\"3\" CELLPADDING=\"12\" CELLSPACING=\"7\" >  \r\n"
                             "<CAPTION><b>\"Q&A\"</b></CAPTION>\r\n"));
}

TEST(TableMarkup, TableOfZeroRowsHoldsOnlyItsCaption) {
    TableSpec spec;
    spec.rows = 0;
    EXPECT_EQ(tableMarkup(spec) + kTableClose,
              QStringLiteral("<TABLE BORDER=\"1\" CELLPADDING=\"0\" CELLSPACING=\"0\" >  \r\n"
                             "<CAPTION></CAPTION>\r\n</TABLE>\r\n"));
}

// Cell-less rows still cost lines, so they count as one cell each; the products must not
// overflow for counts that were stepped or set far beyond two digits.
TEST(TableMarkup, SizeGuardRefusesOnlyBeyondTheCellLimit) {
    struct Row {
        int rows, cols;
        bool tooLarge;
    } rows[] = {
        {2, 2, false},        {100000, 1, false},       {100001, 1, true}, {100000, 0, false},
        {100001, 0, true},    {1000, 100, false},       {1000, 101, true}, {0, INT_MAX, false},
        {-5, INT_MAX, false}, {INT_MAX, INT_MAX, true}, {1, 100001, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(tableTooLarge(r.rows, r.cols), r.tooLarge) << r.rows << "x" << r.cols;
}

} // namespace
