#include "editor/PageFile.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

#include <bit>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace orvel {

namespace {

constexpr qint64 kSecondNs = 1000000000;

qint64 nowNs()
{
    return QDateTime::currentMSecsSinceEpoch() * 1000000;
}

DiskState stateOf(const struct stat& st, quint64 hash)
{
    DiskState d;
    d.known = true;
    d.size = st.st_size;
    d.mtimeNs = qint64(st.st_mtim.tv_sec) * kSecondNs + st.st_mtim.tv_nsec;
    d.inode = st.st_ino;
    d.device = st.st_dev;
    d.hash = hash;
    // A file system that keeps whole seconds, or a time stamp so recent that another write in the
    // same tick would not move it.
    d.uncertain = st.st_mtim.tv_nsec == 0 || nowNs() - d.mtimeNs < 2 * kSecondNs;
    return d;
}

} // namespace

// Eight bytes a step, multiply and rotate: several times the toolkit's byte hash, and enough to
// tell a changed file from the one we know (it guards against accidents, not against an enemy).
quint64 pageHash(QByteArrayView bytes)
{
    constexpr quint64 kMul = 0x9E3779B97F4A7C15ull;
    quint64 h = quint64(bytes.size()) * kMul;
    const char* p = bytes.data();
    qsizetype n = bytes.size();
    for (; n >= 8; p += 8, n -= 8) {
        quint64 w;
        std::memcpy(&w, p, 8);
        h = (std::rotl(h, 29) ^ w) * kMul;
    }
    quint64 tail = 0;
    std::memcpy(&tail, p, size_t(n));
    h = (std::rotl(h, 29) ^ tail) * kMul;
    return h ^ (h >> 31);
}

DiskChange diskChange(const QString& path, const DiskState& known)
{
    // Nothing there to protect (the save itself reports a path it cannot write), or nothing
    // known of the file to compare with.
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return DiskChange::Gone;
    if (!known.known)
        return DiskChange::Same;
    if (st.st_size != known.size)
        return DiskChange::Changed;
    const qint64 mtime = qint64(st.st_mtim.tv_sec) * kSecondNs + st.st_mtim.tv_nsec;
    const bool sameStamp =
        mtime == known.mtimeNs && st.st_ino == known.inode && st.st_dev == known.device;
    if (sameStamp && !known.uncertain)
        return DiskChange::Same;
    // Touched, replaced by a copy, or not to be trusted: the bytes decide.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sameStamp ? DiskChange::Same : DiskChange::Changed;
    return pageHash(file.readAll()) == known.hash ? DiskChange::Same : DiskChange::Changed;
}

PageRead readPage(const QString& path, std::optional<Encoding> encoding)
{
    PageRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    struct stat st {};
    if (::fstat(file.handle(), &st) != 0 || S_ISDIR(st.st_mode)) {
        result.error = QStringLiteral("It is a folder, not a file");
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.disk = stateOf(st, pageHash(bytes));

    Detection& d = result.detection;
    d = detectEncoding(bytes);
    if (encoding) {
        // The user's choice; a byte order mark of that encoding still is one.
        const QByteArray bom = byteOrderMark(*encoding);
        d.bomLength = !bom.isEmpty() && bytes.startsWith(bom) ? bom.size() : 0;
        d.encoding = *encoding;
        d.binary = false;
    }
    PageFormat& f = result.format;
    f.encoding = d.encoding;
    f.readIn = d.encoding;
    f.bom = d.bomLength > 0;
    f.readOnly = d.binary;
    f.addFinalLineEnd = false;
    Decoded decoded = decodeText(QByteArrayView(bytes).sliced(d.bomLength), d.encoding);
    f.strayByte = decoded.strayByte;
    result.badBytes = decoded.badBytes;
    if (decoded.firstBad >= 0)
        result.firstBad = lineColumnAt(decoded.text, decoded.firstBad);
    f.ends = scanLineEnds(decoded.text);
    result.text = std::move(decoded.text);
    result.ok = true;
    return result;
}

Encoded encodePage(QStringView text, const PageFormat& format)
{
    const EncodeOptions options{format.encoding, format.bom, format.strayByte, format.readIn};
    if (format.addFinalLineEnd && !text.isEmpty() && !isLineBreak(text.back().unicode())) {
        // One more line end after the last line: its number is the count of ends before it.
        QString ended = text.toString();
        ended.append(u'\n');
        return encodeText(ended, options, format.ends);
    }
    return encodeText(text, options, format.ends);
}

PageWrite writePage(const QString& path, QStringView text, const PageFormat& format)
{
    Encoded encoded = encodePage(text, format);
    if (!encoded.ok()) {
        PageWrite result;
        result.unencodable = encoded.unencodable;
        return result;
    }
    return writeBytes(path, encoded.bytes);
}

PageWrite writeBytes(const QString& path, const QByteArray& bytes)
{
    PageWrite result;
    // The file being replaced (through a link, its target): its owner and group go to the new one.
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (replacing) {
        struct stat fresh {};
        if (::fstat(file.handle(), &fresh) == 0 &&
            (fresh.st_uid != old.st_uid || fresh.st_gid != old.st_gid)) {
            // Only root may give a file away; anyone may keep its group if they belong to it.
            if (::fchown(file.handle(), old.st_uid, old.st_gid) != 0)
                (void)!::fchown(file.handle(), uid_t(-1), old.st_gid);
            // Changing the owner clears set-id bits; the mode goes back as it was.
            (void)!::fchmod(file.handle(), old.st_mode & 07777);
        }
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        result.disk = stateOf(st, pageHash(bytes));
    result.ok = true;
    return result;
}

} // namespace orvel
