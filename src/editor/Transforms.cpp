#include "editor/Transforms.h"

#include "editor/TextModel.h"

namespace orvel {

namespace {

bool isSmallAscii(QChar c)
{
    return c >= u'a' && c <= u'z';
}

bool isCapitalAscii(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

QChar capital(QChar c)
{
    return QChar(c.unicode() - 32);
}

} // namespace

QString invertedCase(const QString& t)
{
    QString s = t;
    for (QChar& c : s) {
        if (isCapitalAscii(c))
            c = QChar(c.unicode() + 32);
        else if (isSmallAscii(c))
            c = capital(c);
    }
    return s;
}

QString titleCase(const QString& t)
{
    QString s = t.toLower();
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (isSmallAscii(s[i]) && (i == 0 || s[i - 1] == u' '))
            s[i] = capital(s[i]);
    }
    return s;
}

QString sentenceCase(const QString& t)
{
    QString s = t;
    for (qsizetype i = 1; i < s.size(); ++i) {
        if (!isSmallAscii(s[i]))
            continue;
        if (s[i - 1] == u'.' || (i >= 2 && s[i - 1] == u' ' && s[i - 2] == u'.'))
            s[i] = capital(s[i]);
    }
    return s;
}

QString indented(const QString& t)
{
    return QStringLiteral("<blockquote><P>") + t + QStringLiteral("</P></blockquote>");
}

QString tabified(const QString& t)
{
    static const QString blanks(7, u' ');
    QString s;
    s.reserve(t.size() + blanks.size());
    s += blanks;
    qsizetype from = 0;
    for (qsizetype at = t.indexOf(QStringLiteral("\r\n")); at >= 0;
         at = t.indexOf(QStringLiteral("\r\n"), from)) {
        s += QStringView(t).mid(from, at + 2 - from);
        s += blanks;
        from = at + 2;
    }
    s += QStringView(t).mid(from);
    return s;
}

void convertSelection(TextModel& text, QString (*convert)(const QString&))
{
    const int start = text.selStart();
    const QString converted = convert(text.selText());
    text.setSelText(converted);
    text.setSelStart(start);
    text.setSelLength(int(converted.size()));
}

} // namespace orvel
