#pragma once

#include <QObject>
#include <functional>

class QDockWidget;

namespace orvel {

class CheckPanel;
class SourceWindow;

// Check Page: runs the page through the checker and lists its problems in a panel under the
// page. The page itself is never changed.
class CheckCommands : public QObject {
    Q_OBJECT
public:
    // Installs the family's menu entry in `w`, whose child it becomes.
    explicit CheckCommands(SourceWindow& w);

    void mnucheckpage_Click();

    // Opens the tag at the caret in the dialog that made it (Smart Correct). The composition root
    // fills it once the typing aids provide Smart Correct; until then the panel offers no dialog.
    std::function<void()> smartCorrect;

    // The panel, once the page was checked.
    CheckPanel* panel() const { return m_panel; }
    QDockWidget* dock() const { return m_dock; }

private:
    SourceWindow& m_w;
    QDockWidget* m_dock = nullptr;
    CheckPanel* m_panel = nullptr;
};

} // namespace orvel
