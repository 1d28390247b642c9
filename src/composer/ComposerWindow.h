#pragma once

#include "composer/ComposerDialogs.h"
#include "editor/SourceState.h"
#include "page/Page.h"
#include "platform/CommonDialog.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace orvel {

class ClickLabel;
class EditControl;
class SourceWindow;

// What the Composer needs from the rest of the program; the composition root fills it.
struct ComposerLinks {
    // The source window; with `create` it is made on first use, without it null until then.
    std::function<SourceWindow*(bool create)> sourceWindow;
    // The HTML command: the page, saved, into the source window.
    std::function<void()> toSource;
    std::function<void(const QString& path)> showPreview;
    std::function<void()> showHelp;
    std::function<void()> showAbout;
    // Ends the program at once, every window with it.
    std::function<void()> endProgram;
};

// The Composer `Editor`: the page rendered and editable in `area`, the fragments it builds shown
// in `assister`, from which they are dragged (or, from the keyboard, inserted) into the page. The
// page and its file are the one page the source window shows too (`saveme` shows its path); the
// page is read and written through it, in the file's own encoding and line ends.
class ComposerWindow : public QMainWindow {
    Q_OBJECT
public:
    // Shows `page` (shared with the source window); without one the window has a page of its own.
    explicit ComposerWindow(Page* page = nullptr, QWidget* parent = nullptr);
    ~ComposerWindow() override;

    EditControl* area = nullptr;
    EditControl* assister = nullptr;
    // The line above `assister` that says what it is for.
    QLabel* assisterCaption = nullptr;
    QToolBar* Toolbar1 = nullptr;
    ClickLabel* linktohtml = nullptr;
    QComboBox* Combo3 = nullptr;
    QToolButton* pictFont = nullptr;
    QToolButton* pictBrowse = nullptr;
    StateBox* saveme = nullptr;
    CommonDialog CommonDialog1;
    bool firstSwitch = true;
    ComposerLinks links;

    QAction* menuAction(const QString& name) const { return m_actions.value(name); }
    QMenu* menu(const QString& name) const { return m_menus.value(name); }
    void setCaption(const QString& caption);
    // Where the Composer's dialogs write: the Composer itself and the fragment hand-over.
    DialogTarget dialogTarget() { return {this, &m_sink}; }

    Page& page() const { return *m_page; }

    // File commands; Save and Save As tell whether the page is on disk now.
    void new_Click();
    void open_Click();
    void mnuopenurl_Click();
    bool save_Click();
    bool saveas_Click();
    void mnupreview_Click();
    void exit_Click();
    // File > Open once the path is chosen, or the page handed back from the source window: reads
    // the file through the page and shows it. False (and the page and its path as they were) when
    // it cannot be read or is not a text page.
    bool openPage(const QString& path, OpenedBy by = OpenedBy::User);
    // The control shows the page's file as it stands on disk, as this window last read or wrote
    // it, in the same encoding: the way back from the source window need not load it again.
    bool showsPageFile() const;
    // Edits not saved may be thrown away: there are none, or the user says so.
    bool mayDiscardEdits();
    // The HTML command (the switch to the source window).
    void mnuhtml_Click();

    void Toolbar1_ButtonClick(const QString& key);
    // Runs an editing command on the control the user is in (the side control while it has the
    // focus, else the page).
    void exec(int command);
    void tableExec(int command);
    void mnudetails_Click();
    void mnubrowser_Click();
    void Combo3_Change(const QString& text);
    void mnuinsertfragment_Click();

    // Fragments.
    void showFragment(const QString& markup);
    void textFragment(int index);
    void namedControl(int index);
    void mnutextarea_Click();
    void mnufieldset_Click();
    void mnuHighlight_Click();
    void mnuinserttable_Click();
    void mnuhr_Click();
    void mnuheading_Click();
    void mnudropdown_Click();
    void mnulistbox_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildControls();
    void buildMenus();
    void buildToolbar();
    // Runs a command of the menus, toolbar or pictures; afterwards the keys go to the page again,
    // whatever box the command showed, unless it opened a window of its own.
    void runCommand(const std::function<void()>& command);
    // Gives the page the keyboard focus in an active window.
    void backToPage();
    void backTo(EditControl* control);
    EditControl* editing() const;
    void watchDialog(QWidget* dialog);
    SourceWindow* existingSource() const;
    bool writePage(const QString& path);
    void showCaptions(const QString& path);
    bool invalidName(const QString& name);

    FragmentSink m_sink;
    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    // The control the running command acted on, which gets the focus back after it.
    EditControl* m_acted = nullptr;
    Page* m_page = nullptr;
    // The page is being saved in another encoding than its declaration names: each save brings
    // the declaration along, until the page is read again.
    bool m_relabel = false;
    // The page's file as this window last read or wrote it, and the control's load that shows it.
    struct Shown {
        QString path;
        DiskState disk;
        Encoding encoding = Encoding::Utf8;
        bool bom = false;
        quint64 load = 0;
    };
    std::optional<Shown> m_shown;
    void noteShown();
};

} // namespace orvel
