#pragma once

#include <QPointer>
#include <QString>

namespace orvel {

class AboutBox;
class HelpWindow;
class PreviewWindow;

// The program's side windows: one preview, one help window and one about box, each made when it
// is first asked for and gone again when the user closes it. Every window that has a Preview,
// Help or About command (the source window, the Composer) opens them through here.
class SideWindows {
public:
    static SideWindows& instance();

    // The preview on the saved page at `path`.
    PreviewWindow* showPreview(const QString& path);
    // The help window; on `topic` when it names one.
    HelpWindow* showHelp(const QString& topic = {});
    AboutBox* showAbout();

    PreviewWindow* preview() const;
    HelpWindow* help() const;
    AboutBox* about() const;

    // Before the program ends: a web page must go before the browser engine does.
    void closeAll();

private:
    QPointer<PreviewWindow> m_preview;
    QPointer<HelpWindow> m_help;
    QPointer<AboutBox> m_about;
};

// Shorthands for the windows' wiring.
inline void openPreview(const QString& path)
{
    SideWindows::instance().showPreview(path);
}
inline void openHelp(const QString& topic = {})
{
    SideWindows::instance().showHelp(topic);
}

} // namespace orvel
