#include "dialogs/LinkComplete.h"

#include "editor/TextModel.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <initializer_list>

namespace orvel {

namespace {

// The height the window grows to when the target list comes into view.
constexpr int kTargetsHeight = 400;

} // namespace

const QString LinkCompleteDialog::kNoUrlMessage =
    QStringLiteral("The Link URL has not been mentioned.");
const QString LinkCompleteDialog::kNoMailIdMessage =
    QStringLiteral("The Mail Id has not been mentioned.");

LinkCompleteDialog::LinkCompleteDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("linkcomplete"), QStringLiteral("Insert Hyperlink: Orvel"))
{
    buildControls();
    wireControls();
    Form_Load();
}

void LinkCompleteDialog::buildControls()
{
    auto* form = new QWidget(this);
    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(0, 0, 0, 0);
    body()->addWidget(form);

    const QString tipText = QStringLiteral("Enter a screentip");
    txttodisplay =
        lineBox(form, QStringLiteral("txttodisplay"), QString(),
                QStringLiteral("This is the text that will be displayed as the hyperlink."));
    Option1 = new QRadioButton(QStringLiteral("Hyperlink"), form);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("Mail Id"), form);
    Option2->setObjectName(QStringLiteral("Option2"));
    linkurl = lineBox(form, QStringLiteral("linkurl"), QString(),
                      QStringLiteral("Enter the location/URL of the destination"));
    linkscreentip = lineBox(form, QStringLiteral("linkscreentip"), QString(), tipText);
    mailid =
        lineBox(form, QStringLiteral("mailid"), QString(), QStringLiteral("Enter the e-mail id"));
    subject = lineBox(form, QStringLiteral("subject"), QString(),
                      QStringLiteral("Enter the subject of the mail"));
    mailscreentip = lineBox(form, QStringLiteral("mailscreentip"), QString(), tipText);
    Check1 = checkBox(form, QStringLiteral("Check1"), QStringLiteral("Underline Link"));
    Check1->setChecked(true);
    Command1 = pushButton(form, QStringLiteral("Command1"), QStringLiteral("Target Frame"));
    targets = new QListWidget(form);
    targets->setObjectName(QStringLiteral("targets"));
    targets->addItems(link::kTargetItems);
    targets->setSelectionMode(QAbstractItemView::SingleSelection);
    targets->setToolTip(QStringLiteral("Choose a target."));
    targets->setMaximumHeight(targets->sizeHintForRow(0) * int(link::kTargetItems.size()) +
                              2 * targets->frameWidth() + 4);
    // Out of sight until "Target Frame" is clicked, as if below the window's edge.
    targetsLabel = label(form, QStringLiteral("Label7"), QStringLiteral("Target Frame *"));
    targets->hide();
    targetsLabel->hide();

    const OkCancelRow leave = okCancelRow(
        QStringLiteral("OK"), QStringLiteral("Insert a hyperlink"), QStringLiteral("Return"));
    OKButton = leave.ok;
    CancelButton = leave.cancel;

    int row = 0;
    grid->addWidget(label(form, QStringLiteral("Label1"), QStringLiteral("Text To Display")), row,
                    0);
    grid->addWidget(txttodisplay, row++, 1);
    grid->addWidget(Option1, row++, 0, 1, 2);
    grid->addWidget(label(form, QStringLiteral("Label2"), QStringLiteral("Location/URL")), row, 0);
    grid->addWidget(linkurl, row++, 1);
    grid->addWidget(label(form, QStringLiteral("Label3"), QStringLiteral("Screen Tip *")), row, 0);
    grid->addWidget(linkscreentip, row++, 1);
    grid->addWidget(Option2, row++, 0, 1, 2);
    grid->addWidget(label(form, QStringLiteral("Label4"), QStringLiteral("Mail Id")), row, 0);
    grid->addWidget(mailid, row++, 1);
    grid->addWidget(label(form, QStringLiteral("Label5"), QStringLiteral("Subject *")), row, 0);
    grid->addWidget(subject, row++, 1);
    grid->addWidget(label(form, QStringLiteral("Label6"), QStringLiteral("Screen Tip *")), row, 0);
    grid->addWidget(mailscreentip, row++, 1);
    grid->addWidget(Check1, row, 0);
    grid->addWidget(Command1, row++, 1, Qt::AlignLeft);
    grid->addWidget(label(form, QStringLiteral("Label8"), QStringLiteral(" * stands for optional")),
                    row++, 0, 1, 2);
    grid->addLayout(leave.row, row++, 0, 1, 2);
    grid->addWidget(targetsLabel, row++, 0, 1, 2);
    grid->addWidget(targets, row++, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 220);
}

// Every rule listens to its control's change itself, so values an opener puts into the fields
// after load build their fragments exactly as typed ones do.
void LinkCompleteDialog::wireControls()
{
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    connect(linkscreentip, &QLineEdit::textChanged, this,
            [this](const QString& tip) { m_fragments.linkTip = link::titleFragment(tip); });
    connect(mailscreentip, &QLineEdit::textChanged, this,
            [this](const QString& tip) { m_fragments.mailTip = link::titleFragment(tip); });
    connect(subject, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_fragments.subject = link::subjectFragment(text); });
    connect(Check1, &QCheckBox::toggled, this,
            [this](bool ticked) { m_fragments.style = link::styleFragment(ticked); });
    // A mail address means a mail link: what was typed for a hyperlink goes.
    connect(mailid, &QLineEdit::textChanged, this, [this] {
        linkurl->clear();
        linkscreentip->clear();
    });
    connect(Command1, &QPushButton::clicked, this, &LinkCompleteDialog::Command1_Click);
    connect(targets, &QListWidget::itemSelectionChanged, this, &LinkCompleteDialog::targets_Click);
    connect(OKButton, &QPushButton::clicked, this, &LinkCompleteDialog::OKButton_Click);
}

void LinkCompleteDialog::Form_Load()
{
    txttodisplay->setText(target().text->selText());
    m_fragments = {};
    Option1->setChecked(true);
}

link::LinkFields LinkCompleteDialog::fields() const
{
    link::LinkFields f;
    f.mail = Option2->isChecked();
    f.url = linkurl->text();
    f.mailId = mailid->text();
    f.display = txttodisplay->text();
    f.fragments = m_fragments;
    return f;
}

void LinkCompleteDialog::Option1_Click()
{
    for (QWidget* mailField : {mailid, mailscreentip, subject})
        mailField->setEnabled(false);
    for (QWidget* linkField :
         std::initializer_list<QWidget*>{linkurl, linkscreentip, targets, Command1})
        linkField->setEnabled(true);
}

void LinkCompleteDialog::Option2_Click()
{
    for (QWidget* linkField :
         std::initializer_list<QWidget*>{linkurl, linkscreentip, targets, Command1})
        linkField->setEnabled(false);
    for (QWidget* mailField : {mailid, mailscreentip, subject})
        mailField->setEnabled(true);
}

void LinkCompleteDialog::Command1_Click()
{
    Command1->hide();
    targetsLabel->show();
    targets->show();
    layout()->activate();
    resize(width(), std::max(kTargetsHeight, sizeHint().height()));
}

void LinkCompleteDialog::targets_Click()
{
    const QList<QListWidgetItem*> chosen = targets->selectedItems();
    m_fragments.target =
        chosen.isEmpty() ? QString() : link::targetFragment(chosen.first()->text());
}

void LinkCompleteDialog::missingAddress(const QString& message, QLineEdit* field)
{
    platform().messageBox(
        {kAssistantTitle, message, MsgButtons::Ok, MsgIcon::Exclamation, MsgAnswer::Ok});
    activateWindow();
    field->setFocus();
}

void LinkCompleteDialog::OKButton_Click()
{
    const link::LinkFields f = fields();
    if (link::addressMissing(f)) {
        if (f.mail)
            missingAddress(kNoMailIdMessage, mailid);
        else
            missingAddress(kNoUrlMessage, linkurl);
        return;
    }
    TextModel& page = *target().text;
    const link::Replacement r = link::replacement(f, page.selText());
    page.setSelLength(int(r.length));
    page.setSelText(r.text);
    unload();
}

} // namespace orvel
