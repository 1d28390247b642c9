#include "markup/HeadingMarkup.h"

namespace orvel {

QString headingElement(const HeadingFields& f)
{
    return QStringLiteral("<H") + f.level + QStringLiteral(" ALIGN=\"") + f.align +
           QStringLiteral("\">") + f.text + QStringLiteral("</H") + f.level + QStringLiteral(">");
}

} // namespace orvel
