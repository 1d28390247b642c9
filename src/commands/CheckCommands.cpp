#include "commands/CheckCommands.h"

#include "editor/CheckPanel.h"
#include "editor/PageCheck.h"
#include "editor/SourceWindow.h"

#include <QDockWidget>

namespace orvel {

namespace {

// clang-format off
const Action<CheckCommands> kCheckActions[] = {
    {"", "mnucheckpage", "", "", "", "", "", &CheckCommands::mnucheckpage_Click},
};
// clang-format on

} // namespace

CheckCommands::CheckCommands(SourceWindow& w) : QObject(&w), m_w(w)
{
    setObjectName(QStringLiteral("checkCommands"));
    installActions(w, *this, kCheckActions);
}

void CheckCommands::mnucheckpage_Click()
{
    if (!m_dock) {
        m_dock = new QDockWidget(tr("Check Page"), &m_w);
        m_dock->setObjectName(QStringLiteral("checkDock"));
        m_dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
        m_panel = new CheckPanel(*m_w.Text1, m_w.Text1, m_dock);
        m_dock->setWidget(m_panel);
        // Going to a problem is like a click there: the caret captions follow.
        connect(m_panel, &CheckPanel::chosen, &m_w, &SourceWindow::refreshCaret);
        m_w.addDockWidget(Qt::BottomDockWidgetArea, m_dock);
        // The page keeps most of the height.
        m_w.resizeDocks({m_dock}, {m_w.height() / 5}, Qt::Vertical);
    }
    m_panel->smartCorrect =
        smartCorrect ? std::function<void()>([this] { smartCorrect(); }) : std::function<void()>();
    m_panel->list(checkPage(m_w.Text1->text()));
    m_dock->show();
    m_dock->raise();
}

} // namespace orvel
