#include "dialogs/Imager.h"

#include "editor/TextModel.h"
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

} // namespace

ImagerDialog::ImagerDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("imager"), QStringLiteral("Insert Image"))
{
    buildControls();
    installHints();
    CommonDialog1.dialogTitle = QStringLiteral("Select image file");

    connect(dimen, &QCheckBox::toggled, this, &ImagerDialog::dimen_Click);
    connect(diminper, &QCheckBox::toggled, this, &ImagerDialog::diminper_Click);
    connect(horispace, &QLineEdit::textChanged, this, &ImagerDialog::horispace_Change);
    connect(verspace, &QLineEdit::textChanged, this, &ImagerDialog::verspace_Change);
    connect(Command1, &QPushButton::clicked, this, &ImagerDialog::Command1_Click);
    connect(OKButton, &QPushButton::clicked, this, &ImagerDialog::OKButton_Click);
    // The border is locked against typing; a value a command puts there that is not a number
    // would go into the tag as it is.
    connect(txtborder, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty() && !allDigits(text))
            txtborder->setText(QStringLiteral("0"));
    });
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
    for (std::size_t i = 0; i < Label1.size(); ++i)
        Label1[i] =
            label(form, QStringLiteral("Label1(%1)").arg(i), QString::fromLatin1(captions[i]));

    imageurl = lineBox(form, QStringLiteral("imageurl"));
    Command1 = pushButton(form, QStringLiteral("Command1"), QStringLiteral("..."),
                          QStringLiteral("Select image file"));
    Command1->setFixedWidth(32);

    dimen = checkBox(form, QStringLiteral("dimen"), QStringLiteral("Enter Dimensions"));
    diminper = checkBox(form, QStringLiteral("diminper"), QStringLiteral("Dimensions in %"));
    diminper->setEnabled(false);

    txtheight = numberBox(form, {.name = QStringLiteral("txtheight"),
                                 .text = QStringLiteral("800"),
                                 .fallback = QStringLiteral("800"),
                                 .tip = QStringLiteral("Height of the image in pixels."),
                                 .tidy = [this] { return percentTyped(txtheight); }})
                    .box;
    txtheight->setEnabled(false);
    txtwidth = numberBox(form, {.name = QStringLiteral("txtwidth"),
                                .text = QStringLiteral("600"),
                                .fallback = QStringLiteral("600"),
                                .tip = QStringLiteral("Width of the image in pixels."),
                                .tidy = [this] { return percentTyped(txtwidth); }})
                   .box;
    txtwidth->setEnabled(false);

    // Only the up-down changes the border.
    const NumberBox border =
        numberBox(form, {.name = QStringLiteral("txtborder"),
                         .text = QStringLiteral("0"),
                         .upDown = QStringLiteral("UpDown1"),
                         .lower = 0,
                         .tip = QStringLiteral("Border around image. 0 for no border")});
    txtborder = border.box;
    UpDown1 = border.upDown;
    txtborder->setReadOnly(true);

    txtalignment = editableCombo(form, QStringLiteral("txtalignment"),
                                 {QStringLiteral("Left"), QStringLiteral("Right"),
                                  QStringLiteral("Top"), QStringLiteral("TextTop"),
                                  QStringLiteral("Middle"), QStringLiteral("AbsMiddle"),
                                  QStringLiteral("Baseline"), QStringLiteral("Bottom"),
                                  QStringLiteral("AbsBottom"), QStringLiteral("Center")},
                                 QStringLiteral("Left"), QStringLiteral("Align the image."));

    txtalternate =
        lineBox(form, QStringLiteral("txtalternate"), QStringLiteral("Images not available"),
                QStringLiteral("Alternate text if images are not displayed."));
    const NumberBox hori = numberBox(form, {.name = QStringLiteral("horispace"),
                                            .text = QStringLiteral("0"),
                                            .fallback = QStringLiteral("0"),
                                            .upDown = QStringLiteral("UpDown3"),
                                            .lower = 0});
    horispace = hori.box;
    UpDown3 = hori.upDown;
    const NumberBox vert = numberBox(form, {.name = QStringLiteral("verspace"),
                                            .text = QStringLiteral("0"),
                                            .fallback = QStringLiteral("0"),
                                            .upDown = QStringLiteral("UpDown2"),
                                            .lower = 0});
    verspace = vert.box;
    UpDown2 = vert.upDown;

    const OkCancelRow leave =
        okCancelRow(QStringLiteral("Insert Image"), QStringLiteral("Insert Image into the file"),
                    QStringLiteral("Cancel."));
    OKButton = leave.ok;
    CancelButton = leave.cancel;

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
    grid->addLayout(numberRow(border), 3, 1);
    grid->addWidget(Label1[5], 3, 2);
    grid->addWidget(txtalignment, 3, 3);
    grid->addWidget(Label1[4], 4, 0);
    grid->addWidget(txtalternate, 4, 1, 1, 3);
    grid->addWidget(Label1[6], 5, 0);
    grid->addLayout(numberRow(hori), 5, 1);
    grid->addWidget(Label1[7], 5, 2);
    grid->addLayout(numberRow(vert), 5, 3);

    grid->addLayout(leave.row, 6, 0, 1, 5);
}

void ImagerDialog::installHints()
{
    setFormHint(QStringLiteral("Insert images with ease"));
    setHint(imageurl, QStringLiteral("Source/URL of the image"));
    setHint(Command1, QStringLiteral("Browse for valid image file"));
    setHint(dimen, QStringLiteral("Enter dimensions of image."));
    setHint(diminper, std::function<QString()>([box = diminper] {
                return box->isChecked()
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

bool ImagerDialog::percentTyped(QLineEdit* box)
{
    const QString text = box->text();
    if (!text.endsWith(u'%'))
        return false;
    // A percent sign typed after a dimension means percent for both of them. The shorter text
    // comes back through the digit filter.
    diminper->setChecked(true);
    box->setText(text.chopped(1));
    return true;
}

void ImagerDialog::horispace_Change()
{
    horiFragment = spacingFragment(QStringLiteral("hspace"), horispace->text());
}

void ImagerDialog::verspace_Change()
{
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
        target().window->activateWindow();
        target().text->focus();
    }
    target().text->setSelText(imageTag(f));
}

} // namespace orvel
