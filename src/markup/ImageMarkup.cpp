#include "markup/ImageMarkup.h"

#include "markup/Digits.h"

namespace orvel {

QString spacingFragment(const QString& attribute, const QString& value)
{
    if (boxNumber(value) == 0)
        return {};
    return u' ' + attribute + QStringLiteral("=\"") + value + u'"';
}

bool imageFieldsComplete(const ImageFields& f)
{
    const bool common = !f.source.isEmpty() && !f.alternate.isEmpty() && !f.border.isEmpty() &&
                        !f.alignment.isEmpty();
    if (!f.dimensions)
        return common;
    return common && !f.height.isEmpty() && !f.width.isEmpty();
}

QString imageTag(const ImageFields& f)
{
    QString tag = QStringLiteral("<IMG SRC=\"") + f.source;
    if (f.dimensions)
        tag += QStringLiteral("\" HEIGHT=\"") + f.height + f.percent +
               QStringLiteral("\" WIDTH=\"") + f.width + f.percent;
    tag += QStringLiteral("\" BORDER=") + f.border + QStringLiteral(" align=\"") + f.alignment +
           QStringLiteral("\" ALT=\"") + f.alternate + QStringLiteral("\" ") + f.hspace + f.vspace +
           QStringLiteral("> ");
    return tag;
}

} // namespace orvel
