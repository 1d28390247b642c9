// The case conversions, Indent and Tabify on a selection of the string twin: the selection stays
// inside the page whatever the text.
#include "editor/Transforms.h"
#include "editor/StringText.h"

#include "FuzzInput.h"

using namespace orvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    QString (*const conversions[])(const QString&) = {invertedCase, titleCase, sentenceCase,
                                                      indented, tabified};
    for (auto* convert : conversions) {
        StringText text(in.text);
        text.setSelStart(in.caret / 2);
        text.setSelLength(in.caret - in.caret / 2);
        convertSelection(text, convert);
        FUZZ_CHECK(text.selStart() >= 0 && text.selStart() + text.selLength() <= text.length());
    }
    return 0;
}
