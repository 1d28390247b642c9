#include "dialogs/BulNumCreater.h"

#include "editor/TextModel.h"
#include "markup/Digits.h"
#include "platform/Platform.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orvel {

const QString BulNumCreaterDialog::kNumberedCaption = QStringLiteral("Create Numbered List");
const QString BulNumCreaterDialog::kBulletedCaption = QStringLiteral("Create Bulletted List");

// The caption and the button's text come from the opener.
BulNumCreaterDialog::BulNumCreaterDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("bulnumcreater"), QString())
{
    // No hints here: an empty status bar would only take room.
    StatusBar1->hide();

    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Type:"));
    type = new QListWidget(this);
    type->setObjectName(QStringLiteral("type"));
    type->setSelectionMode(QAbstractItemView::SingleSelection);
    // Room for the five numbering types; the list is empty until the opener fills it.
    type->setFixedHeight(type->fontMetrics().height() * 5 + 2 * type->frameWidth() + 12);
    type->setFixedWidth(120);

    // Two digits may be typed; the up-down steps on past them without an upper bound.
    const NumberBox count = numberBox(this, {.name = QStringLiteral("txtbulnumcreater"),
                                             .text = QStringLiteral("1"),
                                             .fallback = QStringLiteral("1"),
                                             .typedMax = 2,
                                             .upDown = QStringLiteral("bulnumcreaterUpDown"),
                                             .lower = 1});
    txtbulnumcreater = count.box;
    txtbulnumcreater->setMaximumWidth(60);
    bulnumcreaterUpDown = count.upDown;

    btnbulnumcreater = pushButton(this, QStringLiteral("btnbulnumcreater"), QString());
    connect(btnbulnumcreater, &QPushButton::clicked, this,
            &BulNumCreaterDialog::btnbulnumcreater_Click);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0, Qt::AlignTop);
    grid->addWidget(type, 0, 1, 2, 1);
    grid->addLayout(numberRow(count), 0, 2, Qt::AlignTop);
    grid->addWidget(btnbulnumcreater, 2, 0, 1, 3);
    body()->addLayout(grid);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void BulNumCreaterDialog::preset(ListKind kind)
{
    const bool numbered = kind == ListKind::Numbered;
    type->clear();
    type->addItems(numbered ? kNumberingTypes : kBulletTypes);
    type->setCurrentRow(0);
    setWindowTitle(numbered ? QStringLiteral("Numbering") : QStringLiteral("Bullets"));
    btnbulnumcreater->setText(numbered ? kNumberedCaption : kBulletedCaption);
}

std::optional<ListKind> BulNumCreaterDialog::kindOfButton() const
{
    const QString caption = btnbulnumcreater->text();
    if (caption == kNumberedCaption)
        return ListKind::Numbered;
    if (caption == kBulletedCaption)
        return ListKind::Bulleted;
    return std::nullopt;
}

void BulNumCreaterDialog::btnbulnumcreater_Click()
{
    if (const std::optional<ListKind> kind = kindOfButton()) {
        if (listTooLong(txtbulnumcreater->text())) {
            platform().messageBox({kAssistantTitle, kListTooLong, MsgButtons::Ok,
                                   MsgIcon::Exclamation, MsgAnswer::Ok});
            return;
        }
        const QList<QListWidgetItem*> chosen = type->selectedItems();
        const QString chosenType = chosen.isEmpty() ? QString() : chosen.first()->text();
        TextModel* text = target().text;
        target().window->activateWindow();
        text->focus();
        text->setSelText(listMarkup({*kind, chosenType, boxNumber(txtbulnumcreater->text())}));
    }
    unload();
}

} // namespace orvel
