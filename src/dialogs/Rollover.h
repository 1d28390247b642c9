#pragma once

#include "dialogs/DialogBase.h"
#include "markup/RolloverMarkup.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace orvel {

// The rollover style dialog `rollover`: how links look while the pointer is over them. Its block
// waits in the page properties dialog until that dialog's first OK of the run writes the HEAD's
// end; afterwards OK writes it into the target's text directly, over an earlier block or in front
// of the closing HEAD tag.
class RolloverDialog : public DialogBase {
    Q_OBJECT
public:
    explicit RolloverDialog(const DialogTarget& target);

    QComboBox* Combo2 = nullptr;  // colour
    QComboBox* Combo1 = nullptr;  // every installed font
    QListWidget* List1 = nullptr; // style
    QListWidget* List2 = nullptr; // size
    QCheckBox *Underline = nullptr, *Overline = nullptr, *Blink = nullptr, *Strike = nullptr,
              *nodecor = nullptr;
    QCheckBox* Hidden = nullptr;
    QCheckBox *Allcaps = nullptr, *Capitalize = nullptr; // at most one ticked
    QCheckBox* Smallcaps = nullptr;
    QTimer* Timer1 = nullptr; // refreshes the decoration part
    QPushButton *OKButton = nullptr, *CancelButton = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;

    // Form-level parts; each box rebuilds its own when clicked, the timer the decoration part.
    QString decorationPart;
    QString visibilityPart;
    QString casePart;
    QString smallCapsPart;

    rollover::Style style() const;

    void Timer1_Timer();
    void Allcaps_Click();
    void Capitalize_Click();
    void OKButton_Click();

private:
    void buildControls();
    void installHints();
};

} // namespace orvel
