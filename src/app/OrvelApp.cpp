#include "app/OrvelApp.h"

#include "app/Composition.h"
#include "app/Desktop.h"
#include "app/Splash.h"
#include "app/Windows.h"
#include "composer/ComposerWindow.h"
#include "composer/EditControl.h"
#include "platform/Icons.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QStyleFactory>
#include <cstdio>
#include <unistd.h>

// The pictures and the manual are compiled into a static library: nothing pulls them in by itself.
static void initResources()
{
    Q_INIT_RESOURCE(orvel);
}

namespace orvel {

namespace {

// Orvel [PAGE]: the page to open in the Composer.
QString pageFromCommandLine(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Orvel, an editor of HTML pages"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("page"),
                                 QStringLiteral("The page to open in the Composer."),
                                 QStringLiteral("[page]"));
    parser.process(app);
    return pageArgument(parser.positionalArguments(), QDir::currentPath());
}

} // namespace

int runOrvel(int argc, char** argv)
{
    // Before the browser engine can start; said once the command line has asked for a window.
    const QString sandboxNote = allowEngineWithoutSandbox(geteuid());
    // The Composer's web views share the GL context set up before the application object.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    EditControl::registerPageScheme();
    QApplication app(argc, argv);
    initResources();
    QApplication::setApplicationName(QStringLiteral("Orvel"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(kAppVersion.major)
                                            .arg(kAppVersion.minor)
                                            .arg(kAppVersion.revision));
    QApplication::setOrganizationName(QStringLiteral("Orvel"));
    QApplication::setDesktopFileName(QStringLiteral("org.orvel.Orvel"));
    const QString page = pageFromCommandLine(app);
    if (!sandboxNote.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(sandboxNote));
    if (const auto palette = paletteNamed(qEnvironmentVariable("ORVEL_PALETTE"))) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(*palette);
    }
    followPaletteWithIcons();

    // The platform outlives every window: a window or dialog being destroyed may still ask it.
    QtPlatform desktop;
    setPlatform(&desktop);
    int code = 0;
    {
        const std::unique_ptr<Program> program = buildProgram();
        // The splash hands over to the first working window, the Composer, with the page named on
        // the command line.
        auto* splash =
            new SplashWindow([c = program->composer.get(), page] { showFirstWindow(*c, page); });
        if (const QScreen* screen = QApplication::primaryScreen())
            splash->move(screen->availableGeometry().center() - splash->rect().center());
        splash->show();
        code = QApplication::exec();
        SideWindows::instance().closeAll();
    }
    setPlatform(nullptr);
    return code;
}

} // namespace orvel
