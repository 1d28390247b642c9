#pragma once

#include "dialogs/DialogBase.h"
#include "editor/TextBox.h"
#include "support/Fixtures.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <array>
#include <tuple>
#include <vector>

namespace orvel::test {

// Shown and active, as its opener leaves it (offscreen: once exposed).
template <class D> D* shownDialog(const DialogTarget& target)
{
    auto* d = dialogFor<D>(target);
    d->show();
    (void)QTest::qWaitForWindowExposed(d);
    d->activateWindow();
    (void)QTest::qWaitForWindowActive(d);
    return d;
}

// A message box as the user saw it: title, text and icon.
using Shown = std::tuple<QString, QString, MsgIcon>;
using ShownList = std::vector<Shown>;

// The dialogs on the source window and its page box.
class DialogTest : public SourceWindowTest {
protected:
    // A message box no test looked at is one the user would not have expected.
    void TearDown() override
    {
        EXPECT_EQ(shown(), ShownList{});
        SourceWindowTest::TearDown();
    }
    // The message boxes shown since the last call (file dialogs left out).
    ShownList shown()
    {
        ShownList seen;
        for (const auto& p : ui.prompts) {
            if (p.kind == ScriptedPlatform::PromptKind::Message)
                seen.emplace_back(p.title, p.text, p.icon);
        }
        ui.prompts.clear();
        return seen;
    }
    DialogTarget pageTarget() const { return {w.get(), w->Text1}; }
    template <class D> D* open() { return shownDialog<D>(pageTarget()); }
    // True once the dialog has left the window and been destroyed.
    template <class D> bool unloaded(QPointer<D>& d)
    {
        const bool detached = !w->findChild<D*>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return detached && d.isNull();
    }
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    static void retype(QLineEdit* box, const QString& keys)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
    }
};

} // namespace orvel::test
