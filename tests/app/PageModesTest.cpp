// One page in two windows: whatever the page's encoding and line ends, and whatever File command
// ran in between, the window that comes up shows the page the other one held, at its path, and
// every byte the user did not change stays as it was.
#include "composer/ComposerTest.h"

#include "editor/Bookmarks.h"

#include <QTcpServer>
#include <QTest>

namespace orvel::test {

namespace {

QByteArray encoded(const QString& text, Encoding e, bool bom)
{
    return encodeText(text, {e, bom}, scanLineEnds(text)).bytes;
}

class PageModesTest : public ComposerTest {
protected:
    void SetUp() override
    {
        ComposerTest::SetUp();
        c->links.showPreview = [this](const QString& path) { previews << path; };
    }
    // File > Open in the Composer.
    void open(const QString& file)
    {
        ui.answerFile(file);
        trigger("open");
        ASSERT_TRUE(waitLoaded(c->area));
    }
    SourceWindow* toSource()
    {
        trigger("mnuhtml");
        return source();
    }
    void back()
    {
        source()->close();
        EXPECT_TRUE(waitLoaded(c->area));
    }
    QString put(const char* name, const QByteArray& bytes)
    {
        const QString file = dir.filePath(q(name));
        EXPECT_TRUE(writeFile(file, bytes));
        return file;
    }

    QStringList previews;
};

const QString kWords = QStringLiteral("caf\u00e9 \u20ac na\u00efve");

// Unedited, a page keeps its bytes both ways; an edit in the Composer is written in the page's
// own encoding under its own declaration; an edit in the source window changes only itself.
TEST_F(PageModesTest, EveryEncodingAndLineEndSurvivesBothWays)
{
    const struct {
        const char* name;
        QString text;
        Encoding encoding;
        bool bom;
    } pages[] = {
        {"declared 1252, CR LF",
         q("<html><head><meta charset=\"windows-1252\"><title>t</title></head>\r\n<body>\r\n<p>") +
             kWords + q("</p>\r\n</body></html>\r\n"),
         Encoding::Windows1252, false},
        {"undeclared Latin-1, LF", q("<html><body>\n<p>caf\u00e9 na\u00efve</p>\n</body></html>\n"),
         Encoding::Windows1252, false},
        {"declared 8859-15, no final end",
         q("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-15\">\n<p>") +
             kWords + q("</p>"),
         Encoding::Latin9, false},
        {"UTF-16LE, mixed ends", q("<html><body>\r\n<p>") + kWords + q("</p>\n</body></html>\r"),
         Encoding::Utf16LE, true},
        {"UTF-8 with a byte order mark, CR",
         q("<html><body>\r<p>") + kWords + q("</p>\r</body></html>\r"), Encoding::Utf8, true},
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.name);
        const QByteArray bytes = encoded(p.text, p.encoding, p.bom);
        const QString file = put("page.html", bytes);
        open(file);
        SourceWindow* w = toSource();
        ASSERT_TRUE(w && w->isVisible());
        EXPECT_EQ(withCrLfEnds(w->Text1->text()), withCrLfEnds(p.text));
        back();
        EXPECT_EQ(fileBytes(file), bytes);

        // The Composer's edit: the page's characters and encoding stay.
        c->area->typeText(q("Z"));
        ASSERT_TRUE(c->save_Click());
        const PageRead saved = readPage(file);
        EXPECT_EQ(saved.format.encoding, p.encoding);
        EXPECT_EQ(saved.format.bom, p.bom);
        EXPECT_EQ(saved.badBytes, 0);
        EXPECT_TRUE(saved.text.contains(p.text.contains(kWords) ? kWords : q("caf\u00e9")));
        EXPECT_TRUE(saved.text.contains(q("Z")));

        // The source window's edit: only itself.
        const QByteArray before = fileBytes(file);
        w = toSource();
        w->Text1->setSelStart(int(w->Text1->text().indexOf(q("Z"))));
        w->Text1->setSelText(q("\u00e9"));
        back();
        const QByteArray after = fileBytes(file);
        EXPECT_EQ(after.size() - before.size(), encoded(q("\u00e9"), p.encoding, false).size());
        EXPECT_TRUE(readPage(file).text.contains(q("\u00e9Z")));
        ui.prompts.clear();
    }
}

// After Open, Save As or New in the source window, the way back shows that page at its path, and
// Preview from either window shows the page's current file.
TEST_F(PageModesTest, TheComposerFollowsThePage)
{
    const QString a = put("a.html", "<p>A</p>\n");
    const QString b = put("b.html", "<p>B</p>\n");
    const QString saved = dir.filePath(q("c.html"));
    open(a);
    SourceWindow* w = toSource();
    ASSERT_TRUE(w);
    ui.answerFile(b);
    w->open_Click();
    w->preview_Click();
    back();
    EXPECT_EQ(c->windowTitle(), q("Orvel Composer: ") + b);
    EXPECT_EQ(c->area->bodyHtml().trimmed(), q("<p>B</p>"));
    EXPECT_EQ(fileBytes(a), QByteArray("<p>A</p>\n"));
    trigger("mnupreview");

    toSource();
    ui.answerFile(saved);
    w->saveas_Click();
    back();
    EXPECT_EQ(c->windowTitle(), q("Orvel Composer: ") + saved);
    EXPECT_EQ(c->saveme->text(), saved);
    EXPECT_EQ(fileBytes(b), QByteArray("<p>B</p>\n"));
    EXPECT_EQ(previews, (QStringList{b, b}));

    // A new page gets a file on the way back; without one the source window stays.
    toSource();
    w->new_Click();
    ui.cancelFile();
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(c->isVisible());
    EXPECT_EQ(ui.lastPrompt().file.kind, FileDialogKind::Save);
    const QString fresh = dir.filePath(q("new.html"));
    ui.answerFile(fresh);
    w->close();
    ASSERT_TRUE(waitLoaded(c->area));
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(c->windowTitle(), q("Orvel Composer: ") + fresh);
    EXPECT_TRUE(QFile::exists(fresh));
}

// The bookmarks belong to the page: a switch keeps them, only File > Open lets them go; every old
// generator line is replaced.
TEST_F(PageModesTest, SwitchesKeepBookmarksAndReplaceEveryGeneratorLine)
{
    const QByteArray old = PageModes::kGeneratorOld.toUtf8();
    const QString file = put("page.html", "<head>" + old + "\n" + old + "</head><p>x</p>\n");
    open(file);
    SourceWindow* w = toSource();
    QSignalSpy opened(w, &SourceWindow::pageOpened);
    EXPECT_EQ(w->Text1->text().count(PageModes::kGeneratorNew), 2);
    EXPECT_FALSE(w->Text1->text().contains(PageModes::kGeneratorOld));
    back();
    EXPECT_EQ(QString::fromUtf8(fileBytes(file)).count(PageModes::kGeneratorNew), 2);
    toSource();
    ui.answerFile(file);
    w->open_Click();
    EXPECT_EQ(opened.count(), 1);
}

TEST_F(PageModesTest, TheComposerNamesCharactersTheEncodingCannotHoldAndWritesNewPagesInUtf8)
{
    const QByteArray page = "<meta charset=\"windows-1252\"><p>caf\xe9</p>\r\n";
    const QString file = put("page.html", page);
    open(file);
    c->area->typeText(q("\u6f22"));
    ui.answer(MsgAnswer::No);
    EXPECT_FALSE(c->save_Click());
    EXPECT_TRUE(ui.lastPrompt().text.startsWith(
        q("Windows-1252 cannot hold these characters of the page: \u6f22")));
    EXPECT_EQ(fileBytes(file), page);
    ui.answer(MsgAnswer::Yes);
    EXPECT_TRUE(c->save_Click());
    const PageRead saved = readPage(file);
    EXPECT_EQ(saved.format.encoding, Encoding::Utf8);
    EXPECT_TRUE(saved.text.contains(q("<meta charset=\"utf-8\">")));
    EXPECT_TRUE(saved.text.contains(q("caf\u00e9\u6f22")));
    // The Composer's new page declares its charset and is written as UTF-8.
    trigger("new");
    ASSERT_TRUE(waitLoaded(c->area));
    const QString fresh = dir.filePath(q("new.html"));
    ui.answerFile(fresh);
    ASSERT_TRUE(c->saveas_Click());
    EXPECT_EQ(fileBytes(fresh), EditControl::kNewPage.toUtf8());
    c->area->typeText(q("\u6f22"));
    ASSERT_TRUE(c->save_Click());
    EXPECT_TRUE(fileBytes(fresh).contains("\xe6\xbc\xa2"));
}

// Nothing but the Composer's own loads replaces the page it edits: not a refresh to itself, to
// another file or to a server, and a program file is not opened at all.
TEST_F(PageModesTest, TheEditingViewAlwaysShowsThePagesFile)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QByteArray remote = "http://127.0.0.1:" + QByteArray::number(server.serverPort()) + "/";
    put("other.html", "<p>OTHER</p>");
    for (const QByteArray& refresh :
         {QByteArray("1"), QByteArray("0;url=other.html"), "0;url=" + remote}) {
        SCOPED_TRACE(refresh.toStdString());
        const QString file = put("page.html", "<meta http-equiv=\"refresh\" content=\"" + refresh +
                                                  "\"><p>mine</p>\n");
        open(file);
        c->area->typeText(q("typed"));
        QTest::qWait(2500);
        ASSERT_TRUE(c->save_Click());
        EXPECT_TRUE(fileBytes(file).contains("mine"));
        EXPECT_TRUE(fileBytes(file).contains("typed"));
        EXPECT_FALSE(fileBytes(file).contains("OTHER"));
    }
    const QString program = put("program", QByteArray("\x7f\x45LF\x02\x01\x01\0\0\0\0", 12));
    const QString title = c->windowTitle();
    const QString path = c->page().path();
    ui.answerFile(program);
    trigger("open");
    EXPECT_TRUE(ui.lastPrompt().text.contains(q("does not look like a web page")));
    EXPECT_EQ(c->windowTitle(), title);
    EXPECT_EQ(c->page().path(), path);
}

// The Composer's Save checks the file on disk as the source window's does; Save As to another file
// asks nothing about this one.
TEST_F(PageModesTest, TheComposerDoesNotOverwriteAnotherProgramsChangeUnasked)
{
    const QString file = put("page.html", "<p>mine</p>\n");
    open(file);
    ASSERT_TRUE(writeFile(file, "<p>theirs, longer</p>\n"));
    c->area->typeText(q("x"));
    ui.answer(MsgAnswer::No);
    EXPECT_FALSE(c->save_Click());
    EXPECT_TRUE(ui.lastPrompt().text.contains(q("was changed by another program")));
    EXPECT_TRUE(ui.lastPrompt().text.endsWith(q("No: leave both as they are.")));
    EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::YesNo);
    EXPECT_EQ(fileBytes(file), QByteArray("<p>theirs, longer</p>\n"));
    // The switch saves too, and asks the same.
    c->firstSwitch = false;
    ui.answer(MsgAnswer::No);
    trigger("mnuhtml");
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(fileBytes(file), QByteArray("<p>theirs, longer</p>\n"));
    ui.prompts.clear();
    ui.answerFile(dir.filePath(q("other.html")));
    EXPECT_TRUE(c->saveas_Click());
    EXPECT_EQ(ui.prompts.size(), 1); // the file dialog alone
    EXPECT_EQ(c->page().path(), dir.filePath(q("other.html")));
}

} // namespace

} // namespace orvel::test
