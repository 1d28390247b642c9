// Pages on disk: every encoding and line-end style back byte for byte through File > Open and
// File > Save, bytes that are not UTF-8, files that are not text, characters an encoding cannot
// hold, files changed by another program, and saves that fail or are cut short; pages in the
// web's legacy encodings, what a page is told about its declaration, and the declaration that
// Format > Encoding rewrites.
#include "editor/PageFiles.h"

#include "dialogs/Hrule.h"
#include "page/PageFile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvel;

namespace {

using orvel::test::fileBytes;
using orvel::test::writeFile;
using PageFileTest = orvel::test::PageFilesTest;
using PageEncodingTest = orvel::test::PageFilesTest;

// Runs `f` in a child process and gives its exit status (-1 when it did not exit normally).
template <class F> int inChild(F&& f)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(f());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QByteArray sample(Encoding e, const char* end, bool final)
{
    QString text = QStringLiteral("<p>caf\u00e9 \u20ac\u201c\u2013</p>");
    if (e == Encoding::Latin1)
        text = QStringLiteral("<p>caf\u00e9 \u00fc</p>");
    if (e == Encoding::Latin9)
        text = QStringLiteral("<p>caf\u00e9 \u20ac\u0153</p>");
    const QString ends[] = {QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r")};
    QString page;
    for (int i = 0; i < 5; ++i) {
        page += text;
        if (i < 4 || final)
            page += qstrcmp(end, "mixed") ? QString::fromLatin1(end) : ends[i % 3];
    }
    return encodeText(page, {e, isUtf16(e)}, scanLineEnds(page)).bytes;
}

// Open and Save without an edit write back the bytes read, and the model still counts CR LF.
TEST_F(PageFileTest, EveryEncodingLineEndAndFinalLineEndRoundTrips)
{
    QList<QByteArray> files{QByteArray(),
                            "\xEF\xBB\xBF<p>x</p>\n",
                            "one line, no end",
                            "\xc3\xa9t\xc3\xa9 \xf0\x9f\x98\x80\r\n",
                            QByteArray("<\0p\0>\0\n\0", 8), // UTF-16LE without a byte order mark
                            QByteArray(2000, 'x') + QByteArray("\0z", 2)}; // NUL past the start
    for (Encoding e : {Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE, Encoding::Windows1252,
                       Encoding::Latin1, Encoding::Latin9})
        for (const char* end : {"\r\n", "\n", "\r", "mixed"})
            for (bool final : {false, true})
                files << sample(e, end, final);
    for (const QByteArray& bytes : files) {
        SCOPED_TRACE(bytes.left(40).toHex().toStdString());
        const QString file = open(bytes);
        ASSERT_EQ(messages(), QStringList()) << bytes.toHex().toStdString();
        EXPECT_FALSE(w->Text1->text().contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
        w->save_Click();
        EXPECT_EQ(fileBytes(file), bytes);
        EXPECT_EQ(w->star->text(), QString());
    }
    // The status bar says what the page is.
    open(sample(Encoding::Utf16BE, "mixed", true));
    EXPECT_EQ(w->pagecoding->text(), QStringLiteral("UTF-16BE BOM, CR LF (mixed)"));
    // A page that is not UTF-8 keeps its accented letters.
    open("caf\xe9\r\n");
    EXPECT_EQ(w->Text1->text(), QStringLiteral("caf\u00e9\r\n"));
}

// Lines typed into a mixed page take the end of the line they are typed in; converting the line
// ends is one undo step.
TEST_F(PageFileTest, MixedLinesKeepTheirEndsUntilConverted)
{
    const QString file = open("a\nb\r\nc\n");
    type(QStringLiteral("x\r\ny"), 3); // inside "b"
    w->save_Click();
    EXPECT_EQ(fileBytes(file), QByteArray("a\nx\r\nyb\r\nc\n"));
    w->menuAction(QStringLiteral("mnuendcr"))->trigger();
    EXPECT_EQ(w->pagecoding->text(), QStringLiteral("UTF-8, CR"));
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
    w->save_Click();
    EXPECT_EQ(fileBytes(file), QByteArray("a\rx\ryb\rc\r"));
    w->Text1->document()->undo();
    EXPECT_EQ(w->pagecoding->text(), QStringLiteral("UTF-8, LF (mixed)"));
    w->save_Click();
    EXPECT_EQ(fileBytes(file), QByteArray("a\nx\r\nyb\r\nc\n"));
}

TEST_F(PageFileTest, BytesThatAreNotUtf8AreReportedAndWrittenBackUnchanged)
{
    const struct {
        QByteArray bytes;
        const char* where;
    } rows[] = {
        {"\xff<p>caf\xc3\xa9</p>\r\n",
         "1 byte(s) could not be read, the first at line 1, column 1"},
        {"<p>caf\xc3\xa9 na\xc3\xafve</p>\r\n<p>\xe9t\xe9</p>\r\n",
         "2 byte(s) could not be read, the first at line 2, column 4"},
        {"<p>caf\xc3\xa9</p>\r\nend\xc3",
         "1 byte(s) could not be read, the first at line 2, column 4"},
    };
    // Through the worker thread that long pages go through, and without it.
    for (const qsizetype from : {qsizetype(0), w->backgroundFrom})
        for (const auto& r : rows) {
            SCOPED_TRACE(r.where);
            w->backgroundFrom = from;
            const QString file = open(r.bytes);
            ASSERT_EQ(messages().size(), 1);
            EXPECT_TRUE(messages()[0].contains(QString::fromLatin1(r.where)))
                << messages()[0].toStdString();
            EXPECT_TRUE(w->Text1->text().contains(QStringLiteral("caf\u00e9")));
            type(QStringLiteral("<!-- -->")); // an edit elsewhere
            w->save_Click();
            EXPECT_EQ(fileBytes(file), "<!-- -->" + r.bytes);
        }
}

// Opened read-only on Yes: every command refuses with one message however many changes it tries.
TEST_F(PageFileTest, AFileThatIsNotTextOpensOnlyReadOnlyAndIsNeverChanged)
{
    const QByteArray bytes("<p>one\0two</p>\r\n<b>x</b>\r\n", 21);
    const QString before = w->Text1->text();
    const QString file = path();
    ASSERT_TRUE(writeFile(file, bytes));
    ui.answerFile(file).answer(MsgAnswer::No);
    w->open_Click();
    EXPECT_TRUE(ui.prompts.last().text.startsWith(QStringLiteral("\"") + file +
                                                  QStringLiteral("\" does not look like a text")));
    EXPECT_EQ(w->Text1->text(), before);
    ui.answerFile(file).answer(MsgAnswer::Yes);
    w->open_Click();
    ASSERT_TRUE(w->Text1->isReadOnly());
    const QString page = w->Text1->text();
    ui.clipboard = QStringLiteral("pasted");
    ui.prompts.clear();
    const char* entries[] = {"quickformata",     "bolda",    "mnuUcase",
                             "mnutabby",         "mnupaste", "mnubookmark",
                             "mnusaveinutf16le", "mnuendlf", "hra"};
    for (const char* entry : entries) {
        w->Text1->setSelStart(3);
        w->Text1->setSelLength(3);
        ui.answer(QStringLiteral("top")); // the bookmark's name; the other boxes take their own
        w->menuAction(QString::fromUtf8(entry))->trigger();
        if (auto* rule = w->findChild<HruleDialog*>())
            rule->OKButton_Click();
        EXPECT_EQ(w->Text1->text(), page) << entry;
        EXPECT_EQ(w->star->text(), QString()) << entry;
        EXPECT_EQ(messages(), QStringList{w->readOnlyMessage()}) << entry;
        ui.prompts.clear();
    }
    EXPECT_TRUE(w->menuAction(QStringLiteral("mnuendcrlf"))->isChecked());
    QTest::keyClicks(QApplication::focusWidget(), "typed");
    EXPECT_EQ(w->Text1->text(), page);
    EXPECT_TRUE(ui.prompts.isEmpty());
    EXPECT_EQ(w->readOnlyMessage(), QStringLiteral("\"") + QDir::toNativeSeparators(file) +
                                        QStringLiteral("\" was opened read-only because it is "
                                                       "not a text page. It cannot be changed."));
    w->save_Click();
    EXPECT_TRUE(ui.prompts.last().text.endsWith(QStringLiteral("Nothing was saved.")));
    EXPECT_EQ(fileBytes(file), bytes);
    w->new_Click();
    EXPECT_FALSE(w->Text1->isReadOnly());
}

// A Windows-1252 page keeps its bytes; a character it cannot hold is named, and the page goes
// to UTF-8 (its declaration with it) only when the user says so.
TEST_F(PageFileTest, CharactersTheEncodingCannotHoldAreNamedBeforeAnythingIsWritten)
{
    const QByteArray page = "<meta charset=\"windows-1252\">\r\n\x93quoted\x94 \x80\r\n";
    const QString file = open(page);
    EXPECT_TRUE(w->Text1->text().contains(QStringLiteral("\u201cquoted\u201d \u20ac")));
    w->save_Click();
    EXPECT_EQ(fileBytes(file), page);
    type(QStringLiteral("\u6f22"), w->Text1->length() - 2);
    ui.answer(MsgAnswer::No);
    w->save_Click();
    EXPECT_EQ(ui.lastPrompt().text,
              QStringLiteral("Windows-1252 cannot hold these characters of the page: \u6f22\n\n"
                             "Save the page as UTF-8 instead? (No goes back to the page; nothing "
                             "is saved.)"));
    EXPECT_EQ(fileBytes(file), page);
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
    ui.answer(MsgAnswer::Yes);
    w->save_Click();
    EXPECT_EQ(fileBytes(file),
              QByteArray("<meta charset=\"utf-8\">\r\n\xe2\x80\x9cquoted\xe2\x80\x9d \xe2\x82\xac"
                         "\xe6\xbc\xa2\r\n"));
    EXPECT_EQ(w->star->text(), QString());
    // Reload as another encoding is one undo step.
    w->menuAction(QStringLiteral("mnureloadascp1252"))->trigger();
    EXPECT_TRUE(w->Text1->text().contains(QStringLiteral("\u00e2\u20ac\u0153quoted")));
    w->Text1->document()->undo();
    EXPECT_EQ(w->pagecoding->text(), QStringLiteral("UTF-8, CR LF"));
}

TEST_F(PageFileTest, AFileChangedByAnotherProgramIsNotOverwrittenUnasked)
{
    const QByteArray mine = "<p>mine</p>\n", theirs = "<p>them</p>\n";
    // Same size and the same time stamp, to the second (as a file system that keeps seconds
    // has it): only the bytes tell.
    const QString file = path();
    const timespec second[2] = {{1700000000, 0}, {1700000000, 0}};
    ASSERT_TRUE(writeFile(file, mine));
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(file).constData(), second, 0), 0);
    ui.answerFile(file);
    w->open_Click();
    ASSERT_EQ(mine.size(), theirs.size());
    ASSERT_TRUE(writeFile(file, theirs));
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(file).constData(), second, 0), 0);
    type(QStringLiteral("x"));

    EXPECT_FALSE(w->savePage(SourceWindow::SaveBy::AutoSave));
    EXPECT_FALSE(w->savePage(SourceWindow::SaveBy::AutoSave));
    ASSERT_EQ(messages().size(), 1); // told once
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("AutoSave does not overwrite it")));
    ui.answer(MsgAnswer::Cancel);
    w->save_Click();
    EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(fileBytes(file), theirs);
    ui.answer(MsgAnswer::No); // reload; undo brings the edit back
    w->save_Click();
    EXPECT_EQ(w->Text1->text(), QStringLiteral("<p>them</p>\r\n"));
    EXPECT_EQ(w->star->text(), QString());
    w->Text1->document()->undo();
    EXPECT_EQ(w->Text1->text(), QStringLiteral("x<p>mine</p>\r\n"));
    ASSERT_TRUE(writeFile(file, "changed again\n"));
    ui.answer(MsgAnswer::Yes);
    w->save_Click();
    EXPECT_EQ(fileBytes(file), QByteArray("x<p>mine</p>\n"));
    // Deleted behind the page's back: saved again on request, without a question.
    ui.prompts.clear();
    QFile::remove(file);
    w->save_Click();
    EXPECT_EQ(fileBytes(file), QByteArray("x<p>mine</p>\n"));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// Fine time stamps are trusted once the file has rested past a tick of the clock, but a program
// that writes the same number of bytes and puts the old modification time back still moves the
// change time, and then the bytes decide.
TEST_F(PageFileTest, AChangeBehindARestoredTimeStampIsStillSeen)
{
    const QString file = path();
    ASSERT_TRUE(writeFile(file, "<p>mine</p>\n"));
    QTest::qWait(150);
    ui.answerFile(file);
    w->open_Click();
    ui.prompts.clear();
    type(QStringLiteral("x"));
    w->save_Click(); // our own save: nothing asked
    EXPECT_TRUE(ui.prompts.isEmpty());
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(file).constData(), &before), 0);
    QTest::qWait(20);
    ASSERT_TRUE(writeFile(file, "x<p>them</p>\n"));
    const timespec old[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(file).constData(), old, 0), 0);
    type(QStringLiteral("y"));
    ui.answer(MsgAnswer::Cancel);
    w->save_Click();
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_TRUE(ui.lastPrompt().text.contains(QStringLiteral("changed by another program")));
    EXPECT_EQ(fileBytes(file), QByteArray("x<p>them</p>\n"));
}

TEST_F(PageFileTest, FailedSavesKeepTheOldFileWhole)
{
    const QByteArray old = "<p>old</p>\n";
    const QString file = open(old);
    type(QString(200000, u'n'));
    const QByteArray page = w->Text1->document()->toRawText().toUtf8();
    // A file-size limit: the write stops part way.
    const int limited = inChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &small);
        return writeBytes(file, page).ok ? 1 : 0;
    });
    EXPECT_EQ(limited, 0);
    // A folder the user may not write in (as root: after giving up root).
    QDir().mkdir(path(QStringLiteral("locked")));
    const QString locked = path(QStringLiteral("locked/page.html"));
    ASSERT_TRUE(writeFile(locked, old));
    chmod(QFile::encodeName(path(QStringLiteral("locked"))).constData(), 0555);
    const int denied = inChild([&] {
        if (getuid() == 0 && setuid(65534) != 0)
            return 2;
        return writeBytes(locked, page).ok ? 1 : 0;
    });
    EXPECT_EQ(denied, 0);
    chmod(QFile::encodeName(path(QStringLiteral("locked"))).constData(), 0755);
    EXPECT_EQ(fileBytes(locked), old);
    EXPECT_EQ(fileBytes(file), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("page.html")});
}

TEST_F(PageFileTest, ASaveKilledAnywhereLeavesTheOldOrTheNewFile)
{
    const QByteArray a(1 << 20, 'a'), b(1 << 20, 'b');
    const QString file = path();
    ASSERT_TRUE(writeFile(file, a));
    for (int round = 0; round < 30; ++round) {
        const pid_t pid = fork();
        if (pid == 0) {
            for (int i = 0;; ++i)
                writeBytes(file, i % 2 ? a : b);
        }
        usleep(QRandomGenerator::global()->bounded(1000, 20000));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const QByteArray now = fileBytes(file);
        ASSERT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
    }
}

TEST_F(PageFileTest, ASaveKeepsOwnerGroupModeAndLinks)
{
    const QString file = open("<p>x</p>\n");
    const QString link = path(QStringLiteral("link.html"));
    ASSERT_TRUE(QFile::link(file, link));
    chmod(QFile::encodeName(file).constData(), 0640);
    const bool root = getuid() == 0;
    if (root) {
        ASSERT_EQ(chown(QFile::encodeName(file).constData(), 65534, 65534), 0);
    }
    ui.answerFile(link);
    w->open_Click();
    type(QStringLiteral("y"));
    w->save_Click();
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
    }
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(fileBytes(file), QByteArray("y<p>x</p>\n"));
}

// Declared pages open in their encoding, without a word, and save back as they were; what is
// typed goes out in the page's encoding.
TEST_F(PageEncodingTest, DeclaredLegacyPagesOpenRightAndSaveBackByteForByte)
{
    const struct {
        QByteArray bytes;
        const char* shown; // in the page box
        const char* status;
        const char* typed;
        QByteArray typedBytes;
    } rows[] = {
        {"<meta charset=\"windows-1251\">\r\n<p>\xcf\xf0\xe8\xe2\xe5\xf2</p>\r\n",
         "<p>\u041f\u0440\u0438\u0432\u0435\u0442</p>", "Windows-1251, CR LF", "\u0416", "\xc6"},
        {"<meta http-equiv=Content-Type content=\"text/html; charset=Shift_JIS\">\n"
         "<p>\x93\xfa\x96\x7b\x8c\xea</p>\n",
         "<p>\u65e5\u672c\u8a9e</p>", "Shift_JIS, LF", "\u3042", "\x82\xa0"},
        {"<meta charset=iso-8859-2>\n<p>Plain</p>\n", "<p>Plain</p>", "ISO-8859-2, LF", "\u0142",
         "\xb3"},
        {"<meta charset=gb2312>\n<p>\xd6\xd0\xce\xc4</p>\n", "<p>\u4e2d\u6587</p>", "GBK, LF",
         "\u20ac", "\x80"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.status);
        const QString file = open(r.bytes);
        EXPECT_EQ(messages(), QStringList());
        EXPECT_TRUE(w->Text1->text().contains(QString::fromUtf8(r.shown)));
        EXPECT_EQ(w->pagecoding->text(), QString::fromLatin1(r.status));
        w->save_Click();
        EXPECT_EQ(fileBytes(file), r.bytes);
        const qsizetype at = r.bytes.indexOf("</p>");
        type(QString::fromUtf8(r.typed), int(w->Text1->text().indexOf(QStringLiteral("</p>"))));
        w->save_Click();
        EXPECT_EQ(fileBytes(file), r.bytes.left(at) + r.typedBytes + r.bytes.mid(at));
    }
}

// A declaration that cannot be followed is told about, naming what was declared and what is
// used; Save as in the encoding the page is read in puts the declaration right.
TEST_F(PageEncodingTest, AnOpenedPageIsToldWhatItDeclaredAndWhatIsUsed)
{
    const QByteArray utf8 = "<meta charset=\"windows-1251\">\n<p>\xd0\x9f</p>\n";
    const QString file = open(utf8);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].startsWith(
        QStringLiteral("\"%1\" says its encoding is \"windows-1251\", but its bytes are UTF-8.")
            .arg(file)))
        << messages()[0].toStdString();
    EXPECT_TRUE(w->Text1->text().contains(QStringLiteral("<p>\u041f</p>")));
    w->menuAction(QStringLiteral("mnusaveinutf8"))->trigger();
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
    w->save_Click();
    EXPECT_EQ(fileBytes(file), QByteArray("<meta charset=\"utf-8\">\n<p>\xd0\x9f</p>\n"));
    w->Text1->document()->undo();
    EXPECT_TRUE(w->Text1->text().startsWith(QStringLiteral("<meta charset=\"windows-1251\">")));

    open("<meta charset=\"x-klingon\">\n<p>caf\xe9</p>\n");
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("says its encoding is \"x-klingon\", which "
                                                      "is not the name of an encoding")));
    EXPECT_TRUE(w->Text1->text().contains(QStringLiteral("caf\u00e9")));
    // Bytes that are no Shift_JIS characters: how many, and where the first is.
    open("<meta charset=sjis>\n<p>\x82\xa0\xff</p>\n");
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].endsWith(QStringLiteral(
        "is not all Shift_JIS: 1 byte(s) could not be read, the first at line 2, column 5. They "
        "are shown as stand-in characters and saved back unchanged unless you edit them.")));
}

// Save as rewrites the declaration browsers follow, not one commented out; characters survive
// the conversion and a stray byte is named before anything is written.
TEST_F(PageEncodingTest, SaveAsRewritesTheLiveDeclarationAndKeepsEveryCharacter)
{
    const QByteArray page = "<!-- <meta charset=\"utf-8\"> -->\n<meta charset=\"windows-1252\">\n"
                            "<p>caf\xe9</p>\n";
    const QString file = open(page);
    w->menuAction(QStringLiteral("mnusaveinkoi8r"))->trigger();
    EXPECT_TRUE(w->Text1->text().startsWith(
        QStringLiteral("<!-- <meta charset=\"utf-8\"> -->\r\n<meta charset=\"koi8-r\">")));
    ui.answer(MsgAnswer::No);
    w->save_Click();
    EXPECT_TRUE(ui.lastPrompt().text.startsWith(
        QStringLiteral("KOI8-R cannot hold these characters of the page: \u00e9\n")));
    EXPECT_EQ(fileBytes(file), page);

    // UTF-16 with U+2029 (read as the stand-ins of its two bytes), saved as UTF-8.
    open(QByteArray("\xff\xfe<\0p\0>\0\x29\x20<\0", 12));
    EXPECT_EQ(w->pagecoding->text(), QStringLiteral("UTF-16LE BOM, CR LF"));
    w->menuAction(QStringLiteral("mnusaveinutf8"))->trigger();
    w->save_Click();
    EXPECT_EQ(fileBytes(file), QByteArray("\xef\xbb\xbf<p>\xe2\x80\xa9<")); // its mark kept

    // A byte that is not UTF-8 cannot go into UTF-16 (nor back into UTF-8 as anything but
    // itself): the user is told what to do instead of being offered UTF-8; nothing is written.
    const QByteArray stray = "<p>caf\xc3\xa9 a\xffz</p>";
    open(stray);
    w->menuAction(QStringLiteral("mnusaveinutf16le"))->trigger();
    w->save_Click();
    EXPECT_EQ(ui.lastPrompt().text,
              QStringLiteral("UTF-16LE cannot hold 1 byte(s) of the page that were no character "
                             "in UTF-8 (they show as stand-in characters). Delete them, or save "
                             "the page in UTF-8 again (Format > Encoding > Save as).\n\nNothing "
                             "was saved."));
    EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::Ok);
    EXPECT_EQ(fileBytes(file), stray);
}

} // namespace
