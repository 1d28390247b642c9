#pragma once

#include "markup/LineEnds.h"
#include "markup/TextCodec.h"

#include <QString>
#include <optional>

namespace orvel {

// Reading and writing pages. A page keeps the bytes it was read in: its encoding (and byte order
// mark), its line ends, line by line where it mixes them, and whether it ends in a line end. In
// memory every line end is one; the model counts it as CR LF.

// What a page's file holds besides its characters.
struct PageFormat {
    Encoding encoding = Encoding::Utf8;
    // The encoding the text was read in: its stand-ins are bytes of that encoding, which a save
    // in another one writes as the characters they stand for (or names as unencodable).
    Encoding readIn = Encoding::Utf8;
    bool bom = false;
    // The line-end style, and at read time the lines that end otherwise.
    LineEnds ends;
    std::optional<char> strayByte; // the odd last byte of a UTF-16 file
    // A page not read from a file (New) gets a line end after its last line when saved; a page
    // read from one keeps its last line as it was.
    bool addFinalLineEnd = true;
    // Not text (NUL or control bytes): shown only, never written.
    bool readOnly = false;
};

// The file as last read or written, to tell whether someone else changed it since.
struct DiskState {
    bool known = false;
    qint64 size = 0;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    quint64 hash = 0;
    // Whether size and time alone cannot show a change: the clock of the file system is coarse,
    // or the file was read within its own time stamp's granularity.
    bool uncertain = true;
};

enum class DiskChange { Same, Changed, Gone };

// Compares the file at `path` with `known`: size, time, inode, and, where those agree but cannot
// be trusted (or disagree without a change in size), the bytes' hash.
DiskChange diskChange(const QString& path, const DiskState& known);
// What the file's size and time stamps alone tell; nothing when only its bytes can tell.
std::optional<DiskChange> diskChangeByStamps(const QString& path, const DiskState& known);

quint64 pageHash(QByteArrayView bytes);

struct PageRead {
    bool ok = false;
    QString error; // the system's reason when !ok
    // The characters, line ends as the file has them (the document box and withCrLfEnds take any).
    QString text;
    PageFormat format;
    Detection detection;
    qsizetype badBytes = 0; // not characters of the encoding (kept as stand-ins)
    LineColumn firstBad;    // where the first of them is
    DiskState disk;
};

// Reads `path`, in `encoding` when given, else in the encoding the bytes show.
PageRead readPage(const QString& path, std::optional<Encoding> encoding = std::nullopt);

struct PageWrite {
    bool ok = false;
    QString error;
    // Characters the page's encoding cannot hold; nothing was written.
    QString unencodable;
    DiskState disk;
};

// The bytes `text` is written as: its line ends as `format` says (text may hold any line end).
Encoded encodePage(QStringView text, const PageFormat& format);

// Writes `text` in `format`. The file is replaced atomically: a failed save leaves the old file
// whole and no temporary file behind. A symbolic link stays a link (its target is replaced); the
// file's mode (read-only included), owner and group are kept. A failure names its reason in plain
// words ("the disk is full").
PageWrite writePage(const QString& path, QStringView text, const PageFormat& format = {});
PageWrite writeBytes(const QString& path, const QByteArray& bytes);

// The file a save to `path` replaces: the end of its chain of symbolic links (which may not
// exist), or `path` itself.
QString linkChainEnd(const QString& path);

} // namespace orvel
