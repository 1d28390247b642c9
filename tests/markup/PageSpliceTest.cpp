#include "MarkupTest.h"
#include "markup/PageSource.h"
#include "markup/PageTree.h"

namespace {

// The edited document as markup the browser reads as it.
SpliceResult spliced(const char* original, const char* edited)
{
    return PageSource(q(original)).splice(parsePageTree(q(edited)));
}

struct Case {
    const char* name;
    const char* original;
    const char* edited;
    const char* expected;
};

void expectAll(const std::initializer_list<Case>& cases)
{
    for (const Case& c : cases) {
        const SpliceResult r = spliced(c.original, c.edited);
        EXPECT_EQ(r.text, q(c.expected)) << c.name;
        EXPECT_EQ(r.stats.fallbacks, 0)
            << c.name << " " << r.stats.reasons.join(u';').toStdString();
    }
}

// Text edits change only their characters; references, case and line ends stay.
TEST(PageSplice, ChangedTextsChangeOnlyTheirCharacters)
{
    expectAll({
        {"a word typed",
         "<HTML>\r\n<BODY>\r\n<P>One two</P>\r\n<P>Three</P>\r\n</BODY>\r\n</HTML>\r\n",
         "<p>One two words</p><p>Three</p>",
         "<HTML>\r\n<BODY>\r\n<P>One two words</P>\r\n<P>Three</P>\r\n</BODY>\r\n</HTML>\r\n"},
        {"references and a CR LF kept", "<p>caf&eacute; &amp; b&nbsp;c\r\nline two</p>\r\n",
         "<p>caf\u00e9 &amp; b&nbsp;c\nline two more</p>",
         "<p>caf&eacute; &amp; b&nbsp;c\r\nline two more</p>\r\n"},
        {"a reference replaced whole", "<p>a&nbsp;b</p>", "<p>a b</p>", "<p>a b</p>"},
        {"typed beside a reference", "<p>x&amp;y</p>", "<p>x&amp;zy</p>", "<p>x&amp;zy</p>"},
        {"new characters escaped", "<p>ab</p>", "<p>a&lt;&amp;\u00a0b</p>",
         "<p>a&lt;&amp;&nbsp;b</p>"},
        {"a new line in the page's ends", "<p>ab</p>\r\n", "<p>a\nb</p>", "<p>a\r\nb</p>\r\n"},
        {"in a mixed page, the end of the line split", "<p>a\nb</p>\r\n<p>c</p>\n",
         "<p>a\nb\nz</p><p>c</p>", "<p>a\nb\r\nz</p>\r\n<p>c</p>\n"},
        {"held bytes pass through", "<p>x\uef81y</p>\n<p>z</p>\n", "<p>x\uef81y</p><p>zz</p>",
         "<p>x\uef81y</p>\n<p>zz</p>\n"},
        {"a title is text too", "<title>Old &amp; new</title><p>x</p>",
         "<title>Old &amp; newer</title><p>x</p>", "<title>Old &amp; newer</title><p>x</p>"},
        {"a tag the parser dropped stays", "<p>a</b>c</p>", "<p>aXc</p>", "<p>a</b>Xc</p>"},
        {"the body's last text before its end tag", "<body>\nfoo\n</body>\n</html>\n",
         "<body>\nfood\n\n\n</body>", "<body>\nfood\n</body>\n</html>\n"},
    });
}

TEST(PageSplice, InlineEditsStayOnTheirLine)
{
    expectAll({
        {"bold", "<P ALIGN=center>one &amp; two three</P>\n",
         "<p align=center>one &amp; <b>two</b> three</p>",
         "<P ALIGN=center>one &amp; <B>two</B> three</P>\n"},
        {"unbold", "<p>a <b>two</b> c&eacute;</p>", "<p>a two c\u00e9</p>",
         "<p>a two c&eacute;</p>"},
        {"a fragment", "<p>first &copy;\r\nsecond</p>",
         "<p>first \u00a9\r\nse<em>x</em> <a href=\"u v\">l</a>cond</p>",
         "<p>first &copy;\r\nse<em>x</em> <a href=\"u v\">l</a>cond</p>"},
        {"a line break", "<p>one two</p>", "<p>one<br>two</p>", "<p>one<br>two</p>"},
    });
}

// New elements follow the page's habits: case, quotes, empty ends, line ends, indents.
TEST(PageSplice, NewMarkupIsWrittenLikeThePage)
{
    expectAll({
        {"a row on lines of its own", "<table>\n  <tr>\n    <td>a</td>\n  </tr>\n</table>\n",
         "<table><tr><td><br></td></tr><tr><td>a</td></tr></table>",
         "<table>\n  <tr>\n    <td><br></td>\n  </tr>\n  <tr>\n    <td>a</td>\n  "
         "</tr>\n</table>\n"},
        {"a row on one line, as its siblings",
         "<TABLE BORDER=1>\r\n<TR><TD>a</TD><TD>b</TD></TR>\r\n</TABLE>\r\n",
         "<table border=1><tr><td>a</td><td>b</td></tr><tr><td><br></td><td><br></td></tr></table>",
         "<TABLE BORDER=1>\r\n<TR><TD>a</TD><TD>b</TD></TR>\r\n<TR><TD><BR></TD><TD><BR></TD></TR>"
         "\r\n</TABLE>\r\n"},
        {"tabs", "<ul>\n\t<li>a</li>\n</ul>\n", "<ul><li>a</li><li>b</li></ul>",
         "<ul>\n\t<li>a</li>\n\t<li>b</li>\n</ul>\n"},
        {"a list for a paragraph", "<body>\n<p>a &amp; b</p>\n<p>b</p>\n</body>\n",
         "<ul><li>a &amp; b</li></ul><p>b</p>",
         "<body>\n<ul>\n  <li>a &amp; b</li>\n</ul>\n<p>b</p>\n</body>\n"},
        {"a block at the end of the body", "<body>\n<p>a</p>\n</body>\n</html>\n",
         "<p>a</p><p>b</p>", "<body>\n<p>a</p>\n<p>b</p>\n</body>\n</html>\n"},
        {"quotes and empty elements", "<p class='x'>a<br/></p><p title='y'>b</p>",
         "<p class=x>a<br></p><p title=y>b<img src=i.png></p>",
         "<p class='x'>a<br/></p><p title='y'>b<img src='i.png'/></p>"},
        {"a list laid out as the page's lists", "<ul><li>a</li></ul>\n<p>b</p>\n",
         "<ul><li>a</li></ul><ul><li>b</li></ul>", "<ul><li>a</li></ul>\n<ul><li>b</li></ul>\n"},
        {"four spaces, a step deeper", "<div>\n    <p>a</p>\n</div>\n<div>\n</div>\n",
         "<div><p>a</p></div><div><ul><li>b</li></ul></div>",
         "<div>\n    <p>a</p>\n</div>\n<div>\n    <ul>\n        <li>b</li>\n    </ul>\n</div>\n"},
        {"double quotes, a blank before \"/>\", CR ends",
         "<div>\r    <p class=\"a\">x<br /></p>\r</div>\r",
         "<div><p class=\"a\">x<br></p><p title=t>y<img src=i></p></div>",
         "<div>\r    <p class=\"a\">x<br /></p>\r    <p title=\"t\">y<img src=\"i\" "
         "/></p>\r</div>\r"},
        {"unquoted where a value allows", "<p class=x id=y>a</p>",
         "<p class=x id=y>a<a href=u title=\"t u\">k</a></p>",
         "<p class=x id=y>a<a href=u title=\"t u\">k</a></p>"},
    });
}

TEST(PageSplice, AttributesChangeOneByOne)
{
    expectAll({
        {"value, kept quotes, a new one last", "<P ALIGN=left CLASS='x' TITLE='y'>one</P>\n",
         "<p align=center class=x title=y id=n>one</p>",
         "<P ALIGN=center CLASS='x' TITLE='y' ID='n'>one</P>\n"},
        {"one removed with its space", "<table><tr><td  width=10\n    align=left>a</td>",
         "<table><tr><td width=10>a</td>", "<table><tr><td  width=10>a</td>"},
        {"a name alone given a value", "<input checked type=checkbox>",
         "<input checked=yes type=checkbox>", "<input checked=yes type=checkbox>"},
        {"reordered: unchanged ones keep their text", "<p a='1' b=\"2\">x</p>", "<p b=2 a=1>x</p>",
         "<p b=\"2\" a='1'>x</p>"},
    });
}

TEST(PageSplice, LongListsPairThroughUniqueParts)
{
    QString page, edited;
    for (int i = 0; i < 1200; ++i) {
        page += QStringLiteral("<p>line %1</p>\n").arg(i);
        edited += QStringLiteral("<p>line %1%2</p>").arg(i).arg(i == 0 || i == 1199 ? "!" : "");
        if (i == 600)
            edited += QStringLiteral("<p>new</p>");
    }
    const SpliceResult r = PageSource(page).splice(parsePageTree(edited));
    QString expected = page;
    expected.replace(q("line 0<"), q("line 0!<"))
        .replace(q("line 1199<"), q("line 1199!<"))
        .replace(q("<p>line 600</p>\n"), q("<p>line 600</p>\n<p>new</p>\n"));
    EXPECT_EQ(r.text, expected);
    EXPECT_EQ(r.stats.edits, 3);
}

TEST(PageSplice, BlocksComeAndGoByWholeLines)
{
    expectAll({
        {"an item removed", "<ul>\n  <li>a</li>\n  <li>b</li>\n</ul>\n", "<ul><li>a</li></ul>",
         "<ul>\n  <li>a</li>\n</ul>\n"},
        {"a paragraph made a heading", "<body>\n<p>Title &amp; more</p>\n<p>x</p>\n</body>\n",
         "<h1>Title &amp; more</h1><p>x</p>",
         "<body>\n<h1>Title &amp; more</h1>\n<p>x</p>\n</body>\n"},
        {"items whose end tags were left out", "<ul>\n<li>One\n<li>Two\n</ul>\n",
         "<ul><li>One new\n</li><li>Two\n</li></ul>", "<ul>\n<li>One new\n<li>Two\n</ul>\n"},
        {"a new block before the first", "<p>a</p>\r\n", "<pre>x</pre><p>a</p>",
         "<pre>x</pre>\r\n<p>a</p>\r\n"},
        {"the head is never touched",
         "<!doctype html>\n<HTML>\n<head>\n <meta charset=utf-8>\n"
         " <style>p { color: red }</style>\n</head>\n<body>\n<p>a</p>\n</body>\n</HTML>\n",
         "<!DOCTYPE html><html><head><meta charset=utf-8><style>p { color: red }</style></head>"
         "<body><p>ab</p></body></html>",
         "<!doctype html>\n<HTML>\n<head>\n <meta charset=utf-8>\n <style>p { color: red }</style>"
         "\n</head>\n<body>\n<p>ab</p>\n</body>\n</HTML>\n"},
    });
}

// Content the parser moved (out of a table) is written anew alone, and told.
TEST(PageSplice, PartsOutOfOrderAreWrittenAnewAlone)
{
    const SpliceResult r =
        spliced("<div>\n<p>keep &amp; this</p>\n</div>\n<div><table><tr><td>a</td>x</tr></table>"
                "</div>\n",
                "<div><p>keep &amp; this</p></div><div>x<p>new</p><table><tr><td>a</td></tr>"
                "</table></div>");
    EXPECT_EQ(r.text, q("<div>\n<p>keep &amp; this</p>\n</div>\n<div>x<p>new</p><table><tr><td>a"
                        "</td></tr></table></div>\n"));
    ASSERT_EQ(r.stats.fallbacks, 1);
    EXPECT_EQ(r.stats.reasons[0], q("div at line 4: parts out of their order in the text"));
    EXPECT_EQ(PageSource(r.text).tree().hash, parsePageTree(r.text).hash);
}

TEST(PageSplice, BorrowedFormattingIsWrittenOutWhenItsTagGoes)
{
    const SpliceResult r = spliced("<p><font face=x>one\n<p>two</font>\n<p>three\n",
                                   "<ul><li><font face=x>one\n</font></li></ul>"
                                   "<p><font face=x>two</font>\n</p><p>three\n</p>");
    EXPECT_EQ(r.text, q("<ul>\n  <li><font face=x>one\n</font></li>\n</ul><p><font face=x>two"
                        "</font>\n<p>three\n"));
    EXPECT_EQ(r.stats.fallbacks, 1);
    EXPECT_EQ(parsePageTree(r.text).hash,
              parsePageTree(q("<ul><li><font face=x>one\n</font></li></ul><p><font face=x>two"
                              "</font>\n</p><p>three\n</p>"))
                  .hash);
}

// What the browser read otherwise than the splice's parser stays as it is.
TEST(PageSplice, WhatTheBrowserReadOtherwiseIsLeftAlone)
{
    const QString page = q("<body>\n<p>one</p>\n</body>\n</html>\n<!-- after -->\n");
    PageSource source(page);
    // This browser puts a comment after the page's end into the body.
    source.setLoaded(parsePageTree(q("<body>\n<p>one</p>\n\n\n<!-- after -->\n</body>")));
    const SpliceResult r =
        source.splice(parsePageTree(q("<body>\n<p>one two</p>\n\n\n<!-- after -->\n</body>")));
    EXPECT_EQ(r.text, q("<body>\n<p>one two</p>\n</body>\n</html>\n<!-- after -->\n"));
    EXPECT_EQ(r.stats.kept, 2);
}

// The control's tree: texts, references to the marked tree, runs; the rest refused.
TEST(PageTree, ReadsTheControlsTree)
{
    PageNode marked;
    ASSERT_TRUE(readPageTree(q(R"([["html",[],[["head",[],[]],["body",["class","c"],["a",)"
                               R"(["b",[],["x"]],"\n",["i",[],[]],"y"]]]]])"),
                             marked));
    const MarkedTree places = markElements(marked);
    ASSERT_EQ(places.elements.size(), 5u);
    EXPECT_EQ(marked.children[0].children[1].children[0].data, q("a"));

    PageNode edited;
    ASSERT_TRUE(readPageTree(q(R"([["html",[],[[0,1,1],["body",["class","c"],)"
                               R"(["a","\u00e9\ud83d\ude00",[0,3,2],"z",[8,"c"]]]]]])"),
                             edited, &places));
    const PageNode& body = edited.children[0].children[1];
    ASSERT_EQ(body.children.size(), 6u);
    EXPECT_EQ(body.children[0].data, q("a\u00e9\U0001F600"));
    EXPECT_EQ(&body.children[1].real(), places.elements[3]);
    EXPECT_EQ(body.children[2].data, q("\n"));
    EXPECT_EQ(body.children[3].real().name, q("i"));
    EXPECT_EQ(body.children[4].data, q("z"));
    EXPECT_EQ(body.children[5].kind, PageNode::Kind::Comment);
    EXPECT_EQ(materialized(edited).children[0].children[1].children[1].children[0].data, q("x"));

    for (const char* bad : {"", "[", "[[\"p\",[],[]]", "[[0,9,1]]", "[[0,1,3]]", "[[7,\"x\"]]",
                            "[\"a\\u12\"]", "[[\"p\",[1],[]]]", "[] x"}) {
        PageNode n;
        EXPECT_FALSE(readPageTree(q(bad), n, &places)) << bad;
    }
}

} // namespace
