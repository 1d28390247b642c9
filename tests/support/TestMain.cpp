#include "composer/EditControl.h"
#include "platform/Icons.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform warns about window size hints on every shown window, and about
// raising one.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& msg)
{
    if (msg.contains(QLatin1String("propagateSizeHints")) ||
        msg.contains(QLatin1String("does not support raise()")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, msg);
}
} // namespace

int main(int argc, char** argv)
{
    g_previousHandler = qInstallMessageHandler(quietHandler);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    // The web views share the GL context set up before the application object.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    orvel::EditControl::registerPageScheme();
    QApplication app(argc, argv);
    // The pictures as the program shows them: the same icon themes behind the buttons.
    orvel::followPaletteWithIcons();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
