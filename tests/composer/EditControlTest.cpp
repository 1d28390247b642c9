#include "composer/ComposerTest.h"

#include <QTcpServer>

namespace orvel::test {

class EditControlTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        area = std::make_unique<EditControl>();
        area->resize(600, 400);
        area->show();
        waitLoaded(); // the blank page of a new control
    }
    void waitLoaded() { ASSERT_TRUE(orvel::test::waitLoaded(area.get())); }
    // As File > Open shows a page: read through the page file, then shown.
    void load(const QByteArray& bytes)
    {
        ASSERT_TRUE(writeBytes(path, bytes));
        const PageRead read = readPage(path);
        ASSERT_TRUE(read.ok);
        area->showPage(read.text, path);
        waitLoaded();
    }
    QString js(const QString& script) { return area->evaluate(script).toString(); }
    // Puts the caret at the start of the first element matching `selector`.
    void caretIn(const QString& selector)
    {
        js(QStringLiteral("(() => { const r = document.createRange(); "
                          "r.setStart(document.querySelector('%1'), 0); r.collapse(true); "
                          "getSelection().removeAllRanges(); getSelection().addRange(r); })()")
               .arg(selector));
    }
    QString body() { return area->bodyHtml(); }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("page.html"));
    std::unique_ptr<EditControl> area;
};

// The page's own scripts never run: neither an inline script that rewrites the document nor an
// onload handler; the page is saved as it was read.
TEST_F(EditControlTest, PageScriptsNeverRunAndAnUneditedPageKeepsItsBytes)
{
    const QByteArray page =
        "<!DOCTYPE html>\n<html><head><title>T</title>\n"
        "<script>document.write('<p id=w>written</p>')</script></head>\n"
        "<body onload=\"document.body.innerHTML='gone'\"><P>Kept</P></body></html>";
    load(page);
    EXPECT_EQ(body(), QStringLiteral("<p>Kept</p>"));
    EXPECT_FALSE(area->isEdited());
    EXPECT_EQ(area->pageText(LineEnd::CrLf), QString::fromUtf8(page));
}

// An edit by command is saved with the doctype and the head as they were; the saved file loads
// back with the edit in it.
TEST_F(EditControlTest, EditedPageSavesWithDoctypeAndHead)
{
    load("<!DOCTYPE html><html><head><meta name=\"x\" content=\"y\"><title>T</title></head>"
         "<body><p>one two</p></body></html>");
    js(QStringLiteral("(() => { const t = document.querySelector('p').firstChild; "
                      "getSelection().setBaseAndExtent(t, 0, t, 3); })()"));
    EXPECT_TRUE(area->execCommand(DECMD_BOLD));
    EXPECT_TRUE(area->isEdited());
    const QString saved = area->pageText(LineEnd::CrLf);
    EXPECT_TRUE(saved.startsWith(QStringLiteral(
        "<!DOCTYPE html>\r\n<html><head><meta name=\"x\" content=\"y\"><title>T</title></head>")))
        << saved.toStdString();
    area->markSaved(saved);
    EXPECT_FALSE(area->isEdited());
    load(saved.toUtf8());
    EXPECT_EQ(body(), QStringLiteral("<p><b>one</b> two</p>\n"));
    // Saved again after another edit, the page does not gather line ends at its end.
    area->execCommand(DECMD_ITALIC);
    EXPECT_TRUE(
        area->pageText(LineEnd::CrLf).endsWith(QStringLiteral("two</p></body></html>\r\n")));
}

// An edited page keeps the one line-end style its file had.
TEST_F(EditControlTest, EditedPageKeepsItsLineEnds)
{
    load("<html>\n<head><title>T</title></head>\n<body>\n<p>one two</p>\n</body></html>\n");
    js(QStringLiteral("(() => { const t = document.querySelector('p').firstChild; "
                      "getSelection().setBaseAndExtent(t, 0, t, 3); })()"));
    EXPECT_TRUE(area->execCommand(DECMD_BOLD));
    const QByteArray saved = area->pageText(LineEnd::Lf).toUtf8();
    EXPECT_FALSE(saved.contains('\r')) << saved.toStdString();
    EXPECT_TRUE(saved.contains("<b>one</b>"));
    EXPECT_TRUE(saved.endsWith("</html>\n"));
}

// The table commands work on the cell holding the caret; without one they change nothing.
TEST_F(EditControlTest, TableCommandsOnTheCaretCell)
{
    const QByteArray table = "<table><tr><td id=a>a</td><td>b</td></tr>"
                             "<tr><td>c</td><td>d</td></tr></table><p id=out>x</p>";
    struct Row {
        int command;
        const char* at;
        const char* rows; // the table afterwards: cells by text, rows split by "|"
    } const rows[] = {
        {DECMD_INSERTROW, "#a", "_,_|a,b|c,d"}, {DECMD_INSERTCOL, "#a", "_,a,b|_,c,d"},
        {DECMD_INSERTCELL, "#a", "_,a,b|c,d"},  {DECMD_DELETEROWS, "#a", "c,d"},
        {DECMD_DELETECOLS, "#a", "b|d"},        {DECMD_DELETECELLS, "#a", "b|c,d"},
        {DECMD_SPLITCELL, "#a", "a,_,b|c2,d"},  {DECMD_MERGECELLS, "#a", "ab2|c,d"},
        {DECMD_INSERTROW, "#out", "a,b|c,d"},
    };
    for (const Row& r : rows) {
        load(table);
        caretIn(QString::fromUtf8(r.at));
        EXPECT_EQ(area->execCommand(r.command), QByteArray(r.at) == "#a") << r.command;
        // Empty cells as "_", a cell spanning two columns with a trailing "2".
        const QString shape = js(QStringLiteral(
            "Array.from(document.querySelector('table').rows).map(r => Array.from(r.cells)"
            ".map(c => (c.textContent || '_') + (c.colSpan > 1 ? c.colSpan : '')).join(','))"
            ".join('|')"));
        EXPECT_EQ(shape, QString::fromUtf8(r.rows)) << r.command;
    }
}

// Browse Mode takes the page out of design mode; Show Details outlines the blocks without the
// outline ever reaching the saved page.
TEST_F(EditControlTest, BrowseModeAndShowDetails)
{
    const QByteArray page = "<html><head></head><body><p>x</p></body></html>";
    load(page);
    EXPECT_EQ(js(QStringLiteral("document.designMode")), QStringLiteral("on"));
    area->setBrowseMode(true);
    EXPECT_EQ(js(QStringLiteral("document.designMode")), QStringLiteral("off"));
    area->setBrowseMode(false);
    area->setShowDetails(true);
    EXPECT_EQ(js(QStringLiteral("getComputedStyle(document.querySelector('p')).outlineStyle")),
              QStringLiteral("dotted"));
    EXPECT_FALSE(area->isEdited());
    EXPECT_FALSE(area->documentHtml().contains(QStringLiteral("style")));
    area->setShowDetails(false);
    EXPECT_EQ(js(QStringLiteral("getComputedStyle(document.querySelector('p')).outlineStyle")),
              QStringLiteral("none"));
}

// The fragment goes through a private file that is gone once the view has read it.
TEST_F(EditControlTest, FragmentFileIsPrivateAndRemoved)
{
    ASSERT_TRUE(area->loadFragment(QStringLiteral("<B>frag</B>")).ok);
    const QString tmp = area->pendingFragmentPath();
    ASSERT_FALSE(tmp.isEmpty());
    EXPECT_TRUE(QFile::exists(tmp));
    EXPECT_EQ(QFile::permissions(tmp) & (QFile::ReadGroup | QFile::ReadOther), 0);
    waitLoaded();
    EXPECT_FALSE(QFile::exists(tmp));
    EXPECT_EQ(body(), QStringLiteral("<b>frag</b>\n"));
}

// The prompting commands ask, then act on the selection; a cancelled prompt changes nothing.
TEST_F(EditControlTest, PromptingCommands)
{
    load("<html><body><p id=p>word</p></body></html>");
    js(QStringLiteral("(() => { const t = document.querySelector('p').firstChild; "
                      "getSelection().setBaseAndExtent(t, 0, t, 4); })()"));
    ui.answer(QStringLiteral("http://example.org/"));
    EXPECT_TRUE(area->execCommand(DECMD_HYPERLINK));
    EXPECT_EQ(body(), QStringLiteral("<p id=\"p\"><a href=\"http://example.org/\">word</a></p>"));
    EXPECT_FALSE(area->execCommand(DECMD_IMAGE)); // cancelled
    ui.answer(QStringLiteral("absent"));
    EXPECT_FALSE(area->execCommand(DECMD_FINDTEXT));
    EXPECT_EQ(ui.promptTexts(), (QStringList{QStringLiteral("Enter the address the link leads to"),
                                             QStringLiteral("Enter the address of the image"),
                                             QStringLiteral("Enter the text to find"),
                                             QStringLiteral("The text was not found")}));
}

// A page from disk fetches nothing remote; an address the user opens is fetched.
TEST_F(EditControlTest, RemoteContentOnlyForAnOpenedAddress)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QByteArray address = "http://127.0.0.1:" + QByteArray::number(server.serverPort());
    QSignalSpy connected(&server, &QTcpServer::newConnection);
    load("<html><body><img src=\"" + address + "/a.png\"><p>x</p></body></html>");
    EXPECT_FALSE(connected.wait(1500));
    area->loadUrl(QString::fromLatin1(address) + q("/page"));
    EXPECT_TRUE(connected.wait(30000));
}

} // namespace orvel::test
