#include "markup/PageMarkup.h"
#include "MarkupTest.h"

using namespace orvel;
using namespace orvel::test;

namespace {

page::BodyFields defaults()
{
    return {.text = q("black"),
            .bgcolor = q("white"),
            .link = q("blue"),
            .vlink = q("maroon"),
            .alink = q("red")};
}

TEST(PageMarkup, BodyTagJoinsItsFragmentsInOrder)
{
    page::BodyFields all = defaults();
    all.watermark = page::watermarkFragment(true);
    all.background = page::backgroundFragment(q("sky.jpg"));
    all.topMargin = page::marginFragment(q("topmargin"), q("0"));
    all.leftMargin = page::marginFragment(q("leftmargin"), q("12"));
    page::BodyFields empty;
    const std::pair<page::BodyFields, const char*> rows[] = {
        {defaults(), "<BODY  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"maroon\" "
                     "alink=\"red\"> "},
        {all, "<BODY bgproperties=\"fixed\" background=\"sky.jpg\"  text=\"black\" "
              "bgcolor=\"white\" link=\"blue\" vlink=\"maroon\" alink=\"red\" topmargin=\"0\" "
              "leftmargin=\"12\"> "},
        {empty, "<BODY  text=\"\" bgcolor=\"\" link=\"\" vlink=\"\" alink=\"\"> "},
    };
    for (const auto& [fields, tag] : rows)
        EXPECT_EQ(page::bodyTag(fields), q(tag));
    EXPECT_EQ(page::backgroundFragment(QString()), QString());
    EXPECT_EQ(page::watermarkFragment(false), QString());
}

TEST(PageMarkup, SoundOnlyWithASource)
{
    EXPECT_EQ(page::soundFragment(q("a.wav"), q("-1")), q("<bgsound src=\"a.wav\" loop=\"-1\">"));
    EXPECT_EQ(page::soundFragment(QString(), q("3")), QString());
}

TEST(PageMarkup, BodyAndHeadFoundInAnyCase)
{
    const std::tuple<const char*, int, int> rows[] = {
        {"<HEAD></HEAD><BODY>", 13, 6},
        {"<head></head>\r\n<body  text=x>", 15, 6},
        {"<html><Body>", 6, -1},
        {"<html>", -1, -1},
    };
    for (const auto& [text, body, head] : rows) {
        EXPECT_EQ(page::findBodyTag(q(text)).value_or(-1), body) << text;
        EXPECT_EQ(page::findHeadEnd(q(text)).value_or(-1), head) << text;
    }
}

TEST(PageMarkup, FirstWriteClosesTheHeadOnce)
{
    const QString body = q("<BODY> ");
    const QString style = q("<style>s</style>");
    const QString page = q("<HEAD>\r\n</HEAD>\r\n<body>\r\n");
    const struct {
        int selStart;
        bool first;
        QString rollover;
        int blockAt; // -1: none
        const char* selection;
    } rows[] = {
        // The page closes its HEAD before the selection: the block goes in front of that tag.
        {17, true, style, 8, "<BODY> \r\nS\r\n\r\n"},
        {15, true, QString(), -1, "<BODY> \r\nS\r\n\r\n"}, // right after "</HEAD>"
        // No closing HEAD before the selection: the first write brings one.
        {14, true, QString(), -1, "</HEAD>\r\n<BODY> \r\nS\r\n\r\n"},
        {2, true, style, -1, "<style>s</style>\r\n</HEAD>\r\n<BODY> \r\nS\r\n\r\n"},
        {17, false, style, -1, "<BODY> \r\nS\r\n\r\n"},
    };
    for (const auto& r : rows) {
        const page::PageWrite w =
            page::pageWrite(page, r.selStart, r.first, r.rollover, body, q("S"));
        EXPECT_EQ(w.blockAt.value_or(-1), r.blockAt) << r.selStart << r.first;
        EXPECT_EQ(w.selection, q(r.selection)) << r.selStart << r.first;
        EXPECT_EQ(w.block, w.blockAt ? style + q("\r\n") : QString());
    }
    const page::PageWrite bare = page::pageWrite(q("<BODY>"), 0, true, {}, body, {});
    EXPECT_EQ(bare.selection, q("</HEAD>\r\n<BODY> \r\n\r\n\r\n"));
}

} // namespace
