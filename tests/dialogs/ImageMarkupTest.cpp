// The IMG and EMBED markup builders, without a window.
#include "dialogs/ImageMarkup.h"
#include "dialogs/ObjectMarkup.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

ImageFields defaults(const QString& source) {
    ImageFields f;
    f.source = source;
    f.height = QStringLiteral("800");
    f.width = QStringLiteral("600");
    f.border = QStringLiteral("0");
    f.alignment = QStringLiteral("Left");
    f.alternate = QStringLiteral("Images not available");
    return f;
}

TEST(ImageMarkup, TagRows) {
    struct Row {
        const char* name;
        ImageFields fields;
        const char* tag;
    };
    ImageFields pixels = defaults(QStringLiteral("a.gif"));
    pixels.dimensions = true;
    pixels.height = QStringLiteral("120");
    pixels.width = QStringLiteral("90");
    ImageFields percent = pixels;
    percent.height = QStringLiteral("50");
    percent.width = QStringLiteral("80");
    percent.percent = QStringLiteral("%");
    ImageFields spaced = defaults(QStringLiteral("b.png"));
    spaced.border = QStringLiteral("2");
    spaced.alignment = QStringLiteral("AbsMiddle");
    spaced.hspace = spacingFragment(QStringLiteral("hspace"), QStringLiteral("5"));
    spaced.vspace = spacingFragment(QStringLiteral("vspace"), QStringLiteral("7"));
    ImageFields raw = defaults(QStringLiteral("x\"y<z>.gif"));
    raw.alternate = QStringLiteral("A & B");
    // Without dimensions the height and width never reach the tag, percent or not.
    ImageFields hidden = defaults(QStringLiteral("c.gif"));
    hidden.percent = QStringLiteral("%");

    const Row rows[] = {
        {"defaults", defaults(QStringLiteral("a.gif")),
         R"(<IMG SRC="a.gif" BORDER=0 align="Left" ALT="Images not available" > )"},
        {"pixels", pixels,
         R"(<IMG SRC="a.gif" HEIGHT="120" WIDTH="90" BORDER=0 align="Left" ALT="Images not available" > )"},
        {"percent", percent,
         R"(<IMG SRC="a.gif" HEIGHT="50%" WIDTH="80%" BORDER=0 align="Left" ALT="Images not available" > )"},
        {"spacing", spaced,
         R"(<IMG SRC="b.png" BORDER=2 align="AbsMiddle" ALT="Images not available"  hspace="5" vspace="7"> )"},
        {"unescaped", raw, R"(<IMG SRC="x"y<z>.gif" BORDER=0 align="Left" ALT="A & B" > )"},
        {"hidden dimensions", hidden,
         R"(<IMG SRC="c.gif" BORDER=0 align="Left" ALT="Images not available" > )"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(imageTag(r.fields), QString::fromUtf8(r.tag)) << r.name;
}

TEST(ImageMarkup, SpacingFragmentIsEmptyForZeroAndNonNumbers) {
    struct Row {
        const char* value;
        const char* fragment;
    };
    const Row rows[] = {
        {"0", ""},
        {"00", ""},
        {"", ""},
        {"a5", ""},
        {"5a", ""},
        {"12", R"( vspace="12")"},
        {"007", R"( vspace="007")"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(spacingFragment(QStringLiteral("vspace"), QString::fromUtf8(r.value)),
                  QString::fromUtf8(r.fragment))
            << r.value;
}

TEST(ImageMarkup, CompletenessDependsOnDimensions) {
    struct Row {
        const char* name;
        bool dimensions;
        QString ImageFields::*field;
        bool complete;
    };
    const Row rows[] = {
        {"source", false, &ImageFields::source, false},
        {"alternate", false, &ImageFields::alternate, false},
        {"border", false, &ImageFields::border, false},
        {"alignment", false, &ImageFields::alignment, false},
        {"height without dimensions", false, &ImageFields::height, true},
        {"width without dimensions", false, &ImageFields::width, true},
        {"height", true, &ImageFields::height, false},
        {"width", true, &ImageFields::width, false},
        {"source with dimensions", true, &ImageFields::source, false},
    };
    for (const Row& r : rows) {
        ImageFields f = defaults(QStringLiteral("a.gif"));
        f.dimensions = r.dimensions;
        EXPECT_TRUE(imageFieldsComplete(f)) << r.name;
        f.*r.field = QString();
        EXPECT_EQ(imageFieldsComplete(f), r.complete) << r.name;
    }
}

TEST(ObjectMarkup, EmbedWithDefaultsAndFlags) {
    ObjectFields f;
    f.source = QStringLiteral("m.mid");
    EXPECT_EQ(embedTag(f),
              QStringLiteral(R"(<EMBED src="m.mid" CONTROLLER="FALSE"  AUTOSTART="FALSE" )"
                             R"(LOOP="FALSE" WIDTH="75" HEIGHT="10" VOLUME="50"> <noembed>)"
                             "Sorry pal, there's no object for you.</noembed>"));
    f.controller = flagText(true);
    f.loop = flagText(true);
    f.width = QStringLiteral("320");
    f.noEmbed = QStringLiteral("<b>none</b>");
    EXPECT_EQ(embedTag(f),
              QStringLiteral(R"(<EMBED src="m.mid" CONTROLLER="TRUE"  AUTOSTART="FALSE" )"
                             R"(LOOP="TRUE" WIDTH="320" HEIGHT="10" VOLUME="50"> <noembed>)"
                             "<b>none</b></noembed>"));
}

} // namespace
