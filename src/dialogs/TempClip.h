#pragma once

#include "dialogs/DialogBase.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace orvel {

class TempClipboard;

// The Master Temporary Clipboard `tempclip`: the clipboard's Master list `tmpcmb`, a preview
// `fullclip` the user may edit and drag from, and the paste, remove and clear buttons. It only
// hides (its close box too), so its preview and the list's choice survive until it is shown again.
class TempClipDialog : public DialogBase {
    Q_OBJECT
public:
    TempClipDialog(const DialogTarget& target, TempClipboard& clipboard);

    QListWidget* tmpcmb = nullptr;
    QPlainTextEdit* fullclip = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* remselected = nullptr;
    QPushButton* cleartmp = nullptr;

    void tmpcmb_Click();
    void tmpcmb_OLEDragDrop(const QString& dropped);
    void OKButton_Click();
    void remselected_Click();
    void cleartmp_Click();

    void reject() override { hide(); }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    TempClipboard& m_clipboard;
};

} // namespace orvel
