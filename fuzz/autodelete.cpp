// Auto Delete at any caret of the string twin, every question answered with its default.
#include "assist/AutoDelete.h"
#include "editor/StringText.h"

#include "FuzzInput.h"
#include "QuietPlatform.h"

using namespace orvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QuietPlatform quiet;
    setPlatform(&quiet);
    const FuzzInput in(data, size);
    StringText text(in.text);
    const int before = text.length(); // line ends of every kind are CR LF now
    text.setSelStart(in.caret);
    autoDelete(text);
    // Smart Select may close an open tag with a ">" first; beyond that Auto Delete only removes.
    FUZZ_CHECK(text.length() <= before + 1);
    FUZZ_CHECK(text.selStart() >= 0 && text.selStart() + text.selLength() <= text.length());
    return 0;
}
