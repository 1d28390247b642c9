#include "app/Windows.h"

#include "app/About.h"
#include "help/HelpWindow.h"
#include "help/Manual.h"
#include "preview/PreviewWindow.h"

namespace orvel {

namespace {

void bringUp(QWidget* w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

SideWindows& SideWindows::instance()
{
    static SideWindows windows;
    return windows;
}

PreviewWindow* SideWindows::showPreview(const QString& path)
{
    if (!m_preview) {
        m_preview = new PreviewWindow;
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_preview->openPage(path);
    return m_preview;
}

HelpWindow* SideWindows::showHelp(const QString& topic)
{
    if (!m_help) {
        m_help = new HelpWindow(Manual::builtIn());
        m_help->showAbout = [this] { showAbout(); };
    }
    if (!topic.isEmpty())
        m_help->showTopic(topic);
    bringUp(m_help);
    return m_help;
}

AboutBox* SideWindows::showAbout()
{
    if (!m_about) {
        m_about = new AboutBox;
        m_about->showHelp = [this] { showHelp(); };
    }
    bringUp(m_about);
    return m_about;
}

PreviewWindow* SideWindows::preview() const
{
    return m_preview;
}

HelpWindow* SideWindows::help() const
{
    return m_help;
}

AboutBox* SideWindows::about() const
{
    return m_about;
}

void SideWindows::closeAll()
{
    delete m_preview;
    delete m_help;
    delete m_about;
}

} // namespace orvel
