#pragma once

#include <QString>

namespace orvel {

// A file dialog that remembers its settings between showings, as the program's common dialog
// controls do: a cancelled dialog leaves `fileName` as it was (empty on first use, otherwise the
// file chosen before).
class CommonDialog {
public:
    QString fileName;
    QString dialogTitle;
    QString defaultExt;

    // True when the user chose a file; `fileName` then holds its full path.
    bool showOpen();
    bool showSave();
};

} // namespace orvel
