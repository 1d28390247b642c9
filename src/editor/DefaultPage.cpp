#include "editor/DefaultPage.h"

#include <QStringList>

namespace orvel {

QString defaultPage()
{
    QStringList lines;
    lines << QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">")
          << QStringLiteral("<HTML>") << QStringLiteral("<HEAD>")
          << QStringLiteral("\t<TITLE>My web page!</TITLE>") << QStringLiteral("</HEAD>")
          << QStringLiteral("<body  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" "
                            "alink=\"maroon\">");
    for (int i = 0; i < 27; ++i)
        lines << QString();
    lines << QStringLiteral("</BODY>") << QStringLiteral("</HTML>") << QString()
          << QStringLiteral("\t\t<!--This page has been created by using Quorrin's Orvel--> ");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace orvel
