#include "platform/Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orvel {

namespace {
// What window managers commonly add: a title bar and thin borders.
constexpr QSize kUsualFrame(8, 36);
} // namespace

QRect placeWithin(const QRect& available, QSize preferred, QSize frame)
{
    const QSize inside = preferred.boundedTo(available.size() - frame).expandedTo(QSize(1, 1));
    QRect outer(QPoint(0, 0), inside + frame);
    outer.moveCenter(available.center());
    return outer;
}

void placeOnScreen(QWidget* w, QSize preferred)
{
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = w->screen();
    if (!screen)
        return;
    const QRect outer = placeWithin(screen->availableGeometry(), preferred, kUsualFrame);
    w->resize(outer.size() - kUsualFrame);
    // A window's position is its frame's.
    w->move(outer.topLeft());
}

} // namespace orvel
