// The line-end splitter: counts, the lines that differ, CR LF form, line and column.
#include "markup/LineEnds.h"

#include "FuzzInput.h"

using namespace orvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    const LineEnds ends = scanLineEnds(in.text);
    FUZZ_CHECK(ends.lineEnds == ends.counts[0] + ends.counts[1] + ends.counts[2]);
    FUZZ_CHECK(ends.others.size() <= ends.lineEnds);
    for (qsizetype i = 1; i < ends.others.size(); ++i)
        FUZZ_CHECK(ends.others[i - 1].line < ends.others[i].line);
    for (const LineEndAt& at : ends.others)
        FUZZ_CHECK(at.end != ends.style && at.line < ends.lineEnds);
    const QString crlf = withCrLfEnds(in.text);
    const LineEnds again = scanLineEnds(crlf);
    FUZZ_CHECK(again.others.isEmpty());
    FUZZ_CHECK(again.lineEnds == 0 || again.style == LineEnd::CrLf);
    FUZZ_CHECK(withCrLfEnds(crlf) == crlf);
    const LineColumn lc = lineColumnAt(in.text, in.caret);
    FUZZ_CHECK(lc.line <= ends.lineEnds + in.text.count(QChar(0x2029)));
    FUZZ_CHECK(lc.column >= 0 && lc.column <= in.caret);
    return 0;
}
