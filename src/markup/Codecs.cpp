// The codec's shared parts: the UTF writers, reading stand-ins back into what they stand for, and
// which writer writes which encoding.
#include "markup/Codecs.h"

#include <QStringEncoder>
#include <cstring>

namespace orvel::codec {

void noteUnencodable(QString& list, QStringView ch)
{
    constexpr qsizetype kMaxListed = 40;
    if (list.size() < kMaxListed && !list.contains(ch))
        list.append(ch);
}

namespace {

// Eight ASCII units (in the two words as memory holds them) as their eight bytes.
inline void narrowAscii8(quint64 a, quint64 b, uchar* o)
{
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const auto pack = [](quint64 w) {
        const quint64 pairs = (w | (w >> 8)) & 0x0000FFFF0000FFFFull;
        return quint32(pairs | (pairs >> 16));
    };
    const quint64 bytes = pack(a) | (quint64(pack(b)) << 32);
    std::memcpy(o, &bytes, 8);
#else
    char16_t units[8];
    std::memcpy(units, &a, 8);
    std::memcpy(units + 4, &b, 8);
    for (int k = 0; k < 8; ++k)
        o[k] = uchar(units[k]);
#endif
}

class Utf8Writer : public Writer {
public:
    using Writer::Writer;
    // Valid UTF-16 throughout: the toolkit's converter, which works many units at a time.
    void plain(const char16_t* p, qsizetype n) override
    {
        uchar* o = m_out.room(m_encoder.requiredSpace(n));
        char* end = m_encoder.appendToBuffer(reinterpret_cast<char*>(o), QStringView(p, n));
        m_out.advance(reinterpret_cast<uchar*>(end) - o);
    }
    void text(const char16_t* p, qsizetype n) override
    {
        uchar* o = m_out.room(3 * n);
        uchar* const start = o;
        for (qsizetype i = 0; i < n; ++i) {
            // Most of a page is ASCII: eight units at a time while they are.
            while (i + 8 <= n) {
                quint64 a, b;
                std::memcpy(&a, p + i, 8);
                std::memcpy(&b, p + i + 4, 8);
                if ((a | b) & 0xFF80FF80FF80FF80ull)
                    break;
                narrowAscii8(a, b, o);
                o += 8;
                i += 8;
            }
            if (i == n)
                break;
            const char16_t c = p[i];
            if (c < 0x80) {
                *o++ = uchar(c);
            } else if (c < 0x800) {
                *o++ = uchar(0xC0 | (c >> 6));
                *o++ = uchar(0x80 | (c & 0x3F));
            } else if (QChar::isSurrogate(c)) {
                if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
                    const char32_t cp = QChar::surrogateToUcs4(c, p[++i]);
                    *o++ = uchar(0xF0 | (cp >> 18));
                    *o++ = uchar(0x80 | ((cp >> 12) & 0x3F));
                    *o++ = uchar(0x80 | ((cp >> 6) & 0x3F));
                    *o++ = uchar(0x80 | (cp & 0x3F));
                } else {
                    noteUnencodable(m_unencodable, QStringView(p + i, 1));
                }
            } else {
                *o++ = uchar(0xE0 | (c >> 12));
                *o++ = uchar(0x80 | ((c >> 6) & 0x3F));
                *o++ = uchar(0x80 | (c & 0x3F));
            }
        }
        m_out.advance(o - start);
    }

private:
    QStringEncoder m_encoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
};

class Utf16Writer : public Writer {
public:
    Utf16Writer(ByteOut& out, QString& unencodable, bool bigEndian)
        : Writer(out, unencodable), m_bigEndian(bigEndian)
    {}
    void text(const char16_t* p, qsizetype n) override
    {
        uchar* o = m_out.room(2 * n);
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t u = p[i];
            *o++ = uchar(m_bigEndian ? u >> 8 : u);
            *o++ = uchar(m_bigEndian ? u : u >> 8);
        }
        m_out.advance(2 * n);
    }

private:
    bool m_bigEndian;
};

} // namespace

bool canRead(Encoding e)
{
    if (e == Encoding::Replacement)
        return false;
    if (e == Encoding::Utf8 || isUtf16(e))
        return true;
    return isMultiByte(e) ? canReadMultiByte(e) : byteTable(e) != nullptr;
}

QString decodeMarked(QByteArrayView bytes, Encoding e)
{
    QString text;
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    if (e == Encoding::Utf8 || e == Encoding::Replacement) {
        text.reserve(n);
        for (qsizetype i = 0; i < n;) {
            char32_t cp = 0;
            const int len = p[i] < 0x80 ? 1 : utf8Sequence(p + i, n - i, cp);
            if (len == 0) {
                text.append(QChar(char16_t(kMark + p[i++])));
                continue;
            }
            text.append(len == 1 ? QString(QChar(p[i])) : QString::fromUcs4(&cp, 1));
            i += len;
        }
    } else if (isUtf16(e)) {
        const bool be = e == Encoding::Utf16BE;
        for (qsizetype i = 0; i + 1 < n; i += 2)
            text.append(QChar(char16_t(be ? p[i] << 8 | p[i + 1] : p[i + 1] << 8 | p[i])));
        if (n % 2)
            text.append(QChar(char16_t(kMark + p[n - 1])));
    } else if (isMultiByte(e)) {
        text = decodeMarkedMultiByte(bytes, e);
    } else {
        const ByteTable* t = byteTable(e);
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = t ? t->toChar[p[i]] : char16_t(p[i] < 0x80 ? p[i] : 0);
            text.append(QChar(c && !isRawByte(c) ? c : char16_t(kMark + p[i])));
        }
    }
    return text;
}

std::unique_ptr<Writer> makeWriter(Encoding e, ByteOut& out, QString& unencodable)
{
    if (e == Encoding::Utf8 || e == Encoding::Replacement)
        return std::make_unique<Utf8Writer>(out, unencodable);
    if (isUtf16(e))
        return std::make_unique<Utf16Writer>(out, unencodable, e == Encoding::Utf16BE);
    if (isMultiByte(e))
        return makeIcuWriter(e, out, unencodable);
    return makeTableWriter(out, unencodable, byteTable(e));
}

} // namespace orvel::codec
