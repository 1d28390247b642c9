// File commands: the exact prompts, every answer path, page round trips and failures.
#include "support/Fixtures.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>

using namespace orvel;
using orvel::test::crlf;
using Kind = ScriptedPlatform::PromptKind;

namespace {

class FileCommandsTest : public orvel::test::SourceWindowTest {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    static QByteArray readBytes(const QString& file)
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        return f.readAll();
    }

    void edit(const QString& typed = QStringLiteral("x"))
    {
        w->Text1->setSelStart(0);
        w->Text1->setSelText(typed);
    }

    bool previewAvailable() const
    {
        return w->menuAction(QStringLiteral("preview"))->isEnabled() &&
               w->pictprev->isVisibleTo(w.get());
    }

    QTemporaryDir dir;
};

void expectQuestion(const ScriptedPlatform::Prompt& p, const QString& title, const QString& text,
                    MsgAnswer defaultButton)
{
    EXPECT_EQ(p.kind, Kind::Message);
    EXPECT_EQ(p.title, title);
    EXPECT_EQ(p.text, text);
    EXPECT_EQ(p.buttons, MsgButtons::YesNo);
    EXPECT_EQ(p.icon, MsgIcon::Question);
    EXPECT_EQ(p.defaultButton, defaultButton);
}

// --- New ---------------------------------------------------------------------------------------

// The command families start over too: the next text box is "textbox1" again.
TEST_F(FileCommandsTest, NewWithoutEditsAsksNothingAndResets)
{
    auto* textbox = w->findChild<QAbstractButton*>(QStringLiteral("Textbox"));
    ASSERT_TRUE(textbox);
    textbox->click();
    textbox->click();
    setPage(QStringLiteral("saved"));
    w->setModified(false);
    w->new_Click();
    EXPECT_TRUE(ui.prompts.isEmpty());
    EXPECT_EQ(w->Text1->text(), w->attempt->text());
    EXPECT_EQ(w->windowHandle()->title(), QStringLiteral("Untitled[]: Orvel -By Quorrin"));
    EXPECT_EQ(w->Text1->selStart(), 97);
    EXPECT_EQ(w->Text1->selLength(), 84);
    EXPECT_FALSE(previewAvailable());
    textbox->click();
    EXPECT_TRUE(w->Text1->text().contains(QStringLiteral("NAME=\"textbox1\">")));
}

TEST_F(FileCommandsTest, NewWithEditsAsksAndNoKeepsThePage)
{
    edit(QStringLiteral("mine "));
    ui.answer(MsgAnswer::No);
    w->new_Click();
    ASSERT_EQ(ui.prompts.size(), 1);
    expectQuestion(ui.prompts[0], QStringLiteral("Assistant: Orvel - Reminder to save"),
                   QStringLiteral("File not saved. Proceed?"), MsgAnswer::No);
    EXPECT_TRUE(w->Text1->text().startsWith(QStringLiteral("mine ")));
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
}

TEST_F(FileCommandsTest, NewWithEditsAndYesBringsBackTheDefaultPage)
{
    edit(QStringLiteral("mine "));
    ui.answer(MsgAnswer::Yes);
    w->new_Click();
    EXPECT_EQ(w->Text1->text(), w->attempt->text());
    EXPECT_EQ(w->star->text(), QString());
    EXPECT_EQ(w->windowHandle()->title(), QStringLiteral("Untitled[]: Orvel -By Quorrin"));
}

TEST_F(FileCommandsTest, NewAfterOpenForgetsThePath)
{
    const QString file = writeFile(QStringLiteral("a.html"), "<p>\n");
    ui.answerFile(file);
    w->open_Click();
    w->new_Click();
    EXPECT_EQ(w->saveme->text(), QStringLiteral("Untitled"));
    EXPECT_EQ(w->windowHandle()->title(), QStringLiteral("Untitled[]: Orvel -By Quorrin"));
    EXPECT_FALSE(previewAvailable());
}

// --- Open --------------------------------------------------------------------------------------

TEST_F(FileCommandsTest, OpenReadsLinesAndSetsCaptionsAndPreview)
{
    const QString file = writeFile(QStringLiteral("page.html"), "<HTML>\n<BODY>\r\nhi\rthere");
    w->new_Click();
    ui.answerFile(file);
    w->open_Click();
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].kind, Kind::File);
    EXPECT_EQ(ui.prompts[0].file.kind, FileDialogKind::Open);
    EXPECT_EQ(w->Text1->text(), crlf("<HTML>\n<BODY>\nhi\nthere\n"));
    EXPECT_EQ(w->star->text(), QString());
    EXPECT_EQ(w->saveme->text(), file);
    // The change of saveme writes the caption last.
    EXPECT_EQ(w->windowHandle()->title(), file + QStringLiteral(":  Orvel - by Quorrin"));
    EXPECT_TRUE(previewAvailable());
    EXPECT_TRUE(w->Text1->hasFocus());
}

TEST_F(FileCommandsTest, OpeningTheCurrentFileAgainKeepsTheVuxPadCaption)
{
    const QString file = writeFile(QStringLiteral("same.html"), "x\n");
    ui.answerFile(file).answerFile(file);
    w->open_Click();
    w->open_Click();
    EXPECT_EQ(w->windowHandle()->title(), file + QStringLiteral("[]  - VuxPad"));
}

TEST_F(FileCommandsTest, OpenWithEditsAndYesLetsTheUserSaveFirst)
{
    edit();
    const QString before = w->Text1->text();
    ui.answer(MsgAnswer::Yes);
    w->open_Click();
    ASSERT_EQ(ui.prompts.size(), 1);
    expectQuestion(ui.prompts[0], QStringLiteral("Assistant: Orvel - Confirm Save"),
                   QStringLiteral("File not saved. Save it now?"), MsgAnswer::Yes);
    EXPECT_EQ(w->Text1->text(), before);
    EXPECT_TRUE(w->Text1->hasFocus());
}

TEST_F(FileCommandsTest, OpenWithEditsAndNoGoesOnToTheDialog)
{
    edit();
    const QString file = writeFile(QStringLiteral("b.html"), "b\n");
    ui.answer(MsgAnswer::No).answerFile(file);
    w->open_Click();
    EXPECT_EQ(w->Text1->text(), crlf("b\n"));
    EXPECT_EQ(w->star->text(), QString());
}

TEST_F(FileCommandsTest, OpenCancelledChangesNothing)
{
    const QString before = w->Text1->text();
    const QString title = w->windowHandle()->title();
    ui.cancelFile();
    w->open_Click();
    EXPECT_EQ(w->Text1->text(), before);
    EXPECT_EQ(w->windowHandle()->title(), title);
    EXPECT_EQ(w->saveme->text(), QStringLiteral("Untitled"));
}

TEST_F(FileCommandsTest, OpenFailuresNameTheFileAndTheReasonAndChangeNothing)
{
    const QString missing = path(QStringLiteral("missing.html"));
    const QString folder = path(QStringLiteral("folder"));
    QDir().mkpath(folder);
    for (const QString& bad : {missing, folder}) {
        ui.prompts.clear();
        const QString before = w->Text1->text();
        ui.answerFile(bad);
        w->open_Click();
        ASSERT_EQ(ui.prompts.size(), 2) << bad.toStdString();
        const auto& msg = ui.prompts[1];
        EXPECT_EQ(msg.icon, MsgIcon::Critical);
        EXPECT_EQ(msg.title, QStringLiteral("Assistant: Orvel"));
        EXPECT_TRUE(msg.text.contains(bad)) << msg.text.toStdString();
        EXPECT_TRUE(msg.text.startsWith(QStringLiteral("Could not open")))
            << msg.text.toStdString();
        EXPECT_EQ(w->Text1->text(), before);
        EXPECT_EQ(w->saveme->text(), QStringLiteral("Untitled"));
    }
}

// --- Save and Save As --------------------------------------------------------------------------

TEST_F(FileCommandsTest, SaveOnUntitledIsSaveAsWithTheHtmlExtension)
{
    const QString file = path(QStringLiteral("new.html"));
    ui.answerFile(file);
    w->save_Click();
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].file.kind, FileDialogKind::Save);
    EXPECT_EQ(ui.prompts[0].file.defaultExtension, QStringLiteral("html"));
    EXPECT_EQ(readBytes(file), w->Text1->text().toUtf8());
    EXPECT_EQ(w->saveme->text(), file);
    EXPECT_EQ(w->windowHandle()->title(), file + QStringLiteral("[]: Orvel -By Quorrin"));
    EXPECT_TRUE(previewAvailable());
}

TEST_F(FileCommandsTest, SaveAsCancelledWritesNothing)
{
    edit();
    ui.cancelFile();
    w->saveas_Click();
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
    EXPECT_EQ(w->saveme->text(), QStringLiteral("Untitled"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(FileCommandsTest, AnUneditedPageRoundTripsByteForByte)
{
    const QByteArray bytes =
        "<HTML>\r\n<BODY>\r\n\r\n\xc3\xa9t\xc3\xa9 \xf0\x9f\x98\x80\r\n</HTML>\r\n";
    const QString file = writeFile(QStringLiteral("round.html"), bytes);
    ui.answerFile(file);
    w->open_Click();
    w->save_Click();
    w->save_Click();
    EXPECT_EQ(readBytes(file), bytes);
}

TEST_F(FileCommandsTest, APageThatIsNotUtf8KeepsItsLetters)
{
    const QString file = writeFile(QStringLiteral("latin1.html"), "caf\xe9\r\n");
    ui.answerFile(file);
    w->open_Click();
    EXPECT_EQ(w->Text1->text(), QStringLiteral("caf\u00e9\r\n"));
}

TEST_F(FileCommandsTest, AFileWithoutAFinalLineEndGainsOneOnce)
{
    const QString file = writeFile(QStringLiteral("open-end.html"), "a\r\nb");
    ui.answerFile(file);
    w->open_Click();
    EXPECT_EQ(w->Text1->text(), crlf("a\nb\n"));
    w->save_Click();
    w->save_Click();
    EXPECT_EQ(readBytes(file), QByteArray("a\r\nb\r\n"));
}

TEST_F(FileCommandsTest, SaveWritesTheEditsAndClearsTheMarker)
{
    const QString file = writeFile(QStringLiteral("e.html"), "old\r\n");
    ui.answerFile(file);
    w->open_Click();
    edit(QStringLiteral("new "));
    EXPECT_EQ(w->windowHandle()->title(), file + QStringLiteral("[*]: Orvel -By Quorrin"));
    w->save_Click();
    EXPECT_EQ(readBytes(file), QByteArray("new old\r\n"));
    EXPECT_EQ(w->star->text(), QString());
    EXPECT_EQ(w->windowHandle()->title(), file + QStringLiteral("[]: Orvel -By Quorrin"));
}

TEST_F(FileCommandsTest, SaveToAnUnwritablePathKeepsThePageUnsavedAndSaysWhy)
{
    // A path below a plain file cannot be created, not even by root.
    const QString blocker = writeFile(QStringLiteral("blocker"), "x");
    const QString file = writeFile(QStringLiteral("ok.html"), "ok\r\n");
    ui.answerFile(file);
    w->open_Click();
    edit();
    w->saveme->setText(blocker + QStringLiteral("/page.html"));
    ui.prompts.clear();
    w->save_Click();
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(ui.prompts[0].text.startsWith(QStringLiteral("Could not save")));
    EXPECT_TRUE(ui.prompts[0].text.contains(blocker + QStringLiteral("/page.html")));
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
    EXPECT_EQ(readBytes(blocker), QByteArray("x"));
}

TEST_F(FileCommandsTest, SaveAsToAFolderFailsAndChangesNothing)
{
    edit();
    const QString folder = path(QStringLiteral("sub"));
    QDir().mkpath(folder);
    ui.answerFile(folder);
    w->saveas_Click();
    ASSERT_EQ(ui.prompts.size(), 2);
    EXPECT_TRUE(ui.prompts[1].text.contains(folder));
    EXPECT_EQ(w->saveme->text(), QStringLiteral("Untitled"));
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
}

TEST_F(FileCommandsTest, AFailedSaveLeavesTheOldFileWhole)
{
    const QString file = writeFile(QStringLiteral("keep.html"), "keep\r\n");
    ui.answerFile(file);
    w->open_Click();
    edit(QStringLiteral("changed "));
    // Make the folder unusable for the temporary file by replacing the target with a folder.
    QFile::remove(file);
    QDir().mkpath(file);
    w->save_Click();
    EXPECT_TRUE(QFileInfo(file).isDir());
    EXPECT_EQ(w->star->text(), QStringLiteral("*"));
}

// --- Preview and Exit --------------------------------------------------------------------------

TEST_F(FileCommandsTest, PreviewShowsItsTipOncePerRunAndHandsOverThePath)
{
    w->links.composerPagePath = [] { return QStringLiteral("/pages/composer.html"); };
    w->preview_Click();
    w->preview_Click();
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].title, QStringLiteral("Tip"));
    EXPECT_EQ(ui.prompts[0].text, QStringLiteral("Always save before checking preview"));
    EXPECT_EQ(ui.prompts[0].icon, MsgIcon::Information);
    EXPECT_EQ(ui.prompts[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(previewPaths, QStringList(2, QStringLiteral("/pages/composer.html")));
    w->new_Click();
    w->preview_Click();
    EXPECT_EQ(ui.prompts.size(), 2);
}

TEST_F(FileCommandsTest, ExitWithoutEditsEndsAtOnce)
{
    w->exit_Click();
    EXPECT_TRUE(ui.prompts.isEmpty());
    EXPECT_EQ(endProgramCalls, 1);
}

TEST_F(FileCommandsTest, ExitWithEditsAsks)
{
    edit();
    const struct {
        MsgAnswer answer;
        int ends;
    } rows[] = {{MsgAnswer::No, 0}, {MsgAnswer::Yes, 1}};
    for (const auto& r : rows) {
        ui.prompts.clear();
        endProgramCalls = 0;
        ui.answer(r.answer);
        w->exit_Click();
        ASSERT_EQ(ui.prompts.size(), 1);
        expectQuestion(ui.prompts[0], QStringLiteral("Assistant: Orvel - Reminder to save"),
                       QStringLiteral("Are you sure you want to exit without saving?"),
                       MsgAnswer::No);
        EXPECT_EQ(endProgramCalls, r.ends);
    }
}

TEST_F(FileCommandsTest, TheWindowButtonsRunTheFileCommands)
{
    ui.cancelFile().cancelFile();
    w->pictopen->click();
    w->pictsaveas->click();
    ASSERT_EQ(ui.prompts.size(), 2);
    EXPECT_EQ(ui.prompts[0].file.kind, FileDialogKind::Open);
    EXPECT_EQ(ui.prompts[1].file.kind, FileDialogKind::Save);
    w->pictprev->click();
    EXPECT_EQ(ui.prompts.last().title, QStringLiteral("Tip"));
}

} // namespace
