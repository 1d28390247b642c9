#include "app/OrvelApp.h"

#include "app/Composition.h"
#include "composer/ComposerWindow.h"
#include "platform/QtPlatform.h"

#include <QApplication>

namespace orvel {

int runOrvel(int argc, char** argv)
{
    // The Composer's web views share the GL context set up before the application object.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvel"));
    QApplication::setOrganizationName(QStringLiteral("Orvel"));

    // The platform outlives every window: a window or dialog being destroyed may still ask it.
    QtPlatform desktop;
    setPlatform(&desktop);
    int code = 0;
    {
        // The program opens on the Composer.
        const std::unique_ptr<Program> program = buildProgram();
        program->composer->show();
        code = QApplication::exec();
    }
    setPlatform(nullptr);
    return code;
}

} // namespace orvel
