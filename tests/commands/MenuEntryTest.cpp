// A menu entry that duplicates a button runs the button's handler and nothing else.
#include "CommandTest.h"

using namespace orvel;

namespace {

using MenuEntryTest = orvel::test::CommandTest;

TEST_F(MenuEntryTest, EveryMenuEntryRunsItsButtonsHandler)
{
    // A run of `control` on a new page (every family at its start values, no dialog open): the
    // page, the prompts, the typed keys and the dialogs it leaves shown.
    auto runOnNewPage = [this](const QString& control) {
        for (QWidget* d : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (d->isWindow())
                d->close();
        newPage();
        setMarked("a[word]b");
        ui.prompts.clear();
        ui.keysSent.clear();
        press(control.toUtf8().constData());
        QStringList outcome = QStringList{marked()} + asked() + ui.keysSent;
        for (QWidget* d : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (d->isWindow() && d->isVisible())
                outcome << d->objectName();
        return outcome;
    };
    int pairs = 0;
    for (const InstalledAction& row : w->installedActions()) {
        if (row.button.isEmpty() || row.menu.isEmpty() || !row.hasHandler)
            continue;
        SCOPED_TRACE((row.button + u' ' + row.menu).toStdString());
        // A control that cannot be used on a new page (Preview before a save) is left out, and
        // then its twin must not be usable either.
        newPage();
        auto* b = w->findChild<QAbstractButton*>(row.button);
        const bool usable = b->isEnabled() && b->isVisibleTo(w.get());
        ASSERT_EQ(w->menuAction(row.menu)->isEnabled(), usable);
        if (!usable)
            continue;
        EXPECT_EQ(runOnNewPage(row.menu), runOnNewPage(row.button));
        ++pairs;
    }
    EXPECT_GT(pairs, 40);
}

} // namespace
