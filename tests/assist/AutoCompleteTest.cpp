// Auto Complete and the Assistant, typed for real into the page box one key at a time.
#include "assist/AutoComplete.h"
#include "assist/AssistCommands.h"
#include "dialogs/DialogBase.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <map>

using namespace orvel;
using namespace orvel::test;

namespace {

// Past the quiet start of the page; the text after the caret shows where the caret went.
const QString kBefore = QStringLiteral("<HTML><BODY>Page: x ");
const QString kAfter = QStringLiteral("~~");

class AutoCompleteTest : public SourceWindowTest {
protected:
    // Types `keys` after kBefore, delivers queued keys; the page after kBefore, marked.
    QString typeIn(const QString& keys)
    {
        setPage(kBefore + kAfter, int(kBefore.size()));
        w->Text1->document()->clearUndoRedoStacks();
        QTest::keyClicks(w->Text1, keys);
        ui.deliverKeys();
        return marked().mid(kBefore.size());
    }
    QAction* entry(const char* name) const { return w->menuAction(QString::fromUtf8(name)); }
    // The window title of the one insertion dialog showing, or "".
    QString shownDialog() const
    {
        QString shown;
        for (DialogBase* d : w->findChildren<DialogBase*>())
            if (d->isVisible())
                shown += d->windowTitle();
        return shown;
    }
};

// Each row without the Assistant, typed: the row's text, caret or suggestion, undone in one step.
TEST_F(AutoCompleteTest, EveryTriggerCompletesAsItsRowSays)
{
    using R = CompletionRow;
    for (const CompletionRow& row : completionRows()) {
        if (row.kind == R::Assist || row.kind == R::Bookmark)
            continue;
        const QString trigger = QString::fromUtf16(row.trigger);
        const QString kept = row.kind == R::Replace ? trigger.chopped(row.count) : trigger;
        QString page = kept + QString::fromUtf16(row.text) + kAfter;
        const int end = int(page.size() - kAfter.size());
        if (row.kind == R::Suggest)
            page.insert(end, u']').insert(end - row.count, u'[');
        else
            page.insert(std::min(end + row.move, int(page.size())), u'|');
        EXPECT_EQ(typeIn(trigger), page) << trigger.toStdString();
        w->Text1->undo(); // the typed trigger and its completion, one step
        EXPECT_EQ(w->Text1->text(), kBefore + kAfter) << trigger.toStdString();
    }
}

// What is typed on, letter case, and the cases that must not act.
TEST_F(AutoCompleteTest, TypedTriggersInContext)
{
    const struct {
        const char* keys;
        const char* page; // after kBefore; "|" the caret, "[" "]" the selection
    } rows[] = {
        // A colour typed on after a completed attribute; the typed letter replaces a suggestion.
        {"<font cr", "<font color=\"red|\"~~"},
        {"<inx", "<inx|~~"},
        {"<input type=\"rea", "<input type=\"r[adio\"]~~"},
        // Triggers are compared with their letter case.
        {"<B>", "<B>|~~"},
        {"<FONT C", "<FONT C|~~"},
        {"BGC", "BGC|~~"},
        {"<a name=\"", "|~~"}, // the bookmark command's name box, cancelled
    };
    for (const auto& t : rows) {
        if (QByteArray(t.keys).startsWith("<a "))
            ui.answer(MsgAnswer::No);
        EXPECT_EQ(typeIn(QString::fromUtf8(t.keys)), QString::fromUtf8(t.page)) << t.keys;
    }
}

TEST_F(AutoCompleteTest, KeysArriveAfterThePassOneByOne)
{
    setPage(kBefore, int(kBefore.size()));
    QTest::keyClicks(w->Text1, QStringLiteral("bgc"));
    EXPECT_EQ(ui.keysSent, QStringList{QStringLiteral("olor=\"\"")});
    EXPECT_EQ(marked().mid(kBefore.size()), QStringLiteral("bgc|"));
    QSignalSpy passes(w->Text1, &TextBox::changed);
    ui.deliverKeys();
    EXPECT_EQ(passes.count(), 7);
    EXPECT_EQ(w->Label1[0]->text(), QStringLiteral("Character %1").arg(kBefore.size() + 10));
}

TEST_F(AutoCompleteTest, MovingTheCaretKeepsASuggestion)
{
    setPage(kBefore, int(kBefore.size()));
    QTest::keyClicks(w->Text1, QStringLiteral("<in"));
    QTest::keyClick(w->Text1, Qt::Key_Right);
    QTest::keyClicks(w->Text1, QStringLiteral("b"));
    EXPECT_EQ(marked().mid(kBefore.size()), QStringLiteral("<input type=\"b[utton\"]"));
}

// Nothing completes before the caret stands past the fifteenth character.
TEST_F(AutoCompleteTest, QuietStartOfThePage)
{
    for (const auto& [lead, page] : {std::pair{"0123456789ab", "0123456789ab<b>|"},
                                     std::pair{"0123456789abc", "0123456789abc<B>|</B>"}}) {
        setPage(QString::fromUtf8(lead), int(strlen(lead)));
        QTest::keyClicks(w->Text1, QStringLiteral("<b>"));
        EXPECT_EQ(marked(), QString::fromUtf8(page));
    }
}

TEST_F(AutoCompleteTest, UndoAndRedoTakeACompletionWhole)
{
    setPage(kBefore, int(kBefore.size()));
    w->Text1->document()->clearUndoRedoStacks();
    QTest::keyClicks(w->Text1, QStringLiteral("<b>"));
    ASSERT_EQ(w->Text1->text(), kBefore + QStringLiteral("<B></B>"));
    QTest::keyClick(w->Text1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->Text1->text(), kBefore);
    w->Text1->redo();
    EXPECT_EQ(w->Text1->text(), kBefore + QStringLiteral("<B></B>"));

    setPage(kBefore + QStringLiteral("<b>"), int(kBefore.size()) + 3);
    QTest::keyClicks(w->Text1, QStringLiteral("x"));
    w->Text1->undo();
    EXPECT_EQ(marked(), kBefore + QStringLiteral("<b>|"));
}

// A command's change completes too, as part of the command's undo step.
TEST_F(AutoCompleteTest, ACommandsChangeCompletesInItsUndoStep)
{
    setPage(kBefore, int(kBefore.size()));
    w->Text1->document()->clearUndoRedoStacks();
    w->runCommand([&] { w->Text1->setSelText(QStringLiteral("<td>")); });
    EXPECT_EQ(marked(), kBefore + QStringLiteral("<TD>|</TD>"));
    w->Text1->undo();
    EXPECT_EQ(w->Text1->text(), kBefore);
}

TEST_F(AutoCompleteTest, AssistantQuestions)
{
    const std::map<AssistTarget, const char*> opens = {
        {AssistTarget::Hyperlink, "Insert Hyperlink: Orvel"},
        {AssistTarget::Numbering, "Numbering"},
        {AssistTarget::Rule, "Insert Horizontal Rule: Orvel"},
        {AssistTarget::Bullets, "Bullets"},
        {AssistTarget::Image, "Insert Image"},
        {AssistTarget::Table, "Create Table: Orvel"},
        {AssistTarget::Row, "Insert Row"}};
    int rows = 0;
    for (const CompletionRow& row : completionRows()) {
        if (row.kind != CompletionRow::Assist)
            continue;
        ++rows;
        const QString keys = QString::fromUtf16(row.trigger);
        const QString removed =
            row.assist->removeTyped ? QStringLiteral("|~~") : u'[' + keys + QStringLiteral("]~~");
        for (const auto& [assistOn, answer] :
             {std::pair{true, MsgAnswer::Yes}, {true, MsgAnswer::No}, {false, MsgAnswer::Ok}}) {
            SCOPED_TRACE(keys.toStdString() + std::to_string(assistOn) +
                         std::to_string(int(answer)));
            for (DialogBase* d : w->findChildren<DialogBase*>())
                d->hide();
            ui.prompts.clear();
            w->state.assistOn = assistOn;
            if (assistOn)
                ui.answer(answer);
            const bool acts = answer != MsgAnswer::No;
            EXPECT_EQ(typeIn(keys), acts ? removed : keys + QStringLiteral("|~~"));
            EXPECT_EQ(shownDialog(),
                      acts ? QString::fromUtf8(opens.at(row.assist->target)) : QString());
            ASSERT_EQ(ui.prompts.size(), assistOn ? 1 : 0);
            if (assistOn) {
                EXPECT_EQ(ui.lastPrompt().title, kAssistantTitle);
                EXPECT_EQ(ui.lastPrompt().text, QString::fromUtf16(row.assist->question));
                EXPECT_EQ(ui.lastPrompt().buttons, MsgButtons::YesNo);
                EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::None);
            }
        }
    }
    EXPECT_EQ(rows, 7);
}

TEST_F(AutoCompleteTest, TypedAnchorNameRunsTheBookmarkCommand)
{
    ui.answer(MsgAnswer::No).answer(QStringLiteral("top"));
    EXPECT_EQ(typeIn(QStringLiteral("<a name=\"")),
              QStringLiteral("<a name=\"top\">Start from here</a>|~~"));
    ASSERT_EQ(ui.prompts.size(), 2);
    EXPECT_EQ(ui.prompts[0].text,
              QStringLiteral("This looks like an anchor tag. Would you like Orvel to assist you?"));
    EXPECT_EQ(ui.lastPrompt().text, QStringLiteral("Enter the name of the bookmark"));
}

TEST_F(AutoCompleteTest, SwitchingAutoCompleteOffAndOn)
{
    entry("mnuautocorrect")->trigger();
    EXPECT_FALSE(entry("mnuassistant")->isEnabled());
    EXPECT_TRUE(entry("mnuassistant")->isChecked());
    EXPECT_TRUE(ui.prompts.isEmpty());
    EXPECT_EQ(typeIn(QStringLiteral("<b>")), QStringLiteral("<b>|~~"));
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));

    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        ui.answer(answer);
        entry("mnuautocorrect")->trigger(); // on
        EXPECT_TRUE(entry("mnuassistant")->isEnabled());
        EXPECT_EQ(entry("mnuassistant")->isChecked(), answer == MsgAnswer::Yes);
        EXPECT_EQ(w->state.assistOn, answer == MsgAnswer::Yes);
        EXPECT_EQ(ui.lastPrompt().title, kAssistantOfferTitle);
        EXPECT_EQ(ui.lastPrompt().text, kAssistantOffer);
        EXPECT_EQ(ui.lastPrompt().icon, MsgIcon::Question);
        if (answer == MsgAnswer::No) {
            ui.prompts.clear();
            EXPECT_EQ(typeIn(QStringLiteral("<img")), QStringLiteral("|~~"));
            EXPECT_TRUE(ui.prompts.isEmpty());
            entry("mnuautocorrect")->trigger(); // off again: nothing asked, nothing changed
            EXPECT_FALSE(w->state.assistOn);
        }
    }
}

} // namespace
