// The FONT tag reader around a caret.
#include "markup/FontMarkup.h"

#include "FuzzInput.h"

using namespace orvel;
using namespace orvel::font;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    const std::optional<int> start = tagStartBefore(in.text, in.caret);
    FUZZ_CHECK(!start || (*start >= 0 && *start <= in.text.size()));
    const std::optional<int> end = tagEndFrom(in.text, start.value_or(in.caret));
    FUZZ_CHECK(!end || (*end >= 0 && *end <= in.text.size()));
    const TagValues values = readFontTag(in.text);
    (void)values;
    for (const char* marker : {"size=", "color=", "face=", "\""})
        (void)cutValue(in.text, QString::fromLatin1(marker));
    (void)isStrayValue(in.text);
    (void)isBareStray(in.text);
    (void)isFontOpening(in.text);
    (void)fontEdit(in.text, in.caret % 2,
                   {QStringLiteral("<font size=1>"), QStringLiteral("</font>")});
    return 0;
}
