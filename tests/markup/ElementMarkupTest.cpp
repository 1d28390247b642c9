// The parts of the image, rule and table elements the dialogs do not show on their own.
#include "MarkupTest.h"
#include "markup/ImageMarkup.h"
#include "markup/RuleMarkup.h"
#include "markup/TableMarkup.h"

#include <climits>

// The tag itself is checked through the image dialog.
TEST(ImageMarkup, HiddenDimensionsStayOutAndNeedNoValues)
{
    ImageFields f{q("a.gif"), false, q("8"), q("6"), q("%"), q("0"), q("Left"), q("A"), {}, {}};
    EXPECT_FALSE(imageTag(f).contains(q("HEIGHT")));
    for (QString ImageFields::*field : {&ImageFields::height, &ImageFields::width}) {
        ImageFields g = f;
        g.*field = QString();
        EXPECT_TRUE(imageFieldsComplete(g));
        g.dimensions = true;
        EXPECT_FALSE(imageFieldsComplete(g));
    }
    const std::pair<const char*, const char*> spacings[] = {
        {"0", ""}, {"00", ""}, {"5a", ""}, {"007", R"( vspace="007")"}};
    for (const auto& [value, fragment] : spacings)
        EXPECT_EQ(spacingFragment(q("vspace"), q(value)), q(fragment)) << value;
}

TEST(RuleMarkup, FragmentsLeaveDefaultsAndNonNumbersOut)
{
    EXPECT_EQ(rule::alignFragment(q("Center")), QString());
    EXPECT_EQ(rule::colourFragment(q("Black"), false), q(" color=\"Black\""));
    for (const char* notANumber : {"0", "ze=", "4px", " 4", "-1"})
        EXPECT_EQ(rule::sizeFragment(q(notANumber)), QString()) << notANumber;
    // width, percent ticked, the width box afterwards
    const std::tuple<const char*, bool, const char*> widths[] = {
        {"50", true, "50%"},  {"50%", true, "50%"},   {"", true, "100%"},
        {"50%", false, "50"}, {"5%0%", false, "5%0"},
    };
    for (const auto& [width, percent, expected] : widths)
        EXPECT_EQ(rule::percentWidth(q(width), percent), q(expected)) << width << percent;
}

TEST(TableMarkup, RowsNameTheirCellsAndTheSizeGuardCountsCellsWithoutOverflow)
{
    EXPECT_EQ(tableRows(-3, 2), QString());
    EXPECT_TRUE(tableRows(12, 10).endsWith(q(" <TD> row 12 col 10 </TD> \r\n</TR>\r\n")));
    // Cell-less rows still cost lines, so they count as one cell each.
    const std::tuple<int, int, bool> sizes[] = {{100000, 1, false},   {100001, 1, true},
                                                {100001, 0, true},    {1000, 101, true},
                                                {-5, INT_MAX, false}, {INT_MAX, INT_MAX, true}};
    for (const auto& [r, c, tooLarge] : sizes)
        EXPECT_EQ(tableTooLarge(r, c), tooLarge) << r << "x" << c;
}
