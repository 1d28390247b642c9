// The editing services in the source window: transforms and bookmarks through their menu
// entries, restore points, AutoSave, the find dialog and F3, the temporary clipboard's two lists.
#include "CommandTest.h"

#include "commands/EditCommands.h"
#include "dialogs/Bookeeper.h"
#include "dialogs/FindReplace.h"
#include "dialogs/TempClip.h"
#include "editor/TempClipboard.h"

#include <QApplication>
#include <QCheckBox>
#include <QChildEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

using namespace orvel;
using orvel::test::crlf;
using orvel::test::q;

namespace {

class EditCommandsTest : public orvel::test::CommandTest {
protected:
    EditCommands& edits() { return *commands.edits; }
    QAction* entry(const char* name) { return w->menuAction(q(name)); }
    // The message and question texts since the last call.
    QStringList said()
    {
        QStringList texts = ui.promptTexts();
        ui.prompts.clear();
        return texts;
    }
    // A row whose answers may be "Yes" and "No" for questions as well as typed texts.
    void answering(orvel::test::CommandRow r)
    {
        for (const QString& a : r.answers) {
            if (a == u"Yes" || a == u"No")
                ui.answer(a == u"Yes" ? MsgAnswer::Yes : MsgAnswer::No);
            else
                ui.answer(a);
        }
        r.answers.clear();
        run(r);
    }
    // Offscreen, a window a command showed takes the keyboard only once it is exposed, and one
    // shown again over a focus that never left it takes it only through another window.
    void activate(QWidget* d)
    {
        ASSERT_TRUE(QTest::qWaitFor([this, d] {
            if (QGuiApplication::focusWindow() == d->windowHandle())
                w->activateWindow();
            d->activateWindow();
            return QApplication::activeWindow() == d;
        }));
    }
    static QStringList items(const QComboBox* c)
    {
        QStringList list;
        for (int i = 0; i < c->count(); ++i)
            list << c->itemText(i);
        return list;
    }
    static QStringList items(const QListWidget* l)
    {
        QStringList list;
        for (int i = 0; i < l->count(); ++i)
            list << l->item(i)->text();
        return list;
    }
};

TEST_F(EditCommandsTest, TransformsAndBookmarksChangeTheSelection)
{
    const QString bookmark = q("input|Assistant: Orvel|Enter the name of the bookmark|");
    const orvel::test::CommandRow rows[] = {
        // clang-format off
        {"mnuLcase", "a[B\u00c9 C]d", "a[b\u00e9 c]d"},
        {"mnuUcase", "[a\u00df]", "[ASS]"},
        {"mnuIcase", "x[aZ\n1]", "x[Az\n1]"},
        {"mnutitlecase", "x[hELLO wORLD]", "x[Hello World]"},
        {"mnusentencecase", "[one. two.three]", "[one. Two.Three]"},
        {"mnuindent", "a[x]b", "a<blockquote><P>x</P></blockquote>|b"},
        {"mnutabby", "[a\nb]", "       a\n       b|"},
        {"mnutabby", "a|b", "a       |b"},
        {"mnubookmark", "a[sel]b", "a<a name=\"my \"top\"\">Start from here</a>|b", false,
         {"my \"top\""}, {bookmark}},
        {"mnubookmark", "a[sel]b", "a[sel]b", true, {""}, {bookmark}},
        // clang-format on
    };
    for (const auto& r : rows)
        run(r);
}

TEST_F(EditCommandsTest, RestorePointsAreNamedTakenAndUsed)
{
    const auto name = [](int k) {
        return q("input|Assistant: Orvel|Enter the name of the restore point|Restore Point ") +
               QString::number(k);
    };
    const QString notSet = q("question|none|Assistant: Restore point|Restore point not set, would "
                             "you like to set it now?");
    const QString proceed = q("question|none|Assistant : Confirm restore|Using restore point is "
                              "going to take your page back to the last time restore point was "
                              "created. Proceed?");
    // Never taken: the offer to take it asks for the name at once; a cancelled name keeps the
    // start caption and the snapshot is still taken.
    answering({"mnurrestore2", "one|", "one|", false, {"Yes", ""}, {notSet, name(2)}});
    EXPECT_EQ(edits().restorePoint(2).text, q("one"));
    EXPECT_TRUE(entry("mnucrestore2")->isChecked());
    EXPECT_EQ(entry("mnurrestore2")->text(), q("Restore Point 2"));
    answering({"mnurrestore3", "one|", "one|", true, {"No"}, {notSet}});

    answering({"pictrest", "page one|", "page one|", false, {"Before"}, {name(1)}});
    EXPECT_EQ(entry("mnucrestore1")->text(), q("Before"));
    EXPECT_EQ(entry("mnurrestore1")->text(), q("Before"));
    EXPECT_TRUE(entry("mnucrestore1")->isChecked());
    EXPECT_FALSE(entry("mnucrestore3")->isChecked());

    // File > New keeps the points and their names; using one is an ordinary edit, one undo step.
    newPage();
    answering({"picturest", "page two|", "page two|", true, {"No"}, {proceed}});
    answering({"mnurrestore1", "page two|", "page one|", false, {"Yes"}, {proceed}});
    EXPECT_EQ(entry("mnurrestore1")->text(), q("Before"));
    EXPECT_TRUE(w->isModified());
    w->Text1->undo();
    EXPECT_EQ(w->Text1->text(), q("page two"));

    // A point taken of an empty page counts as not set.
    answering({"mnucrestore3", "|", "|", false, {"Empty"}, {name(3)}});
    answering({"mnurrestore3", "|", "|", true, {"No"}, {notSet}});
}

// Using a point replaces only the lines that differ, and each line gets back the end it had when
// the point was taken: a page of mixed line ends saves byte for byte as it was read.
TEST_F(EditCommandsTest, UsingAPointGivesEachLineBackItsEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(q("mixed.html"));
    const QByteArray bytes = "<p>one</p>\r\n<p>two</p>\n<p>three</p>\r<p>four</p>\n";
    const auto saved = [&] {
        press("save");
        return test::fileBytes(path);
    };
    ASSERT_TRUE(test::writeFile(path, bytes));
    ui.answerFile(path);
    press("open");
    ui.answer(q("Point"));
    press("mnucrestore1");
    // An edit across lines, then every line end made LF.
    w->Text1->setSelStart(int(q("<p>one</p>\r\n<p>t").size()));
    w->Text1->setSelLength(int(q("wo</p>\r\n<p>th").size()));
    w->Text1->setSelText(q("X"));
    press("mnuendlf");
    EXPECT_EQ(saved(), QByteArray("<p>one</p>\n<p>tXree</p>\n<p>four</p>\n"));

    ui.answer(MsgAnswer::Yes);
    press("mnurrestore1");
    EXPECT_EQ(w->Text1->text(), crlf("<p>one</p>\n<p>two</p>\n<p>three</p>\n<p>four</p>\n"));
    EXPECT_EQ(saved(), bytes);
    // One undo step takes the text and the line ends back.
    w->Text1->undo();
    EXPECT_EQ(saved(), QByteArray("<p>one</p>\n<p>tXree</p>\n<p>four</p>\n"));
}

// A Save dialog that waits for its answer: the ticks that come meanwhile run inside it.
class SlowSaveDialog : public ScriptedPlatform {
public:
    std::function<void()> meanwhile;
    std::optional<QString> fileDialog(const FileDialogRequest& request) override
    {
        if (meanwhile)
            meanwhile();
        return ScriptedPlatform::fileDialog(request);
    }
};

TEST_F(EditCommandsTest, AutoSaveTicksRunFileSaveOneDialogAtATime)
{
    QAction* autosave = entry("mnuautosave");
    autosave->trigger();
    EXPECT_TRUE(autosave->isChecked());
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->Timer1->interval(), 5000);
    autosave->trigger();
    EXPECT_FALSE(w->Timer1->isActive());

    QTemporaryDir dir;
    const QString path = dir.filePath(q("page.html"));
    SlowSaveDialog slow;
    setPlatform(&slow);
    int ticks = 0;
    slow.meanwhile = [&] {
        ++ticks;
        edits().Timer1_Timer();
        edits().Timer1_Timer();
    };
    // An untitled page asks where to save at the tick; the ticks during the dialog ask nothing.
    slow.cancelFile();
    edits().Timer1_Timer();
    slow.answerFile(path);
    edits().Timer1_Timer();
    setPlatform(&ui);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(slow.prompts.size(), 2);
    EXPECT_EQ(w->saveme->text(), path);

    // A named page is written without a question; not behind a box that waits for an answer.
    setPage(q("saved"));
    edits().Timer1_Timer();
    EXPECT_EQ(test::fileBytes(path), QByteArray("saved\r\n"));
    EXPECT_FALSE(w->isModified());
    EXPECT_TRUE(ui.prompts.isEmpty());
    setPage(q("later"));
    QDialog box(w.get());
    box.setModal(true);
    box.show();
    edits().Timer1_Timer();
    box.hide();
    EXPECT_TRUE(w->isModified());
}

class FindTest : public EditCommandsTest {
protected:
    FindReplaceDialog* find(const char* page, const char* text, bool replace = false)
    {
        setMarked(page);
        press(replace ? "mnuReplace" : "mnufind");
        FindReplaceDialog* d = edits().findreplace();
        d->txtfind->setEditText(q(text));
        return d;
    }
    // Where each Find Next leaves the selection, and the messages on the way.
    QStringList walk(FindReplaceDialog* d, int times,
                     void (FindReplaceDialog::*step)() = &FindReplaceDialog::btnfind_Click)
    {
        QStringList seen;
        for (int i = 0; i < times; ++i) {
            (d->*step)();
            seen << marked() + said().join(u'/');
        }
        return seen;
    }
};

TEST_F(FindTest, FindNextWalksDownAndUpAndStartsOverAtTheTop)
{
    FindReplaceDialog* d = find("cat |Cat\ncat", "CAT");
    EXPECT_EQ(walk(d, 4), (QStringList{"cat [Cat]\r\ncat", "cat Cat\r\n[cat]",
                                       "cat Cat\r\n[cat]Search complete", "[cat] Cat\r\ncat"}));
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->txtfind->count(), 4);

    d->casematch->setChecked(true);
    d->txtfind->setEditText(q("Cat"));
    d->up->setChecked(true);
    w->Text1->setSelStart(11);
    EXPECT_EQ(walk(d, 2), (QStringList{"cat [Cat]\r\ncat", "cat [Cat]\r\ncatSearch complete"}));

    d->casematch->setChecked(false);
    w->Text1->setSelStart(12);
    EXPECT_EQ(walk(d, 4), (QStringList{"cat Cat\r\n[cat]", "cat [Cat]\r\ncat", "[cat] Cat\r\ncat",
                                       "[cat] Cat\r\ncatSearch complete"}));
}

TEST_F(FindTest, ReplaceLookReplacesMatchesOnly)
{
    FindReplaceDialog* d = find("|", "", true);
    EXPECT_EQ(d->windowTitle(), q("Replace"));
    EXPECT_TRUE(d->FrameRep->isVisible());
    EXPECT_FALSE(d->lblreplink->isVisible());
    EXPECT_FALSE(d->btnReplace->isEnabled());
    EXPECT_FALSE(d->btnReplaceAll->isEnabled());
    d->txtfind->setEditText(q("cat"));
    EXPECT_TRUE(d->btnReplaceAll->isEnabled());
    // No search yet from the very start of the page.
    d->btnReplace_Click();
    EXPECT_EQ(said(), QStringList{q("Search Complete")});

    // A new dialog searches from the caret.
    d->close();
    d = find("a cat, a |CAT, cat", "cat", true);
    d->txtReplace->setEditText(q("cats"));
    // The first click only finds; a replacement is never searched again.
    EXPECT_EQ(walk(d, 2, &FindReplaceDialog::btnReplace_Click),
              (QStringList{"a cat, a [CAT], cat", "a cat, a cats, [cat]"}));
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(walk(d, 2, &FindReplaceDialog::btnReplace_Click),
              (QStringList{"a cat, a cats, cats|Search complete",
                           "a cat, a cats, cats|Search Complete"}));
    EXPECT_EQ(d->txtReplace->count(), 4);
}

TEST_F(FindTest, ReplaceAllIsOneChangeAndOneUndoStep)
{
    int passes = 0;
    w->changePass.add(q("count"), [&] { ++passes; });
    FindReplaceDialog* d = find("The CAT, the Cat and THE c|at.", "cat", true);
    d->txtReplace->setEditText(q("dog"));
    passes = 0;
    d->btnReplaceAll->click();
    EXPECT_EQ(marked(), q("|The dog, the dog and THE dog."));
    EXPECT_EQ(passes, 1);
    EXPECT_FALSE(d->isVisible());
    w->Text1->undo();
    EXPECT_EQ(w->Text1->text(), q("The CAT, the Cat and THE cat."));
}

// F3 searches with the dialog's text and settings from a position of its own.
TEST_F(FindTest, FindNextKeyKeepsItsOwnPosition)
{
    setMarked("a|b ab");
    press("mnufindnext");
    EXPECT_EQ(marked(), q("a|b ab"));
    FindReplaceDialog* d = find("ab [ab] ab", "ab");
    EXPECT_EQ(w->varfinder->text(), q("3"));
    d->btnfind_Click();
    d->btnfind_Click();
    EXPECT_EQ(marked(), q("ab ab [ab]"));
    press("mnufindnext");
    EXPECT_EQ(marked(), q("ab [ab] ab"));
    d->txtfind->setEditText(q("b a"));
    press("mnufindnext");
    EXPECT_EQ(marked(), q("ab a[b a]b"));
    press("mnufindnext");
    EXPECT_EQ(said(), QStringList{q("search complete")});
    press("mnufindnext");
    EXPECT_EQ(marked(), q("a[b a]b ab"));
}

TEST_F(EditCommandsTest, TemporaryClipboardListsPasteAndClear)
{
    for (const char* page : {"[pear]", "[Apple]", "[line\nbreak]"}) {
        setMarked(page);
        press("mnucopytotemp");
    }
    QMimeData dropped;
    dropped.setText(q("banana"));
    // Copied: a move would take the text out of the page it was dragged from.
    EXPECT_EQ(test::drag(w->tmpcmb->lineEdit(), dropped), Qt::CopyAction);
    const QStringList sorted = {q("Apple"), q("banana"), q("line\r\nbreak"), q("pear")};
    EXPECT_EQ(items(w->tmpcmb), sorted);
    EXPECT_EQ(w->tmpcmb->currentText(), q("Temporary Clipboard"));
    TempClipDialog* master = edits().tempclip();
    EXPECT_EQ(items(master->tmpcmb), sorted);
    EXPECT_EQ(master->StatusBar1->currentMessage(),
              q("Master Temporary Clipboard allows you to manage multiple clipboard data."));

    // F2 before anything was chosen has nothing to paste; choosing pastes, F2 pastes again.
    setMarked("a[x]b");
    press("mnupastetmp");
    EXPECT_EQ(marked(), q("a[x]b"));
    w->tmpcmb->setCurrentIndex(1);
    emit w->tmpcmb->activated(1);
    press("mnupastetmp");
    EXPECT_EQ(marked(), q("abananabanana|b"));
    entry("mnuslowpaste")->trigger();
    press("mnupastetmp");
    EXPECT_EQ(ui.keysSent, QStringList{q("banana")});
    ui.deliverKeys();
    EXPECT_EQ(marked(), q("abananabananabanana|b"));
    entry("mnuslowpaste")->trigger();

    // The main Clear empties the main list alone.
    ui.answer(MsgAnswer::Yes);
    press("mnucleartemp");
    EXPECT_EQ(ui.lastPrompt().defaultButton, MsgAnswer::Yes);
    EXPECT_EQ(said(), QStringList{q("This will clear the temporary clipboard. Proceed")});
    EXPECT_EQ(w->tmpcmb->count(), 0);
    EXPECT_EQ(master->tmpcmb->count(), 4);
    master->remselected_Click();
    EXPECT_EQ(said(), QStringList{q("No item selected to delete")});

    // Paste Selected puts the preview after the selection and hides the window.
    press("mastertmpclip");
    master->tmpcmb->setCurrentRow(3);
    master->tmpcmb_Click();
    EXPECT_EQ(master->fullclip->toPlainText(), q("pear"));
    setMarked("a[sel]b");
    master->OKButton->click();
    EXPECT_EQ(marked(), q("aselpear|b"));
    EXPECT_FALSE(master->isVisible());

    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        ui.answer(answer);
        master->cleartmp_Click();
        EXPECT_EQ(ui.lastPrompt().defaultButton, MsgAnswer::No);
        EXPECT_EQ(ui.lastPrompt().title, q("Confirm Clear"));
    }
    EXPECT_EQ(master->tmpcmb->count() + w->tmpcmb->count(), 0);
}

TEST_F(EditCommandsTest, BookmarksAreListedScannedAndGoneAfterOpen)
{
    setMarked("|<P>x</P>");
    for (const char* name : {"top", "a \"quoted\" one"}) {
        ui.answer(q(name));
        press("mnubookmark");
    }
    ui.prompts.clear();
    BookeeperDialog* d = edits().bookeeper();
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(items(d->List1), (QStringList{q("top"), q("a \"quoted\" one")}));
    d->List1->setCurrentRow(1);
    d->OKButton->click();
    EXPECT_EQ(w->Text1->selStart(), 33);

    // The scan cuts the name at the second quote and adds it again when asked again.
    w->Text1->setSelStart(34);
    d->Picture1->click();
    d->Picture1->click();
    EXPECT_EQ(w->Text1->selText(), q("<a name=\"a \"quoted\" one\">Start from here</a>"));
    EXPECT_EQ(items(d->List1), (QStringList{q("top"), q("a \"quoted\" one"), q("a "), q("a ")}));
    EXPECT_EQ(d->List2->currentRow(), 0);
    w->Text1->setSelStart(40);
    d->Picture1->click();
    EXPECT_EQ(said(), QStringList{q("No more bookmarks found")});

    newPage();
    EXPECT_EQ(edits().bookeeper(), d);
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeFile(dir.filePath(q("p.html")), {}));
    ui.answerFile(dir.filePath(q("p.html")));
    press("open");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(edits().bookeeper(), nullptr);
}

// Go hands the keyboard back to the page: what is typed next goes in at the bookmark.
TEST_F(EditCommandsTest, GoGivesThePageTheKeyboard)
{
    openPage("<P>one</P>\r\n<P>two</P>", 12);
    ui.answer(q("two"));
    press("mnubookmark");
    w->Text1->setSelStart(0);
    press("mnubookmarks");
    BookeeperDialog* d = edits().bookeeper();
    activate(d);
    d->List1->setCurrentRow(0);
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == w.get(); }));
    QTest::keyClicks(QApplication::focusWidget(), "X");
    EXPECT_EQ(w->Text1->text(), q("<P>one</P>\r\nX<a name=\"two\">Start from here</a><P>two</P>"));
}

// After a Find, the dialog opened again in its Replace look takes typing in its first field.
TEST_F(FindTest, TheReplaceLookStartsInItsFirstField)
{
    openPage("one two two");
    press("mnufind");
    FindReplaceDialog* d = edits().findreplace();
    activate(d);
    QTest::keyClicks(QApplication::focusWidget(), "two");
    QTest::mouseClick(d->btnfind, Qt::LeftButton);
    EXPECT_EQ(marked(), q("one [two] two"));
    EXPECT_FALSE(d->isVisible());
    press("mnuReplace");
    activate(d);
    QTest::keyClicks(QApplication::focusWidget(), "three");
    EXPECT_EQ(d->txtfind->currentText(), q("three"));
}

// A selection dragged out of the page in one quick move starts one drag. The drag takes the
// release (on X11 its icon window holds the pointer, so the page never gets it back); the page's
// scrolling while selecting then went on "with the button down", starting drag after drag that no
// release would end: keys ignored, every click dropping again.
TEST_F(EditCommandsTest, AQuickDragOutOfThePageStartsOneDrag)
{
    openPage("<p>alpha beta</p>", 3, 5);
    QWidget* page = w->Text1->viewport();
    QTextCursor inside = w->Text1->textCursor();
    inside.setPosition(5);
    const QPoint press = w->Text1->cursorRect(inside).center();
    QWidget elsewhere;
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
    // Each drag the box starts is a new object of its own: count them as they come.
    struct Drags : QObject {
        int started = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::ChildAdded &&
                !static_cast<QChildEvent*>(e)->child()->isWidgetType())
                ++started;
            return false;
        }
    } drags;
    w->Text1->installEventFilter(&drags);
    page->installEventFilter(&drags);
    QTest::mousePress(page, Qt::LeftButton, {}, press);
    QTest::mouseMove(page, QPoint(press.x(), -200));
    // Offscreen a drag ends at once; the release comes after it, elsewhere, as X11 sends it.
    QTest::mouseRelease(&elsewhere, Qt::LeftButton);
    QTest::qWait(500);
    w->Text1->removeEventFilter(&drags);
    page->removeEventFilter(&drags);
    EXPECT_EQ(drags.started, 1);
    EXPECT_EQ(w->Text1->selText(), q("alpha"));
}

} // namespace
