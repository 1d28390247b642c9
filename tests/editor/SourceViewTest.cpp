// The source view: colours that carry across lines, never touch the text, and reach lines that
// scroll into view; the line-number gutter; Check Page.
#include "commands/CheckCommands.h"
#include "editor/CheckPanel.h"
#include "editor/HtmlHighlighter.h"
#include "editor/LineGutter.h"
#include "editor/PageCheck.h"
#include "editor/TextBox.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <QTreeWidget>

using namespace orvel;
using orvel::test::crlf;

namespace {

// The colour the box shows at column `col` of line `line` (0-based); invalid when uncoloured.
QColor colourAt(TextBox& box, int line, int col)
{
    const QTextBlock block = box.document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange& r : block.layout()->formats())
        if (col >= r.start && col < r.start + r.length)
            return r.format.foreground().color();
    return {};
}

// Pages, and the kind of text shown at lines and columns of them (0-based; none: plain text).
struct ColourAt {
    int line, col;
    std::optional<HtmlKind> kind;
};
const std::pair<std::string, std::vector<ColourAt>> kColourCases[] = {
    {"<p>\n<!-- one\ntwo <b>\nthree --> <i>", {{2, 4, HtmlKind::Comment}, {3, 10, HtmlKind::Tag}}},
    {"<script>\nif (a) {\n  s = 'x';\n}\n</script>\nif",
     {{1, 0, HtmlKind::ScriptKeyword}, {2, 6, HtmlKind::ScriptString}, {5, 0, {}}}},
    {"<img\n  src=\"a.gif\"\n  alt=x>", {{2, 2, HtmlKind::AttrName}}},
    // An unclosed quote runs on to the next line, and closes there.
    {"<a href=\"one\ntwo\">x</a>", {{1, 0, HtmlKind::AttrValue}, {1, 4, HtmlKind::Tag}}},
    {"<style>\np { color: red; }\n</style>",
     {{1, 4, HtmlKind::CssProperty}, {1, 11, HtmlKind::CssValue}}},
    {"a &amp; b", {{0, 3, HtmlKind::Entity}}},
    {"<!DOCTYPE html>\n<p>", {{0, 3, HtmlKind::Doctype}}},
    // A line of tens of thousands of characters (a minified page) is shown uncoloured; the lines
    // after it still start in the state it ends in.
    {"<b>x</b><!-- " + std::string(30000, 'x') + "\nstill a comment -->\n<i>",
     {{0, 0, {}}, {1, 0, HtmlKind::Comment}, {2, 0, HtmlKind::Tag}}},
};

class SourceViewTest : public test::SourceWindowTest {};

TEST_F(SourceViewTest, ColoursFollowStatesAcrossLines)
{
    TextBox& box = *w->Text1;
    for (const auto& [page, at] : kColourCases) {
        box.setText(crlf(page.c_str()));
        for (const ColourAt& c : at) {
            const QColor want = c.kind ? box.highlighter()->colour(*c.kind) : QColor();
            EXPECT_EQ(colourAt(box, c.line, c.col), want)
                << page.substr(0, 40) << " @" << c.line << ':' << c.col;
        }
    }
}

TEST_F(SourceViewTest, AnEditReColoursTheLinesItsStateRunsInto)
{
    TextBox& box = *w->Text1;
    setPage(crlf("<p>\n<b>\n<i>"), 3);
    QTest::keyClicks(&box, "<!--");
    EXPECT_EQ(colourAt(box, 2, 1), box.highlighter()->colour(HtmlKind::Comment));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(colourAt(box, 2, 1), box.highlighter()->colour(HtmlKind::Tag));
}

TEST_F(SourceViewTest, ColouringAndContrastNeverChangeTheTextThePositionsOrTheChangePass)
{
    TextBox& box = *w->Text1;
    QString page;
    for (int i = 0; i < 3000; ++i)
        page += QStringLiteral("<p class=\"x\">line %1 &amp; <!-- c -->\r\n").arg(i);
    // A selection deep in the page, past the 65535 units of a fixed length.
    const int at = int(page.indexOf(QStringLiteral("line 2500 ")));
    setPage(page, at, 9);
    EXPECT_EQ(box.selText(), QStringLiteral("line 2500"));
    EXPECT_EQ(box.lineCount(), 3001);
    int changes = 0;
    QObject::connect(&box, &TextBox::changed, [&changes] { ++changes; });
    const QString before = w->caption();
    box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum() / 2);
    box.highlighter()->finishStates();
    box.highlighter()->refreshView();
    // Contrast swaps the boxes' colours and the colour scheme, and swaps them back.
    const int shown = box.cursorForPosition(QPoint(0, 0)).blockNumber();
    const QColor light = colourAt(box, shown, 1);
    ASSERT_TRUE(light.isValid());
    const QColor base = box.palette().color(QPalette::Base);
    const QColor ink = box.palette().color(QPalette::Text);
    ASSERT_NE(base, ink);
    for (const bool swapped : {true, false}) {
        w->pictcontrast->click();
        EXPECT_EQ(box.highlighter()->isDark(), swapped);
        EXPECT_EQ(colourAt(box, shown, 1) == light, !swapped);
        for (QWidget* b : {static_cast<QWidget*>(&box), static_cast<QWidget*>(w->helper)}) {
            EXPECT_EQ(b->palette().color(QPalette::Base), swapped ? ink : base);
            EXPECT_EQ(b->palette().color(QPalette::Text), swapped ? base : ink);
        }
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(box.text(), page);
    EXPECT_EQ(box.selStart(), at);
    EXPECT_EQ(box.selLength(), 9);
    EXPECT_EQ(w->caption(), before);
}

// Lines are coloured as they come into view, in the state the lines above leave them: scrolled
// there by keys too (Page Down, a jump to the end), which move the view with the scroll bar's
// signals blocked, and after the page's states are all known.
TEST_F(SourceViewTest, LinesScrolledIntoViewAreColoured)
{
    TextBox& box = *w->Text1;
    openPage("<!-- opened\r\n" + QByteArray("<b>x</b>\r\n").repeated(5000) + "--> <i>\r\n");
    EXPECT_FALSE(colourAt(box, 4000, 0).isValid()); // far lines wait until they are shown
    for (int i = 0; i < 1000 && box.highlighter()->knownStates() < box.blockCount(); ++i)
        QCoreApplication::processEvents();
    const auto comment = box.highlighter()->colour(HtmlKind::Comment);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    QCoreApplication::processEvents();
    const int top = box.cursorForPosition(QPoint(0, 0)).blockNumber();
    ASSERT_GT(top, 50);
    for (int line = top; line < top + 10; ++line)
        EXPECT_EQ(colourAt(box, line, 0), comment) << line;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::processEvents();
    const int last = box.blockCount() - 2;
    EXPECT_EQ(colourAt(box, last, 0), comment);
    EXPECT_EQ(colourAt(box, last, 4), box.highlighter()->colour(HtmlKind::Tag));
    EXPECT_EQ(colourAt(box, last - 1, 0), comment);
}

TEST_F(SourceViewTest, GutterFollowsAnOpenedPage)
{
    TextBox& box = *w->Text1;
    LineGutter& gutter = *box.gutter();
    for (const int lines : {21612, 4}) {
        openPage(QByteArray("<p>x</p>\r\n").repeated(lines - 1) + "end");
        QCoreApplication::processEvents();
        EXPECT_EQ(gutter.width(), LineGutter::widthFor(lines, box.fontMetrics()));
        const QImage onScreen = w->screen()
                                    ->grabWindow(w->winId())
                                    .toImage()
                                    .copy(QRect(gutter.mapTo(w.get(), QPoint()), gutter.size()))
                                    .convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(onScreen, gutter.grab().toImage().convertToFormat(QImage::Format_RGB32)) << lines;
    }
}

TEST(LineGutterTest, WideEnoughForTheLastLineNumber)
{
    const QFontMetrics fm(QFont(QStringLiteral("DejaVu Sans Mono")));
    const int digit = fm.horizontalAdvance(u'9');
    const int one = LineGutter::widthFor(9, fm);
    for (const auto& [lines, more] : {std::pair{1, 0}, {10, 1}, {99, 1}, {99999, 4}, {100000, 5}})
        EXPECT_EQ(LineGutter::widthFor(lines, fm), one + more * digit) << lines;
}

// Check Page's problems in a learner's words, where they stand: among them what makes a page hard
// to use without sight or a mouse.
TEST(PageCheckTest, ReportsWhereAndInPlainWords)
{
    const struct {
        const char* key;
        const char* page;
        int line, column;
        const char* plainStart;
        const char* lines = nullptr; // of all the problems, in order, when given
    } rows[] = {
        {"NON_MATCHING_ENDTAG",
         "<!DOCTYPE html>\n<html lang=\"en\"><head><title>t</title></head><body>\n<p><b>bold "
         "<i>both</b></i>\n</body></html>",
         3, 12, "Mismatched tags", "3 3 3"},
        {"DISCARDING_UNEXPECTED",
         "<html lang=\"en\"><head><title>t</title></head><body>\n<p>x</p>\n</div>\n</body></html>",
         3, 1, "</div> is an end tag with no start tag <div>", "1 3"},
        {"PROPRIETARY_ATTRIBUTE",
         "<!DOCTYPE html>\n<html lang=\"en\"><head><title>t</title></head><body>\n\t<img "
         "src=\"a.gif\" alt=\"\" foo=\"1\">\n</body></html>",
         3, 2, "The <img> tag has an attribute \"foo\"", "3"},
        {"ACCESS_LANGUAGE", "<p>x</p>", 1, 1, "The page does not say which language"},
        {"ACCESS_LANGUAGE", "<!DOCTYPE html>\n<html><body><p>x</p></body></html>", 2, 1,
         "The page does not say"},
        {"ACCESS_IMAGE_ALT", "<p>x\n  <IMG SRC=\"a.gif\"></p>", 2, 3, "This image has no alt"},
        {"ACCESS_TABLE_HEADERS", "<p>x</p>\n<table><tr><td>1</td></tr><tr><td>2</td></tr></table>",
         2, 1, "This table has no header cells"},
        {"ACCESS_LINK_TEXT", "<p>See <a href=\"p.html\">click here</a></p>", 1, 8,
         "The link text \"click here\" does not say where it leads"},
        {"ACCESS_LINK_TEXT", "<p><a href=\"p.html\"><img src=\"i.gif\" alt=\"\"></a></p>", 1, 4,
         "This link has no text"},
        {"ACCESS_HEADING_LEVEL", "<h1>A</h1>\n<p>x</p>\n<h3>B</h3>", 3, 1,
         "This <h3> follows an <h1>"},
        {"ACCESS_FORM_LABEL", "<form action=\"x\">\n<input type=\"text\" name=\"q\"></form>", 2, 1,
         "This form field has no label"},
    };
    for (const auto& r : rows) {
        const QString page = crlf(r.page);
        const QList<PageProblem> found = checkPage(page);
        const auto it = std::find_if(found.begin(), found.end(), [&r](const PageProblem& p) {
            return p.key == QLatin1String(r.key);
        });
        ASSERT_NE(it, found.end()) << r.page;
        QStringList lines;
        for (const PageProblem& p : found) {
            lines << QString::number(p.line);
            EXPECT_EQ(p.position, positionOf(page, p.line, p.column));
        }
        if (r.lines) {
            EXPECT_EQ(lines.join(u' '), QLatin1String(r.lines)) << r.page;
        }
        EXPECT_EQ(std::pair(it->line, it->column), std::pair(r.line, r.column)) << r.page;
        EXPECT_TRUE(it->plain.startsWith(QString::fromUtf8(r.plainStart)))
            << it->plain.toStdString();
        // One row a problem: the checker's own word on a missing alt goes.
        EXPECT_FALSE(std::any_of(found.begin(), found.end(), [](const PageProblem& p) {
            return p.key == QLatin1String("MISSING_ATTRIBUTE");
        })) << r.page;
    }
    // A page that does all of it right has no problem at all.
    const QList<PageProblem> clean = checkPage(
        crlf("<!DOCTYPE html>\n<html lang=\"en\"><head><title>t</title></head><body>\n"
             "<h1>A</h1><h2>B</h2><img src=\"a.gif\" alt=\"\">\n"
             "<a href=\"p.html\">Our prices</a><table><tr><th>n</th></tr><tr><td>1</td></tr>"
             "</table>\n<form action=\"x\"><label>Name <input name=\"n\"></label>"
             "<label for=\"m\">Mail</label><input id=\"m\" name=\"m\">"
             "<input type=\"submit\"></form>\n</body></html>"));
    for (const PageProblem& p : clean)
        ADD_FAILURE() << p.key.toStdString();
}

TEST(PageCheckTest, PositionsCountCrLfTabsAndSurrogatePairs)
{
    const QString page = QStringLiteral("ab\r\n\t\U0001F600<b>\r\nx");
    EXPECT_EQ(positionOf(page, 1, 1), 0);
    EXPECT_EQ(positionOf(page, 2, 1), 4);
    EXPECT_EQ(positionOf(page, 2, 3), 7); // after the tab and the two-unit character
    EXPECT_EQ(positionOf(page, 3, 1), 12);
    EXPECT_EQ(positionOf(page, 9, 9), page.size());
}

TEST_F(SourceViewTest, CheckPageListsJumpsAndLeavesThePageAlone)
{
    const QString page =
        crlf("<html lang=\"en\"><head><title>t</title></head><body>\n<p>x <IMG SRC=\"a.gif\"></p>\n"
             "</body></html>");
    openPage(page.toUtf8(), 5);
    int changes = 0;
    QObject::connect(w->Text1, &TextBox::changed, [&changes] { ++changes; });
    int opened = 0;
    commands.check->smartCorrect = [&opened] { ++opened; };
    w->menuAction(QStringLiteral("mnucheckpage"))->trigger();
    CheckPanel* panel = commands.check->panel();
    ASSERT_NE(panel, nullptr);
    ASSERT_GE(panel->checkList->topLevelItemCount(), 1);
    EXPECT_EQ(w->Text1->text(), page);

    // The image has no alt text: the problem stands at its tag, which Smart Correct knows.
    const auto images =
        panel->checkList->findItems(QStringLiteral("This image"), Qt::MatchStartsWith, 2);
    ASSERT_EQ(images.size(), 1); // listed once
    const int row = panel->checkList->indexOfTopLevelItem(images[0]);
    EXPECT_EQ(panel->checkList->topLevelItem(row)->text(0), QStringLiteral("2"));
    panel->choose(row);
    EXPECT_EQ(w->Text1->mid(w->Text1->selStart() - 1, 4), QStringLiteral("<IMG"));
    EXPECT_TRUE(panel->checkSmart->isVisibleTo(panel));
    panel->checkSmart->click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(w->Text1->text(), page);
    EXPECT_EQ(changes, 0);
}

} // namespace
