#include "markup/RolloverMarkup.h"
#include "MarkupTest.h"

using namespace orvel;
using namespace orvel::test;

namespace {

TEST(RolloverMarkup, DecorationsInFixedOrder)
{
    const std::pair<rollover::Decorations, const char*> rows[] = {
        {{}, ""},
        {{.underline = true, .blink = true}, "text-decoration: underline blink;"},
        {{true, true, true, true, true},
         "text-decoration: none underline overline blink "
         "line-through;"},
        {{.strike = true}, "text-decoration: line-through;"},
    };
    for (const auto& [d, part] : rows)
        EXPECT_EQ(rollover::decorationPart(d), q(part));
}

TEST(RolloverMarkup, StyleItemsGiveValidDeclarations)
{
    const std::pair<const char*, const char*> rows[] = {
        {"Normal", "font-weight: normal"},
        {"Italics", "font-style: italic"},
        {"Oblique", "font-style: oblique"},
        {"Bold", "font-weight: bold"},
        {"Bold Italics", "font-weight: bold; font-style: italic"},
        {"", "font-weight: normal"},
    };
    for (const auto& [item, css] : rows)
        EXPECT_EQ(rollover::styleDeclarations(q(item)), q(css)) << item;
}

TEST(RolloverMarkup, BlockJoinsItsParts)
{
    rollover::Style s{.colour = q("red"),
                      .size = q("10px"),
                      .font = q("Times New Roman"),
                      .styleItem = q("Normal")};
    EXPECT_EQ(rollover::styleBlock(s),
              q("<style rolloverstyle>A:hover {color: red; font-size: 10px;  font-family: Times "
                "New Roman; font-weight: normal}</style>"));
    s = {q("navy"),
         q("2mm"),
         rollover::decorationPart({.overline = true}),
         rollover::kHiddenPart,
         rollover::kCapitalizePart,
         rollover::kSmallCapsPart,
         q("Arial"),
         q("Bold Italics")};
    EXPECT_EQ(rollover::styleBlock(s),
              q("<style rolloverstyle>A:hover {color: navy; font-size: 2mm; text-decoration: "
                "overline;visibility: hidden;text-transform: capitalize; font-variant: "
                "small-caps; font-family: Arial; font-weight: bold; font-style: italic}</style>"));
}

TEST(RolloverMarkup, BlockReplacesAnEarlierOneOrGoesBeforeTheHeadEnd)
{
    const QString block = q("<style rolloverstyle>A:hover {N}</style>");
    const struct {
        const char* page;
        int start; // -1: nowhere to write
        int length;
        bool lineEnd;
    } rows[] = {
        {"<HEAD>\r\n<style rolloverstyle>A:hover {old}</style>\r\n</HEAD>", 8, 42, false},
        {"<HEAD>\r\n</HEAD><BODY>", 8, 0, true},
        {"<head></head>", 6, 0, true},
        // At the very start a block is not taken for one.
        {"<style rolloverstyle>A:hover {x}</style></HEAD>", 40, 0, true},
        {"x<style rolloverstyle>A:hover {x}</style></HEAD>", 41, 0, true},
        // Never closed: left alone rather than cut at a guess.
        {"<HEAD><style rolloverstyle>A:hover {x</HEAD>", 37, 0, true},
        {"</HEAD>", -1, 0, false},
        {"<BODY>", -1, 0, false},
    };
    for (const auto& r : rows) {
        const auto w = rollover::blockWrite(q(r.page), block);
        if (r.start < 0) {
            EXPECT_FALSE(w) << r.page;
            continue;
        }
        ASSERT_TRUE(w) << r.page;
        EXPECT_EQ(w->start, r.start) << r.page;
        EXPECT_EQ(w->length, r.length) << r.page;
        EXPECT_EQ(w->text, r.lineEnd ? block + q("\r\n") : block) << r.page;
    }
}

} // namespace
