#pragma once

#include "markup/LineEnds.h"
#include "markup/PageSource.h"

#include <QByteArray>
#include <QKeySequence>
#include <QList>
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
// an address, and nothing but the control's own loads replaces the page shown (not a refresh, a
// redirect or a link of the page). Loads are asynchronous (`loaded` follows); reading the page
// back waits for the engine's answer.
class EditControl : public QWebEngineView {
    Q_OBJECT
public:
    explicit EditControl(QWidget* parent = nullptr);
    ~EditControl() override;

    // The address scheme pages are shown under; registered with the engine before any view
    // exists (start-up and the tests' main do it).
    static void registerPageScheme();

    // Shows `text`, the characters of the page read from `path` (empty for a page never saved),
    // exactly as given: the engine does not decode the file again, so what it shows is what the
    // page file's own encoding holds. Relative addresses are resolved against the page's folder.
    void showPage(const QString& text, const QString& path);
    // A new page: a doctype, a charset declaration and an empty paragraph.
    void newDocument();
    static const QString kNewPage;
    // Reads the file and shows it as it is (the side control's fragments).
    EditResult loadDocument(const QString& path);
    // Shows `markup` through a private temporary file that is removed once it has been read.
    EditResult loadFragment(const QString& markup);
    void loadUrl(const QString& address);

    // The page's text as it would be saved: the text it was shown with while it has not been
    // edited, else that text with only the edited parts changed (see PageSource). A page opened
    // from an address (or one whose tree the engine did not hand over) is the engine's markup,
    // its line ends in `style` and a line end after its last line. Empty when the engine did not
    // hand the page over.
    QString pageText(LineEnd style);
    // Counts the documents the control was given to show: the same count, the same document.
    quint64 loads() const { return m_loads; }
    // What the last pageText() could not splice and wrote anew.
    const SpliceStats& spliceStats() const { return m_spliceStats; }
    // The last pageText() is the engine's markup of the whole page, though the page was read from
    // a file: the editor did not tell what was edited.
    bool rewroteWholePage() const { return m_rewroteWhole; }
    // The text just written to the page's file is what the page now stands for.
    void markSaved(const QString& text);
    // The text the page was shown with; empty for a page opened from an address.
    const QString& originalText() const { return m_original; }

    // Runs one of the numbered commands; false when it did not apply (no table cell at the caret).
    bool execCommand(int command);

    bool showDetails() const { return m_showDetails; }
    void setShowDetails(bool on);
    bool browseMode() const { return m_browseMode; }
    void setBrowseMode(bool on);

    // The page's markup as it would be saved, and whether it changed since it was loaded.
    QString documentHtml();
    bool isEdited();
    bool isLoading() const { return m_loading; }
    // The body's markup (the side control's fragment).
    QString bodyHtml();
    // Whether the page holds nothing to insert (an empty control shows a blank paragraph).
    bool isBlank();
    // Types `text` at the caret as if it had been typed; inserts `html` at the caret as one undo
    // step (false in Browse Mode, which changes nothing).
    void typeText(const QString& text);
    bool insertHtml(const QString& html);

    // The keys the window runs itself: the engine claims many of them as editing keys (Ctrl+E
    // moves to the line end on X11) before any shortcut sees them, so they are kept from it.
    void setWindowKeys(const QList<QKeySequence>& keys) { m_windowKeys = keys; }
    // Gives the page the keyboard focus, with a caret to type at.
    void takeFocus();

    // Runs `script` in the control's own script world and waits for its result.
    QVariant evaluate(const QString& script);
    // The path of the private file a fragment load is reading now ("" when none).
    QString pendingFragmentPath() const;
    // The bytes of the fragment shown, as they were written to its file; empty when the control
    // shows something else.
    const QByteArray& lastFragment() const { return m_lastFragment; }

signals:
    void loaded(bool ok);

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool holdsFocus() const;
    void afterLoad(bool ok);
    void applyModes();
    QVariant evaluate(const QString& script, int waitMs);
    QString call(const QString& function, const QString& argument = {});

    void loadOwn(const QUrl& url, bool remote);
    // The splice of the edited document over m_original; a null string without the tree.
    QString editedText();
    void resetSplice();
    // Reads m_original and the document's tree on a worker thread, ready for the next splice: the
    // tree from `loadedJson`, or ("") the tree last spliced.
    void prepareSplice(const QString& loadedJson);
    // Asks the helpers for the tree they kept when they marked the page, and prepares with it.
    void prepareFromHelpers();

    QWebEngineProfile* m_profile = nullptr;
    class Page;
    Page* m_page = nullptr;
    class PageServer;
    PageServer* m_server = nullptr;
    QString m_original; // the page's text as shown, while it stands for the page
    bool m_hasOriginal = false;
    // m_original read as the browser reads it, with the browser's tree of it (as marked) and that
    // tree's elements in order; made off the window's thread after each load and save.
    struct Prepared {
        std::unique_ptr<PageSource> source;
        std::shared_ptr<const PageNode> marked;
        MarkedTree elements;
    };
    static Prepared readForSplice(QString text, QString json, bool read,
                                  std::unique_ptr<PageNode> saved,
                                  std::shared_ptr<const PageNode> savedFrom);
    Prepared m_prepared;
    std::future<Prepared> m_preparing;
    bool m_markedIsRead = true; // the marked tree is the browser's reading of m_original
    quint64 m_loads = 0;
    QByteArray m_lastFragment;
    int m_generation = 0; // of shown pages, so a late answer for an earlier one is dropped
    std::unique_ptr<PageNode> m_lastEdited;
    SpliceStats m_spliceStats;
    bool m_rewroteWhole = false;
    bool m_loading = false;
    bool m_refocus = false;  // the page had the focus when the load began, or was given it since
    bool m_dragging = false; // a drag passed over this control since the last button release
    bool m_showDetails = false;
    bool m_browseMode = false;
    std::unique_ptr<QTemporaryFile> m_fragment;
    QList<QKeySequence> m_windowKeys;
};

} // namespace orvel
