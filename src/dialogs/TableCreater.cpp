#include "dialogs/TableCreater.h"

#include "editor/TextModel.h"
#include "markup/TableMarkup.h"
#include "platform/Platform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orvel {

TableCreaterDialog::TableCreaterDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("tablecreater"), QStringLiteral("Create Table: Orvel"))
{
    // This dialog has no hints; an empty status bar would only take room from the compact
    // row-mode window.
    StatusBar1->hide();

    // Two digits may be typed; the up-downs step on past them without an upper bound.
    const auto number = [this](QWidget* frame, const QString& name, const QString& value,
                               const QString& upDown, int lower, const QString& tip) {
        NumberBox n = numberBox(frame, {.name = name,
                                        .text = value,
                                        .fallback = value,
                                        .typedMax = 2,
                                        .upDown = upDown,
                                        .lower = lower,
                                        .tip = tip});
        n.box->setMaximumWidth(60);
        return n;
    };

    Frame1 = new QGroupBox(QStringLiteral("Rows And Columns"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    lblRows = label(Frame1, QStringLiteral("lblRows"), QStringLiteral("Rows"));
    lblCols = label(Frame1, QStringLiteral("lblCols"), QStringLiteral("Columns"));
    const NumberBox rows =
        number(Frame1, QStringLiteral("i"), QStringLiteral("2"), QStringLiteral("rowUpDown"), 1,
               QStringLiteral("Enter the number of rows."));
    const NumberBox cols =
        number(Frame1, QStringLiteral("j"), QStringLiteral("2"), QStringLiteral("colUpDown"), 1,
               QStringLiteral("Enter the number of columns"));
    i = rows.box;
    rowUpDown = rows.upDown;
    j = cols.box;
    colUpDown = cols.upDown;
    auto* rowsGrid = new QGridLayout(Frame1);
    rowsGrid->addWidget(lblRows, 0, 0);
    rowsGrid->addWidget(i, 0, 1);
    rowsGrid->addWidget(rowUpDown, 0, 2);
    rowsGrid->addWidget(lblCols, 1, 0);
    rowsGrid->addWidget(j, 1, 1);
    rowsGrid->addWidget(colUpDown, 1, 2);

    btnCreateTbl =
        pushButton(this, QStringLiteral("btnCreateTbl"), QStringLiteral("Create Table"),
                   QStringLiteral("Create Table with the conditions you have you have set."));
    connect(btnCreateTbl, &QPushButton::clicked, this, &TableCreaterDialog::createrower);

    Frame2 = new QGroupBox(QStringLiteral("Others"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Label1 = label(Frame2, QStringLiteral("Label1"), QStringLiteral("Caption for the table"));
    lblborder = label(Frame2, QStringLiteral("lblborder"), QStringLiteral("Border"));
    lblCellPad = label(Frame2, QStringLiteral("lblCellPad"), QStringLiteral("Cellpadding"));
    lblCellSpace = label(Frame2, QStringLiteral("lblCellSpace"), QStringLiteral("Cell Spacing"));
    txtcaption = lineBox(Frame2, QStringLiteral("txtcaption"), QString(),
                         QStringLiteral("Enter the caption for the table"));
    const NumberBox border = number(
        Frame2, QStringLiteral("txtborder"), QStringLiteral("1"), QStringLiteral("borderUpDown"), 0,
        QStringLiteral("Enter the border for the table. 0 stands for no border"));
    const NumberBox celpad = number(
        Frame2, QStringLiteral("txtcelpad"), QStringLiteral("0"), QStringLiteral("celpadUpDown"), 0,
        QStringLiteral("Cellpadding is the distance between cell walls and its contents."));
    const NumberBox celspac = number(
        Frame2, QStringLiteral("txtcelspac"), QStringLiteral("0"), QStringLiteral("celspacUpDown"),
        0, QStringLiteral("Cellspacing is the distance between adjacent cells."));
    txtborder = border.box;
    borderUpDown = border.upDown;
    txtcelpad = celpad.box;
    celpadUpDown = celpad.upDown;
    txtcelspac = celspac.box;
    celspacUpDown = celspac.upDown;
    auto* othersGrid = new QGridLayout(Frame2);
    othersGrid->addWidget(Label1, 0, 0);
    othersGrid->addWidget(txtcaption, 0, 1, 1, 2);
    othersGrid->addWidget(lblborder, 1, 0);
    othersGrid->addWidget(txtborder, 1, 1);
    othersGrid->addWidget(borderUpDown, 1, 2);
    othersGrid->addWidget(lblCellPad, 2, 0);
    othersGrid->addWidget(txtcelpad, 2, 1);
    othersGrid->addWidget(celpadUpDown, 2, 2);
    othersGrid->addWidget(lblCellSpace, 3, 0);
    othersGrid->addWidget(txtcelspac, 3, 1);
    othersGrid->addWidget(celspacUpDown, 3, 2);

    // The button sits between the frames, so hiding the second frame leaves the compact window.
    body()->addWidget(Frame1);
    body()->addWidget(btnCreateTbl);
    body()->addWidget(Frame2);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TableCreaterDialog::presetRowMode()
{
    i->setText(QStringLiteral("1"));
    setWindowTitle(QStringLiteral("Insert Row"));
    btnCreateTbl->setText(QStringLiteral("Insert Row"));
    rowUpDown->hide();
    Frame2->hide();
    layout()->activate();
}

bool TableCreaterDialog::tableMode() const
{
    // Hidden explicitly, not merely not shown yet: the dialog may be set up before it is shown.
    return !rowUpDown->isHidden();
}

std::optional<std::pair<int, int>> TableCreaterDialog::tableSize()
{
    const int rows = boxNumber(i->text());
    const int cols = boxNumber(j->text());
    if (tableTooLarge(rows, cols)) {
        platform().messageBox(
            {kAssistantTitle, kTableTooLarge, MsgButtons::Ok, MsgIcon::Exclamation, MsgAnswer::Ok});
        return std::nullopt;
    }
    return std::pair{rows, cols};
}

void TableCreaterDialog::createrower()
{
    const auto size = tableSize();
    if (!size)
        return;
    const auto [rows, cols] = *size;

    TextModel* text = target().text;
    QString markup;
    if (tableMode()) {
        target().window->activateWindow();
        text->focus();
        markup = tableHeader({rows, cols, txtborder->text(), txtcelpad->text(), txtcelspac->text(),
                              txtcaption->text()});
    }
    markup += tableRows(rows, cols);
    {
        // The table and its closing tag go in as two changes (the page sees both) and come out
        // with one undo.
        EditGroup group(*text);
        text->setSelText(markup);
        if (tableMode())
            text->setSelText(kTableClose);
    }
    unload();
}

} // namespace orvel
