#include "assist/AssistCommands.h"

#include "assist/PageProperties.h"
#include "assist/SmartSelect.h"
#include "dialogs/DialogBase.h"
#include "editor/SourceWindow.h"

namespace orvel {

namespace {

using A = AssistCommands;

// clang-format off
const Action<AssistCommands> kAssistActions[] = {
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

void AssistCommands::mnusmartselect_Click()
{
    smartSelect(*m_w.Text1);
}

void AssistCommands::mnupageproperties_Click()
{
    openPageProperties({&m_w, m_w.Text1});
}

} // namespace orvel
