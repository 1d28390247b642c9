// Encodings and line ends of page files: detection, stand-ins for bytes that are not UTF-8, and
// decode + encode giving back the same bytes.
#include "markup/TextCodec.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

QByteArray roundTrip(const QByteArray& bytes)
{
    const Detection d = detectEncoding(bytes);
    const Decoded text = decodeText(QByteArrayView(bytes).sliced(d.bomLength), d.encoding);
    return encodeText(text.text, {d.encoding, d.bomLength > 0, text.strayByte},
                      scanLineEnds(text.text))
        .bytes;
}

TEST(TextCodec, DetectsByBomDeclarationPatternValidityAndFallback)
{
    const struct {
        QByteArray bytes;
        Encoding encoding;
        Evidence evidence;
        bool binary;
    } rows[] = {
        {"\xEF\xBB\xBFhi", Encoding::Utf8, Evidence::Bom, false},
        {"\xFF\xFEh\0i\0", Encoding::Utf16LE, Evidence::Bom, false},
        {QByteArray("\xFE\xFF\0h\0i", 6), Encoding::Utf16BE, Evidence::Bom, false},
        {QByteArray("<\0p\0>\0h\0i\0", 10), Encoding::Utf16LE, Evidence::Utf16Pattern, false},
        {QByteArray("\0<\0p\0>\0h\0i", 10), Encoding::Utf16BE, Evidence::Utf16Pattern, false},
        {"<meta charset=\"ISO-8859-15\">caf\xc3\xa9", Encoding::Latin9, Evidence::Declaration,
         false},
        {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\xe9",
         Encoding::Latin1, Evidence::Declaration, false},
        // ISO-8859-1 with 0x80..0x9F is read as browsers read it.
        {"<meta charset=latin1>\x93quoted\x94", Encoding::Windows1252, Evidence::Declaration,
         false},
        // Not inside a meta tag: no declaration.
        {"<p>charset=latin1 caf\xc3\xa9</p>", Encoding::Utf8, Evidence::Utf8, false},
        {"plain ascii", Encoding::Utf8, Evidence::Utf8, false},
        {"caf\xc3\xa9 na\xc3\xafve \xff", Encoding::Utf8, Evidence::Utf8, false},
        {"caf\xe9 \x93quoted\x94", Encoding::Windows1252, Evidence::Fallback, false},
        {QByteArray("GIF89a\0\0\x01\x02", 10), Encoding::Windows1252, Evidence::Fallback, true},
        {"\x01\x02\x03\x04text", Encoding::Windows1252, Evidence::Fallback, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.bytes.toStdString());
        const Detection d = detectEncoding(r.bytes);
        EXPECT_EQ(d.encoding, r.encoding);
        EXPECT_EQ(d.evidence, r.evidence);
        EXPECT_EQ(d.binary, r.binary);
    }
}

TEST(TextCodec, BytesThatAreNotUtf8BecomeStandInsAndGoBackUnchanged)
{
    const struct {
        QByteArray bytes;
        QString text;
        qsizetype bad, firstBad;
    } rows[] = {
        {"\xff\xc3\xa9", QString(QChar(0xEFFF)) + QChar(0xE9), 1, 0},
        {"a\xc3\xa9\xc3z", QStringLiteral("a\u00e9") + QChar(0xEFC3) + u'z', 1, 2},
        // A truncated sequence at the end, and an encoded surrogate: each byte a stand-in.
        {"ok\xe2\x82", QStringLiteral("ok") + QChar(0xEFE2) + QChar(0xEF82), 2, 2},
        {"\xed\xa0\x80", QString(QChar(0xEFED)) + QChar(0xEFA0) + QChar(0xEF80), 3, 0},
        // Characters the text box would take for a line break, and real stand-in characters,
        // are kept as their bytes (and are not counted as bad).
        {"a\xe2\x80\xa9z",
         QStringLiteral("a") + QChar(0xEFE2) + QChar(0xEF80) + QChar(0xEFA9) + u'z', 0, -1},
        {"\xee\xbe\x80", QString(QChar(0xEFEE)) + QChar(0xEFBE) + QChar(0xEF80), 0, -1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.bytes.toStdString());
        const Decoded d = decodeText(r.bytes, Encoding::Utf8);
        EXPECT_EQ(d.text, r.text);
        EXPECT_EQ(d.badBytes, r.bad);
        EXPECT_EQ(d.firstBad, r.firstBad);
        EXPECT_EQ(encodeText(d.text, {}, scanLineEnds(d.text)).bytes, r.bytes);
    }
}

// Every encoding by every line-end style, with and without a final line end: the same bytes.
TEST(TextCodec, EveryEncodingAndLineEndComesBackByteForByte)
{
    const QString text = QStringLiteral("<p>caf\u00e9 \u20ac\u201c\u201d\u2013</p>");
    const char* endsOf[] = {"\r\n", "\n", "\r", "mixed"};
    for (Encoding e : kEncodings) {
        for (const char* end : endsOf) {
            for (bool final : {false, true}) {
                QString page;
                const QString lineEnds[] = {QStringLiteral("\n"), QStringLiteral("\r\n"),
                                            QStringLiteral("\r")};
                for (int i = 0; i < 4; ++i) {
                    page += text;
                    if (i < 3 || final)
                        page += qstrcmp(end, "mixed") ? QString::fromLatin1(end) : lineEnds[i % 3];
                }
                // Each single-byte table with characters it holds.
                if (e == Encoding::Latin1)
                    page.replace(QStringLiteral("\u20ac\u201c\u201d\u2013"),
                                 QStringLiteral("\u00fc"));
                if (e == Encoding::Latin9)
                    page.replace(QStringLiteral("\u201c\u201d\u2013"), QStringLiteral("\u0153"));
                SCOPED_TRACE((encodingName(e) + u' ' + QLatin1String(end)).toStdString());
                const Encoded enc = encodeText(page, {e, isUtf16(e)}, scanLineEnds(page));
                ASSERT_TRUE(enc.ok()) << enc.unencodable.toStdString();
                EXPECT_EQ(roundTrip(enc.bytes), enc.bytes);
            }
        }
    }
    EXPECT_EQ(roundTrip(QByteArray()), QByteArray());
    EXPECT_EQ(roundTrip("\xEF\xBB\xBF"), QByteArray("\xEF\xBB\xBF"));
    // A second byte order mark is a character (found by the codec fuzzer: it went missing).
    EXPECT_EQ(roundTrip("\xEF\xBB\xBF\xEF\xBB\xBFx"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx"));
    EXPECT_EQ(roundTrip(QByteArray("\xFF\xFEh\0i\0!", 7)), QByteArray("\xFF\xFEh\0i\0!", 7));
    // UTF-16 with characters the text box cannot hold (found by the codec fuzzer: U+2029 came
    // back as a line end).
    for (const QByteArray& b :
         {QByteArray("\xFF\xFE\x29\x20\x80\xEF", 6), QByteArray("\xFE\xFF\x20\x29\xFD\xD0", 6)})
        EXPECT_EQ(roundTrip(b), b);
}

TEST(TextCodec, Windows1252HighBytesAreTheirCharactersAndUnencodablesAreListed)
{
    const Decoded d = decodeText("\x80\x93\x94\x96\x81", Encoding::Windows1252);
    EXPECT_EQ(d.text, QStringLiteral("\u20ac\u201c\u201d\u2013\u0081"));
    EXPECT_EQ(decodeText("\xa4\xbd", Encoding::Latin9).text, QStringLiteral("\u20ac\u0153"));
    const QString typed = QStringLiteral("a\u6f22b\U0001F600\u6f22\u00e9");
    const Encoded e = encodeText(typed, {Encoding::Windows1252}, scanLineEnds(typed));
    EXPECT_EQ(e.unencodable, QStringLiteral("\u6f22\U0001F600"));
    EXPECT_EQ(encodeText(QStringLiteral("\u20ac"), {Encoding::Latin1}, {}).unencodable,
              QStringLiteral("\u20ac"));
}

TEST(LineEnds, ScanFindsTheStyleAndTheLinesThatDiffer)
{
    const struct {
        const char* text;
        LineEnd style;
        QList<LineEndAt> others;
        bool final;
    } rows[] = {
        {"", LineEnd::CrLf, {}, false},
        {"a\nb\n", LineEnd::Lf, {}, true},
        {"a\rb", LineEnd::Cr, {}, false},
        {"a\r\nb\nc\nd\r", LineEnd::Lf, {{0, LineEnd::CrLf}, {3, LineEnd::Cr}}, true},
        // A tie keeps the first style seen.
        {"a\nb\r\n", LineEnd::Lf, {{1, LineEnd::CrLf}}, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        const LineEnds e = scanLineEnds(QString::fromLatin1(r.text));
        EXPECT_EQ(e.style, r.style);
        EXPECT_EQ(e.others, r.others);
        EXPECT_EQ(e.finalLineEnd, r.final);
    }
    EXPECT_EQ(withCrLfEnds(QStringLiteral("a\rb\nc\u2029d\r\n")),
              QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
    const LineColumn lc = lineColumnAt(QStringLiteral("ab\r\ncd\ref"), 8);
    EXPECT_EQ(lc.line, 2);
    EXPECT_EQ(lc.column, 1);
}

} // namespace
