// Detection, the charset prescan and every codec on arbitrary bytes: decoding then encoding gives
// the bytes back; text written in an encoding reads back as that text.
#include "markup/TextCodec.h"

#include "FuzzInput.h"

using namespace orvel;

namespace {

// The characters of a text less its line ends, stand-ins, the characters a page keeps as stand-ins
// and lone surrogates: what must read back as written.
QString content(QStringView text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode()))
            out.append(text.sliced(i++, 2));
        else if (!QChar::isSurrogate(c) && !isLineBreak(c) && !isRawByte(c) && c != 0xFDD0 &&
                 c != 0xFDD1)
            out.append(QChar(c));
    }
    return out;
}

void checkDeclaration(QByteArrayView bytes)
{
    const CharsetDeclaration d = findCharsetDeclaration(bytes);
    FUZZ_CHECK(d.searchedTo >= 0 && d.searchedTo <= bytes.size());
    if (d.found()) {
        FUZZ_CHECK(d.start + d.length <= bytes.size());
        // The label names the encoding (as the prescan reads UTF-16 and x-user-defined).
        std::optional<Encoding> named = encodingForLabel(bytes.sliced(d.start, d.length));
        if (named == Encoding::Utf16LE || named == Encoding::Utf16BE)
            named = Encoding::Utf8;
        if (named == Encoding::XUserDefined)
            named = Encoding::Windows1252;
        FUZZ_CHECK(named == d.encoding);
    }
    // The text version finds the same in the same bytes read as Latin-1.
    const QString text = QString::fromLatin1(bytes);
    const CharsetDeclaration t = findCharsetDeclaration(QStringView(text));
    FUZZ_CHECK(t.start == d.start && t.length == d.length && t.encoding == d.encoding &&
               t.late == d.late && t.searchedTo == d.searchedTo);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Detection d = detectEncoding(bytes);
    FUZZ_CHECK(d.bomLength >= 0 && d.bomLength <= bytes.size());
    FUZZ_CHECK(d.evidence != Evidence::Declaration || d.declaration.encoding);
    (void)encodingNotice(QStringLiteral("p"), d, 1, {});
    checkDeclaration(bytes);
    for (Encoding e : kEncodings) {
        const Decoded text = decodeText(bytes, e);
        FUZZ_CHECK((text.firstBad >= 0) == (text.badBytes > 0));
        FUZZ_CHECK(text.badBytes <= bytes.size());
        const Encoded back =
            encodeText(text.text, {e, false, text.strayByte}, scanLineEnds(text.text));
        FUZZ_CHECK(back.ok());
        FUZZ_CHECK(back.bytes == bytes);
    }
    // Text of any code units through every encoder: what can be written reads back as itself,
    // and what cannot is named.
    const FuzzInput in(data, size);
    QString typed = in.text; // without stand-ins, which are written as bytes
    typed.removeIf([](QChar c) { return isRawByte(c.unicode()); });
    for (Encoding e : kEncodings) {
        const Encoded enc = encodeText(typed, {e, false}, scanLineEnds(typed));
        if (!enc.ok())
            continue;
        FUZZ_CHECK(content(decodeText(enc.bytes, e).text) == content(typed));
    }
    return 0;
}
