#pragma once

#include <QStringList>

namespace orvel {

// The sixteen HTML colour names, in the order the colour lists offer them.
inline const QStringList kHtmlColours{
    QStringLiteral("aqua"),    QStringLiteral("black"),  QStringLiteral("blue"),
    QStringLiteral("fuchsia"), QStringLiteral("gray"),   QStringLiteral("green"),
    QStringLiteral("lime"),    QStringLiteral("maroon"), QStringLiteral("navy"),
    QStringLiteral("olive"),   QStringLiteral("purple"), QStringLiteral("red"),
    QStringLiteral("silver"),  QStringLiteral("teal"),   QStringLiteral("white"),
    QStringLiteral("yellow")};

// The faces that work everywhere, as the toolbar's face list spells them.
inline const QStringList kToolbarFaces{
    QStringLiteral("Arial"),           QStringLiteral("Arial black"),
    QStringLiteral("Comic Sans MS"),   QStringLiteral("Courier"),
    QStringLiteral("Courier New"),     QStringLiteral("Georgia"),
    QStringLiteral("Helvetica"),       QStringLiteral("Impact"),
    QStringLiteral("Times New Roman"), QStringLiteral("Trebuchet ms"),
    QStringLiteral("Verdana")};

// The same faces in the font dialog's list, which spells one of them differently and with a
// trailing blank ("Comic sans ms "): that text is what goes into the tag.
inline const QStringList kFontDialogFaces{
    QStringLiteral("Arial"),           QStringLiteral("Arial black"),
    QStringLiteral("Comic sans ms "),  QStringLiteral("Courier"),
    QStringLiteral("Courier New"),     QStringLiteral("Georgia"),
    QStringLiteral("Helvetica"),       QStringLiteral("Impact"),
    QStringLiteral("Times New Roman"), QStringLiteral("Trebuchet ms"),
    QStringLiteral("Verdana")};

} // namespace orvel
