#include "page/Page.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace orvel {

QString quotedPath(const QString& path)
{
    return QStringLiteral("\"") + QDir::toNativeSeparators(path) + QStringLiteral("\"");
}

namespace {

// The label a charset declaration gets for an encoding.
QString charsetLabel(Encoding e)
{
    return isUtf16(e) ? QStringLiteral("UTF-16") : QString::fromLatin1(encodingInfo(e).label);
}

} // namespace

std::optional<CharsetRelabel> charsetRelabel(QStringView head, Encoding e)
{
    const CharsetDeclaration decl = findCharsetDeclaration(head);
    if (!decl.found())
        return std::nullopt;
    const QStringView old = head.mid(decl.start, decl.length);
    QString label = charsetLabel(e);
    if (old == old.toString().toLower())
        label = label.toLower();
    if (old.compare(label, Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return CharsetRelabel{decl.start, decl.length, label};
}

QString relabelCharset(const QString& text, Encoding e)
{
    const std::optional<CharsetRelabel> r = charsetRelabel(text, e);
    if (!r)
        return text;
    QString out = text;
    out.replace(r->start, r->length, r->label);
    return out;
}

namespace {

void fileError(const QString& what, const QString& path, const QString& reason,
               const QString& more = {})
{
    platform().message(QStringLiteral("Could not %1 %2: %3").arg(what, quotedPath(path), reason) +
                           more,
                       MsgIcon::Critical, kAssistantTitle);
}

// What stands at a path a save is about to write.
struct Target {
    bool danglingLink = false; // a symbolic link whose target is gone
    QString linkTarget;
    bool readOnly = false; // there, and its permissions forbid writing it
};

Target targetOf(const QString& path)
{
    Target t;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0)
        return t;
    if (S_ISLNK(st.st_mode) && ::stat(name.constData(), &st) != 0) {
        t.danglingLink = errno == ENOENT;
        t.linkTarget = linkChainEnd(path);
        return t;
    }
    // Root may write anything; a file nobody may write is still read-only to the user.
    t.readOnly = ::access(name.constData(), W_OK) != 0 || (st.st_mode & 0222) == 0;
    return t;
}

} // namespace

static void run(const Page::LongJob& runLong, qsizetype bytes, const std::function<void()>& job)
{
    if (runLong)
        runLong(bytes, job);
    else
        job();
}

Page::Page(QObject* parent) : QObject(parent) {}

void Page::setFormat(const PageFormat& format)
{
    m_format = format;
    emit formatChanged();
}

void Page::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged();
}

void Page::setPath(const QString& path)
{
    if (m_path == path)
        return;
    m_path = path;
    emit pathChanged();
}

void Page::startNew(const PageFormat& format)
{
    m_disk = DiskState();
    m_autoSavePaused = false;
    m_autoSaveWarned = false;
    setPath(QString());
    setFormat(format);
    setModified(false);
}

std::optional<PageRead> Page::read(const QString& path, std::optional<Encoding> encoding,
                                   const LongJob& runLong)
{
    PageRead page;
    run(runLong, QFileInfo(path).size(), [&] { page = readPage(path, encoding); });
    if (!page.ok) {
        fileError(QStringLiteral("open"), path, page.error);
        return std::nullopt;
    }
    return page;
}

void Page::adopt(const QString& path, const PageRead& read)
{
    m_disk = read.disk;
    m_autoSavePaused = false;
    m_autoSaveWarned = false;
    setPath(path);
    setFormat(read.format);
    setModified(false);
}

void Page::reportEncoding(const QString& path, const PageRead& read)
{
    const QString notice =
        encodingNotice(quotedPath(path), read.detection, read.badBytes, read.firstBad);
    if (!notice.isEmpty())
        platform().message(notice, MsgIcon::Exclamation, kAssistantTitle);
}

// The questions before a file is overwritten. AutoSave never answers them itself: it says once
// why it did not save and waits for a save the user makes.
bool Page::mayOverwrite(const QString& path, const SaveRequest& request, Saved& outcome)
{
    const bool autoSave = request.by == SaveBy::AutoSave;
    const auto pauseAutoSave = [this](const QString& why) {
        if (!m_autoSaveWarned)
            platform().message(why + QStringLiteral(" AutoSave does not overwrite it; choose File "
                                                    "> Save to decide."),
                               MsgIcon::Exclamation, kAssistantTitle);
        m_autoSaveWarned = true;
        m_autoSavePaused = true;
        return false;
    };
    if (path == m_path && m_disk.known) {
        // When the stamps cannot tell, the whole file is read back: a long one off the window's
        // thread.
        DiskChange change = DiskChange::Same;
        if (const std::optional<DiskChange> byStamps = diskChangeByStamps(path, m_disk))
            change = *byStamps;
        else
            run(request.runLong, m_disk.size, [&] { change = diskChange(path, m_disk); });
        if (change == DiskChange::Changed) {
            const QString changed =
                quotedPath(path) + QStringLiteral(" was changed by another program since it was "
                                                  "opened or saved here.");
            if (autoSave)
                return pauseAutoSave(changed);
            const QString choices =
                request.canReload
                    ? QStringLiteral("\n\nYes: overwrite it with this page.\nNo: reload it from "
                                     "disk (Undo brings your edits back).\nCancel: leave both as "
                                     "they are.")
                    : QStringLiteral("\n\nYes: overwrite it with this page.\nNo: leave both as "
                                     "they are.");
            const MsgAnswer a = platform().messageBox(
                {kAssistantTitle, changed + choices,
                 request.canReload ? MsgButtons::YesNoCancel : MsgButtons::YesNo,
                 MsgIcon::Exclamation, request.canReload ? MsgAnswer::Cancel : MsgAnswer::No});
            if (a == MsgAnswer::No && request.canReload)
                outcome = Saved::Reload;
            if (a != MsgAnswer::Yes)
                return false;
        }
    }
    const Target target = targetOf(path);
    if (target.danglingLink) {
        const QString gone = quotedPath(path) + QStringLiteral(" is a link to ") +
                             quotedPath(target.linkTarget) +
                             QStringLiteral(", which no longer exists.");
        if (autoSave)
            return pauseAutoSave(gone);
        return platform().ask(kAssistantTitle,
                              gone + QStringLiteral(" Save the page there, creating it?"),
                              MsgAnswer::No, MsgIcon::Exclamation) == MsgAnswer::Yes;
    }
    if (target.readOnly) {
        const QString readOnly =
            quotedPath(path) + QStringLiteral(" is read-only: its permissions do not allow "
                                              "writing it.");
        if (autoSave)
            return pauseAutoSave(readOnly);
        return platform().ask(kAssistantTitle,
                              readOnly + QStringLiteral(" Save over it anyway? It stays "
                                                        "read-only."),
                              MsgAnswer::No, MsgIcon::Exclamation) == MsgAnswer::Yes;
    }
    return true;
}

Page::Saved Page::save(const QString& path, const std::function<PageText()>& text,
                       const SaveRequest& request)
{
    const bool autoSave = request.by == SaveBy::AutoSave;
    if (autoSave && m_autoSavePaused)
        return Saved::NotSaved;
    if (m_format.readOnly) {
        if (!autoSave)
            platform().message(quotedPath(path) +
                                   QStringLiteral(" was opened read-only because it is not a "
                                                  "text page. Nothing was saved."),
                               MsgIcon::Exclamation, kAssistantTitle);
        return Saved::NotSaved;
    }
    Saved outcome = Saved::NotSaved;
    if (!mayOverwrite(path, request, outcome))
        return outcome;
    for (;;) {
        // What is written is the page as it was when the questions were answered.
        const PageText page = text();
        PageFormat format = m_format;
        format.ends = page.ends;
        PageWrite written;
        run(request.runLong, page.text.size(),
            [&] { written = writePage(path, page.text, format); });
        if (!written.unencodable.isEmpty()) {
            const Encoding before = m_format.encoding;
            // Bytes that were no character where the page was read come back only in that
            // encoding: UTF-8 would not hold them either, so that is no way out for them.
            QString characters;
            qsizetype strays = 0;
            for (const QChar c : std::as_const(written.unencodable)) {
                if (isRawByte(c.unicode()))
                    ++strays;
                else
                    characters += c;
            }
            const QString cannot =
                characters.isEmpty()
                    ? QStringLiteral("%1 cannot hold %2 byte(s) of the page that were no character "
                                     "in %3 (they show as stand-in characters). Delete them, or "
                                     "save the page in %3 again (Format > Encoding > Save as).")
                          .arg(encodingName(before))
                          .arg(strays)
                          .arg(encodingName(m_format.readIn))
                    : QStringLiteral("%1 cannot hold these characters of the page: %2")
                          .arg(encodingName(before), characters);
            if (autoSave) {
                if (!m_autoSavePaused)
                    platform().message(cannot + QStringLiteral("\n\nAutoSave is paused until the "
                                                               "page is saved."),
                                       MsgIcon::Exclamation, kAssistantTitle);
                m_autoSavePaused = true;
                return Saved::NotSaved;
            }
            if (characters.isEmpty() || before == Encoding::Utf8 || !request.changeEncoding) {
                platform().message(cannot + QStringLiteral("\n\nNothing was saved."),
                                   MsgIcon::Exclamation, kAssistantTitle);
                return Saved::NotSaved;
            }
            if (platform().ask(kAssistantTitle,
                               cannot +
                                   QStringLiteral("\n\nSave the page as UTF-8 instead? (No goes "
                                                  "back to the page; nothing is saved.)"),
                               MsgAnswer::No, MsgIcon::Exclamation) != MsgAnswer::Yes)
                return Saved::NotSaved;
            request.changeEncoding(Encoding::Utf8);
            if (m_format.encoding == before)
                return Saved::NotSaved;
            continue;
        }
        if (!written.ok) {
            if (!autoSave) {
                fileError(QStringLiteral("save"), path, written.error);
            } else if (!m_autoSavePaused) {
                // Once, not at every tick: AutoSave waits for a save that works.
                fileError(QStringLiteral("save"), path, written.error,
                          QStringLiteral(". AutoSave is paused until the page is saved."));
                m_autoSavePaused = true;
            }
            return Saved::NotSaved;
        }
        m_disk = written.disk;
        m_autoSavePaused = false;
        m_autoSaveWarned = false;
        setPath(path);
        return Saved::Done;
    }
}

} // namespace orvel
