// The source window's shell: menu tree, shortcut routing, status captions, hide/show, contrast.
#include "editor/MenuTable.h"
#include "support/Fixtures.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWindow>

using namespace orvel;
using orvel::test::crlf;

namespace {

using SourceWindowTest = orvel::test::SourceWindowTest;

// The menus are the table: every row is an entry of its parent menu, in the table's order, with
// its caption, key and check mark.
TEST_F(SourceWindowTest, MenusAreBuiltFromTheTable)
{
    QHash<QString, int> nextIndex;
    for (const MenuEntry& e : menuTable()) {
        const QString name = QString::fromUtf8(e.name);
        const QString parent = QString::fromUtf8(e.parent);
        SCOPED_TRACE(name.toStdString());
        QAction* a = w->menu(name) ? w->menu(name)->menuAction() : w->menuAction(name);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->objectName(), name);
        EXPECT_EQ(a->text(), QString::fromUtf8(e.caption));
        EXPECT_EQ(a->isSeparator(), !*e.caption);
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromUtf8(e.key)));
        EXPECT_EQ(a->isCheckable(), e.checkable);
        EXPECT_EQ(a->isChecked(), e.checked);
        const QList<QAction*> siblings =
            parent.isEmpty() ? w->menuBar()->actions() : w->menu(parent)->actions();
        const int index = nextIndex[parent]++;
        ASSERT_LT(index, siblings.size());
        EXPECT_EQ(siblings.at(index), a);
    }
}

// Every key of the table reaches its own entry while the caret is in the page, even keys the
// edit box has a meaning of its own for (Ctrl+A, Ctrl+K, Shift+Del, ...).
TEST_F(SourceWindowTest, EveryKeyReachesItsEntryFromThePage)
{
    w->Text1->setFocus();
    for (const MenuEntry& e : menuTable()) {
        if (!*e.key)
            continue;
        QAction* a = w->menuAction(QString::fromUtf8(e.name));
        a->disconnect();
        a->setEnabled(true);
        int triggered = 0;
        QObject::connect(a, &QAction::triggered, [&] { ++triggered; });
        QTest::keySequence(w->Text1, QKeySequence(QString::fromUtf8(e.key)));
        EXPECT_EQ(triggered, 1) << e.name;
        a->disconnect();
    }
}

// Every row of every action table found its controls, and the button shows what its row gives.
TEST_F(SourceWindowTest, EveryActionRowIsInstalled)
{
    EXPECT_EQ(w->actionFaults(), QStringList());
    QSet<QString> buttons;
    QHash<QString, QStringList> rowsOfGroup;
    for (const InstalledAction& row : w->installedActions()) {
        SCOPED_TRACE((row.button + u' ' + row.menu).toStdString());
        EXPECT_FALSE(row.button.isEmpty() && row.menu.isEmpty());
        if (!row.menu.isEmpty()) {
            EXPECT_EQ(w->menuAction(row.menu)->isEnabled(), row.hasHandler);
        }
        if (row.button.isEmpty())
            continue;
        EXPECT_FALSE(buttons.contains(row.button)) << "a second row for the button";
        buttons << row.button;
        auto* b = w->findChild<QAbstractButton*>(row.button);
        ASSERT_TRUE(b);
        if (!row.group.isEmpty()) {
            EXPECT_EQ(b->parentWidget()->objectName(), row.group);
            rowsOfGroup[row.group] << row.button;
        }
        EXPECT_EQ(b->isEnabled(), row.hasHandler);
        EXPECT_EQ(b->toolTip(), row.tooltip);
        // A row without a picture names a captioned button.
        if (row.theme.isEmpty() && row.glyph.isEmpty())
            EXPECT_FALSE(b->text().isEmpty());
        else
            EXPECT_FALSE(b->icon().isNull());
        // A move straight to the button, as the window system delivers it, replaces the hint of
        // the button before.
        if (!row.hint.isEmpty()) {
            QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), b->mapToGlobal(QPointF(3, 3)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(b, &move);
            EXPECT_EQ(w->helper->text(), row.hint);
        }
    }

    // Every button of the tag groups comes from a row, and a group shows its buttons in the order
    // of their rows.
    QList<QWidget*> groups{w->General, w->misc,   w->tabular, w->align,
                           w->fonter,  w->former, w->extras,  w->special};
    for (QWidget* group : groups) {
        SCOPED_TRACE(group->objectName().toStdString());
        QStringList shown;
        for (int i = 0; i < group->layout()->count(); ++i) {
            auto* b = qobject_cast<QAbstractButton*>(group->layout()->itemAt(i)->widget());
            if (!b)
                continue;
            EXPECT_TRUE(buttons.contains(b->objectName())) << b->objectName().toStdString();
            if (rowsOfGroup[group->objectName()].contains(b->objectName()))
                shown << b->objectName();
        }
        EXPECT_EQ(shown, rowsOfGroup[group->objectName()]);
    }
    for (QAbstractButton* b : {w->bold, w->italic, w->underline, w->insert})
        EXPECT_TRUE(buttons.contains(b->objectName()));
}

// A row naming a control, group or entry the window does not have is a fault, whatever the build.
TEST_F(SourceWindowTest, ARowThatDoesNotFitTheWindowIsAFault)
{
    const QStringList before = w->actionFaults();
    auto row = [](const char* button, const char* menu, const char* group) {
        InstalledAction r;
        r.button = QString::fromUtf8(button);
        r.menu = QString::fromUtf8(menu);
        r.group = QString::fromUtf8(group);
        return r;
    };
    installAction(*w, row("nosuchbutton", "", ""), [] {});
    installAction(*w, row("newbutton", "", "nosuchgroup"), [] {});
    installAction(*w, row("", "nosuchentry", ""), [] {});
    EXPECT_EQ(w->actionFaults().size(), before.size() + 3);
}

TEST_F(SourceWindowTest, EntriesWithoutACommandYetAreDisabled)
{
    for (const char* name :
         {"mnufind", "mnuLcase", "mnucomposer", "helpa", "about", "mnucrestore1", "mnuautodel"})
        EXPECT_FALSE(w->menuAction(name)->isEnabled()) << name;
    for (const char* name : {"new", "open", "save", "saveas", "preview", "exit", "mnuhider",
                             "mnucopy", "mnucut", "mnupaste", "mnuselectall"})
        EXPECT_TRUE(w->menuAction(name)->isEnabled()) << name;
}

// --- Keys in Text1 -----------------------------------------------------------------------------

class ShortcutTest : public SourceWindowTest {
protected:
    void SetUp() override
    {
        SourceWindowTest::SetUp();
        w->Text1->setFocus();
        setPage(QStringLiteral("hello world"), 6, 5);
    }
    void press(const char* key)
    {
        const QKeySequence seq(QString::fromLatin1(key));
        QTest::keySequence(w->Text1, seq);
    }
};

TEST_F(ShortcutTest, CopyCutPasteAndSelectAllAreTheProgramsOwn)
{
    ui.clipboard = QStringLiteral("old");
    press("Ctrl+C");
    EXPECT_EQ(ui.clipboard, QStringLiteral("world"));

    press("Ctrl+X");
    EXPECT_EQ(ui.clipboard, QStringLiteral("world"));
    EXPECT_EQ(marked(), QStringLiteral("hello |"));

    ui.clipboard = QStringLiteral("there\nnow");
    press("Ctrl+V");
    EXPECT_EQ(marked(), crlf("hello there\nnow|"));

    press("Ctrl+A");
    EXPECT_EQ(marked(), crlf("[hello there\nnow]"));
}

TEST_F(ShortcutTest, CopyAndCutWithNothingSelectedLeaveTheClipboard)
{
    w->Text1->setSelStart(2);
    ui.clipboard = QStringLiteral("keep");
    press("Ctrl+C");
    press("Ctrl+X");
    EXPECT_EQ(ui.clipboard, QStringLiteral("keep"));
    EXPECT_EQ(w->Text1->text(), QStringLiteral("hello world"));
}

TEST_F(ShortcutTest, SelectAllTakesTheWholeOfALongPage)
{
    setPage(QString(70000, u'x'));
    press("Ctrl+A");
    EXPECT_EQ(w->Text1->selLength(), 70000);
}

TEST_F(ShortcutTest, FileKeysReachTheirCommandsFromTheEditor)
{
    press("Ctrl+R"); // ends the program after the unsaved question
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].text, QStringLiteral("Are you sure you want to exit without saving?"));

    ui.prompts.clear();
    ui.cancelFile();
    press("Ctrl+S"); // an untitled page goes through Save As
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].file.kind, FileDialogKind::Save);

    ui.prompts.clear();
    press("F5");
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].title, QStringLiteral("Tip"));

    press("Ctrl+H");
    EXPECT_EQ(w->menuAction("mnuhider")->text(), QStringLiteral("Show"));

    ui.answer(MsgAnswer::Yes);
    press("Ctrl+N");
    EXPECT_EQ(w->Text1->text(), w->attempt->text());
}

TEST_F(ShortcutTest, MenuKeysWithoutACommandYetLeaveThePageAlone)
{
    w->Text1->setSelStart(2);
    press("Ctrl+K"); // the box alone deletes to the end of the line on some desktops
    press("Shift+Del");
    // A key the box itself knows everywhere: with its entry disabled it does nothing at all.
    w->menuAction("mnuselectall")->setEnabled(false);
    press("Ctrl+A");
    EXPECT_EQ(marked(), QStringLiteral("he|llo world"));
}

TEST_F(ShortcutTest, EditsMarkThePageAndRefreshTheCaptions)
{
    ui.answer(MsgAnswer::Yes);
    w->new_Click();
    w->Text1->setSelStart(0);
    QTest::keyClicks(w->Text1, QStringLiteral("ab"));
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
    EXPECT_EQ(w->windowHandle()->title(), QStringLiteral("Untitled[*]: Orvel -By Quorrin"));
    EXPECT_EQ(w->Label1[0]->text(), QStringLiteral("Character 2"));
    EXPECT_EQ(w->Label1[1]->text(), QStringLiteral("Character 2"));
    QTest::keyClick(w->Text1, Qt::Key_Return);
    EXPECT_EQ(w->nooflines[0]->text(), QStringLiteral("Number of lines: 39"));
    EXPECT_EQ(w->nooflines[1]->text(), QStringLiteral("Number of lines: 39"));
}

TEST_F(ShortcutTest, KeysThatMoveTheCaretRefreshTheCaptions)
{
    w->Text1->setSelStart(3);
    for (QLabel* l : w->Label1)
        l->setText(QString());
    QTest::keyClick(w->Text1, Qt::Key_Right);
    EXPECT_EQ(w->Label1[0]->text(), QStringLiteral("Character 4"));
    EXPECT_EQ(w->nooflines[1]->text(), QStringLiteral("Number of lines: 1"));
}

TEST_F(ShortcutTest, AClickRefreshesOnlyTheCaretCaptions)
{
    for (QLabel* l : w->nooflines)
        l->setText(QStringLiteral("untouched"));
    QTest::mouseClick(w->Text1->viewport(), Qt::LeftButton, {}, QPoint(2, 5));
    EXPECT_EQ(w->Label1[0]->text(), QStringLiteral("Character 0"));
    EXPECT_EQ(w->Label1[1]->text(), QStringLiteral("Character 0"));
    EXPECT_EQ(w->nooflines[0]->text(), QStringLiteral("untouched"));
}

// --- Window commands ---------------------------------------------------------------------------

TEST_F(SourceWindowTest, HideAndShowTheButtonGroupsTwice)
{
    QList<QWidget*> groups;
    groups << w->General << w->misc << w->tabular << w->Combo4 << w->insert << w->bold << w->italic
           << w->underline << w->fonter << w->align << w->former << w->extras << w->special;
    w->toggleButtons();
    for (QWidget* g : groups)
        EXPECT_FALSE(g->isVisibleTo(w.get())) << g->objectName().toStdString();
    EXPECT_EQ(w->menuAction("mnuhider")->text(), QStringLiteral("Show"));
    EXPECT_GT(w->Text1->height(), 0);

    w->menuAction("mnuhider")->trigger();
    for (QWidget* g : groups)
        EXPECT_TRUE(g->isVisibleTo(w.get())) << g->objectName().toStdString();
    EXPECT_EQ(w->menuAction("mnuhider")->text(), QStringLiteral("Hide"));
    // The window buttons never hide.
    EXPECT_TRUE(w->pictnew->isVisibleTo(w.get()));
}

TEST_F(SourceWindowTest, ContrastSwapsTheColoursAndSwapsThemBack)
{
    const QColor base = w->Text1->palette().color(QPalette::Base);
    const QColor text = w->Text1->palette().color(QPalette::Text);
    ASSERT_NE(base, text);
    w->pictcontrast->click();
    for (QWidget* box : {static_cast<QWidget*>(w->Text1), static_cast<QWidget*>(w->helper)}) {
        EXPECT_EQ(box->palette().color(QPalette::Base), text);
        EXPECT_EQ(box->palette().color(QPalette::Text), base);
    }
    w->pictcontrast->click();
    for (QWidget* box : {static_cast<QWidget*>(w->Text1), static_cast<QWidget*>(w->helper)}) {
        EXPECT_EQ(box->palette().color(QPalette::Base), base);
        EXPECT_EQ(box->palette().color(QPalette::Text), text);
    }
}

TEST_F(SourceWindowTest, ControlsOutsideTheTablesHintOnTheSameLine)
{
    for (QWidget* wdg :
         {static_cast<QWidget*>(w->mastertmpclip), static_cast<QWidget*>(w->Frame1)}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), wdg->mapToGlobal(QPointF(3, 3)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(wdg, &move);
        EXPECT_EQ(w->helper->text(), wdg == w->Frame1
                                         ? QStringLiteral("Drag drop items into this. Read Help >> "
                                                          "Others >> Temporary Clipboard for more "
                                                          "information")
                                         : QStringLiteral("Open Master Temporary Clipboard, for "
                                                          "enhanced editing."));
    }
    // Over the editor the hint line shows the ready text again.
    QTest::mouseMove(w->Text1->viewport(), QPoint(20, 20));
    EXPECT_EQ(w->helper->text(), QStringLiteral("Ready: Orvel-by Quorrin"));
}

TEST_F(SourceWindowTest, TheCloseBoxDoesNotCloseTheWindowWithoutTheExitPath)
{
    w->Text1->setSelText(QStringLiteral("edit"));
    ui.answer(MsgAnswer::No);
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(endProgramCalls, 0);
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].text, QStringLiteral("Are you sure you want to exit without saving?"));
}

} // namespace
