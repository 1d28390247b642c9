// The source window's shell: menu tree, shortcut routing, status captions, hide/show, contrast.
#include "editor/MenuTable.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
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

QStringList titles(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions)
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST_F(SourceWindowTest, MenuBarOrder)
{
    EXPECT_EQ(titles(w->menuBar()->actions()),
              (QStringList{"&File", "&Edit", "F&ormat", "&Insert", "&Table", "E&xtra", "Option&s",
                           "&Help"}));
}

TEST_F(SourceWindowTest, MenusHoldTheirEntriesSeparatorsAndSubmenus)
{
    EXPECT_EQ(titles(w->menu("File")->actions()),
              (QStringList{"&New", "&Open", "&Save", "Save &As", "&Preview", "Composer", "E&xit"}));
    EXPECT_EQ(titles(w->menu("mnuEdit")->actions()),
              (QStringList{"Copy", "Cut", "Paste", "-", "Find", "Find Next", "&Replace", "-",
                           "Lower Case", "Upper Case", "Inverted Case", "Title Case",
                           "Sentence Case", "-", "Select All"}));
    EXPECT_EQ(titles(w->menu("breaka")->actions()),
              (QStringList{"&Line Break", "&Word Break", "&No Break"}));
    EXPECT_EQ(titles(w->menu("mnucrestore")->actions()),
              (QStringList{"Restore Point 1", "Restore Point 2", "Restore Point 3"}));
    EXPECT_EQ(w->menu("spcla")->title(), QStringLiteral("Special"));
    EXPECT_EQ(w->menu("mnutmpclip")->parent(), w->menu("mnuoptions"));
    // Separators carry their names too.
    EXPECT_TRUE(w->menuAction("mnudashh")->isSeparator());
    EXPECT_TRUE(w->menuAction("mnudashg")->isSeparator());
}

TEST_F(SourceWindowTest, CheckMarksAtStart)
{
    const struct {
        const char* name;
        bool checked;
    } rows[] = {{"mnuautocorrect", true},
                {"mnuassistant", true},
                {"mnuautosave", false},
                {"mnuslowpaste", false},
                {"mnualphasort", true}};
    for (const auto& r : rows) {
        QAction* a = w->menuAction(r.name);
        ASSERT_TRUE(a) << r.name;
        EXPECT_TRUE(a->isCheckable()) << r.name;
        EXPECT_EQ(a->isChecked(), r.checked) << r.name;
    }
    // Alphabetical sorting is shown checked and can never be chosen.
    EXPECT_FALSE(w->menuAction("mnualphasort")->isEnabled());
}

TEST_F(SourceWindowTest, EveryShortcutKeyBelongsToItsEntry)
{
    const struct {
        const char* key;
        const char* name;
    } rows[] = {
        {"Ctrl+A", "mnuselectall"},
        {"Ctrl+B", "bolda"},
        {"Ctrl+C", "mnucopy"},
        {"Ctrl+D", "mnucopytotemp"},
        {"Ctrl+E", "mnucomposer"},
        {"Ctrl+F", "mnufind"},
        {"Ctrl+G", "mnubookmark"},
        {"Ctrl+H", "mnuhider"},
        {"Ctrl+I", "italica"},
        {"Ctrl+K", "mnuhyperlink"},
        {"Ctrl+M", "mnuMaster"},
        {"Ctrl+N", "new"},
        {"Ctrl+O", "open"},
        {"Ctrl+Q", "quickformata"},
        {"Ctrl+R", "exit"},
        {"Ctrl+S", "save"},
        {"Ctrl+U", "underlinea"},
        {"Ctrl+V", "mnupaste"},
        {"Ctrl+X", "mnucut"},
        {"F1", "helpa"},
        {"F2", "mnupastetmp"},
        {"F3", "mnufindnext"},
        {"F4", "mnuvuxcmd"},
        {"F5", "preview"},
        {"Ctrl+F5", "mnutruecorrect"},
        {"Ctrl+F12", "mnusmartselect"},
        {"Shift+F1", "mnufont"},
        {"Shift+Del", "mnuautodel"},
    };
    int withKeys = 0;
    for (const MenuEntry& e : menuTable())
        withKeys += *e.key ? 1 : 0;
    EXPECT_EQ(withKeys, int(std::size(rows)));
    for (const auto& r : rows) {
        QAction* a = w->menuAction(r.name);
        ASSERT_TRUE(a) << r.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(r.key))) << r.name;
    }
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

TEST_F(SourceWindowTest, WindowButtonsHaveTheirTooltipsAndHints)
{
    const struct {
        QToolButton* button;
        const char* tooltip;
        const char* hint;
    } rows[] = {
        {w->pictnew, "New", "Begin new page"},
        {w->pictopen, "Open", "Open existing file"},
        {w->pictsave, "Save", "Save this file"},
        {w->pictsaveas, "Save as", "Save this file by a different name or extension"},
        {w->pictprev, "Preview (F5)", "Watch preview of this file"},
        {w->pictcontrast, "Change contrast of text", "Change colour contrast"},
        {w->pictinformation, "Hide buttons.", "Hide/Show the buttons of Orvel"},
        {w->pictrefresh, "Refresh", "Refresh"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(r.button->toolTip(), QString::fromUtf8(r.tooltip));
        QTest::mouseMove(r.button);
        EXPECT_EQ(w->helper->text(), QString::fromUtf8(r.hint)) << r.tooltip;
    }
    // Controls made before the tag groups write to the same line.
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
