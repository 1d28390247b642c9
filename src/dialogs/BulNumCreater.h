#pragma once

#include "dialogs/DialogBase.h"
#include "markup/ListMarkup.h"

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvel {

// The list dialog `bulnumcreater`: a numbered or bulleted list of a chosen type with a chosen
// number of placeholder points. Which of the two it builds is set by its opener, through the
// caption of its create button; the dialog itself has no Cancel (its close box discards it).
class BulNumCreaterDialog : public DialogBase {
    Q_OBJECT
public:
    explicit BulNumCreaterDialog(const DialogTarget& target);

    QLabel* Label1 = nullptr; // "Type:"
    QListWidget* type = nullptr;
    QLineEdit* txtbulnumcreater = nullptr;
    UpDown* bulnumcreaterUpDown = nullptr;
    QPushButton* btnbulnumcreater = nullptr;

    // What the numbering and bullets commands set before showing the dialog: the kind's types
    // with the first one selected, the window caption and the create button's caption.
    void preset(ListKind kind);

    // Builds the list the button's caption names in place of the target's selection, and
    // unloads. A count beyond what the list can hold is refused and the dialog stays.
    void btnbulnumcreater_Click();

    static const QString kNumberedCaption;
    static const QString kBulletedCaption;

private:
    std::optional<ListKind> kindOfButton() const;
};

} // namespace orvel
