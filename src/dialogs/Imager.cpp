#include "dialogs/Imager.h"

#include "editor/SourceWindow.h"
#include "markup/Digits.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvel {

namespace {

const QString kIncomplete = QStringLiteral("One or more entries incomplete");

QLineEdit* lineEdit(QWidget* parent, const char* name, const QString& text, const QString& tip)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tip);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    // Enter in a field does not press a button.
    b->setAutoDefault(false);
    return b;
}

// A number box with its up-down control beside it.
QWidget* withUpDown(QWidget* parent, QLineEdit* box, UpDown* upDown)
{
    auto* pair = new QWidget(parent);
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    box->setParent(pair);
    upDown->setParent(pair);
    row->addWidget(box);
    row->addWidget(upDown);
    return pair;
}

} // namespace

ImagerDialog::ImagerDialog(SourceWindow* owner)
    : DialogBase(owner, QStringLiteral("imager"), QStringLiteral("Insert Image"))
{
    buildControls();
    installHints();
    CommonDialog1.dialogTitle = QStringLiteral("Select image file");

    connect(dimen, &QCheckBox::toggled, this, &ImagerDialog::dimen_Click);
    connect(diminper, &QCheckBox::toggled, this, &ImagerDialog::diminper_Click);
    connect(txtheight, &QLineEdit::textChanged, this, &ImagerDialog::txtheight_Change);
    connect(txtwidth, &QLineEdit::textChanged, this, &ImagerDialog::txtwidth_Change);
    connect(horispace, &QLineEdit::textChanged, this, &ImagerDialog::horispace_Change);
    connect(verspace, &QLineEdit::textChanged, this, &ImagerDialog::verspace_Change);
    connect(Command1, &QPushButton::clicked, this, &ImagerDialog::Command1_Click);
    connect(OKButton, &QPushButton::clicked, this, &ImagerDialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &ImagerDialog::CancelButton_Click);
    bindUpDown(UpDown1, txtborder, 0, std::nullopt);
    // The border is locked against typing; a value a command puts there that is not a number
    // would go into the tag as it is.
    connect(txtborder, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty() && !allDigits(text))
            txtborder->setText(QStringLiteral("0"));
    });
    bindUpDown(UpDown2, verspace, 0, std::nullopt);
    bindUpDown(UpDown3, horispace, 0, std::nullopt);
}

void ImagerDialog::buildControls()
{
    auto* form = new QWidget(this);
    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(0, 0, 0, 0);
    body()->addWidget(form);

    const char* captions[] = {"Source",
                              "Height",
                              "Width",
                              "Border",
                              "Alternate      Text",
                              "Align",
                              "Horizontal Spacing :",
                              "Vertical Spacing :"};
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = new QLabel(QString::fromLatin1(captions[i]), form);
        Label1[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
    }

    imageurl = lineEdit(form, "imageurl", {}, {});
    Command1 = button(form, "Command1", QStringLiteral("..."), QStringLiteral("Select image file"));
    Command1->setFixedWidth(32);

    dimen = new QCheckBox(QStringLiteral("Enter Dimensions"), form);
    dimen->setObjectName(QStringLiteral("dimen"));
    diminper = new QCheckBox(QStringLiteral("Dimensions in %"), form);
    diminper->setObjectName(QStringLiteral("diminper"));
    diminper->setEnabled(false);

    txtheight = lineEdit(form, "txtheight", QStringLiteral("800"),
                         QStringLiteral("Height of the image in pixels."));
    txtheight->setEnabled(false);
    txtwidth = lineEdit(form, "txtwidth", QStringLiteral("600"),
                        QStringLiteral("Width of the image in pixels."));
    txtwidth->setEnabled(false);

    txtborder = lineEdit(form, "txtborder", QStringLiteral("0"),
                         QStringLiteral("Border around image. 0 for no border"));
    // Only the up-down changes the border.
    txtborder->setReadOnly(true);
    UpDown1 = new UpDown(QStringLiteral("UpDown1"));

    txtalignment = new QComboBox(form);
    txtalignment->setObjectName(QStringLiteral("txtalignment"));
    txtalignment->setEditable(true);
    txtalignment->addItems({QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Top"),
                            QStringLiteral("TextTop"), QStringLiteral("Middle"),
                            QStringLiteral("AbsMiddle"), QStringLiteral("Baseline"),
                            QStringLiteral("Bottom"), QStringLiteral("AbsBottom"),
                            QStringLiteral("Center")});
    txtalignment->setCurrentIndex(0);
    txtalignment->setToolTip(QStringLiteral("Align the image."));

    txtalternate = lineEdit(form, "txtalternate", QStringLiteral("Images not available"),
                            QStringLiteral("Alternate text if images are not displayed."));
    horispace = lineEdit(form, "horispace", QStringLiteral("0"), {});
    UpDown3 = new UpDown(QStringLiteral("UpDown3"));
    verspace = lineEdit(form, "verspace", QStringLiteral("0"), {});
    UpDown2 = new UpDown(QStringLiteral("UpDown2"));

    OKButton = button(form, "OKButton", QStringLiteral("Insert Image"),
                      QStringLiteral("Insert Image into the file"));
    CancelButton =
        button(form, "CancelButton", QStringLiteral("Cancel"), QStringLiteral("Cancel."));

    grid->addWidget(Label1[0], 0, 0);
    grid->addWidget(imageurl, 0, 1, 1, 3);
    grid->addWidget(Command1, 0, 4);
    grid->addWidget(dimen, 1, 0, 1, 2);
    grid->addWidget(diminper, 1, 2, 1, 2);
    grid->addWidget(Label1[1], 2, 0);
    grid->addWidget(txtheight, 2, 1);
    grid->addWidget(Label1[2], 2, 2);
    grid->addWidget(txtwidth, 2, 3);
    grid->addWidget(Label1[3], 3, 0);
    grid->addWidget(withUpDown(form, txtborder, UpDown1), 3, 1);
    grid->addWidget(Label1[5], 3, 2);
    grid->addWidget(txtalignment, 3, 3);
    grid->addWidget(Label1[4], 4, 0);
    grid->addWidget(txtalternate, 4, 1, 1, 3);
    grid->addWidget(Label1[6], 5, 0);
    grid->addWidget(withUpDown(form, horispace, UpDown3), 5, 1);
    grid->addWidget(Label1[7], 5, 2);
    grid->addWidget(withUpDown(form, verspace, UpDown2), 5, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    grid->addLayout(buttons, 6, 0, 1, 5);
}

void ImagerDialog::installHints()
{
    setFormHint(QStringLiteral("Insert images with ease"));
    setHint(imageurl, QStringLiteral("Source/URL of the image"));
    setHint(Command1, QStringLiteral("Browse for valid image file"));
    setHint(dimen, QStringLiteral("Enter dimensions of image."));
    setHint(diminper, std::function<QString()>([this] {
                return diminper->isChecked()
                           ? QStringLiteral("Uncheck for expressing dimensions in pixels")
                           : QStringLiteral("Check for expressing dimensions in percentage.");
            }));
    setHint(txtheight, QStringLiteral("Height of the image"));
    setHint(txtwidth, QStringLiteral("Width of the image"));
    setHint(txtborder, QStringLiteral("Border around image. 0 is default"));
    setHint(txtalternate, QStringLiteral("Alternate text if image is not displayed (Recommended)"));
    setHint(horispace, QStringLiteral("Enter the horizontal spacing"));
    setHint(verspace, QStringLiteral("Enter the vertical spacing"));
    setHint(UpDown3, QStringLiteral("Change the horizontal spacing"));
    setHint(UpDown2, QStringLiteral("Change the vertical spacing"));
    setHint(OKButton, QStringLiteral("Apply all settings and insert image"));
    setHint(CancelButton, QStringLiteral("Cancel/Return without making any changes"));
}

ImageFields ImagerDialog::fields() const
{
    ImageFields f;
    f.source = imageurl->text();
    f.dimensions = dimen->isChecked();
    f.height = txtheight->text();
    f.width = txtwidth->text();
    f.percent = percentSign;
    f.border = txtborder->text();
    f.alignment = txtalignment->currentText();
    f.alternate = txtalternate->text();
    f.hspace = horiFragment;
    f.vspace = vertFragment;
    return f;
}

void ImagerDialog::dimen_Click()
{
    const bool on = dimen->isChecked();
    txtheight->setEnabled(on);
    txtwidth->setEnabled(on);
    diminper->setEnabled(on);
}

void ImagerDialog::diminper_Click()
{
    if (diminper->isChecked()) {
        percentSign = QStringLiteral("%");
        txtheight->setToolTip(QStringLiteral("Height of the image in percentage"));
        txtwidth->setToolTip(QStringLiteral("Width of the image in percentage"));
    } else {
        percentSign.clear();
        txtheight->setToolTip(QStringLiteral("Height of the image in pixels"));
        txtwidth->setToolTip(QStringLiteral("Width of the image in pixels"));
    }
}

void ImagerDialog::dimension_Change(QLineEdit* box, const QString& fallback)
{
    const QString text = box->text();
    if (text.endsWith(u'%')) {
        // A percent sign typed after a dimension means percent for both of them.
        diminper->setChecked(true);
        // The shorter text comes back through this rule and its digit filter.
        box->setText(text.chopped(1));
        return;
    }
    digitFilter(box, fallback);
}

void ImagerDialog::horispace_Change()
{
    digitFilter(horispace, QStringLiteral("0"));
    horiFragment = spacingFragment(QStringLiteral("hspace"), horispace->text());
}

void ImagerDialog::verspace_Change()
{
    digitFilter(verspace, QStringLiteral("0"));
    vertFragment = spacingFragment(QStringLiteral("vspace"), verspace->text());
}

void ImagerDialog::Command1_Click()
{
    // A cancelled browse keeps whatever the source box holds, typed or chosen before.
    if (CommonDialog1.showOpen())
        imageurl->setText(CommonDialog1.fileName);
    if (imageurl->text().isEmpty())
        platform().message(QStringLiteral("Invalid url, image not inserted"));
    activateWindow();
    raise();
}

void ImagerDialog::OKButton_Click()
{
    const ImageFields f = fields();
    if (!imageFieldsComplete(f)) {
        // Both paths keep the dialog and what was typed in it; closing it on a missing field
        // would throw every entry away.
        if (f.dimensions)
            platform().message(kIncomplete);
        else
            platform().message(kIncomplete, MsgIcon::Exclamation, kAssistantTitle);
        activateWindow();
        return;
    }
    if (f.dimensions) {
        owner()->activateWindow();
        mainText()->setFocus();
    }
    mainText()->setSelText(imageTag(f));
}

} // namespace orvel
