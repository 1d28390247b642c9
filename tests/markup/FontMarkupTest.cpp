// The FONT builders of the toolbar and the font dialogs, and the reader of FONT opening tags.
#include "markup/FontMarkup.h"
#include "MarkupTest.h"

#include <array>
#include <optional>
#include <tuple>

using namespace orvel;
using namespace orvel::test;

namespace {

// A missing attribute leaves the piece of tag text between "<font" and the next quote; with no
// quote anywhere, or no closing quote, there is nothing to cut.
TEST(FontMarkup, TagReaderCutsValuesAndLeavesPiecesForMissingAttributes)
{
    // tag, colour, face, size
    const std::array<const char*, 4> rows[] = {
        {"<font color=\"#CCFFCC\" face=\"Arial\" size=\"4\">", "#CCFFCC", "Arial", "4"},
        {"<font size=\"4\" face=\"Arial\" color=\"red\">", "red", "Arial", "4"},
        {"<FONT COLOR=\"red\" SIZE=\"2\">", "red", " COLOR=", "2"},
        {"<font color=\"\">", "", " color=", " color="},
        {"<font size=4>", "", "", ""},
        {"<font color=\"red>", "", " color=", " color="},
        // no ">", names in mixed case
        {"<font Color=\"red\" fAcE=\"Arial\"", "red", "Arial", " Color="},
        // the last value lacks its closing quote
        {"<font size=\"4", "size=", " size=", ""},
        // doubled quotes close at once; a quote inside a value ends it
        {"<font color=\"\"red\"\">", "", " color=", " color="},
        {"<font face=\"a \"b\" c\">", "face=", "a ", " face="},
        // line ends inside the tag, and a face outside the basic plane (two UTF-16 units)
        {"<font\r\ncolor=\"red\"\r\nsize=\"5\">", "red", "\r\ncolor=", "5"},
        {"<font face=\"\xF0\x9F\x98\x80\" size=\"7\">", "face=", "\xF0\x9F\x98\x80", "7"},
    };
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

// An empty value is a value; a value that no quote closes is none.
TEST(FontMarkup, CutValueTellsAnEmptyValueFromNone)
{
    const std::tuple<const char*, const char*, std::optional<QString>> rows[] = {
        {"<font color=\"\">", "color=\"", QString()},
        {"<font color=\"red>", "color=\"", std::nullopt},
        {"<font>", "face=\"", std::nullopt},
        {"\"", "size=\"", std::nullopt},
    };
    for (const auto& [tag, marker, value] : rows)
        EXPECT_EQ(font::cutValue(q(tag), q(marker)), value) << tag << " " << marker;
}

// Positions count UTF-16 units, a line end as two characters.
TEST(FontMarkup, TagStartAndEndAreIndexesOrNone)
{
    // text, caret, the last "<" before the caret
    const std::tuple<const char*, int, std::optional<int>> starts[] = {
        {"<b>x", 0, std::nullopt}, {"<b>x", 1, 0},     {"a<b>c<i>", 8, 5},
        {"a<b>c<i>", 5, 1},        {"a\r\n<b>", 5, 3}, {"\xF0\x9F\x98\x80<b", 4, 2},
        {"abc", 3, std::nullopt},  {"<a", 99, 0},      {"<a", -1, std::nullopt},
    };
    for (const auto& [text, caret, start] : starts)
        EXPECT_EQ(font::tagStartBefore(q(text), caret), start) << text << " " << caret;

    // text, from, the first ">" at or after it
    const std::tuple<const char*, int, std::optional<int>> ends[] = {
        {"<b>", 0, 2},           {"<b>", 2, 2},     {"<b>", 3, std::nullopt},
        {"<b", 0, std::nullopt}, {"a>\r\n>", 2, 4}, {"\xF0\x9F\x98\x80>", 0, 2},
        {"x>", -3, 1},
    };
    for (const auto& [text, from, end] : ends)
        EXPECT_EQ(font::tagEndFrom(q(text), from), end) << text << " " << from;
}

TEST(FontMarkup, ToolbarTagsAndTheTwoClickRule)
{
    const std::tuple<TagPair, const char*, const char*> tags[] = {
        {font::faceTags(q("Arial")), "<font face=\"Arial\">", " </font>"},
        {font::sizeTags(q("5")), "<font size=\"5\">", "</font>"},
        {font::colourTags(q("red")), "<font color=\"red\">", " </font>"},
    };
    for (const auto& [pair, open, close] : tags) {
        EXPECT_EQ(pair.open, q(open));
        EXPECT_EQ(pair.close, q(close));
    }
    EXPECT_EQ(font::rgbColourWrap(q("CCFFCC"), q("w")), q("<font color=\"#CCFFCC\">w </font>"));

    // selected, flag before, text, flag after
    const TagPair size = font::sizeTags(q("2"));
    const std::tuple<const char*, bool, const char*, bool> clicks[] = {
        {"w", true, "<font size=\"2\">w</font>", true},
        {"w", false, "<font size=\"2\">w</font>", false},
        {"", true, "<font size=\"2\">", false},
        {"", false, "</font>", true},
    };
    for (const auto& [selected, first, text, firstAfter] : clicks) {
        const font::FontEdit edit = font::fontEdit(q(selected), first, size);
        EXPECT_EQ(edit.text, q(text)) << selected << first;
        EXPECT_EQ(edit.first, firstAfter) << selected << first;
    }
}

TEST(FontMarkup, SizeBoxTakesOneDigitFromOneToSeven)
{
    for (const char* size : {"1", "4", "7"})
        EXPECT_TRUE(font::validFontSize(q(size))) << size;
    for (const char* size : {"", "0", "8", "12", " 3", "+3", "\xD9\xA3"})
        EXPECT_FALSE(font::validFontSize(q(size))) << size;
}

} // namespace
