#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

class QPalette;

namespace orvel {

// A button picture: the icon `themeName` of the desktop's icon theme (or of the theme behind it,
// see chooseIconThemes) where there is one, otherwise the program's own drawing `picture`
// (resources/pictures/<picture>.svg). Null when neither exists.
QIcon buttonIcon(const QString& themeName, const QString& picture);

// The program's own drawing `picture`, drawn in the colours of the application's palette at the
// time it is painted: a palette change reaches it with the next paint. Null when there is no such
// drawing.
QIcon ownPicture(const QString& picture);
bool hasOwnPicture(const QString& picture);
// The names of all the program's own drawings.
QStringList ownPictures();

// The palette's windows are dark: light text on a dark ground.
bool isDarkPalette(const QPalette& palette);

// The icon themes to use: `theme` and `fallback`, the theme asked for names the first one lacks
// (empty: none but the toolkit's own).
struct IconThemes {
    QString theme;
    QString fallback;
    bool operator==(const IconThemes&) const = default;
};
// Breeze, in its light or dark variant to suit the windows, stands behind the desktop's own theme,
// and in its place where the desktop has none (a bare X server, a container) or where the
// desktop's theme is Breeze itself, whose plain pictures are drawn for one ground only.
// `installed` names the themes found on the machine.
IconThemes chooseIconThemes(const QString& desktopTheme, bool dark, const QStringList& installed);

// Applies chooseIconThemes to the application and keeps doing so whenever its palette changes,
// so the pictures of the theme follow a switch between a light and a dark palette.
void followPaletteWithIcons();

} // namespace orvel
