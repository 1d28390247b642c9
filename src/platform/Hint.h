#pragma once

#include <QString>
#include <functional>

class QWidget;
class QStatusBar;
class QLineEdit;

namespace orvel {

// Hints: while the pointer moves over a widget, its hint is written to a hint line (the source
// window's `helper` box, or a dialog's status bar). The hint replaces whatever the line held and
// stays until another hint replaces it.
using HintSink = std::function<void(const QString&)>;

// Shows `hint` through `sink` whenever the pointer moves over `widget`. Replaces any hint
// installed on the widget before. The hint may change later through the same call.
void installHint(QWidget* widget, const QString& hint, HintSink sink);
// The same, for a hint computed when the pointer moves (texts that follow a check box's state).
void installHint(QWidget* widget, std::function<QString()> hint, HintSink sink);

HintSink hintLine(QLineEdit* line);
HintSink hintLine(QStatusBar* bar);

// The hint currently installed on `widget`, "" if none (tests).
QString hintOf(QWidget* widget);

} // namespace orvel
