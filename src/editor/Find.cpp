#include "editor/Find.h"

#include "editor/TextModel.h"

#include <QStringMatcher>
#include <algorithm>

namespace orvel {

namespace {

// The first window is small (most searches end close to where they start); each next one doubles
// up to a few megabytes, so a search across a long page makes few calls.
constexpr int kFirstWindow = 1 << 16;
constexpr int kLargestWindow = 1 << 22;

int nextWindow(int window)
{
    return std::min(window * 2, kLargestWindow);
}

} // namespace

int findForward(const TextModel& text, const QString& what, int from, Qt::CaseSensitivity cs)
{
    const int n = int(what.size());
    const int length = text.length();
    if (n == 0 || from < 0 || from + n > length)
        return -1;
    const QStringMatcher matcher(what, cs);
    int window = kFirstWindow;
    for (int start = from; start + n <= length; start += window, window = nextWindow(window)) {
        // Every match that starts inside the window lies wholly in what is read.
        const QString part = text.mid(start, window + n - 1);
        const qsizetype at = matcher.indexIn(part);
        if (at >= 0)
            return start + int(at);
    }
    return -1;
}

int findBackward(const TextModel& text, const QString& what, int end, Qt::CaseSensitivity cs)
{
    const int n = int(what.size());
    end = std::min(end, text.length());
    if (n == 0 || end < n)
        return -1;
    int window = kFirstWindow;
    while (true) {
        // Matches that end inside [end - window, end), read with the n - 1 characters before.
        const int start = std::max(0, end - window - (n - 1));
        const QString part = text.mid(start, end - start);
        const qsizetype at = part.lastIndexOf(what, part.size() - n, cs);
        if (at >= 0)
            return start + int(at);
        if (start == 0)
            return -1;
        end = start + n - 1;
        window = nextWindow(window);
    }
}

int nextMatch(const TextModel& text, const QString& what, Direction direction, int last,
              Qt::CaseSensitivity cs)
{
    const int at = direction == Direction::Down ? findForward(text, what, std::max(0, last), cs)
                                                : findBackward(text, what, text.selStart(), cs);
    return at + 1;
}

QList<int> matchesOf(QStringView text, const QString& what, Qt::CaseSensitivity cs)
{
    QList<int> at;
    if (what.isEmpty())
        return at;
    const QStringMatcher matcher(what, cs);
    for (qsizetype i = matcher.indexIn(text, 0); i >= 0; i = matcher.indexIn(text, i + what.size()))
        at << int(i);
    return at;
}

} // namespace orvel
