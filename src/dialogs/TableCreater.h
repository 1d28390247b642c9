#pragma once

#include "dialogs/DialogBase.h"

#include <optional>
#include <utility>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvel {

// The table dialog `tablecreater`: builds a whole TABLE (table mode) or only TR rows (row mode)
// and puts it in place of the target's selection. The mode is carried by `rowUpDown`:
// shown means table mode, hidden means row mode.
class TableCreaterDialog : public DialogBase {
    Q_OBJECT
public:
    explicit TableCreaterDialog(const DialogTarget& target);

    QGroupBox* Frame1 = nullptr; // "Rows And Columns"
    QGroupBox* Frame2 = nullptr; // "Others"
    QLabel *lblRows = nullptr, *lblCols = nullptr, *Label1 = nullptr, *lblborder = nullptr,
           *lblCellPad = nullptr, *lblCellSpace = nullptr;
    QLineEdit *i = nullptr, *j = nullptr, *txtborder = nullptr, *txtcelpad = nullptr,
              *txtcelspac = nullptr, *txtcaption = nullptr;
    UpDown *rowUpDown = nullptr, *colUpDown = nullptr, *borderUpDown = nullptr,
           *celpadUpDown = nullptr, *celspacUpDown = nullptr;
    QPushButton* btnCreateTbl = nullptr;

    // What the row command sets before showing the dialog: one row, the "Insert Row" captions,
    // `rowUpDown` hidden and the compact window with only the rows and columns and the button.
    void presetRowMode();
    bool tableMode() const;

    // Inserts the markup in place of the target's current selection and unloads.
    void createrower();

protected:
    // The typed rows and columns; nothing, after telling the user, when the table is too large.
    std::optional<std::pair<int, int>> tableSize();
};

} // namespace orvel
