#include "app/OrvelApp.h"

#include "app/Composition.h"
#include "app/Splash.h"
#include "app/Windows.h"
#include "editor/SourceWindow.h"
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
    QApplication app(argc, argv);
    initResources();
    QApplication::setApplicationName(QStringLiteral("Orvel"));
    QApplication::setOrganizationName(QStringLiteral("Orvel"));

    // The platform outlives every window: a window or dialog being destroyed may still ask it.
    QtPlatform desktop;
    setPlatform(&desktop);
    int code = 0;
    {
        const SourceWindowParts source = buildSourceWindow();
        // The splash hands over to the first working window.
        auto* splash = new SplashWindow([w = source.window.get()] {
            w->show();
            w->activateWindow();
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
