#include "markup/TextCodec.h"

#include "markup/Codecs.h"

#include <QStringDecoder>
#include <array>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvel {

using codec::needsStandIns;
using codec::utf8Sequence;

namespace {

Decoded decodeUtf8(QByteArrayView bytes)
{
    Decoded d;
    // The toolkit's decoder is fast; it is used when the bytes are valid and hold nothing that
    // needs a stand-in, which is nearly always.
    {
        // A byte order mark here is a character of the text (the file's own was cut off before).
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        QString text = utf8(bytes);
        if (!utf8.hasError()) {
            bool clean = true;
            for (const QChar ch : QStringView(text)) {
                const char16_t c = ch.unicode();
                if (c >= 0x2029 && (c == 0x2029 || c == 0xFDD0 || c == 0xFDD1 || isRawByte(c))) {
                    clean = false;
                    break;
                }
            }
            if (clean) {
                d.text = std::move(text);
                return d;
            }
        }
    }
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    d.text = QString(n, Qt::Uninitialized); // never more code units than bytes
    char16_t* out = reinterpret_cast<char16_t*>(d.text.data());
    qsizetype o = 0;
    for (qsizetype i = 0; i < n;) {
        const uchar b = p[i];
        if (b < 0x80) {
            out[o++] = b;
            ++i;
            continue;
        }
        char32_t cp = 0;
        const int len = utf8Sequence(p + i, n - i, cp);
        if (len == 0) {
            if (d.firstBad < 0)
                d.firstBad = o;
            ++d.badBytes;
            out[o++] = char16_t(kRawByteBase + b);
            ++i;
        } else if (needsStandIns(cp)) {
            for (int k = 0; k < len; ++k)
                out[o++] = char16_t(kRawByteBase + p[i + k]);
            i += len;
        } else if (cp >= 0x10000) {
            out[o++] = QChar::highSurrogate(cp);
            out[o++] = QChar::lowSurrogate(cp);
            i += len;
        } else {
            out[o++] = char16_t(cp);
            i += len;
        }
    }
    d.text.truncate(o);
    return d;
}

Decoded decodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    Decoded d;
    const qsizetype units = bytes.size() / 2;
    d.text = QString(2 * units, Qt::Uninitialized); // room for a stand-in per byte
    char16_t* out = reinterpret_cast<char16_t*>(d.text.data());
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    qsizetype o = 0;
    for (qsizetype i = 0; i < units; ++i) {
        const uchar a = p[2 * i], b = p[2 * i + 1];
        const char16_t u = bigEndian ? char16_t(a << 8 | b) : char16_t(b << 8 | a);
        if (needsStandIns(u)) {
            out[o++] = char16_t(kRawByteBase + a);
            out[o++] = char16_t(kRawByteBase + b);
        } else {
            out[o++] = u;
        }
    }
    d.text.truncate(o);
    if (bytes.size() % 2)
        d.strayByte = bytes.back();
    return d;
}

// Counts over the bytes: well-formed multi-byte UTF-8 sequences and bytes that are not UTF-8.
struct Utf8Census {
    qsizetype sequences = 0;
    qsizetype bad = 0;
};

// Walks the bytes past their ASCII runs (eight bytes at a time): `step(length)` for each multi-byte
// sequence, `step(0)` for a byte that is not UTF-8; the walk stops when `step` returns false.
template <class Step> void walkUtf8(QByteArrayView bytes, Step step)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        if (i + 8 <= n) {
            quint64 word;
            std::memcpy(&word, p + i, 8);
            if (!(word & 0x8080808080808080ull)) {
                i += 8;
                continue;
            }
        }
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        char32_t cp = 0;
        const int len = utf8Sequence(p + i, n - i, cp);
        if (!step(len))
            return;
        i += len == 0 ? 1 : len;
    }
}

Utf8Census utf8Census(QByteArrayView bytes)
{
    Utf8Census c;
    walkUtf8(bytes, [&c](int len) {
        ++(len == 0 ? c.bad : c.sequences);
        return true;
    });
    return c;
}

bool isControlByte(uchar b)
{
    return (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != 0x1B) || b == 0x7F;
}

// A UTF-16 text without a byte order mark: ASCII in it has a NUL in every other byte.
std::optional<Encoding> utf16Pattern(QByteArrayView head)
{
    const qsizetype pairs = head.size() / 2;
    if (pairs < 2)
        return std::nullopt;
    qsizetype evenNul = 0, oddNul = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        evenNul += head[2 * i] == 0;
        oddNul += head[2 * i + 1] == 0;
    }
    if (oddNul * 10 >= pairs * 4 && evenNul * 20 <= pairs)
        return Encoding::Utf16LE;
    if (evenNul * 10 >= pairs * 4 && oddNul * 20 <= pairs)
        return Encoding::Utf16BE;
    return std::nullopt;
}

// Valid UTF-8 with at least one non-ASCII character: stops at the first byte that is not.
bool isUtf8Text(QByteArrayView bytes)
{
    bool sequences = false, bad = false;
    walkUtf8(bytes, [&](int len) {
        bad = len == 0;
        sequences = true;
        return !bad;
    });
    return sequences && !bad;
}

Decoded decodeSingleByte(QByteArrayView bytes, Encoding e)
{
    Decoded d;
    if (e == Encoding::Latin1) {
        d.text = QString::fromLatin1(bytes);
        return d;
    }
    // Without a table (ICU lacks it), every byte that is not ASCII is kept as itself.
    const codec::ByteTable* t = codec::byteTable(e);
    std::array<char16_t, 256> asBytes;
    for (int b = 0; b < 256; ++b)
        asBytes[b] = b < 0x80 ? char16_t(b) : char16_t(kRawByteBase + b);
    const char16_t* table = t ? t->toChar.data() : asBytes.data();
    // Exactly the size: a growing resize would ask for more, which the allocator gives as fresh
    // pages every time.
    d.text = QString(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(d.text.data());
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    // Sixteen bytes at a time: ASCII ones (most of a page's markup) only widen.
    for (; i + 16 <= n; i += 16) {
        quint64 w[2];
        std::memcpy(w, p + i, 16);
        if ((w[0] | w[1]) & 0x8080808080808080ull) {
            for (int k = 0; k < 16; ++k)
                out[i + k] = table[p[i + k]];
        } else {
            for (int k = 0; k < 16; ++k)
                out[i + k] = p[i + k];
        }
    }
    for (; i < n; ++i)
        out[i] = table[p[i]];
    if (!t || t->holes)
        for (qsizetype i = 0; i < n; ++i)
            if (isRawByte(out[i]) && d.badBytes++ == 0)
                d.firstBad = i;
    return d;
}

// Fills in the page's declaration.
void readDeclaration(Detection& d, QByteArrayView bytes)
{
    d.declaration = findCharsetDeclaration(bytes);
    if (d.declaration.found())
        d.declaredLabel = bytes.sliced(d.declaration.start, d.declaration.length).toByteArray();
}

bool sameEncoding(Encoding declared, Encoding used)
{
    // A page that calls itself ISO-8859-1 but uses 0x80..0x9F means Windows-1252.
    return declared == used || (declared == Encoding::Latin1 && used == Encoding::Windows1252);
}

} // namespace

QByteArray byteOrderMark(Encoding e)
{
    switch (e) {
    case Encoding::Utf8:
        return QByteArray("\xEF\xBB\xBF");
    case Encoding::Utf16LE:
        return QByteArray("\xFF\xFE");
    case Encoding::Utf16BE:
        return QByteArray("\xFE\xFF");
    default:
        return {};
    }
}

Detection detectEncoding(QByteArrayView bytes)
{
    Detection d;
    for (Encoding e : {Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE}) {
        const QByteArray bom = byteOrderMark(e);
        if (bytes.startsWith(bom)) {
            d.encoding = e;
            d.bomLength = bom.size();
            d.evidence = Evidence::Bom;
            // Browsers follow the mark; a declaration that says otherwise is told about.
            if (e == Encoding::Utf8)
                readDeclaration(d, bytes.sliced(bom.size()));
            return d;
        }
    }
    const QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 4096));
    if (auto e = utf16Pattern(head.first(std::min<qsizetype>(head.size(), 1024)))) {
        d.encoding = *e;
        d.evidence = Evidence::Utf16Pattern;
        return d;
    }
    qsizetype controls = 0;
    for (qsizetype i = 0; i < head.size(); ++i) {
        const uchar b = uchar(head[i]);
        if (b == 0 && i < 1024) {
            controls = head.size();
            break;
        }
        controls += isControlByte(b);
    }
    if (controls * 10 >= head.size() && controls > 0) {
        // Read byte for byte, so that nothing is lost if the user looks anyway.
        d.binary = true;
        d.encoding = Encoding::Windows1252;
        d.evidence = Evidence::Fallback;
        return d;
    }
    readDeclaration(d, bytes);
    const std::optional<Encoding> declared = d.declaration.encoding;
    if (declared && codec::canRead(*declared)) {
        d.evidence = Evidence::Declaration;
        d.encoding = *declared;
        if (*declared == Encoding::Utf8) {
            const Utf8Census c = utf8Census(bytes);
            if (c.bad > 0 && c.sequences < c.bad) {
                d.encoding = Encoding::Windows1252;
                d.evidence = Evidence::Fallback;
            }
        } else if (isUtf8Text(bytes)) {
            // Saved as UTF-8 under an old declaration.
            d.encoding = Encoding::Utf8;
            d.evidence = Evidence::Utf8;
        } else if (*declared == Encoding::Latin1) {
            for (const char c : bytes) {
                if (uchar(c) >= 0x80 && uchar(c) < 0xA0) {
                    d.encoding = Encoding::Windows1252;
                    break;
                }
            }
        }
        return d;
    }
    const Utf8Census c = utf8Census(bytes);
    // A few stray bytes in a page full of UTF-8 do not make it another encoding.
    if (c.bad == 0 || (c.sequences > 0 && c.sequences >= c.bad)) {
        d.encoding = Encoding::Utf8;
        d.evidence = Evidence::Utf8;
        return d;
    }
    d.encoding = Encoding::Windows1252;
    d.evidence = Evidence::Fallback;
    return d;
}

DeclarationTrouble declarationTrouble(const Detection& d)
{
    if (!d.declaration.found() || d.binary)
        return DeclarationTrouble::None;
    if (!d.declaration.encoding)
        return DeclarationTrouble::UnknownLabel;
    if (!codec::canRead(*d.declaration.encoding))
        return DeclarationTrouble::Unreadable;
    return sameEncoding(*d.declaration.encoding, d.encoding) ? DeclarationTrouble::None
                                                             : DeclarationTrouble::Contradicted;
}

QString encodingNotice(const QString& page, const Detection& d, qsizetype badBytes,
                       LineColumn firstBad)
{
    QStringList says;
    const QString label = QString::fromLatin1(d.declaredLabel);
    const QString used = encodingName(d.encoding);
    const QString reloadAs = QStringLiteral(
        " If letters look wrong, choose the right encoding in Format > Encoding > Reload as.");
    switch (declarationTrouble(d)) {
    case DeclarationTrouble::None:
        break;
    case DeclarationTrouble::UnknownLabel:
        says << QStringLiteral("says its encoding is \"%1\", which is not the name of an encoding "
                               "(browsers do not know it either). Orvel reads it as %2.")
                        .arg(label, used) +
                    reloadAs;
        break;
    case DeclarationTrouble::Unreadable:
        says << QStringLiteral("says its encoding is \"%1\", which browsers refuse to read (they "
                               "show such a page as a single \uFFFD). Orvel reads it as %2, so "
                               "that no byte is lost.")
                        .arg(label, used) +
                    reloadAs;
        break;
    case DeclarationTrouble::Contradicted: {
        // The menu path that makes the page and its declaration agree.
        const Encoding fix = d.encoding == Encoding::Utf8 ? d.encoding : *d.declaration.encoding;
        const QString saveAs = QStringLiteral("Format > Encoding > Save as > %1 > %2")
                                   .arg(familyName(encodingFamily(fix)), encodingName(fix));
        if (d.evidence == Evidence::Bom)
            says << QStringLiteral("says its encoding is \"%1\", but it begins with a %2 byte "
                                   "order mark, which browsers follow. Orvel reads it as %2 too. "
                                   "%3 corrects the declaration.")
                        .arg(label, used, saveAs);
        else if (d.encoding == Encoding::Utf8)
            says << QStringLiteral("says its encoding is \"%1\", but its bytes are UTF-8. Orvel "
                                   "reads it as UTF-8; a browser follows the declaration and "
                                   "shows the letters garbled. %2 corrects the declaration.")
                        .arg(label, saveAs);
        else
            says << QStringLiteral("says its encoding is \"%1\", but most of its bytes are not "
                                   "%2. Orvel reads it as %3; a browser follows the declaration "
                                   "and shows \uFFFD for them. %4 writes the page as its "
                                   "declaration says.")
                        .arg(label, encodingName(fix), used, saveAs);
        break;
    }
    }
    if (badBytes > 0)
        says << QStringLiteral("is not all %1: %2 byte(s) could not be read, the first at line %3, "
                               "column %4. They are shown as stand-in characters and saved back "
                               "unchanged unless you edit them.")
                    .arg(used)
                    .arg(badBytes)
                    .arg(firstBad.line + 1)
                    .arg(firstBad.column + 1);
    if (says.isEmpty())
        return {};
    return page + u' ' + says.join(QStringLiteral("\n\nIt "));
}

Decoded decodeText(QByteArrayView bytes, Encoding e)
{
    switch (e) {
    case Encoding::Utf8:
        return decodeUtf8(bytes);
    case Encoding::Utf16LE:
        return decodeUtf16(bytes, false);
    case Encoding::Utf16BE:
        return decodeUtf16(bytes, true);
    case Encoding::Replacement: {
        // As browsers read it: one replacement character for the whole page.
        Decoded d;
        if (!bytes.isEmpty()) {
            d.text = QString(QChar(QChar::ReplacementCharacter));
            d.badBytes = bytes.size();
            d.firstBad = 0;
        }
        return d;
    }
    default:
        return isMultiByte(e) ? codec::decodeMultiByte(bytes, e) : decodeSingleByte(bytes, e);
    }
}

namespace {

// Stand-ins of another encoding: read back into the characters they stand for, which are written
// as characters; the bytes that were no character there cannot be written.
void convertStandIns(QStringView standIns, Encoding from, codec::Writer& w, QString& unencodable)
{
    QByteArray bytes(standIns.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < standIns.size(); ++i)
        bytes[i] = char(standIns[i].unicode() - kRawByteBase);
    const QString chars = codec::decodeMarked(bytes, from);
    const auto* p = reinterpret_cast<const char16_t*>(chars.utf16());
    qsizetype run = 0;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        if (!QChar::isLowSurrogate(p[i]) || (i > 0 && QChar::isHighSurrogate(p[i - 1])))
            continue;
        w.text(p + run, i - run);
        const char16_t standIn = char16_t(kRawByteBase + (p[i] - codec::kMark));
        codec::noteUnencodable(unencodable, QStringView(&standIn, 1));
        run = i + 1;
    }
    w.text(p + run, chars.size() - run);
}

bool isSpecial(char16_t c)
{
    return c <= u'\r' ? (c == u'\r' || c == u'\n') : (c == 0x2029 || isRawByte(c));
}

// A unit the plain runs stop at: a special one, or half of a surrogate pair (the fast writers take
// valid UTF-16 only).
bool endsPlainRun(char16_t c)
{
    return isSpecial(c) || QChar::isSurrogate(c);
}

// Where the run of characters that need no care of their own ends, from `i`: eight units at a
// time (most of a page), else one at a time.
qsizetype plainRunEnd(const char16_t* p, qsizetype i, qsizetype n)
{
    for (;;) {
#if defined(__SSE2__)
        const __m128i flip = _mm_set1_epi16(short(0x8000));
        const __m128i belowCr = _mm_set1_epi16(short(0x0E ^ 0x8000));
        const __m128i paragraph = _mm_set1_epi16(0x2029);
        const __m128i highByte = _mm_set1_epi16(short(0xFF00));
        const __m128i standIns = _mm_set1_epi16(short(0xEF00));
        const __m128i surrogateBits = _mm_set1_epi16(short(0xF800));
        const __m128i surrogates = _mm_set1_epi16(short(0xD800));
        while (i + 8 <= n) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            const __m128i hit = _mm_or_si128(
                _mm_or_si128(_mm_cmplt_epi16(_mm_xor_si128(v, flip), belowCr),
                             _mm_cmpeq_epi16(v, paragraph)),
                _mm_or_si128(_mm_cmpeq_epi16(_mm_and_si128(v, highByte), standIns),
                             _mm_cmpeq_epi16(_mm_and_si128(v, surrogateBits), surrogates)));
            if (_mm_movemask_epi8(hit))
                break;
            i += 8;
        }
#endif
        if (i == n || endsPlainRun(p[i]))
            return i;
        ++i;
    }
}

} // namespace

Encoded encodeText(QStringView text, const EncodeOptions& options, const LineEnds& ends)
{
    Encoded result;
    const Encoding e = options.encoding;
    const Encoding from = options.readIn.value_or(e);
    const qsizetype n = text.size();
    // Room for the usual case; a writer that needs more takes it.
    codec::ByteOut out((isUtf16(e) ? 2 : e == Encoding::Utf8 ? 3 : 2) * n + 8);
    const std::unique_ptr<codec::Writer> w = codec::makeWriter(e, out, result.unencodable);
    if (options.bom)
        for (const char b : byteOrderMark(e))
            w->raw(uchar(b));
    static constexpr char16_t kCrLf[] = u"\r\n";
    const char16_t* p = text.utf16();
    qsizetype line = 0;
    qsizetype cursor = 0;
    for (qsizetype i = 0; i < n;) {
        qsizetype j = plainRunEnd(p, i, n);
        if (j > i)
            w->plain(p + i, j - i);
        if (j == n)
            break;
        if (QChar::isSurrogate(p[j])) {
            const qsizetype pair =
                QChar::isHighSurrogate(p[j]) && j + 1 < n && QChar::isLowSurrogate(p[j + 1]) ? 2
                                                                                             : 1;
            w->text(p + j, pair);
            i = j + pair;
            continue;
        }
        if (isLineBreak(p[j])) {
            if (p[j] == u'\r' && j + 1 < n && p[j + 1] == u'\n')
                ++j;
            const LineEnd end = ends.endOf(line++, cursor);
            w->text(end == LineEnd::Lf ? kCrLf + 1 : kCrLf, end == LineEnd::CrLf ? 2 : 1);
            i = j + 1;
            continue;
        }
        qsizetype k = j;
        while (k < n && isRawByte(p[k]))
            ++k;
        if (from == e) {
            for (qsizetype m = j; m < k; ++m)
                w->raw(uchar(p[m] - kRawByteBase));
        } else {
            convertStandIns(text.sliced(j, k - j), from, *w, result.unencodable);
        }
        i = k;
    }
    if (options.strayByte && isUtf16(e))
        w->raw(uchar(*options.strayByte));
    w->finish();
    result.bytes = out.take();
    return result;
}

} // namespace orvel
