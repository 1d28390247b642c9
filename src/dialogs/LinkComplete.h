#pragma once

#include "dialogs/DialogBase.h"
#include "markup/LinkMarkup.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace orvel {

// The hyperlink dialog `linkcomplete`: an anchor to a location or a mail address around the text
// to display, with optional screen tip, subject, target frame and underline switch. Each optional
// part is an attribute fragment that its control rebuilds on every change, whoever makes it, so
// openers (and Smart Correct) may fill `txttodisplay`, `Option2`, `linkurl`, `linkscreentip`,
// `mailid`, `mailscreentip` and `subject` after load. OK puts the link over the target's
// selection of the moment.
class LinkCompleteDialog : public DialogBase {
    Q_OBJECT
public:
    explicit LinkCompleteDialog(const DialogTarget& target);

    QLineEdit* txttodisplay = nullptr;
    QRadioButton* Option1 = nullptr; // "Hyperlink"
    QRadioButton* Option2 = nullptr; // "Mail Id"
    QLineEdit* linkurl = nullptr;
    QLineEdit* linkscreentip = nullptr;
    QLineEdit* mailid = nullptr;
    QLineEdit* subject = nullptr;
    QLineEdit* mailscreentip = nullptr;
    QCheckBox* Check1 = nullptr;     // "Underline Link"
    QPushButton* Command1 = nullptr; // "Target Frame"
    QListWidget* targets = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* targetsLabel = nullptr; // "Target Frame *", shown with the list

    const link::Fragments& fragments() const { return m_fragments; }
    // The fields as the builders take them.
    link::LinkFields fields() const;

    // Handlers.
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void targets_Click();
    void OKButton_Click();

    static const QString kNoUrlMessage;
    static const QString kNoMailIdMessage;

private:
    void buildControls();
    void wireControls();
    void Form_Load();
    // The empty-address message; the missing field gets the focus back.
    void missingAddress(const QString& message, QLineEdit* field);

    link::Fragments m_fragments;
};

} // namespace orvel
