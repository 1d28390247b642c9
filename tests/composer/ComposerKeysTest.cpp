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

// Boxes that hold the keyboard while open; once closed, keys go where the program puts them.
class FocusTakingBoxes : public ScriptedPlatform {
    QLineEdit m_box;
    template <class F> auto open(F answer)
    {
        m_box.show();
        m_box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_box));
        auto a = answer();
        m_box.hide();
        return a;
    }

public:
    MsgAnswer messageBox(const MessageRequest& r) override
    {
        return open([&] { return ScriptedPlatform::messageBox(r); });
    }
    QString inputBox(const InputRequest& r) override
    {
        return open([&] { return ScriptedPlatform::inputBox(r); });
    }
    std::optional<QString> fileDialog(const FileDialogRequest& r) override
    {
        return open([&] { return ScriptedPlatform::fileDialog(r); });
    }
};

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
    // Keys go where the keyboard is: the engine's widget, when a page has the focus.
    void press(const char* key)
    {
        const QKeySequence k(q(key));
        ASSERT_TRUE(QApplication::focusWidget()) << key;
        QTest::keyClick(QApplication::focusWidget(), k[0].key(), k[0].keyboardModifiers());
    }
    // The engine takes typed keys in its own time.
    void type(const char* text, EditControl* control)
    {
        ASSERT_TRUE(QApplication::focusWidget()) << text;
        const QString before = control->bodyHtml();
        QTest::keyClicks(QApplication::focusWidget(), q(text));
        ASSERT_TRUE(QTest::qWaitFor([&] { return control->bodyHtml() != before; }, 10000)) << text;
    }
    QString body() { return c->area->bodyHtml(); }
    void openTable()
    {
        const QString path = dir.filePath(q("page.html"));
        ASSERT_TRUE(writeFile(path, "<table><tr><td id=a>a</td><td>b</td></tr>"
                                    "<tr><td>c</td><td>d</td></tr></table><p>x</p>"));
        if (c->area->isEdited())
            boxes.answer(MsgAnswer::Yes); // the edits may go
        boxes.answerFile(path);
        trigger("open");
        ASSERT_TRUE(waitLoaded(c->area));
        c->area->evaluate(q("getSelection().collapse(document.getElementById('a').firstChild, 1)"));
    }

    FocusTakingBoxes boxes;
};

TEST_F(ComposerKeysTest, EveryMenuKeyRunsItsEntryFromEitherControl)
{
    for (EditControl* control : {c->area, c->assister}) {
        for (QAction* a : c->findChildren<QAction*>()) {
            for (const QKeySequence& key : a->shortcuts()) {
                const std::string what = a->objectName().toStdString() + " " +
                                         key.toString().toStdString() + " in " +
                                         control->objectName().toStdString();
                control->takeFocus();
                ASSERT_TRUE(hasKeys(control)) << what;
                QSignalSpy ran(a, &QAction::triggered);
                press(key.toString().toUtf8().constData());
                EXPECT_EQ(ran.count(), 1) << what;
                ASSERT_TRUE(waitLoaded(c->area));
            }
        }
        control->takeFocus();
        type("pq", control);
        EXPECT_TRUE(control->bodyHtml().contains(q("pq")));
    }
}

TEST_F(ComposerKeysTest, TypingAfterEveryBoxLandsInThePage)
{
    const QString page = dir.filePath(q("typed.html"));
    ASSERT_TRUE(writeFile(page, "<p>Typed</p>"));
    const auto key = [this](const char* k) { return [this, k] { press(k); }; };
    const auto menu = [this](const char* name) { return [this, name] { trigger(name); }; };
    const struct {
        const char* what;
        std::function<void()> answers, command;
    } rows[] = {
        {"Open", [&] { boxes.answerFile(page); }, key("Ctrl+O")},
        {"Open cancelled", [&] { boxes.answer(MsgAnswer::Yes).cancelFile(); }, key("Ctrl+O")},
        {"Save As", [&] { boxes.answerFile(dir.filePath(q("other.html"))); }, menu("saveas")},
        {"New", [&] { boxes.answer(MsgAnswer::Yes); }, key("Ctrl+N")},
        {"Save of a new page, cancelled", [&] { boxes.cancelFile(); }, key("Ctrl+S")},
        {"Preview unsaved", [] {}, key("F5")},
        {"Source unsaved", [] {}, key("Ctrl+E")},
        {"Insert without a fragment", [] {}, key("Ctrl+Shift+F")},
        {"Strike", [&] { boxes.answer(q("s")); }, menu("mnuStrike")},
        {"Font", [&] { boxes.answer(q("Arial")).answer(q("4")); }, menu("mnufont")},
        {"Exit answered No", [&] { boxes.answer(MsgAnswer::No); }, key("Ctrl+Shift+F12")},
        {"Table dialog", [] {},
         [this] {
             trigger("mnuinserttable");
             auto* d = c->findChild<ComposerTableDialog*>(q("Composertbl"));
             ASSERT_TRUE(d && QTest::qWaitForWindowActive(d));
             d->btnCreateTbl->click();
         }},
    };
    for (const auto& r : rows) {
        r.answers();
        r.command();
        ASSERT_TRUE(waitLoaded(c->area) && waitLoaded(c->assister)) << r.what;
        ASSERT_TRUE(QTest::qWaitFor([&] { return hasKeys(c->area); }, 5000)) << r.what;
        const qsizetype typed = body().count(u'k');
        type("k", c->area);
        EXPECT_EQ(body().count(u'k'), typed + 1) << r.what;
    }
    EXPECT_FALSE(boxes.answersLeft());
    EXPECT_EQ(boxes.mismatched, 0);
}

// Typing, a command, typing: one history walked by key, menu, toolbar and engine alike.
TEST_F(ComposerKeysTest, UndoWalksTypingAndCommandsInOrder)
{
    boxes.answer(q("s"));
    trigger("mnuStrike");
    ASSERT_TRUE(waitLoaded(c->assister));
    const auto run = [this](const char* route) {
        if (*route == 'C')
            press(route);
        else if (*route == 'm')
            trigger(route);
        else
            c->Toolbar1->findChild<QAction*>(q(route))->trigger();
    };
    for (const char* command :
         {"mnuinsertrow", "mnuinsertcol", "mnuinsertcell", "mnudelrow", "mnudelcol", "mnudelcell",
          "mnusplitcell", "mnumergecells", "Ctrl+Shift+F"}) {
        openTable();
        c->area->evaluate(q("window.cells = Array.from(document.querySelectorAll('td'))"));
        QStringList states{body()};
        type("1", c->area);
        states << body();
        run(command); // the Insert Fragment key, or a Table menu entry
        states << body();
        ASSERT_NE(states[2], states[1]) << command;
        type("2", c->area);
        states << body();
        for (const auto& [route, state] : {std::pair{"Ctrl+Z", 2},
                                           {"mnuUndo", 1},
                                           {"Undo", 0},
                                           {"Ctrl+Y", 1},
                                           {"mnuRedo", 2},
                                           {"Ctrl+Shift+Z", 3}}) {
            run(route);
            EXPECT_EQ(body(), states[state]) << command << " " << route;
        }
        c->area->page()->triggerAction(QWebEnginePage::Undo);
        EXPECT_TRUE(QTest::qWaitFor([&] { return body() == states[2]; }, 10000)) << command;
        press("Ctrl+Z");
        EXPECT_EQ(body(), states[1]) << command;
        EXPECT_TRUE(c->area->evaluate(q("cells.every(n => n.isConnected)")).toBool()) << command;
        // The caret is back where the command found it; a new edit drops what could be redone.
        type("3", c->area);
        EXPECT_EQ(c->area->evaluate(q("document.getElementById('a').textContent")).toString(),
                  q("a13"))
            << command;
        const QString typed = body();
        press("Ctrl+Y");
        EXPECT_EQ(body(), typed) << command;
    }
}

// Browse Mode changes nothing, undo included; an empty side control has nothing to insert.
TEST_F(ComposerKeysTest, NothingToInsertAndBrowseModeChangeNothing)
{
    const QStringList nothing{q("There is no fragment to insert. Build one first from the "
                                "Format, Insert, Table or Extras menu.")};
    openTable();
    const QString page = body();
    boxes.prompts.clear();
    press("Ctrl+Shift+F");
    EXPECT_EQ(boxes.promptTexts(), nothing);
    EXPECT_EQ(body(), page);

    boxes.answer(MsgAnswer::No);
    trigger("mnufieldset");
    ASSERT_TRUE(waitLoaded(c->assister));
    trigger("mnubrowser");
    boxes.prompts.clear();
    for (const char* name :
         {"mnuinsertrow", "mnuinsertcol", "mnuinsertcell", "mnudelrow", "mnudelcol", "mnudelcell",
          "mnusplitcell", "mnumergecells", "mnuinsertfragment", "mnuUndo", "mnuRedo"}) {
        trigger(name);
        EXPECT_EQ(body(), page) << name;
    }
    EXPECT_TRUE(boxes.prompts.isEmpty());
    trigger("mnubrowser");
    press("Ctrl+Shift+F");
    EXPECT_TRUE(body().contains(q("<fieldset>"))) << body().toStdString();

    boxes.answer(q("s"));
    trigger("mnuStrike");
    ASSERT_TRUE(waitLoaded(c->assister));
    c->assister->takeFocus();
    press("Ctrl+A");
    press("Del");
    const QString before = body();
    boxes.prompts.clear();
    press("Ctrl+Shift+F");
    EXPECT_EQ(boxes.promptTexts(), nothing);
    EXPECT_EQ(body(), before);
}

TEST_F(ComposerKeysTest, SideControlSaysWhatItIsAndShowsTheFragmentAtOnce)
{
    EXPECT_EQ(c->assisterCaption->text(),
              q("Fragment \u2014 drag it into the page, or Insert > Insert Fragment Into Page "
                "(Ctrl+Shift+F)"));
    EXPECT_TRUE(c->assisterCaption->isVisible());
    EXPECT_LT(c->assisterCaption->mapTo(c, QPoint()).y(), c->assister->mapTo(c, QPoint()).y());
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
    boxes.answer(q("gone"));
    trigger("mnuStrike");
    ASSERT_TRUE(waitLoaded(c->assister));
    EXPECT_TRUE(QTest::qWaitFor(inked, 5000));
}

} // namespace orvel::test
