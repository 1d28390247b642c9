#pragma once

#include "page/Page.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>

class QAction;
class QWidget;

namespace orvel {

class SourceWindow;
class TempClipboard;
class TempClipDialog;
class FindReplaceDialog;
class BookeeperDialog;

// The editing services of the source window: find and replace, the case conversions and the
// other text transforms, bookmarks, restore points, AutoSave and the temporary clipboard. Restore
// points and the clipboard last for the whole run (File > New keeps them); the bookmarks window
// goes when a page is opened.
class EditCommands : public QObject {
    Q_OBJECT
public:
    // Installs the family's buttons and menu entries in `w`, whose child it becomes.
    explicit EditCommands(SourceWindow& w);
    ~EditCommands() override;

    // Find and replace.
    void mnufind_Click();
    void mnuReplace_Click();
    void mnufindnext_Click();

    // Text transforms.
    void mnuLcase_Click();
    void mnuUcase_Click();
    void mnuIcase_Click();
    void mnutitlecase_Click();
    void mnusentencecase_Click();
    void mnuindent_Click();
    void mnutabby_Click();

    // Bookmarks.
    void mnubookmark_Click();
    void mnubookmarks_Click();

    // Restore points.
    void mnucrestore1_Click() { takePoint(1); }
    void mnucrestore2_Click() { takePoint(2); }
    void mnucrestore3_Click() { takePoint(3); }
    void mnurrestore1_Click() { usePoint(1); }
    void mnurrestore2_Click() { usePoint(2); }
    void mnurrestore3_Click() { usePoint(3); }
    const PageText& restorePoint(int k) const { return m_restore.at(k - 1); }

    // AutoSave: the entry's check mark switches the timer; each tick runs File > Save.
    void mnuautosave_Click();
    void Timer1_Timer();

    // The temporary clipboard.
    void mnuMaster_Click();
    void mnucopytotemp_Click();
    void tmpcmb_Click();
    void tmpcmb_OLEDragDrop(const QString& dropped);
    void mnupastetmp_Click();
    void mnutmprem_Click();
    void mnucleartemp_Click();
    void mnuslowpaste_Click();
    TempClipboard& clipboard() const { return *m_clipboard; }
    TempClipDialog* tempclip();

    // The dialogs, when loaded.
    FindReplaceDialog* findreplace() const;
    BookeeperDialog* bookeeper() const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void takePoint(int k);
    void usePoint(int k);
    QAction* action(const char* name) const;

    SourceWindow& m_w;
    QWidget* m_form = nullptr; // the window's bare form
    std::array<PageText, 3> m_restore;
    TempClipboard* m_clipboard;
    QPointer<TempClipDialog> m_tempclip;
    // Nothing chosen from the combo yet: F2 has nothing to paste.
    bool m_clipChosen = false;
    bool m_saving = false;
};

} // namespace orvel
