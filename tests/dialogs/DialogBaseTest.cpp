// What every insertion dialog shares: its target, its number boxes and editable combo boxes,
// unloading, and destruction in any state.
#include "DialogTest.h"
#include "dialogs/FontCombo.h"
#include "dialogs/Fonty.h"
#include "dialogs/Hrule.h"
#include "dialogs/Imager.h"
#include "dialogs/Objecter.h"
#include "dialogs/TableCreater.h"
#include "editor/StringText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>
#include <functional>
#include <memory>

using namespace orvel;
using namespace orvel::test;

namespace {

// Runs `f.template operator()<D>()` for each dialog type D.
template <class... D> struct DialogTypes {
    template <class F> static void each(F&& f) { (f.template operator()<D>(), ...); }
};

using AllDialogs = DialogTypes<FontyDialog, FontComboDialog, HruleDialog, ImagerDialog,
                               ObjecterDialog, TableCreaterDialog>;

class DialogBaseTest : public DialogTest {
protected:
    // The dialog of type D on the page, opened if need be, and its control `name`.
    template <class D> std::function<QWidget*()> opener()
    {
        return [this] { return open<D>(); };
    }
    template <class T, class D> std::function<T*()> control(const char* name)
    {
        return [this, name] { return open<D>()->template findChild<T*>(q(name)); };
    }
    template <class D> std::function<QLineEdit*()> box(const char* name)
    {
        return control<QLineEdit, D>(name);
    }
};

// The composer hands the dialogs a window and a text of its own.
TEST_F(DialogBaseTest, DialogWritesIntoTheTargetItIsGiven)
{
    setPage(q("page"), 0, 4);
    QWidget window;
    StringText text(q("one two"));
    text.setSelStart(4);
    text.setSelLength(3);
    const DialogTarget target{&window, &text};
    QPointer<HruleDialog> d = dialogFor<HruleDialog>(target);
    EXPECT_EQ(d->parentWidget(), &window);
    EXPECT_EQ(dialogFor<HruleDialog>(target), d.data());
    // Each type finds its own dialog only.
    EXPECT_EQ(dialogFor<TableCreaterDialog>(target)->objectName(), q("tablecreater"));
    d->Check1->setChecked(true);
    d->OKButton->click();
    EXPECT_EQ(text.text(), q("one <HR NOSHADE>"));
    EXPECT_EQ(text.selStart(), 16);
    EXPECT_EQ(marked(), q("[page]"));
    // Unloading detaches it at once: the next call creates a fresh dialog.
    EXPECT_EQ(window.findChild<HruleDialog*>(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull());
    EXPECT_NE(dialogFor<HruleDialog>(target), nullptr);
}

// Escape, the close box and Cancel (where there is one) unload the dialog and write nothing.
TEST_F(DialogBaseTest, LeavingWithoutOkUnloadsAndWritesNothing)
{
    AllDialogs::each([this]<class D>() {
        for (const char* way : {"Escape", "close", "Cancel"}) {
            setPage(q("keep"), 0, 4);
            QPointer<D> d = open<D>();
            const std::string row = d->objectName().toStdString() + " " + way;
            auto* cancel = d->template findChild<QPushButton*>(q("CancelButton"));
            if (*way == 'E')
                QTest::keyClick(d->focusWidget() ? d->focusWidget() : d.data(), Qt::Key_Escape);
            else if (*way == 'c')
                d->close();
            else if (cancel)
                click(cancel);
            else
                d->unload(); // the table dialog has no Cancel
            EXPECT_TRUE(unloaded(d)) << row;
            EXPECT_EQ(marked(), q("[keep]")) << row;
        }
    });
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// Keys are typed at the end of the box's text, "+" pastes the rest at the caret, "=" sets it by
// code, "" empties the box. Only typing is held to a box's length: the up-downs step past it, and
// what a command put in can still be deleted from. Only the rule width may end in "%", and only
// when the sign does not come from the keyboard.
TEST_F(DialogBaseTest, NumberBoxesTakeDigitsOnlyAndTypedOnlyUpToTheirLength)
{
    const struct {
        std::function<QLineEdit*()> box;
        const char* input;
        const char* result;
        bool refused;
    } rows[] = {
        {box<ObjecterDialog>("Volume"), "1", "501", false},
        {box<ObjecterDialog>("Volume"), "k", "50", true},
        {box<ImagerDialog>("verspace"), "+12", "012", false},
        {box<ImagerDialog>("verspace"), "+4x4", "0", true},
        {box<TableCreaterDialog>("j"), "", "2", false},
        {box<TableCreaterDialog>("j"), "=1 2", "2", true},
        {box<TableCreaterDialog>("i"), "-", "2", true},
        {box<TableCreaterDialog>("i"), "345", "23", false},
        {box<TableCreaterDialog>("j"), "=123", "123", false},
        {box<TableCreaterDialog>("j"), "\b4", "12", false},
        {box<FontyDialog>("txtfontsize"), "5", "3", false},
        {box<HruleDialog>("widther"), "=75%", "75%", false},
        {box<HruleDialog>("widther"), "%", "100%", true},
        {box<HruleDialog>("widther"), "=7%5", "100%", true},
        {box<ObjecterDialog>("Widther"), "=75%", "75", true},
    };
    for (const auto& r : rows) {
        QLineEdit* b = r.box();
        const std::string row = b->objectName().toStdString() + " " + r.input;
        ui.prompts.clear();
        b->setFocus();
        b->end(false);
        if (*r.input == '+') {
            b->insert(q(r.input + 1)); // what a paste does
        } else if (*r.input == '=') {
            b->setText(q(r.input + 1));
        } else if (*r.input) {
            QTest::keyClicks(b, q(r.input));
        } else {
            b->selectAll();
            QTest::keyClick(b, Qt::Key_Backspace);
        }
        EXPECT_EQ(b->text(), q(r.result)) << row;
        if (!r.refused) {
            EXPECT_TRUE(ui.prompts.isEmpty()) << row;
            continue;
        }
        ASSERT_EQ(ui.prompts.size(), 1) << row;
        EXPECT_EQ(ui.prompts[0].text, q("Invalid Entry. Specify a valid number"));
        EXPECT_EQ(ui.prompts[0].title, q("Assistant: Orvel"));
        EXPECT_EQ(ui.prompts[0].icon, MsgIcon::Critical);
    }
}

// Down stops at the lower bound, up at the upper one where there is one.
TEST_F(DialogBaseTest, UpDownsStepTheirBoxWithinItsBounds)
{
    const struct {
        std::function<QWidget*()> dialog;
        const char *box, *upDown, *from, *steps, *to;
    } rows[] = {
        {opener<FontyDialog>(), "txtfontsize", "fontsizeUpDown", "6", "++", "7"},
        {opener<FontyDialog>(), "txtfontsize", "fontsizeUpDown", "2", "--", "1"},
        {opener<TableCreaterDialog>(), "i", "rowUpDown", "2", "--", "1"},
        {opener<TableCreaterDialog>(), "txtborder", "borderUpDown", "1", "--", "0"},
        {opener<ImagerDialog>(), "txtborder", "UpDown1", "0", "-+", "1"},
        {opener<ImagerDialog>(), "horispace", "UpDown3", "99999", "+", "100000"},
    };
    for (const auto& r : rows) {
        QWidget* d = r.dialog();
        auto* b = d->findChild<QLineEdit*>(q(r.box));
        auto* upDown = d->findChild<UpDown*>(q(r.upDown));
        b->setText(q(r.from));
        for (const char* step = r.steps; *step; ++step)
            click(*step == '+' ? upDown->upButton() : upDown->downButton());
        EXPECT_EQ(b->text(), q(r.to)) << r.box << " " << r.from << r.steps;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// The toolkit's completion would show "black" after a typed "b" while the dialog uses "b", and
// Enter would add typed text to the list.
TEST_F(DialogBaseTest, EditableCombosShowAndUseExactlyWhatIsTyped)
{
    ui.fonts = {q("Arial"), q("Bookman")};
    const auto fonty = [this] { return open<FontyDialog>(); };
    const auto image = [this] {
        auto* d = open<ImagerDialog>();
        d->imageurl->setText(q("a.gif"));
        setPage(QString());
        click(d->OKButton);
        return w->Text1->text();
    };
    const auto fontcombo = [this] {
        setPage(q("x"), 0, 1);
        click(open<FontComboDialog>()->Command1);
        return w->Text1->text();
    };
    const struct {
        std::function<QComboBox*()> combo;
        const char* typed;
        std::function<QString()> used;
        const char* expected;
    } rows[] = {
        {control<QComboBox, FontyDialog>("Combo2"), "b",
         [&] { return fonty()->fragments().colour; }, " color=\"b\""},
        {control<QComboBox, FontyDialog>("Combo1"), "c", [&] { return fonty()->fragments().face; },
         " face=\"c\""},
        {control<QComboBox, HruleDialog>("Combo2"), "b",
         [this] { return ruleTag(open<HruleDialog>()->fragments()); }, "<HR color=\"b\">"},
        {control<QComboBox, ImagerDialog>("txtalignment"), "b", image,
         "<IMG SRC=\"a.gif\" BORDER=0 align=\"b\" ALT=\"Images not available\" > "},
        {control<QComboBox, FontComboDialog>("combo1"), "b", fontcombo,
         "<font face= \"b\">x </font>"},
    };
    for (const auto& r : rows) {
        QComboBox* c = r.combo();
        const int items = c->count();
        const std::string row = c->objectName().toStdString();
        retype(c->lineEdit(), q(r.typed));
        EXPECT_EQ(c->currentText(), q(r.typed)) << row;
        QTest::keyClick(c->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(c->count(), items) << row;
        EXPECT_EQ(c->currentText(), q(r.typed)) << row;
        EXPECT_EQ(r.used(), q(r.expected)) << row;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

// Runs `f` in the dialog's context, as its handlers are wired, on every signal of its controls
// that drives a handler.
void probe(QWidget* d, const std::function<void()>& f)
{
    for (auto* e : d->findChildren<QLineEdit*>()) {
        QObject::connect(e, &QLineEdit::textChanged, d, f);
        QObject::connect(e, &QLineEdit::editingFinished, d, f);
    }
    for (auto* c : d->findChildren<QComboBox*>()) {
        QObject::connect(c, &QComboBox::activated, d, f);
        QObject::connect(c, &QComboBox::editTextChanged, d, f);
    }
    for (auto* b : d->findChildren<QAbstractButton*>())
        QObject::connect(b, &QAbstractButton::toggled, d, f);
    for (auto* l : d->findChildren<QListWidget*>())
        QObject::connect(l, &QListWidget::itemSelectionChanged, d, f);
    for (auto* t : d->findChildren<QPlainTextEdit*>())
        QObject::connect(t, &QPlainTextEdit::textChanged, d, f);
    for (auto* t : d->findChildren<QTimer*>())
        QObject::connect(t, &QTimer::timeout, d, f);
}

// Ticks and types into everything, and leaves the focus in the last combo box with one of its
// items typed: a combo box that loses the focus on such a text reports it as chosen.
void fill(QWidget* d)
{
    for (auto* c : d->findChildren<QCheckBox*>()) {
        if (c->isEnabled())
            c->click();
    }
    for (auto* e : d->findChildren<QLineEdit*>()) {
        if (e->isEnabled() && !e->isReadOnly() && !qobject_cast<QComboBox*>(e->parentWidget())) {
            e->end(false);
            QTest::keyClicks(e, q("1"));
        }
    }
    for (auto* t : d->findChildren<QPlainTextEdit*>())
        QTest::keyClicks(t, q("x"));
    for (auto* c : d->findChildren<QComboBox*>()) {
        c->lineEdit()->setFocus();
        c->lineEdit()->selectAll();
        QTest::keyClicks(c->lineEdit(), c->itemText(c->count() - 1));
    }
}

// Closing the program with a dialog open deletes the dialog with its window, after the dialog's
// own members are gone; unloading deletes it later. Neither may run a handler of the dialog.
TEST_F(DialogBaseTest, DialogsAreSafeToDestroyInAnyState)
{
    AllDialogs::each([this]<class D>() {
        for (bool withWindow : {true, false}) {
            StringText text(q("a b"));
            auto window = std::make_unique<QWidget>();
            QPointer<D> d = shownDialog<D>({window.get(), &text});
            const std::string row =
                d->objectName().toStdString() + (withWindow ? " with its window" : " unloaded");
            bool destroying = false;
            int late = 0;
            probe(d, [&] { late += destroying; });
            fill(d);
            ui.prompts.clear();
            if (!withWindow)
                d->unload(); // hides it first, and a live dialog may react to that
            destroying = true;
            if (withWindow)
                window.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(d.isNull()) << row;
            EXPECT_EQ(late, 0) << row;
            EXPECT_TRUE(ui.prompts.isEmpty()) << row;
        }
    });
}

} // namespace
