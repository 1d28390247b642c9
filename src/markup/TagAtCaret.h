#pragma once

#include <QStringView>
#include <optional>

namespace orvel {

// The tag the caret stands in or just after, as Smart Select finds it: it starts at the last "<"
// before the caret and ends with the first ">" at or after the character just before the caret.
// The ">" is looked for from the caret, not from the "<": with the caret in an element's text the
// span runs on through the next tag after the caret.
struct CaretTag {
    int start = 0;          // index of the "<"
    std::optional<int> end; // index just after the ">"; none when no ">" follows
};

// None when no "<" stands before `caret`, or when the only one is the first character of the text
// (a page that begins with its tag is left alone).
std::optional<CaretTag> tagAtCaret(QStringView text, int caret);

} // namespace orvel
