// What every insertion dialog shares: target, leaving, number boxes, up-downs, combos, destruction.
#include "DialogTest.h"
#include "dialogs/BulNumCreater.h"
#include "dialogs/FontCombo.h"
#include "dialogs/Fonty.h"
#include "dialogs/Heading.h"
#include "dialogs/Hrule.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "dialogs/ListBox.h"
#include "dialogs/Objecter.h"
#include "dialogs/PageProps.h"
#include "dialogs/Rollover.h"
#include "dialogs/TableCreater.h"
#include "editor/StringText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
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

using AllDialogs = DialogTypes<FontyDialog, FontComboDialog, HeadingDialog, HruleDialog,
                               ImagerDialog, LinkCompleteDialog, ObjecterDialog, TableCreaterDialog,
                               PagePropsDialog, RolloverDialog, ListBoxDialog, BulNumCreaterDialog>;

class DialogBaseTest : public DialogTest {
protected:
    // The box `name` of the dialog of type D on the page, opened if need be.
    template <class D> std::function<QLineEdit*()> box(const char* name)
    {
        return [this, name] { return open<D>()->template findChild<QLineEdit*>(q(name)); };
    }
};

// A dialog writes the target it is given; the rule dialog reads NOSHADE from its selection.
TEST_F(DialogBaseTest, DialogReadsAndWritesTheTargetItIsGiven)
{
    const std::pair<const char*, const char*> rows[] = {{"<HR size=\"2\" NOSHADE>", "<HR NOSHADE>"},
                                                        {"<HR noshade>", "<HR>"}};
    for (const auto& [selected, rule] : rows) {
        setPage(q("page"), 0, 4);
        QWidget window;
        StringText text(q("one ") + q(selected));
        text.setSelStart(4);
        text.setSelLength(int(strlen(selected)));
        const DialogTarget target{&window, &text};
        QPointer<HruleDialog> d = dialogFor<HruleDialog>(target);
        EXPECT_EQ(dialogFor<HruleDialog>(target), d.data());
        d->OKButton->click();
        EXPECT_EQ(text.text(), q("one ") + q(rule)) << selected;
        EXPECT_EQ(text.selStart(), text.length());
        EXPECT_EQ(marked(), q("[page]"));
        // Unloading detaches it at once, so the next opener creates a fresh dialog.
        EXPECT_EQ(window.findChild<HruleDialog*>(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(d.isNull());
    }
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
                d->unload(); // the table, list and page properties dialogs have no Cancel
            EXPECT_TRUE(unloaded(d)) << row;
            EXPECT_EQ(marked(), q("[keep]")) << row;
        }
    });
}

// Typed "k", pasted "+", set "=", emptied "": only typing is held to the length and digits.
TEST_F(DialogBaseTest, NumberBoxesTakeDigitsOnlyAndTypedOnlyUpToTheirLength)
{
    // the box, the input, the box afterwards, refused
    const std::tuple<std::function<QLineEdit*()>, const char*, const char*, bool> rows[] = {
        {box<ObjecterDialog>("Volume"), "k", "50", true},
        {box<ImagerDialog>("verspace"), "+12", "012", false},
        {box<ImagerDialog>("verspace"), "+4x4", "0", true},
        {box<TableCreaterDialog>("j"), "", "2", false},
        {box<TableCreaterDialog>("j"), "=1 2", "2", true},
        {box<TableCreaterDialog>("i"), "345", "23", false},
        {box<TableCreaterDialog>("j"), "=123", "123", false},
        {box<TableCreaterDialog>("j"), "\b4", "12", false},
        {box<HruleDialog>("widther"), "=75%", "75%", false},
        {box<HruleDialog>("widther"), "%", "100%", true},
        {box<HruleDialog>("widther"), "=7%5", "100%", true},
        {box<ObjecterDialog>("Widther"), "=75%", "75", true},
    };
    const Shown refusal{q("Assistant: Orvel"), q("Invalid Entry. Specify a valid number"),
                        MsgIcon::Critical};
    for (const auto& [boxOf, input, result, refused] : rows) {
        QLineEdit* b = boxOf();
        const std::string row = b->objectName().toStdString() + " " + input;
        shown();
        b->setFocus();
        b->end(false);
        if (*input == '+') {
            b->insert(q(input + 1)); // what a paste does
        } else if (*input == '=') {
            b->setText(q(input + 1));
        } else if (*input) {
            QTest::keyClicks(b, q(input));
        } else {
            b->selectAll();
            QTest::keyClick(b, Qt::Key_Backspace);
        }
        EXPECT_EQ(b->text(), q(result)) << row;
        EXPECT_EQ(shown(), refused ? ShownList{refusal} : ShownList{}) << row;
    }
}

TEST_F(DialogBaseTest, UpDownsStepTheirBoxWithinItsBounds)
{
    // the box, its up-down, the box before, the clicks (up "+", down "-"), the box afterwards
    const std::tuple<std::function<QLineEdit*()>, const char*, const char*, const char*,
                     const char*>
        rows[] = {
            {box<FontyDialog>("txtfontsize"), "fontsizeUpDown", "6", "++", "7"},
            {box<TableCreaterDialog>("i"), "rowUpDown", "2", "--", "1"},
            {box<ImagerDialog>("txtborder"), "UpDown1", "0", "-+", "1"},
            {box<HruleDialog>("size"), "UpDown2", "", "+", "2"},
            {box<HruleDialog>("size"), "UpDown2", "", "-", "0"},
            {box<PagePropsDialog>("Text7"), "UpDown1", "1", "--+", "1"},
            {box<PagePropsDialog>("Text10"), "UpDown3", "0", "--++", "1"},
        };
    for (const auto& [boxOf, name, from, steps, to] : rows) {
        QLineEdit* b = boxOf();
        auto* upDown = b->parentWidget()->findChild<UpDown*>(q(name));
        b->setText(q(from));
        for (const char* step = steps; *step; ++step)
            click(*step == '+' ? upDown->upButton() : upDown->downButton());
        EXPECT_EQ(b->text(), q(to)) << name << " " << from << steps;
    }
}

// No inline completion, and Return adds nothing to the list.
TEST_F(DialogBaseTest, EditableCombosKeepExactlyWhatIsTyped)
{
    AllDialogs::each([this]<class D>() {
        for (QComboBox* c : open<D>()->template findChildren<QComboBox*>()) {
            const int items = c->count();
            const QString typed = c->itemText(items - 1).left(1);
            retype(c->lineEdit(), typed);
            QTest::keyClick(c->lineEdit(), Qt::Key_Return);
            EXPECT_EQ(c->currentText(), typed) << c->objectName().toStdString();
            EXPECT_EQ(c->count(), items) << c->objectName().toStdString();
        }
    });
}

// Runs `f` on every signal of the dialog's controls that drives a handler.
void probe(QWidget* d, const std::function<void()>& f)
{
    for (auto* e : d->findChildren<QLineEdit*>())
        QObject::connect(e, &QLineEdit::textChanged, d, f);
    for (auto* c : d->findChildren<QComboBox*>()) {
        QObject::connect(c, &QComboBox::activated, d, f);
        QObject::connect(c, &QComboBox::editTextChanged, d, f);
    }
    for (auto* b : d->findChildren<QAbstractButton*>())
        QObject::connect(b, &QAbstractButton::toggled, d, f);
    for (auto* l : d->findChildren<QListWidget*>())
        QObject::connect(l, &QListWidget::itemSelectionChanged, d, f);
    for (auto* t : d->findChildren<QTimer*>())
        QObject::connect(t, &QTimer::timeout, d, f);
}

// Ticks and types into everything, the focus left in the last combo with an item typed.
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
    for (auto* c : d->findChildren<QComboBox*>()) {
        c->lineEdit()->setFocus();
        c->lineEdit()->selectAll();
        QTest::keyClicks(c->lineEdit(), c->itemText(c->count() - 1));
    }
}

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
