// The single-byte encodings: a table of 256 characters each, taken from ICU at first use (with the
// web's few differences) or our own, and back.
#include "markup/Codecs.h"
#include "markup/IcuConverter.h"

#include <unicode/ucnv_err.h>

#include <mutex>

namespace orvel::codec {

namespace {

// Windows-1252 at 0x80..0x9F. The five bytes it leaves undefined read as the C1 controls of the
// same value, so every byte has a character and comes back unchanged.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct ByteChar {
    quint8 byte;
    char16_t ch;
};

// ISO-8859-15 and ISO-8859-16: Latin-1 but for these bytes (ICU has no ISO-8859-16).
constexpr ByteChar kLatin9Changes[] = {{0xA4, 0x20AC}, {0xA6, 0x0160}, {0xA8, 0x0161},
                                       {0xB4, 0x017D}, {0xB8, 0x017E}, {0xBC, 0x0152},
                                       {0xBD, 0x0153}, {0xBE, 0x0178}};
constexpr ByteChar kLatin10Changes[] = {
    {0xA1, 0x0104}, {0xA2, 0x0105}, {0xA3, 0x0141}, {0xA4, 0x20AC}, {0xA5, 0x201E}, {0xA6, 0x0160},
    {0xA8, 0x0161}, {0xAA, 0x0218}, {0xAC, 0x0179}, {0xAE, 0x017A}, {0xAF, 0x017B}, {0xB2, 0x010C},
    {0xB3, 0x0142}, {0xB4, 0x017D}, {0xB5, 0x201D}, {0xB8, 0x017E}, {0xB9, 0x010D}, {0xBA, 0x0219},
    {0xBC, 0x0152}, {0xBD, 0x0153}, {0xBE, 0x0178}, {0xBF, 0x017C}, {0xC3, 0x0102}, {0xC5, 0x0106},
    {0xD0, 0x0110}, {0xD1, 0x0143}, {0xD5, 0x0150}, {0xD7, 0x015A}, {0xD8, 0x0170}, {0xDD, 0x0118},
    {0xDE, 0x021A}, {0xE3, 0x0103}, {0xE5, 0x0107}, {0xF0, 0x0111}, {0xF1, 0x0144}, {0xF5, 0x0151},
    {0xF7, 0x015B}, {0xF8, 0x0171}, {0xFD, 0x0119}, {0xFE, 0x021B}};

// Where ICU's table differs from the web's: 0 leaves the byte undefined.
constexpr ByteChar kKoi8UChanges[] = {{0xAE, 0x045E}, {0xBE, 0x040E}};
constexpr ByteChar kCp874Changes[] = {{0xDB, 0}, {0xDC, 0}, {0xDD, 0}, {0xDE, 0},
                                      {0xFC, 0}, {0xFD, 0}, {0xFE, 0}, {0xFF, 0}};
constexpr ByteChar kCp1253Changes[] = {{0xAA, 0}};
constexpr ByteChar kCp1255Changes[] = {{0xCA, 0x05BA}};

std::unique_ptr<ByteTable> icuTable(Encoding e)
{
    Converter c(e);
    if (!c.cnv)
        return nullptr;
    UErrorCode err = U_ZERO_ERROR;
    ucnv_setToUCallBack(c.cnv, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
    // Every one is ASCII below 0x80 on the web (ICU's IBM866 moves some controls).
    std::array<char16_t, 256> chars{};
    for (int b = 0; b < 0x80; ++b)
        chars[b] = char16_t(b);
    for (int b = 0x80; b < 256; ++b) {
        const char in = char(b);
        UChar out[4];
        err = U_ZERO_ERROR;
        ucnv_reset(c.cnv);
        const int32_t n = ucnv_toUChars(c.cnv, out, 4, &in, 1, &err);
        chars[b] = U_SUCCESS(err) && n == 1 ? char16_t(out[0]) : standIn(uchar(b));
    }
    auto change = [&](const auto& changes) {
        for (const ByteChar& c : changes)
            chars[c.byte] = c.ch ? c.ch : standIn(c.byte);
    };
    if (e == Encoding::Koi8U)
        change(kKoi8UChanges);
    else if (e == Encoding::Windows874)
        change(kCp874Changes);
    else if (e == Encoding::Windows1253)
        change(kCp1253Changes);
    else if (e == Encoding::Windows1255)
        change(kCp1255Changes);
    return std::make_unique<ByteTable>(chars);
}

std::unique_ptr<ByteTable> buildTable(Encoding e)
{
    if (isUtf16(e) || isMultiByte(e) || e == Encoding::Utf8 || e == Encoding::Replacement)
        return nullptr;
    std::array<char16_t, 256> chars{};
    for (int b = 0; b < 256; ++b)
        chars[b] = char16_t(b);
    switch (e) {
    case Encoding::Latin1:
        break;
    case Encoding::Windows1252:
        for (int b = 0x80; b < 0xA0; ++b)
            chars[b] = kCp1252High[b - 0x80];
        break;
    case Encoding::Latin9:
        for (const ByteChar& c : kLatin9Changes)
            chars[c.byte] = c.ch;
        break;
    case Encoding::Iso8859_16:
        for (const ByteChar& c : kLatin10Changes)
            chars[c.byte] = c.ch;
        break;
    case Encoding::XUserDefined:
        for (int b = 0x80; b < 0x100; ++b)
            chars[b] = char16_t(0xF780 + b - 0x80);
        break;
    default:
        return icuTable(e);
    }
    return std::make_unique<ByteTable>(chars);
}

class TableWriter : public Writer {
public:
    TableWriter(ByteOut& out, QString& unencodable, const ByteTable* table)
        : Writer(out, unencodable), m_table(table)
    {}
    void text(const char16_t* p, qsizetype n) override
    {
        uchar* o = m_out.room(n);
        uchar* const start = o;
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = p[i];
            const int b = c < 0x80 ? int(c) : m_table ? m_table->byteOf(c) : -1;
            if (b >= 0) {
                *o++ = uchar(b);
                continue;
            }
            const bool pair =
                QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1]);
            noteUnencodable(m_unencodable, QStringView(p + i, pair ? 2 : 1));
            i += pair;
        }
        m_out.advance(o - start);
    }

private:
    const ByteTable* m_table;
};

} // namespace

ByteTable::ByteTable(const std::array<char16_t, 256>& chars) : toChar(chars)
{
    m_pages.emplace_back().fill(-1);
    for (int b = 0; b < 256; ++b) {
        const char16_t c = toChar[b];
        const bool standsIn = isRawByte(c) || needsStandIns(c);
        if (!standsIn && !m_pageOf[c >> 8] && m_pages.size() < 256) {
            m_pageOf[c >> 8] = quint8(m_pages.size());
            m_pages.emplace_back().fill(-1);
        }
        qint16* slot =
            standsIn || !m_pageOf[c >> 8] ? nullptr : &m_pages[m_pageOf[c >> 8]][c & 0xFF];
        // A character two bytes read as would not come back as both: the second is kept as
        // itself.
        if (!slot || *slot >= 0) {
            toChar[b] = standIn(uchar(b));
            holes = true;
            continue;
        }
        *slot = qint16(b);
    }
}

const ByteTable* byteTable(Encoding e)
{
    static std::array<std::once_flag, kEncodingCount> once;
    static std::array<std::unique_ptr<ByteTable>, kEncodingCount> tables;
    const size_t i = size_t(e);
    if (i >= kEncodingCount)
        return nullptr;
    std::call_once(once[i], [&] { tables[i] = buildTable(e); });
    return tables[i].get();
}

std::unique_ptr<Writer> makeTableWriter(ByteOut& out, QString& unencodable, const ByteTable* table)
{
    return std::make_unique<TableWriter>(out, unencodable, table);
}

} // namespace orvel::codec
