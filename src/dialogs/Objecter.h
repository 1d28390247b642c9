#pragma once

#include "dialogs/DialogBase.h"
#include "markup/ObjectMarkup.h"
#include "platform/CommonDialog.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvel {

// The object dialog `objecter`: builds an EMBED element with its NOEMBED fallback text and puts
// it over the target's selection, then unloads.
class ObjecterDialog : public DialogBase {
    Q_OBJECT
public:
    explicit ObjecterDialog(const DialogTarget& target);

    QLineEdit* src = nullptr;
    QPushButton* brw = nullptr;
    QCheckBox* controller = nullptr;
    QCheckBox* Autostart = nullptr;
    QCheckBox* Loopa = nullptr;
    QLineEdit* Widther = nullptr;
    QLineEdit* Heighter = nullptr;
    QLineEdit* Volume = nullptr;
    QLineEdit* NoEmbed = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    std::array<QLabel*, 5> Label1{};
    CommonDialog CommonDialog1;

    // Form-level flags, "TRUE" or "FALSE", following their check boxes.
    QString controllerFlag = flagText(false);
    QString autostartFlag = flagText(false);
    QString loopFlag = flagText(false);

    // The fields as the markup builder takes them.
    ObjectFields fields() const;

    void brw_Click();
    void OKButton_Click();
    void NoEmbed_LostFocus();

    static const QString kFormHint;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildControls();
    void installHints();
};

} // namespace orvel
