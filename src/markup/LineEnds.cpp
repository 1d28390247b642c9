#include "markup/LineEnds.h"

namespace orvel {

QString lineEndName(LineEnd end)
{
    switch (end) {
    case LineEnd::Lf:
        return QStringLiteral("LF");
    case LineEnd::Cr:
        return QStringLiteral("CR");
    case LineEnd::CrLf:
        break;
    }
    return QStringLiteral("CR LF");
}

namespace {

// Calls `f(line, end)` for every line end of `text`, in order.
template <class F> void forEachLineEnd(QStringView text, F&& f)
{
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    qsizetype line = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        // Most characters are neither CR nor LF: one comparison each.
        if (c > u'\r')
            continue;
        if (c == u'\n') {
            f(line++, LineEnd::Lf);
        } else if (c == u'\r') {
            if (i + 1 < n && p[i + 1] == u'\n') {
                ++i;
                f(line++, LineEnd::CrLf);
            } else {
                f(line++, LineEnd::Cr);
            }
        }
    }
}

} // namespace

LineEnds scanLineEnds(QStringView text, LineEnd fallback)
{
    LineEnds ends;
    // First pass: counts, and the lines that differ from the first end seen. For a file of one
    // style (nearly every file) that list stays empty and one pass is all.
    bool first = true;
    LineEnd firstEnd = fallback;
    forEachLineEnd(text, [&](qsizetype line, LineEnd end) {
        ++ends.counts[size_t(end)];
        if (first) {
            firstEnd = end;
            first = false;
        } else if (end != firstEnd) {
            ends.others.append({line, end});
        }
    });
    ends.lineEnds = ends.counts[0] + ends.counts[1] + ends.counts[2];
    if (ends.lineEnds == 0) {
        ends.style = fallback;
        return ends;
    }
    const qsizetype last = text.size() - 1;
    ends.finalLineEnd = text[last] == u'\n' || text[last] == u'\r';
    LineEnd style = LineEnd::CrLf;
    for (LineEnd e : {LineEnd::Lf, LineEnd::Cr})
        if (ends.counts[size_t(e)] > ends.counts[size_t(style)])
            style = e;
    if (ends.counts[size_t(style)] == ends.counts[size_t(firstEnd)])
        style = firstEnd; // a tie keeps the first style seen
    ends.style = style;
    if (style != firstEnd) {
        ends.others.clear();
        forEachLineEnd(text, [&](qsizetype line, LineEnd end) {
            if (end != style)
                ends.others.append({line, end});
        });
    }
    return ends;
}

QString withCrLfEnds(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16 + 2);
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if (c > u'\r' && c != 0x2029)
            continue;
        if (!isLineBreak(c))
            continue;
        out.append(text.mid(runStart, i - runStart));
        out.append(u"\r\n");
        if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n')
            ++i;
        runStart = i + 1;
    }
    out.append(text.mid(runStart));
    return out;
}

LineColumn lineColumnAt(QStringView text, qsizetype pos)
{
    LineColumn lc;
    qsizetype lineStart = 0;
    pos = std::clamp<qsizetype>(pos, 0, text.size());
    for (qsizetype i = 0; i < pos; ++i) {
        const char16_t c = text[i].unicode();
        if (!isLineBreak(c))
            continue;
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            if (i + 1 == pos)
                break; // between CR and LF: still on this line
            ++i;
        }
        ++lc.line;
        lineStart = i + 1;
    }
    lc.column = pos - lineStart;
    return lc;
}

} // namespace orvel
