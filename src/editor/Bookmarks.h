#pragma once

#include <QString>
#include <optional>

namespace orvel {

class TextModel;

// Bookmarks are named anchors written into the page.

// The anchor inserted for `name`, exactly as typed (blanks and quotes included).
QString bookmarkAnchor(const QString& name);

struct FoundBookmark {
    bool closed = false; // a "</a>" follows: the rest is filled
    int start = 0;       // the "<" of "<a name=\""
    int end = 0;         // just after the ">" of the "</a>" that follows
    QString anchor;
    QString name;
};

// The first bookmark from the character before `caret` on (from the start when the caret is at
// the start), exact comparison; none when there is no "<a name=\"", not `closed` when no "</a>"
// follows it. Its name is the text between the first and the second double quote of the anchor.
std::optional<FoundBookmark> scanBookmark(const TextModel& text, int caret);

} // namespace orvel
