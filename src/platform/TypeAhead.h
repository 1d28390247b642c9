#pragma once

#include <QKeyEvent>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWindow>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace orvel {

// The window system's clock, as it stamps key presses, read from the program's own clock: learned
// from the keys that come in (a key is stamped before it is delivered, so the smallest delay seen
// is the difference of the two clocks). Stamps are 32-bit milliseconds and may wrap.
class KeyClock : public QObject {
public:
    // Watches every key the program gets.
    KeyClock();
    // The window system's time now; nothing until a key was seen.
    std::optional<quint32> now() const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool m_known = false;
    quint32 m_offset = 0;
};

// While a question box waits for its answer, it stands in for a modal box: input to the program's
// other windows is held back. The toolkit's own modality would throw away keys that were typed
// ahead into the window below before the box was on screen, and the box itself would take such
// keys as its answer ("n" of "notes" answering No). Keys pressed before the box was on screen
// (by their stamps, and a reaction time after it) neither answer it nor vanish: once it is
// answered they go back to the window they were typed into. So do the keys of a typing run that
// began before it: whoever answers a question stops typing to read it first.
class TypeAhead : public QObject {
public:
    TypeAhead(QWidget* box, const KeyClock& clock);
    // Hands the held keys back, queued behind what runs now.
    ~TypeAhead() override;

    // Nobody answers a question quicker than this after it shows, nor without a pause this long
    // after typing.
    static constexpr int kReactionMs = 150;
    static constexpr int kTypingGapMs = 500;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool typedAhead(const QKeyEvent* e) const;
    bool keyEvent(QWindow* target, QKeyEvent* e);

    QWidget* m_box;
    const KeyClock& m_clock;
    QPointer<QWindow> m_origin; // where typing went before the question
    bool m_shown = false;
    std::optional<quint32> m_shownAt; // on the window system's clock, when it is known
    quint32 m_shownLocal = 0;
    struct Held {
        QPointer<QWindow> target;
        std::unique_ptr<QKeyEvent> event;
    };
    std::vector<Held> m_held;
    QList<quint32> m_heldKeys;         // presses held, whose releases follow them
    std::optional<quint32> m_lastHeld; // the stamp of the last press held
};

} // namespace orvel
