#include "page/PageFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace orvel {

namespace {

constexpr qint64 kSecondNs = 1000000000;

qint64 nowNs()
{
    return QDateTime::currentMSecsSinceEpoch() * 1000000;
}

// `written`: the state is our own save's, taken right after it.
DiskState stateOf(const struct stat& st, quint64 hash, bool written)
{
    DiskState d;
    d.known = true;
    d.size = st.st_size;
    d.mtimeNs = qint64(st.st_mtim.tv_sec) * kSecondNs + st.st_mtim.tv_nsec;
    d.inode = st.st_ino;
    d.device = st.st_dev;
    d.hash = hash;
    d.ctimeNs = qint64(st.st_ctim.tv_sec) * kSecondNs + st.st_ctim.tv_nsec;
    // Whole seconds cannot tell two writes apart. Finer stamps move at every tick of the system's
    // coarse clock (a few milliseconds): a file read within a tenth of a second of its last change
    // may be changed again within the same tick, by the same size. The change time is the one to
    // ask, as nobody can set it back. After our own save, another program would have to write as
    // many bytes within that tick of our rename.
    d.uncertain = st.st_mtim.tv_nsec == 0 || (!written && nowNs() - d.ctimeNs < kSecondNs / 10);
    return d;
}

} // namespace

// Multiply and rotate, eight bytes a step in four lanes that the processor runs side by side:
// enough to tell a changed file from the one we know (it guards against accidents, not against
// an enemy), at about the speed the file is read.
quint64 pageHash(QByteArrayView bytes)
{
    constexpr quint64 kMul = 0x9E3779B97F4A7C15ull;
    const char* p = bytes.data();
    qsizetype n = bytes.size();
    quint64 lane[4];
    for (int l = 0; l < 4; ++l)
        lane[l] = (quint64(n) + quint64(l)) * kMul;
    for (; n >= 32; p += 32, n -= 32) {
        for (int l = 0; l < 4; ++l) {
            quint64 w;
            std::memcpy(&w, p + 8 * l, 8);
            lane[l] = (std::rotl(lane[l], 29) ^ w) * kMul;
        }
    }
    quint64 h = lane[0];
    for (int l = 1; l < 4; ++l)
        h = (std::rotl(h, 29) ^ lane[l]) * kMul;
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

namespace {

// The stamps of the file at `path`, compared with `known`; whether they can be trusted is the
// caller's question.
std::optional<DiskChange> compareStamps(const QString& path, const DiskState& known,
                                        bool& sameStamp)
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
    const qint64 ctime = qint64(st.st_ctim.tv_sec) * kSecondNs + st.st_ctim.tv_nsec;
    sameStamp = mtime == known.mtimeNs && ctime == known.ctimeNs && st.st_ino == known.inode &&
                st.st_dev == known.device;
    return std::nullopt;
}

} // namespace

std::optional<DiskChange> diskChangeByStamps(const QString& path, const DiskState& known)
{
    bool sameStamp = false;
    if (const std::optional<DiskChange> change = compareStamps(path, known, sameStamp))
        return change;
    if (sameStamp && !known.uncertain)
        return DiskChange::Same;
    return std::nullopt;
}

DiskChange diskChange(const QString& path, const DiskState& known)
{
    bool sameStamp = false;
    if (const std::optional<DiskChange> change = compareStamps(path, known, sameStamp))
        return *change;
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
    result.disk = stateOf(st, pageHash(bytes), false);

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

QString linkChainEnd(const QString& path)
{
    QString at = path;
    // A loop of links ends the walk; the save then fails on the path itself.
    for (int hop = 0; hop < 40; ++hop) {
        const QFileInfo info(at);
        if (!info.isSymLink())
            return at;
        // QFileInfo makes a relative target absolute against the link's folder.
        at = info.symLinkTarget();
    }
    return path;
}

namespace {

// The reason a write failed, in plain words where a user can act on it.
QString writeErrorText(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("the disk is full");
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case EACCES:
    case EPERM:
        return QStringLiteral("you have no permission to write there");
    case EFBIG:
        return QStringLiteral("the file would be larger than this system allows");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// The mode a new file gets: what the process's umask leaves of rw-rw-rw-. Read once, from the
// kernel's own report (asking umask() itself would change it for a moment under other threads).
mode_t newFileMode()
{
    static const mode_t mode = [] {
        mode_t mask = 022;
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
                if (line.startsWith("Umask:")) {
                    bool ok = false;
                    const uint value = line.mid(6).trimmed().toUInt(&ok, 8);
                    if (ok)
                        mask = mode_t(value);
                    break;
                }
            }
        }
        return mode_t(0666 & ~mask);
    }();
    return mode;
}

bool writeAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(std::min<qsizetype>(size, 1 << 30)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

PageWrite writeBytes(const QString& path, const QByteArray& bytes)
{
    PageWrite result;
    // Through a symbolic link its target is replaced, and the link stays a link.
    const QByteArray target = QFile::encodeName(linkChainEnd(path));
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    // All bytes go to a file of our own beside the target, which then takes the target's name in
    // one step: a save that fails or is cut short leaves the old file whole.
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray temporary = target.left(slash + 1) + '.' + target.mid(slash + 1) + ".orvel-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    const auto fail = [&](int error) {
        result.error = writeErrorText(error);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(temporary.constData());
        }
        return result;
    };
    if (fd < 0)
        return fail(errno);
    if (!writeAll(fd, bytes.constData(), bytes.size()) || ::fsync(fd) != 0)
        return fail(errno);
    if (replacing) {
        // Only root may give a file away; anyone may keep its group if they belong to it.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)!::fchown(fd, uid_t(-1), old.st_gid);
    }
    // The file keeps its mode, read-only included (changing the owner cleared set-id bits).
    if (::fchmod(fd, replacing ? old.st_mode & 07777 : newFileMode()) != 0 && replacing)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        result.error = writeErrorText(error);
        return result;
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        result.error = writeErrorText(error);
        return result;
    }
    struct stat st {};
    if (::stat(target.constData(), &st) == 0)
        result.disk = stateOf(st, pageHash(bytes), true);
    result.ok = true;
    return result;
}

} // namespace orvel
