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
    EXPECT_EQ(splash->lblProductName->text(), QStringLiteral("Orvel"));
    EXPECT_EQ(splash->lblPlatform->text(), QSysInfo::prettyProductName());

    // Each step at its time sets its own progress and status, and spells out more of the name;
    // the first window comes with the last step alone.
    ASSERT_EQ(clock.size(), splashSteps().size());
    auto tick = clock.begin();
    int progress = 0;
    QString spelled = splash->lblProductName->text();
    for (const SplashStep& step : splashSteps()) {
        SCOPED_TRACE(step.atMs);
        EXPECT_EQ(firstWindowShown, 0);
        ASSERT_EQ(tick->first, step.atMs);
        (tick++)->second();
        EXPECT_GT(splash->ProgressBar1->value(), progress);
        progress = splash->ProgressBar1->value();
        EXPECT_EQ(progress, step.progress);
        EXPECT_EQ(splash->loader->text(), QString::fromUtf8(step.loader));
        const QString name = splash->lblProductName->text();
        EXPECT_EQ(name, step.productName ? QString::fromUtf8(step.productName) : spelled);
        EXPECT_TRUE(!name.isEmpty() && QStringLiteral("Orvel").startsWith(name));
        spelled = name;
    }
    EXPECT_EQ(splashSteps().front().loader, std::string("Loading Orvel....."));
    EXPECT_EQ(splash->loader->text(), QStringLiteral("Starting Orvel"));
    EXPECT_EQ(progress, 99);
    EXPECT_EQ(firstWindowShown, 1);
    EXPECT_FALSE(splash->isVisible());
    --tick;
    // A step that fires again does nothing; the splash is unloaded.
    tick->second();
    EXPECT_EQ(firstWindowShown, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
}

using AboutTest = orvel::test::PlatformTest;

TEST_F(AboutTest, TheSystemInformationTool)
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
