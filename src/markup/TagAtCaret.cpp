#include "markup/TagAtCaret.h"

#include <algorithm>

namespace orvel {

std::optional<CaretTag> tagAtCaret(QStringView text, int caret)
{
    caret = std::clamp(caret, 0, int(text.size()));
    const qsizetype open = text.first(caret).lastIndexOf(u'<');
    if (open <= 0)
        return std::nullopt;
    // A caret right after a ">" finds that ">".
    CaretTag tag{int(open), std::nullopt};
    if (const qsizetype close = text.indexOf(u'>', caret - 1); close >= 0)
        tag.end = int(close) + 1;
    return tag;
}

} // namespace orvel
