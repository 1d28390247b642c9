#include "assist/TextSearch.h"

#include "editor/TextModel.h"

#include <algorithm>

namespace orvel {

namespace {

constexpr int kFirstPiece = 512;
constexpr int kLargestPiece = 1 << 20;

} // namespace

int findForward(const TextModel& text, const QString& needle, int from, int until)
{
    const int length = text.length();
    until = std::min(until, length);
    from = std::max(from, 0);
    if (needle.isEmpty())
        return from < until || from == length ? from : -1;
    const int overlap = int(needle.size()) - 1;
    for (int piece = kFirstPiece; from < until; piece = std::min(piece * 2, kLargestPiece)) {
        // A match may start anywhere before `until` and run on past it.
        const int count = std::min(piece, until - from) + overlap;
        const qsizetype at = text.mid(from, count).indexOf(needle);
        if (at >= 0)
            return from + int(at) < until ? from + int(at) : -1;
        from += count - overlap;
    }
    return -1;
}

int findBackward(const TextModel& text, QChar ch, int before)
{
    int end = std::min(before, text.length());
    for (int piece = kFirstPiece; end > 0; piece = std::min(piece * 2, kLargestPiece)) {
        const int start = std::max(end - piece, 0);
        const qsizetype at = text.mid(start, end - start).lastIndexOf(ch);
        if (at >= 0)
            return start + int(at);
        end = start;
    }
    return -1;
}

} // namespace orvel
