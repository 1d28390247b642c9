// The FONT tag reader, the size rule and the bold/italic/underline toggle.
#include "markup/FontMarkup.h"
#include "MarkupTest.h"
#include "markup/TagMarkup.h"

// A missing attribute leaves the tag text up to the next quote; no quote, nothing.
TEST(FontMarkup, TagReaderCutsValuesAndLeavesPiecesForMissingAttributes)
{
    // tag, colour, face, size
    const std::array<const char*, 4> rows[] = {
        {"<font size=\"4\" face=\"Arial\" color=\"red\">", "red", "Arial", "4"},
        {"<FONT COLOR=\"red\" SIZE=\"2\">", "red", " COLOR=", "2"},
        {"<font size=4>", "", "", ""},
        {"<font color=\"red>", "", " color=", " color="},
        // no ">", names in mixed case
        {"<font Color=\"red\" fAcE=\"Arial\"", "red", "Arial", " Color="},
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
    for (const char* s : {"color=", " size=", "FACE="})
        EXPECT_TRUE(font::isStrayValue(q(s))) << s;
    for (const char* s : {"", "red", "  color=", "color=red"})
        EXPECT_FALSE(font::isStrayValue(q(s))) << s;
    // The reader shows both as "", but an empty value is a value and an unclosed one is none.
    const std::tuple<const char*, const char*, std::optional<QString>> cuts[] = {
        {"<font color=\"\">", "color=\"", QString()},
        {"<font color=\"red>", "color=\"", std::nullopt},
        {"\"", "size=\"", std::nullopt}, // the stand-in marker position lies past the end
    };
    for (const auto& [tag, marker, value] : cuts)
        EXPECT_EQ(font::cutValue(q(tag), q(marker)), value) << tag << " " << marker;
}

// Positions count UTF-16 units, a line end as two characters.
TEST(FontMarkup, TagStartAndEndAreIndexesOrNone)
{
    // text, caret, the last "<" before the caret
    const std::tuple<const char*, int, std::optional<int>> starts[] = {
        {"<b>x", 0, std::nullopt}, {"a<b>c<i>", 8, 5},           {"a<b>c<i>", 5, 1},
        {"a\r\n<b>", 5, 3},        {"\xF0\x9F\x98\x80<b", 4, 2}, {"<a", 99, 0},
        {"<a", -1, std::nullopt},
    };
    for (const auto& [text, caret, start] : starts)
        EXPECT_EQ(font::tagStartBefore(q(text), caret), start) << text << " " << caret;

    // text, from, the first ">" at or after it
    const std::tuple<const char*, int, std::optional<int>> ends[] = {
        {"<b>", 2, 2}, {"<b>", 3, std::nullopt}, {"a>\r\n>", 2, 4}, {"\xF0\x9F\x98\x80>", 0, 2},
        {"x>", -3, 1},
    };
    for (const auto& [text, from, end] : ends)
        EXPECT_EQ(font::tagEndFrom(q(text), from), end) << text << " " << from;
}

TEST(FontMarkup, SizeBoxTakesOneDigitFromOneToSeven)
{
    for (const char* size : {"1", "7"})
        EXPECT_TRUE(font::validFontSize(q(size))) << size;
    for (const char* size : {"", "0", "8", "12", " 3", "+3", "\xD9\xA3"})
        EXPECT_FALSE(font::validFontSize(q(size))) << size;
}

TEST(TagMarkup, ToggleUnwrapsByLengthAndWrapsEverythingElse)
{
    const std::pair<const char*, const char*> rows[] = {
        {"<B>word</I>", "word"}, // the closing characters are dropped unchecked
        {"<B>wo\r\nrd", "wo"},   // CR LF counts as two of them
        // exact case: a lower-case tag is wrapped again
        {"<b>word</b>", "<B><b>word</b></B>"},
        {"<B>ab", "ab"}, // too short to hold both tags: only the opening goes
        {"word</B>", "<B>word</B></B>"},
    };
    for (const auto& [selected, replacement] : rows)
        EXPECT_EQ(toggledText(q(selected), q("<B>"), q("</B>")), q(replacement)) << selected;
}
