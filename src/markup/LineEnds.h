#pragma once

#include <QList>
#include <QString>
#include <array>

namespace orvel {

// The line ends a page file holds. In memory every line end is one (the model counts it as CR LF);
// these remember which bytes each line had on disk, so a save writes them back.
enum class LineEnd : quint8 { CrLf, Lf, Cr };

// "CR LF", "LF", "CR".
QString lineEndName(LineEnd end);

struct LineEndAt {
    qsizetype line; // 0-based
    LineEnd end;
    friend bool operator==(const LineEndAt&, const LineEndAt&) = default;
};

// How the lines of a text end: one style for most lines, and the lines that end otherwise.
struct LineEnds {
    LineEnd style = LineEnd::CrLf;
    QList<LineEndAt> others; // ascending by line; empty unless the text mixes styles
    std::array<qsizetype, 3> counts{};
    qsizetype lineEnds = 0;
    bool finalLineEnd = false; // the text ends in a line end

    bool mixed() const { return !others.isEmpty(); }
    // The end written after line `line`, walking lines in order: `cursor` indexes `others`.
    LineEnd endOf(qsizetype line, qsizetype& cursor) const
    {
        while (cursor < others.size() && others[cursor].line < line)
            ++cursor;
        if (cursor < others.size() && others[cursor].line == line)
            return others[cursor].end;
        return style;
    }
};

// Splits at CR LF, lone CR and lone LF (one pass). The style is the most common end, CR LF on a
// tie or when there is none; `fallback` when the text has no line end at all.
LineEnds scanLineEnds(QStringView text, LineEnd fallback = LineEnd::CrLf);

// True for the characters that end a line in memory: CR, LF and the document box's own separator
// (U+2029). CR LF is one line end.
inline bool isLineBreak(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == 0x2029;
}

// Every line end (CR LF, CR, LF, U+2029) as CR LF: the model's form of a text.
QString withCrLfEnds(QStringView text);

// 0-based line and column (in UTF-16 code units) of `pos` in `text`, counting any line end as one.
struct LineColumn {
    qsizetype line = 0;
    qsizetype column = 0;
};
LineColumn lineColumnAt(QStringView text, qsizetype pos);

} // namespace orvel
