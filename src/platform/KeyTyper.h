#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <deque>

namespace orvel {

// Simulated typing. Characters queue up behind whatever handler is running and arrive one per
// turn of the event loop as real key press and release events, so each one goes through the
// same path as a key the user pressed (key handlers, insertion, the change pass). A character
// arrives as itself: there is no escape syntax. Line ends arrive as Return, a TAB as Tab.
class KeyTyper : public QObject {
    Q_OBJECT
public:
    explicit KeyTyper(QObject* parent = nullptr);

    void type(QWidget* target, const QString& text);
    bool pending() const { return !m_queue.empty(); }
    // Delivers everything queued now, without waiting for the event loop (tests).
    void deliverAll();

private:
    struct Key {
        QPointer<QWidget> target;
        QString text; // one character, or a surrogate pair
    };
    void schedule();
    void deliverOne();

    std::deque<Key> m_queue;
    bool m_scheduled = false;
};

} // namespace orvel
