#pragma once

#include <QString>

namespace orvel {

class TextModel;

// Quick Format: the selection goes into an aligned paragraph with a FONT tag inside, after four
// questions (alignment, colour, face, size). Answers go in exactly as typed; a cancelled question
// gives an empty value and the next one is still asked.
void quickFormat(TextModel& text);

// The wrapper, on one line whatever the selection spans.
QString quickFormatMarkup(const QString& align, const QString& colour, const QString& face,
                          const QString& size, const QString& selected);

} // namespace orvel
