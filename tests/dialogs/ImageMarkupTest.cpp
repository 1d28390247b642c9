// The IMG and EMBED builders on the cases the dialogs cannot reach through their boxes.
#include "dialogs/ImageMarkup.h"
#include "dialogs/ObjectMarkup.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

ImageFields filled()
{
    return {QStringLiteral("a.gif"),
            true,
            QStringLiteral("8"),
            QStringLiteral("6"),
            {},
            QStringLiteral("0"),
            QStringLiteral("Left"),
            QStringLiteral("alt"),
            {},
            {}};
}

TEST(ImageMarkup, ValuesGoInAsTypedAndHiddenDimensionsStayOut)
{
    ImageFields f = filled();
    f.source = QStringLiteral(R"(x"y<z>.gif)");
    f.alternate = QStringLiteral("A & B");
    EXPECT_EQ(imageTag(f),
              QStringLiteral(R"(<IMG SRC="x"y<z>.gif" HEIGHT="8" WIDTH="6" BORDER=0 align="Left" )"
                             R"(ALT="A & B" > )"));
    f.dimensions = false;
    f.percent = QStringLiteral("%");
    EXPECT_FALSE(imageTag(f).contains(QStringLiteral("HEIGHT")));
}

TEST(ImageMarkup, SpacingFragmentIsEmptyForZeroAndNonNumbers)
{
    const std::pair<const char*, const char*> rows[] = {
        {"0", ""}, {"00", ""}, {"", ""}, {"a5", ""}, {"5a", ""}, {"007", R"( vspace="007")"}};
    for (const auto& [value, fragment] : rows)
        EXPECT_EQ(spacingFragment(QStringLiteral("vspace"), QString::fromLatin1(value)),
                  QString::fromLatin1(fragment))
            << value;
}

TEST(ImageMarkup, HeightAndWidthAreRequiredOnlyWithDimensions)
{
    for (QString ImageFields::*field : {&ImageFields::height, &ImageFields::width}) {
        ImageFields f = filled();
        f.*field = QString();
        EXPECT_FALSE(imageFieldsComplete(f));
        f.dimensions = false;
        EXPECT_TRUE(imageFieldsComplete(f));
    }
}

TEST(ObjectMarkup, FallbackTextGoesInAsTyped)
{
    ObjectFields f;
    f.source = QStringLiteral("m.mid");
    f.noEmbed = QStringLiteral("<b>none</b>");
    EXPECT_TRUE(
        embedTag(f).endsWith(QStringLiteral(R"(VOLUME="50"> <noembed><b>none</b></noembed>)")));
}

} // namespace
