#pragma once

#include "dialogs/DialogBase.h"
#include "markup/HeadingMarkup.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvel {

// The heading dialog `heading`: one heading element of a level and an alignment around the text
// typed in it, put over the target's selection on OK. Nothing is checked: both lists accept
// typing and what they show goes into the tag.
class HeadingDialog : public DialogBase {
    Q_OBJECT
public:
    explicit HeadingDialog(const DialogTarget& target);

    QComboBox* cmblevel = nullptr;
    QComboBox* cmbalign = nullptr;
    QLineEdit* heading = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;

    HeadingFields fields() const;

    void OKButton_Click();
};

} // namespace orvel
