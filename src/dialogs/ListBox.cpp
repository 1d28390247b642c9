#include "dialogs/ListBox.h"

#include "editor/TextBox.h"
#include "markup/SelectMarkup.h"
#include "platform/Hint.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orvel {

const QString ListBoxDialog::kNoTextQuestion =
    QStringLiteral("No text is present. Fo you still want to proceed?");
const QString ListBoxDialog::kDefaultPrompt =
    QStringLiteral("Enter the option to be selected by default");
const QString ListBoxDialog::kNamePrompt =
    QStringLiteral("Enter the name for the form item you have chosen:");
const QString ListBoxDialog::kNoNameMessage =
    QStringLiteral("No valid name has been selected. Orvel will not proceed");

namespace {

// The text of `w` in the colour its palette gives `role`.
void paintText(QWidget* w, QPalette::ColorRole role)
{
    QPalette p = w->palette();
    p.setColor(w->foregroundRole(), p.color(role));
    w->setPalette(p);
}

} // namespace

ClickLabel::ClickLabel(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

ListBoxDialog::ListBoxDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("ListBox"), QStringLiteral("List Box"))
{
    buildControls();
    installHints();
    connect(lister, &QRadioButton::toggled, this, &ListBoxDialog::modeRule);
    connect(multipler, &QCheckBox::toggled, this, &ListBoxDialog::multipler_Click);
    connect(default_, &ClickLabel::clicked, this, &ListBoxDialog::default_Click);
    connect(Set, &QPushButton::clicked, this, &ListBoxDialog::Set_Click);
    connect(OKButton, &QPushButton::clicked, this, &ListBoxDialog::OKButton_Click);
}

void ListBoxDialog::buildControls()
{
    dropdown = new QRadioButton(QStringLiteral("Drop Down"), this);
    dropdown->setObjectName(QStringLiteral("dropdown"));
    dropdown->setChecked(true);
    lister = new QRadioButton(QStringLiteral("List Box"), this);
    lister->setObjectName(QStringLiteral("lister"));

    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Items Displayed (Size)"));
    // Only the up-down changes the size.
    const NumberBox shown = numberBox(this, {.name = QStringLiteral("size"),
                                             .text = QStringLiteral("2"),
                                             .typedMax = 2,
                                             .upDown = QStringLiteral("UpDown1"),
                                             .lower = 1});
    size = shown.box;
    size->setReadOnly(true);
    size->setMaximumWidth(50);
    UpDown1 = shown.upDown;
    multipler = checkBox(this, QStringLiteral("multipler"), QStringLiteral("Multiple Selection"));
    multipler->hide();
    default_ = new ClickLabel(QStringLiteral("default"), QStringLiteral("Default Option"), this);
    default_->hide();

    text = new TextBox(this);
    text->setObjectName(QStringLiteral("text"));
    text->setTabChangesFocus(true);
    text->setMaximumHeight(text->fontMetrics().lineSpacing() * 3 + 12);
    Set = pushButton(this, QStringLiteral("Set"), QStringLiteral("Set"));

    List = new TextBox(this);
    List->setObjectName(QStringLiteral("List"));
    List->setReadOnly(true);
    List->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    const OkCancelRow leave = okCancelRow(QStringLiteral("OK"));
    OKButton = leave.ok;
    CancelButton = leave.cancel;

    auto* modes = new QHBoxLayout;
    modes->addWidget(dropdown);
    modes->addWidget(lister);
    modes->addStretch(1);
    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addLayout(numberRow(shown), 0, 1);
    grid->addWidget(multipler, 0, 2);
    grid->addWidget(default_, 1, 0);
    grid->setColumnStretch(3, 1);
    auto* entry = new QHBoxLayout;
    entry->addWidget(text, 1);
    entry->addWidget(Set, 0, Qt::AlignTop);

    body()->addLayout(modes);
    body()->addLayout(grid);
    body()->addLayout(entry);
    body()->addWidget(List, 1);
    body()->addLayout(leave.row);
    resize(380, 340);
}

// The two captions light up under the pointer and go back to the button-text colour over the
// form. The hints hold their own widgets, not the dialog: a hint lives as long as its widget.
void ListBoxDialog::installHints()
{
    const HintSink sink = hintLine(StatusBar1);
    const auto lit = [&sink](QWidget* w, const QString& hint) {
        installHint(w, std::function<QString()>([w, hint] {
                        paintText(w, QPalette::Highlight);
                        return hint;
                    }),
                    sink);
    };
    lit(default_, QStringLiteral("Enter the option that's to be selected by default"));
    lit(multipler, QStringLiteral("Allow more than one options to be selected"));

    const std::function<QString()> form = [d = QPointer<QWidget>(default_),
                                           m = QPointer<QWidget>(multipler)] {
        for (QWidget* w : {d.data(), m.data()}) {
            if (w)
                paintText(w, QPalette::ButtonText);
        }
        return QString();
    };
    installHint(this, form, sink);
    installHint(body()->parentWidget(), form, sink);

    setHint(List, QStringLiteral("Displays the list of options you have entered."));
    setHint(Set, QStringLiteral("Insert the text entered below as an option"));
    setHint(text, QStringLiteral("Enter text here and click on set to insert an option"));
    setHint(OKButton, QStringLiteral("Insert the drop down list."));
    setHint(CancelButton, QStringLiteral("Return without making any changes"));
}

void ListBoxDialog::presetDropDown()
{
    UpDown1->hide();
    dropdown->setChecked(true);
    modeRule();
}

void ListBoxDialog::presetListBox()
{
    lister->setChecked(true);
    UpDown1->show();
    modeRule();
}

void ListBoxDialog::modeRule()
{
    const bool listBox = lister->isChecked();
    multipler->setVisible(listBox);
    default_->setVisible(listBox && !m_defaultAdded);
    UpDown1->setVisible(listBox);
}

void ListBoxDialog::multipler_Click()
{
    m_multiple = orvel::multipleFragment(multipler->isChecked());
}

void ListBoxDialog::appendOption(const QString& line)
{
    List->setText(List->text() + line);
    // The newest option in view.
    List->setSelStart(List->length());
    List->ensureCursorVisible();
}

void ListBoxDialog::Set_Click()
{
    const QString option = text->text();
    if (option.isEmpty() &&
        platform().ask(kAssistantTitle, kNoTextQuestion, MsgAnswer::No) != MsgAnswer::Yes)
        return;
    appendOption(optionLine(option));
    text->setText(QString());
    text->setFocus();
}

void ListBoxDialog::default_Click()
{
    const QString option = platform().input(kDefaultPrompt, kAssistantTitle);
    if (option.isEmpty())
        return;
    appendOption(defaultOptionLine(option));
    m_defaultAdded = true;
    default_->hide();
}

void ListBoxDialog::OKButton_Click()
{
    const QString name = platform().input(kNamePrompt, kAssistantTitle);
    if (name.isEmpty()) {
        platform().message(kNoNameMessage);
        return;
    }
    target().text->setSelText(
        selectMarkup({name, !dropdown->isChecked(), size->text(), m_multiple, List->text()}));
    unload();
}

} // namespace orvel
