#include "dialogs/TempClip.h"

#include "editor/StringText.h"
#include "editor/TempClipboard.h"
#include "editor/TextModel.h"
#include "platform/TextDrop.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orvel {

namespace {
const QString kWindowHint =
    QStringLiteral("Master Temporary Clipboard allows you to manage multiple clipboard data.");
} // namespace

TempClipDialog::TempClipDialog(const DialogTarget& target, TempClipboard& clipboard)
    : DialogBase(target, QStringLiteral("tempclip"),
                 QStringLiteral("Master Temporary Clipboard: Orvel")),
      m_clipboard(clipboard)
{
    tmpcmb = new QListWidget(this);
    tmpcmb->setObjectName(QStringLiteral("tmpcmb"));
    tmpcmb->addItems(clipboard.masterItems());
    fullclip = new QPlainTextEdit(this);
    fullclip->setObjectName(QStringLiteral("fullclip"));
    fullclip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fullclip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fullclip->setLineWrapMode(QPlainTextEdit::NoWrap);
    OKButton = pushButton(this, QStringLiteral("OKButton"), QStringLiteral("Paste Selected"));
    CancelButton =
        pushButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cancel / Return"));
    remselected =
        pushButton(this, QStringLiteral("remselected"), QStringLiteral("Remove Selected"));
    cleartmp = pushButton(this, QStringLiteral("cleartmp"), QStringLiteral("Clear Clipboard"));

    auto* grid = new QGridLayout;
    grid->addWidget(tmpcmb, 0, 0, 4, 1);
    grid->addWidget(fullclip, 0, 1, 4, 1);
    grid->addWidget(OKButton, 0, 2);
    grid->addWidget(CancelButton, 1, 2);
    grid->addWidget(remselected, 2, 2);
    grid->addWidget(cleartmp, 3, 2);
    grid->setColumnMinimumWidth(0, 180);
    grid->setColumnMinimumWidth(1, 260);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(3, 1);
    body()->addLayout(grid, 1);
    resize(760, sizeHint().height());

    setFormHint(kWindowHint);
    StatusBar1->showMessage(kWindowHint);
    setHint(fullclip, QStringLiteral("Shows preview of selected item. You may alter before "
                                     "pasting. Drag Drop altered text to the Clipboard to add "
                                     "item."));
    setHint(tmpcmb,
            QStringLiteral("Cipboard: Click on the item you wish to paste or view preview."));
    setHint(OKButton, QStringLiteral("Paste the item as shown in the preview."));
    setHint(CancelButton, QStringLiteral("Return without making any changes"));
    setHint(remselected, QStringLiteral("Remove the selected item from the temporary clipboard."));
    setHint(cleartmp, QStringLiteral("Clear the temporary clipboard"));

    acceptTextDrops(tmpcmb->viewport(), [this](const QString& t) { tmpcmb_OLEDragDrop(t); });
    connect(tmpcmb, &QListWidget::itemClicked, this, &TempClipDialog::tmpcmb_Click);
    connect(OKButton, &QPushButton::clicked, this, &TempClipDialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &TempClipDialog::hide);
    connect(remselected, &QPushButton::clicked, this, &TempClipDialog::remselected_Click);
    connect(cleartmp, &QPushButton::clicked, this, &TempClipDialog::cleartmp_Click);

    connect(&clipboard, &TempClipboard::masterInserted, this,
            [this](int index, const QString& text) { tmpcmb->insertItem(index, text); });
    connect(&clipboard, &TempClipboard::masterRemoved, this,
            [this](int index) { delete tmpcmb->takeItem(index); });
    connect(&clipboard, &TempClipboard::masterCleared, tmpcmb, &QListWidget::clear);
}

void TempClipDialog::closeEvent(QCloseEvent* e)
{
    e->ignore();
    hide();
}

void TempClipDialog::tmpcmb_Click()
{
    if (const QListWidgetItem* item = tmpcmb->currentItem())
        fullclip->setPlainText(item->text());
}

void TempClipDialog::tmpcmb_OLEDragDrop(const QString& dropped)
{
    m_clipboard.add(StringText::withCrLf(dropped));
}

void TempClipDialog::OKButton_Click()
{
    TextModel& text = *target().text;
    text.setSelText(text.selText() + fullclip->toPlainText());
    hide();
}

void TempClipDialog::remselected_Click()
{
    const int index = tmpcmb->currentRow();
    if (index < 0 || !tmpcmb->currentItem()->isSelected()) {
        platform().message(QStringLiteral("No item selected to delete"));
        return;
    }
    m_clipboard.removeAt(index);
    tmpcmb->setCurrentRow(-1);
}

void TempClipDialog::cleartmp_Click()
{
    if (platform().ask(QStringLiteral("Confirm Clear"),
                       QStringLiteral("This will clear the temporary clipboard. Proceed?"),
                       MsgAnswer::No) == MsgAnswer::Yes)
        m_clipboard.clearBoth();
    else
        tmpcmb->setFocus();
}

} // namespace orvel
