// A menu entry that duplicates a button runs the button's handler and nothing else.
#include "CommandTest.h"

using namespace orvel;

namespace {

class MenuEntryTest : public orvel::test::CommandTest {
protected:
    // What one run of a control leaves behind.
    struct Outcome {
        QString page;
        QStringList prompts; // title, text and offered answer of each
        QStringList keys;
        QStringList dialogs; // shown
        bool operator==(const Outcome&) const = default;
    };

    // File > New with no unsaved question (every family back at its start values), no dialog
    // open, then one run of `control` on the same page.
    Outcome runOnFreshPage(const QString& control)
    {
        for (QWidget* d : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (d->isWindow())
                d->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w->setModified(false);
        w->menuAction(QStringLiteral("new"))->trigger();
        setMarked("a[word]b");
        ui.prompts.clear();
        ui.keysSent.clear();
        press(control.toUtf8().constData());

        Outcome o{marked(), {}, ui.keysSent, {}};
        for (const auto& p : ui.prompts)
            o.prompts << p.title + u'|' + p.text + u'|' + p.defaultText;
        for (QWidget* d : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (d->isWindow() && d->isVisible())
                o.dialogs << d->objectName();
        return o;
    }
};

TEST_F(MenuEntryTest, EveryMenuEntryRunsItsButtonsHandler)
{
    int pairs = 0;
    for (const InstalledAction& row : w->installedActions()) {
        if (row.button.isEmpty() || row.menu.isEmpty() || !row.hasHandler)
            continue;
        SCOPED_TRACE((row.button + u' ' + row.menu).toStdString());
        // A control that cannot be used on a new page (Preview before a save) is left out, and
        // then its twin must not be usable either.
        w->setModified(false);
        w->menuAction(QStringLiteral("new"))->trigger();
        auto* b = w->findChild<QAbstractButton*>(row.button);
        const bool usable = b->isEnabled() && b->isVisibleTo(w.get());
        ASSERT_EQ(w->menuAction(row.menu)->isEnabled(), usable);
        if (!usable)
            continue;
        const Outcome byButton = runOnFreshPage(row.button);
        const Outcome byMenu = runOnFreshPage(row.menu);
        EXPECT_EQ(byMenu.page, byButton.page);
        EXPECT_EQ(byMenu.prompts, byButton.prompts);
        EXPECT_EQ(byMenu.keys, byButton.keys);
        EXPECT_EQ(byMenu.dialogs, byButton.dialogs);
        ++pairs;
    }
    EXPECT_GT(pairs, 40);
}

} // namespace
