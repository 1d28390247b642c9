#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace orvel {

// Where a window of `preferred` size (its inside, without the `frame` the window manager adds
// around it) goes on a screen whose free area is `available`: the rectangle of its frame, no
// larger than the free area, centred in it.
QRect placeWithin(const QRect& available, QSize preferred, QSize frame);

// Sizes and places `w` (not shown yet) with placeWithin on the screen it opens on: the one under
// the pointer, else its own.
void placeOnScreen(QWidget* w, QSize preferred);

} // namespace orvel
