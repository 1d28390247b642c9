// Reading a FONT opening tag back: the attribute values and the tag's bounds.
#include "dialogs/FontMarkup.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

QString q(const char* s)
{
    return QString::fromUtf8(s);
}

// A missing attribute leaves the piece of tag text between "<font" and the next quote.
TEST(FontMarkupTest, TagReaderCutsValuesAndLeavesPiecesForMissingAttributes)
{
    const struct {
        const char *tag, *colour, *face, *size;
    } rows[] = {
        {"<font color=\"#CCFFCC\" face=\"Arial\" size=\"4\">", "#CCFFCC", "Arial", "4"},
        {"<font size=\"4\" face=\"Arial\" color=\"red\">", "red", "Arial", "4"},
        {"<font size=\"4\">", "size=", " size=", "4"},
        {"<font face=\"Arial\">", "face=", "Arial", " face="},
        {"<font color=\"red\">", "red", " color=", " color="},
        {"<FONT COLOR=\"red\" SIZE=\"2\">", "red", " COLOR=", "2"},
        {"<font color=\"\">", "", " color=", " color="},
        // no quote anywhere, or no closing quote: nothing to cut
        {"<font size=4>", "", "", ""},
        {"<font color=\"red>", "", " color=", " color="},
    };
    for (const auto& r : rows) {
        const font::TagValues v = font::readFontTag(q(r.tag));
        EXPECT_EQ(v.colour, q(r.colour)) << r.tag;
        EXPECT_EQ(v.face, q(r.face)) << r.tag;
        EXPECT_EQ(v.size, q(r.size)) << r.tag;
    }
    for (const char* s : {"color=", " size=", "face=", "COLOR="})
        EXPECT_TRUE(font::isStrayValue(q(s))) << s;
    for (const char* s : {"", "red", "  color=", "color=red"})
        EXPECT_FALSE(font::isStrayValue(q(s))) << s;
}

TEST(FontMarkupTest, TagStartIsZeroBasedAndTagEndOneBased)
{
    const QString text = q(" <b><font size=\"2\">x");
    EXPECT_EQ(font::tagStartBefore(text, 1), -1);
    EXPECT_EQ(font::tagStartBefore(text, 2), 1);
    EXPECT_EQ(font::tagStartBefore(text, 6), 4);
    EXPECT_EQ(font::tagEndFrom(text, 4), 4); // the ">" at the position itself
    EXPECT_EQ(font::tagEndFrom(text, 5), 19);
    EXPECT_EQ(font::tagEndFrom(text, 20), 0);
}

} // namespace
