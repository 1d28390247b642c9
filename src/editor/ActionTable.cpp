#include "editor/ActionTable.h"

#include "editor/SourceWindow.h"
#include "platform/Icons.h"

#include <QAction>
#include <QToolButton>

namespace orvel {

namespace {

QAbstractButton* findButton(SourceWindow& w, const InstalledAction& row)
{
    if (auto* b = w.findChild<QAbstractButton*>(row.button))
        return b;
    auto* group = row.group.isEmpty() ? nullptr : w.findChild<QWidget*>(row.group);
    if (!group) {
        w.addActionFault(
            QStringLiteral("button %1: no such button, and no group \"%2\" to put it in")
                .arg(row.button, row.group));
        return nullptr;
    }
    return w.addPictureButton(group, row.button);
}

} // namespace

void installAction(SourceWindow& w, const InstalledAction& row, std::function<void()> run)
{
    w.recordAction(row);
    if (!row.button.isEmpty()) {
        if (QAbstractButton* b = findButton(w, row)) {
            if (!row.theme.isEmpty() || !row.picture.isEmpty())
                b->setIcon(buttonIcon(row.theme, row.picture));
            if (!row.tooltip.isEmpty())
                b->setToolTip(row.tooltip);
            if (!row.hint.isEmpty())
                w.setHint(b, row.hint);
            b->setEnabled(bool(run));
            if (run)
                QObject::connect(b, &QAbstractButton::clicked, &w,
                                 [&w, run] { w.runCommand(run); });
        }
    }
    if (!row.menu.isEmpty()) {
        QAction* a = w.menuAction(row.menu);
        if (!a) {
            w.addActionFault(QStringLiteral("menu entry %1 does not exist").arg(row.menu));
        } else if (run) {
            QObject::connect(a, &QAction::triggered, &w, [&w, run] { w.runCommand(run); });
            a->setEnabled(true);
        }
    }
}

} // namespace orvel
