#include "editor/Bookmarks.h"

#include "editor/Find.h"
#include "editor/TextModel.h"

#include <algorithm>

namespace orvel {

namespace {
const QString kOpen = QStringLiteral("<a name=\"");
const QString kClose = QStringLiteral("</a>");
} // namespace

QString bookmarkAnchor(const QString& name)
{
    return kOpen + name + QStringLiteral("\">Start from here</a>");
}

std::optional<FoundBookmark> scanBookmark(const TextModel& text, int caret)
{
    const int start = findForward(text, kOpen, std::max(0, caret - 1), Qt::CaseSensitive);
    if (start < 0)
        return std::nullopt;
    const int close = findForward(text, kClose, start, Qt::CaseSensitive);
    FoundBookmark found;
    if (close < 0)
        return found;
    found.closed = true;
    found.start = start;
    found.end = close + int(kClose.size());
    found.anchor = text.mid(start, found.end - start);
    const qsizetype first = found.anchor.indexOf(u'"');
    qsizetype second = found.anchor.indexOf(u'"', first + 1);
    // An anchor without a closing quote is named up to its "</a>".
    if (second < 0)
        second = found.anchor.size() - kClose.size();
    found.name = found.anchor.mid(first + 1, second - first - 1);
    return found;
}

} // namespace orvel
