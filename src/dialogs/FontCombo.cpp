#include "dialogs/FontCombo.h"

#include "editor/TextModel.h"
#include "markup/FontMarkup.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvel {

FontComboDialog::FontComboDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("fontcombo"), QStringLiteral("Font: Orvel"))
{
    // Every installed font, however many hundreds.
    combo1 = editableCombo(this, QStringLiteral("combo1"), platform().fontFamilies(),
                           QStringLiteral("Times New Roman"));
    combo1->setMinimumContentsLength(24);

    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Preview"));
    Label1->setMinimumHeight(40);

    Command1 = pushButton(this, QStringLiteral("Command1"), QStringLiteral("Set"));

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
    TextModel* text = target().text;
    text->setSelText(font::faceWrap(combo1->currentText(), text->selText()));
    unload();
}

} // namespace orvel
