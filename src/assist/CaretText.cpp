#include "assist/CaretText.h"

namespace orvel {

std::optional<QString> textBeforeCaret(const TextModel& text, int count)
{
    const int caret = text.selStart();
    if (count < 0 || count > caret)
        return std::nullopt;
    return text.mid(caret - count, count);
}

bool caretFollows(const TextModel& text, const QString& trigger)
{
    const std::optional<QString> before = textBeforeCaret(text, int(trigger.size()));
    return before && *before == trigger;
}

} // namespace orvel
