// The tag at the caret, as Smart Select finds it.
#include "markup/TagAtCaret.h"

#include "FuzzInput.h"

using namespace orvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    const std::optional<CaretTag> tag = tagAtCaret(in.text, in.caret);
    if (tag) {
        FUZZ_CHECK(tag->start >= 0 && tag->start < in.caret);
        FUZZ_CHECK(in.text[tag->start] == u'<');
        FUZZ_CHECK(!tag->end || (*tag->end > tag->start && *tag->end <= in.text.size()));
    }
    return 0;
}
