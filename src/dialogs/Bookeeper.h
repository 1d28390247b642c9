#pragma once

#include "dialogs/DialogBase.h"

class QListWidget;
class QPushButton;
class QToolButton;

namespace orvel {

// The bookmarks window `bookeeper`: the bookmarks inserted or picked up in this page, by name
// (`List1`) with their anchors beside them (`List2`, not shown). Go puts the caret before the
// chosen anchor; the picture button picks up the bookmark at the caret. Close and the close box
// only hide it; the lists go when it is unloaded (a page was opened).
class BookeeperDialog : public DialogBase {
    Q_OBJECT
public:
    explicit BookeeperDialog(const DialogTarget& target);

    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* Close = nullptr;
    QToolButton* Picture1 = nullptr;

    void addBookmark(const QString& name, const QString& anchor);

    void List1_Click();
    void OKButton_Click();
    void Picture1_Click();

    void reject() override { hide(); }

protected:
    void closeEvent(QCloseEvent* e) override;
};

} // namespace orvel
