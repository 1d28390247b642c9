#pragma once

#include "dialogs/DialogBase.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace orvel {

// The installed-fonts dialog `fontcombo`: lists every font of the system, previews the chosen
// one, and wraps the target's selection in a FONT element with that face.
class FontComboDialog : public DialogBase {
    Q_OBJECT
public:
    explicit FontComboDialog(const DialogTarget& target);

    QComboBox* combo1 = nullptr;
    QLabel* Label1 = nullptr; // the preview
    QPushButton* Command1 = nullptr;

    void combo1_Change();
    void Command1_Click();
};

} // namespace orvel
