#pragma once

#include <QString>

namespace orvel {

inline const QString kNoEmbedText = QStringLiteral("Sorry pal, there's no object for you.");

// "TRUE" or "FALSE", the way the object dialog keeps its three flags.
inline QString flagText(bool on)
{
    return on ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// The values of the object dialog's fields, as text; the defaults are the dialog's own.
struct ObjectFields {
    QString source;
    QString controller = flagText(false);
    QString autostart = flagText(false);
    QString loop = flagText(false);
    QString width = QStringLiteral("75");
    QString height = QStringLiteral("10");
    QString volume = QStringLiteral("50");
    QString noEmbed = kNoEmbedText;
};

// The EMBED element followed by its NOEMBED fallback, values as typed. Two blanks stand before
// AUTOSTART, and one between the EMBED tag and the NOEMBED tag.
QString embedTag(const ObjectFields& f);

} // namespace orvel
