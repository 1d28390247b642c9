#pragma once

#include "editor/StringText.h"

#include <QString>

namespace orvel::test {

// Pages in the tests' notation: "|" for the caret, "[" "]" around the selection, "\n" for CR LF.
inline StringText markedText(const char* page)
{
    QString s = QString::fromUtf8(page);
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    const qsizetype open = s.indexOf(u'[');
    const qsizetype caret = open < 0 ? s.indexOf(u'|') : open;
    const qsizetype close = open < 0 ? caret : s.indexOf(u']') - 1;
    s.remove(caret, 1);
    if (open >= 0)
        s.remove(close, 1);
    StringText t(s);
    t.setSelStart(int(caret));
    t.setSelLength(int(close - caret));
    return t;
}

inline QString markedOf(const TextModel& t)
{
    QString s = t.text();
    if (t.selLength() == 0)
        s.insert(t.selStart(), u'|');
    else
        s.insert(t.selStart() + t.selLength(), u']').insert(t.selStart(), u'[');
    return s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace orvel::test
