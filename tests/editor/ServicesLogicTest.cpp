// The editing services' plain logic on the string twin of the page: searching, Replace All, the
// text transforms, the bookmark scan and the temporary clipboard's two lists.
#include "editor/Bookmarks.h"
#include "editor/Find.h"
#include "editor/StringText.h"
#include "editor/TempClipboard.h"
#include "editor/Transforms.h"
#include "support/Fixtures.h"

using namespace orvel;
using orvel::test::crlf;

namespace {

QString u(const char* s)
{
    return QString::fromUtf8(s);
}

TEST(TransformsTest, LetterRules)
{
    const struct {
        QString (*convert)(const QString&);
        const char *in, *out;
    } rows[] = {
        // Both ends of both ASCII ranges; digits, blanks, punctuation and other letters stay.
        {invertedCase, "AZaz09 @[`{ \u00e9\u00c9", "azAZ09 @[`{ \u00e9\u00c9"},
        {titleCase, "hELLO wORLD", "Hello World"},
        // Only the blank separates words.
        {titleCase, "one\ttwo\nthree <b>four", "One\ttwo\nthree <b>four"},
        // The lower-casing is the full one; the capital after a blank is ASCII only.
        {titleCase, "\u00c9T\u00c9 \u00e9t\u00e9 ab", "\u00e9t\u00e9 \u00e9t\u00e9 Ab"},
        {titleCase, " lead", " Lead"},
        {sentenceCase, "one. two.three", "one. Two.Three"},
        {sentenceCase, "index.html.  x .y", "index.Html.  x .Y"},
        {sentenceCase, "end.\nnext. \u00e9t\u00e9", "end.\nnext. \u00e9t\u00e9"},
        {tabified, "a\nb", "       a\n       b"},
        {tabified, "a\n", "       a\n       "},
        {tabified, "", "       "},
        {indented, "x", "<blockquote><P>x</P></blockquote>"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.convert(crlf(r.in)), crlf(r.out)) << r.in;
}

// Searches read the page in windows: matches on and across window edges, far from the start,
// and in both directions.
TEST(FindTest, SearchesReachEveryPartOfALongPage)
{
    QString page(300000, u'.');
    for (int at : {5, 65535, 65536 * 3 - 2, 299990})
        page.replace(at, 4, QStringLiteral("Word"));
    const StringText t(page);
    EXPECT_EQ(findForward(t, u("word"), 0, Qt::CaseSensitive), -1);
    EXPECT_EQ(findForward(t, u("word"), 0, Qt::CaseInsensitive), 5);
    EXPECT_EQ(findForward(t, u("Word"), 6, Qt::CaseSensitive), 65535);
    EXPECT_EQ(findForward(t, u("Word"), 65536, Qt::CaseSensitive), 65536 * 3 - 2);
    EXPECT_EQ(findForward(t, u("Word"), 65536 * 3, Qt::CaseSensitive), 299990);
    EXPECT_EQ(findForward(t, u("Word"), 299991, Qt::CaseSensitive), -1);
    EXPECT_EQ(findBackward(t, u("WORD"), 300000, Qt::CaseInsensitive), 299990);
    // A match must end at or before the end given.
    EXPECT_EQ(findBackward(t, u("Word"), 299993, Qt::CaseSensitive), 65536 * 3 - 2);
    EXPECT_EQ(findBackward(t, u("Word"), 65536 * 3 + 2, Qt::CaseSensitive), 65536 * 3 - 2);
    EXPECT_EQ(findBackward(t, u("Word"), 65536 * 3 + 1, Qt::CaseSensitive), 65535);
    EXPECT_EQ(findBackward(t, u("Word"), 9, Qt::CaseSensitive), 5);
    EXPECT_EQ(findBackward(t, u("Word"), 8, Qt::CaseSensitive), -1);
    EXPECT_EQ(findForward(t, QString(), 0, Qt::CaseSensitive), -1);
}

// Down goes on one character after the last match's start; Up looks before the caret.
TEST(FindTest, NextMatchCountsAsTheSearchCommandsDo)
{
    StringText t(u("aaa\r\nbaa"));
    t.setSelStart(7);
    int last = 0;
    QList<int> down;
    while ((last = nextMatch(t, u("aa"), Direction::Down, last, Qt::CaseSensitive)) != 0)
        down << last;
    EXPECT_EQ(down, (QList<int>{1, 2, 7}));
    EXPECT_EQ(nextMatch(t, u("AA"), Direction::Up, 99, Qt::CaseInsensitive), 2);
    EXPECT_EQ(nextMatch(t, u("a\r\nb"), Direction::Up, 0, Qt::CaseSensitive), 3);
}

TEST(FindTest, ReplaceAllKeepsTheTextBetweenMatches)
{
    const struct {
        const char *text, *what, *with;
        Qt::CaseSensitivity cs;
        const char* out;
        int count;
    } rows[] = {
        {"The CAT, the Cat and THE cat.", "cat", "dog", Qt::CaseInsensitive,
         "The dog, the dog and THE dog.", 3},
        {"The CAT, the Cat and THE cat.", "cat", "dog", Qt::CaseSensitive,
         "The CAT, the Cat and THE dog.", 1},
        // Matches do not overlap, and a replacement is never searched again.
        {"aaaa", "aa", "a", Qt::CaseSensitive, "aa", 2},
        {"a\r\nb\r\n", "\r\n", "<BR>\r\n", Qt::CaseSensitive, "a<BR>\r\nb<BR>\r\n", 2},
        {"abc", "", "x", Qt::CaseSensitive, "abc", 0},
        {"abc", "b", "", Qt::CaseSensitive, "ac", 1},
    };
    for (const auto& r : rows) {
        StringText t(u(r.text));
        const QList<int> at = matchesOf(t.text(), u(r.what), r.cs);
        t.replaceAt(at, int(qstrlen(r.what)), u(r.with));
        EXPECT_EQ(t.text(), u(r.out)) << r.text;
        EXPECT_EQ(at.size(), r.count) << r.text;
    }
}

TEST(BookmarksTest, ScanFindsTheAnchorFromTheCharacterBeforeTheCaret)
{
    const QString quoted = bookmarkAnchor(u("my \"top\" mark"));
    EXPECT_EQ(quoted, u("<a name=\"my \"top\" mark\">Start from here</a>"));
    const struct {
        QString page;
        int caret;
        bool found, closed;
        int start;
        const char* name;
    } rows[] = {
        {bookmarkAnchor(u("top")) + u("x"), 0, true, true, 0, "top"},
        // One character before the caret still counts: the caret right after "<" finds it.
        {u("ab") + bookmarkAnchor(u("n")), 3, true, true, 2, "n"},
        {u("ab") + bookmarkAnchor(u("n")), 4, false, false, 0, ""},
        {quoted, 0, true, true, 0, "my "},
        {u("<a name=\"open"), 0, true, false, 0, ""},
        {u("<a name=\"unquoted</a>"), 0, true, true, 0, "unquoted"},
        {u("<A NAME=\"upper\"></A>"), 0, false, false, 0, ""},
    };
    for (const auto& r : rows) {
        const StringText t(r.page);
        const std::optional<FoundBookmark> b = scanBookmark(t, r.caret);
        ASSERT_EQ(b.has_value(), r.found) << r.page.toStdString();
        if (!b)
            continue;
        EXPECT_EQ(b->closed, r.closed);
        if (!b->closed)
            continue;
        EXPECT_EQ(b->start, r.start);
        EXPECT_EQ(b->anchor, t.mid(b->start, b->end - b->start));
        EXPECT_TRUE(b->anchor.endsWith(u("</a>")));
        EXPECT_EQ(b->name, u(r.name));
    }
}

TEST(TempClipboardTest, ListsStaySortedAndDivergeAfterTheMainClear)
{
    TempClipboard clip;
    for (const char* item : {"pear", "Apple", "", "banana", "apple", "line\r\nbreak"})
        clip.add(u(item));
    const QStringList sorted = {u(""),       u("Apple"),         u("apple"),
                                u("banana"), u("line\r\nbreak"), u("pear")};
    EXPECT_EQ(clip.mainItems(), sorted);
    EXPECT_EQ(clip.masterItems(), sorted);

    clip.clearMain();
    clip.add(u("cherry"));
    EXPECT_EQ(clip.mainItems(), QStringList{u("cherry")});
    // Index 0 of the Master list is "", which the main list does not hold: it keeps "cherry".
    EXPECT_TRUE(clip.removeAt(0));
    EXPECT_EQ(clip.mainItems(), QStringList{u("cherry")});
    // The same text goes from both, wherever it stands in the main list.
    const qsizetype cherry = clip.masterItems().indexOf(u("cherry"));
    EXPECT_TRUE(clip.removeAt(int(cherry)));
    EXPECT_TRUE(clip.mainItems().isEmpty());
    EXPECT_FALSE(clip.masterItems().contains(u("cherry")));
    EXPECT_FALSE(clip.removeAt(-1));
    EXPECT_FALSE(clip.removeAt(int(clip.masterItems().size())));

    clip.clearBoth();
    EXPECT_TRUE(clip.masterItems().isEmpty());
}

} // namespace
