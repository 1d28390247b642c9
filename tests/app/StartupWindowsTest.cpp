// The splash sequence on a test clock, the about box and its system-information tool, and the
// source window's Help and About commands.
#include "app/About.h"
#include "app/Composition.h"
#include "app/Splash.h"
#include "app/Windows.h"
#include "help/HelpWindow.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSysInfo>
#include <QToolButton>
#include <map>

using namespace orvel;

namespace {

using SplashTest = orvel::test::PlatformTest;

TEST_F(SplashTest, EightStepsThenTheFirstWindow)
{
    std::multimap<int, std::function<void()>> clock;
    int firstWindowShown = 0;
    auto* splash = new SplashWindow(
        [&] { ++firstWindowShown; },
        [&](int ms, std::function<void()> step) { clock.emplace(ms, std::move(step)); });
    QPointer<SplashWindow> alive(splash);
    splash->show();
    EXPECT_EQ(splash->lblVersion->text(), QStringLiteral("Version 2.0.0"));
    EXPECT_EQ(splash->lblProductName->text(), QStringLiteral("Orvel"));
    EXPECT_EQ(splash->lblCompanyProduct->text(), QStringLiteral("Quorrin's"));
    EXPECT_EQ(splash->lblPlatform->text(), QSysInfo::prettyProductName());

    const struct {
        int atMs, progress;
        const char *loader, *name;
    } expected[] = {
        {125, 2, "Loading Orvel.....", "Orvel"},
        {400, 14, "Setting up Composer", "O"},
        {500, 29, "Autocheck for corruption", "Or"},
        {540, 43, "Initializing preview browser", "Orv"},
        {650, 61, nullptr, "Orve"},
        {1000, 79, "Generating Scripts", "Orvel"},
        {1275, 87, "Please wait....", "Orvel"},
    };
    ASSERT_EQ(clock.size(), 8u);
    auto tick = clock.begin();
    for (const auto& step : expected) {
        SCOPED_TRACE(step.atMs);
        ASSERT_EQ(tick->first, step.atMs);
        (tick++)->second();
        EXPECT_EQ(splash->ProgressBar1->value(), step.progress);
        if (step.loader) {
            EXPECT_EQ(splash->loader->text(), QString::fromUtf8(step.loader));
        }
        EXPECT_EQ(splash->lblProductName->text(), QString::fromUtf8(step.name));
        EXPECT_EQ(firstWindowShown, 0);
    }
    EXPECT_FALSE(splash->loader->text().isEmpty());
    ASSERT_EQ(tick->first, 2575);
    tick->second();
    EXPECT_EQ(splash->ProgressBar1->value(), 99);
    EXPECT_EQ(splash->loader->text(), QStringLiteral("Starting Orvel"));
    EXPECT_EQ(firstWindowShown, 1);
    EXPECT_FALSE(splash->isVisible());
    // A step that fires again does nothing; the splash is unloaded.
    tick->second();
    EXPECT_EQ(firstWindowShown, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
}

using AboutTest = orvel::test::PlatformTest;

TEST_F(AboutTest, TitleVersionAndTheSystemInformationTool)
{
    const struct {
        QStringList installed;
        bool starts;
        QString started;
        bool unavailable;
    } rows[] = {
        {{"kinfocenter", "hardinfo"}, true, "/usr/bin/hardinfo", false},
        {{"gnome-system-monitor"}, true, "/usr/bin/gnome-system-monitor", false},
        {{}, true, "", true},
        {{"hardinfo"}, false, "/usr/bin/hardinfo", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.installed.join(u' ').toStdString());
        AboutBox about;
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About Orvel"));
        EXPECT_EQ(about.lblTitle->text(), QStringLiteral("Orvel"));
        EXPECT_EQ(about.lblVersion->text(), QStringLiteral("Version 2.0.0"));
        EXPECT_EQ(about.picthelp->toolTip(), QStringLiteral("Show Help For Orvel"));
        about.findExecutable = [&](const QString& name) {
            return row.installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        };
        QString started;
        about.startProgram = [&](const QString& path) {
            started = path;
            return row.starts;
        };
        ui.prompts.clear();
        about.StartSysInfo();
        EXPECT_EQ(started, row.started);
        EXPECT_EQ(ui.promptTexts(),
                  row.unavailable ? QStringList{"System Information Is Unavailable At This Time"}
                                  : QStringList{});
    }
}

using SideWindowsTest = orvel::test::PlatformTest;

TEST_F(SideWindowsTest, HelpAndAboutFromTheSourceWindowAndEachOther)
{
    const SourceWindowParts parts = buildSourceWindow();
    SideWindows& windows = SideWindows::instance();
    parts.window->menuAction(QStringLiteral("helpa"))->trigger();
    ASSERT_TRUE(windows.help());
    EXPECT_TRUE(windows.help()->isVisible());
    EXPECT_EQ(parts.window->menuAction(QStringLiteral("helpa"))->shortcut(),
              QKeySequence(Qt::Key_F1));
    HelpWindow* first = windows.help();
    parts.window->picthelpfile->click();
    EXPECT_EQ(windows.help(), first);

    windows.help()->btnabout->click();
    ASSERT_TRUE(windows.about());
    EXPECT_TRUE(windows.about()->isVisible());
    windows.about()->cmdOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(windows.about());
    parts.window->menuAction(QStringLiteral("about"))->trigger();
    EXPECT_TRUE(windows.about());

    // Closing the help window unloads it; opening on a topic shows that topic.
    windows.help()->cmdOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(windows.help());
    openHelp(QStringLiteral("Shortcuts"));
    ASSERT_TRUE(windows.help());
    EXPECT_TRUE(windows.help()->shownText().startsWith(QStringLiteral("Keyboard Shortcuts:")));
    windows.closeAll();
}

} // namespace
