#pragma once

#include "markup/Common.h"

#include <QString>

namespace orvel {

// The markup the tag commands insert, as plain functions of what the user selected or typed.

// Text-level markup.
QString wrapIn(const TagPair& tags, const QString& selected);
// The opening on its own line, an empty line, the closing tag starting the third line.
QString emptyBlock(const TagPair& tags);
QString commentMarkup(const QString& text);
QString definitionList(const QString& term, const QString& definition);
QString rectangularBox(const QString& text);

// The two-way tag toggle of the bold, italic and underline buttons (also in the font dialog), as
// the replacement for `selected`: a selection that begins with `open` (exact case) loses its first
// open.size() characters and its last close.size() characters, whatever those are; any other
// selection is wrapped in the pair. A selection too short to hold both tags ("<B>", or "<B>ab")
// loses only the opening tag. The callers leave an empty selection alone.
QString toggledText(const QString& selected, const QString& open, const QString& close);

// The four alignment buttons.
enum class Alignment { Left, Right, Centre, Justify };
TagPair alignmentTags(Alignment a);

// One click of an alignment button: the text it inserts in place of `selected`. A click with a
// selection wraps it and leaves `alignFirst` alone; without one, the clicks alternate between an
// opening with a reminder (alignFirst true -> false) and this button's closing text (false ->
// true), whichever button began the alignment.
QString alignmentStep(Alignment a, const QString& selected, bool& alignFirst);

// Block and structure markup.
QString newParagraph(const QString& selected);
QString listPoint(const QString& text);
QString frameset(const QString& selected);
QString appletTemplate();
QString tableCell();
QString tableHeading();

// What the break commands type.
QString lineBreakKeys(const QString& selected);
QString wordBreakKeys();
QString noBreakKeys(const QString& selected);

// The three picked-file commands.
enum class MediaKind { Sound, Music, Movie };
QString mediaMarkup(MediaKind kind, const QString& file);

// What the mouse-action link types: an anchor whose `event` attribute runs `action`.
QString mouseActionLink(const QString& url, const QString& event, const QString& action,
                        const QString& selected);

} // namespace orvel
