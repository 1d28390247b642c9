#include "platform/KeyTyper.h"

#include "platform/Platform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace orvel {

KeyTyper::KeyTyper(QObject* parent) : QObject(parent) {}

void KeyTyper::type(QWidget* target, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text.at(i);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            continue; // CR LF is one Return
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            m_queue.push_back({target, text.mid(i, 2)});
            ++i;
            continue;
        }
        m_queue.push_back({target, QString(c)});
    }
    schedule();
}

void KeyTyper::schedule()
{
    if (m_scheduled || m_queue.empty())
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_scheduled = false;
        // Keys wait while a modal box is up, as typed-ahead keys would wait for it to close.
        if (QApplication::activeModalWidget() || platform().answerPending()) {
            QTimer::singleShot(20, this, [this] { schedule(); });
            return;
        }
        deliverOne();
        schedule();
    });
}

void KeyTyper::deliverAll()
{
    while (!m_queue.empty())
        deliverOne();
}

void KeyTyper::deliverOne()
{
    if (m_queue.empty())
        return;
    Key key = m_queue.front();
    m_queue.pop_front();
    if (!key.target)
        return;

    QString text = key.text;
    int code = Qt::Key_unknown;
    if (text == u"\r" || text == u"\n") {
        code = Qt::Key_Return;
        text = QStringLiteral("\r");
    } else if (text == u"\t") {
        code = Qt::Key_Tab;
    } else if (text.size() == 1) {
        code = text.at(0).toUpper().unicode();
    }
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(key.target, &press);
    if (!key.target)
        return;
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(key.target, &release);
}

} // namespace orvel
