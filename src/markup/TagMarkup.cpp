#include "markup/TagMarkup.h"

#include <QStringList>

namespace orvel {

QString wrapIn(const TagPair& tags, const QString& selected)
{
    return tags.open + selected + tags.close;
}

QString emptyBlock(const TagPair& tags)
{
    return tags.open + kCrLf + kCrLf + tags.close;
}

QString commentMarkup(const QString& text)
{
    return QStringLiteral("<!-- ") + text + QStringLiteral(" --> ");
}

QString definitionList(const QString& term, const QString& definition)
{
    return QStringList{QStringLiteral("<DL>"),
                       QStringLiteral("     <DT><B>") + term + QStringLiteral("</B>"),
                       QStringLiteral("         <DD>") + definition + QStringLiteral("</DD>"),
                       QStringLiteral("</DL>")}
        .join(kCrLf);
}

QString rectangularBox(const QString& text)
{
    return QStringLiteral("<div style=\"border-style: solid; border-width: 1; padding-left: 4; "
                          "padding-right: 4; padding-top: 1; padding-bottom: 1\">") +
           text + QStringLiteral("</div>");
}

QString toggledText(const QString& selected, const QString& open, const QString& close)
{
    if (!selected.startsWith(open))
        return open + selected + close;
    // The closing characters are dropped unchecked: "<B>word</I>" also gives "word".
    const qsizetype inner = selected.size() - open.size() - close.size();
    if (inner < 0)
        return selected.mid(open.size());
    return selected.mid(open.size(), inner);
}

TagPair alignmentTags(Alignment a)
{
    switch (a) {
    case Alignment::Left:
        return {QStringLiteral("<P align=\"left\">"), QStringLiteral("</P>")};
    case Alignment::Right:
        return {QStringLiteral("<P align=\"right\">"), QStringLiteral("</P>")};
    case Alignment::Centre:
        return {QStringLiteral("<CENTER>"), QStringLiteral("</CENTER>")};
    case Alignment::Justify:
        return {QStringLiteral("<P align=\"justify\">"), QStringLiteral("</P>")};
    }
    return {};
}

QString alignmentStep(Alignment a, const QString& selected, bool& alignFirst)
{
    const TagPair tags = alignmentTags(a);
    if (!selected.isEmpty())
        return wrapIn(tags, selected);
    if (alignFirst) {
        alignFirst = false;
        return tags.open + QStringLiteral(" <!--No text selected. Click again to end alignment-->");
    }
    alignFirst = true;
    return tags.close;
}

QString newParagraph(const QString& selected)
{
    return selected + QStringLiteral("</P>") + kCrLf + QStringLiteral("<P ALIGN=\"LEFT\">");
}

QString listPoint(const QString& text)
{
    return QStringLiteral("<LI>") + text;
}

QString frameset(const QString& selected)
{
    return selected + QStringList{QStringLiteral("<FRAMESET>"),
                                  QStringLiteral("      <FRAME SRC=\"  \" NAME=\"  \">"),
                                  QStringLiteral("      <FRAME SRC=\"   \" NAME=\"   \">"),
                                  QStringLiteral("</FRAMESET>")}
                          .join(kCrLf);
}

QString appletTemplate()
{
    return QStringList{
        QStringLiteral("<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\" HSPACE=\" \" VSPACE=\" \">"),
        QStringLiteral("<PARAM NAME=\"\" VALUE=\"\">Sorry, you need a Java enabled browser."),
        QStringLiteral("</APPLET>")}
        .join(kCrLf);
}

QString tableCell()
{
    return QStringLiteral("<TD>Text</TD>");
}

QString tableHeading()
{
    return QStringLiteral("<TH><B>Heading comes here</B></TH>");
}

QString lineBreakKeys(const QString& selected)
{
    return QStringLiteral("<BR>") + selected;
}

QString wordBreakKeys()
{
    return QStringLiteral("<WBR>");
}

QString noBreakKeys(const QString& selected)
{
    return QStringLiteral("<NOBR>") + selected + QStringLiteral("</NOBR>");
}

QString mediaMarkup(MediaKind kind, const QString& file)
{
    switch (kind) {
    case MediaKind::Sound:
        return QStringLiteral("<BGSOUND SRC=\"") + file + QStringLiteral("\" LOOP=5>");
    case MediaKind::Music:
        return QStringLiteral("<OBJECT DATA=\"") + file +
               QStringLiteral("\" TYPE=\"audio/type of file\"> <PARAM NAME=\"AUTOSTART\" "
                              "VALUE=\"TRUE\"> [Soothing Music] </OBJECT>");
    case MediaKind::Movie:
        return QStringLiteral("<IMG DYNSRC=\"") + file +
               QStringLiteral("\" START=\"   \" LOOP=\"TRUE\">");
    }
    return {};
}

QString mouseActionLink(const QString& url, const QString& event, const QString& action,
                        const QString& selected)
{
    return QStringLiteral("<A HREF=\"") + url + QStringLiteral("\" ") + event +
           QStringLiteral("=\"") + action + QStringLiteral("\">") + selected +
           QStringLiteral("</A>");
}

} // namespace orvel
