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
        ASSERT_TRUE(writeFile(path, bytes));
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

// An edit changes only the edited markup; a second edit after a save, only its own.
TEST_F(EditControlTest, EditedPageSavesOnlyTheEdit)
{
    const QByteArray page = "<!DOCTYPE html><html><head><meta name=\"x\" content=\"y\">"
                            "<title>T</title></head><body><p>one two</p></body></html>";
    load(page);
    js(QStringLiteral("(() => { const t = document.querySelector('p').firstChild; "
                      "getSelection().setBaseAndExtent(t, 0, t, 3); })()"));
    EXPECT_TRUE(area->execCommand(DECMD_BOLD));
    EXPECT_TRUE(area->isEdited());
    QString expected = QString::fromUtf8(page).replace(q("<p>one"), q("<p><b>one</b>"));
    EXPECT_EQ(area->pageText(LineEnd::CrLf), expected);
    area->markSaved(expected);
    EXPECT_FALSE(area->isEdited());
    js(QStringLiteral("(() => { const t = document.querySelector('p').lastChild; "
                      "getSelection().setBaseAndExtent(t, 1, t, 4); })()"));
    EXPECT_TRUE(area->execCommand(DECMD_ITALIC));
    expected.replace(q(" two</p>"), q(" <i>two</i></p>"));
    EXPECT_EQ(area->pageText(LineEnd::CrLf), expected);
    EXPECT_EQ(area->spliceStats().fallbacks, 0);
    load(expected.toUtf8());
    EXPECT_EQ(body(), q("<p><b>one</b> <i>two</i></p>"));
}

// An edit between taking the text for a save and the save's mark reaches the next save.
TEST_F(EditControlTest, AnEditAfterTheSavedTextStillReachesTheNextSave)
{
    load("<p>one</p>\n<p>two</p>\n");
    const auto type = [this](int p, const char* word) {
        js(QStringLiteral("document.querySelectorAll('p')[%1].firstChild.appendData('%2')")
               .arg(p)
               .arg(q(word)));
    };
    type(0, " A");
    // Only the changed parts come over; the others stand as their places in the marked tree.
    EXPECT_EQ(js(QStringLiteral("orvel.tree()")),
              q(R"([["html",[],[[0,1,1],["body",[],[["p",[],["one A"]],"\n",[0,4,1],"\n"]]]]])"));
    const QString first = area->pageText(LineEnd::Lf);
    EXPECT_EQ(first, q("<p>one A</p>\n<p>two</p>\n"));
    type(1, " B");
    area->markSaved(first);
    EXPECT_EQ(area->pageText(LineEnd::Lf), q("<p>one A</p>\n<p>two B</p>\n"));
}

TEST_F(EditControlTest, StrayBytesAndTheControlsStyleStayAsTheyWere)
{
    const QByteArray page =
        "<html><head><meta charset=utf-8><title>T</title></head>\n<body>\n"
        "<p>caf\xC3\xA9 na\xC3\xAFve \xC3\xBC \xFF</p>\n<p>two</p>\n</body></html>\n";
    ASSERT_TRUE(writeFile(path, page));
    const PageRead read = readPage(path);
    ASSERT_TRUE(read.ok && read.badBytes == 1);
    area->showPage(read.text, path);
    waitLoaded();
    area->setShowDetails(true);
    js(QStringLiteral("document.querySelectorAll('p')[1].firstChild.appendData(' more')"));
    const QString text = area->pageText(read.format.ends.style);
    ASSERT_TRUE(writePage(path, text, read.format).ok);
    QByteArray expected = page;
    expected.replace("<p>two", "<p>two more");
    EXPECT_EQ(fileBytes(path), expected);
}

TEST_F(EditControlTest, ListsAreNotPutInsideParagraphs)
{
    struct Row {
        int command;
        const char* page;
        const char* at; // the text the caret goes into
        const char* body;
    } const rows[] = {
        {DECMD_UNORDERLIST, "<p id=a>one two</p><p>three</p>", "one two",
         "<ul><li>one two</li></ul><p>three</p>"},
        {DECMD_ORDERLIST, "<p id=a>one two</p><p>three</p>", "one two",
         "<ol><li>one two</li></ol><p>three</p>"},
        {DECMD_UNORDERLIST, "<p id=a>one<br>two<br>six</p>", "two",
         "<p id=\"a\">one</p><ul><li>two</li></ul><p>six</p>"},
    };
    for (const Row& r : rows) {
        load(r.page);
        js(QStringLiteral("(() => { const w = document.createTreeWalker(document.body, 4); "
                          "for (let t; (t = w.nextNode());) if (t.data === %1) "
                          "getSelection().setBaseAndExtent(t, 1, t, 1); })()")
               .arg(q("'") + q(r.at) + q("'")));
        EXPECT_TRUE(area->execCommand(r.command)) << r.page;
        EXPECT_EQ(body(), q(r.body)) << r.page;
    }
}

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
    area->setShowDetails(false);
    EXPECT_EQ(js(QStringLiteral("getComputedStyle(document.querySelector('p')).outlineStyle")),
              QStringLiteral("none"));
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
