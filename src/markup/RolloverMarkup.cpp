#include "markup/RolloverMarkup.h"

#include "markup/Common.h"
#include "markup/PageMarkup.h"

namespace orvel::rollover {

QString decorationPart(const Decorations& d)
{
    QString values;
    if (d.none)
        values += QStringLiteral(" none");
    if (d.underline)
        values += QStringLiteral(" underline");
    if (d.overline)
        values += QStringLiteral(" overline");
    if (d.blink)
        values += QStringLiteral(" blink");
    if (d.strike)
        values += QStringLiteral(" line-through");
    if (values.isEmpty())
        return QString();
    return QStringLiteral("text-decoration:") + values + u';';
}

QString styleDeclarations(const QString& styleItem)
{
    if (styleItem == QLatin1String("Bold"))
        return QStringLiteral("font-weight: bold");
    if (styleItem == QLatin1String("Italics"))
        return QStringLiteral("font-style: italic");
    if (styleItem == QLatin1String("Oblique"))
        return QStringLiteral("font-style: oblique");
    if (styleItem == QLatin1String("Bold Italics"))
        return QStringLiteral("font-weight: bold; font-style: italic");
    return QStringLiteral("font-weight: normal");
}

QString styleBlock(const Style& s)
{
    return kBlockStart + QStringLiteral(" {color: ") + s.colour + QStringLiteral("; font-size: ") +
           s.size + QStringLiteral("; ") + s.decoration + s.visibility + s.textCase + s.smallCaps +
           QStringLiteral(" font-family: ") + s.font + QStringLiteral("; ") +
           styleDeclarations(s.styleItem) + QStringLiteral("}</style>");
}

std::optional<Write> blockWrite(QStringView page, const QString& block)
{
    const qsizetype start = page.indexOf(kBlockStart);
    if (start >= 2) {
        const QStringView close = u"</style>";
        if (const qsizetype end = page.indexOf(close, start + 1); end >= 0)
            return Write{int(start), int(end + close.size() - start), block};
    }
    if (const std::optional<int> head = page::findHeadEnd(page); head && *head >= 1)
        return Write{*head, 0, block + kCrLf};
    return std::nullopt;
}

} // namespace orvel::rollover
