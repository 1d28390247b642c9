#include "markup/SelectMarkup.h"

#include "markup/Common.h"

namespace orvel {

namespace {

QString crLfLines(QString text)
{
    text.replace(kCrLf, QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.replace(u'\n', kCrLf);
}

} // namespace

QString optionLine(const QString& text)
{
    return QStringLiteral("<OPTION>") + crLfLines(text) + kCrLf;
}

QString defaultOptionLine(const QString& text)
{
    return QStringLiteral("<OPTION SELECTED>") + crLfLines(text) + kCrLf;
}

QString multipleFragment(bool ticked)
{
    return ticked ? QStringLiteral("MULTIPLE") : QString();
}

QString selectMarkup(const SelectFields& fields)
{
    QString open = QStringLiteral("<SELECT NAME=\"") + fields.name + u'"';
    if (fields.listBox)
        open += QStringLiteral(" size=") + fields.size + u' ' + fields.multiple;
    return open + u'>' + kCrLf + fields.options + QStringLiteral("</SELECT>");
}

} // namespace orvel
