// File commands of the source window: New, Open, Save, Save As, Preview, Exit, and the
// program's own clipboard commands.
#include "editor/Captions.h"
#include "editor/DefaultPage.h"
#include "editor/PageFile.h"
#include "editor/SourceWindow.h"
#include "platform/Platform.h"

#include <QAction>
#include <QDir>
#include <QToolButton>

namespace orvel {

void SourceWindow::showFileError(const QString& what, const QString& path, const QString& reason)
{
    platform().message(
        QStringLiteral("Could not %1 \"%2\": %3").arg(what, QDir::toNativeSeparators(path), reason),
        MsgIcon::Critical, kAssistantTitle);
}

void SourceWindow::resetPage()
{
    pictprev->setVisible(false);
    menuAction(QStringLiteral("preview"))->setEnabled(false);
    Text1->setText(attempt->text());
    Text1->document()->clearUndoRedoStacks();
    setModified(false);
    Form_Load();
    saveme->setText(QStringLiteral("Untitled"));
    setCaption(caption::page(saveme->text(), QString()));
}

void SourceWindow::new_Click()
{
    if (isModified() &&
        platform().ask(QStringLiteral("Assistant: Orvel - Reminder to save"),
                       QStringLiteral("File not saved. Proceed?"), MsgAnswer::No) != MsgAnswer::Yes)
        return;
    // Running the reset a second time, as the old code did, changes nothing.
    resetPage();
}

void SourceWindow::open_Click()
{
    if (isModified() && platform().ask(QStringLiteral("Assistant: Orvel - Confirm Save"),
                                       QStringLiteral("File not saved. Save it now?"),
                                       MsgAnswer::Yes) == MsgAnswer::Yes) {
        // The user saves first.
        Text1->setFocus();
        return;
    }
    if (CommonDialog1.showOpen()) {
        const QString path = CommonDialog1.fileName;
        const PageRead page = readPage(path);
        if (!page.ok) {
            showFileError(QStringLiteral("open"), path, page.error);
        } else {
            Text1->setText(page.text);
            Text1->document()->clearUndoRedoStacks();
            setModified(false);
            setCaption(caption::opened(path, star->text()));
            saveme->setText(path);
            menuAction(QStringLiteral("preview"))->setEnabled(true);
            pictprev->setVisible(true);
            emit pageOpened();
        }
    }
    Text1->setFocus();
}

void SourceWindow::save_Click()
{
    if (saveme->text() == QStringLiteral("Untitled")) {
        saveas_Click();
        return;
    }
    const PageWrite written = writePage(saveme->text(), Text1->text());
    if (!written.ok) {
        // The page stays marked unsaved.
        showFileError(QStringLiteral("save"), saveme->text(), written.error);
        return;
    }
    setModified(false);
    writePageCaption();
}

void SourceWindow::saveas_Click()
{
    CommonDialog1.defaultExt = QStringLiteral("html");
    if (!CommonDialog1.showSave())
        return;
    const QString path = CommonDialog1.fileName;
    const PageWrite written = writePage(path, Text1->text());
    if (!written.ok) {
        showFileError(QStringLiteral("save"), path, written.error);
        return;
    }
    saveme->setText(path);
    pictprev->setVisible(true);
    menuAction(QStringLiteral("preview"))->setEnabled(true);
    setCaption(caption::page(saveme->text(), QString()));
    setModified(false);
    Text1->setFocus();
}

void SourceWindow::preview_Click()
{
    if (state.previewTipPending) {
        platform().message(QStringLiteral("Always save before checking preview"),
                           MsgIcon::Information, QStringLiteral("Tip"));
        state.previewTipPending = false;
    }
    if (links.showPreview)
        links.showPreview(links.composerPagePath ? links.composerPagePath() : saveme->text());
}

void SourceWindow::helpa_Click()
{
    if (links.showHelp)
        links.showHelp();
}

void SourceWindow::about_Click()
{
    if (links.showAbout)
        links.showAbout();
}

void SourceWindow::exit_Click()
{
    if (isModified() &&
        platform().ask(QStringLiteral("Assistant: Orvel - Reminder to save"),
                       QStringLiteral("Are you sure you want to exit without saving?"),
                       MsgAnswer::No) != MsgAnswer::Yes)
        return;
    if (links.endProgram)
        links.endProgram();
}

void SourceWindow::mnuselectall_Click()
{
    Text1->setFocus();
    Text1->setSelStart(0);
    // The whole page, however long (a fixed 65535 would leave the end of a long page out).
    Text1->setSelLength(Text1->length());
}

void SourceWindow::mnucopy_Click()
{
    const QString s = Text1->selText();
    if (s.isEmpty())
        return;
    platform().setClipboardText(s);
    Text1->setFocus();
}

void SourceWindow::mnucut_Click()
{
    const QString s = Text1->selText();
    if (s.isEmpty())
        return;
    platform().setClipboardText(s);
    Text1->setSelText(QString());
    Text1->setFocus();
}

void SourceWindow::mnupaste_Click()
{
    Text1->setSelText(platform().clipboardText());
}

} // namespace orvel
