#pragma once

#include "markup/CharsetPrescan.h"
#include "markup/Encoding.h"
#include "markup/LineEnds.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvel {

// Bytes a page holds that are not characters of its encoding are kept as stand-ins, one per byte:
// stand-in = U+EF00 + byte, and a save in the same encoding writes each stand-in back as its byte.
// The range is private-use, so a real page has no business with it. Where a page does hold a
// character of that range, or one the document box would take for a line break (U+2029, U+FDD0,
// U+FDD1), the bytes that character was read from are kept as stand-ins too (in a UTF-16 page its
// two bytes), so nothing is lost either way. So are the bytes of a character that would be
// written back as other bytes (Shift_JIS has two ways to write some), and of an ISO-2022-JP line
// whose switches of character set would be written otherwise.
inline constexpr char16_t kRawByteBase = 0xEF00;
inline bool isRawByte(char16_t c)
{
    return c >= 0xEF00 && c <= 0xEFFF;
}

// How a page's bytes were recognised.
enum class Evidence : quint8 { Bom, Declaration, Utf8, Utf16Pattern, Fallback };

struct Detection {
    Encoding encoding = Encoding::Utf8; // what the page is read in
    qsizetype bomLength = 0;            // bytes of a byte order mark at the start
    Evidence evidence = Evidence::Utf8;
    // NUL bytes or mostly control bytes at the start, and not UTF-16.
    bool binary = false;
    // The page's charset declaration (in the bytes after any byte order mark) and its label as
    // written, whether or not it was followed: see declarationTrouble.
    CharsetDeclaration declaration;
    QByteArray declaredLabel;
};

// A byte order mark; then the charset declaration browsers find, when it names an encoding Orvel
// reads and the bytes do not contradict it (a page declaring a legacy encoding whose bytes are
// UTF-8 with non-ASCII characters is UTF-8; one declaring UTF-8 whose bytes are mostly not is
// Windows-1252); then a UTF-16 pattern of NULs, then valid UTF-8 (or mostly so), else
// Windows-1252.
Detection detectEncoding(QByteArrayView bytes);

// What is wrong with a page's declaration, if anything.
enum class DeclarationTrouble : quint8 {
    None,
    UnknownLabel, // it names no encoding
    Unreadable,   // it names one browsers refuse to read (or Orvel's ICU lacks)
    Contradicted, // the bytes (or a byte order mark) say otherwise, and were followed
};
DeclarationTrouble declarationTrouble(const Detection& d);

// What a person opening a page is told about how it was read: its declaration's trouble, what
// was declared and what is used, and bytes that are not characters of the encoding (how many, the
// first where). Empty when there is nothing to tell. `page` is the page's name as shown, with
// which the message begins.
QString encodingNotice(const QString& page, const Detection& d, qsizetype badBytes = 0,
                       LineColumn firstBad = {});

struct Decoded {
    QString text;
    qsizetype badBytes = 0;  // bytes kept as stand-ins because they are not characters
    qsizetype firstBad = -1; // position in `text` of the first of them
    // A UTF-16 file of odd length: its last byte, written back after the text.
    std::optional<char> strayByte;
};

// `bytes` without the byte order mark. Line ends are kept as they are.
Decoded decodeText(QByteArrayView bytes, Encoding e);

// Writes a text in an encoding. Every line end of `text` (CR LF, CR, LF or U+2029) becomes the end
// `ends` names for that line; the rest goes through unchanged.
struct Encoded {
    QByteArray bytes;
    // Characters the encoding cannot hold, each once, in page order (at most a few dozen).
    QString unencodable;
    bool ok() const { return unencodable.isEmpty(); }
};

struct EncodeOptions {
    EncodeOptions(Encoding e = Encoding::Utf8, bool withBom = false,
                  std::optional<char> stray = std::nullopt,
                  std::optional<Encoding> from = std::nullopt)
        : encoding(e), bom(withBom), strayByte(stray), readIn(from)
    {}
    Encoding encoding;
    bool bom;
    std::optional<char> strayByte;
    // The encoding the text was read in, when not `encoding`: its stand-ins are bytes of that
    // encoding, so they are read back into the characters they stand for (U+2029, a private-use
    // character) and written as those; a stand-in of a byte that was no character there is
    // unencodable.
    std::optional<Encoding> readIn;
};

Encoded encodeText(QStringView text, const EncodeOptions& options, const LineEnds& ends);

// The byte order mark of an encoding ("" for the others).
QByteArray byteOrderMark(Encoding e);

} // namespace orvel
