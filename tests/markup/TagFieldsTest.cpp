// Reading a tag back into the fields of the dialog that builds it.
#include "markup/TagFields.h"
#include "MarkupTest.h"

#include <QStringList>
#include <vector>

using namespace orvel::correct;

namespace {

std::optional<QString> o(const char* s)
{
    return s ? std::optional(q(s)) : std::nullopt;
}

TEST(TagFields, KindsByTheirFirstCharacters)
{
    const std::tuple<const char*, std::vector<Kind>> rows[] = {
        {"<IMG SRC=\"a\">", {Kind::Image}},
        {"<Img SRC=\"a\">", {}},
        {"<font size=\"2\">", {Kind::Font}},
        {"<FONT>", {}}, // a font tag needs its blank
        {"<fOnt x>", {}},
        {"<hr>", {Kind::Rule}},
        {"<HR width=5>", {Kind::Rule}},
        {"<Hr>", {}},
        {"<A HREF=\"mailto:x@y\">", {Kind::MailLink, Kind::Hyperlink}},
        {"<A HREF=\"x.html\">", {Kind::Hyperlink}},
        {"<a href=\"x.html\">", {}},
        {"", {}},
    };
    for (const auto& [tag, expected] : rows) {
        std::vector<Kind> found;
        for (const Kind k : kinds())
            if (isKind(k, q(tag)))
                found.push_back(k);
        EXPECT_EQ(found, expected) << tag;
    }
}

TEST(TagFields, AttributeValues)
{
    // tag, marker, quoted value, bare value (nullptr: missing)
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"<X A=\"1\" B=\"2\">", "B=\"", "2", "2\""},
        {"<X A=\"\">", "A=\"", "", "\""},
        {"<X a=\"1\">", "A=\"", nullptr, nullptr}, // exact case
        {"<X A=\"open>", "A=\"", "open", "open"}, // a quote never closed ends at the ">"
        {"<X B=3 C=4>", "B=", "3 C=4", "3"},
        {"<X B=3>", "B=", "3", "3"},
        {"<X B=>", "B=", "", ""},
    };
    for (const auto& [tag, marker, quoted, bare] : rows) {
        EXPECT_EQ(quotedValue(q(tag), q(marker)), o(quoted)) << tag;
        EXPECT_EQ(bareValue(q(tag), q(marker)), o(bare)) << tag;
    }
}

TEST(TagFields, Image)
{
    const auto row = [](const ImageValues& v) {
        return QStringList{v.url,
                           v.height,
                           v.width,
                           v.dimensions ? "dim" : "-",
                           v.alternate.value_or("(none)"),
                           v.alignment,
                           v.border}
            .join(u'|');
    };
    const std::pair<const char*, const char*> rows[] = {
        {"<IMG SRC=\"a.gif\">", "a.gif|800|600|-|(none)|Left|0"},
        {"<IMG SRC=\"a.gif\" HEIGHT=\"50%\" WIDTH=\"80\" BORDER=2 align=\"Top\" ALT=\"x\" > ",
         "a.gif|50%|80|dim|x|Top|2"},
        {"<IMG SRC=\"a\" HEIGHT=\"x1\" BORDER=4>", "a|800|600|-|(none)|Left|4"},
        {"<IMG SRC=\"a\" WIDTH=\"7\" BORDER=big ALT=\"\">", "a|800|7|dim||Left|0"},
        {"<IMG BORDER=1 SRC=x>", "|800|600|-|(none)|Left|1"},
        {"<IMG ALT=\"first\" SRC=\"a\">", "first|800|600|-|first|Left|0"}, // the first quotes
    };
    for (const auto& [tag, expected] : rows)
        EXPECT_EQ(row(readImage(q(tag))), q(expected)) << tag;
}

TEST(TagFields, FontRuleAndLinks)
{
    const FontValues rgb = readFont(q("<FONT color=\"#CCFFCC\" face=\"Arial\" size=\"4\">"));
    EXPECT_EQ(std::tuple(rgb.rgb, rgb.colour, rgb.face, rgb.size),
              std::tuple(o("CCFFCC"), o(""), o("Arial"), o("4")));
    const FontValues named = readFont(q("<font color=\"red\">"));
    EXPECT_EQ(std::tuple(named.rgb, named.colour, named.face, named.size),
              std::tuple(o(nullptr), o("red"), o(nullptr), o(nullptr)));

    const RuleValues rule =
        readRule(q("<HR align=\"Left\" width=50% size=\"3\" color=\"red\"  NOSHADE>"));
    EXPECT_EQ(QStringList({rule.align, rule.width, rule.size, rule.colour}),
              QStringList({"Left", "50%", "3", "red"}));
    EXPECT_EQ(readRule(q("<hr width=100>")).width, q("100"));

    const MailValues mail = readMail(q("<A HREF=\"mailto:me@x.org?subject=Hi\" TITLE=\"tip\">"));
    EXPECT_EQ(QStringList({mail.address, mail.title, mail.subject}),
              QStringList({"me@x.org?subject=Hi", "tip", "Hi"}));
    const LinkValues link = readLink(q("<A HREF=\"x.html\" TITLE=\"\" target=\"_top\">"));
    EXPECT_EQ(QStringList({link.url, link.title}), QStringList({"x.html", ""}));
}

} // namespace
