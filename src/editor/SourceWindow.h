#pragma once

#include "editor/ActionTable.h"
#include "editor/ChangePass.h"
#include "editor/CommandContext.h"
#include "editor/SourceState.h"
#include "editor/TextBox.h"
#include "page/Page.h"
#include "platform/CommonDialog.h"

#include <QHash>
#include <QMainWindow>
#include <array>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

namespace orvel {

// The HTML source window `orvel`: the page in `Text1`, the button groups around it, the hint line,
// the caret and line-count captions and the menu tree. The command families attach to its buttons
// and menu entries through their action tables; an entry without a command stays disabled.
class SourceWindow : public QMainWindow {
    Q_OBJECT
public:
    // Shows `page` (shared with the Composer); without one the window has a page of its own.
    explicit SourceWindow(Page* page = nullptr, QWidget* parent = nullptr);
    ~SourceWindow() override;

    // Visible controls.
    TextBox* Text1 = nullptr;
    QLineEdit* helper = nullptr;
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 2> nooflines{};
    QLineEdit* vuxcmd = nullptr;
    QGroupBox* Frame1 = nullptr; // temporary clipboard
    QComboBox* tmpcmb = nullptr;
    QPushButton* mastertmpclip = nullptr;

    // Window buttons.
    QToolButton *pictnew = nullptr, *pictopen = nullptr, *pictsave = nullptr, *pictsaveas = nullptr,
                *pictprev = nullptr, *pictrest = nullptr, *picturest = nullptr,
                *pictcontrast = nullptr, *pictinformation = nullptr, *pictrefresh = nullptr,
                *picthelpfile = nullptr;

    // Tag button groups; the command families' action tables fill them.
    QGroupBox *General = nullptr, *misc = nullptr, *tabular = nullptr, *fonter = nullptr,
              *align = nullptr, *former = nullptr, *extras = nullptr, *special = nullptr;
    QComboBox* Combo4 = nullptr;
    QToolButton *insert = nullptr, *bold = nullptr, *italic = nullptr, *underline = nullptr;

    // Hidden state boxes. `saveme` shows the page's path ("Untitled" for a page never saved).
    StateBox* saveme = nullptr;
    StateBox* star = nullptr;
    StateBox* attempt = nullptr;
    StateBox* varfinder = nullptr;
    StateBox* txttobefound = nullptr;
    StateBox* restorepoint = nullptr;
    StateBox* dirpath = nullptr;

    QTimer *Timer1 = nullptr, *Timer2 = nullptr, *Timer3 = nullptr;
    CommonDialog CommonDialog1;
    SourceState state;
    SourceLinks links;
    // Runs on every change of `Text1` (its change event); the composition root fills it.
    ChangePass changePass;

    // Menu entries by control name.
    QAction* menuAction(const QString& name) const;
    QMenu* menu(const QString& name) const;
    // Runs one command as one undo step of the page.
    void runCommand(const std::function<void()>& command);
    // Every row the action tables installed, in order, and what did not fit the window.
    const QList<InstalledAction>& installedActions() const { return m_installed; }
    const QStringList& actionFaults() const { return m_faults; }
    void recordAction(const InstalledAction& row) { m_installed << row; }
    void addActionFault(const QString& fault);
    // A new picture button at the end of `group` (its layout must be a box or flow layout); the
    // installer dresses it from its row.
    QToolButton* addPictureButton(QWidget* group, const QString& name);
    // Shows `hint` on the `helper` line while the pointer moves over `w`.
    void setHint(QWidget* w, const QString& hint);

    // Window-level procedures.
    void Form_Load();
    void Text1_Change();
    void countLines();
    void refreshStatus();
    void refreshCaret();
    void toggleButtons();
    // The caption exactly as the program wrote it; the title bar shows this text.
    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }

    // A page opened read-only (not text) refuses every change, with this message once a command.
    QString readOnlyMessage() const;
    // True, after the message, when the page is read-only: for changes that are not of its text.
    bool refusesChange();

    // The page was edited since the last New, Open or Save (the `star` marker shows it).
    bool isModified() const { return m_page->isModified(); }
    void setModified(bool modified);

    // The status steps of the change pass.
    void markModified() { setModified(true); }
    void clearCommandBox();
    void writePageCaption();

    // Handlers.
    void pictcontrast_Click();
    void pictrefresh_Click();
    void pictinformation_Click() { toggleButtons(); }
    void new_Click();
    void open_Click();
    void save_Click();
    void saveas_Click();
    void preview_Click();
    void helpa_Click();
    void about_Click();
    void exit_Click();

    // The page: its file, its encoding and line ends, the file as last read or written.
    Page& page() const { return *m_page; }
    // The page box, the page and this window: all most commands need.
    CommandContext context() { return {this, Text1, m_page}; }
    QLabel* pagecoding = nullptr; // the encoding and line ends, in the status bar
    using SaveBy = orvel::SaveBy;
    // File > Save. AutoSave never overwrites a file another program changed; it says so once.
    bool savePage(SaveBy by = SaveBy::User);
    // File > Open once the path is chosen, or the page handed over from the Composer (the
    // bookmarks then stay, and the caption is the switch's): reads it with its encoding and line
    // ends, says what needs saying (not text, bytes that are not UTF-8) and makes it the page.
    // False when the page was left as it was.
    bool openPage(const QString& path, OpenedBy by = OpenedBy::User);
    // Before another page is opened over edits not saved: true when the user wants to save them
    // first (nothing is opened then).
    bool savesFirst();
    // Reads the page's file again in `e`, as one undo step.
    void reloadAs(Encoding e);
    // The next save writes `e` (a charset declaration in the page follows), as one undo step.
    void setPageEncoding(Encoding e);
    // Every line ends in `e` from the next save on, as one undo step.
    void convertLineEnds(LineEnd e);
    // The page as a restore point keeps it: its text (as the box holds it, one separator a line)
    // and the end of each line.
    PageText pagePoint() const;
    // Takes the page back to `point` as one undo step: only the lines that differ are replaced,
    // and every line gets back the end it had.
    void returnToPoint(const PageText& point);
    void showPageFormat();
    // Files and pages from this many bytes or characters on are read and written off the window's
    // thread, with a progress bar; the window keeps painting meanwhile.
    qsizetype backgroundFrom = qsizetype(1) << 22;
    void mnuselectall_Click();
    void mnucopy_Click();
    void mnucut_Click();
    void mnupaste_Click();

    static const QString kReadyHint;

signals:
    // A page was read from disk (the bookmarks of the old page no longer apply).
    void pageOpened();
    // Start-up ran (also on File > New): the window's own state is back at its start values; each
    // command family puts its own state back too, and the controls that show it follow.
    void formLoaded();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void buildControls();
    void buildMenus();
    void wireShell();
    void resetPage();
    void buildPageFormatMenu();
    std::optional<PageRead> readPageFile(const QString& path,
                                         std::optional<Encoding> encoding = std::nullopt);
    bool writeTo(const QString& path, SaveBy by);
    void takePage(const QString& path, PageRead& page, bool undoable);
    bool updateCharsetDeclaration(Encoding e);
    void setProgress(qsizetype done, qsizetype total);
    void runBusy(qsizetype size, const std::function<void()>& job);

    QList<InstalledAction> m_installed;
    QStringList m_faults;
    Page* m_page = nullptr;
    QString m_caption;
    bool m_busy = false; // a file is being read or written
    quint64 m_edits = 0; // changes of the page, to tell edits made during a save
    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
};

} // namespace orvel
