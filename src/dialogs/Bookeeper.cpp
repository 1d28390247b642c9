#include "dialogs/Bookeeper.h"

#include "editor/Bookmarks.h"
#include "editor/Find.h"
#include "editor/TextModel.h"
#include "platform/Icons.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvel {

BookeeperDialog::BookeeperDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("bookeeper"), QStringLiteral("Bookmarks in this page"))
{
    StatusBar1->hide();
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->hide();
    OKButton = pushButton(this, QStringLiteral("OKButton"), QStringLiteral("Go"));
    Close = pushButton(this, QStringLiteral("Close"), QStringLiteral("Close"));
    Picture1 = new QToolButton(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setText(QStringLiteral("+"));
    Picture1->setIcon(buttonIcon(QStringLiteral("bookmark-new"), {}));
    Picture1->setToolTip(QStringLiteral("You can insert bookmarks that are not in this box by "
                                        "moving the cursor just before the bookmark and clicking "
                                        "this"));

    auto* grid = new QGridLayout;
    grid->addWidget(List1, 0, 0, 4, 1);
    grid->addWidget(OKButton, 0, 1);
    grid->addWidget(Close, 1, 1);
    grid->addWidget(Picture1, 2, 1, Qt::AlignLeft);
    grid->setRowStretch(3, 1);
    grid->setColumnMinimumWidth(0, 200);
    body()->addLayout(grid);

    connect(List1, &QListWidget::currentRowChanged, this, &BookeeperDialog::List1_Click);
    connect(OKButton, &QPushButton::clicked, this, &BookeeperDialog::OKButton_Click);
    connect(Close, &QPushButton::clicked, this, &BookeeperDialog::hide);
    connect(Picture1, &QToolButton::clicked, this, &BookeeperDialog::Picture1_Click);
}

void BookeeperDialog::closeEvent(QCloseEvent* e)
{
    e->ignore();
    hide();
}

void BookeeperDialog::addBookmark(const QString& name, const QString& anchor)
{
    List1->addItem(name);
    List2->addItem(anchor);
}

void BookeeperDialog::List1_Click()
{
    List2->setCurrentRow(List1->currentRow());
}

void BookeeperDialog::OKButton_Click()
{
    TextModel& text = *target().text;
    // The keyboard goes back to the page, whose window comes to the front: typing goes on there.
    target().window->activateWindow();
    target().window->raise();
    text.focus();
    const QListWidgetItem* chosen = List2->currentItem();
    // With nothing chosen the empty anchor is found at the start of the page.
    if (!chosen) {
        text.setSelStart(0);
        return;
    }
    const int at = findForward(text, chosen->text(), 0, Qt::CaseSensitive);
    if (at >= 0)
        text.setSelStart(at);
}

void BookeeperDialog::Picture1_Click()
{
    TextModel& text = *target().text;
    const std::optional<FoundBookmark> found = scanBookmark(text, text.selStart());
    if (!found) {
        platform().message(QStringLiteral("No more bookmarks found"));
        return;
    }
    if (!found->closed)
        return;
    text.setSelStart(found->start);
    text.setSelLength(found->end - found->start);
    // The first bookmark becomes the chosen one, in both lists: Go goes where the list shows.
    List1->setCurrentRow(0);
    List2->setCurrentRow(0);
    addBookmark(found->name, found->anchor);
}

} // namespace orvel
