// The page's file as both windows save it: the questions before a file is overwritten, what a
// failed save says, and AutoSave, which never answers a question itself.
#include "editor/PageFiles.h"

#include "page/Page.h"

#include <QDir>
#include <QScopeGuard>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvel;

namespace {

using orvel::test::fileBytes;
using orvel::test::writeFile;

const Page::SaveRequest kByAutoSave{SaveBy::AutoSave, false, {}, {}};

class PageTest : public orvel::test::PlatformTest {
protected:
    // The page reads `file`, as File > Open does.
    void adopt(const QString& file)
    {
        const std::optional<PageRead> read = page.read(file);
        ASSERT_TRUE(read.has_value());
        page.adopt(file, *read);
    }
    QString opened(const QByteArray& bytes)
    {
        const QString file = dir.filePath(QStringLiteral("page.html"));
        EXPECT_TRUE(writeFile(file, bytes));
        adopt(file);
        return file;
    }
    Page::Saved save(const QString& s, const Page::SaveRequest& request = {})
    {
        const auto text = [&s] { return PageText{s, scanLineEnds(s)}; };
        return page.save(page.path(), text, request);
    }

    QTemporaryDir dir;
    Page page;
};

// A read-only file is overwritten only when the user says so, and stays read-only (root, who
// may write anything, is asked too).
TEST_F(PageTest, AReadOnlyFileAsksFirstAndKeepsItsMode)
{
    const QString file = opened("<p>old</p>\n");
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0444), 0);
    ui.answer(MsgAnswer::No);
    EXPECT_EQ(save(QStringLiteral("<p>new</p>\n")), Page::Saved::NotSaved);
    EXPECT_EQ(ui.lastPrompt().text,
              quotedPath(file) + QStringLiteral(" is read-only: its permissions do not allow "
                                                "writing it. Save over it anyway? It stays "
                                                "read-only."));
    EXPECT_EQ(ui.lastPrompt().defaultButton, MsgAnswer::No);
    EXPECT_EQ(fileBytes(file), QByteArray("<p>old</p>\n"));
    ui.answer(MsgAnswer::Yes);
    EXPECT_EQ(save(QStringLiteral("<p>new</p>\n")), Page::Saved::Done);
    EXPECT_EQ(fileBytes(file), QByteArray("<p>new</p>\n"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    // AutoSave does not ask: it says why once and waits.
    EXPECT_EQ(save(QStringLiteral("<p>auto</p>\n"), kByAutoSave), Page::Saved::NotSaved);
    EXPECT_EQ(save(QStringLiteral("<p>auto</p>\n"), kByAutoSave), Page::Saved::NotSaved);
    EXPECT_EQ(ui.prompts.size(), 3);
    EXPECT_TRUE(page.autoSavePaused());
    EXPECT_EQ(fileBytes(file), QByteArray("<p>new</p>\n"));
}

// A link whose target went away while the page was open: the target is made again only on a Yes,
// and the link stays a link.
TEST_F(PageTest, ALinkWhoseTargetIsGoneAsksBeforeMakingIt)
{
    const QString target = dir.filePath(QStringLiteral("real.html"));
    const QString link = dir.filePath(QStringLiteral("link.html"));
    ASSERT_TRUE(writeFile(target, "<p>x</p>\n"));
    ASSERT_TRUE(QFile::link(QStringLiteral("real.html"), link)); // relative, as users make them
    adopt(link);
    ASSERT_TRUE(QFile::remove(target));
    ui.answer(MsgAnswer::No);
    EXPECT_EQ(save(QStringLiteral("<p>y</p>\n")), Page::Saved::NotSaved);
    EXPECT_EQ(ui.lastPrompt().text, quotedPath(link) + QStringLiteral(" is a link to ") +
                                        quotedPath(target) +
                                        QStringLiteral(", which no longer exists. Save the page "
                                                       "there, creating it?"));
    EXPECT_FALSE(QFile::exists(target));
    ui.answer(MsgAnswer::Yes);
    EXPECT_EQ(save(QStringLiteral("<p>y</p>\n")), Page::Saved::Done);
    EXPECT_EQ(fileBytes(target), QByteArray("<p>y</p>\n"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

TEST_F(PageTest, AFullDiskIsNamedAndPausesAutoSave)
{
    const QString mountPoint = dir.filePath(QStringLiteral("small"));
    QDir().mkpath(mountPoint);
    if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "a small file system cannot be mounted here";
    const auto unmount = qScopeGuard([&] { ::umount(QFile::encodeName(mountPoint).constData()); });
    const QString file = QDir(mountPoint).filePath(QStringLiteral("page.html"));
    ASSERT_TRUE(writeFile(file, "<p>old</p>\n"));
    adopt(file);
    const QString big(64 * 1024, u'x');
    EXPECT_EQ(save(big), Page::Saved::NotSaved);
    EXPECT_EQ(ui.lastPrompt().text, QStringLiteral("Could not save ") + quotedPath(file) +
                                        QStringLiteral(": the disk is full"));
    EXPECT_EQ(save(big, kByAutoSave), Page::Saved::NotSaved);
    EXPECT_EQ(save(big, kByAutoSave), Page::Saved::NotSaved);
    EXPECT_EQ(ui.prompts.size(), 2);
    EXPECT_TRUE(ui.lastPrompt().text.endsWith(
        QStringLiteral("the disk is full. AutoSave is paused until the page is saved.")));
    EXPECT_EQ(fileBytes(file), QByteArray("<p>old</p>\n"));
    EXPECT_EQ(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden).size(), 1);
    // The user makes room and saves: AutoSave goes on.
    EXPECT_EQ(save(QStringLiteral("<p>small</p>\n")), Page::Saved::Done);
    EXPECT_FALSE(page.autoSavePaused());
    EXPECT_EQ(save(QStringLiteral("<p>auto</p>\n"), kByAutoSave), Page::Saved::Done);
}

TEST_F(PageTest, RelabellingEditsTheLiveDeclarationInItsLetterCase)
{
    const struct {
        const char *page, *expected;
    } rows[] = {
        {"<meta charset=\"windows-1252\"><p>x", "<meta charset=\"utf-8\"><p>x"},
        {"<META CHARSET=WINDOWS-1252><p>x", "<META CHARSET=UTF-8><p>x"},
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\">",
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"},
        {"<p>no declaration</p>", "<p>no declaration</p>"},
        {"<meta charset=\"utf-8\">", "<meta charset=\"utf-8\">"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(relabelCharset(QString::fromUtf8(r.page), Encoding::Utf8),
                  QString::fromUtf8(r.expected));
}

} // namespace
