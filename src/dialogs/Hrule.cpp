#include "dialogs/Hrule.h"

#include "editor/SourceWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace orvel {

namespace {

const QStringList kColours{
    QStringLiteral("aqua"),    QStringLiteral("black"),  QStringLiteral("blue"),
    QStringLiteral("fuchsia"), QStringLiteral("gray"),   QStringLiteral("green"),
    QStringLiteral("lime"),    QStringLiteral("maroon"), QStringLiteral("navy"),
    QStringLiteral("olive"),   QStringLiteral("purple"), QStringLiteral("red"),
    QStringLiteral("silver"),  QStringLiteral("teal"),   QStringLiteral("white"),
    QStringLiteral("yellow")};

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

HruleDialog::HruleDialog(SourceWindow* owner)
    : DialogBase(owner, QStringLiteral("hrule"), QStringLiteral("Insert Horizontal Rule: Orvel"))
{
    buildControls();
    wireControls();
    Form_Load();
}

void HruleDialog::buildControls()
{
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("Alignment"), this);
    Align = new QListWidget(this);
    Align->setObjectName(QStringLiteral("Align"));
    Align->addItems({QStringLiteral("Center"), QStringLiteral("Left"), QStringLiteral("Right")});
    Align->setSelectionMode(QAbstractItemView::SingleSelection);
    Align->setToolTip(QStringLiteral("Choose alignment of the rule"));
    Align->setMaximumHeight(Align->sizeHintForRow(0) * 3 + 2 * Align->frameWidth() + 4);
    Align->setMaximumWidth(110);

    Frame1 = new QGroupBox(QStringLiteral("Size"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Width"), Frame1);
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Height"), Frame1);
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("Pixels"), Frame1);
    widther = new QLineEdit(Frame1);
    widther->setObjectName(QStringLiteral("widther"));
    widther->setToolTip(QStringLiteral("The width of the horizontal rule"));
    widther->setMaximumWidth(70);
    Check2 = new QCheckBox(QStringLiteral("Percentage"), Frame1);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setToolTip(QStringLiteral("Tick to have the width of the rule in percentage. If not "
                                      "checked, the width will be displayed in pixels"));
    size = new QLineEdit(QStringLiteral("0"), Frame1);
    size->setObjectName(QStringLiteral("size"));
    size->setReadOnly(true);
    size->setToolTip(QStringLiteral("The height of the horizontal rule."));
    size->setMaximumWidth(50);
    UpDown2 = new UpDown(QStringLiteral("UpDown2"), Frame1);
    auto* sizeGrid = new QGridLayout(Frame1);
    sizeGrid->addWidget(Label1, 0, 0);
    sizeGrid->addWidget(widther, 0, 1, 1, 2);
    sizeGrid->addWidget(Check2, 0, 3);
    sizeGrid->addWidget(Label2, 1, 0);
    sizeGrid->addWidget(size, 1, 1);
    sizeGrid->addWidget(UpDown2, 1, 2);
    sizeGrid->addWidget(Label3, 1, 3);

    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("Colour"), Frame2);
    Combo2 = new QComboBox(Frame2);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setEditable(true);
    // Typed text stays as typed: no completion into a colour name, no new list entries.
    Combo2->setCompleter(nullptr);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->addItems(kColours);
    Combo2->setCurrentIndex(int(kColours.indexOf(QStringLiteral("black"))));
    Combo2->setToolTip(QStringLiteral("Choose colour of the rule"));
    auto* colourRow = new QHBoxLayout(Frame2);
    colourRow->setContentsMargins(0, 0, 0, 0);
    colourRow->addWidget(Label4);
    colourRow->addWidget(Combo2, 1);

    Check1 = new QCheckBox(QStringLiteral("No Shade (Solid)"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setToolTip(QStringLiteral("Remove shade."));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setToolTip(QStringLiteral("Insert!"));
    OKButton->setAutoDefault(false);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setToolTip(QStringLiteral("Go back"));
    CancelButton->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(Label5, 0, 0);
    grid->addWidget(Align, 1, 0, Qt::AlignTop);
    grid->addWidget(Frame1, 0, 1, 2, 1);
    grid->addWidget(Frame2, 2, 0, 1, 1);
    grid->addWidget(Check1, 2, 1);
    body()->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    body()->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(300);
    Timer1->setSingleShot(true);

    setFormHint(QStringLiteral("Insert Horizontal Rules: Neat Demarcations"));
    setHint(Align, QStringLiteral("Alignment of the horizontal rule"));
    setHint(Frame2, QStringLiteral("Choose colour of horizontal rule"));
    setHint(Check1, [this] {
        return Check1->isChecked() ? QStringLiteral("Uncheck to get shade in line")
                                   : QStringLiteral("Check this to remove shade from line");
    });
    setHint(Check2, [this] {
        return Check2->isChecked() ? QStringLiteral("Uncheck to express width in pixels")
                                   : QStringLiteral("Check to express width in percentage");
    });
    setHint(size, QStringLiteral("The thickness/size of the horizonatl rule"));
    setHint(widther, QStringLiteral("Width of horizontal rule"));
    setHint(OKButton, QStringLiteral("Apply all settings and insert horizontal rule"));
    setHint(CancelButton, QStringLiteral("Cancel/Return without making any changes"));
}

// Every rule listens to its control's change itself, so values an opener puts into the fields
// after load build their fragments exactly as typed ones do.
void HruleDialog::wireControls()
{
    connect(Align, &QListWidget::itemSelectionChanged, this, &HruleDialog::Align_Click);
    connect(Check1, &QCheckBox::toggled, this, &HruleDialog::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &HruleDialog::Check2_Click);
    connect(widther, &QLineEdit::textChanged, this, &HruleDialog::widther_Change);
    connect(size, &QLineEdit::textChanged, this, &HruleDialog::size_Change);
    connect(UpDown2, &UpDown::up, this, &HruleDialog::UpDown2_UpClick);
    connect(UpDown2, &UpDown::down, this, &HruleDialog::UpDown2_DownClick);
    // Typing and text set by code rebuild the fragment; a choice from the list (which changes the
    // edit text first) then rebuilds it in the chosen form.
    connect(Combo2, &QComboBox::editTextChanged, this, [this](const QString& text) {
        m_fragments.colour = rule::colourFragment(text, false);
    });
    connect(Combo2, &QComboBox::activated, this, [this](int index) {
        m_fragments.colour = rule::colourFragment(Combo2->itemText(index), true);
    });
    connect(Timer1, &QTimer::timeout, this, &HruleDialog::Timer1_Timer);
    connect(OKButton, &QPushButton::clicked, this, &HruleDialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &HruleDialog::CancelButton_Click);
}

void HruleDialog::Form_Load()
{
    Align->setCurrentRow(0);
    m_fragments = {};
    if (mainText()->selText().endsWith(QLatin1String("NOSHADE>")))
        Check1->setChecked(true);
    Timer1->start();
}

void HruleDialog::Align_Click()
{
    const QList<QListWidgetItem*> chosen = Align->selectedItems();
    m_fragments.align = rule::alignFragment(
        chosen.isEmpty() ? std::nullopt : std::optional(chosen.first()->text()));
}

void HruleDialog::Check1_Click()
{
    m_fragments.noShade = rule::noShadeFragment(Check1->isChecked());
}

void HruleDialog::Check2_Click()
{
    widther->setText(rule::percentWidth(widther->text(), Check2->isChecked()));
}

void HruleDialog::widther_Change()
{
    const QString text = widther->text();
    // Each of these settings runs this rule again on the new text, which finishes the work.
    if (rule::isWidthLeftover(text)) {
        widther->setText(QString());
        return;
    }
    if (text.isEmpty()) {
        widther->setText(rule::kFullWidth);
        return;
    }
    // Text set by code is examined from its start, so a width with its percent sign (from the
    // Percentage box or an opener, or the fallback itself) passes; a "%" typed at the caret does
    // not.
    const bool typed = widther->isModified();
    if (!typed)
        widther->setCursorPosition(0);
    if (!digitFilter(widther, rule::kFullWidth, true))
        return;
    if (!typed)
        widther->end(false);
    m_fragments.width = rule::widthFragment(text);
    if (!text.endsWith(u'%'))
        Check2->setChecked(false);
}

void HruleDialog::size_Change()
{
    m_fragments.size = rule::sizeFragment(size->text());
}

void HruleDialog::UpDown2_UpClick()
{
    if (size->text().isEmpty())
        size->setText(QStringLiteral("1"));
    stepUp(size, std::nullopt);
}

void HruleDialog::UpDown2_DownClick()
{
    if (size->text().isEmpty())
        size->setText(QStringLiteral("0"));
    stepDown(size, 0);
}

void HruleDialog::Timer1_Timer()
{
    Timer1->stop();
    if (rule::isSizeOrColourLeftover(size->text()))
        size->setText(QStringLiteral("0"));
    if (rule::isSizeOrColourLeftover(Combo2->currentText()))
        Combo2->setEditText(QStringLiteral("black"));
    if (widther->text().endsWith(u'%')) {
        // Removing the signs unticks Percentage; ticking it again appends exactly one.
        widther->setText(widther->text().remove(u'%'));
        Check2->setChecked(true);
    }
}

void HruleDialog::OKButton_Click()
{
    mainText()->setSelText(rule::ruleTag(m_fragments));
    unload();
}

} // namespace orvel
