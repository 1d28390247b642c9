#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace orvel {

// The encodings of the web: every one a page may declare and a browser reads. Replacement stands
// for the labels browsers refuse to read (ISO-2022-KR, HZ, ISO-2022-CN); no page is read in it.
enum class Encoding : quint8 {
    Utf8,
    Utf16LE,
    Utf16BE,
    Windows1252,
    Latin1, // ISO-8859-1: read as Windows-1252 where it holds 0x80..0x9F, as browsers read it
    Latin9, // ISO-8859-15
    Ibm866,
    Iso8859_2,
    Iso8859_3,
    Iso8859_4,
    Iso8859_5,
    Iso8859_6,
    Iso8859_7,
    Iso8859_8,
    Iso8859_8I,
    Iso8859_10,
    Iso8859_13,
    Iso8859_14,
    Iso8859_16,
    Koi8R,
    Koi8U,
    Macintosh,
    Windows874,
    Windows1250,
    Windows1251,
    Windows1253,
    Windows1254,
    Windows1255,
    Windows1256,
    Windows1257,
    Windows1258,
    MacCyrillic,
    Gbk,
    Gb18030,
    Big5,
    EucJp,
    Iso2022Jp,
    ShiftJis,
    EucKr,
    XUserDefined,
    Replacement,
};

// The groups the Format > Encoding menu shows, in its order.
enum class EncodingFamily : quint8 {
    Unicode,
    Western,
    CentralEuropean,
    Baltic,
    Cyrillic,
    Greek,
    Turkish,
    Hebrew,
    Arabic,
    Thai,
    Vietnamese,
    Japanese,
    Chinese,
    Korean,
    Other,
};

struct EncodingInfo {
    Encoding encoding;
    const char* name;  // as the menus and the status bar show it: "Windows-1251"
    const char* label; // written into a charset declaration: "windows-1251"
    const char* key;   // short and stable, for object names: "cp1251"
    EncodingFamily family;
    const char* labels; // every label that names it, lower case, space-separated
};

const EncodingInfo& encodingInfo(Encoding e);

// Every encoding a page can be read and written in (all but Replacement), family by family.
inline constexpr Encoding kEncodings[] = {
    Encoding::Utf8,        Encoding::Utf16LE,     Encoding::Utf16BE,     Encoding::Windows1252,
    Encoding::Latin1,      Encoding::Latin9,      Encoding::Macintosh,   Encoding::Iso8859_3,
    Encoding::Iso8859_10,  Encoding::Iso8859_14,  Encoding::Windows1250, Encoding::Iso8859_2,
    Encoding::Iso8859_16,  Encoding::Windows1257, Encoding::Iso8859_4,   Encoding::Iso8859_13,
    Encoding::Windows1251, Encoding::Koi8R,       Encoding::Koi8U,       Encoding::Iso8859_5,
    Encoding::Ibm866,      Encoding::MacCyrillic, Encoding::Windows1253, Encoding::Iso8859_7,
    Encoding::Windows1254, Encoding::Windows1255, Encoding::Iso8859_8,   Encoding::Iso8859_8I,
    Encoding::Windows1256, Encoding::Iso8859_6,   Encoding::Windows874,  Encoding::Windows1258,
    Encoding::ShiftJis,    Encoding::EucJp,       Encoding::Iso2022Jp,   Encoding::Gbk,
    Encoding::Gb18030,     Encoding::Big5,        Encoding::EucKr,       Encoding::XUserDefined};

// "UTF-8", "UTF-16LE", "Windows-1252", "ISO-8859-1", "Shift_JIS", ...
QString encodingName(Encoding e);
// "Unicode", "Western", "Central European", ...
QString familyName(EncodingFamily f);
inline EncodingFamily encodingFamily(Encoding e)
{
    return encodingInfo(e).family;
}
bool isUtf16(Encoding e);
// Read through ICU (the multi-byte legacy encodings); the others are tables or our own code.
bool isMultiByte(Encoding e);

// The encoding a label names, as the web maps labels: surrounding spaces ignored, any case
// ("latin1", " Shift_JIS ", "x-sjis", "iso-2022-kr" (Replacement)). The ISO-8859-1 labels name
// Latin1, which reads as browsers read them.
std::optional<Encoding> encodingForLabel(QByteArrayView label);
std::optional<Encoding> encodingForLabel(QStringView label);

} // namespace orvel
