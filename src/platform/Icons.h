#pragma once

#include <QIcon>
#include <QString>

namespace orvel {

// A button picture: the desktop theme's icon `themeName` where the theme has one, otherwise a
// small legible glyph drawn from `glyph` (a few characters such as "B" or "<P>").
QIcon buttonIcon(const QString& themeName, const QString& glyph);
QIcon glyphIcon(const QString& glyph);

} // namespace orvel
