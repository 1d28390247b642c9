#include "MarkupTest.h"
#include "markup/PageSource.h"
#include "markup/PageTree.h"

namespace {

SpliceResult spliced(const QString& original, const QString& editedHtml)
{
    PageSource source(original);
    return source.splice(parsePageTree(editedHtml));
}

struct Case {
    const char* name;
    const char* original;
    const char* edited; // the edited document, as markup the browser would read as it
    const char* expected;
};

TEST(PageSplice, Scratch)
{
    const Case cases[] = {
        {"word", "<HTML>\r\n<BODY>\r\n<P>One two</P>\r\n<P>Three</P>\r\n</BODY>\r\n</HTML>\r\n",
         "<p>One two words</p><p>Three</p>",
         "<HTML>\r\n<BODY>\r\n<P>One two words</P>\r\n<P>Three</P>\r\n</BODY>\r\n</HTML>\r\n"},
        {"row", "<table>\n  <tr>\n    <td>a</td>\n  </tr>\n</table>\n",
         "<table><tr><td><br></td></tr><tr><td>a</td></tr></table>",
         "<table>\n  <tr>\n    <td><br></td>\n  </tr>\n  <tr>\n    <td>a</td>\n  "
         "</tr>\n</table>\n"},
        {"entities", "<p>caf&eacute; &amp; b&nbsp;c\r\nline two</p>\r\n",
         "<p>caf\u00e9 &amp; b&nbsp;c\nline two more</p>",
         "<p>caf&eacute; &amp; b&nbsp;c\r\nline two more</p>\r\n"},
        {"del li", "<ul>\n  <li>a</li>\n  <li>b</li>\n</ul>\n", "<ul><li>a</li></ul>",
         "<ul>\n  <li>a</li>\n</ul>\n"},
        {"bold", "<P ALIGN=center>one two three</P>\n", "<p align=center>one <b>two</b> three</p>",
         "<P ALIGN=center>one <B>two</B> three</P>\n"},
        {"attr", "<P ALIGN=left CLASS='x' TITLE='y'>one</P>\n",
         "<p align=center class=x title=y id=n>one</p>",
         "<P ALIGN=center CLASS='x' TITLE='y' ID='n'>one</P>\n"},
        {"retag", "<body>\n<p>Title &amp; more</p>\n<p>x</p>\n</body>\n",
         "<h1>Title &amp; more</h1><p>x</p>",
         "<body>\n<h1>Title &amp; more</h1>\n<p>x</p>\n</body>\n"},
        {"head",
         "<!doctype html>\n<HTML>\n<head>\n <meta charset=utf-8>\n <title>T</title>\n <style>p { "
         "color: red }</style>\n</head>\n<body>\n<p>a</p>\n</body>\n</HTML>\n",
         "<!DOCTYPE html><html><head><meta charset=utf-8><title>T</title><style>p { color: red "
         "}</style></head><body><p>ab</p></body></html>",
         "<!doctype html>\n<HTML>\n<head>\n <meta charset=utf-8>\n <title>T</title>\n <style>p { "
         "color: red }</style>\n</head>\n<body>\n<p>ab</p>\n</body>\n</HTML>\n"},
        {"end of body", "<body>\n<p>a</p>\n</body>\n</html>\n", "<p>a</p><p>b</p>",
         "<body>\n<p>a</p>\n<p>b</p>\n</body>\n</html>\n"},
        {"list", "<body>\n<p>a</p>\n<p>b</p>\n</body>\n", "<ul><li>a</li></ul><p>b</p>",
         "<body>\n<ul>\n  <li>a</li>\n</ul>\n<p>b</p>\n</body>\n"},
        {"standin", "<p>x\uef81y</p>\n<p>z</p>\n", "<p>x\uef81y</p><p>zz</p>",
         "<p>x\uef81y</p>\n<p>zz</p>\n"},
    };
    for (const Case& c : cases) {
        const SpliceResult r = spliced(q(c.original), q(c.edited));
        EXPECT_EQ(r.text, q(c.expected)) << c.name;
        EXPECT_EQ(r.stats.fallbacks, 0) << c.name << r.stats.reasons.join(u'\n').toStdString();
    }
}

} // namespace
#include <QFile>
namespace {
void dump(const PageNode& n, int d)
{
    printf("%s%d %s [%lld,%lld) ext[%lld,%lld) atoms=%d sealed=%d quiet=%d trailing=%d irr=%d data=%s\n", QByteArray(d * 2, ' ').constData(), int(n.kind), qPrintable(n.name), (long long)n.open.start, (long long)n.open.end, (long long)n.extent.start, (long long)n.extent.end, n.atoms, n.sealed, n.quiet, n.trailing, n.irregular, qPrintable(QString(n.data).replace("\n", "|").replace("\r", "~").left(30)));
    for (const PageNode& k : n.children)
        dump(k, d + 1);
}
TEST(PageSplice, Debug)
{
    QFile f(qEnvironmentVariable("DBG_FILE"));
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QString t = QString::fromUtf8(f.readAll());
    PageSource s(t);
    dump(s.tree(), 0);
    QString edited = t;
    edited.replace(qEnvironmentVariable("DBG_FROM"), qEnvironmentVariable("DBG_TO"));
    PageNode e = parsePageTree(edited);
    QFile j(qEnvironmentVariable("DBG_JSON"));
    if (j.open(QIODevice::ReadOnly)) {
        EXPECT_TRUE(readPageTree(QString::fromUtf8(j.readAll()), e));
        printf("---- edited\n");
        dump(e, 0);
    }
    const SpliceResult r = s.splice(e);
    printf("%s\n%s\n", qPrintable(r.stats.reasons.join("\n")), qPrintable(r.text));
}
}
