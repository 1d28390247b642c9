#include "markup/RuleMarkup.h"

#include "markup/Digits.h"

namespace orvel::rule {

QString alignFragment(const std::optional<QString>& item)
{
    if (!item)
        return QStringLiteral(" align=\"\"");
    if (*item == QLatin1String("Center"))
        return QString();
    return QStringLiteral(" align=\"") + *item + QStringLiteral("\"");
}

QString widthFragment(const QString& width)
{
    return QStringLiteral(" width=") + width;
}

QString sizeFragment(const QString& size)
{
    // An empty box (an opener may put nothing there) would give a valueless size="", and text
    // that is not a number (a parser's leftover, until the timer tidies it) no height at all.
    if (!allDigits(size) || size.toLongLong() == 0)
        return QString();
    return QStringLiteral(" size=\"") + size + QStringLiteral("\"");
}

QString colourFragment(const QString& colour, bool chosenFromList)
{
    if (colour == QLatin1String("black"))
        return QString();
    return QStringLiteral(" color=\"") + colour +
           (chosenFromList ? QStringLiteral("\" ") : QStringLiteral("\""));
}

QString noShadeFragment(bool ticked)
{
    return ticked ? QStringLiteral(" NOSHADE") : QString();
}

QString ruleTag(const RuleFragments& f)
{
    const QString align = f.align == QLatin1String(" align=\"\"") ? QString() : f.align;
    return QStringLiteral("<HR") + align + f.width + f.size + f.colour + f.noShade +
           QStringLiteral(">");
}

QString percentWidth(const QString& width, bool percent)
{
    if (!percent)
        return width.endsWith(u'%') ? width.chopped(1) : width;
    // A bare "100" here would read as pixels and untick the box again at once.
    if (width.isEmpty())
        return kFullWidth;
    return width.endsWith(u'%') ? width : width + u'%';
}

bool isWidthLeftover(const QString& text)
{
    return text == QLatin1String("ign=") || isSizeOrColourLeftover(text);
}

bool isSizeOrColourLeftover(const QString& text)
{
    return text == QLatin1String("idth=") || text == QLatin1String("ze=") ||
           text == QLatin1String("lign=");
}

} // namespace orvel::rule
