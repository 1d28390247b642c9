#pragma once

#include "editor/TextModel.h"

#include <QString>
#include <optional>

namespace orvel {

// The typing aids look at the few characters around the caret, never at the whole page; these
// read them through the text model (cheap on the page box whatever its size).

// The `count` characters just before the caret, or nothing when that window would begin before
// the first character of the text.
std::optional<QString> textBeforeCaret(const TextModel& text, int count);

// True when the characters just before the caret are exactly `trigger` (case-sensitive).
bool caretFollows(const TextModel& text, const QString& trigger);

} // namespace orvel
