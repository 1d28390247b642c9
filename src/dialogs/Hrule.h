#pragma once

#include "dialogs/DialogBase.h"
#include "markup/RuleMarkup.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace orvel {

// The horizontal rule dialog `hrule`: alignment, width in pixels or percent, height, colour and
// the no-shade flag, each kept as an attribute fragment that its control rebuilds on every change,
// whoever makes the change. OK puts the HR tag in place of the target's selection.
class HruleDialog : public DialogBase {
    Q_OBJECT
public:
    explicit HruleDialog(const DialogTarget& target);

    // Fields an opener may fill after load: `Combo2`, `Align` (select a row, or clear the
    // selection), `size` and `widther`.
    QListWidget* Align = nullptr;
    QLineEdit* widther = nullptr;
    QCheckBox* Check2 = nullptr; // "Percentage"
    QLineEdit* size = nullptr;
    UpDown* UpDown2 = nullptr;
    QComboBox* Combo2 = nullptr;
    QCheckBox* Check1 = nullptr; // "No Shade (Solid)"
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QTimer* Timer1 = nullptr;
    QGroupBox* Frame1 = nullptr; // "Size"
    QFrame* Frame2 = nullptr;    // the colour frame
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr;

    const rule::RuleFragments& fragments() const { return m_fragments; }

    // Handlers.
    void Align_Click();
    void Check1_Click();
    void Check2_Click();
    void widther_Change();
    void size_Change();
    void UpDown2_UpClick();
    void UpDown2_DownClick();
    // Tidies what a tag parser may have left in the fields; runs once, shortly after load.
    void Timer1_Timer();
    void OKButton_Click();

private:
    void buildControls();
    void wireControls();
    void Form_Load();

    rule::RuleFragments m_fragments;
};

} // namespace orvel
