#pragma once

#include <QString>

namespace orvel {

class TextBox;

// The two-way tag toggle of the bold, italic and underline buttons (also in the font dialog):
// a selection that begins with `open` (exact case) loses its first open.size() characters and its
// last close.size() characters, whatever those are; any other selection is wrapped in the pair.
// With nothing selected nothing happens. A selection too short to hold both tags (just "<B>", or
// "<B>ab") loses only the opening tag.
void toggleTag(TextBox& box, const QString& open, const QString& close);

// The same rule on a string: the replacement for `selected`.
QString toggledText(const QString& selected, const QString& open, const QString& close);

} // namespace orvel
