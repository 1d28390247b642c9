#pragma once

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

} // namespace orvel
