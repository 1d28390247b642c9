#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace orvel {

// Makes `widget` a drop target for text: a drop hands the dropped text to `take` and is
// accepted as a copy, so the control the text was dragged from keeps it. The widget's own
// handling of dropped text (a line edit would insert it) does not run.
void acceptTextDrops(QWidget* widget, std::function<void(const QString&)> take);

} // namespace orvel
