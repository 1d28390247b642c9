// The command box: every code typed and pasted, and what the box does between codes.
#include "assist/CommandLine.h"
#include "commands/CommandTest.h"
#include "dialogs/DialogBase.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace orvel;
using namespace orvel::test;

namespace {

class CommandLineTest : public CommandTest {
protected:
    // The class of the one dialog showing on the window, "" for none; every dialog goes.
    QString closeDialogs()
    {
        QStringList shown;
        for (DialogBase* d : w->findChildren<DialogBase*>()) {
            if (d->isVisible())
                shown << QString::fromUtf8(d->metaObject()->className()).remove("orvel::");
            d->unload();
        }
        return shown.join(u',');
    }

    // F4, from the page; a dialog shown before took the window's activation with it.
    void openBox()
    {
        w->activateWindow();
        (void)QTest::qWaitForWindowActive(w.get());
        w->Text1->setFocus();
        QTest::keyClick(w->Text1, Qt::Key_F4);
    }
};

// Each code, typed or pasted, does what its command does from its menu, in one undo step.
TEST_F(CommandLineTest, EveryCodeRunsItsCommandOnceAsOneUndoStep)
{
    const auto outcome = [this](const std::function<void()>& run) {
        newPage(); // the form controls count from 1 again
        setMarked("a\n[sel]b");
        w->Text1->document()->clearUndoRedoStacks();
        ui.prompts.clear();
        run();
        const QStringList seen{marked(), asked().join(u'/'), w->vuxcmd->text()};
        const QString dialog = closeDialogs();
        w->Text1->undo();
        EXPECT_EQ(w->Text1->text(), crlf("a\nselb"));
        return seen + QStringList{dialog};
    };
    // What each code's own command shows it is: a word of its markup, its dialog or its question.
    const QStringList made =
        QStringLiteral(
            "BUTTON TEXT SUBMIT RESET TEXTAREA PASSWORD CHECKBOX RADIO file ListBox ListBox "
            "FIELDSET "
            "LEGEND FORM <B> <I> <U> TableCreater TableCreater file SUP SUB LinkComplete BulNum "
            "BulNum Fonty BIG SMALL <Q> <P <!-- STRIKE")
            .split(u' ');
    ASSERT_EQ(made.size(), commandCodes().size());
    int pasted = 0;
    for (const CommandCode& c : commandCodes()) {
        SCOPED_TRACE(c.code);
        const QString code = QString::fromUtf8(c.code);
        QStringList direct = outcome([&] { w->runCommand([&] { c.run(commands); }); });
        const QStringList boxed = outcome([&] {
            openBox();
            ASSERT_TRUE(w->vuxcmd->hasFocus());
            if (pasted++ % 2) {
                QGuiApplication::clipboard()->setText(code);
                QTest::keyClick(w->vuxcmd, Qt::Key_V, Qt::ControlModifier);
            } else {
                QTest::keyClicks(w->vuxcmd, code);
            }
        });
        EXPECT_TRUE(direct.join(u'|').contains(made[pasted - 1]));
        direct[2] = direct[0] == crlf("a\n[sel]b") ? code : QString();
        EXPECT_EQ(boxed, direct);
    }
}

TEST_F(CommandLineTest, OnlyTheWholeCodeRuns)
{
    setMarked("x[word]y");
    openBox();
    for (const char* typed : {"vuxbl", "VUXBLD", " vuxbld", "vuxblD"}) {
        w->vuxcmd->clear();
        QTest::keyClicks(w->vuxcmd, QString::fromUtf8(typed));
        EXPECT_EQ(marked(), crlf("x[word]y")) << typed;
        EXPECT_EQ(w->vuxcmd->text(), QString::fromUtf8(typed));
    }
    // The sixth letter runs it at once; one undo takes it back.
    w->vuxcmd->setText(QStringLiteral("vuxbl"));
    QTest::keyClick(w->vuxcmd, Qt::Key_D);
    EXPECT_EQ(marked(), crlf("x<B>word</B>|y"));
    w->Text1->undo();
    EXPECT_EQ(w->Text1->text(), crlf("xwordy"));
}

// A dialog cancelled leaves the code; it runs again only once the text has changed back to it.
TEST_F(CommandLineTest, CodeLeftInTheBox)
{
    setMarked("a|b");
    openBox();
    QTest::keyClicks(w->vuxcmd, QStringLiteral("vuxtbl"));
    EXPECT_EQ(closeDialogs(), QStringLiteral("TableCreaterDialog"));
    EXPECT_EQ(w->vuxcmd->text(), QStringLiteral("vuxtbl"));
    QTest::keyClick(w->vuxcmd, Qt::Key_Backspace);
    EXPECT_EQ(closeDialogs(), QString());
    QTest::keyClick(w->vuxcmd, Qt::Key_L);
    EXPECT_EQ(closeDialogs(), QStringLiteral("TableCreaterDialog"));

    // Any edit of the page empties the box; F4 empties it too.
    QTest::keyClick(w->Text1, Qt::Key_Z);
    EXPECT_EQ(w->vuxcmd->text(), QString());
    w->vuxcmd->setText(QStringLiteral("vux"));
    openBox();
    EXPECT_EQ(w->vuxcmd->text(), QString());
}

} // namespace
