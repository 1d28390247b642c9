#include "dialogs/DialogBase.h"

#include "markup/Digits.h"
#include "platform/Hint.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvel {

namespace {

// Limits what can be typed into a box without limiting what code puts there: the up-downs step
// numbers past the typed length, and a tag read back may hold a longer value that the user must
// still be able to delete from.
class TypedLengthLimit : public QObject {
public:
    TypedLengthLimit(QLineEdit* box, int limit) : QObject(box), m_box(box), m_limit(limit)
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const QString typed = static_cast<QKeyEvent*>(e)->text();
        if (typed.isEmpty() || !typed.at(0).isPrint())
            return false;
        const qsizetype kept = m_box->text().size() - m_box->selectedText().size();
        return kept + typed.size() > m_limit;
    }

private:
    QLineEdit* m_box;
    int m_limit;
};

} // namespace

DialogBase::DialogBase(const DialogTarget& target, const QString& name, const QString& caption)
    : QDialog(target.window), m_target(target)
{
    setObjectName(name);
    setWindowTitle(caption);
    setModal(false);
    setSizeGripEnabled(false);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* content = new QWidget(this);
    m_body = new QVBoxLayout(content);
    m_body->setContentsMargins(10, 10, 10, 6);
    outer->addWidget(content, 1);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    outer->addWidget(StatusBar1);
}

// By the time this runs the derived dialog's members are gone, but its controls are not: QDialog
// hides the dialog and QWidget deletes the controls only afterwards, and on the way they still
// emit. A combo box losing the focus reports its typed text as chosen from the list, which would
// run the dialog's handler on the dead dialog. Every control is cut off from the dialog first.
DialogBase::~DialogBase()
{
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
        child->removeEventFilter(this);
    }
}

void DialogBase::setFormHint(const QString& hint)
{
    installHint(this, hint, hintLine(StatusBar1));
    if (QWidget* content = m_body->parentWidget())
        installHint(content, hint, hintLine(StatusBar1));
}

void DialogBase::setHint(QWidget* w, const QString& hint)
{
    installHint(w, hint, hintLine(StatusBar1));
}

void DialogBase::setHint(QWidget* w, std::function<QString()> hint)
{
    installHint(w, std::move(hint), hintLine(StatusBar1));
}

QString DialogBase::currentHint() const
{
    return StatusBar1->currentMessage();
}

void DialogBase::unload()
{
    hide();
    // Detached at once, so the next opener creates a fresh dialog.
    setParent(nullptr);
    deleteLater();
}

void DialogBase::closeEvent(QCloseEvent* e)
{
    e->accept();
    unload();
}

UpDown::UpDown(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_up->setFixedSize(18, 12);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    m_down->setFixedSize(18, 12);
    column->addWidget(m_up);
    column->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, &UpDown::up);
    connect(m_down, &QToolButton::clicked, this, &UpDown::down);
}

QLineEdit* DialogBase::lineBox(QWidget* parent, const QString& name, const QString& text,
                               const QString& tip)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setToolTip(tip);
    return box;
}

QPushButton* DialogBase::pushButton(QWidget* parent, const QString& name, const QString& caption,
                                    const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* DialogBase::checkBox(QWidget* parent, const QString& name, const QString& caption,
                                const QString& tip)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setToolTip(tip);
    return c;
}

QComboBox* DialogBase::editableCombo(QWidget* parent, const QString& name, const QStringList& items,
                                     const QString& text, const QString& tip)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    // The toolkit's completer would show "black" after a typed "b" while the dialog uses "b".
    c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    if (const qsizetype at = items.indexOf(text); at >= 0)
        c->setCurrentIndex(int(at));
    else
        c->setEditText(text);
    c->setToolTip(tip);
    return c;
}

QLabel* DialogBase::label(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

NumberBox DialogBase::numberBox(QWidget* parent, const NumberBoxSpec& opts)
{
    NumberBox n;
    n.box = lineBox(parent, opts.name, opts.text, opts.tip);
    if (opts.typedMax > 0)
        limitTyping(n.box, opts.typedMax);
    if (opts.fallback) {
        connect(n.box, &QLineEdit::textChanged, this,
                [box = n.box, fallback = *opts.fallback, percent = opts.trailingPercent,
                 tidy = opts.tidy] {
                    if (tidy && tidy())
                        return;
                    digitFilter(box, fallback, percent);
                });
    }
    if (!opts.upDown.isEmpty()) {
        n.upDown = new UpDown(opts.upDown, parent);
        bindUpDown(n.upDown, n.box, opts.lower, opts.upper);
    }
    return n;
}

QHBoxLayout* DialogBase::numberRow(const NumberBox& n)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(n.box);
    if (n.upDown)
        row->addWidget(n.upDown);
    return row;
}

OkCancelRow DialogBase::okCancelRow(const QString& okCaption, const QString& okTip,
                                    const QString& cancelTip)
{
    OkCancelRow r;
    r.ok = pushButton(this, QStringLiteral("OKButton"), okCaption, okTip);
    r.cancel =
        pushButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cancel"), cancelTip);
    connect(r.cancel, &QPushButton::clicked, this, &DialogBase::unload);
    r.row = new QHBoxLayout;
    r.row->addStretch(1);
    r.row->addWidget(r.ok);
    r.row->addWidget(r.cancel);
    return r;
}

void limitTyping(QLineEdit* box, int max)
{
    new TypedLengthLimit(box, max);
}

void stepUp(QLineEdit* box, std::optional<int> upper)
{
    const int n = boxNumber(box->text());
    if (upper && n >= *upper)
        return;
    box->setText(QString::number(n + 1));
}

void stepDown(QLineEdit* box, std::optional<int> lower)
{
    const int n = boxNumber(box->text());
    if (lower && n <= *lower)
        return;
    box->setText(QString::number(n - 1));
}

void bindUpDown(UpDown* upDown, QLineEdit* box, std::optional<int> lower, std::optional<int> upper)
{
    QObject::connect(upDown, &UpDown::up, box, [box, upper] { stepUp(box, upper); });
    QObject::connect(upDown, &UpDown::down, box, [box, lower] { stepDown(box, lower); });
}

bool digitFilter(QLineEdit* box, const QString& fallback, bool trailingPercent)
{
    const QString text = box->text();
    if (text.isEmpty()) {
        box->setText(fallback);
        return true;
    }
    // The character before the caret is the one just typed. Text set by code leaves the caret at
    // its end; where a trailing "%" is allowed, such text is examined from its start instead, so
    // a number with its sign passes while a typed "%" does not.
    const bool fromStart = trailingPercent && !box->isModified();
    int caret = fromStart ? 0 : box->cursorPosition();
    if (caret > 0)
        --caret;
    const QChar c = caret < text.size() ? text.at(caret) : QChar();
    // Text that came in whole (pasted, or set by a command) is not a number just because its
    // character at the caret is a digit.
    QStringView number(text);
    if (trailingPercent && number.endsWith(u'%'))
        number.chop(1);
    if (c.unicode() < u'0' || c.unicode() > u'9' || !allDigits(number)) {
        platform().messageBox(
            {kAssistantTitle, kInvalidNumber, MsgButtons::Ok, MsgIcon::Critical, MsgAnswer::Ok});
        box->setText(fallback);
        return false;
    }
    if (!fromStart)
        box->setCursorPosition(caret + 1);
    return true;
}

} // namespace orvel
