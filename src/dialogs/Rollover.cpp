#include "dialogs/Rollover.h"

#include "dialogs/PageProps.h"
#include "editor/TextModel.h"
#include "markup/Lists.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace orvel {

namespace {

QListWidget* listBox(QWidget* parent, const QString& name, const QStringList& items,
                     const QString& tip)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->addItems(items);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setCurrentRow(0);
    list->setToolTip(tip);
    list->setMaximumHeight(list->sizeHintForRow(0) * 5 + 2 * list->frameWidth() + 4);
    return list;
}

QString listText(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text() : QString();
}

} // namespace

RolloverDialog::RolloverDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("rollover"),
                 QStringLiteral("Font And Effects For Rollover (Hyperlinks) :   Orvel"))
{
    buildControls();
    installHints();

    const auto part = [this](QCheckBox* box, QString* into, const QString& text) {
        connect(box, &QCheckBox::toggled, this,
                [into, text](bool ticked) { *into = ticked ? text : QString(); });
    };
    part(Hidden, &visibilityPart, rollover::kHiddenPart);
    part(Smallcaps, &smallCapsPart, rollover::kSmallCapsPart);
    connect(Allcaps, &QCheckBox::toggled, this, &RolloverDialog::Allcaps_Click);
    connect(Capitalize, &QCheckBox::toggled, this, &RolloverDialog::Capitalize_Click);
    connect(Timer1, &QTimer::timeout, this, &RolloverDialog::Timer1_Timer);
    connect(OKButton, &QPushButton::clicked, this, &RolloverDialog::OKButton_Click);
    Timer1->start();
}

void RolloverDialog::buildControls()
{
    auto* grid = new QGridLayout;
    body()->addLayout(grid);

    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Font Name and Colour"));
    Combo2 = editableCombo(this, QStringLiteral("Combo2"), kHtmlColours, QStringLiteral("red"),
                           QStringLiteral("Choose font colour"));
    // Every installed font, however many hundreds, in the system's order.
    Combo1 = editableCombo(this, QStringLiteral("Combo1"), platform().fontFamilies(),
                           QStringLiteral("Times New Roman"), QStringLiteral("Choose a font."));
    Combo1->setMinimumContentsLength(20);
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Font Style"));
    List1 = listBox(this, QStringLiteral("List1"),
                    {QStringLiteral("Normal"), QStringLiteral("Italics"), QStringLiteral("Oblique"),
                     QStringLiteral("Bold"), QStringLiteral("Bold Italics")},
                    QStringLiteral("Choose font style"));
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Size"));
    List2 = listBox(this, QStringLiteral("List2"),
                    {QStringLiteral("10px"), QStringLiteral("0.5in"), QStringLiteral("2mm"),
                     QStringLiteral("1em"), QStringLiteral("8pt"), QStringLiteral("10pt"),
                     QStringLiteral("12pt"), QStringLiteral("14pt"), QStringLiteral("18pt"),
                     QStringLiteral("24pt"), QStringLiteral("36pt")},
                    QStringLiteral("Choose size"));

    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Combo1, 1, 0);
    grid->addWidget(Combo2, 1, 1);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Label3, 2, 1);
    grid->addWidget(List1, 3, 0);
    grid->addWidget(List2, 3, 1);

    const auto box = [this](const char* name, const char* caption) {
        return checkBox(this, QString::fromLatin1(name), QString::fromLatin1(caption));
    };
    Underline = box("Underline", "Underline");
    Overline = box("Overline", "Overline");
    Blink = box("Blink", "Blink");
    Strike = box("Strike", "Strike");
    nodecor = box("nodecor", "No text decoration");
    Hidden = box("Hidden", "Hidden");
    Allcaps = box("Allcaps", "All caps");
    Capitalize = box("Capitalize", "Capitalize");
    Smallcaps = box("Smallcaps", "Small caps");
    auto* effects = new QGridLayout;
    QCheckBox* const order[] = {Underline, Overline, Blink,      Strike,   nodecor,
                                Hidden,    Allcaps,  Capitalize, Smallcaps};
    for (int i = 0; i < int(std::size(order)); ++i)
        effects->addWidget(order[i], i / 3, i % 3);
    grid->addLayout(effects, 4, 0, 1, 2);

    const OkCancelRow leave = okCancelRow(QStringLiteral("OK"));
    OKButton = leave.ok;
    CancelButton = leave.cancel;
    body()->addLayout(leave.row);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(250);
}

void RolloverDialog::installHints()
{
    setFormHint(QStringLiteral("Choose effects when mouse arrow is moved over links"));
    setHint(List1, QStringLiteral("Choose the font style of the link when the mouse arrow is "
                                  "moved over it."));
    setHint(List1->viewport(), QStringLiteral("Choose the font style of the link when the mouse "
                                              "arrow is moved over it."));
    setHint(List2,
            QStringLiteral("Choose the size of the link when the mouse arrow is moved over it."));
    setHint(List2->viewport(),
            QStringLiteral("Choose the size of the link when the mouse arrow is moved over it."));
    setHint(OKButton, QStringLiteral("Apply all settings"));
    setHint(CancelButton, QStringLiteral("Return without making any changes"));
}

void RolloverDialog::Timer1_Timer()
{
    decorationPart = rollover::decorationPart({.none = nodecor->isChecked(),
                                               .underline = Underline->isChecked(),
                                               .overline = Overline->isChecked(),
                                               .blink = Blink->isChecked(),
                                               .strike = Strike->isChecked()});
}

void RolloverDialog::Allcaps_Click()
{
    if (Allcaps->isChecked())
        Capitalize->setChecked(false);
    casePart = Allcaps->isChecked() ? rollover::kUppercasePart : QString();
}

void RolloverDialog::Capitalize_Click()
{
    if (Capitalize->isChecked())
        Allcaps->setChecked(false);
    casePart = Capitalize->isChecked() ? rollover::kCapitalizePart : QString();
}

rollover::Style RolloverDialog::style() const
{
    return {.colour = Combo2->currentText(),
            .size = listText(List2),
            .decoration = decorationPart,
            .visibility = visibilityPart,
            .textCase = casePart,
            .smallCaps = smallCapsPart,
            .font = Combo1->currentText(),
            .styleItem = listText(List1)};
}

void RolloverDialog::OKButton_Click()
{
    // A box ticked within the timer's last quarter second counts as well.
    Timer1_Timer();
    const QString block = rollover::styleBlock(style());
    // Until its first OK the page properties dialog carries the block (a closed one is loaded
    // again, as a fresh one, to take it).
    PagePropsDialog* props = dialogFor<PagePropsDialog>(target());
    if (props->firsttime) {
        props->rolypoly = block;
        unload();
        return;
    }
    target().window->activateWindow();
    TextModel& text = *target().text;
    text.focus();
    const std::optional<rollover::Write> write = rollover::blockWrite(text.text(), block);
    if (!write)
        return; // nowhere to put it: the dialog stays with its settings
    {
        EditGroup group(text);
        text.setSelStart(write->start);
        text.setSelLength(write->length);
        text.setSelText(write->text);
    }
    // The selection it worked on is gone: its next opening selects the BODY tag afresh.
    props->unload();
    unload();
}

} // namespace orvel
