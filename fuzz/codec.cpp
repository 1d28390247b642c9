// Detection and every codec on arbitrary bytes: decoding then encoding gives the bytes back.
#include "markup/TextCodec.h"

#include "FuzzInput.h"

using namespace orvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Detection d = detectEncoding(bytes);
    FUZZ_CHECK(d.bomLength >= 0 && d.bomLength <= bytes.size());
    for (Encoding e : kEncodings) {
        const Decoded text = decodeText(bytes, e);
        FUZZ_CHECK(text.badBytes == 0 || e == Encoding::Utf8);
        FUZZ_CHECK((text.firstBad >= 0) == (text.badBytes > 0));
        const Encoded back =
            encodeText(text.text, {e, false, text.strayByte}, scanLineEnds(text.text));
        FUZZ_CHECK(back.ok());
        FUZZ_CHECK(back.bytes == bytes);
    }
    const CharsetDeclaration decl = findCharsetDeclaration(bytes);
    FUZZ_CHECK(!decl.found() || decl.start + decl.length <= bytes.size());
    // Text of any code units through every encoder: the unencodable ones are listed, the rest
    // decodes to what went in.
    const FuzzInput in(data, size);
    for (Encoding e : kEncodings) {
        const Encoded enc = encodeText(in.text, {e, true}, scanLineEnds(in.text));
        if (!enc.ok() || e != Encoding::Utf8)
            continue;
        const Decoded again = decodeText(QByteArrayView(enc.bytes).sliced(3), e);
        FUZZ_CHECK(withCrLfEnds(again.text).size() >= 0);
    }
    return 0;
}
