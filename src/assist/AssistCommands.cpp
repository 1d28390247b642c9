#include "assist/AssistCommands.h"

#include "assist/PageProperties.h"
#include "assist/SmartSelect.h"
#include "dialogs/DialogBase.h"
#include "editor/SourceWindow.h"
#include "platform/Platform.h"

#include <QAction>

namespace orvel {

const QString kAssistantOfferTitle =
    QStringLiteral("Would you like to have an Assistant to make your job faster and safer?");
const QString kAssistantOffer =
    QStringLiteral("Would you like to have an active assistant? That is message prompts like:"
                   "       \r"
                   "This looks like an anchor tag. Would you like Orvel to assist you?    \r"
                   " - to appear? Assistant makes your job faster and safer by prompting. You "
                   "can turn them off from the options menu.");

namespace {

using A = AssistCommands;

// clang-format off
const Action<AssistCommands> kAssistActions[] = {
    {"", "mnuautocorrect", "", "", "", "", "", &A::mnuautocorrect_Click},
    {"", "mnuassistant", "", "", "", "", "", &A::mnuassistant_Click},
    {"", "mnusmartselect", "", "", "", "", "", &A::mnusmartselect_Click},
    {"", "mnupageproperties", "", "", "", "", "", &A::mnupageproperties_Click},
};
// clang-format on

} // namespace

AssistCommands::AssistCommands(SourceWindow& w) : QObject(&w), m_w(w)
{
    setObjectName(QStringLiteral("assistCommands"));
}

std::span<const Action<AssistCommands>> AssistCommands::actions()
{
    return kAssistActions;
}

void AssistCommands::mnuautocorrect_Click()
{
    QAction* assistant = m_w.menuAction(QStringLiteral("mnuassistant"));
    const bool on = m_w.menuAction(QStringLiteral("mnuautocorrect"))->isChecked();
    assistant->setEnabled(on);
    // Turning it off leaves the Assistant's check mark and `assistOn` as they are.
    if (!on)
        return;
    const bool ask = platform().ask(kAssistantOfferTitle, kAssistantOffer, MsgAnswer::Yes,
                                    MsgIcon::Question) == MsgAnswer::Yes;
    assistant->setChecked(ask);
    m_w.state.assistOn = ask;
}

void AssistCommands::mnuassistant_Click()
{
    m_w.state.assistOn = m_w.menuAction(QStringLiteral("mnuassistant"))->isChecked();
}

void AssistCommands::mnusmartselect_Click()
{
    smartSelect(*m_w.Text1);
}

void AssistCommands::mnupageproperties_Click()
{
    openPageProperties({&m_w, m_w.Text1}, [this] {
        if (m_w.links.showHelp)
            m_w.links.showHelp(QStringLiteral("Page Properties"));
    });
}

} // namespace orvel
