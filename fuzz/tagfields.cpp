// Smart Correct's readers of image, font, rule, mail-link and hyperlink tags, on any tag text.
#include "markup/TagFields.h"

#include "FuzzInput.h"

using namespace orvel;
using namespace orvel::correct;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput in(data, size);
    const QString& tag = in.text;
    for (const Kind k : kinds())
        (void)isKind(k, tag);
    (void)readImage(tag);
    (void)readFont(tag);
    (void)readRule(tag);
    (void)readMail(tag);
    (void)readLink(tag);
    (void)quotedValue(tag, QStringLiteral("src="));
    (void)bareValue(tag, QStringLiteral("size="));
    return 0;
}
