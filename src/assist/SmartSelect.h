#pragma once

#include <QString>

namespace orvel {

class TextModel;

// Smart Select: selects the tag the caret stands in or just after, from its "<" through the first
// ">" at or after the character before the caret. Without a "<" before the caret (or with only
// one at the very start of the text) nothing changes. Without a ">" to end it, the caret goes
// before the "<", the user is told, and a ">" is appended to the end of the text (the caret then
// stands at the start, as after any replacement of the whole text).
void smartSelect(TextModel& text);

inline const QString kEndTagAddedMessage = QStringLiteral(
    "Assistant has discovered the absence of the end-tag(>). It has been added at the end. You "
    "may want to remove it later or alter it.");

} // namespace orvel
