#include "app/OrvelApp.h"

#include "editor/SourceWindow.h"
#include "platform/QtPlatform.h"

#include <QApplication>

namespace orvel {

int runOrvel(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvel"));
    QApplication::setOrganizationName(QStringLiteral("Orvel"));

    QtPlatform desktop;
    setPlatform(&desktop);

    SourceWindow window;
    window.show();
    const int code = QApplication::exec();
    setPlatform(nullptr);
    return code;
}

} // namespace orvel
