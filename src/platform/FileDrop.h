#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

namespace orvel {

// The local files a drag carries, in its order; empty for a drag of anything else (text, a
// remote address).
QStringList droppedFiles(const QMimeData* data);

// Makes `widget` a drop target for files: a drag that carries local files is accepted there and
// its drop hands the first file's path to `open`; any other drag is left to the widget. The child
// widgets `widget` has now or gets later are watched too: a web view takes drops in a child that
// comes and goes with its page, and a file dropped there would otherwise be shown in its place.
void acceptFileDrops(QWidget* widget, std::function<void(const QString&)> open);

} // namespace orvel
