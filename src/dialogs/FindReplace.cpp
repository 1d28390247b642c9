#include "dialogs/FindReplace.h"

#include "editor/Find.h"
#include "editor/SourceState.h"
#include "editor/TextModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace orvel {

FindReplaceDialog::FindReplaceDialog(const DialogTarget& target)
    : DialogBase(target, QStringLiteral("findreplace"), QStringLiteral("Find : Orvel"))
{
    StatusBar1->hide();
    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Find what"));
    txtfind = editableCombo(this, QStringLiteral("txtfind"), {}, QString());
    btnfind = pushButton(this, QStringLiteral("btnfind"), QStringLiteral("Find Next"));
    btnfind->setDefault(true);

    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    down = new QRadioButton(QStringLiteral("Down"), direction);
    down->setObjectName(QStringLiteral("down"));
    down->setChecked(true);
    up = new QRadioButton(QStringLiteral("Up"), direction);
    up->setObjectName(QStringLiteral("up"));
    auto* directionRow = new QHBoxLayout(direction);
    directionRow->addWidget(down);
    directionRow->addWidget(up);
    casematch = checkBox(this, QStringLiteral("casematch"), QStringLiteral("Match Case"));
    lblreplink = label(this, QStringLiteral("lblreplink"), QStringLiteral("Replace...."));
    QFont link = lblreplink->font();
    link.setUnderline(true);
    lblreplink->setFont(link);
    lblreplink->setForegroundRole(QPalette::Link);
    lblreplink->setCursor(Qt::PointingHandCursor);
    lblreplink->installEventFilter(this);
    txtfind->installEventFilter(this);

    FrameRep = new QGroupBox(this);
    FrameRep->setObjectName(QStringLiteral("FrameRep"));
    FrameRep->setFlat(true);
    Label2 = label(FrameRep, QStringLiteral("Label2"), QStringLiteral("Replace with"));
    txtReplace = editableCombo(FrameRep, QStringLiteral("txtReplace"), {}, QString());
    txtReplace->setEnabled(false);
    btnReplace = pushButton(FrameRep, QStringLiteral("btnReplace"), QStringLiteral("Replace"));
    btnReplace->setEnabled(false);
    btnReplaceAll =
        pushButton(FrameRep, QStringLiteral("btnReplaceAll"), QStringLiteral("Replace All"));
    auto* replaceRow = new QGridLayout(FrameRep);
    replaceRow->setContentsMargins(0, 0, 0, 0);
    replaceRow->addWidget(Label2, 0, 0);
    replaceRow->addWidget(txtReplace, 0, 1);
    replaceRow->addWidget(btnReplace, 0, 2);
    replaceRow->addWidget(btnReplaceAll, 1, 2);
    replaceRow->setColumnMinimumWidth(0, 80);
    replaceRow->setColumnStretch(1, 1);
    FrameRep->hide();

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtfind, 0, 1);
    grid->addWidget(btnfind, 0, 2);
    grid->addWidget(direction, 1, 0, 1, 2);
    grid->addWidget(casematch, 1, 2);
    grid->addWidget(lblreplink, 2, 2);
    grid->setColumnMinimumWidth(0, 80);
    grid->setColumnMinimumWidth(1, 220);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
    body()->addWidget(FrameRep);

    lengthofwrd = new StateBox(QStringLiteral("lengthofwrd"), QString(), this);
    findPos = target.text->selStart();

    setMouseTracking(true);
    installEventFilter(this);
    connect(txtfind, &QComboBox::editTextChanged, this, &FindReplaceDialog::enableReplace);
    connect(txtReplace, &QComboBox::editTextChanged, this, &FindReplaceDialog::enableReplace);
    connect(btnfind, &QPushButton::clicked, this, &FindReplaceDialog::btnfind_Click);
    connect(btnReplace, &QPushButton::clicked, this, &FindReplaceDialog::btnReplace_Click);
    connect(btnReplaceAll, &QPushButton::clicked, this, &FindReplaceDialog::btnReplaceAll_Click);
    // Nothing to look for yet: neither replace button can act.
    enableReplace();
}

bool FindReplaceDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == txtfind && e->type() == QEvent::FocusIn && m_selectOnFocus) {
        m_selectOnFocus = false;
        txtfind->lineEdit()->selectAll();
    }
    if (watched == lblreplink && e->type() == QEvent::MouseButtonRelease)
        lblreplink_Click();
    else if (watched == this && e->type() == QEvent::MouseMove)
        enableReplace();
    return DialogBase::eventFilter(watched, e);
}

Qt::CaseSensitivity FindReplaceDialog::caseRule() const
{
    return casematch->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

void FindReplaceDialog::enableReplace()
{
    const bool any = !txtfind->currentText().isEmpty();
    btnReplace->setEnabled(any);
    btnReplaceAll->setEnabled(any);
}

void FindReplaceDialog::lblreplink_Click()
{
    setWindowTitle(QStringLiteral("Find Replace"));
    FrameRep->show();
    lblreplink->hide();
    txtReplace->setEnabled(true);
    QPalette p = txtReplace->palette();
    p.setColor(QPalette::Base, p.color(QPalette::HighlightedText));
    txtReplace->setPalette(p);
    m_replaceLook = true;
    adjustSize();
    setWindowTitle(QStringLiteral("Replace"));
    focusFindText();
}

void FindReplaceDialog::focusFindText()
{
    // A look starts in its first field, whatever had the focus when the dialog last hid (Find
    // Next, after a search): the text to find, selected, so that typing replaces it.
    txtfind->setFocus();
    txtfind->lineEdit()->selectAll();
    // The window may take the keyboard only later, and its activation drops the selection.
    m_selectOnFocus = !txtfind->hasFocus();
}

void FindReplaceDialog::btnfind_Click()
{
    const QString what = txtfind->currentText();
    // Nothing to look for finds nothing; the caret stays where it is.
    if (what.isEmpty())
        return;
    TextModel& text = *target().text;
    lengthofwrd->setText(QString::number(what.size()));
    findPos = nextMatch(text, what, down->isChecked() ? Direction::Down : Direction::Up, findPos,
                        caseRule());
    if (findPos != 0) {
        text.focus();
        text.setSelStart(findPos - 1);
        text.setSelLength(int(what.size()));
        if (m_replaceLook)
            show();
        else
            hide();
    } else {
        platform().message(QStringLiteral("Search complete"));
        hide();
        text.focus();
    }
    btnReplace->setEnabled(true);
    txtfind->addItem(what);
}

void FindReplaceDialog::btnReplace_Click()
{
    const QString what = txtfind->currentText();
    const QString with = txtReplace->currentText();
    if (findPos != 0 && !what.isEmpty()) {
        TextModel& text = *target().text;
        // Only a match is replaced: a caret or a selection the user made elsewhere since the
        // last search is searched from instead.
        if (QString::compare(text.selText(), what, caseRule()) == 0) {
            const int start = text.selStart();
            text.setSelText(with);
            // The search goes on past the replacement, never into it.
            if (down->isChecked())
                findPos = text.selStart();
            else
                text.setSelStart(start);
        }
        btnfind_Click();
    } else {
        platform().message(QStringLiteral("Search Complete"));
        hide();
    }
    txtReplace->addItem(with);
}

void FindReplaceDialog::btnReplaceAll_Click()
{
    TextModel& text = *target().text;
    const QString what = txtfind->currentText();
    const QList<int> matches = matchesOf(text.text(), what, caseRule());
    if (!matches.isEmpty()) {
        // The caret goes to the start of the page, as a new text would put it, before the change:
        // the change pass must not complete what a replacement leaves before the caret.
        EditGroup group(text);
        text.setSelStart(0);
        // Only the matches change, in one change of the page, however many.
        text.replaceAt(matches, int(what.size()), txtReplace->currentText());
        text.setSelStart(0);
    }
    hide();
}

} // namespace orvel
