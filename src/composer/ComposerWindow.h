#pragma once

#include "composer/ComposerDialogs.h"
#include "editor/SourceState.h"
#include "platform/CommonDialog.h"

#include <QHash>
#include <QMainWindow>
#include <functional>

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
    std::function<void(const QString& path)> showPreview;
    std::function<void()> showHelp;
    std::function<void()> showAbout;
    // Ends the program at once, every window with it.
    std::function<void()> endProgram;
};

// The Composer `Editor`: the page rendered and editable in `area`, the fragments it builds shown
// in `assister`, from which they are dragged (or, from the keyboard, inserted) into the page. The
// page lives in the file whose path `saveme` holds; the two mode switches pass it through that
// file to the source window and back.
class ComposerWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ComposerWindow(QWidget* parent = nullptr);
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

    // File commands; Save and Save As tell whether the page is on disk now.
    void new_Click();
    void open_Click();
    void mnuopenurl_Click();
    bool save_Click();
    bool saveas_Click();
    void mnupreview_Click();
    void exit_Click();
    // The two switches: to the source window, and back from it (its Composer command and close
    // box).
    void mnuhtml_Click();
    void mnucomposer_Click();

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

    static const QString kGeneratorOld;
    static const QString kGeneratorNew;

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
    void fileError(const QString& what, const QString& path, const QString& reason);
    bool invalidName(const QString& name);

    FragmentSink m_sink;
    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    // The control the running command acted on, which gets the focus back after it.
    EditControl* m_acted = nullptr;
    // The text handed to the source window and whether it is the file's text unchanged: a page
    // that comes back as it went is not written again.
    // The source window's page had the old generator line replaced: the way back writes it.
    bool m_generatorReplaced = false;
};

} // namespace orvel
