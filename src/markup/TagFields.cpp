#include "markup/TagFields.h"

#include <algorithm>

namespace orvel::correct {

namespace {

constexpr Kind kKinds[] = {Kind::Image, Kind::Font, Kind::Rule, Kind::MailLink, Kind::Hyperlink};

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

bool startsWithDigit(const QString& value)
{
    return !value.isEmpty() && value.front() >= u'0' && value.front() <= u'9';
}

QString orEmpty(const std::optional<QString>& value)
{
    return value.value_or(QString());
}

} // namespace

std::span<const Kind> kinds()
{
    return kKinds;
}

bool isKind(Kind kind, const QString& tag)
{
    switch (kind) {
    case Kind::Image:
        return tag.startsWith(q("<IMG"));
    case Kind::Font:
        return tag.startsWith(q("<font ")) || tag.startsWith(q("<FONT "));
    case Kind::Rule:
        return tag.startsWith(q("<hr")) || tag.startsWith(q("<HR"));
    case Kind::MailLink:
        return tag.startsWith(q("<A HREF=\"mailto:"));
    case Kind::Hyperlink:
        return tag.startsWith(q("<A HREF=\""));
    }
    return false;
}

bool capitalised(Kind kind)
{
    return kind == Kind::Image || kind == Kind::Font;
}

std::optional<QString> quotedValue(const QString& tag, const QString& marker)
{
    const qsizetype at = tag.indexOf(marker);
    if (at < 0)
        return std::nullopt;
    const qsizetype start = at + marker.size();
    qsizetype end = tag.indexOf(u'"', start);
    // An unclosed quote: the value cannot run past the tag.
    if (end < 0)
        end = tag.endsWith(u'>') ? tag.size() - 1 : tag.size();
    return tag.mid(start, std::max<qsizetype>(end - start, 0));
}

std::optional<QString> bareValue(const QString& tag, const QString& marker)
{
    const qsizetype at = tag.indexOf(marker);
    if (at < 0)
        return std::nullopt;
    const qsizetype start = at + marker.size();
    qsizetype end = tag.size();
    for (const QChar stop : {u' ', u'>'}) {
        const qsizetype found = tag.indexOf(stop, start);
        if (found >= 0)
            end = std::min(end, found);
    }
    return tag.mid(start, end - start);
}

ImageValues readImage(const QString& tag)
{
    ImageValues v;
    const qsizetype first = tag.indexOf(u'"');
    const qsizetype second = first < 0 ? -1 : tag.indexOf(u'"', first + 1);
    if (second >= 0)
        v.url = tag.mid(first + 1, second - first - 1);

    const QString height = orEmpty(quotedValue(tag, q("HEIGHT=\"")));
    const QString width = orEmpty(quotedValue(tag, q("WIDTH=\"")));
    v.height = startsWithDigit(height) ? height : q("800");
    v.width = startsWithDigit(width) ? width : q("600");
    v.dimensions = startsWithDigit(height) || startsWithDigit(width);

    v.alternate = quotedValue(tag, q("ALT=\""));
    v.alignment = quotedValue(tag, q("align=\"")).value_or(q("Left"));
    const QString border = orEmpty(bareValue(tag, q("BORDER=")));
    v.border = startsWithDigit(border) ? border : q("0");
    return v;
}

FontValues readFont(const QString& tag)
{
    FontValues v;
    if (const std::optional<QString> colour = quotedValue(tag, q("color=\""))) {
        if (colour->startsWith(u'#')) {
            v.rgb = colour->mid(1);
            v.colour = QString();
        } else {
            v.colour = colour;
        }
    }
    v.face = quotedValue(tag, q("face=\""));
    v.size = quotedValue(tag, q("size=\""));
    return v;
}

RuleValues readRule(const QString& tag)
{
    return {orEmpty(quotedValue(tag, q("align=\""))), orEmpty(bareValue(tag, q("width="))),
            orEmpty(quotedValue(tag, q("size=\""))), orEmpty(quotedValue(tag, q("color=\"")))};
}

MailValues readMail(const QString& tag)
{
    return {orEmpty(quotedValue(tag, q("HREF=\"mailto:"))),
            orEmpty(quotedValue(tag, q("TITLE=\""))), orEmpty(quotedValue(tag, q("?subject=")))};
}

LinkValues readLink(const QString& tag)
{
    return {orEmpty(quotedValue(tag, q("HREF=\""))), orEmpty(quotedValue(tag, q("TITLE=\"")))};
}

} // namespace orvel::correct
