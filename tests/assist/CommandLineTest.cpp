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

struct CodeRow {
    const char* code;
    const char* before;
    const char* after; // nullptr: the page stays, a dialog opens
    QStringList answers = {};
    const char* dialog = "";
};

TEST_F(CommandLineTest, EveryCodeTypedAndPasted)
{
    const CodeRow rows[] = {
        // clang-format off
        {"vuxbtn", "|", "<INPUT TYPE=\"BUTTON\"  VALUE=\"Button1\"  NAME=\"Button1\" > |"},
        {"vuxtxt", "|", "<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox1\">|"},
        {"vuxsbm", "|", "<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit1\">|"},
        {"vuxres", "|", "<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset1\">|"},
        {"vuxtxa", "|", "<TEXTAREA Cols=\"40\" rows=\"5\" NAME=\"area1\" wrap=\"OFF\">\n"
         "Default text of text area\n</TEXTAREA>|", {"40", "5"}},
        {"vuxpas", "a [word] b", "a <INPUT TYPE=\"PASSWORD\" NAME=\"pass1\">|word b"},
        {"vuxchk", "|", "<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox1\"  NAME=\"Checkbox1\">|"},
        {"vuxrad", "|", "<INPUT TYPE=\"RADIO\"  VALUE=\"Radio1\"  NAME=\"Radio1\">|"},
        {"vuxfil", "|", "<input type=\"file\" name=\"browse1\">|"},
        {"vuxpul", "a|b", nullptr, {}, "ListBoxDialog"},
        {"vuxlst", "a|b", nullptr, {}, "ListBoxDialog"},
        {"vuxfld", "a [sel] b", "a <FIELDSET>\nsel\n</FIELDSET>| b"},
        {"vuxleg", "a|b", "a<LEGEND ALIGN=\"RIGHT\">Details</LEGEND>|b", {"Details"}},
        {"vuxfrm", "|", "<FORM NAME=\" form1 \" method=\"GET\" ACTION=\"url\">\n\n\n</FORM>\n|"},
        {"vuxbld", "x[word]y", "x<B>word</B>|y"},
        {"vuxita", "[word]", "<I>word</I>|"},
        {"vuxund", "[word]", "<U>word</U>|"},
        {"vuxtbl", "a|b", nullptr, {}, "TableCreaterDialog"},
        {"vuxrow", "a|b", nullptr, {}, "TableCreaterDialog"},
        {"vuxsnd", "a[sel]b", "a<BGSOUND SRC=\"/m/a.wav\" LOOP=5>|b", {"/m/a.wav"}},
        {"vuxsup", "x[word]y", "x<SUP>word</SUP>|y"},
        {"vuxsub", "[word]", "<SUB>word</SUB>|"},
        {"vuxlnk", "a[sel]b", nullptr, {}, "LinkCompleteDialog"},
        {"vuxnum", "a|b", nullptr, {}, "BulNumCreaterDialog"},
        {"vuxbul", "a|b", nullptr, {}, "BulNumCreaterDialog"},
        {"vuxfnt", "a[sel]b", nullptr, {}, "FontyDialog"},
        {"vuxbig", "[word]", "<BIG>word</BIG>|"},
        {"vuxsml", "[word]", "<SMALL>word</SMALL>|"},
        {"vuxquo", "[word]", "<Q>word</Q>|"},
        {"vuxpar", "a[word]b", "aword</P>\n<P ALIGN=\"LEFT\">|b"},
        {"vuxcmt", "a[note]b", "a<!-- note --> |b"},
        {"vuxstr", "[word]", "<STRIKE>word</STRIKE>|"},
        // clang-format on
    };
    ASSERT_EQ(std::size(rows), commandCodes().size());
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const CodeRow& r = rows[i];
        ASSERT_STREQ(r.code, commandCodes()[i].code);
        for (const bool pasted : {false, true}) {
            SCOPED_TRACE(std::string(r.code) + (pasted ? " pasted" : " typed"));
            newPage(); // the form controls count from 1 again
            setMarked(r.before);
            for (const QString& a : r.answers) {
                if (a.startsWith(u'/'))
                    ui.answerFile(a);
                else
                    ui.answer(a);
            }
            openBox();
            ASSERT_TRUE(w->vuxcmd->hasFocus());
            if (pasted) {
                QGuiApplication::clipboard()->setText(QString::fromUtf8(r.code));
                QTest::keyClick(w->vuxcmd, Qt::Key_V, Qt::ControlModifier);
            } else {
                QTest::keyClicks(w->vuxcmd, QString::fromUtf8(r.code));
            }
            EXPECT_EQ(marked(), crlf(r.after ? r.after : r.before));
            // A change of the page empties the box; a dialog leaves the code in it.
            EXPECT_EQ(w->vuxcmd->text(), r.after ? QString() : QString::fromUtf8(r.code));
            EXPECT_EQ(closeDialogs(), QString::fromUtf8(r.dialog));
            EXPECT_FALSE(ui.answersLeft());
        }
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
