#include "dialogs/FontCombo.h"

#include "editor/TextBox.h"
#include "markup/FontMarkup.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvel {

FontComboDialog::FontComboDialog(SourceWindow* owner)
    : DialogBase(owner, QStringLiteral("fontcombo"), QStringLiteral("Font: Orvel"))
{
    combo1 = new QComboBox(this);
    combo1->setObjectName(QStringLiteral("combo1"));
    combo1->setEditable(true);
    combo1->setInsertPolicy(QComboBox::NoInsert);
    combo1->setMinimumContentsLength(24);
    // The list can run into the hundreds; the typed text stays what it was.
    combo1->addItems(platform().fontFamilies());
    combo1->setEditText(QStringLiteral("Times New Roman"));

    Label1 = new QLabel(QStringLiteral("Preview"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMinimumHeight(40);

    Command1 = new QPushButton(QStringLiteral("Set"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addWidget(combo1, 1);
    row->addWidget(Command1);
    body()->addLayout(row);
    body()->addWidget(Label1);

    connect(combo1, &QComboBox::editTextChanged, this, &FontComboDialog::combo1_Change);
    connect(combo1, &QComboBox::activated, this, &FontComboDialog::combo1_Change);
    connect(Command1, &QPushButton::clicked, this, &FontComboDialog::Command1_Click);
    combo1_Change();
}

void FontComboDialog::combo1_Change()
{
    QFont preview = Label1->font();
    preview.setFamily(combo1->currentText());
    Label1->setFont(preview);
}

void FontComboDialog::Command1_Click()
{
    TextBox* main = mainText();
    main->setSelText(font::faceWrap(combo1->currentText(), main->selText()));
    unload();
}

} // namespace orvel
