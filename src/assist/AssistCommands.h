#pragma once

#include "editor/ActionTable.h"

#include <QObject>
#include <span>

namespace orvel {

class SourceWindow;

// The Options-menu commands of the typing aids that act once each time they are chosen: Smart
// Select and Page Properties (which selects the BODY tag through Smart Select before it opens its
// dialog). A child of the window; the composition root installs its table.
class AssistCommands : public QObject {
    Q_OBJECT
public:
    explicit AssistCommands(SourceWindow& w);

    void mnusmartselect_Click();
    void mnupageproperties_Click();

    static std::span<const Action<AssistCommands>> actions();

private:
    SourceWindow& m_w;
};

} // namespace orvel
