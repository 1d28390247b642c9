// File commands: the exact prompts, every answer path, page round trips and failures.
#include "editor/PageFiles.h"

#include <QAction>
#include <QDir>
#include <QToolButton>
#include <QWindow>

using namespace orvel;
using orvel::test::crlf;
using orvel::test::fileBytes;
using orvel::test::writeFile;

namespace {

const QString kUntitledCaption = QStringLiteral("Untitled[]: Orvel -By Quorrin");

class FileCommandsTest : public orvel::test::PageFilesTest {
protected:
    QString title() const { return w->windowHandle()->title(); }
    bool previewAvailable() const
    {
        return w->menuAction(QStringLiteral("preview"))->isEnabled() &&
               w->pictprev->isVisibleTo(w.get());
    }
};

TEST_F(FileCommandsTest, UnsavedEditsAskFirst)
{
    const QString other = path(QStringLiteral("other.html"));
    ASSERT_TRUE(writeFile(other, "other\n"));
    const struct Question {
        const char *title, *text;
        MsgAnswer defaultButton;
    } proceed{"Assistant: Orvel - Reminder to save", "File not saved. Proceed?", MsgAnswer::No},
        saveFirst{"Assistant: Orvel - Confirm Save", "File not saved. Save it now?",
                  MsgAnswer::Yes},
        exit{"Assistant: Orvel - Reminder to save", "Are you sure you want to exit without saving?",
             MsgAnswer::No};
    enum Page { Kept, Default, Other };
    const struct {
        void (SourceWindow::*command)();
        Question q;
        MsgAnswer answer;
        Page page;
        int ends;
    } rows[] = {
        {&SourceWindow::new_Click, proceed, MsgAnswer::No, Kept, 0},
        {&SourceWindow::new_Click, proceed, MsgAnswer::Yes, Default, 0},
        // Yes: the user saves first, so no file dialog follows.
        {&SourceWindow::open_Click, saveFirst, MsgAnswer::Yes, Kept, 0},
        {&SourceWindow::open_Click, saveFirst, MsgAnswer::No, Other, 0},
        {&SourceWindow::exit_Click, exit, MsgAnswer::No, Kept, 0},
        {&SourceWindow::exit_Click, exit, MsgAnswer::Yes, Kept, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.q.text) + (r.answer == MsgAnswer::Yes ? " Yes" : " No"));
        type(QStringLiteral("mine "));
        const QString before = w->Text1->text();
        ui.prompts.clear();
        endProgramCalls = 0;
        ui.answer(r.answer);
        if (r.page == Other)
            ui.answerFile(other);
        (w.get()->*r.command)();
        ASSERT_EQ(ui.prompts.size(), r.page == Other ? 2 : 1);
        const auto& p = ui.prompts[0];
        EXPECT_EQ(p.kind, ScriptedPlatform::PromptKind::Message);
        EXPECT_EQ(p.title, QString::fromUtf8(r.q.title));
        EXPECT_EQ(p.text, QString::fromUtf8(r.q.text));
        EXPECT_EQ(p.buttons, MsgButtons::YesNo);
        EXPECT_EQ(p.icon, MsgIcon::Question);
        EXPECT_EQ(p.defaultButton, r.q.defaultButton);
        const QString page[] = {before, w->attempt->text(), crlf("other\n")};
        EXPECT_EQ(w->Text1->text(), page[r.page]);
        EXPECT_EQ(w->star->text(), r.page == Kept ? QStringLiteral("*") : QString());
        EXPECT_EQ(endProgramCalls, r.ends);
    }
}

// Open reads every line end and sets the captions. Without edits nothing is asked. New starts
// everything over: the path, the captions, the selection, and the command families (the next text
// box is "textbox1" again).
TEST_F(FileCommandsTest, OpenSetsTheCaptionsAndNewAndExitAskNothingWithoutEdits)
{
    auto* textbox = w->findChild<QAbstractButton*>(QStringLiteral("Textbox"));
    ASSERT_TRUE(textbox);
    textbox->click();
    textbox->click();
    const QString file = open("<HTML>\n<BODY>\r\nhi\rthere");
    EXPECT_EQ(w->Text1->text(), crlf("<HTML>\n<BODY>\nhi\nthere"));
    EXPECT_EQ(w->saveme->text(), file);
    // The change of saveme writes the caption last; opening the same file again does not change
    // saveme, so the open caption stays.
    EXPECT_EQ(title(), file + QStringLiteral(":  Orvel - by Quorrin"));
    EXPECT_TRUE(previewAvailable());
    EXPECT_TRUE(w->Text1->hasFocus());
    ui.answerFile(file);
    w->open_Click();
    EXPECT_EQ(title(), file + QStringLiteral("[]  - VuxPad"));

    ui.prompts.clear();
    w->new_Click();
    EXPECT_TRUE(ui.prompts.isEmpty());
    EXPECT_EQ(w->Text1->text(), w->attempt->text());
    EXPECT_EQ(w->saveme->text(), QStringLiteral("Untitled"));
    EXPECT_EQ(title(), kUntitledCaption);
    EXPECT_EQ(w->Text1->selStart(), 97);
    EXPECT_EQ(w->Text1->selLength(), 84);
    EXPECT_FALSE(previewAvailable());
    textbox->click();
    EXPECT_TRUE(w->Text1->text().contains(QStringLiteral("NAME=\"textbox1\">")));
    w->setModified(false);
    w->exit_Click();
    EXPECT_TRUE(ui.prompts.isEmpty());
    EXPECT_EQ(endProgramCalls, 1);
}

TEST_F(FileCommandsTest, SaveOnUntitledIsSaveAsThenSaveWritesTheEdits)
{
    const QString file = path(QStringLiteral("new.html"));
    ui.answerFile(file);
    w->save_Click();
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].file.kind, FileDialogKind::Save);
    EXPECT_EQ(ui.prompts[0].file.defaultExtension, QStringLiteral("html"));
    EXPECT_EQ(fileBytes(file), w->Text1->text().toUtf8());
    EXPECT_EQ(w->saveme->text(), file);
    EXPECT_TRUE(previewAvailable());
    type(QStringLiteral("new "));
    EXPECT_EQ(title(), file + QStringLiteral("[*]: Orvel -By Quorrin"));
    w->save_Click();
    EXPECT_EQ(fileBytes(file), w->Text1->text().toUtf8());
    EXPECT_EQ(w->star->text(), QString());
    EXPECT_EQ(title(), file + QStringLiteral("[]: Orvel -By Quorrin"));
}

// A cancelled dialog changes nothing and says nothing; a failed open or save names the file and
// the reason and changes nothing either: the page stays as it was, unsaved, under its old name.
TEST_F(FileCommandsTest, CancelledDialogsAndFailuresChangeNothing)
{
    const QString missing = path(QStringLiteral("missing.html"));
    const QString folder = path(QStringLiteral("folder"));
    // A path below a plain file cannot be created, not even by root.
    const QString blocker = path(QStringLiteral("blocker"));
    const QString underFile = blocker + QStringLiteral("/page.html");
    const QString page = w->Text1->text();
    ui.cancelFile().cancelFile();
    w->open_Click();
    EXPECT_EQ(w->Text1->text(), page);
    EXPECT_EQ(title(), kUntitledCaption);
    type(QStringLiteral("x"));
    w->saveas_Click();
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_EQ(messages(), QStringList());

    QDir().mkpath(folder);
    ASSERT_TRUE(writeFile(blocker, "x"));
    const QString edited = w->Text1->text();
    w->setModified(false); // no question before the opens
    ui.answerFile(missing).answerFile(folder);
    w->open_Click();
    w->open_Click();
    EXPECT_EQ(w->Text1->text(), edited);
    type(QStringLiteral("y"));
    ui.answerFile(folder);
    w->saveas_Click();
    ui.answerFile(underFile);
    w->saveas_Click();
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
    EXPECT_EQ(w->saveme->text(), QStringLiteral("Untitled"));
    EXPECT_EQ(fileBytes(blocker), QByteArray("x"));
    QList<ScriptedPlatform::Prompt> errors;
    for (const auto& p : ui.prompts)
        if (p.kind == ScriptedPlatform::PromptKind::Message)
            errors << p;
    const QString bad[] = {missing, folder, folder, underFile};
    ASSERT_EQ(errors.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(errors[i].icon, MsgIcon::Critical);
        EXPECT_EQ(errors[i].title, kAssistantTitle);
        EXPECT_TRUE(errors[i].text.startsWith(i < 2 ? QStringLiteral("Could not open \"") + bad[i]
                                                    : QStringLiteral("Could not save \"") + bad[i]))
            << errors[i].text.toStdString();
    }
}

TEST_F(FileCommandsTest, PreviewShowsItsTipOncePerRunAndHandsOverThePath)
{
    const QString file = open("<p>x</p>");
    ui.prompts.clear();
    w->preview_Click();
    w->preview_Click();
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].title, QStringLiteral("Tip"));
    EXPECT_EQ(ui.prompts[0].text, QStringLiteral("Always save before checking preview"));
    EXPECT_EQ(ui.prompts[0].icon, MsgIcon::Information);
    EXPECT_EQ(ui.prompts[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(previewPaths, QStringList(2, file));
    w->new_Click();
    w->preview_Click();
    EXPECT_EQ(ui.prompts.size(), 2);
}

} // namespace
