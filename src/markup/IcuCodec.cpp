// The multi-byte encodings through ICU: its converters read and write the bytes; what the web
// reads otherwise, and what would not be written back as read, is kept as stand-ins.
#include "markup/Codecs.h"
#include "markup/IcuConverter.h"

#include <QSet>
#include <bitset>
#include <cstring>
#include <mutex>

#include <unicode/ucnv_cb.h>
#include <unicode/ucnv_err.h>

namespace orvel::codec {

// The ICU converter of each encoding ICU reads for us: the one whose table is the web's.
const char* icuConverterName(Encoding e)
{
    switch (e) {
    case Encoding::Ibm866:
        return "ibm-866_P100-1995";
    case Encoding::Iso8859_2:
        return "ibm-912_P100-1995";
    case Encoding::Iso8859_3:
        return "ibm-913_P100-2000";
    case Encoding::Iso8859_4:
        return "ibm-914_P100-1995";
    case Encoding::Iso8859_5:
        return "ibm-915_P100-1995";
    case Encoding::Iso8859_6:
        return "ibm-1089_P100-1995";
    case Encoding::Iso8859_7:
        return "ibm-9005_X110-2007";
    case Encoding::Iso8859_8:
    case Encoding::Iso8859_8I:
        return "ibm-5012_P100-1999";
    case Encoding::Iso8859_10:
        return "iso-8859_10-1998";
    case Encoding::Iso8859_13:
        return "ibm-921_P100-1995";
    case Encoding::Iso8859_14:
        return "iso-8859_14-1998";
    case Encoding::Koi8R:
        return "ibm-878_P100-1996";
    case Encoding::Koi8U:
        return "ibm-1168_P100-2002";
    case Encoding::Macintosh:
        return "macos-0_2-10.2";
    case Encoding::Windows874:
        return "windows-874-2000";
    case Encoding::Windows1250:
        return "ibm-5346_P100-1998";
    case Encoding::Windows1251:
        return "ibm-5347_P100-1998";
    case Encoding::Windows1253:
        return "ibm-5349_P100-1998";
    case Encoding::Windows1254:
        return "ibm-5350_P100-1998";
    case Encoding::Windows1255:
        return "ibm-9447_P100-2002";
    case Encoding::Windows1256:
        return "ibm-9448_X100-2005";
    case Encoding::Windows1257:
        return "ibm-9449_P100-2002";
    case Encoding::Windows1258:
        return "ibm-5354_P100-1998";
    case Encoding::MacCyrillic:
        return "macos-7_3-10.2";
    // GBK reads as gb18030 does on the web.
    case Encoding::Gbk:
    case Encoding::Gb18030:
        return "gb18030";
    case Encoding::Big5:
        return "ibm-1375_P100-2008"; // Big5 with HKSCS
    case Encoding::EucJp:
        return "euc-jp-2007";
    case Encoding::Iso2022Jp:
        return "ISO_2022,locale=ja,version=0";
    case Encoding::ShiftJis:
        return "ibm-943_P15A-2003"; // Windows' Shift_JIS
    case Encoding::EucKr:
        return "windows-949-2000"; // with the Windows extension
    default:
        return nullptr;
    }
}

namespace {

// What the web reads as an error where ICU has a character: the private-use characters of
// extension areas and the C1 controls of single bytes.
bool webReadsAsError(Encoding e, char32_t cp)
{
    switch (e) {
    case Encoding::Big5:
    case Encoding::EucKr:
    case Encoding::EucJp:
        return (cp >= 0x80 && cp < 0xA0) || (cp >= 0xE000 && cp <= 0xF8FF);
    case Encoding::ShiftJis: // its user-defined rows are U+E000..U+E757
        return cp >= 0xE758 && cp <= 0xF8FF;
    default:
        return false;
    }
}

// A lone byte the web reads where ICU has none (and writes back the same way).
char16_t webSingleByte(Encoding e, uchar b)
{
    if (b == 0x80 && (e == Encoding::Gbk || e == Encoding::Gb18030))
        return 0x20AC;
    if (b == 0x80 && e == Encoding::ShiftJis)
        return 0x0080;
    return 0;
}

// The byte a character is written as outside ICU, or -1.
int webByteOf(Encoding e, char16_t c)
{
    if (e == Encoding::Gbk && c == 0x20AC)
        return 0x80;
    if (e == Encoding::ShiftJis && c == 0x0080)
        return 0x80;
    return -1;
}

constexpr int32_t kMaxErrorBytes = 32; // ICU reports no longer bad sequence

void U_CALLCONV markBadBytes(const void* context, UConverterToUnicodeArgs* args, const char* units,
                             int32_t length, UConverterCallbackReason reason, UErrorCode* err)
{
    if (reason > UCNV_IRREGULAR)
        return;
    const Encoding e = *static_cast<const Encoding*>(context);
    UChar marks[kMaxErrorBytes];
    int32_t n = 0;
    for (int32_t i = 0; i < length && n < kMaxErrorBytes; ++i) {
        const uchar b = uchar(units[i]);
        const char16_t web = length == 1 ? webSingleByte(e, b) : 0;
        marks[n++] = web ? web : char16_t(kMark + b);
    }
    *err = U_ZERO_ERROR;
    ucnv_cbToUWriteUChars(args, marks, n, 0, err);
}

void U_CALLCONV listUnencodable(const void* context, UConverterFromUnicodeArgs*, const UChar* units,
                                int32_t length, UChar32, UConverterCallbackReason reason,
                                UErrorCode* err)
{
    if (reason > UCNV_IRREGULAR)
        return;
    if (context)
        noteUnencodable(*static_cast<QString*>(const_cast<void*>(context)),
                        QStringView(units, length));
    *err = U_ZERO_ERROR; // skipped: nothing is written when anything is listed
}

struct Decoder : Converter {
    explicit Decoder(Encoding e) : Converter(e), encoding(e)
    {
        UErrorCode err = U_ZERO_ERROR;
        if (cnv)
            ucnv_setToUCallBack(cnv, markBadBytes, &encoding, nullptr, nullptr, &err);
    }
    Encoding encoding;
};

// ICU's reading of `bytes`, bad bytes as marks; with `offsets`, the byte each unit came from.
bool icuDecode(UConverter* cnv, QByteArrayView bytes, QString& out, std::vector<int32_t>* offsets)
{
    ucnv_reset(cnv);
    // No byte gives more than one unit.
    out = QString(bytes.size() + 16, Qt::Uninitialized);
    if (offsets)
        offsets->resize(size_t(out.size()));
    const char* src = bytes.data();
    const char* const srcEnd = src + bytes.size();
    qsizetype written = 0;
    for (;;) {
        UChar* t = reinterpret_cast<UChar*>(out.data()) + written;
        UChar* const tEnd = reinterpret_cast<UChar*>(out.data()) + out.size();
        const char* const callStart = src;
        int32_t* off = offsets ? offsets->data() + written : nullptr;
        UErrorCode err = U_ZERO_ERROR;
        ucnv_toUnicode(cnv, &t, tEnd, &src, srcEnd, off, true, &err);
        const qsizetype now = t - reinterpret_cast<UChar*>(out.data());
        if (offsets)
            for (qsizetype i = written; i < now; ++i)
                if ((*offsets)[size_t(i)] >= 0)
                    (*offsets)[size_t(i)] += int32_t(callStart - bytes.data());
        written = now;
        if (err == U_BUFFER_OVERFLOW_ERROR) {
            out.resize(out.size() * 2); // not met: no byte gives more than one unit
            if (offsets)
                offsets->resize(size_t(out.size()));
            continue;
        }
        out.truncate(written);
        return U_SUCCESS(err);
    }
}

// Writes characters through ICU, with the web's few bytes of its own.
class IcuWriter : public Writer {
public:
    IcuWriter(Encoding e, ByteOut& out, QString& unencodable)
        : Writer(out, unencodable), m_encoding(e), m_c(e)
    {
        UErrorCode err = U_ZERO_ERROR;
        if (m_c.cnv)
            ucnv_setFromUCallBack(m_c.cnv, listUnencodable, &m_unencodable, nullptr, nullptr, &err);
        m_pending.reserve(kChunk);
    }
    bool ok() const { return m_c.cnv; }
    void text(const char16_t* p, qsizetype n) override
    {
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = p[i];
            if (c < 0x80) {
                m_pending.push_back(c);
            } else if (const int web = webByteOf(m_encoding, c); web >= 0) {
                raw(uchar(web));
                continue;
            } else if (c < 0xF900 && webReadsAsError(m_encoding, c)) {
                // ICU could write it, but the page would not read back as it.
                noteUnencodable(m_unencodable, QStringView(p + i, 1));
                continue;
            } else {
                m_pending.push_back(c);
            }
            if (m_pending.size() >= kChunk)
                convert(false);
        }
    }
    void raw(uchar b) override
    {
        convert(true);
        m_out.put(b);
    }
    void finish() override { convert(true); }

private:
    static constexpr size_t kChunk = 16384;

    // `flush` ends the text so far: a stateful encoding returns to ASCII.
    void convert(bool flush)
    {
        if (!m_c.cnv) {
            for (const char16_t c : m_pending)
                noteUnencodable(m_unencodable, QStringView(&c, 1));
            m_pending.clear();
            return;
        }
        if (m_pending.empty() && !flush)
            return;
        const UChar* src = reinterpret_cast<const UChar*>(m_pending.data());
        const UChar* const srcEnd = src + m_pending.size();
        for (;;) {
            // Eight bytes a unit covers the widest (a switch into and out of two-byte mode).
            const qsizetype room = qsizetype(srcEnd - src) * 8 + 16;
            char* t = reinterpret_cast<char*>(m_out.room(room));
            char* const start = t;
            UErrorCode err = U_ZERO_ERROR;
            ucnv_fromUnicode(m_c.cnv, &t, t + room, &src, srcEnd, nullptr, flush, &err);
            m_out.advance(t - start);
            if (err != U_BUFFER_OVERFLOW_ERROR)
                break;
        }
        m_pending.clear();
    }

    Encoding m_encoding;
    Converter m_c;
    std::vector<char16_t> m_pending;
};

// The bytes `text` is written as in `e`, stand-ins as their bytes; nullopt when a character
// cannot be written.
std::optional<QByteArray> writeAsRead(QStringView text, Encoding e)
{
    ByteOut out(text.size() * 2 + 16);
    QString unencodable;
    const auto w = makeWriter(e, out, unencodable);
    const char16_t* p = text.utf16();
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isRawByte(p[i]))
            continue;
        w->text(p + from, i - from);
        w->raw(uchar(p[i] - kRawByteBase));
        from = i + 1;
    }
    w->text(p + from, text.size() - from);
    w->finish();
    if (!unencodable.isEmpty())
        return std::nullopt;
    return out.take();
}

// The bytes a few characters of a stateless encoding are written as, through a converter kept
// for many calls; false when one cannot be written.
bool writeChars(UConverter* enc, Encoding e, QStringView chars, QByteArray& out)
{
    out.clear();
    char buf[64];
    const UChar* src = reinterpret_cast<const UChar*>(chars.utf16());
    const UChar* const end = src + chars.size();
    while (src < end) {
        const int web = webByteOf(e, *src);
        if (web >= 0) {
            out.append(char(web));
            ++src;
            continue;
        }
        const UChar* runEnd = src;
        while (runEnd < end && webByteOf(e, *runEnd) < 0)
            ++runEnd;
        ucnv_resetFromUnicode(enc);
        char* t = buf;
        UErrorCode err = U_ZERO_ERROR;
        ucnv_fromUnicode(enc, &t, buf + sizeof buf, &src, runEnd, nullptr, true, &err);
        if (U_FAILURE(err) || src != runEnd)
            return false;
        out.append(buf, t - buf);
    }
    return true;
}

// The characters of an encoding that need a look at their bytes: those the web reads as errors,
// those that must be stand-ins, and those some bytes read as but that are written as others
// (Shift_JIS reads ED 40 and FA 5C as the same U+7E8A and writes FA 5C).
class MultiByteCodec {
public:
    explicit MultiByteCodec(Encoding e) : encoding(e)
    {
        Decoder d(e);
        if (!d.cnv)
            return;
        ok = true;
        for (char32_t c = 0x80; c < 0x10000; ++c)
            if (webReadsAsError(e, c) || needsStandIns(c))
                m_bmp.set(c);
        if (e != Encoding::Iso2022Jp) // read and checked line by line
            findRewritten(d.cnv);
        for (char32_t c = 0; c < 0x10000; ++c)
            if (m_bmp[c] || QChar::isSurrogate(c))
                m_stops[c >> 6] |= quint64(1) << (c & 63);
    }

    bool needsLook(char16_t u) const { return m_bmp[u]; }
    bool needsLook(char32_t cp) const { return cp < 0x10000 ? m_bmp[cp] : m_wide.contains(cp); }
    bool anyWide() const { return !m_wide.isEmpty(); }
    // A unit a pass over decoded text must stop at: one that needs a look, or a surrogate (a
    // mark, or half of a character beyond the BMP).
    bool stops(char16_t u) const { return (m_stops[u >> 6] >> (u & 63)) & 1; }

    Encoding encoding;
    bool ok = false;

private:
    void flag(QStringView chars)
    {
        for (qsizetype i = 0; i < chars.size(); ++i) {
            char32_t cp = chars[i].unicode();
            if (QChar::isHighSurrogate(chars[i].unicode()) && i + 1 < chars.size()) {
                cp = QChar::surrogateToUcs4(chars[i], chars[i + 1]);
                ++i;
            }
            if (cp < 0x10000)
                m_bmp.set(cp);
            else
                m_wide.insert(cp);
        }
    }

    // Reads every one- and two-byte sequence (and EUC-JP's three-byte ones) alone, and flags the
    // characters whose writing gives other bytes. Gb18030's four-byte sequences are a mapping of
    // their own that comes back unchanged.
    void findRewritten(UConverter* dec)
    {
        Converter enc(encoding);
        UErrorCode err = U_ZERO_ERROR;
        ucnv_setFromUCallBack(enc.cnv, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
        QString chars;
        QByteArray back;
        auto check = [&](const char* seq, int len) {
            if (!icuDecode(dec, QByteArrayView(seq, len), chars, nullptr))
                return;
            for (qsizetype i = 0; i < chars.size(); ++i)
                if (isMark(reinterpret_cast<const char16_t*>(chars.utf16()), i))
                    return; // not a character
            if (!writeChars(enc.cnv, encoding, chars, back) || back != QByteArrayView(seq, len))
                flag(chars);
        };
        char seq[3];
        for (int a = 0x80; a < 0x100; ++a) {
            seq[0] = char(a);
            check(seq, 1);
            for (int b = 0x40; b < 0xFF && a > 0x80; ++b) {
                seq[1] = char(b);
                check(seq, 2);
            }
        }
        if (encoding == Encoding::EucJp) {
            seq[0] = char(0x8F);
            for (int a = 0xA1; a < 0xFF; ++a)
                for (int b = 0xA1; b < 0xFF; ++b) {
                    seq[1] = char(a);
                    seq[2] = char(b);
                    check(seq, 3);
                }
        }
    }

    std::bitset<0x10000> m_bmp;
    QSet<char32_t> m_wide;
    std::array<quint64, 0x10000 / 64> m_stops{};
};

const MultiByteCodec* multiByteCodec(Encoding e)
{
    static std::array<std::once_flag, kEncodingCount> once;
    static std::array<std::unique_ptr<MultiByteCodec>, kEncodingCount> codecs;
    const size_t i = size_t(e);
    if (!isMultiByte(e) || i >= kEncodingCount)
        return nullptr;
    std::call_once(once[i], [&] { codecs[i] = std::make_unique<MultiByteCodec>(e); });
    return codecs[i]->ok ? codecs[i].get() : nullptr;
}

// Every byte a stand-in, but ASCII: what is left when ICU has no converter.
Decoded asStandIns(QByteArrayView bytes)
{
    Decoded d;
    d.text = QString(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(d.text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        out[i] = b < 0x80 ? char16_t(b) : standIn(b);
        if (b >= 0x80 && d.badBytes++ == 0)
            d.firstBad = i;
    }
    return d;
}

// Turns the marks of a decoded text, units [from, to), into stand-ins (an ASCII byte that follows
// a bad lead byte into its character, as the web reads it). False when a character needs a look
// at its bytes.
bool resolveMarks(Decoded& d, const MultiByteCodec& codec, bool asciiReadsAgain, qsizetype from,
                  qsizetype to)
{
    char16_t* p = reinterpret_cast<char16_t*>(d.text.data());
    for (qsizetype i = from; i < to; ++i) {
        // Four units at a time: ASCII ones (a page's markup), or none to stop at.
        if (i + 4 <= to) {
            quint64 w;
            std::memcpy(&w, p + i, 8);
            if (!(w & 0xFF80FF80FF80FF80ull) || !(codec.stops(p[i]) | codec.stops(p[i + 1]) |
                                                  codec.stops(p[i + 2]) | codec.stops(p[i + 3]))) {
                i += 3;
                continue;
            }
        }
        const char16_t u = p[i];
        if (!codec.stops(u))
            continue;
        if (QChar::isHighSurrogate(u) && i + 1 < to) {
            if (codec.anyWide() && codec.needsLook(QChar::surrogateToUcs4(u, p[i + 1])))
                return false;
            ++i;
            continue;
        }
        if (QChar::isLowSurrogate(u)) {
            const uchar b = uchar(u - kMark);
            if (b < 0x80 && asciiReadsAgain) {
                p[i] = b;
                continue;
            }
            p[i] = standIn(b);
            if (d.badBytes++ == 0)
                d.firstBad = i;
            continue;
        }
        if (codec.needsLook(u))
            return false;
    }
    return true;
}

bool resolveMarks(Decoded& d, const MultiByteCodec& codec, bool asciiReadsAgain)
{
    return resolveMarks(d, codec, asciiReadsAgain, 0, d.text.size());
}

// ICU's reading of a stateless multi-byte encoding with the marks resolved, a piece at a time
// while the piece is in the cache; nothing when a character needs a look at its bytes.
std::optional<Decoded> decodeQuickly(QByteArrayView bytes, const MultiByteCodec& codec)
{
    Decoder dec(codec.encoding);
    Decoded d;
    // No byte gives more than one unit.
    d.text = QString(bytes.size() + 16, Qt::Uninitialized);
    UChar* const base = reinterpret_cast<UChar*>(d.text.data());
    UChar* t = base;
    const char* src = bytes.data();
    qsizetype done = 0; // units resolved
    for (;;) {
        constexpr qsizetype kPiece = 32768;
        UChar* const pieceEnd = base + std::min(t - base + kPiece, d.text.size());
        UErrorCode err = U_ZERO_ERROR;
        ucnv_toUnicode(dec.cnv, &t, pieceEnd, &src, bytes.data() + bytes.size(), nullptr, true,
                       &err);
        const bool more = err == U_BUFFER_OVERFLOW_ERROR && t < base + d.text.size();
        if (U_FAILURE(err) && !more)
            return std::nullopt;
        // A character beyond the BMP cut in two waits for its second half.
        qsizetype upto = t - base;
        if (more && upto > done && QChar::isHighSurrogate(base[upto - 1]))
            --upto;
        if (!resolveMarks(d, codec, true, done, upto))
            return std::nullopt;
        done = upto;
        if (!more)
            break;
    }
    d.text.truncate(t - base);
    return d;
}

// The slow way, for a page with characters that need a look: each character against its bytes.
Decoded decodeLooking(QByteArrayView bytes, const MultiByteCodec& codec)
{
    Decoder dec(codec.encoding);
    QString text;
    std::vector<int32_t> offsets;
    if (!icuDecode(dec.cnv, bytes, text, &offsets))
        return asStandIns(bytes);
    Converter enc(codec.encoding);
    UErrorCode err = U_ZERO_ERROR;
    ucnv_setFromUCallBack(enc.cnv, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
    QByteArray back;
    Decoded d;
    d.text.reserve(bytes.size());
    const auto* p = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    auto bad = [&](qsizetype count) {
        if (d.badBytes == 0)
            d.firstBad = d.text.size();
        d.badBytes += count;
    };
    // Characters that need nothing are copied a run at a time.
    qsizetype run = 0;
    auto copyRun = [&](qsizetype upto) {
        d.text.append(QStringView(p + run, upto - run));
        run = upto;
    };
    for (qsizetype i = 0; i < n;) {
        if (isMark(p, i)) {
            copyRun(i);
            const uchar b = uchar(p[i] - kMark);
            if (b < 0x80) {
                d.text.append(QChar(b));
            } else {
                bad(1);
                d.text.append(QChar(standIn(b)));
            }
            run = ++i;
            continue;
        }
        if (!codec.stops(p[i])) {
            ++i;
            continue;
        }
        // The characters one sequence of bytes gave (HKSCS gives two for some).
        while (i > run && offsets[size_t(i - 1)] == offsets[size_t(i)])
            --i;
        qsizetype j = i + 1;
        while (j < n && offsets[size_t(j)] == offsets[size_t(i)] && !isMark(p, j))
            ++j;
        const QStringView chars(p + i, j - i);
        const qsizetype from = offsets[size_t(i)];
        const qsizetype to = j < n ? offsets[size_t(j)] : bytes.size();
        bool look = false, error = false, keep = false;
        for (qsizetype k = 0; k < chars.size(); ++k) {
            const char16_t u = chars[k].unicode();
            const char32_t cp = QChar::isHighSurrogate(u) && k + 1 < chars.size()
                                    ? QChar::surrogateToUcs4(u, chars[++k].unicode())
                                    : char32_t(u);
            look = look || codec.needsLook(cp);
            error = error || webReadsAsError(codec.encoding, cp);
            keep = keep || needsStandIns(cp);
        }
        if (look && !error && !keep && from >= 0 && to > from)
            error = !writeChars(enc.cnv, codec.encoding, chars, back) ||
                    back != bytes.sliced(from, to - from);
        if ((error || keep) && from >= 0 && to > from) {
            copyRun(i);
            if (error)
                bad(to - from);
            for (qsizetype k = from; k < to; ++k)
                d.text.append(QChar(standIn(uchar(bytes[k]))));
            run = j;
        }
        i = j;
    }
    copyRun(n);
    return d;
}

// ISO-2022-JP switches character sets by escape sequences; the same characters can be written
// with other switches. A page whose reading writes back as read is kept as read; else each line
// that does not is kept as the bytes it was.
Decoded decodeIso2022Jp(QByteArrayView bytes, const MultiByteCodec& codec)
{
    Decoder dec(codec.encoding);
    Decoded d;
    if (!icuDecode(dec.cnv, bytes, d.text, nullptr))
        return asStandIns(bytes);
    resolveMarks(d, codec, false);
    if (writeAsRead(d.text, codec.encoding) == bytes)
        return d;
    QString text;
    std::vector<int32_t> offsets;
    icuDecode(dec.cnv, bytes, text, &offsets);
    Decoded out;
    qsizetype from = 0;     // first unit of the line
    qsizetype fromByte = 0; // and its first byte
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        const bool lineEnd =
            i + 1 == n || c == u'\n' || (c == u'\r' && text[i + 1].unicode() != u'\n');
        if (!lineEnd)
            continue;
        const qsizetype toByte = i + 1 == n ? bytes.size() : offsets[size_t(i)] + 1;
        Decoded line;
        line.text = text.mid(from, i + 1 - from);
        resolveMarks(line, codec, false);
        const QByteArrayView lineBytes = bytes.sliced(fromByte, toByte - fromByte);
        if (writeAsRead(line.text, codec.encoding) == lineBytes) {
            if (line.badBytes && out.badBytes == 0)
                out.firstBad = out.text.size() + line.firstBad;
            out.badBytes += line.badBytes;
            out.text += line.text;
        } else {
            qsizetype keep = lineBytes.size(); // its line end stays one
            while (keep > 0 && (lineBytes[keep - 1] == '\n' || lineBytes[keep - 1] == '\r'))
                --keep;
            if (keep > 0 && out.badBytes == 0)
                out.firstBad = out.text.size();
            out.badBytes += keep;
            for (qsizetype k = 0; k < lineBytes.size(); ++k)
                out.text.append(k < keep ? QChar(standIn(uchar(lineBytes[k])))
                                         : QChar(char16_t(lineBytes[k])));
        }
        from = i + 1;
        fromByte = toByte;
    }
    if (fromByte < bytes.size()) // escape sequences after the last character
        for (qsizetype k = fromByte; k < bytes.size(); ++k) {
            if (out.badBytes++ == 0)
                out.firstBad = out.text.size();
            out.text.append(QChar(standIn(uchar(bytes[k]))));
        }
    return out;
}

} // namespace

bool canReadMultiByte(Encoding e)
{
    return multiByteCodec(e) != nullptr;
}

Decoded decodeMultiByte(QByteArrayView bytes, Encoding e)
{
    const MultiByteCodec* codec = multiByteCodec(e);
    if (!codec)
        return asStandIns(bytes);
    if (e == Encoding::Iso2022Jp)
        return decodeIso2022Jp(bytes, *codec);
    if (std::optional<Decoded> d = decodeQuickly(bytes, *codec))
        return std::move(*d);
    return decodeLooking(bytes, *codec);
}

QString decodeMarkedMultiByte(QByteArrayView bytes, Encoding e)
{
    QString text;
    Decoder dec(e);
    if (!dec.cnv || !icuDecode(dec.cnv, bytes, text, nullptr)) {
        text.clear();
        for (const char b : bytes)
            text.append(QChar(char16_t(kMark + uchar(b))));
    }
    return text;
}

std::unique_ptr<Writer> makeIcuWriter(Encoding e, ByteOut& out, QString& unencodable)
{
    return std::make_unique<IcuWriter>(e, out, unencodable);
}

} // namespace orvel::codec
