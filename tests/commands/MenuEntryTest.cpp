// A menu entry that duplicates a button runs the button's handler and nothing else.
#include "CommandTest.h"

using namespace orvel;

namespace {

using MenuEntryTest = orvel::test::CommandTest;

TEST_F(MenuEntryTest, EveryMenuEntryRunsItsButtonsHandler)
{
    // On a new page with no dialog open: the page, prompts, typed keys and dialogs shown after.
    auto outcome = [this](const QString& control) {
        for (QWidget* d : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (d->isWindow())
                d->close();
        newPage();
        setMarked("a[word]b");
        ui.prompts.clear();
        ui.keysSent.clear();
        press(control.toUtf8().constData());
        QStringList seen = QStringList{marked()} + asked() + ui.keysSent;
        for (QWidget* d : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (d->isWindow() && d->isVisible())
                seen << d->objectName();
        return seen;
    };
    int pairs = 0;
    for (const InstalledAction& row : w->installedActions()) {
        if (row.button.isEmpty() || row.menu.isEmpty() || !row.hasHandler)
            continue;
        SCOPED_TRACE((row.button + u' ' + row.menu).toStdString());
        // A button unusable on a new page (Preview before a save) has an unusable twin.
        newPage();
        auto* b = w->findChild<QAbstractButton*>(row.button);
        const bool usable = b->isEnabled() && b->isVisibleTo(w.get());
        ASSERT_EQ(w->menuAction(row.menu)->isEnabled(), usable);
        if (usable) {
            EXPECT_EQ(outcome(row.menu), outcome(row.button));
            ++pairs;
        }
    }
    EXPECT_GT(pairs, 40);
}

} // namespace
