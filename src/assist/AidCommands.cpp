#include "assist/AidCommands.h"

#include "assist/AutoDelete.h"
#include "assist/CommandLine.h"
#include "assist/QuickFormat.h"
#include "assist/SmartCorrect.h"
#include "dialogs/DialogBase.h"
#include "editor/SourceWindow.h"

#include <QLineEdit>

namespace orvel {

namespace {

using A = AidCommands;

// clang-format off
const Action<AidCommands> kAidActions[] = {
    {"", "mnuautodel", "", "", "", "", "", &A::mnuautodel_Click},
    {"", "mnutruecorrect", "", "", "", "", "", &A::mnutruecorrect_Click},
    {"", "mnuvuxcmd", "", "", "", "", "", &A::mnuvuxcmd_Click},
    {"quickformat", "quickformata", "align", "",
     "The selected text is wrapped by codes, that are frequently used for formatting, saves you "
     "time.", "", "quick-format", &A::quickformat_Click},
};
// clang-format on

} // namespace

AidCommands::AidCommands(SourceWindow& w, const CommandFamilies& families)
    : QObject(&w), m_w(w), m_families(families)
{
    setObjectName(QStringLiteral("aidCommands"));
    m_w.vuxcmd->setEnabled(true);
    connect(m_w.vuxcmd, &QLineEdit::textChanged, this, &AidCommands::vuxcmd_Change);
}

std::span<const Action<AidCommands>> AidCommands::actions()
{
    return kAidActions;
}

void AidCommands::mnuautodel_Click()
{
    autoDelete(*m_w.Text1);
}

void AidCommands::mnutruecorrect_Click()
{
    smartCorrect({&m_w, m_w.Text1}, correctState);
}

void AidCommands::mnuvuxcmd_Click()
{
    m_w.vuxcmd->clear();
    m_w.vuxcmd->setFocus();
}

void AidCommands::quickformat_Click()
{
    quickFormat(*m_w.Text1);
}

void AidCommands::vuxcmd_Change()
{
    // The text is read afresh for every code: a command that changes the page empties the box,
    // and the codes after it then meet the empty box.
    for (const CommandCode& c : commandCodes()) {
        if (m_w.vuxcmd->text() == QLatin1String(c.code))
            m_w.runCommand([this, run = c.run] { run(m_families); });
    }
}

} // namespace orvel
