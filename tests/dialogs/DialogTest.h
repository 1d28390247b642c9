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

class DialogTest : public SourceWindowTest {
protected:
    // Shown and active, as its opener leaves it. Offscreen, a window is activated only once it
    // is exposed.
    template <class T> T* open()
    {
        auto* d = dialogFor<T>({w.get(), w->Text1});
        d->show();
        (void)QTest::qWaitForWindowExposed(d);
        d->activateWindow();
        (void)QTest::qWaitForWindowActive(d);
        return d;
    }
    // True once the dialog has left the window and been destroyed.
    template <class T> bool unloaded(QPointer<T>& d)
    {
        const bool detached = !w->findChild<T*>();
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
    // The digit filter's refusal, the only prompt since the last clear.
    void expectInvalidNumber() const
    {
        ASSERT_EQ(ui.prompts.size(), 1);
        EXPECT_EQ(ui.prompts[0].text, q("Invalid Entry. Specify a valid number"));
        EXPECT_EQ(ui.prompts[0].title, q("Assistant: Orvel"));
        EXPECT_EQ(ui.prompts[0].icon, MsgIcon::Critical);
    }
};

} // namespace orvel::test
