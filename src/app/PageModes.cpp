#include "app/PageModes.h"

#include "composer/ComposerWindow.h"
#include "composer/EditControl.h"
#include "editor/Find.h"
#include "editor/SourceWindow.h"
#include "page/Page.h"
#include "platform/Platform.h"

#include <QFileInfo>
#include <QTextDocument>

namespace orvel {

const QString PageModes::kGeneratorOld =
    QStringLiteral("<META NAME=\"GENERATOR\" Content=\"Microsoft DHTML Editing Control\">");
const QString PageModes::kGeneratorNew =
    QStringLiteral("<META NAME=\"GENERATOR\" Content=\"Quorrin's Orvel\">");

namespace {

const QString kComposerCaption = QStringLiteral("Orvel Composer: ");

// Every old generator line names this program instead. True when there was one.
bool replaceGenerators(TextModel& text)
{
    bool replaced = false;
    for (int at = findForward(text, PageModes::kGeneratorOld, 0, Qt::CaseSensitive); at >= 0;
         at = findForward(text, PageModes::kGeneratorOld, at + int(PageModes::kGeneratorNew.size()),
                          Qt::CaseSensitive)) {
        text.setSelStart(at);
        text.setSelLength(int(PageModes::kGeneratorOld.size()));
        text.setSelText(PageModes::kGeneratorNew);
        replaced = true;
    }
    if (replaced)
        text.setSelStart(0);
    return replaced;
}

} // namespace

PageModes::PageModes(Page& page, ComposerWindow& composer,
                     std::function<SourceWindow*(bool create)> source)
    : m_page(page), m_composer(composer), m_source(std::move(source))
{}

void PageModes::toSource()
{
    ComposerWindow& c = m_composer;
    if (!m_page.hasFile()) {
        platform().message(QStringLiteral("File not saved. Please save, and then proceed."),
                           MsgIcon::Exclamation,
                           QStringLiteral("Composer to HTML mode requires atleast one save"));
        c.area->setFocus();
        return;
    }
    if (c.firstSwitch) {
        platform().message(QStringLiteral("Transition from composer to HTML mode or vice versa "
                                          "will automatically save your page"));
        c.firstSwitch = false;
    }
    // A page that could not be written stays here rather than reaching the source window old.
    if (!c.save_Click())
        return;
    const QString path = m_page.path();
    SourceWindow* w = m_source(true);
    if (!w)
        return;
    w->show();
    if (!w->openPage(path, OpenedBy::Switch)) {
        w->hide();
        c.area->setFocus();
        return;
    }
    // Replaced without an undo step; the way back then writes the page.
    m_generatorReplaced = replaceGenerators(*w->Text1);
    w->Text1->document()->clearUndoRedoStacks();
    w->setModified(false);
    w->setCaption(kComposerCaption + path);
    c.area->setFocus();
    c.hide();
    w->activateWindow();
    w->Text1->setFocus();
}

void PageModes::toComposer()
{
    ComposerWindow& c = m_composer;
    if (SourceWindow* w = m_source(false)) {
        if (!m_page.hasFile()) {
            // A page never saved gets its file first; without one the source window stays, and
            // its close box asks again the next time.
            w->saveas_Click();
            if (!m_page.hasFile())
                return;
        } else if ((w->isModified() || m_generatorReplaced || !QFileInfo::exists(m_page.path())) &&
                   !w->savePage()) {
            return;
        }
        m_generatorReplaced = false;
        w->hide();
    }
    c.show();
    c.activateWindow();
    // The Composer follows the page: whatever the source window opened or saved last. A page the
    // source window left as the Composer shows it stays shown as it is, its undo steps with it.
    if (m_page.hasFile() && !c.showsPageFile() && !c.openPage(m_page.path(), OpenedBy::Switch)) {
        // Not a page the Composer can show (a file opened read-only): an empty page, so that a
        // save here never writes something else over that file.
        c.area->newDocument();
        m_page.startNew();
        c.setCaption(QStringLiteral("Orvel Composer: By Quorrin"));
    }
    c.area->setFocus();
}

} // namespace orvel
