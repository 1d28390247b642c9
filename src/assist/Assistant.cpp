#include "assist/Assistant.h"

#include "commands/DialogOpeners.h"
#include "editor/SourceWindow.h"
#include "platform/Platform.h"

#include <QAction>

namespace orvel {

namespace {

void openFor(SourceWindow& w, AssistTarget target)
{
    switch (target) {
    case AssistTarget::Hyperlink:
        linker_Click(w.context());
        break;
    case AssistTarget::Rule:
        rule_Click(w.context());
        break;
    case AssistTarget::Numbering:
        numberings_Click(w.context());
        break;
    case AssistTarget::Bullets:
        Bullet_Click(w.context());
        break;
    case AssistTarget::Image:
        Images_Click(w.context());
        break;
    case AssistTarget::Table:
        table_Click(w.context());
        break;
    case AssistTarget::Row:
        Row_Click(w.context());
        break;
    }
}

AutoComplete::Hooks hooksFor(SourceWindow& w)
{
    AutoComplete::Hooks h;
    // Into the page box itself: the box whose change set the keys off is the one to finish.
    h.typeKeys = [&w](const QString& keys) { platform().sendKeys(w.Text1, keys); };
    h.open = [&w](AssistTarget t) { openFor(w, t); };
    h.canBookmark = [&w] { return w.menuAction(QStringLiteral("mnubookmark"))->isEnabled(); };
    h.bookmark = [&w] { w.menuAction(QStringLiteral("mnubookmark"))->trigger(); };
    return h;
}

} // namespace

Assistant::Assistant(SourceWindow& w)
    : QObject(&w), m_w(w), m_complete(*w.Text1, w.state.assistOn, hooksFor(w))
{
    setObjectName(QStringLiteral("assistant"));
}

void Assistant::step()
{
    if (!m_w.menuAction(QStringLiteral("mnuautocorrect"))->isChecked() || m_w.Text1->restoring())
        return;
    m_complete.run();
}

} // namespace orvel
