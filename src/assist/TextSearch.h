#pragma once

#include <QString>
#include <limits>

namespace orvel {

class TextModel;

// Searches of the commands that look for a tag's partner: the text is read through `mid` in
// pieces that grow as the search goes on, so a match near the caret costs little however large
// the page is, and the page is never copied whole. Positions are the model's; -1 when not found.

// The first `needle` (exact case) that starts at or after `from` and before `until`.
int findForward(const TextModel& text, const QString& needle, int from,
                int until = std::numeric_limits<int>::max());
// The last `ch` before `before`.
int findBackward(const TextModel& text, QChar ch, int before);

} // namespace orvel
