#include "composer/ComposerTest.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QWebEnginePage>

namespace orvel::test {

namespace {

// Boxes that hold the keyboard while they are open, as real ones do: when one closes, the keys go
// wherever the program puts them, and nowhere if it puts them nowhere.
class FocusTakingBoxes : public Platform {
public:
    explicit FocusTakingBoxes(ScriptedPlatform& answers) : m_answers(answers) {}

    MsgAnswer messageBox(const MessageRequest& r) override
    {
        Open o(m_box);
        return m_answers.messageBox(r);
    }
    QString inputBox(const InputRequest& r) override
    {
        Open o(m_box);
        return m_answers.inputBox(r);
    }
    std::optional<QString> fileDialog(const FileDialogRequest& r) override
    {
        Open o(m_box);
        return m_answers.fileDialog(r);
    }
    QStringList fontFamilies() override { return m_answers.fontFamilies(); }
    QString clipboardText() override { return m_answers.clipboardText(); }
    void setClipboardText(const QString& t) override { m_answers.setClipboardText(t); }
    void sendKeys(QWidget* target, const QString& text) override
    {
        m_answers.sendKeys(target, text);
    }

private:
    struct Open {
        explicit Open(QLineEdit& box) : box(box)
        {
            box.show();
            box.activateWindow();
            box.setFocus();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        }
        ~Open() { box.hide(); }
        QLineEdit& box;
    };
    ScriptedPlatform& m_answers;
    QLineEdit m_box;
};

const QByteArray kTablePage = "<html><body><table><tr><td id=\"a\">a</td><td>b</td></tr>"
                              "<tr><td>c</td><td>d</td></tr></table><p>x</p></body></html>";

} // namespace

class ComposerKeysTest : public ComposerTest {
protected:
    void SetUp() override
    {
        ComposerTest::SetUp();
        setPlatform(&boxes);
        c->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(c));
        c->area->takeFocus();
    }

    bool hasKeys(EditControl* control)
    {
        const QWidget* f = QApplication::focusWidget();
        return f && (f == control || control->isAncestorOf(f));
    }
    // A key pressed where the keyboard is: the engine's widget, when a page has the focus.
    void press(const QKeySequence& key)
    {
        ASSERT_TRUE(QApplication::focusWidget()) << key.toString().toStdString();
        QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
    }
    void type(const QString& text)
    {
        ASSERT_TRUE(QApplication::focusWidget()) << text.toStdString();
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    // The engine takes keys in its own time.
    void typeAndWait(const QString& text, EditControl* control)
    {
        const QString before = control->bodyHtml();
        type(text);
        ASSERT_TRUE(QTest::qWaitFor([&] { return control->bodyHtml() != before; }, 10000))
            << text.toStdString();
    }
    QString text(EditControl* control)
    {
        return control->evaluate(q("document.body.textContent")).toString();
    }
    QString body() { return c->area->bodyHtml(); }
    void open(const QByteArray& page)
    {
        const QString path = dir.filePath(q("page.html"));
        ASSERT_TRUE(writeBytes(path, page));
        if (c->area->isEdited())
            ui.answer(MsgAnswer::Yes); // the edits may go
        ui.answerFile(path);
        trigger("open");
        ASSERT_TRUE(waitLoaded(c->area));
    }
    void toolbar(const char* key) { c->Toolbar1->findChild<QAction*>(q(key))->trigger(); }

    FocusTakingBoxes boxes{ui};
};

// Every key of the Composer's menus runs its entry from either editing control, though the engine
// claims many of them as editing keys of its own; other keys still type.
TEST_F(ComposerKeysTest, EveryMenuKeyRunsItsEntryFromEitherControl)
{
    int keys = 0;
    for (EditControl* control : {c->area, c->assister}) {
        for (QAction* a : c->findChildren<QAction*>()) {
            for (const QKeySequence& key : a->shortcuts()) {
                const std::string what = a->objectName().toStdString() + " " +
                                         key.toString().toStdString() + " in " +
                                         control->objectName().toStdString();
                control->takeFocus();
                ASSERT_TRUE(hasKeys(control)) << what;
                QSignalSpy ran(a, &QAction::triggered);
                press(key);
                EXPECT_EQ(ran.count(), 1) << what;
                ASSERT_TRUE(waitLoaded(c->area));
                ASSERT_TRUE(c->isVisible());
                ++keys;
            }
        }
    }
    EXPECT_GT(keys, 0);
    for (EditControl* control : {c->area, c->assister}) {
        control->takeFocus();
        const QString before = text(control);
        type(q("pq"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return text(control).size() == before.size() + 2; }))
            << text(control).toStdString();
        EXPECT_TRUE(text(control).contains(q("pq")));
    }
}

// Whatever box or dialog a command showed, the keys typed after it go into the page: after File >
// Open the page is a new one, shown by a new widget of the engine.
TEST_F(ComposerKeysTest, TypingAfterEveryBoxLandsInThePage)
{
    const QString page = dir.filePath(q("typed.html"));
    ASSERT_TRUE(writeBytes(page, "<html><body><p>Typed</p></body></html>"));
    const QString other = dir.filePath(q("other.html"));
    const auto key = [this](const char* k) { return [this, k] { press(QKeySequence(q(k))); }; };
    const auto menu = [this](const char* name) { return [this, name] { trigger(name); }; };
    struct Row {
        const char* what;
        std::function<void()> answers;
        std::function<void()> command;
    };
    const Row rows[] = {
        {"Open", [&] { ui.answerFile(page); }, key("Ctrl+O")},
        {"Open cancelled", [&] { ui.answer(MsgAnswer::Yes).cancelFile(); }, key("Ctrl+O")},
        {"Save As", [&] { ui.answerFile(other); }, menu("saveas")},
        {"Save", [] {}, key("Ctrl+S")},
        {"Open URL cancelled", [] {}, menu("mnuopenurl")},
        {"New", [&] { ui.answer(MsgAnswer::Yes); }, key("Ctrl+N")},
        {"Save of a new page, cancelled", [&] { ui.cancelFile(); }, key("Ctrl+S")},
        {"Preview unsaved", [] {}, key("F5")},
        {"Source unsaved", [] {}, key("Ctrl+E")},
        {"Insert without a fragment", [] {}, key("Ctrl+Shift+F")},
        {"Strike", [&] { ui.answer(q("s")); }, menu("mnuStrike")},
        {"Textbox without a name", [] {}, menu("mnutextbox")},
        {"Fieldset", [&] { ui.answer(MsgAnswer::No); }, menu("mnufieldset")},
        {"Font", [&] { ui.answer(q("Arial")).answer(q("4")); }, menu("mnufont")},
        {"Find", [&] { ui.answer(q("absent")); }, [this] { toolbar("Find"); }},
        {"Exit answered No", [&] { ui.answer(MsgAnswer::No); }, key("Ctrl+Shift+F12")},
        {"Table dialog", [] {},
         [this] {
             trigger("mnuinserttable");
             auto* d = c->findChild<ComposerTableDialog*>(q("Composertbl"));
             ASSERT_TRUE(QTest::qWaitForWindowActive(d));
             d->txtborder->setFocus();
             d->btnCreateTbl->click();
         }},
        {"Heading dialog cancelled", [] {},
         [this] {
             trigger("mnuheading");
             auto* d = c->findChild<ComposerHeadDialog*>(q("composerHead"));
             ASSERT_TRUE(QTest::qWaitForWindowActive(d));
             d->heading->setFocus();
             d->CancelButton->click();
         }},
    };
    for (const Row& r : rows) {
        r.answers();
        r.command();
        ASSERT_TRUE(waitLoaded(c->area)) << r.what;
        ASSERT_TRUE(waitLoaded(c->assister)) << r.what;
        ASSERT_TRUE(QTest::qWaitFor([&] { return hasKeys(c->area); }, 5000)) << r.what;
        const qsizetype typed = text(c->area).count(u'k');
        type(q("k"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return text(c->area).count(u'k') == typed + 1; }, 10000))
            << r.what << ": " << text(c->area).toStdString();
    }
    EXPECT_FALSE(ui.answersLeft());
    EXPECT_EQ(ui.mismatched, 0);
}

// Typing, a table command or an inserted fragment, and typing again are three steps of one
// history: undo walks back through them in order by key, menu, toolbar and the engine's own
// undo alike, redo forward again, on the very nodes the page had.
TEST_F(ComposerKeysTest, UndoWalksTypingAndCommandsInOrder)
{
    ui.answer(q("s"));
    trigger("mnuStrike");
    ASSERT_TRUE(waitLoaded(c->assister));
    const auto tableCommand = [this](const char* name) { return [this, name] { trigger(name); }; };
    struct Row {
        const char* what;
        std::function<void()> command;
    };
    const Row rows[] = {
        {"Insert Row", tableCommand("mnuinsertrow")},
        {"Insert Column", tableCommand("mnuinsertcol")},
        {"Insert Cell", tableCommand("mnuinsertcell")},
        {"Delete Row", tableCommand("mnudelrow")},
        {"Delete Column", tableCommand("mnudelcol")},
        {"Delete Cell", tableCommand("mnudelcell")},
        {"Split Cell", tableCommand("mnusplitcell")},
        {"Merge Cells", tableCommand("mnumergecells")},
        {"Insert Fragment", [this] { press(QKeySequence(q("Ctrl+Shift+F"))); }},
    };
    const QKeySequence undo(q("Ctrl+Z")), redo(q("Ctrl+Y")), redo2(q("Ctrl+Shift+Z"));
    for (const Row& r : rows) {
        open(kTablePage);
        c->area->takeFocus();
        c->area->evaluate(q("getSelection().collapse(document.getElementById('a').firstChild, 1);"
                            "window.cells = Array.from(document.querySelectorAll('td'))"));
        const QString s0 = body();
        typeAndWait(q("1"), c->area);
        const QString s1 = body();
        r.command();
        const QString s2 = body();
        ASSERT_NE(s2, s1) << r.what;
        typeAndWait(q("2"), c->area);
        const QString s3 = body();

        press(undo);
        EXPECT_EQ(body(), s2) << r.what;
        trigger("mnuUndo");
        EXPECT_EQ(body(), s1) << r.what;
        toolbar("Undo");
        EXPECT_EQ(body(), s0) << r.what;
        press(redo);
        EXPECT_EQ(body(), s1) << r.what;
        trigger("mnuRedo");
        EXPECT_EQ(body(), s2) << r.what;
        press(redo2);
        EXPECT_EQ(body(), s3) << r.what;
        c->area->page()->triggerAction(QWebEnginePage::Undo);
        EXPECT_TRUE(QTest::qWaitFor([&] { return body() == s2; }, 10000)) << r.what;
        press(undo);
        EXPECT_EQ(body(), s1) << r.what;
        EXPECT_TRUE(c->area->evaluate(q("window.cells.every(n => n.isConnected)")).toBool())
            << r.what;

        // The caret is back where the command found it; a new edit drops what could be redone.
        typeAndWait(q("3"), c->area);
        EXPECT_EQ(c->area->evaluate(q("document.getElementById('a').textContent")).toString(),
                  q("a13"))
            << r.what;
        const QString s4 = body();
        press(redo);
        EXPECT_EQ(body(), s4) << r.what;
    }
}

// Browse Mode shows the page read-only: no command changes it, undo included. An empty side
// control, blank paragraph and all, has nothing to insert; a fragment without text has.
TEST_F(ComposerKeysTest, NothingToInsertAndBrowseModeChangeNothing)
{
    open(kTablePage);
    ui.prompts.clear();
    const QString s0 = body();
    const QString nothing =
        q("There is no fragment to insert. Build one first from the Format, Insert, Table or "
          "Extras menu.");
    press(QKeySequence(q("Ctrl+Shift+F")));
    EXPECT_EQ(ui.promptTexts(), QStringList{nothing});
    EXPECT_EQ(body(), s0);

    ui.answer(MsgAnswer::No);
    trigger("mnufieldset");
    ASSERT_TRUE(waitLoaded(c->assister));
    c->area->evaluate(q("getSelection().collapse(document.getElementById('a').firstChild, 1)"));
    trigger("mnubrowser");
    ui.prompts.clear();
    for (const char* name :
         {"mnuinsertrow", "mnuinsertcol", "mnuinsertcell", "mnudelrow", "mnudelcol", "mnudelcell",
          "mnusplitcell", "mnumergecells", "mnuinsertfragment", "mnuUndo", "mnuRedo"}) {
        trigger(name);
        EXPECT_EQ(body(), s0) << name;
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
    EXPECT_FALSE(c->area->isEdited());

    trigger("mnubrowser");
    c->area->evaluate(q("getSelection().collapse(document.getElementById('a').firstChild, 1)"));
    press(QKeySequence(q("Ctrl+Shift+F")));
    EXPECT_TRUE(body().contains(q("<fieldset>"))) << body().toStdString();

    // Emptied by hand, the side control has nothing again.
    ui.answer(q("s"));
    trigger("mnuStrike");
    ASSERT_TRUE(waitLoaded(c->assister));
    c->assister->takeFocus();
    press(QKeySequence(q("Ctrl+A")));
    press(QKeySequence(q("Del")));
    EXPECT_TRUE(c->assister->isBlank()) << c->assister->bodyHtml().toStdString();
    const QString s1 = body();
    ui.prompts.clear();
    press(QKeySequence(q("Ctrl+Shift+F")));
    EXPECT_EQ(ui.promptTexts(), QStringList{nothing});
    EXPECT_EQ(body(), s1);
}

// The side control says what it is for, and shows a fragment as soon as it is built, before
// anything touches it.
TEST_F(ComposerKeysTest, SideControlSaysWhatItIsAndShowsTheFragmentAtOnce)
{
    EXPECT_EQ(c->assisterCaption->text(),
              q("Fragment \u2014 drag it into the page, or Insert > Insert Fragment Into Page "
                "(Ctrl+Shift+F)"));
    EXPECT_TRUE(c->assisterCaption->isVisible());
    EXPECT_LT(c->assisterCaption->mapTo(c, QPoint(0, 0)).y(),
              c->assister->mapTo(c, QPoint(0, 0)).y());

    const auto inked = [this] {
        const QImage shot = c->assister->grab().toImage();
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (qGray(shot.pixel(x, y)) < 100)
                    return true;
            }
        }
        return false;
    };
    EXPECT_FALSE(inked());
    ui.answer(q("gone"));
    trigger("mnuStrike");
    ASSERT_TRUE(waitLoaded(c->assister));
    EXPECT_TRUE(QTest::qWaitFor(inked, 5000));
}

} // namespace orvel::test
