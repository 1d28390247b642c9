#include "markup/ObjectMarkup.h"

namespace orvel {

QString embedTag(const ObjectFields& f)
{
    return QStringLiteral("<EMBED src=\"") + f.source + QStringLiteral("\" CONTROLLER=\"") +
           f.controller + QStringLiteral("\"  AUTOSTART=\"") + f.autostart +
           QStringLiteral("\" LOOP=\"") + f.loop + QStringLiteral("\" WIDTH=\"") + f.width +
           QStringLiteral("\" HEIGHT=\"") + f.height + QStringLiteral("\" VOLUME=\"") + f.volume +
           QStringLiteral("\"> <noembed>") + f.noEmbed + QStringLiteral("</noembed>");
}

} // namespace orvel
