#pragma once

#include <QList>
#include <QString>

namespace orvel {

class TextModel;

// Searching the page. Positions are 0-based model positions (line ends count CR LF) and reach any
// length of page. The page is read in windows through `mid`, so a search that finds its match
// near where it starts reads little of a long page.

// The first occurrence of `what` starting at or after `from`; -1 when there is none.
int findForward(const TextModel& text, const QString& what, int from, Qt::CaseSensitivity cs);

// The last occurrence of `what` that ends at or before `end`; -1 when there is none.
int findBackward(const TextModel& text, const QString& what, int end, Qt::CaseSensitivity cs);

enum class Direction { Down, Up };

// The next match as the search commands keep it: a 1-based position, 0 for none. Down: the first
// match that starts after the 1-based position `last` (0: from the start); Up: the last match
// that ends at or before the caret, whatever `last` is.
int nextMatch(const TextModel& text, const QString& what, Direction direction, int last,
              Qt::CaseSensitivity cs);

// Where Replace All replaces: every occurrence of `what` in `text`, scanning from the start, a
// match never overlapping the one before it. One pass over the text.
QList<int> matchesOf(QStringView text, const QString& what, Qt::CaseSensitivity cs);

} // namespace orvel
