#include "markup/RolloverMarkup.h"
#include "MarkupTest.h"

TEST(RolloverMarkup, StyleBlockIsValidCssWithItsPartsInFixedOrder)
{
    // With no box ticked (the dialog's defaults) the block is checked through the dialog.
    rollover::Style s{.colour = q("red"),
                      .size = q("10px"),
                      .decoration = rollover::decorationPart({false, true, true, true, true})};
    s.font = q("Times New Roman");
    s.visibility = rollover::kHiddenPart;
    s.textCase = rollover::kCapitalizePart;
    s.smallCaps = rollover::kSmallCapsPart;
    s.styleItem = q("Bold Italics");
    EXPECT_EQ(rollover::styleBlock(s),
              q("<style rolloverstyle>A:hover {color: red; font-size: 10px; text-decoration: "
                "underline overline blink line-through;visibility: hidden;text-transform: "
                "capitalize; font-variant: small-caps; font-family: Times New Roman; "
                "font-weight: bold; font-style: italic}</style>"));
}

TEST(RolloverMarkup, BlockReplacesAnEarlierOneOrGoesBeforeTheHeadEnd)
{
    const QString block = q("<style rolloverstyle>A:hover {N}</style>");
    // page, where the block goes (-1: nowhere), the length it replaces
    const std::tuple<const char*, int, int> rows[] = {
        {"<HEAD>\r\n<style rolloverstyle>A:hover {old}</style>\r\n</HEAD>", 8, 42},
        {"<head></head>", 6, 0},
        // Near the very start a block is not taken for one.
        {"x<style rolloverstyle>A:hover {x}</style></HEAD>", 41, 0},
        // Never closed: left alone rather than cut at a guess.
        {"<HEAD><style rolloverstyle>A:hover {x</HEAD>", 37, 0},
        {"</HEAD>", -1, 0}, // the head end is looked for after the first character
    };
    for (const auto& [page, start, length] : rows) {
        const auto w = rollover::blockWrite(q(page), block);
        // A new block brings its own line end; a replaced one keeps the old one's.
        const QString text = length ? block : block + q("\r\n");
        EXPECT_EQ(w ? std::tuple(w->start, w->length, w->text) : std::tuple(-1, 0, text),
                  std::tuple(start, length, text))
            << page;
    }
}
