#include "dialogs/Objecter.h"

#include "editor/TextModel.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace orvel {

const QString ObjecterDialog::kFormHint =
    QStringLiteral("Insert Objects. Objects are not widely supported.");

ObjecterDialog::ObjecterDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("objecter"), QStringLiteral("Insert Object"))
{
    buildControls();
    installHints();
    StatusBar1->showMessage(kFormHint);

    connect(controller, &QCheckBox::toggled, this,
            [this](bool on) { controllerFlag = flagText(on); });
    connect(Autostart, &QCheckBox::toggled, this,
            [this](bool on) { autostartFlag = flagText(on); });
    connect(Loopa, &QCheckBox::toggled, this, [this](bool on) { loopFlag = flagText(on); });
    NoEmbed->installEventFilter(this);
    connect(brw, &QPushButton::clicked, this, &ObjecterDialog::brw_Click);
    connect(OKButton, &QPushButton::clicked, this, &ObjecterDialog::OKButton_Click);
}

void ObjecterDialog::buildControls()
{
    auto* form = new QWidget(this);
    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(0, 0, 0, 0);
    body()->addWidget(form);

    const char* captions[] = {"Source/URL of the object", "Width", "Height", "Volume",
                              "No Embed/ If embed is not available, this text will be displayed"};
    for (std::size_t i = 0; i < Label1.size(); ++i)
        Label1[i] =
            label(form, QStringLiteral("Label1(%1)").arg(i), QString::fromLatin1(captions[i]));
    Label1[4]->setWordWrap(true);

    src = lineBox(form, QStringLiteral("src"));
    brw = pushButton(form, QStringLiteral("brw"), QStringLiteral("..."));
    brw->setFixedWidth(32);
    controller = checkBox(form, QStringLiteral("controller"), QStringLiteral("Controller"));
    Autostart = checkBox(form, QStringLiteral("Autostart"), QStringLiteral("Autostart"));
    Loopa = checkBox(form, QStringLiteral("Loopa"), QStringLiteral("Loop"));
    const auto number = [this, form](const QString& name, const QString& value) {
        return numberBox(form, {.name = name, .text = value, .fallback = value}).box;
    };
    Widther = number(QStringLiteral("Widther"), QStringLiteral("75"));
    Heighter = number(QStringLiteral("Heighter"), QStringLiteral("10"));
    Volume = number(QStringLiteral("Volume"), QStringLiteral("50"));
    NoEmbed = lineBox(form, QStringLiteral("NoEmbed"), kNoEmbedText);
    const OkCancelRow leave = okCancelRow(QStringLiteral("OK"));
    OKButton = leave.ok;
    CancelButton = leave.cancel;

    grid->addWidget(Label1[0], 0, 0, 1, 6);
    grid->addWidget(src, 1, 0, 1, 5);
    grid->addWidget(brw, 1, 5);
    grid->addWidget(controller, 2, 0, 1, 2);
    grid->addWidget(Autostart, 2, 2, 1, 2);
    grid->addWidget(Loopa, 2, 4, 1, 2);
    grid->addWidget(Label1[1], 3, 0);
    grid->addWidget(Widther, 3, 1);
    grid->addWidget(Label1[2], 3, 2);
    grid->addWidget(Heighter, 3, 3);
    grid->addWidget(Label1[3], 3, 4);
    grid->addWidget(Volume, 3, 5);
    grid->addWidget(Label1[4], 4, 0, 1, 6);
    grid->addWidget(NoEmbed, 5, 0, 1, 6);

    grid->addLayout(leave.row, 6, 0, 1, 6);
}

void ObjecterDialog::installHints()
{
    setFormHint(kFormHint);
    setHint(src, QStringLiteral("Enter the URL of the object to be inserted"));
    setHint(brw, QStringLiteral("Search your computer to choose a valid URL"));
    setHint(controller,
            QStringLiteral(
                "Check if you want the viewer to have the controls/ controls will be visible"));
    setHint(Autostart, QStringLiteral("Check for autostart to be set to true"));
    setHint(Loopa, QStringLiteral("Check this, if you want a loop to be set"));
    setHint(Widther, QStringLiteral("Enter the width of the Object to be inserted."));
    setHint(Heighter, QStringLiteral("Enter the height of the Object."));
    setHint(Volume, QStringLiteral("Enter the volume of the sound"));
    setHint(NoEmbed, QStringLiteral("If the embed is not supported, this will appear"));
    setHint(OKButton, QStringLiteral("Insert object with chosen settings"));
    setHint(CancelButton, QStringLiteral("Return without inserting an object"));
}

ObjectFields ObjecterDialog::fields() const
{
    ObjectFields f;
    f.source = src->text();
    f.controller = controllerFlag;
    f.autostart = autostartFlag;
    f.loop = loopFlag;
    f.width = Widther->text();
    f.height = Heighter->text();
    f.volume = Volume->text();
    f.noEmbed = NoEmbed->text();
    return f;
}

bool ObjecterDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == NoEmbed && e->type() == QEvent::FocusOut)
        NoEmbed_LostFocus();
    return DialogBase::eventFilter(watched, e);
}

void ObjecterDialog::NoEmbed_LostFocus()
{
    if (NoEmbed->text().isEmpty())
        NoEmbed->setText(kNoEmbedText);
}

void ObjecterDialog::brw_Click()
{
    // A cancelled browse keeps whatever the source box holds, typed or chosen before.
    if (CommonDialog1.showOpen())
        src->setText(CommonDialog1.fileName);
    activateWindow();
    raise();
}

void ObjecterDialog::OKButton_Click()
{
    if (src->text().isEmpty()) {
        platform().message(QStringLiteral("No URL selected. Please choose a valid Object"),
                           MsgIcon::Critical, kAssistantTitle);
        src->setFocus();
        return;
    }
    target().text->setSelText(embedTag(fields()));
    unload();
}

} // namespace orvel
