#pragma once

// The codec's parts behind TextCodec.h: the byte tables of the single-byte encodings, the
// multi-byte encodings through ICU, and the writers every encoding is written through.
#include "markup/TextCodec.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace orvel::codec {

// While decoding, a byte that is not valid in its encoding is marked as a lone low surrogate
// (U+DC00 + byte), which no decoder puts out; the marks become stand-ins (or, for an ASCII byte
// after a bad lead byte, the ASCII character the web reads it as).
inline constexpr char16_t kMark = 0xDC00;
// A mark: a low surrogate not after a high one.
inline bool isMark(const char16_t* p, qsizetype i)
{
    return QChar::isLowSurrogate(p[i]) && !(i > 0 && QChar::isHighSurrogate(p[i - 1]));
}

inline char16_t standIn(uchar b)
{
    return char16_t(kRawByteBase + b);
}

inline constexpr size_t kEncodingCount = size_t(Encoding::Replacement) + 1;

// Characters the document box takes for a line break, and our own stand-ins: a page keeps the
// bytes they were read from as stand-ins rather than the characters.
inline bool needsStandIns(char32_t cp)
{
    return (cp >= 0xEF00 && cp <= 0xEFFF) || cp == 0x2029 || cp == 0xFDD0 || cp == 0xFDD1;
}

// Length of the well-formed UTF-8 sequence at `p` (n bytes left), or 0. Sets `cp`.
inline int utf8Sequence(const uchar* p, qsizetype n, char32_t& cp)
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

// Lists a character an encoding cannot hold, each once (a few dozen at most).
void noteUnencodable(QString& list, QStringView ch);

// A single-byte encoding: a character for every byte (a byte the encoding leaves undefined reads
// as its stand-in), and back.
class ByteTable {
public:
    explicit ByteTable(const std::array<char16_t, 256>& chars);
    std::array<char16_t, 256> toChar{};
    bool holes = false; // some bytes read as stand-ins
    // The byte of a character, or -1.
    int byteOf(char16_t c) const { return m_pages[m_pageOf[c >> 8]][c & 0xFF]; }

private:
    std::array<quint8, 256> m_pageOf{};           // 0: a page with no character
    std::vector<std::array<qint16, 256>> m_pages; // characters' bytes by their low byte
};

// The table of a single-byte encoding; nullptr for the others, and where ICU lacks the table.
const ByteTable* byteTable(Encoding e);

// Whether Orvel can read and write pages in `e`.
bool canRead(Encoding e);

// Decoding the multi-byte encodings (ICU): bytes that are not valid, characters the web reads
// otherwise, and characters whose writing would give other bytes are kept as stand-ins.
Decoded decodeMultiByte(QByteArrayView bytes, Encoding e);

// The characters `bytes` hold in `e`, bytes not valid in it as marks, nothing replaced by a
// stand-in (stand-ins of a page are read back into what they stand for this way).
QString decodeMarked(QByteArrayView bytes, Encoding e);

// Where encoded bytes go.
class ByteOut {
public:
    explicit ByteOut(qsizetype reserve) { m_bytes.resize(reserve); }
    uchar* room(qsizetype n)
    {
        if (m_w + n > m_bytes.size())
            m_bytes.resize(std::max(m_bytes.size() * 2, m_w + n));
        return reinterpret_cast<uchar*>(m_bytes.data()) + m_w;
    }
    void advance(qsizetype n) { m_w += n; }
    void put(uchar b)
    {
        *room(1) = b;
        ++m_w;
    }
    QByteArray take()
    {
        m_bytes.truncate(m_w);
        return std::move(m_bytes);
    }

private:
    QByteArray m_bytes;
    qsizetype m_w = 0;
};

// Writes a text in one encoding: characters (no line ends to rewrite and no stand-ins among them
// to write as bytes: those come as raw bytes), noting those it cannot hold.
class Writer {
public:
    Writer(ByteOut& out, QString& unencodable) : m_out(out), m_unencodable(unencodable) {}
    virtual ~Writer() = default;
    virtual void text(const char16_t* p, qsizetype n) = 0;
    // Characters without a surrogate among them: the bulk of a page.
    virtual void plain(const char16_t* p, qsizetype n) { text(p, n); }
    virtual void raw(uchar b) { m_out.put(b); }
    virtual void finish() {}

protected:
    ByteOut& m_out;
    QString& m_unencodable;
};

std::unique_ptr<Writer> makeWriter(Encoding e, ByteOut& out, QString& unencodable);
std::unique_ptr<Writer> makeTableWriter(ByteOut& out, QString& unencodable, const ByteTable* table);
std::unique_ptr<Writer> makeIcuWriter(Encoding e, ByteOut& out, QString& unencodable);
bool canReadMultiByte(Encoding e);
QString decodeMarkedMultiByte(QByteArrayView bytes, Encoding e);

} // namespace orvel::codec
