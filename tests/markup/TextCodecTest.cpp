// Encodings and line ends: detection, stand-ins, and decode + encode giving the bytes back.
#include "markup/TextCodec.h"

#include "MarkupTest.h"

#include <QSet>
#include <map>

namespace {

QByteArray roundTrip(const QByteArray& bytes)
{
    const Detection d = detectEncoding(bytes);
    const Decoded text = decodeText(QByteArrayView(bytes).sliced(d.bomLength), d.encoding);
    return encodeText(text.text, {d.encoding, d.bomLength > 0, text.strayByte},
                      scanLineEnds(text.text))
        .bytes;
}

QByteArray write(QStringView text, Encoding e, std::optional<Encoding> readIn = std::nullopt)
{
    const Encoded enc = encodeText(text, {e, false, std::nullopt, readIn}, scanLineEnds(text));
    EXPECT_TRUE(enc.ok()) << enc.unencodable.toStdString();
    return enc.bytes;
}

// Words every encoding of a family holds (ISO-8859-3 has a word of its own).
QString sampleOf(Encoding e)
{
    static const std::map<EncodingFamily, const char*> words = {
        {EncodingFamily::Unicode, "caf\u00e9 \u20ac \u6f22\u5b57 \U0001F600"},
        {EncodingFamily::Western, "caf\u00e9 na\u00efve"},
        {EncodingFamily::CentralEuropean, "Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105"},
        {EncodingFamily::Baltic, "\u0104\u017euolas \u012f\u0161"},
        {EncodingFamily::Cyrillic, "\u041f\u0440\u0438\u0432\u0435\u0442, \u043c\u0438\u0440"},
        {EncodingFamily::Greek, "\u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1"},
        {EncodingFamily::Turkish, "\u0130stanbul \u011f\u015f"},
        {EncodingFamily::Hebrew, "\u05e9\u05dc\u05d5\u05dd"},
        {EncodingFamily::Arabic, "\u0645\u0631\u062d\u0628\u0627"},
        {EncodingFamily::Thai, "\u0e2a\u0e27\u0e31\u0e2a\u0e14\u0e35"},
        {EncodingFamily::Vietnamese, "Vi\u00ea\u0323t"},
        {EncodingFamily::Japanese, "\u65e5\u672c\u8a9e\u306e\u30da\u30fc\u30b8"},
        {EncodingFamily::Chinese, "\u4e2d\u6587\u7db2\u9801"},
        {EncodingFamily::Korean, "\ud55c\uad6d\uc5b4"},
        {EncodingFamily::Other, "\uf7e9t\uf7e9"},
    };
    return q(e == Encoding::Iso8859_3 ? "\u0127ob\u017c" : words.at(encodingFamily(e)));
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
        {"<meta charset=\"ISO-8859-15\">caf\xe9", Encoding::Latin9, Evidence::Declaration, false},
        {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\xe9",
         Encoding::Latin1, Evidence::Declaration, false},
        // ISO-8859-1 with 0x80..0x9F is read as browsers read it.
        {"<meta charset=latin1>\x93quoted\x94", Encoding::Windows1252, Evidence::Declaration,
         false},
        // The bytes contradict the declaration: old label on UTF-8, and false UTF-8.
        {"<meta charset=windows-1251>\xd0\x9f\xd1\x80", Encoding::Utf8, Evidence::Utf8, false},
        {"<meta charset=utf-8>caf\xe9 \x93quoted\x94", Encoding::Windows1252, Evidence::Fallback,
         false},
        {"<meta charset=utf-8>caf\xc3\xa9 \xff", Encoding::Utf8, Evidence::Declaration, false},
        // Declarations that cannot be followed leave the bytes to decide.
        {"<meta charset=x-foo>caf\xe9", Encoding::Windows1252, Evidence::Fallback, false},
        {"<meta charset=iso-2022-kr>caf\xc3\xa9", Encoding::Utf8, Evidence::Utf8, false},
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

// What opening such a page says: what was declared and what is used, in the page's words.
TEST(TextCodec, TheNoticeNamesWhatWasDeclaredAndWhatIsUsed)
{
    const struct {
        QByteArray bytes;
        DeclarationTrouble trouble;
        const char* says; // the notice starts so (nullptr: none)
    } rows[] = {
        {"<meta charset=koi8-r>\xf0\xd2\xc9", DeclarationTrouble::None, nullptr},
        {"<meta charset=latin1>\x93", DeclarationTrouble::None, nullptr},
        {"<meta charset=x-foo>", DeclarationTrouble::UnknownLabel,
         "p.html says its encoding is \"x-foo\", which is not the name of an encoding (browsers "
         "do not know it either). Orvel reads it as UTF-8. If letters look wrong"},
        {"<meta charset=\"HZ-GB-2312\">", DeclarationTrouble::Unreadable,
         "p.html says its encoding is \"HZ-GB-2312\", which browsers refuse to read (they show "
         "such a page as a single \xef\xbf\xbd). Orvel reads it as UTF-8, so that no byte is "
         "lost."},
        {"\xEF\xBB\xBF<meta charset=euc-kr>", DeclarationTrouble::Contradicted,
         "p.html says its encoding is \"euc-kr\", but it begins with a UTF-8 byte order mark"},
        {"<meta charset=utf-8>\xe9t\xe9", DeclarationTrouble::Contradicted,
         "p.html says its encoding is \"utf-8\", but most of its bytes are not UTF-8. Orvel "
         "reads it as Windows-1252;"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.bytes.toStdString());
        const Detection d = detectEncoding(r.bytes);
        EXPECT_EQ(declarationTrouble(d), r.trouble);
        const QString notice = encodingNotice(q("p.html"), d);
        if (r.says) {
            EXPECT_TRUE(notice.startsWith(q(r.says))) << notice.toStdString();
        } else {
            EXPECT_EQ(notice, QString());
        }
    }
    // Bytes that are no characters, after the declaration's trouble.
    const Detection d = detectEncoding("<meta charset=x-foo>");
    EXPECT_TRUE(encodingNotice(q("p.html"), d, 2, {3, 4})
                    .endsWith(q("Reload as.\n\nIt is not all UTF-8: 2 byte(s) could not be read, "
                                "the first at line 4, column 5. They are shown as stand-in "
                                "characters and saved back unchanged unless you edit them.")));
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
        // Line-break characters and real stand-ins are kept as their bytes, not counted bad.
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

// Bytes the web reads as no character, or that would be written otherwise, are stand-ins.
TEST(TextCodec, LegacyBytesThatAreNoCharacterOrWouldChangeAreStandIns)
{
    auto s = [](uchar b) { return QString(QChar(char16_t(kRawByteBase + b))); };
    const struct {
        Encoding encoding;
        QByteArray bytes;
        QString text;
        qsizetype bad;
    } rows[] = {
        // A bad lead byte; an ASCII byte after it is read as itself.
        {Encoding::ShiftJis, "\x82\xa0\x81 \xff", q("\u3042") + s(0x81) + u' ' + s(0xFF), 2},
        // ED 40 and FA 5C both read as U+7E8A, which is written FA 5C.
        {Encoding::ShiftJis, "\xed\x40\xfa\x5c", s(0xED) + s(0x40) + q("\u7e8a"), 2},
        {Encoding::ShiftJis, "\x80\xf0\x40", q("\u0080\ue000"), 0},
        // 0x80 is the euro sign in GBK, which gb18030 writes A2 E3.
        {Encoding::Gbk, "\x80\xa2\xe3", q("\u20ac") + s(0xA2) + s(0xE3), 2},
        {Encoding::Gb18030, "\x80\xa2\xe3\x81\x30\x81\x30", s(0x80) + q("\u20ac\u0080"), 1},
        // Big5's user-defined area and HKSCS's private-use mappings are errors on the web.
        {Encoding::Big5, "\xa4\x40\x81\x40", q("\u4e00") + s(0x81) + s(0x40), 2},
        {Encoding::EucKr, "\xb0\xa1\xc9\xa1\xff", q("\uac00") + s(0xC9) + s(0xA1) + s(0xFF), 3},
        {Encoding::EucJp, "\xa4\xa2\x8f\xb0\xa1\x80", q("\u3042\u4e02") + s(0x80), 1},
        // Bytes a single-byte encoding leaves undefined, as the web's tables have them.
        {Encoding::Windows874, "\xa1\xdb", q("\u0e01") + s(0xDB), 1},
        {Encoding::Windows1255, "\xca\xe0", q("\u05ba\u05d0"), 0},
        {Encoding::Koi8U, "\xae\xbe", q("\u045e\u040e"), 0},
        {Encoding::Windows1253, "\xaa\xc1", s(0xAA) + q("\u0391"), 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(encodingName(r.encoding).toStdString() + ' ' + r.bytes.toHex().toStdString());
        const Decoded d = decodeText(r.bytes, r.encoding);
        EXPECT_EQ(d.text, r.text);
        EXPECT_EQ(d.badBytes, r.bad);
        EXPECT_EQ(write(d.text, r.encoding), r.bytes);
    }
}

TEST(TextCodec, APageOfEveryEncodingComesBackByteForByteAndWithOneEdit)
{
    for (const Encoding e : kEncodings) {
        SCOPED_TRACE(encodingName(e).toStdString());
        const QString word = sampleOf(e);
        const QString head = q("<html><head><meta charset=\"") +
                             QString::fromLatin1(encodingInfo(e).label) + q("\">");
        const QString page =
            head + q("<title>") + word + q("</title></head>\r\n<body>") + word + q("</body>\n");
        const Encoded enc = encodeText(page, {e, isUtf16(e)}, scanLineEnds(page));
        ASSERT_TRUE(enc.ok()) << enc.unencodable.toStdString();
        // The web reads an x-user-defined declaration as Windows-1252.
        const Detection d = detectEncoding(enc.bytes);
        ASSERT_EQ(d.encoding, e == Encoding::XUserDefined ? Encoding::Windows1252 : e);
        const Decoded read = decodeText(QByteArrayView(enc.bytes).sliced(d.bomLength), e);
        EXPECT_EQ(read.text, page);
        EXPECT_EQ(read.badBytes, 0);
        EXPECT_EQ(roundTrip(enc.bytes), enc.bytes);
        // The typed character goes in at the start of the body.
        const qsizetype at = page.indexOf(q("<body>")) + 6;
        const QString typed = word.left(1);
        QString edited = read.text;
        edited.insert(at, typed);
        const QByteArray bytes = encodeText(edited, {e}, scanLineEnds(edited)).bytes;
        EXPECT_EQ(decodeText(bytes, e).text, edited);
        if (e != Encoding::Iso2022Jp) { // which switches character sets once for the run
            EXPECT_EQ(bytes, write(QStringView(page).left(at), e) + write(typed, e) +
                                 write(QStringView(page).sliced(at), e));
        }
    }
}

TEST(TextCodec, EveryByteSequenceOfEveryEncodingComesBack)
{
    QByteArray all;
    for (int a = 0; a < 256; ++a)
        for (int b = 0x30; b < 256; b += (a < 0x80 ? 64 : 1))
            all += char(a), all += char(b), all += ' ';
    for (int a = 0xA1; a < 0xFF; a += 3)
        for (int b = 0xA1; b < 0xFF; ++b)
            all += '\x8f', all += char(a), all += char(b), all += ' ';
    for (const Encoding e : kEncodings) {
        SCOPED_TRACE(encodingName(e).toStdString());
        const Decoded d = decodeText(all, e);
        const Encoded back = encodeText(d.text, {e, false, d.strayByte}, scanLineEnds(d.text));
        EXPECT_TRUE(back.ok()) << back.unencodable.toStdString();
        EXPECT_EQ(back.bytes, all);
    }
    // ISO-2022-JP: switches as other encoders write them.
    for (const QByteArray& b :
         {QByteArray("\x1b$B$*\x1b(B\n\x1b(J\\~\x1b(B\r\n\x1b$@$\"\n\x1b$B$\"\n\x1b(B!\x1b$C"),
          QByteArray("\x1b(I\x4a\x1b(B"), QByteArray("\x1b$B")})
        EXPECT_EQ(write(decodeText(b, Encoding::Iso2022Jp).text, Encoding::Iso2022Jp), b);
}

TEST(TextCodec, EveryLineEndComesBackByteForByte)
{
    const QString lineEnds[] = {q("\n"), q("\r\n"), q("\r")};
    for (Encoding e : {Encoding::ShiftJis, Encoding::Iso2022Jp, Encoding::Gb18030}) {
        for (const char* end : {"\r\n", "\n", "\r", "mixed"}) {
            for (bool final : {false, true}) {
                QString page;
                for (int i = 0; i < 4; ++i) {
                    page += q("<p>") + sampleOf(e) + q("</p>");
                    if (i < 3 || final)
                        page += qstrcmp(end, "mixed") ? QString::fromLatin1(end) : lineEnds[i % 3];
                }
                SCOPED_TRACE((encodingName(e) + u' ' + QLatin1String(end)).toStdString());
                const QByteArray bytes = write(page, e);
                const Decoded d = decodeText(bytes, e);
                EXPECT_EQ(d.text, page);
                EXPECT_EQ(write(d.text, e), bytes);
            }
        }
    }
    EXPECT_EQ(roundTrip(QByteArray()), QByteArray());
    EXPECT_EQ(roundTrip("\xEF\xBB\xBF"), QByteArray("\xEF\xBB\xBF"));
    // A second byte order mark is a character (found by the codec fuzzer: it went missing).
    EXPECT_EQ(roundTrip("\xEF\xBB\xBF\xEF\xBB\xBFx"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx"));
    EXPECT_EQ(roundTrip(QByteArray("\xFF\xFEh\0i\0!", 7)), QByteArray("\xFF\xFEh\0i\0!", 7));
    // UTF-16 with U+2029 (found by the codec fuzzer: it came back as a line end).
    for (const QByteArray& b :
         {QByteArray("\xFF\xFE\x29\x20\x80\xEF", 6), QByteArray("\xFE\xFF\x20\x29\xFD\xD0", 6)})
        EXPECT_EQ(roundTrip(b), b);
}

// Converting: character stand-ins become characters; stray bytes are named, never written.
TEST(TextCodec, ConvertingKeepsEveryCharacterAndNamesStrayBytes)
{
    const QChar sFF(0xEFFF);
    const struct {
        QByteArray bytes;
        Encoding from, to;
        QByteArray written; // when everything could be written
        QString unencodable;
    } rows[] = {
        // U+2029 and a private-use character of the stand-ins' range, read as stand-ins.
        {"a\xee\xbd\x81z", Encoding::Utf8, Encoding::Utf16BE, QByteArray("\0a\xef\x41\0z", 6), {}},
        {"\xe2\x80\xa9", Encoding::Utf8, Encoding::Gb18030, "\x81\x36\xa6\x36", {}},
        // Bytes that were read as stand-ins because writing them would change them.
        {"\xed\x40", Encoding::ShiftJis, Encoding::Utf8, "\xe7\xba\x8a", {}},
        {"\xed\x40", Encoding::ShiftJis, Encoding::EucJp, "\xf9\xa1", {}},
        // Stray bytes are named (and nothing shifts after them).
        {"a\xffz", Encoding::Utf8, Encoding::Windows1252, {}, QString(sFF)},
        {"\xdb\xa1", Encoding::Windows874, Encoding::Utf8, {}, QString(QChar(0xEFDB))},
        {"\x81 ", Encoding::ShiftJis, Encoding::Gbk, {}, QString(QChar(0xEF81))},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.bytes.toHex().toStdString());
        const Decoded d = decodeText(r.bytes, r.from);
        const Encoded enc = encodeText(d.text, {r.to, false, std::nullopt, r.from}, {});
        EXPECT_EQ(enc.unencodable, r.unencodable);
        if (r.unencodable.isEmpty()) {
            EXPECT_EQ(enc.bytes, r.written);
        }
        // Back in the encoding they were read in, they are the bytes again.
        EXPECT_EQ(write(d.text, r.from, r.from), r.bytes);
    }
}

TEST(TextCodec, Windows1252HighBytesAreTheirCharactersAndUnencodablesAreListed)
{
    const Decoded d = decodeText("\x80\x93\x94\x96\x81", Encoding::Windows1252);
    EXPECT_EQ(d.text, QStringLiteral("\u20ac\u201c\u201d\u2013\u0081"));
    EXPECT_EQ(decodeText("\xa4\xbd", Encoding::Latin9).text, QStringLiteral("\u20ac\u0153"));
    const QString typed = QStringLiteral("a\u6f22b\U0001F600\u6f22\u00e9");
    EXPECT_EQ(encodeText(typed, {Encoding::EucKr}, scanLineEnds(typed)).unencodable,
              QStringLiteral("\U0001F600\u00e9"));
    EXPECT_EQ(encodeText(QStringLiteral("\u20ac"), {Encoding::Latin1}, {}).unencodable,
              QStringLiteral("\u20ac"));
}

TEST(TextCodec, Utf8RunsAgreeWithTheToolkitAroundEveryStep)
{
    const QString specials[] = {QStringLiteral("\u00e9"), QStringLiteral("\u20ac"),
                                QStringLiteral("\U0001F600"), QStringLiteral("\r\n")};
    for (const QString& special : specials) {
        for (int at = 0; at <= 20; ++at) {
            QString text = QStringLiteral("abcdefghijklmnopqrstuvwx");
            text.insert(at, special);
            const Encoded enc = encodeText(text, {Encoding::Utf8}, scanLineEnds(text));
            EXPECT_TRUE(enc.ok());
            EXPECT_EQ(enc.bytes, text.toUtf8()) << at;
        }
    }
    for (const char16_t lone : {char16_t(0xD83D), char16_t(0xDE00)}) {
        for (int at = 0; at <= 17; ++at) {
            QString text(17, u'x');
            text.insert(at, QChar(lone));
            const Encoded enc = encodeText(text, {Encoding::Utf8}, {});
            EXPECT_EQ(enc.unencodable, QString(QChar(lone))) << at;
            EXPECT_EQ(enc.bytes, QByteArray(17, 'x')) << at;
        }
    }
}

TEST(Encodings, LabelsAndFamiliesAsTheWebHasThem)
{
    const struct {
        const char* label;
        std::optional<Encoding> encoding;
    } rows[] = {{" Shift_JIS\t", Encoding::ShiftJis},
                {"ASCII", Encoding::Latin1},
                {"iso-8859-9", Encoding::Windows1254},
                {"hz-gb-2312", Encoding::Replacement},
                {"utf-7", std::nullopt},
                {"shift jis", std::nullopt}};
    for (const auto& r : rows)
        EXPECT_EQ(encodingForLabel(QByteArrayView(r.label)), r.encoding) << r.label;
    QSet<QString> keys;
    EncodingFamily last = EncodingFamily::Unicode;
    for (const Encoding e : kEncodings) {
        const EncodingInfo& info = encodingInfo(e);
        EXPECT_FALSE(keys.contains(QString::fromLatin1(info.key))) << info.key;
        keys.insert(QString::fromLatin1(info.key));
        EXPECT_GE(int(info.family), int(last)) << info.name; // a family's encodings together
        last = info.family;
        EXPECT_EQ(encodingForLabel(QByteArrayView(info.label)), e) << info.label;
    }
    EXPECT_EQ(keys.size(), qsizetype(Encoding::Replacement)); // every one but Replacement
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
