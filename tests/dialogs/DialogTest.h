#pragma once

#include "dialogs/DialogBase.h"
#include "editor/TextBox.h"
#include "support/Fixtures.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <array>
#include <tuple>

namespace orvel::test {

inline QString q(const char* s)
{
    return QString::fromUtf8(s);
}

// A dialog's box with "|" at the caret or "[" "]" around the selection.
inline QString boxMarked(const TextBox* box)
{
    QString s = box->text();
    if (box->selLength() == 0)
        return s.insert(box->selStart(), u'|');
    s.insert(box->selStart() + box->selLength(), u']');
    return s.insert(box->selStart(), u'[');
}

// Shown and active, as its opener leaves it. Offscreen, a window is activated only once it is
// exposed.
template <class D> D* shownDialog(const DialogTarget& target)
{
    auto* d = dialogFor<D>(target);
    d->show();
    (void)QTest::qWaitForWindowExposed(d);
    d->activateWindow();
    (void)QTest::qWaitForWindowActive(d);
    return d;
}

// The dialogs on the source window and its page box.
class DialogTest : public SourceWindowTest {
protected:
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
    // The status bar after a real pointer move over `widget`. Offscreen, QTest's widget overload
    // only moves the cursor: go through the window. Each move lands on a new spot, since a move
    // to where the pointer already is never reaches the widgets.
    static QString hintOver(DialogBase* d, QWidget* widget)
    {
        static int nudge = 0;
        nudge = 1 - nudge;
        QTest::mouseMove(d->windowHandle(), widget->mapTo(d, QPoint(2 + nudge, 3)));
        return d->StatusBar1->currentMessage();
    }
};

} // namespace orvel::test
