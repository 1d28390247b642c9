#include "app/OrvelApp.h"

#include "app/Composition.h"
#include "editor/SourceWindow.h"
#include "platform/QtPlatform.h"

#include <QApplication>

namespace orvel {

int runOrvel(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvel"));
    QApplication::setOrganizationName(QStringLiteral("Orvel"));

    // The platform outlives every window: a window or dialog being destroyed may still ask it.
    QtPlatform desktop;
    setPlatform(&desktop);
    int code = 0;
    {
        const SourceWindowParts source = buildSourceWindow();
        source.window->show();
        code = QApplication::exec();
    }
    setPlatform(nullptr);
    return code;
}

} // namespace orvel
