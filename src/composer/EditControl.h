#pragma once

#include "markup/PageSource.h"
#include "markup/TextCodec.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QWebEngineView>
#include <future>
#include <memory>

class QTemporaryFile;
class QWebEngineProfile;

namespace orvel {

// Identifiers of the editing commands, numbered as the Composer's menus and toolbar know them.
enum EditCommand : int {
    DECMD_BOLD = 5000,
    DECMD_COPY = 5002,
    DECMD_CUT = 5003,
    DECMD_DELETE = 5004,
    DECMD_DELETECELLS = 5005,
    DECMD_DELETECOLS = 5006,
    DECMD_DELETEROWS = 5007,
    DECMD_FINDTEXT = 5008,
    DECMD_FONT = 5009,
    DECMD_HYPERLINK = 5016,
    DECMD_IMAGE = 5017,
    DECMD_INDENT = 5018,
    DECMD_INSERTCELL = 5019,
    DECMD_INSERTCOL = 5020,
    DECMD_INSERTROW = 5021,
    DECMD_ITALIC = 5023,
    DECMD_JUSTIFYCENTER = 5024,
    DECMD_JUSTIFYLEFT = 5025,
    DECMD_JUSTIFYRIGHT = 5026,
    DECMD_MERGECELLS = 5029,
    DECMD_ORDERLIST = 5030,
    DECMD_OUTDENT = 5031,
    DECMD_PASTE = 5032,
    DECMD_REDO = 5033,
    DECMD_REMOVEFORMAT = 5034,
    DECMD_SELECTALL = 5035,
    DECMD_SPLITCELL = 5047,
    DECMD_UNDERLINE = 5048,
    DECMD_UNDO = 5049,
    DECMD_UNORDERLIST = 5051,
    // Full justification, which the toolbar's "Justify" asks for.
    DECMD_JUSTIFYFULL = 5052,
};

struct EditResult {
    bool ok = false;
    QString error;
};

// The page as rendered HTML, editable in place: a web view whose document is in design mode.
// The page's own scripts never run here (scripting is off for the page); the control's helpers
// run in a script world of their own. Nothing remote is fetched unless the page was opened from
// an address. Loads are asynchronous (`loaded` follows); reading the page back waits for the
// engine's answer.
class EditControl : public QWebEngineView {
    Q_OBJECT
public:
    explicit EditControl(QWidget* parent = nullptr);
    ~EditControl() override;

    // Reads the file and shows it. On failure the page shown stays and the reason is returned.
    EditResult loadDocument(const QString& path);
    // Shows `markup` through a private temporary file that is removed once it has been read.
    EditResult loadFragment(const QString& markup);
    void loadUrl(const QString& address);
    void newDocument();
    // Writes the page to `path`. A page not edited since it was loaded from a file is written
    // with that file's bytes; an edited one is serialized with its doctype and head.
    EditResult saveDocument(const QString& path);

    // Runs one of the numbered commands; false when it did not apply (no table cell at the caret).
    bool execCommand(int command);

    bool showDetails() const { return m_showDetails; }
    void setShowDetails(bool on);
    bool browseMode() const { return m_browseMode; }
    void setBrowseMode(bool on);

    // The page's markup as it would be saved, and whether it changed since it was loaded.
    QString documentHtml();
    // The page's text as edited: the text it was loaded from with only the edited parts changed
    // (see PageSource); a page not read from a file is serialized whole.
    QString editedText();
    // What the last editedText() could not splice and wrote anew.
    const SpliceStats& spliceStats() const { return m_spliceStats; }
    bool isEdited();
    bool isLoading() const { return m_loading; }
    // The body's markup (the side control's fragment).
    QString bodyHtml();
    // Types `text` at the caret as if it had been typed; inserts `html` at the caret.
    void typeText(const QString& text);
    void insertHtml(const QString& html);

    // Runs `script` in the control's own script world and waits for its result.
    QVariant evaluate(const QString& script);
    // The path of the private file a fragment load is reading now ("" when none).
    QString pendingFragmentPath() const;

signals:
    void loaded(bool ok);

private:
    void afterLoad(bool ok);
    void applyModes();
    QString call(const QString& function, const QString& argument = {});
    QString serializedText();
    void markSaved(const QString& text);
    // Reads the page's text and the browser's tree of it on a worker thread, ready for the next
    // splice (`loadedJson` "" where the control already holds the tree).
    void prepareSplice(const QString& loadedJson);

    QWebEngineProfile* m_profile = nullptr;
    class Page;
    Page* m_page = nullptr;
    QByteArray m_pristine; // the bytes the page was loaded from, while it has not been edited
    bool m_hasPristine = false;
    // The page's text as read (until the page seam hands it over decoded) and how it was read.
    QString m_original;
    Encoding m_encoding = Encoding::Utf8;
    qsizetype m_bomLength = 0;
    // m_original read as the browser reads it, with the browser's tree of it (as marked) and that
    // tree's elements in order; made off the window's thread after each load and save.
    struct Prepared {
        std::unique_ptr<PageSource> source;
        std::shared_ptr<const PageNode> marked;
        MarkedTree elements;
    };
    static Prepared readForSplice(QString text, QString json, std::unique_ptr<PageNode> saved,
                                  std::shared_ptr<const PageNode> savedFrom);
    Prepared m_prepared;
    std::future<Prepared> m_preparing;
    int m_generation = 0; // of loads, so a late answer for an earlier page is dropped
    std::unique_ptr<PageNode> m_lastEdited;
    SpliceStats m_spliceStats;
    bool m_loading = false;
    bool m_showDetails = false;
    bool m_browseMode = false;
    std::unique_ptr<QTemporaryFile> m_fragment;
};

} // namespace orvel
