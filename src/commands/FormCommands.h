#pragma once

#include "editor/CommandContext.h"

#include <QObject>
#include <array>

namespace orvel {

class SourceWindow;
enum class FormControl;

// The form-control commands of the source window (the `former` group and Insert > Form). Each
// acts on the window's page box `Text1`; the command line runs them too. Every kind of named
// control has its own running number for the default names.
class FormCommands : public QObject {
    Q_OBJECT
public:
    // Installs the family's buttons and menu entries in `w`, whose child it becomes.
    explicit FormCommands(SourceWindow& w);

    void formesh_Click();
    void Textbox_Click();
    void passwords_Click();
    void radios_Click();
    void Checkbox_Click();
    void buttoner_Click();
    void Submitter_Click();
    void resettor_Click();
    void browse_Click();
    void textarea_Click();
    void fileupload_Click();
    void fieldset_Click();
    void legend_Click();
    // Show the list dialog, in list-box or drop-down mode, without waiting for it.
    void selecter_Click();
    void puller_Click();

    // Start-up values: every counter back at 1 (the window's start-up runs again on File > New).
    void startValues();

private:
    qint16& counter(FormControl kind);
    int freeName(FormControl kind);
    void insertNamed(FormControl kind);

    CommandContext m_context;
    // The number the next control of each kind (indexed by FormControl) is named with.
    std::array<qint16, 11> controlNo{};
};

} // namespace orvel
