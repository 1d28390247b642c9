#pragma once

#include <QString>

namespace orvel::caption {

// The texts the source window's title bar shows; every writer of the caption takes it from here.

// Before start-up has run.
inline const QString kDesign = QStringLiteral("Orvel -by  Quorrin");

// Start-up, New, Save, Save As and every edit: the page name and the modified marker.
inline QString page(const QString& name, const QString& star)
{
    return name + QStringLiteral("[") + star + QStringLiteral("]: Orvel -By Quorrin");
}

// File > Open writes this before the page name changes.
inline QString opened(const QString& path, const QString& star)
{
    return path + QStringLiteral("[") + star + QStringLiteral("]  - VuxPad");
}

// A change of the page name (`saveme`) on its own.
inline QString renamed(const QString& name)
{
    return name + QStringLiteral(":  Orvel - by Quorrin");
}

} // namespace orvel::caption
