// The source window's shell: start-up state, menu tree, shortcut routing, status captions,
// hide/show, contrast.
#include "editor/DefaultPage.h"
#include "editor/MenuTable.h"
#include "support/Fixtures.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

using namespace orvel;
using orvel::test::crlf;

namespace {

using SourceWindowTest = orvel::test::SourceWindowTest;

// A move straight onto the control, as the window system delivers it (also to disabled ones).
void hover(QWidget* target)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
}

TEST_F(SourceWindowTest, StartsOnTheDefaultPageWithLinesFiveAndSixSelected)
{
    EXPECT_EQ(w->Text1->text(), defaultPage());
    EXPECT_EQ(w->attempt->text(), defaultPage());
    // The first typed character replaces the selected lines, seen from the first line, not
    // scrolled as the box was before it had its size.
    EXPECT_TRUE(w->Text1->hasFocus());
    EXPECT_EQ(w->Text1->verticalScrollBar()->value(), 0);
    EXPECT_EQ(w->Text1->selStart(), 97);
    EXPECT_EQ(w->Text1->selText(),
              crlf("</HEAD>\n<body  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" "
                   "alink=\"maroon\">"));
    EXPECT_EQ(w->windowHandle()->title(), QStringLiteral("Untitled[]: Orvel -By Quorrin"));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(w->Label1[i]->text(), QStringLiteral("Character 97"));
        // 37 line ends, the last one closing the page.
        EXPECT_EQ(w->nooflines[i]->text(), QStringLiteral("Number of lines: 38"));
    }
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_TRUE(w->Timer2->isActive());
    EXPECT_TRUE(w->Timer3->isActive());
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

// Every row of every action table found its controls, the button shows what its row gives, and
// only entries with a command can be chosen.
TEST_F(SourceWindowTest, EveryActionRowIsInstalledWithItsHint)
{
    EXPECT_EQ(w->actionFaults(), QStringList());
    QSet<QString> buttons, handledEntries;
    QHash<QString, QStringList> rowsOfGroup;
    for (const InstalledAction& row : w->installedActions()) {
        SCOPED_TRACE((row.button + u' ' + row.menu).toStdString());
        EXPECT_FALSE(row.button.isEmpty() && row.menu.isEmpty());
        if (row.hasHandler)
            handledEntries << row.menu;
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
        const bool pictured = !row.theme.isEmpty() || !row.picture.isEmpty();
        EXPECT_EQ(b->icon().isNull(), !pictured);
        EXPECT_TRUE(pictured || !b->text().isEmpty());
        // Moving onto the button replaces the hint of the button before.
        if (!row.hint.isEmpty()) {
            hover(b);
            EXPECT_EQ(w->helper->text(), row.hint);
        }
    }
    for (const MenuEntry& e : menuTable()) {
        const QString name = QString::fromUtf8(e.name);
        if (*e.caption && !w->menu(name)) {
            EXPECT_EQ(w->menuAction(name)->isEnabled(), handledEntries.contains(name)) << e.name;
        }
    }

    // Every button of the tag groups comes from a row, and a group shows its buttons in the order
    // of their rows.
    for (QWidget* group :
         {w->General, w->misc, w->tabular, w->align, w->fonter, w->former, w->extras, w->special}) {
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
    // The temporary clipboard shows its hint; over the page the hint line shows the ready text.
    hover(w->Frame1);
    EXPECT_NE(w->helper->text(), SourceWindow::kReadyHint);
    QTest::mouseMove(w->Text1->viewport(), QPoint(20, 20));
    EXPECT_EQ(w->helper->text(), SourceWindow::kReadyHint);
}

TEST_F(SourceWindowTest, ARowThatDoesNotFitTheWindowIsAFault)
{
    const qsizetype before = w->actionFaults().size();
    const char* rows[][3] = {
        {"nosuchbutton", "", ""}, {"newbutton", "", "nosuchgroup"}, {"", "nosuchentry", ""}};
    for (const auto& r : rows) {
        InstalledAction row;
        row.button = QString::fromUtf8(r[0]);
        row.menu = QString::fromUtf8(r[1]);
        row.group = QString::fromUtf8(r[2]);
        installAction(*w, row, [] {});
    }
    EXPECT_EQ(w->actionFaults().size(), before + 3);
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
    void press(const char* key) { QTest::keySequence(w->Text1, QKeySequence(key)); }
};

TEST_F(ShortcutTest, CopyCutPasteAndSelectAllAreTheProgramsOwn)
{
    // With nothing selected, Copy and Cut leave the clipboard alone. Menu keys without a command
    // yet leave the page alone (the box alone deletes to the end of the line with Ctrl+K on some
    // desktops), as a key the box knows everywhere does while its entry is disabled.
    w->Text1->setSelStart(2);
    ui.clipboard = QStringLiteral("keep");
    QAction* selectAll = w->menuAction(QStringLiteral("mnuselectall"));
    selectAll->setEnabled(false);
    for (const char* key : {"Ctrl+C", "Ctrl+X", "Ctrl+K", "Shift+Del", "Ctrl+A"})
        press(key);
    EXPECT_EQ(ui.clipboard, QStringLiteral("keep"));
    EXPECT_EQ(marked(), QStringLiteral("he|llo world"));
    selectAll->setEnabled(true);

    w->Text1->setSelStart(6);
    w->Text1->setSelLength(5);
    press("Ctrl+C");
    EXPECT_EQ(ui.clipboard, QStringLiteral("world"));
    ui.clipboard.clear();
    press("Ctrl+X");
    EXPECT_EQ(ui.clipboard, QStringLiteral("world"));
    EXPECT_EQ(marked(), QStringLiteral("hello |"));

    ui.clipboard = QStringLiteral("there\nnow");
    press("Ctrl+V");
    EXPECT_EQ(marked(), crlf("hello there\nnow|"));
    press("Ctrl+A");
    EXPECT_EQ(marked(), crlf("[hello there\nnow]"));

    // Longer than the 65535 of a fixed length.
    setPage(QString(70000, u'x'));
    press("Ctrl+A");
    EXPECT_EQ(w->Text1->selLength(), 70000);
}

// Each shell row joins its key and its button to its own command.
TEST_F(ShortcutTest, KeysAndButtonsReachTheirCommands)
{
    w->setModified(false); // no questions in between
    ui.cancelFile().cancelFile().cancelFile();
    press("Ctrl+O");
    w->pictsaveas->click();
    press("Ctrl+S"); // an untitled page goes through Save As
    press("F5");
    ASSERT_EQ(ui.prompts.size(), 4);
    EXPECT_EQ(ui.prompts[0].file.kind, FileDialogKind::Open);
    EXPECT_EQ(ui.prompts[1].file.kind, FileDialogKind::Save);
    EXPECT_EQ(ui.prompts[2].file.kind, FileDialogKind::Save);
    EXPECT_EQ(ui.prompts[3].title, QStringLiteral("Tip"));
    press("Ctrl+R");
    EXPECT_EQ(endProgramCalls, 1);
    setPage(QStringLiteral("mine"));
    w->setModified(false);
    press("Ctrl+N");
    EXPECT_EQ(w->Text1->text(), w->attempt->text());
}

TEST_F(ShortcutTest, UndoAndRedoKeys)
{
    ASSERT_EQ(QApplication::focusWidget(), w->Text1);
    w->Text1->document()->clearUndoRedoStacks();
    QTest::keyClicks(w->Text1, "abc");
    for (const char* redo : {"Ctrl+Y", "Ctrl+Shift+Z"}) {
        press("Ctrl+Z");
        EXPECT_EQ(marked(), QStringLiteral("hello world|")) << redo;
        press(redo);
        EXPECT_EQ(marked(), QStringLiteral("hello abc|")) << redo;
    }
}

// Keys refresh the caret and line captions, a click only the caret's.
TEST_F(ShortcutTest, StatusCaptionsFollowKeysAndClicks)
{
    auto captions = [this] {
        return QStringList{w->Label1[0]->text(), w->Label1[1]->text(), w->nooflines[0]->text(),
                           w->nooflines[1]->text()};
    };
    w->Text1->setSelStart(3);
    QTest::keyClick(w->Text1, Qt::Key_Return);
    EXPECT_EQ(captions(), (QStringList{"Character 5", "Character 5", "Number of lines: 2",
                                       "Number of lines: 2"}));
    for (QLabel* l : w->nooflines)
        l->setText(QStringLiteral("untouched"));
    QTest::mouseClick(w->Text1->viewport(), Qt::LeftButton, {}, QPoint(2, 5));
    EXPECT_EQ(captions(), (QStringList{"Character 0", "Character 0", "untouched", "untouched"}));
}

// --- Window commands ---------------------------------------------------------------------------

TEST_F(SourceWindowTest, HideAndShowTheButtonGroupsTwice)
{
    const QList<QWidget*> groups{w->General, w->misc,   w->tabular,   w->Combo4, w->insert,
                                 w->bold,    w->italic, w->underline, w->fonter, w->align,
                                 w->former,  w->extras, w->special};
    QAction* hider = w->menuAction(QStringLiteral("mnuhider"));
    for (bool visible : {false, true}) {
        hider->trigger();
        for (QWidget* g : groups)
            EXPECT_EQ(g->isVisibleTo(w.get()), visible) << g->objectName().toStdString();
        EXPECT_EQ(hider->text(), visible ? QStringLiteral("Hide") : QStringLiteral("Show"));
        // The window buttons never hide.
        EXPECT_TRUE(w->pictnew->isVisibleTo(w.get()));
        EXPECT_GT(w->Text1->height(), 0);
    }
}

TEST_F(SourceWindowTest, TheCloseBoxDoesNotCloseTheWindowWithoutTheExitPath)
{
    w->Text1->setSelText(QStringLiteral("edit"));
    ui.answer(MsgAnswer::No);
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(endProgramCalls, 0);
    EXPECT_EQ(ui.promptTexts(),
              QStringList{QStringLiteral("Are you sure you want to exit without saving?")});
}

// Run under a memory checker by the editor_memcheck test: the window and the side windows of its
// commands, shown and then destroyed with it.
TEST_F(SourceWindowTest, ShownWithItsWindowsAndClosed)
{
    for (const char* entry : {"mnubookmarks", "mnuMaster", "mnufind"})
        w->menuAction(QString::fromUtf8(entry))->trigger();
    QTest::mouseClick(w->centralWidget(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(w->isVisible());
}

} // namespace
