#pragma once

#include "dialogs/DialogBase.h"
#include "markup/FontMarkup.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace orvel {

class TextBox;

// The font editing dialog `Fonty`: edits a private copy of the target's selection in its
// own `Text1`, wraps parts of it in FONT, B, I or U tags, reads an existing FONT opening tag back
// into the controls, and on OK writes the whole copy over the target's selection.
//
// The opener fills `Text1` (or Smart Correct fills Combo2, Text3, Text4 and txtfontsize) and
// shows the dialog; every change of those controls, typed or set, rebuilds the fragments.
class FontyDialog : public DialogBase {
    Q_OBJECT
public:
    explicit FontyDialog(const DialogTarget& target);

    TextBox* Text1 = nullptr;
    QPushButton* Command1 = nullptr; // Set
    QPushButton *bold = nullptr, *italic = nullptr, *underline = nullptr;
    QComboBox* Combo2 = nullptr; // colour
    QCheckBox* Check1 = nullptr; // RGB Code
    QLineEdit* Text3 = nullptr;  // RGB code
    QComboBox* Combo1 = nullptr; // face list
    QLineEdit* Text4 = nullptr;  // face
    QLineEdit* txtfontsize = nullptr;
    UpDown* fontsizeUpDown = nullptr;
    QPushButton* SmartSelect = nullptr; // Edit.....
    QPushButton *OKButton = nullptr, *CancelButton = nullptr;
    QTimer* Timer1 = nullptr;
    QGroupBox* fonter = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr;

    const font::Fragments& fragments() const { return m_fragments; }

    // Handlers.
    void Command1_Click();
    void Command1_MouseMove();
    void bold_Click();
    void italic_Click();
    void underline_Click();
    void SmartSelect_Click();
    void OKButton_Click();
    void Timer1_Timer();

    static const QString kRgbMessage;
    static const QString kNoEndTagMessage;
    static const QString kTagEndMissingMessage;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildControls();
    void wireRules();
    void installHints();
    void Form_Load();
    void repairStrayValues();
    void wrapSelection(const QString& open, const QString& close);
    // The tag under the caret back into the controls (after the tag is selected).
    void loadTag(const QString& tag);

    // Change rules.
    void txtfontsize_Change();
    void Combo2_Change();
    void Text3_Change();
    void Check1_Click();
    void Combo1_Change();
    void Text4_Change();

    font::Fragments m_fragments;
};

} // namespace orvel
