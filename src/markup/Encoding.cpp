#include "markup/Encoding.h"

#include <QHash>
#include <array>

namespace orvel {

namespace {

using F = EncodingFamily;

// One row per encoding, in the enum's order. The labels are the web's, every one of them.
constexpr EncodingInfo kInfo[] = {
    {Encoding::Utf8, "UTF-8", "UTF-8", "utf8", F::Unicode,
     "unicode-1-1-utf-8 unicode11utf8 unicode20utf8 utf-8 utf8 x-unicode20utf8"},
    {Encoding::Utf16LE, "UTF-16LE", "UTF-16LE", "utf16le", F::Unicode,
     "csunicode iso-10646-ucs-2 ucs-2 unicode unicodefeff utf-16 utf-16le"},
    {Encoding::Utf16BE, "UTF-16BE", "UTF-16BE", "utf16be", F::Unicode, "unicodefffe utf-16be"},
    {Encoding::Windows1252, "Windows-1252", "windows-1252", "cp1252", F::Western,
     "cp1252 windows-1252 x-cp1252"},
    {Encoding::Latin1, "ISO-8859-1", "ISO-8859-1", "latin1", F::Western,
     "ansi_x3.4-1968 ascii cp819 csisolatin1 ibm819 iso-8859-1 iso-ir-100 iso8859-1 iso88591 "
     "iso_8859-1 iso_8859-1:1987 l1 latin1 us-ascii"},
    {Encoding::Latin9, "ISO-8859-15", "ISO-8859-15", "latin9", F::Western,
     "csisolatin9 iso-8859-15 iso8859-15 iso885915 iso_8859-15 l9"},
    {Encoding::Ibm866, "IBM866", "IBM866", "ibm866", F::Cyrillic, "866 cp866 csibm866 ibm866"},
    {Encoding::Iso8859_2, "ISO-8859-2", "ISO-8859-2", "iso88592", F::CentralEuropean,
     "csisolatin2 iso-8859-2 iso-ir-101 iso8859-2 iso88592 iso_8859-2 iso_8859-2:1987 l2 latin2"},
    {Encoding::Iso8859_3, "ISO-8859-3", "ISO-8859-3", "iso88593", F::Western,
     "csisolatin3 iso-8859-3 iso-ir-109 iso8859-3 iso88593 iso_8859-3 iso_8859-3:1988 l3 latin3"},
    {Encoding::Iso8859_4, "ISO-8859-4", "ISO-8859-4", "iso88594", F::Baltic,
     "csisolatin4 iso-8859-4 iso-ir-110 iso8859-4 iso88594 iso_8859-4 iso_8859-4:1988 l4 latin4"},
    {Encoding::Iso8859_5, "ISO-8859-5", "ISO-8859-5", "iso88595", F::Cyrillic,
     "csisolatincyrillic cyrillic iso-8859-5 iso-ir-144 iso8859-5 iso88595 iso_8859-5 "
     "iso_8859-5:1988"},
    {Encoding::Iso8859_6, "ISO-8859-6", "ISO-8859-6", "iso88596", F::Arabic,
     "arabic asmo-708 csiso88596e csiso88596i csisolatinarabic ecma-114 iso-8859-6 iso-8859-6-e "
     "iso-8859-6-i iso-ir-127 iso8859-6 iso88596 iso_8859-6 iso_8859-6:1987"},
    {Encoding::Iso8859_7, "ISO-8859-7", "ISO-8859-7", "iso88597", F::Greek,
     "csisolatingreek ecma-118 elot_928 greek greek8 iso-8859-7 iso-ir-126 iso8859-7 iso88597 "
     "iso_8859-7 iso_8859-7:1987 sun_eu_greek"},
    {Encoding::Iso8859_8, "ISO-8859-8", "ISO-8859-8", "iso88598", F::Hebrew,
     "csiso88598e csisolatinhebrew hebrew iso-8859-8 iso-8859-8-e iso-ir-138 iso8859-8 iso88598 "
     "iso_8859-8 iso_8859-8:1988 visual"},
    {Encoding::Iso8859_8I, "ISO-8859-8-I", "ISO-8859-8-I", "iso88598i", F::Hebrew,
     "csiso88598i iso-8859-8-i logical"},
    {Encoding::Iso8859_10, "ISO-8859-10", "ISO-8859-10", "iso885910", F::Western,
     "csisolatin6 iso-8859-10 iso-ir-157 iso8859-10 iso885910 l6 latin6"},
    {Encoding::Iso8859_13, "ISO-8859-13", "ISO-8859-13", "iso885913", F::Baltic,
     "iso-8859-13 iso8859-13 iso885913"},
    {Encoding::Iso8859_14, "ISO-8859-14", "ISO-8859-14", "iso885914", F::Western,
     "iso-8859-14 iso8859-14 iso885914"},
    {Encoding::Iso8859_16, "ISO-8859-16", "ISO-8859-16", "iso885916", F::CentralEuropean,
     "iso-8859-16"},
    {Encoding::Koi8R, "KOI8-R", "KOI8-R", "koi8r", F::Cyrillic, "cskoi8r koi koi8 koi8-r koi8_r"},
    {Encoding::Koi8U, "KOI8-U", "KOI8-U", "koi8u", F::Cyrillic, "koi8-ru koi8-u"},
    {Encoding::Macintosh, "Mac OS Roman", "macintosh", "macintosh", F::Western,
     "csmacintosh mac macintosh x-mac-roman"},
    {Encoding::Windows874, "Windows-874", "windows-874", "cp874", F::Thai,
     "dos-874 iso-8859-11 iso8859-11 iso885911 tis-620 windows-874"},
    {Encoding::Windows1250, "Windows-1250", "windows-1250", "cp1250", F::CentralEuropean,
     "cp1250 windows-1250 x-cp1250"},
    {Encoding::Windows1251, "Windows-1251", "windows-1251", "cp1251", F::Cyrillic,
     "cp1251 windows-1251 x-cp1251"},
    {Encoding::Windows1253, "Windows-1253", "windows-1253", "cp1253", F::Greek,
     "cp1253 windows-1253 x-cp1253"},
    {Encoding::Windows1254, "Windows-1254", "windows-1254", "cp1254", F::Turkish,
     "cp1254 csisolatin5 iso-8859-9 iso-ir-148 iso8859-9 iso88599 iso_8859-9 iso_8859-9:1989 l5 "
     "latin5 windows-1254 x-cp1254"},
    {Encoding::Windows1255, "Windows-1255", "windows-1255", "cp1255", F::Hebrew,
     "cp1255 windows-1255 x-cp1255"},
    {Encoding::Windows1256, "Windows-1256", "windows-1256", "cp1256", F::Arabic,
     "cp1256 windows-1256 x-cp1256"},
    {Encoding::Windows1257, "Windows-1257", "windows-1257", "cp1257", F::Baltic,
     "cp1257 windows-1257 x-cp1257"},
    {Encoding::Windows1258, "Windows-1258", "windows-1258", "cp1258", F::Vietnamese,
     "cp1258 windows-1258 x-cp1258"},
    {Encoding::MacCyrillic, "Mac OS Cyrillic", "x-mac-cyrillic", "maccyrillic", F::Cyrillic,
     "x-mac-cyrillic x-mac-ukrainian"},
    {Encoding::Gbk, "GBK", "GBK", "gbk", F::Chinese,
     "chinese csgb2312 csiso58gb231280 gb2312 gb_2312 gb_2312-80 gbk iso-ir-58 x-gbk"},
    {Encoding::Gb18030, "GB18030", "gb18030", "gb18030", F::Chinese, "gb18030"},
    {Encoding::Big5, "Big5", "Big5", "big5", F::Chinese, "big5 big5-hkscs cn-big5 csbig5 x-x-big5"},
    {Encoding::EucJp, "EUC-JP", "EUC-JP", "eucjp", F::Japanese,
     "cseucpkdfmtjapanese euc-jp x-euc-jp"},
    {Encoding::Iso2022Jp, "ISO-2022-JP", "ISO-2022-JP", "iso2022jp", F::Japanese,
     "csiso2022jp iso-2022-jp"},
    {Encoding::ShiftJis, "Shift_JIS", "Shift_JIS", "shiftjis", F::Japanese,
     "csshiftjis ms932 ms_kanji shift-jis shift_jis sjis windows-31j x-sjis"},
    {Encoding::EucKr, "EUC-KR", "EUC-KR", "euckr", F::Korean,
     "cseuckr csksc56011987 euc-kr iso-ir-149 korean ks_c_5601-1987 ks_c_5601-1989 ksc5601 "
     "ksc_5601 windows-949"},
    {Encoding::XUserDefined, "x-user-defined", "x-user-defined", "xuserdefined", F::Other,
     "x-user-defined"},
    {Encoding::Replacement, "replacement", "replacement", "replacement", F::Other,
     "csiso2022kr hz-gb-2312 iso-2022-cn iso-2022-cn-ext iso-2022-kr replacement"},
};

constexpr bool inEnumOrder()
{
    for (size_t i = 0; i < std::size(kInfo); ++i)
        if (size_t(kInfo[i].encoding) != i)
            return false;
    return true;
}
static_assert(inEnumOrder() && std::size(kInfo) == size_t(Encoding::Replacement) + 1);

const QHash<QByteArray, Encoding>& labelTable()
{
    static const QHash<QByteArray, Encoding> table = [] {
        QHash<QByteArray, Encoding> t;
        for (const EncodingInfo& info : kInfo)
            for (const QByteArray& label : QByteArray(info.labels).split(' '))
                t.insert(label, info.encoding);
        return t;
    }();
    return table;
}

bool isAsciiWhitespace(char16_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

} // namespace

const EncodingInfo& encodingInfo(Encoding e)
{
    return kInfo[size_t(e) < std::size(kInfo) ? size_t(e) : 0];
}

QString encodingName(Encoding e)
{
    return QString::fromLatin1(encodingInfo(e).name);
}

QString familyName(EncodingFamily f)
{
    static const char* const names[] = {
        "Unicode",    "Western",  "Central European", "Baltic", "Cyrillic",
        "Greek",      "Turkish",  "Hebrew",           "Arabic", "Thai",
        "Vietnamese", "Japanese", "Chinese",          "Korean", "Other"};
    return QString::fromLatin1(names[size_t(f)]);
}

bool isUtf16(Encoding e)
{
    return e == Encoding::Utf16LE || e == Encoding::Utf16BE;
}

bool isMultiByte(Encoding e)
{
    switch (e) {
    case Encoding::Gbk:
    case Encoding::Gb18030:
    case Encoding::Big5:
    case Encoding::EucJp:
    case Encoding::Iso2022Jp:
    case Encoding::ShiftJis:
    case Encoding::EucKr:
        return true;
    default:
        return false;
    }
}

std::optional<Encoding> encodingForLabel(QStringView label)
{
    // Labels are ASCII: anything else names nothing.
    QByteArray ascii;
    ascii.reserve(label.size());
    for (const QChar c : label) {
        if (c.unicode() >= 0x80)
            return std::nullopt;
        ascii.append(char(c.unicode()));
    }
    return encodingForLabel(QByteArrayView(ascii));
}

std::optional<Encoding> encodingForLabel(QByteArrayView label)
{
    qsizetype from = 0, to = label.size();
    while (from < to && isAsciiWhitespace(uchar(label[from])))
        ++from;
    while (to > from && isAsciiWhitespace(uchar(label[to - 1])))
        --to;
    // No label is longer; a long value is not looked up.
    if (to - from > 24)
        return std::nullopt;
    QByteArray key = label.sliced(from, to - from).toByteArray();
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = char(c + ('a' - 'A'));
    const auto& table = labelTable();
    const auto it = table.constFind(key);
    if (it == table.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace orvel
