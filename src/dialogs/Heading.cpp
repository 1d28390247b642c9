#include "dialogs/Heading.h"

#include "editor/TextModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvel {

HeadingDialog::HeadingDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("heading"), QStringLiteral("Insert Heading"))
{
    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Level Of Heading"));
    cmblevel = editableCombo(this, QStringLiteral("cmblevel"),
                             {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                              QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")},
                             QStringLiteral("1"));
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Alignment"));
    cmbalign =
        editableCombo(this, QStringLiteral("cmbalign"),
                      {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")},
                      QStringLiteral("Left"));
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Enter The Text Of Heading"));
    heading = lineBox(this, QStringLiteral("heading"));
    const OkCancelRow leave = okCancelRow(QStringLiteral("OK"));
    OKButton = leave.ok;
    CancelButton = leave.cancel;

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cmblevel, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(cmbalign, 1, 1);
    grid->addWidget(Label3, 2, 0, 1, 2);
    grid->addWidget(heading, 3, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 120);
    body()->addLayout(grid);
    body()->addLayout(leave.row);

    setFormHint(QStringLiteral("Insert Headings [Level 1 is the largest]"));
    setHint(heading, QStringLiteral("The text of the heading comes here"));
    setHint(OKButton, QStringLiteral("Insert Heading"));
    setHint(CancelButton, QStringLiteral("Cancel/Return without making any changes"));

    connect(OKButton, &QPushButton::clicked, this, &HeadingDialog::OKButton_Click);
}

HeadingFields HeadingDialog::fields() const
{
    return {cmblevel->currentText(), cmbalign->currentText(), heading->text()};
}

void HeadingDialog::OKButton_Click()
{
    target().text->setSelText(headingElement(fields()));
    unload();
}

} // namespace orvel
