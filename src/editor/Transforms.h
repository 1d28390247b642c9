#pragma once

#include <QString>

namespace orvel {

class TextModel;

// The text transforms of the Edit and Format menus, as plain functions of the selected text.
// Lower and upper case use the full case mapping; the letter-by-letter rules touch A-Z and a-z
// only.

// A-Z and a-z swapped, everything else kept.
QString invertedCase(const QString& t);
// Lower case throughout, then a capital for every ASCII letter after a blank and for the first
// character. Only the blank separates words: after a TAB, a line end or ">" the letter stays small.
QString titleCase(const QString& t);
// A capital for every a-z directly after "." or after ". "; nothing else changes, the first
// letter of the text included.
QString sentenceCase(const QString& t);
// The text between "<blockquote><P>" and "</P></blockquote>".
QString indented(const QString& t);
// Seven blanks in front of the text and after every CR LF in it.
QString tabified(const QString& t);

// Replaces the selection of `text` with `convert` of it and selects the converted text again
// (its own length: a capital "SS" for a small sharp s is longer than the original).
void convertSelection(TextModel& text, QString (*convert)(const QString&));

} // namespace orvel
