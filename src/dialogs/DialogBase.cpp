#include "dialogs/DialogBase.h"

#include "editor/SourceWindow.h"
#include "markup/Digits.h"
#include "platform/Hint.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvel {

DialogBase::DialogBase(SourceWindow* owner, const QString& name, const QString& caption)
    : QDialog(owner), m_owner(owner)
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

TextBox* DialogBase::mainText() const
{
    return m_owner->Text1;
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
    // The character before the caret is the one just typed.
    int caret = box->cursorPosition();
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
    box->setCursorPosition(caret + 1);
    return true;
}

} // namespace orvel
