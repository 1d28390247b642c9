// The piecewise searches of the commands, across the pieces they read the text in.
#include "assist/TextSearch.h"
#include "editor/StringText.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(TextSearch, ForwardAndBackward)
{
    // A match that straddles the first piece's end, and one far beyond it.
    const QString page = QString(510, u'a') + QStringLiteral("</B>") + QString(5000, u'b') +
                         QStringLiteral("<\r\n>");
    StringText t(page);
    const struct {
        const char* needle;
        int from;
        int until;
        int found;
    } rows[] = {
        {"</B>", 0, 1 << 30, 510}, {"</B>", 0, 511, 510}, // it may start just before the limit
        {"</B>", 0, 510, -1},      {"</B>", 511, 1 << 30, -1}, {"\r\n>", 0, 1 << 30, 5515},
        {">", -5, 1 << 30, 513},   {">", 514, 1 << 30, 5517},  {"", 7, 1 << 30, 7},
    };
    for (const auto& r : rows)
        EXPECT_EQ(findForward(t, QString::fromUtf8(r.needle), r.from, r.until), r.found)
            << r.needle << " from " << r.from;

    EXPECT_EQ(findBackward(t, u'<', t.length()), 5514);
    EXPECT_EQ(findBackward(t, u'<', 5514), 510);
    EXPECT_EQ(findBackward(t, u'<', 510), -1);
    EXPECT_EQ(findBackward(t, u'<', 1 << 30), 5514);
}

} // namespace
