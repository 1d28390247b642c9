#include "markup/ImageMarkup.h"
#include "MarkupTest.h"

#include <utility>

using namespace orvel;
using namespace orvel::test;

namespace {

TEST(ImageMarkup, ValuesGoInAsTypedAndHiddenDimensionsStayOut)
{
    ImageFields f{q(R"(x"y<z>.gif)"), true,       q("8"), q("6"), {}, q("0"),
                  q("Left"),          q("A & B"), {},     {}};
    EXPECT_EQ(imageTag(f), q(R"(<IMG SRC="x"y<z>.gif" HEIGHT="8" WIDTH="6" BORDER=0 align="Left" )"
                             R"(ALT="A & B" > )"));
    f.dimensions = false;
    f.percent = q("%");
    EXPECT_FALSE(imageTag(f).contains(q("HEIGHT")));
    for (QString ImageFields::*field : {&ImageFields::height, &ImageFields::width}) {
        ImageFields g = f;
        g.*field = QString();
        EXPECT_TRUE(imageFieldsComplete(g));
        g.dimensions = true;
        EXPECT_FALSE(imageFieldsComplete(g));
    }
}

TEST(ImageMarkup, SpacingFragmentIsEmptyForZeroAndNonNumbers)
{
    const std::pair<const char*, const char*> rows[] = {
        {"0", ""}, {"00", ""}, {"", ""}, {"a5", ""}, {"5a", ""}, {"007", R"( vspace="007")"}};
    for (const auto& [value, fragment] : rows)
        EXPECT_EQ(spacingFragment(q("vspace"), q(value)), q(fragment)) << value;
}

} // namespace
