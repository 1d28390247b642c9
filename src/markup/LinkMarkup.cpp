#include "markup/LinkMarkup.h"

namespace orvel::link {

namespace {

// The length of the opening tag that begins `selection`, through its ">". A ">" inside a quoted
// value does not end the tag, unless the quotes never balance (a stray quote would otherwise
// swallow the rest). The whole selection when the tag is not closed inside it.
qsizetype openingTagLength(const QString& selection)
{
    bool quoted = false;
    for (qsizetype i = 0; i < selection.size(); ++i) {
        const QChar c = selection.at(i);
        if (c == u'"')
            quoted = !quoted;
        else if (c == u'>' && !quoted)
            return i + 1;
    }
    const qsizetype end = selection.indexOf(u'>');
    return end < 0 ? selection.size() : end + 1;
}

} // namespace

QString targetFragment(const QString& item)
{
    if (item == QLatin1String("Same Frame"))
        return QStringLiteral(" target=\"_self\"");
    if (item == QLatin1String("Whole Page"))
        return QStringLiteral(" target=\"_top\"");
    if (item == QLatin1String("New Window"))
        return QStringLiteral(" target=\"_blank\"");
    if (item == QLatin1String("Parent Frame"))
        return QStringLiteral(" target=\"_parent\"");
    return QString();
}

QString titleFragment(const QString& tip)
{
    if (tip.isEmpty())
        return QString();
    return QStringLiteral(" TITLE=\"") + tip + QStringLiteral("\"");
}

QString styleFragment(bool underline)
{
    return underline ? QString() : QStringLiteral(" STYLE=\"text-decoration:none\"");
}

QString subjectFragment(const QString& subject)
{
    if (subject.isEmpty())
        return QString();
    return QStringLiteral("?subject=") + subject;
}

QString openingTag(const LinkFields& f)
{
    const Fragments& g = f.fragments;
    if (f.mail)
        return QStringLiteral("<A HREF=\"mailto:") + f.mailId + g.subject + QStringLiteral("\"") +
               g.mailTip + g.style + QStringLiteral(">");
    return QStringLiteral("<A HREF=\"") + f.url + QStringLiteral("\"") + g.linkTip + g.target +
           g.style + QStringLiteral(">");
}

bool addressMissing(const LinkFields& f)
{
    return f.mail ? f.mailId.isEmpty() : f.url.isEmpty();
}

Replacement replacement(const LinkFields& f, const QString& selection)
{
    if (selection.startsWith(QLatin1String("<a ")) || selection.startsWith(QLatin1String("<A ")))
        return {openingTagLength(selection), openingTag(f)};
    return {selection.size(), openingTag(f) + f.display + QStringLiteral("</A>")};
}

} // namespace orvel::link
