#pragma once

#include "dialogs/DialogBase.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace orvel {

class StateBox;

// The find and replace dialog `findreplace`. It opens in a find-only look, which hides itself
// after each match so typing goes on in the page; the replace look ("Replace....", or Edit >
// Replace) stays up. It keeps its position, its direction, Match Case and the histories of both
// boxes while hidden; closing it unloads it, and the next one starts searching at the caret.
class FindReplaceDialog : public DialogBase {
    Q_OBJECT
public:
    explicit FindReplaceDialog(const DialogTarget& target);

    QComboBox* txtfind = nullptr;
    QComboBox* txtReplace = nullptr;
    QPushButton* btnfind = nullptr;
    QPushButton* btnReplace = nullptr;
    QPushButton* btnReplaceAll = nullptr;
    QRadioButton* down = nullptr;
    QRadioButton* up = nullptr;
    QCheckBox* casematch = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QLabel* lblreplink = nullptr;
    QGroupBox* FrameRep = nullptr;
    // The length of the text the last Find Next looked for.
    StateBox* lengthofwrd = nullptr;

    // The last match found here, 1-based; 0 when none. Starts at the caret.
    int findPos = 0;

    bool replaceLook() const { return m_replaceLook; }
    Qt::CaseSensitivity caseRule() const;

    void lblreplink_Click();
    // The keyboard to the text to find.
    void focusFindText();
    void btnfind_Click();
    void btnReplace_Click();
    void btnReplaceAll_Click();
    // Replace and Replace All need something to look for.
    void enableReplace();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool m_replaceLook = false;
    bool m_selectOnFocus = false;
};

} // namespace orvel
