#include "app/Desktop.h"

#include "composer/ComposerWindow.h"
#include "composer/EditControl.h"
#include "editor/SourceWindow.h"
#include "platform/FileDrop.h"
#include "platform/Platform.h"

#include <QDir>
#include <QStyle>
#include <QStyleFactory>
#include <QUrl>
#include <memory>

namespace orvel {

QString allowEngineWithoutSandbox(unsigned userId)
{
    if (userId != 0 || qgetenv("QTWEBENGINE_DISABLE_SANDBOX") == "1" ||
        qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox"))
        return {};
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return QStringLiteral("orvel: running as root: the browser engine's sandbox is switched off "
                          "(QTWEBENGINE_DISABLE_SANDBOX=1)");
}

QString pageArgument(const QStringList& arguments, const QString& workingDirectory)
{
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument.isEmpty() || (!optionsEnded && argument.startsWith(u'-')))
            continue;
        QString path = argument;
        // An address: a file: one stands for its file; a page on the web is not opened.
        if (const QUrl url(argument); url.scheme().size() > 1) {
            if (!url.isLocalFile())
                continue;
            path = url.toLocalFile();
        }
        return QDir::cleanPath(QDir(workingDirectory).absoluteFilePath(path));
    }
    return {};
}

void showFirstWindow(ComposerWindow& composer, const QString& page)
{
    composer.show();
    composer.activateWindow();
    if (!page.isEmpty())
        composer.openPage(page);
}

std::optional<QPalette> paletteNamed(const QString& name)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    if (name == QLatin1String("light"))
        return fusion->standardPalette();
    if (name != QLatin1String("dark"))
        return std::nullopt;
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, QRgb colour, QRgb disabled = 0) {
        p.setColor(role, QColor(colour));
        p.setColor(QPalette::Disabled, role, QColor(disabled ? disabled : colour));
    };
    set(QPalette::Window, 0x2d2f31);
    set(QPalette::WindowText, 0xeff0f1, 0x727679);
    set(QPalette::Base, 0x1d1f21);
    set(QPalette::AlternateBase, 0x2a2c2e);
    set(QPalette::ToolTipBase, 0x31363b);
    set(QPalette::ToolTipText, 0xeff0f1);
    set(QPalette::PlaceholderText, 0x8e9296);
    set(QPalette::Text, 0xeff0f1, 0x727679);
    set(QPalette::Button, 0x383b3e);
    set(QPalette::ButtonText, 0xeff0f1, 0x727679);
    set(QPalette::BrightText, 0xff6e6e);
    set(QPalette::Light, 0x4b4f53);
    set(QPalette::Midlight, 0x404346);
    set(QPalette::Mid, 0x26282a);
    set(QPalette::Dark, 0x1a1b1c);
    set(QPalette::Shadow, 0x0c0c0d);
    set(QPalette::Highlight, 0x3daee9, 0x4b4f53);
    set(QPalette::HighlightedText, 0xfcfcfc);
    set(QPalette::Link, 0x6cb8f0);
    set(QPalette::LinkVisited, 0xc894e0);
    return p;
}

void openDroppedFiles(ComposerWindow& composer)
{
    acceptFileDrops(&composer, [&composer](const QString& path) {
        composer.activateWindow();
        if (composer.mayDiscardEdits())
            composer.openPage(path);
        composer.area->setFocus();
    });
}

void openDroppedFiles(SourceWindow& source)
{
    acceptFileDrops(&source, [&source](const QString& path) {
        source.activateWindow();
        if (!source.savesFirst())
            source.openPage(path);
        source.Text1->setFocus();
    });
}

} // namespace orvel
