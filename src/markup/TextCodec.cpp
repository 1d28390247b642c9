#include "markup/TextCodec.h"

#include <QStringDecoder>
#include <array>
#include <cstring>

namespace orvel {

QString encodingName(Encoding e)
{
    switch (e) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Utf16LE:
        return QStringLiteral("UTF-16LE");
    case Encoding::Utf16BE:
        return QStringLiteral("UTF-16BE");
    case Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case Encoding::Latin1:
        return QStringLiteral("ISO-8859-1");
    case Encoding::Latin9:
        return QStringLiteral("ISO-8859-15");
    }
    return {};
}

bool isUtf16(Encoding e)
{
    return e == Encoding::Utf16LE || e == Encoding::Utf16BE;
}

std::optional<Encoding> encodingForLabel(QByteArrayView label)
{
    const QByteArray l = label.trimmed().toByteArray().toLower();
    static const struct {
        const char* label;
        Encoding encoding;
    } labels[] = {
        {"utf-8", Encoding::Utf8},
        {"utf8", Encoding::Utf8},
        {"unicode-1-1-utf-8", Encoding::Utf8},
        {"windows-1252", Encoding::Windows1252},
        {"cp1252", Encoding::Windows1252},
        {"x-cp1252", Encoding::Windows1252},
        {"iso-8859-1", Encoding::Latin1},
        {"iso8859-1", Encoding::Latin1},
        {"iso_8859-1", Encoding::Latin1},
        {"latin1", Encoding::Latin1},
        {"l1", Encoding::Latin1},
        {"us-ascii", Encoding::Latin1},
        {"ascii", Encoding::Latin1},
        {"iso-8859-15", Encoding::Latin9},
        {"iso8859-15", Encoding::Latin9},
        {"iso_8859-15", Encoding::Latin9},
        {"latin9", Encoding::Latin9},
        {"latin-9", Encoding::Latin9},
        {"l9", Encoding::Latin9},
        {"utf-16le", Encoding::Utf16LE},
        {"utf-16", Encoding::Utf16LE},
        {"utf-16be", Encoding::Utf16BE},
    };
    for (const auto& row : labels)
        if (l == row.label)
            return row.encoding;
    return std::nullopt;
}

namespace {

// Windows-1252 at 0x80..0x9F. The five bytes it leaves undefined read as the C1 controls of the
// same value, so every byte has a character and comes back unchanged.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// ISO-8859-15: Latin-1 but for eight bytes.
constexpr struct {
    quint8 byte;
    char16_t ch;
} kLatin9Changes[] = {{0xA4, 0x20AC}, {0xA6, 0x0160}, {0xA8, 0x0161}, {0xB4, 0x017D},
                      {0xB8, 0x017E}, {0xBC, 0x0152}, {0xBD, 0x0153}, {0xBE, 0x0178}};

struct SingleByteTable {
    std::array<char16_t, 256> toChar{};
    // Characters outside the table's first 256 that it holds, with their bytes.
    std::array<std::pair<char16_t, quint8>, 32> extra{};
    int extraCount = 0;

    explicit SingleByteTable(Encoding e)
    {
        for (int b = 0; b < 256; ++b)
            toChar[b] = char16_t(b);
        if (e == Encoding::Windows1252) {
            for (int b = 0x80; b < 0xA0; ++b)
                toChar[b] = kCp1252High[b - 0x80];
        } else if (e == Encoding::Latin9) {
            for (const auto& c : kLatin9Changes)
                toChar[c.byte] = c.ch;
        }
        for (int b = 0; b < 256; ++b)
            if (toChar[b] >= 0x100)
                extra[extraCount++] = {toChar[b], quint8(b)};
    }

    // The byte for `c`, or -1.
    int byteOf(char16_t c) const
    {
        if (c < 0x100 && toChar[c] == c)
            return c;
        for (int i = 0; i < extraCount; ++i)
            if (extra[i].first == c)
                return extra[i].second;
        return -1;
    }
};

const SingleByteTable& tableOf(Encoding e)
{
    static const SingleByteTable cp1252(Encoding::Windows1252);
    static const SingleByteTable latin1(Encoding::Latin1);
    static const SingleByteTable latin9(Encoding::Latin9);
    return e == Encoding::Windows1252 ? cp1252 : e == Encoding::Latin9 ? latin9 : latin1;
}

// Characters the document box takes for a line break or a frame, or that are our own stand-ins:
// a UTF-8 page keeps their bytes as stand-ins rather than the characters.
bool needsStandIns(char32_t cp)
{
    return (cp >= 0xEF00 && cp <= 0xEFFF) || cp == 0x2029 || cp == 0xFDD0 || cp == 0xFDD1;
}

// Length of the well-formed UTF-8 sequence at `p` (n bytes left), or 0. Sets `cp`.
int utf8Sequence(const uchar* p, qsizetype n, char32_t& cp)
{
    const uchar b = p[0];
    auto cont = [&](int i, uchar lo = 0x80, uchar hi = 0xBF) {
        return i < n && p[i] >= lo && p[i] <= hi;
    };
    if (b >= 0xC2 && b <= 0xDF) {
        if (!cont(1))
            return 0;
        cp = char32_t(b & 0x1F) << 6 | (p[1] & 0x3F);
        return 2;
    }
    if (b >= 0xE0 && b <= 0xEF) {
        const uchar lo = b == 0xE0 ? 0xA0 : 0x80;
        const uchar hi = b == 0xED ? 0x9F : 0xBF;
        if (!cont(1, lo, hi) || !cont(2))
            return 0;
        cp = char32_t(b & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        const uchar lo = b == 0xF0 ? 0x90 : 0x80;
        const uchar hi = b == 0xF4 ? 0x8F : 0xBF;
        if (!cont(1, lo, hi) || !cont(2) || !cont(3))
            return 0;
        cp = char32_t(b & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 | char32_t(p[2] & 0x3F) << 6 |
             (p[3] & 0x3F);
        return 4;
    }
    return 0;
}

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
    d.text.resize(n); // never more code units than bytes
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
    d.text.resize(2 * units); // room for a stand-in per byte
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

Decoded decodeSingleByte(QByteArrayView bytes, Encoding e)
{
    Decoded d;
    if (e == Encoding::Latin1) {
        d.text = QString::fromLatin1(bytes);
        return d;
    }
    const SingleByteTable& t = tableOf(e);
    d.text.resize(bytes.size());
    char16_t* out = reinterpret_cast<char16_t*>(d.text.data());
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = t.toChar[p[i]];
    return d;
}

template <class Char> Char lower(Char c)
{
    return c >= 'A' && c <= 'Z' ? Char(c + ('a' - 'A')) : c;
}

template <class Char> bool startsWithLower(const Char* p, qsizetype n, const char* word)
{
    for (qsizetype i = 0; word[i]; ++i)
        if (i >= n || lower(p[i]) != Char(word[i]))
            return false;
    return true;
}

template <class Char> CharsetDeclaration findDeclaration(const Char* p, qsizetype n)
{
    CharsetDeclaration found;
    qsizetype tagStart = -1; // the '<' of the tag we are in, or -1
    for (qsizetype i = 0; i < n; ++i) {
        const Char c = p[i];
        if (c == '<') {
            tagStart = i;
            continue;
        }
        if (c == '>') {
            tagStart = -1;
            continue;
        }
        if (tagStart < 0 || lower(c) != 'c' || !startsWithLower(p + i, n - i, "charset"))
            continue;
        if (!startsWithLower(p + tagStart + 1, n - tagStart - 1, "meta"))
            continue;
        qsizetype j = i + 7;
        while (j < n && (p[j] == ' ' || p[j] == '\t'))
            ++j;
        if (j >= n || p[j] != '=')
            continue;
        ++j;
        while (j < n && (p[j] == ' ' || p[j] == '\t' || p[j] == '"' || p[j] == '\''))
            ++j;
        qsizetype k = j;
        while (k < n && ((p[k] >= 'a' && p[k] <= 'z') || (p[k] >= 'A' && p[k] <= 'Z') ||
                         (p[k] >= '0' && p[k] <= '9') || p[k] == '-' || p[k] == '_' ||
                         p[k] == '.' || p[k] == ':'))
            ++k;
        if (k > j) {
            found.start = j;
            found.length = k - j;
            return found;
        }
    }
    return found;
}

// Counts over the bytes: well-formed multi-byte UTF-8 sequences and bytes that are not UTF-8.
struct Utf8Census {
    qsizetype sequences = 0;
    qsizetype bad = 0;
};

Utf8Census utf8Census(QByteArrayView bytes)
{
    Utf8Census c;
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        // Eight ASCII bytes at a time.
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
        if (len == 0) {
            ++c.bad;
            ++i;
        } else {
            ++c.sequences;
            i += len;
        }
    }
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

} // namespace

CharsetDeclaration findCharsetDeclaration(QByteArrayView head, qsizetype limit)
{
    return findDeclaration(reinterpret_cast<const uchar*>(head.data()),
                           std::min(head.size(), limit));
}

CharsetDeclaration findCharsetDeclaration(QStringView head, qsizetype limit)
{
    return findDeclaration(head.utf16(), std::min(head.size(), limit));
}

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
    const CharsetDeclaration decl = findCharsetDeclaration(head);
    if (decl.found()) {
        std::optional<Encoding> e = encodingForLabel(head.sliced(decl.start, decl.length));
        if (e && !isUtf16(*e)) {
            // A page that calls itself ISO-8859-1 but uses 0x80..0x9F means Windows-1252, as
            // browsers read it.
            if (*e == Encoding::Latin1) {
                for (const char c : bytes) {
                    if (uchar(c) >= 0x80 && uchar(c) < 0xA0) {
                        e = Encoding::Windows1252;
                        break;
                    }
                }
            }
            d.encoding = *e;
            d.evidence = Evidence::Declaration;
            return d;
        }
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

Decoded decodeText(QByteArrayView bytes, Encoding e)
{
    switch (e) {
    case Encoding::Utf8:
        return decodeUtf8(bytes);
    case Encoding::Utf16LE:
        return decodeUtf16(bytes, false);
    case Encoding::Utf16BE:
        return decodeUtf16(bytes, true);
    default:
        return decodeSingleByte(bytes, e);
    }
}

namespace {

void noteUnencodable(QString& list, QStringView ch)
{
    constexpr qsizetype kMaxListed = 40;
    if (list.size() < kMaxListed && !list.contains(ch))
        list.append(ch);
}

} // namespace

Encoded encodeText(QStringView text, const EncodeOptions& options, const LineEnds& ends)
{
    Encoded result;
    const Encoding e = options.encoding;
    const qsizetype n = text.size();
    const bool wide = isUtf16(e);
    const bool bigEndian = e == Encoding::Utf16BE;
    // Room for the worst case: 3 bytes per UTF-8 unit, 4 per UTF-16 unit (a one-unit line end
    // written as CR LF), 2 per single-byte unit.
    const qsizetype room = (wide ? 4 : e == Encoding::Utf8 ? 3 : 2) * n + 8;
    QByteArray& out = result.bytes;
    out.resize(room);
    auto* o = reinterpret_cast<uchar*>(out.data());
    qsizetype w = 0;
    auto unit = [&](char16_t u) {
        if (bigEndian) {
            o[w++] = uchar(u >> 8);
            o[w++] = uchar(u);
        } else {
            o[w++] = uchar(u);
            o[w++] = uchar(u >> 8);
        }
    };
    auto ascii = [&](char c) {
        if (wide)
            unit(char16_t(c));
        else
            o[w++] = uchar(c);
    };
    if (options.bom) {
        const QByteArray bom = byteOrderMark(e);
        std::memcpy(o, bom.constData(), size_t(bom.size()));
        w += bom.size();
    }
    const SingleByteTable* table = (e == Encoding::Utf8 || wide) ? nullptr : &tableOf(e);
    const char16_t* p = text.utf16();
    qsizetype line = 0;
    qsizetype cursor = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if (c < 0x80 && c > u'\r') {
            ascii(char(c));
            continue;
        }
        if (isLineBreak(c)) {
            if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n')
                ++i;
            const LineEnd end = ends.endOf(line++, cursor);
            if (end != LineEnd::Lf)
                ascii('\r');
            if (end != LineEnd::Cr)
                ascii('\n');
            continue;
        }
        if (wide) {
            if (isRawByte(c))
                o[w++] = uchar(c - kRawByteBase);
            else
                unit(c);
            continue;
        }
        if (table) {
            const int b = table->byteOf(c);
            if (b >= 0) {
                o[w++] = uchar(b);
            } else {
                const bool pair =
                    QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1]);
                noteUnencodable(result.unencodable, text.sliced(i, pair ? 2 : 1));
                i += pair;
            }
            continue;
        }
        // UTF-8.
        if (c < 0x80) {
            o[w++] = uchar(c);
        } else if (c < 0x800) {
            o[w++] = uchar(0xC0 | (c >> 6));
            o[w++] = uchar(0x80 | (c & 0x3F));
        } else if (isRawByte(c)) {
            o[w++] = uchar(c - kRawByteBase);
        } else if (QChar::isSurrogate(c)) {
            if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
                const char32_t cp = QChar::surrogateToUcs4(c, p[i + 1]);
                ++i;
                o[w++] = uchar(0xF0 | (cp >> 18));
                o[w++] = uchar(0x80 | ((cp >> 12) & 0x3F));
                o[w++] = uchar(0x80 | ((cp >> 6) & 0x3F));
                o[w++] = uchar(0x80 | (cp & 0x3F));
            } else {
                noteUnencodable(result.unencodable, text.sliced(i, 1));
            }
        } else {
            o[w++] = uchar(0xE0 | (c >> 12));
            o[w++] = uchar(0x80 | ((c >> 6) & 0x3F));
            o[w++] = uchar(0x80 | (c & 0x3F));
        }
    }
    if (options.strayByte && wide)
        o[w++] = uchar(*options.strayByte);
    out.truncate(w);
    return result;
}

} // namespace orvel
