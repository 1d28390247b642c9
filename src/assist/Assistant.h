#pragma once

#include "assist/AutoComplete.h"

#include <QObject>

namespace orvel {

class SourceWindow;

// Auto Complete in the source window: its step of the change pass, on `Text1`, opening the
// window's own dialogs and commands. The bookmark command is whatever the Insert > Bookmark entry
// runs; while that entry has no command, a typed anchor name stays as typed. A child of the
// window; the composition root adds `step` to the change pass after the status steps.
class Assistant : public QObject {
    Q_OBJECT
public:
    explicit Assistant(SourceWindow& w);

    // The completing part of `Text1_Change`: nothing while Auto Complete is unchecked, nor while
    // undo or redo puts an earlier text back.
    void step();

private:
    SourceWindow& m_w;
    AutoComplete m_complete;
};

} // namespace orvel
