#include "dialogs/TableCreater.h"

#include "editor/SourceWindow.h"
#include "markup/TableMarkup.h"
#include "platform/Platform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orvel {

namespace {

// Limits what can be typed into a box without limiting what code puts there: the up-downs step
// the numbers past two digits, which a maximum length on the box would cut back.
class TypedLengthLimit : public QObject {
public:
    TypedLengthLimit(QLineEdit* box, int limit) : QObject(box), m_box(box), m_limit(limit)
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const QString typed = static_cast<QKeyEvent*>(e)->text();
        if (typed.isEmpty() || !typed.at(0).isPrint())
            return false;
        const qsizetype kept = m_box->text().size() - m_box->selectedText().size();
        return kept + typed.size() > m_limit;
    }

private:
    QLineEdit* m_box;
    int m_limit;
};

} // namespace

TableCreaterDialog::TableCreaterDialog(SourceWindow* owner)
    : DialogBase(owner, QStringLiteral("tablecreater"), QStringLiteral("Create Table: Orvel"))
{
    // This dialog has no hints; an empty status bar would only take room from the compact
    // row-mode window.
    StatusBar1->hide();

    Frame1 = new QGroupBox(QStringLiteral("Rows And Columns"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    lblRows = new QLabel(QStringLiteral("Rows"), Frame1);
    lblRows->setObjectName(QStringLiteral("lblRows"));
    lblCols = new QLabel(QStringLiteral("Columns"), Frame1);
    lblCols->setObjectName(QStringLiteral("lblCols"));
    i = numberBox(QStringLiteral("i"), QStringLiteral("2"), QStringLiteral("2"),
                  QStringLiteral("Enter the number of rows."));
    j = numberBox(QStringLiteral("j"), QStringLiteral("2"), QStringLiteral("2"),
                  QStringLiteral("Enter the number of columns"));
    rowUpDown = new UpDown(QStringLiteral("rowUpDown"), Frame1);
    colUpDown = new UpDown(QStringLiteral("colUpDown"), Frame1);
    bindUpDown(rowUpDown, i, 1, std::nullopt);
    bindUpDown(colUpDown, j, 1, std::nullopt);
    auto* rowsGrid = new QGridLayout(Frame1);
    rowsGrid->addWidget(lblRows, 0, 0);
    rowsGrid->addWidget(i, 0, 1);
    rowsGrid->addWidget(rowUpDown, 0, 2);
    rowsGrid->addWidget(lblCols, 1, 0);
    rowsGrid->addWidget(j, 1, 1);
    rowsGrid->addWidget(colUpDown, 1, 2);

    btnCreateTbl = new QPushButton(QStringLiteral("Create Table"), this);
    btnCreateTbl->setObjectName(QStringLiteral("btnCreateTbl"));
    btnCreateTbl->setToolTip(
        QStringLiteral("Create Table with the conditions you have you have set."));
    btnCreateTbl->setAutoDefault(false);
    connect(btnCreateTbl, &QPushButton::clicked, this, &TableCreaterDialog::createrower);

    Frame2 = new QGroupBox(QStringLiteral("Others"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Label1 = new QLabel(QStringLiteral("Caption for the table"), Frame2);
    Label1->setObjectName(QStringLiteral("Label1"));
    lblborder = new QLabel(QStringLiteral("Border"), Frame2);
    lblborder->setObjectName(QStringLiteral("lblborder"));
    lblCellPad = new QLabel(QStringLiteral("Cellpadding"), Frame2);
    lblCellPad->setObjectName(QStringLiteral("lblCellPad"));
    lblCellSpace = new QLabel(QStringLiteral("Cell Spacing"), Frame2);
    lblCellSpace->setObjectName(QStringLiteral("lblCellSpace"));
    txtcaption = new QLineEdit(Frame2);
    txtcaption->setObjectName(QStringLiteral("txtcaption"));
    txtcaption->setToolTip(QStringLiteral("Enter the caption for the table"));
    txtborder = numberBox(QStringLiteral("txtborder"), QStringLiteral("1"), QStringLiteral("1"),
                          QStringLiteral("Enter the border for the table. 0 stands for no border"));
    txtcelpad = numberBox(
        QStringLiteral("txtcelpad"), QStringLiteral("0"), QStringLiteral("0"),
        QStringLiteral("Cellpadding is the distance between cell walls and its contents."));
    txtcelspac = numberBox(QStringLiteral("txtcelspac"), QStringLiteral("0"), QStringLiteral("0"),
                           QStringLiteral("Cellspacing is the distance between adjacent cells."));
    borderUpDown = new UpDown(QStringLiteral("borderUpDown"), Frame2);
    celpadUpDown = new UpDown(QStringLiteral("celpadUpDown"), Frame2);
    celspacUpDown = new UpDown(QStringLiteral("celspacUpDown"), Frame2);
    bindUpDown(borderUpDown, txtborder, 0, std::nullopt);
    bindUpDown(celpadUpDown, txtcelpad, 0, std::nullopt);
    bindUpDown(celspacUpDown, txtcelspac, 0, std::nullopt);
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

QLineEdit* TableCreaterDialog::numberBox(const QString& name, const QString& text,
                                         const QString& fallback, const QString& tip)
{
    auto* box = new QLineEdit(text, this);
    box->setObjectName(name);
    box->setToolTip(tip);
    box->setMaximumWidth(60);
    new TypedLengthLimit(box, 2);
    connect(box, &QLineEdit::textChanged, this, [box, fallback] { digitFilter(box, fallback); });
    return box;
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

void TableCreaterDialog::createrower()
{
    const int rows = boxNumber(i->text());
    const int cols = boxNumber(j->text());
    if (tableTooLarge(rows, cols)) {
        platform().messageBox(
            {kAssistantTitle, kTableTooLarge, MsgButtons::Ok, MsgIcon::Exclamation, MsgAnswer::Ok});
        return;
    }

    TextBox* text = mainText();
    QString markup;
    if (tableMode()) {
        owner()->activateWindow();
        text->setFocus();
        markup = tableHeader({rows, cols, txtborder->text(), txtcelpad->text(), txtcelspac->text(),
                              txtcaption->text()});
    }
    markup += tableRows(rows, cols);
    text->setSelText(markup);
    if (tableMode())
        text->setSelText(kTableClose);
    unload();
}

} // namespace orvel
