#pragma once

#include "markup/LineEnds.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvel {

// The encodings a page is read and written in. Windows-1252 and ISO-8859-15 are our own tables
// (the toolkit's converter has neither).
enum class Encoding : quint8 { Utf8, Utf16LE, Utf16BE, Windows1252, Latin1, Latin9 };

inline constexpr Encoding kEncodings[] = {Encoding::Utf8,    Encoding::Utf16LE,
                                          Encoding::Utf16BE, Encoding::Windows1252,
                                          Encoding::Latin1,  Encoding::Latin9};

// "UTF-8", "UTF-16LE", "UTF-16BE", "Windows-1252", "ISO-8859-1", "ISO-8859-15".
QString encodingName(Encoding e);
// The encoding a charset label names ("utf-8", "latin1", "cp1252", ...), case-insensitive.
std::optional<Encoding> encodingForLabel(QByteArrayView label);
bool isUtf16(Encoding e);

// Bytes a UTF-8 page holds that are not UTF-8 are kept as stand-ins, one per byte: stand-in =
// U+EF00 + byte (U+EF80..U+EFFF for them), and a save writes each stand-in back as its byte. The
// range is private-use, so a real page has no business with it. Where a page does hold a character
// of that range, or one the document box would take for a line break (U+2029, U+FDD0, U+FDD1), the
// bytes that character was read from are kept as stand-ins too (in a UTF-16 page its two bytes),
// so nothing is lost either way. A single-byte page never holds stand-ins.
inline constexpr char16_t kRawByteBase = 0xEF00;
inline bool isRawByte(char16_t c)
{
    return c >= 0xEF00 && c <= 0xEFFF;
}

// Where a <meta> tag in the first bytes of a page names its charset (HTML5 `charset=` or the
// http-equiv content's "; charset="), in code units of the text searched.
struct CharsetDeclaration {
    qsizetype start = -1; // of the label
    qsizetype length = 0;
    bool found() const { return start >= 0; }
};
// Searches the first `limit` code units.
CharsetDeclaration findCharsetDeclaration(QByteArrayView head, qsizetype limit = 4096);
CharsetDeclaration findCharsetDeclaration(QStringView head, qsizetype limit = 4096);

// How a page's bytes were recognised.
enum class Evidence : quint8 { Bom, Declaration, Utf8, Utf16Pattern, Fallback };

struct Detection {
    Encoding encoding = Encoding::Utf8;
    qsizetype bomLength = 0; // bytes of a byte order mark at the start
    Evidence evidence = Evidence::Utf8;
    // NUL bytes or mostly control bytes at the start, and not UTF-16.
    bool binary = false;
};

// A byte order mark, then a charset declaration in the first 4 KB, then a UTF-16 pattern of NULs,
// then valid UTF-8 (or mostly so), else Windows-1252.
Detection detectEncoding(QByteArrayView bytes);

struct Decoded {
    QString text;
    qsizetype badBytes = 0;  // bytes kept as stand-ins because they are not UTF-8
    qsizetype firstBad = -1; // position in `text` of the first of them
    // A UTF-16 file of odd length: its last byte, written back after the text.
    std::optional<char> strayByte;
};

// `bytes` without the byte order mark. Line ends are kept as they are; one pass.
Decoded decodeText(QByteArrayView bytes, Encoding e);

// Writes a text in an encoding. Every line end of `text` (CR LF, CR, LF or U+2029) becomes the end
// `ends` names for that line; the rest goes through unchanged, one pass.
struct Encoded {
    QByteArray bytes;
    // Characters the encoding cannot hold, each once, in page order (at most a few dozen).
    QString unencodable;
    bool ok() const { return unencodable.isEmpty(); }
};

struct EncodeOptions {
    EncodeOptions(Encoding e = Encoding::Utf8, bool withBom = false,
                  std::optional<char> stray = std::nullopt)
        : encoding(e), bom(withBom), strayByte(stray)
    {}
    Encoding encoding;
    bool bom;
    std::optional<char> strayByte;
};

Encoded encodeText(QStringView text, const EncodeOptions& options, const LineEnds& ends);

// The byte order mark of an encoding ("" for the single-byte ones).
QByteArray byteOrderMark(Encoding e);

} // namespace orvel
