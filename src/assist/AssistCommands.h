#pragma once

#include "editor/ActionTable.h"

#include <QObject>
#include <span>

namespace orvel {

class SourceWindow;

// The question on turning Auto Complete on.
extern const QString kAssistantOfferTitle;
extern const QString kAssistantOffer;

// The Options-menu commands of the typing aids: the Auto Complete and Assistant switches, and
// the commands that act once each time they are chosen: Smart Select and Page Properties (which
// selects the BODY tag through Smart Select before it opens its dialog). A child of the window;
// the composition root installs its table.
class AssistCommands : public QObject {
    Q_OBJECT
public:
    explicit AssistCommands(SourceWindow& w);

    // The two switches: choosing the entry has moved its check mark already.
    void mnuautocorrect_Click();
    void mnuassistant_Click();
    void mnusmartselect_Click();
    void mnupageproperties_Click();

    static std::span<const Action<AssistCommands>> actions();

private:
    SourceWindow& m_w;
};

} // namespace orvel
