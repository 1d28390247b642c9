// The editing services: find and replace, text transforms, bookmarks, restore points, AutoSave
// and the temporary clipboard.
#include "commands/EditCommands.h"

#include "dialogs/Bookeeper.h"
#include "dialogs/FindReplace.h"
#include "dialogs/TempClip.h"
#include "editor/Bookmarks.h"
#include "editor/Find.h"
#include "editor/SourceWindow.h"
#include "editor/StringText.h"
#include "editor/TempClipboard.h"
#include "editor/Transforms.h"
#include "platform/Platform.h"
#include "platform/TextDrop.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QToolButton>

namespace orvel {

namespace {

using E = EditCommands;

const QString kClipCaption = QStringLiteral("Temporary Clipboard");

// clang-format off
const Action<EditCommands> kEditActions[] = {
    {"pictrest", "mnucrestore1", "", "Create restore point (1 of 3. Go to Options for more)",
     "Set restore point 1 of 3 for this page. (See Help >> Others >> Restore Points for more "
     "information)", "", "restore-set", &E::mnucrestore1_Click},
    {"picturest", "mnurrestore1", "", "Use restore point (1 of 3. Go to Options for more)",
     "Use restore point 1 of 3. (See Help >> Others >> Restore Points for more information)",
     "document-revert", "", &E::mnurrestore1_Click},
    {"", "mnucrestore2", "", "", "", "", "", &E::mnucrestore2_Click},
    {"", "mnucrestore3", "", "", "", "", "", &E::mnucrestore3_Click},
    {"", "mnurrestore2", "", "", "", "", "", &E::mnurrestore2_Click},
    {"", "mnurrestore3", "", "", "", "", "", &E::mnurrestore3_Click},
    {"", "mnuautosave", "", "", "", "", "", &E::mnuautosave_Click},
    {"mastertmpclip", "mnuMaster", "", "", "", "", "", &E::mnuMaster_Click},
    {"", "mnucopytotemp", "", "", "", "", "", &E::mnucopytotemp_Click},
    {"", "mnupastetmp", "", "", "", "", "", &E::mnupastetmp_Click},
    {"", "mnutmprem", "", "", "", "", "", &E::mnutmprem_Click},
    {"", "mnucleartemp", "", "", "", "", "", &E::mnucleartemp_Click},
    {"", "mnuslowpaste", "", "", "", "", "", &E::mnuslowpaste_Click},
    {"", "mnufind", "", "", "", "", "", &E::mnufind_Click},
    {"", "mnufindnext", "", "", "", "", "", &E::mnufindnext_Click},
    {"", "mnuReplace", "", "", "", "", "", &E::mnuReplace_Click},
    {"", "mnuLcase", "", "", "", "", "", &E::mnuLcase_Click},
    {"", "mnuUcase", "", "", "", "", "", &E::mnuUcase_Click},
    {"", "mnuIcase", "", "", "", "", "", &E::mnuIcase_Click},
    {"", "mnutitlecase", "", "", "", "", "", &E::mnutitlecase_Click},
    {"", "mnusentencecase", "", "", "", "", "", &E::mnusentencecase_Click},
    {"", "mnuindent", "", "", "", "", "", &E::mnuindent_Click},
    {"", "mnutabby", "", "", "", "", "", &E::mnutabby_Click},
    {"", "mnubookmark", "", "", "", "", "", &E::mnubookmark_Click},
    {"", "mnubookmarks", "", "", "", "", "", &E::mnubookmarks_Click},
};
// clang-format on

template <class D> D* loaded(SourceWindow& w)
{
    for (QObject* child : w.children()) {
        if (auto* d = qobject_cast<D*>(child))
            return d;
    }
    return nullptr;
}

void present(QWidget* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

QString startCaption(int k)
{
    return QStringLiteral("Restore Point %1").arg(k);
}

} // namespace

EditCommands::EditCommands(SourceWindow& w)
    : QObject(&w), m_w(w), m_clipboard(new TempClipboard(this))
{
    setObjectName(QStringLiteral("editCommands"));
    installActions(w, *this, kEditActions);

    connect(w.Timer1, &QTimer::timeout, this, &EditCommands::Timer1_Timer);
    // A page read from disk has other bookmarks; File > New keeps the list.
    connect(&w, &SourceWindow::pageOpened, this, [this] {
        if (BookeeperDialog* d = bookeeper())
            d->unload();
    });
    m_form = w.centralWidget();
    m_form->installEventFilter(this);

    // The main window's combo shows the main list; its edit text stays what it was.
    QComboBox* combo = w.tmpcmb;
    w.Frame1->setEnabled(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    connect(m_clipboard, &TempClipboard::mainInserted, combo, [combo](int i, const QString& t) {
        const QString shown = combo->currentText();
        combo->insertItem(i, t);
        combo->setEditText(shown);
    });
    connect(m_clipboard, &TempClipboard::mainRemoved, combo, [combo](int i) {
        const QString shown = combo->currentText();
        combo->removeItem(i);
        combo->setEditText(shown);
    });
    connect(m_clipboard, &TempClipboard::mainCleared, combo, [this, combo] {
        combo->clear();
        combo->setEditText(kClipCaption);
        m_clipChosen = false;
    });
    connect(combo, &QComboBox::activated, this, [this] {
        m_clipChosen = true;
        m_w.runCommand([this] { tmpcmb_Click(); });
    });
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this] { m_clipChosen = true; });
    const auto drop = [this](const QString& t) { tmpcmb_OLEDragDrop(t); };
    acceptTextDrops(combo, drop);
    acceptTextDrops(combo->lineEdit(), drop);
}

EditCommands::~EditCommands() = default;

QAction* EditCommands::action(const char* name) const
{
    return m_w.menuAction(QString::fromUtf8(name));
}

FindReplaceDialog* EditCommands::findreplace() const
{
    return loaded<FindReplaceDialog>(m_w);
}

BookeeperDialog* EditCommands::bookeeper() const
{
    return loaded<BookeeperDialog>(m_w);
}

// A click on the bare form brings the bookmarks window to the front. The form's events go on while
// the window is being destroyed: nothing of the window is asked before the event is a click.
bool EditCommands::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease && watched == m_form) {
        if (BookeeperDialog* d = bookeeper(); d && d->isVisible())
            present(d);
    }
    return QObject::eventFilter(watched, e);
}

// --- Find and replace --------------------------------------------------------------------------

void EditCommands::mnufind_Click()
{
    TextBox& text = *m_w.Text1;
    m_w.varfinder->setText(QString::number(text.selStart()));
    FindReplaceDialog* d = dialogFor<FindReplaceDialog>({&m_w, &text});
    d->txtfind->setEditText(text.selText());
    present(d);
    d->focusFindText();
}

void EditCommands::mnuReplace_Click()
{
    FindReplaceDialog* d = dialogFor<FindReplaceDialog>({&m_w, m_w.Text1});
    present(d);
    d->lblreplink_Click();
}

// F3 searches with the dialog's settings, loaded or not shown, from a position of its own.
void EditCommands::mnufindnext_Click()
{
    const FindReplaceDialog* d = findreplace();
    if (!d || d->txtfind->currentText().isEmpty())
        return;
    const QString what = d->txtfind->currentText();
    TextBox& text = *m_w.Text1;
    const int at = nextMatch(text, what, d->down->isChecked() ? Direction::Down : Direction::Up,
                             m_w.varfinder->text().toInt(), d->caseRule());
    m_w.varfinder->setText(QString::number(at));
    text.setFocus();
    if (at == 0) {
        platform().message(QStringLiteral("search complete"));
        return;
    }
    text.setSelStart(at - 1);
    // The text searched for now, whatever the dialog last looked for.
    text.setSelLength(int(what.size()));
}

// --- Text transforms ---------------------------------------------------------------------------

void EditCommands::mnuLcase_Click()
{
    convertSelection(*m_w.Text1, [](const QString& t) { return t.toLower(); });
}

void EditCommands::mnuUcase_Click()
{
    convertSelection(*m_w.Text1, [](const QString& t) { return t.toUpper(); });
}

void EditCommands::mnuIcase_Click()
{
    convertSelection(*m_w.Text1, invertedCase);
}

void EditCommands::mnutitlecase_Click()
{
    convertSelection(*m_w.Text1, titleCase);
}

void EditCommands::mnusentencecase_Click()
{
    convertSelection(*m_w.Text1, sentenceCase);
}

void EditCommands::mnuindent_Click()
{
    m_w.Text1->setSelText(indented(m_w.Text1->selText()));
}

void EditCommands::mnutabby_Click()
{
    m_w.Text1->setSelText(tabified(m_w.Text1->selText()));
}

// --- Bookmarks ---------------------------------------------------------------------------------

void EditCommands::mnubookmark_Click()
{
    TextBox& text = *m_w.Text1;
    const QString name =
        platform().input(QStringLiteral("Enter the name of the bookmark"), kAssistantTitle);
    if (name.isEmpty()) {
        text.setFocus();
        return;
    }
    const QString anchor = bookmarkAnchor(name);
    text.setSelText(anchor);
    dialogFor<BookeeperDialog>({&m_w, &text})->addBookmark(name, anchor);
}

void EditCommands::mnubookmarks_Click()
{
    present(dialogFor<BookeeperDialog>({&m_w, m_w.Text1}));
}

// --- Restore points ----------------------------------------------------------------------------

void EditCommands::takePoint(int k)
{
    QString name = platform().input(QStringLiteral("Enter the name of the restore point"),
                                    kAssistantTitle, startCaption(k));
    if (name.isEmpty())
        name = startCaption(k);
    QAction* create = action(qPrintable(QStringLiteral("mnucrestore%1").arg(k)));
    create->setText(name);
    action(qPrintable(QStringLiteral("mnurrestore%1").arg(k)))->setText(name);
    m_restore.at(k - 1) = m_w.pagePoint();
    create->setChecked(true);
}

void EditCommands::usePoint(int k)
{
    TextBox& text = *m_w.Text1;
    // A point taken of an empty page counts as not set.
    if (m_restore.at(k - 1).text.isEmpty()) {
        if (platform().ask(QStringLiteral("Assistant: Restore point"),
                           QStringLiteral("Restore point not set, would you like to set it now?"),
                           MsgAnswer::Yes, MsgIcon::None) == MsgAnswer::Yes)
            takePoint(k);
        else
            text.setFocus();
        return;
    }
    if (platform().ask(QStringLiteral("Assistant : Confirm restore"),
                       QStringLiteral("Using restore point is going to take your page back to the "
                                      "last time restore point was created. Proceed?"),
                       MsgAnswer::Yes, MsgIcon::None) == MsgAnswer::Yes)
        m_w.returnToPoint(m_restore.at(k - 1));
    else
        text.setFocus();
}

// --- AutoSave ----------------------------------------------------------------------------------

void EditCommands::mnuautosave_Click()
{
    // The entry checks and unchecks itself; the timer follows its check mark.
    if (action("mnuautosave")->isChecked())
        m_w.Timer1->start();
    else
        m_w.Timer1->stop();
}

void EditCommands::Timer1_Timer()
{
    // While a Save dialog (of an earlier tick or the user's) or any other box waits for its
    // answer, a tick neither opens another on top of it nor saves behind it.
    if (m_saving || QApplication::activeModalWidget() || platform().answerPending())
        return;
    const QScopedValueRollback<bool> saving(m_saving, true);
    m_w.savePage(SourceWindow::SaveBy::AutoSave);
}

// --- Temporary clipboard -----------------------------------------------------------------------

TempClipDialog* EditCommands::tempclip()
{
    if (!m_tempclip)
        m_tempclip = new TempClipDialog({&m_w, m_w.Text1}, *m_clipboard);
    return m_tempclip;
}

void EditCommands::mnuMaster_Click()
{
    present(tempclip());
}

void EditCommands::mnucopytotemp_Click()
{
    m_clipboard->add(m_w.Text1->selText());
}

void EditCommands::tmpcmb_OLEDragDrop(const QString& dropped)
{
    m_clipboard->add(StringText::withCrLf(dropped));
}

void EditCommands::tmpcmb_Click()
{
    TextBox& text = *m_w.Text1;
    text.setFocus();
    const QString item = m_w.tmpcmb->currentText();
    if (action("mnuslowpaste")->isChecked())
        platform().sendKeys(&text, item);
    else
        text.setSelText(item);
}

void EditCommands::mnupastetmp_Click()
{
    // Before anything was chosen the box shows its caption, which is not an item.
    if (!m_clipChosen) {
        m_w.Text1->setFocus();
        return;
    }
    tmpcmb_Click();
}

void EditCommands::mnutmprem_Click()
{
    mnuMaster_Click();
    platform().message(QStringLiteral("Select item to be deleted and remove"));
}

void EditCommands::mnucleartemp_Click()
{
    if (platform().ask(kAssistantTitle,
                       QStringLiteral("This will clear the temporary clipboard. Proceed"),
                       MsgAnswer::Yes) == MsgAnswer::Yes)
        m_clipboard->clearMain();
    else
        m_w.Text1->setFocus();
}

void EditCommands::mnuslowpaste_Click()
{
    // The entry's own check mark is the switch; pasting reads it.
}

} // namespace orvel
