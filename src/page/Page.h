#pragma once

#include "page/PageFile.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace orvel {

enum class SaveBy { User, AutoSave };
// A page is opened by the user (File > Open, a dropped file, the command line), or handed from
// one window to the other: the handing over says nothing the first opening said already.
enum class OpenedBy { User, Switch };

// What a window hands over to be saved: the characters, and how each of their lines ends.
struct PageText {
    QString text;
    LineEnds ends;
};

// The one page both windows edit: its file's path, the bytes it is kept in (encoding, byte order
// mark, line ends), whether it was changed since it was last read or written, and the file as it
// was then. The Composer and the source window each show it; neither keeps a path of its own, and
// every read and write of the page's file goes through here, with the questions that come with it
// (a file changed by another program, a read-only file, a link whose target is gone, characters
// the encoding cannot hold, a full disk).
class Page : public QObject {
    Q_OBJECT
public:
    explicit Page(QObject* parent = nullptr);

    // Runs a read or write of `bytes` bytes: a window runs a long one off its thread and shows
    // progress meanwhile. Without one the job runs at once.
    using LongJob = std::function<void(qsizetype bytes, const std::function<void()>& job)>;

    // The page's file; empty while the page has never been saved.
    const QString& path() const { return m_path; }
    bool hasFile() const { return !m_path.isEmpty(); }

    const PageFormat& format() const { return m_format; }
    void setFormat(const PageFormat& format);
    const DiskState& disk() const { return m_disk; }

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    // A page never saved, written in `format` once it is.
    void startNew(const PageFormat& format = {});
    // Reads the file at `path` (in `encoding` when given). When it cannot be read the user is told
    // why and nothing is returned; the page itself is not changed either way.
    std::optional<PageRead> read(const QString& path,
                                 std::optional<Encoding> encoding = std::nullopt,
                                 const LongJob& runLong = {});
    // The page is now the file just read from `path`.
    void adopt(const QString& path, const PageRead& read);
    // Tells the user how `path` was read, if there is something to tell: a charset declaration
    // that could not be followed (what was declared, what is used), bytes that could not be read
    // in its encoding.
    static void reportEncoding(const QString& path, const PageRead& read);

    struct SaveRequest {
        SaveBy by = SaveBy::User;
        // The window can take the file back from disk when another program changed it.
        bool canReload = false;
        // Asked to save in another encoding when the page's cannot hold some character; the
        // window brings the page's charset declaration along. Without it the save stops there.
        std::function<void(Encoding)> changeEncoding;
        LongJob runLong;
    };
    enum class Saved { Done, NotSaved, Reload };
    // Writes the page to `path` (its own file, or a new one for Save As): `text` is asked for once
    // the questions are answered. Done also moves the page to `path`.
    Saved save(const QString& path, const std::function<PageText()>& text,
               const SaveRequest& request);

    // A save by AutoSave failed and the user was told; AutoSave waits for a save that works.
    bool autoSavePaused() const { return m_autoSavePaused; }

signals:
    void pathChanged();
    void formatChanged();
    void modifiedChanged();

private:
    bool mayOverwrite(const QString& path, const SaveRequest& request, Saved& outcome);
    void setPath(const QString& path);

    QString m_path;
    PageFormat m_format;
    DiskState m_disk;
    bool m_modified = false;
    bool m_autoSavePaused = false;
    bool m_autoSaveWarned = false; // AutoSave said the file changed on disk
};

// A path as messages show it: in quotes, with the desktop's separators.
QString quotedPath(const QString& path);

// The change that makes a page's live charset declaration name `e`: the label's place in `head`
// (the start of the page) and the label it gets, in the old label's letter case. Nothing when the
// page declares no charset or already names `e`.
struct CharsetRelabel {
    qsizetype start = 0;
    qsizetype length = 0;
    QString label;
};
std::optional<CharsetRelabel> charsetRelabel(QStringView head, Encoding e);
// `text` with its charset declaration naming `e`.
QString relabelCharset(const QString& text, Encoding e);

} // namespace orvel
