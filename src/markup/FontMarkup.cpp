#include "markup/FontMarkup.h"

#include <QStringList>
#include <algorithm>

namespace orvel::font {

namespace {
const QString kQuote = QStringLiteral("\"");
const QStringList kBareStrays{QStringLiteral("color="), QStringLiteral("size="),
                              QStringLiteral("face=")};
} // namespace

QString openingTag(const Fragments& f)
{
    return QStringLiteral("<font") + f.size + f.colour + f.face + QStringLiteral(">");
}

QString wrap(const Fragments& f, const QString& selected)
{
    return openingTag(f) + selected + QStringLiteral("</font>");
}

std::optional<QString> sizeFragment(const QString& size)
{
    bool ok = false;
    const double n = size.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    if (n == 3)
        return QString();
    return QStringLiteral(" size=\"") + size + kQuote;
}

QString namedColourFragment(const QString& name)
{
    if (name.toLower() == QStringLiteral("black"))
        return {};
    return QStringLiteral(" color=\"") + name + kQuote;
}

QString rgbColourFragment(const QString& code)
{
    return QStringLiteral(" color=\"#") + code + kQuote;
}

QString faceFragment(const QString& face)
{
    if (face.isEmpty() || isStrayValue(face))
        return {};
    return QStringLiteral(" face=\"") + face + kQuote;
}

bool isBareStray(const QString& text)
{
    return text == QStringLiteral("color=") || text == QStringLiteral("size=");
}

bool isStrayValue(const QString& text)
{
    const QString bare = text.startsWith(u' ') ? text.mid(1) : text;
    return kBareStrays.contains(bare, Qt::CaseInsensitive);
}

bool isFontOpening(const QString& text)
{
    return text.startsWith(QStringLiteral("<font ")) || text.startsWith(QStringLiteral("<FONT "));
}

QString cutValue(const QString& tag, const QString& marker, int offset)
{
    // Attribute names are matched in any letter case: "<FONT COLOR=\"red\">" is read as well.
    const int q = static_cast<int>(tag.indexOf(marker, 0, Qt::CaseInsensitive)) + 1 + offset;
    // Searching from the 0-based index q finds the first quote after the 1-based position q.
    const int next = q < tag.size() ? static_cast<int>(tag.indexOf(kQuote, q)) : -1;
    const int z = next; // 1-based position of that quote, minus one
    // No closing quote: there is no value to cut (the count would be negative).
    if (next < 0 || z <= q)
        return {};
    return tag.mid(q, z - q);
}

TagValues readFontTag(const QString& tag)
{
    return {cutValue(tag, QStringLiteral("color=\""), 6),
            cutValue(tag, QStringLiteral("face=\""), 5),
            cutValue(tag, QStringLiteral("size=\""), 5)};
}

int tagStartBefore(const QString& text, int caret)
{
    return static_cast<int>(text.left(std::max(0, caret)).lastIndexOf(u'<'));
}

int tagEndFrom(const QString& text, int from)
{
    const qsizetype at = text.indexOf(u'>', std::max(0, from - 1));
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

QString faceWrap(const QString& face, const QString& selected)
{
    return QStringLiteral("<font face= \"") + face + QStringLiteral("\">") + selected +
           QStringLiteral(" </font>");
}

TagPair faceTags(const QString& face)
{
    return {QStringLiteral("<font face=\"") + face + QStringLiteral("\">"),
            QStringLiteral(" </font>")};
}

TagPair sizeTags(const QString& size)
{
    return {QStringLiteral("<font size=\"") + size + QStringLiteral("\">"),
            QStringLiteral("</font>")};
}

TagPair colourTags(const QString& colour)
{
    return {QStringLiteral("<font color=\"") + colour + QStringLiteral("\">"),
            QStringLiteral(" </font>")};
}

QString rgbColourWrap(const QString& code, const QString& selected)
{
    return QStringLiteral("<font color=\"#") + code + QStringLiteral("\">") + selected +
           QStringLiteral(" </font>");
}

FontEdit fontEdit(const QString& selected, bool first, const TagPair& tags)
{
    if (!selected.isEmpty())
        return {tags.open + selected + tags.close, first};
    if (first)
        return {tags.open, false};
    return {QStringLiteral("</font>"), true};
}

bool validFontSize(const QString& size)
{
    return size.size() == 1 && size.at(0) >= u'1' && size.at(0) <= u'7';
}

} // namespace orvel::font
