#include "markup/PageMarkup.h"
#include "MarkupTest.h"

TEST(PageMarkup, BodyTagJoinsItsFragmentsInOrder)
{
    EXPECT_EQ(page::bodyTag({}),
              q("<BODY  text=\"\" bgcolor=\"\" link=\"\" vlink=\"\" alink=\"\"> "));
    page::BodyFields all{{}, {}, q("black"), q("white"), q("blue"), q("maroon"), q("red")};
    all.watermark = page::watermarkFragment(true);
    all.background = page::backgroundFragment(q("sky.jpg"));
    all.topMargin = page::marginFragment(q("topmargin"), q("0"));
    all.leftMargin = page::marginFragment(q("leftmargin"), q("12"));
    EXPECT_EQ(page::bodyTag(all),
              q("<BODY bgproperties=\"fixed\" background=\"sky.jpg\"  text=\"black\" "
                "bgcolor=\"white\" link=\"blue\" vlink=\"maroon\" alink=\"red\" topmargin=\"0\" "
                "leftmargin=\"12\"> "));
    EXPECT_EQ(page::backgroundFragment(QString()) + page::watermarkFragment(false) +
                  page::soundFragment(QString(), q("3")),
              QString());
    EXPECT_EQ(page::soundFragment(q("a.wav"), q("-1")), q("<bgsound src=\"a.wav\" loop=\"-1\">"));
}

TEST(PageMarkup, FirstWriteClosesTheHeadOnceFoundInAnyCase)
{
    const std::tuple<const char*, int, int> finds[] = {
        {"<HEAD></HEAD>", -1, 6},
        {"<head></head>\r\n<body  text=x>", 15, 6},
        {"<html><Body>", 6, -1},
    };
    for (const auto& [text, body, head] : finds) {
        EXPECT_EQ(page::findBodyTag(q(text)).value_or(-1), body) << text;
        EXPECT_EQ(page::findHeadEnd(q(text)).value_or(-1), head) << text;
    }
    const QString style = q("<style>s</style>");
    // The edges; a head end well before the selection, and a later write, are the page
    // properties dialog's tests.
    // selection start, first write, rollover block, where it goes (-1: nowhere), selection
    const std::tuple<int, bool, QString, int, const char*> writes[] = {
        {15, true, QString(), -1, "<BODY> \r\nS\r\n\r\n"}, // right after "</HEAD>"
        // No closing HEAD before the selection: the first write brings one.
        {14, true, QString(), -1, "</HEAD>\r\n<BODY> \r\nS\r\n\r\n"},
        {2, true, style, -1, "<style>s</style>\r\n</HEAD>\r\n<BODY> \r\nS\r\n\r\n"},
    };
    for (const auto& [selStart, first, rollover, blockAt, selection] : writes) {
        const page::PageWrite w = page::pageWrite(u"<HEAD>\r\n</HEAD>\r\n<body>\r\n", selStart,
                                                  first, rollover, q("<BODY> "), q("S"));
        EXPECT_EQ(w.blockAt.value_or(-1), blockAt) << selStart << first;
        EXPECT_EQ(w.selection, q(selection)) << selStart << first;
        EXPECT_EQ(w.block, w.blockAt ? style + q("\r\n") : QString());
    }
}
