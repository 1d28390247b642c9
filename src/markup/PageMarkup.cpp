#include "markup/PageMarkup.h"

#include "markup/Common.h"

namespace orvel::page {

QString watermarkFragment(bool ticked)
{
    return ticked ? QStringLiteral("bgproperties=\"fixed\"") : QString();
}

QString backgroundFragment(const QString& location)
{
    if (location.isEmpty())
        return QString();
    return QStringLiteral(" background=\"") + location + QStringLiteral("\" ");
}

QString marginFragment(const QString& attribute, const QString& value)
{
    return u' ' + attribute + QStringLiteral("=\"") + value + u'"';
}

QString soundFragment(const QString& source, const QString& loop)
{
    if (source.isEmpty())
        return QString();
    return QStringLiteral("<bgsound src=\"") + source + QStringLiteral("\" loop=\"") + loop +
           QStringLiteral("\">");
}

QString bodyTag(const BodyFields& f)
{
    return QStringLiteral("<BODY ") + f.watermark + f.background + QStringLiteral(" text=\"") +
           f.text + QStringLiteral("\" bgcolor=\"") + f.bgcolor + QStringLiteral("\" link=\"") +
           f.link + QStringLiteral("\" vlink=\"") + f.vlink + QStringLiteral("\" alink=\"") +
           f.alink + u'"' + f.topMargin + f.leftMargin + QStringLiteral("> ");
}

namespace {

std::optional<int> findAnyCase(QStringView page, QStringView what)
{
    const qsizetype at = page.indexOf(what, 0, Qt::CaseInsensitive);
    if (at < 0)
        return std::nullopt;
    return int(at);
}

} // namespace

std::optional<int> findBodyTag(QStringView page)
{
    return findAnyCase(page, u"<BODY");
}

std::optional<int> findHeadEnd(QStringView page)
{
    return findAnyCase(page, kHeadEnd);
}

PageWrite pageWrite(QStringView page, int selStart, bool firstTime, const QString& rollover,
                    const QString& body, const QString& sound)
{
    PageWrite w;
    w.selection = body + kCrLf + sound + kCrLf + kCrLf;
    if (!firstTime)
        return w;
    const std::optional<int> head = findHeadEnd(page);
    if (head && *head + int(kHeadEnd.size()) <= selStart) {
        if (!rollover.isEmpty()) {
            w.blockAt = *head;
            w.block = rollover + kCrLf;
        }
        return w;
    }
    const QString block = rollover.isEmpty() ? QString() : rollover + kCrLf;
    w.selection = block + kHeadEnd + kCrLf + w.selection;
    return w;
}

} // namespace orvel::page
