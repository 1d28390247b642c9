#include "app/OrvelApp.h"

#include "app/Composition.h"
#include "app/Splash.h"
#include "app/Windows.h"
#include "composer/ComposerWindow.h"
#include "composer/EditControl.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QScreen>

// The pictures and the manual are compiled into a static library: nothing pulls them in by itself.
static void initResources()
{
    Q_INIT_RESOURCE(orvel);
}

namespace orvel {

int runOrvel(int argc, char** argv)
{
    // The Composer's web views share the GL context set up before the application object.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    EditControl::registerPageScheme();
    QApplication app(argc, argv);
    initResources();
    QApplication::setApplicationName(QStringLiteral("Orvel"));
    QApplication::setOrganizationName(QStringLiteral("Orvel"));

    // The platform outlives every window: a window or dialog being destroyed may still ask it.
    QtPlatform desktop;
    setPlatform(&desktop);
    int code = 0;
    {
        const std::unique_ptr<Program> program = buildProgram();
        // The splash hands over to the first working window, the Composer.
        auto* splash = new SplashWindow([c = program->composer.get()] {
            c->show();
            c->activateWindow();
        });
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
