#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>

namespace orvel {

// True for a non-empty text of the digits 0 to 9 only: no sign, blank or other digit forms.
inline bool allDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= u'0' && c.unicode() <= u'9';
    });
}

// The number in a box's text, 0 when the text is not a number; blanks around it do not count.
inline int boxNumber(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : 0;
}

} // namespace orvel
