#include "platform/TypeAhead.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWidget>

namespace orvel {

namespace {

// The program's own clock in milliseconds (monotonic), cut to the stamps' 32 bits.
quint32 localNow()
{
    QElapsedTimer t;
    t.start();
    return quint32(t.msecsSinceReference());
}

// A key's press and release share this.
quint32 keyId(const QKeyEvent* e)
{
    return e->nativeScanCode() ? e->nativeScanCode() : quint32(e->key());
}

} // namespace

KeyClock::KeyClock()
{
    QCoreApplication::instance()->installEventFilter(this);
}

std::optional<quint32> KeyClock::now() const
{
    if (!m_known)
        return std::nullopt;
    return localNow() + m_offset;
}

bool KeyClock::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() != QEvent::KeyPress || !e->spontaneous() || !watched->isWindowType())
        return false;
    // Stamp minus arrival is the clocks' difference less the delay; the largest seen is closest.
    const quint32 offset = quint32(static_cast<QKeyEvent*>(e)->timestamp()) - localNow();
    if (!m_known || qint32(offset - m_offset) > 0)
        m_offset = offset;
    m_known = true;
    return false;
}

TypeAhead::TypeAhead(QWidget* box, const KeyClock& clock)
    : m_box(box), m_clock(clock), m_origin(QGuiApplication::focusWindow())
{
    QCoreApplication::instance()->installEventFilter(this);
}

TypeAhead::~TypeAhead()
{
    QCoreApplication::instance()->removeEventFilter(this);
    for (Held& h : m_held)
        if (h.target)
            QCoreApplication::postEvent(h.target, h.event.release());
}

bool TypeAhead::typedAhead(const QKeyEvent* e) const
{
    const quint32 at = quint32(e->timestamp());
    if (m_lastHeld && qint32(at - *m_lastHeld) < kTypingGapMs)
        return true; // the run of typing goes on
    if (!m_shown)
        return true;
    if (m_shownAt)
        return qint32(at - (*m_shownAt + kReactionMs)) < 0;
    return qint32(localNow() - (m_shownLocal + kReactionMs)) < 0;
}

bool TypeAhead::keyEvent(QWindow* target, QKeyEvent* e)
{
    const bool toBox = target == m_box->windowHandle();
    const quint32 id = keyId(e);
    bool hold = false;
    if (e->type() == QEvent::KeyPress) {
        hold = typedAhead(e);
        if (hold) {
            m_heldKeys << id;
            m_lastHeld = quint32(e->timestamp());
        }
    } else {
        hold = m_heldKeys.removeOne(id);
    }
    if (hold) {
        // Typed ahead into the box, the key belongs to the window that had the keyboard.
        m_held.push_back({toBox ? m_origin : QPointer<QWindow>(target),
                          std::unique_ptr<QKeyEvent>(static_cast<QKeyEvent*>(e->clone()))});
        return true;
    }
    // Keys pressed once the question shows are for the question alone.
    return !toBox;
}

bool TypeAhead::eventFilter(QObject* watched, QEvent* e)
{
    if (!watched->isWindowType())
        return false;
    auto* window = static_cast<QWindow*>(watched);
    const bool isBox = window == m_box->windowHandle();
    switch (e->type()) {
    case QEvent::Expose:
        if (isBox && !m_shown && window->isExposed()) {
            m_shown = true;
            m_shownLocal = localNow();
            m_shownAt = m_clock.now();
        }
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return keyEvent(window, static_cast<QKeyEvent*>(e));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Close:
        return !isBox; // the other windows wait, as under a modal box
    default:
        return false;
    }
}

} // namespace orvel
