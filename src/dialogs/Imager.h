#pragma once

#include "dialogs/DialogBase.h"
#include "markup/ImageMarkup.h"
#include "platform/CommonDialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvel {

// The image dialog `imager`: builds one IMG tag and puts it over the target's selection.
// It stays open after inserting, so several images can go in one after another. Openers (and
// Smart Correct) may fill `imageurl`, `txtheight`, `txtwidth`, `dimen`, `txtalternate`,
// `txtalignment` and `txtborder`; every rule below reacts to such values as to typing.
class ImagerDialog : public DialogBase {
    Q_OBJECT
public:
    explicit ImagerDialog(const DialogTarget& target);

    QLineEdit* imageurl = nullptr;
    QPushButton* Command1 = nullptr;
    QCheckBox* dimen = nullptr;
    QCheckBox* diminper = nullptr;
    QLineEdit* txtheight = nullptr;
    QLineEdit* txtwidth = nullptr;
    QLineEdit* txtborder = nullptr;
    UpDown* UpDown1 = nullptr;
    QComboBox* txtalignment = nullptr;
    QLineEdit* txtalternate = nullptr;
    QLineEdit* horispace = nullptr;
    UpDown* UpDown3 = nullptr;
    QLineEdit* verspace = nullptr;
    UpDown* UpDown2 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    std::array<QLabel*, 8> Label1{};
    CommonDialog CommonDialog1;

    // Form-level state: "%" or "" after both dimensions, and the two spacing fragments.
    QString percentSign;
    QString horiFragment;
    QString vertFragment;

    // The fields as the tag builder takes them.
    ImageFields fields() const;

    void Command1_Click();
    void OKButton_Click();
    void dimen_Click();
    void diminper_Click();
    void horispace_Change();
    void verspace_Change();

private:
    void buildControls();
    void installHints();
    // The dimension boxes' rule before their digit filter.
    bool percentTyped(QLineEdit* box);
};

} // namespace orvel
