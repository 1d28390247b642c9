#pragma once

#include "commands/Install.h"
#include "editor/ActionTable.h"

#include <QObject>
#include <span>

namespace orvel {

class SourceWindow;

// The typing aids that act once each time they are chosen: Auto Delete, Smart Correct, the
// command box and Quick Format. A child of the window; the composition root installs its table.
class AidCommands : public QObject {
    Q_OBJECT
public:
    // `families` are the window's command families, which the command box runs.
    AidCommands(SourceWindow& w, const CommandFamilies& families);

    void mnuautodel_Click();
    void mnutruecorrect_Click();
    void mnuvuxcmd_Click();
    void quickformat_Click();
    // Every change of the command box, typed, pasted or set.
    void vuxcmd_Change();

    // Where "?subject" stood in the last mail address Smart Correct read; kept through File > New.
    int correctState = 0;

    static std::span<const Action<AidCommands>> actions();

private:
    SourceWindow& m_w;
    CommandFamilies m_families;
};

} // namespace orvel
