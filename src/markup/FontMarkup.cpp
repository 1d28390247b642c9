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

std::optional<QString> cutValue(const QString& tag, const QString& marker)
{
    // Attribute names are matched in any letter case: "<FONT COLOR=\"red\">" is read as well.
    // A missing marker counts as found at -1: "<font size=\"4\">" then gives " size=" for the
    // face, and "size=" for the colour, whose marker is one character longer.
    const qsizetype start = tag.indexOf(marker, 0, Qt::CaseInsensitive) + marker.size();
    const qsizetype end = tag.indexOf(kQuote, start);
    if (end < 0)
        return std::nullopt;
    return tag.mid(start, end - start);
}

TagValues readFontTag(const QString& tag)
{
    const auto value = [&tag](const QString& marker) {
        return cutValue(tag, marker).value_or(QString());
    };
    return {value(QStringLiteral("color=\"")), value(QStringLiteral("face=\"")),
            value(QStringLiteral("size=\""))};
}

std::optional<int> tagStartBefore(const QString& text, int caret)
{
    const qsizetype at = text.left(std::max(0, caret)).lastIndexOf(u'<');
    if (at < 0)
        return std::nullopt;
    return static_cast<int>(at);
}

std::optional<int> tagEndFrom(const QString& text, int from)
{
    const qsizetype at = text.indexOf(u'>', std::max(0, from));
    if (at < 0)
        return std::nullopt;
    return static_cast<int>(at);
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
