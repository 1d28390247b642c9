// The preview: its address history, captions and toolbar through the real browser, and the
// reload when the page's file is saved again.
#include "preview/PreviewWindow.h"
#include "page/PageFile.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

using namespace orvel;

namespace {

constexpr int kLoadTimeout = 60000;

TEST(VisitedFirstTest, EachAddressOnceNewestFirst)
{
    const struct {
        QStringList list;
        const char* visit;
        QStringList expected;
    } rows[] = {
        {{}, "a", {"a"}},
        {{"a", "b"}, "a", {"a", "b"}},
        {{"c", "a", "b"}, "a", {"a", "c", "b"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(visitedFirst(row.list, QString::fromUtf8(row.visit)), row.expected) << row.visit;
    EXPECT_EQ(addressOf(QUrl::fromLocalFile(QStringLiteral("/tmp/a b.html"))),
              QStringLiteral("/tmp/a b.html"));
    EXPECT_EQ(addressOf(QUrl(QStringLiteral("https://example.org/"))),
              QStringLiteral("https://example.org/"));
}

class PreviewWindowTest : public orvel::test::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        pageA = dir.filePath(QStringLiteral("a.html"));
        pageB = dir.filePath(QStringLiteral("b.html"));
        ASSERT_TRUE(writePage(pageA, html("Page A")).ok && writePage(pageB, html("Page B")).ok);
        preview = std::make_unique<PreviewWindow>();
    }
    void TearDown() override
    {
        preview.reset();
        PlatformTest::TearDown();
    }
    static QString html(const char* title)
    {
        // Tall enough to scroll; the title is written by a script, as the page's own code runs.
        return QStringLiteral("<html><head><title>x</title></head><body style=\"height:5000px\">"
                              "<script>document.title = \"%1\";</script>find me</body></html>")
            .arg(QString::fromUtf8(title));
    }
    QStringList history() const
    {
        QStringList entries;
        for (int i = 0; i < preview->cboAddress->count(); ++i)
            entries << preview->cboAddress->itemText(i);
        return entries;
    }
    // Waits for the caption to settle on `title` after a navigation.
    bool shows(const QString& title)
    {
        return QTest::qWaitFor([&] { return !preview->isBusy() && preview->caption() == title; },
                               kLoadTimeout);
    }
    QVariant evaluate(const QString& script)
    {
        QVariant result;
        bool done = false;
        preview->brwWebBrowser->page()->runJavaScript(script, [&](const QVariant& v) {
            result = v;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, kLoadTimeout));
        return result;
    }

    QTemporaryDir dir;
    QString pageA, pageB;
    std::unique_ptr<PreviewWindow> preview;
};

TEST_F(PreviewWindowTest, BrowsesWithAHistoryOfEachAddressOnceAndReloadsASavedPage)
{
    EXPECT_EQ(preview->caption(), QStringLiteral("Preview: Orvel - by Quorrin"));
    // Nothing of a preview outlives the program.
    EXPECT_TRUE(preview->brwWebBrowser->page()->profile()->isOffTheRecord());
    preview->openPage(pageA);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->cboAddress->currentText(), pageA);
    // While the page loads, the busy caption.
    preview->timTimer_Timer();
    EXPECT_EQ(preview->caption(), QStringLiteral("Working..."));
    ASSERT_TRUE(shows(QStringLiteral("Page A")));
    EXPECT_FALSE(preview->timTimer->isActive());
    // The browser and the address box take the room of the window.
    for (const int width : {600, 900}) {
        preview->resize(width, 500);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return preview->brwWebBrowser->width() > width - 20 &&
                   preview->cboAddress->width() > width - 120;
        }));
    }
    // Saved again, the page is reloaded where it was shown; twice, as a save replaces the file
    // and the second must still be noticed.
    evaluate(QStringLiteral("window.scrollTo(0, 700)"));
    for (const char* title : {"Saved once", "Saved twice"}) {
        ASSERT_TRUE(writePage(pageA, html(title)).ok);
        ASSERT_TRUE(shows(QString::fromUtf8(title)));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return evaluate(QStringLiteral("window.scrollY")).toInt() == 700; }, 5000));
    }
    EXPECT_EQ(history(), QStringList{pageA});

    // An address typed into the box that has the focus, as a user types, and entered.
    QSignalSpy loads(preview->brwWebBrowser->page(), &QWebEnginePage::loadFinished);
    preview->cboAddress->lineEdit()->selectAll();
    QTest::keyClicks(preview->cboAddress, pageB);
    QTest::keyClick(preview->cboAddress, Qt::Key_Return);
    ASSERT_TRUE(shows(QStringLiteral("Page B")));
    EXPECT_EQ(history(), (QStringList{pageB, pageA}));

    // Home is the page the preview was opened on.
    preview->toolButton(QStringLiteral("Home"))->trigger();
    ASSERT_TRUE(shows(QStringLiteral("Saved twice")));
    EXPECT_EQ(history(), (QStringList{pageA, pageB}));

    // Choosing an entry navigates once; rearranging the list after it does not navigate again.
    preview->cboAddress->setCurrentIndex(1);
    emit preview->cboAddress->activated(1);
    ASSERT_TRUE(shows(QStringLiteral("Page B")));
    QTest::qWait(300);
    EXPECT_EQ(loads.count(), 3);
    EXPECT_EQ(history(), (QStringList{pageB, pageA}));
    EXPECT_EQ(preview->cboAddress->currentText(), pageB);

    // Search finds in the page: it asks what, and asks again with the last text.
    ui.answer(QStringLiteral("find me")).answer(QString());
    preview->toolButton(QStringLiteral("Search"))->trigger();
    preview->toolButton(QStringLiteral("Search"))->trigger();
    ASSERT_EQ(ui.prompts.size(), 2);
    EXPECT_EQ(ui.prompts[0].text, QStringLiteral("Find in this page:"));
    EXPECT_EQ(ui.prompts[0].title, QStringLiteral("Search: Orvel"));
    EXPECT_EQ(ui.prompts[1].defaultText, QStringLiteral("find me"));

    // Stop ends the busy watch and names the page.
    preview->timTimer_Timer();
    preview->toolButton(QStringLiteral("Stop"))->trigger();
    EXPECT_FALSE(preview->timTimer->isActive());
    EXPECT_EQ(preview->caption(), QStringLiteral("Page B"));
}

} // namespace
