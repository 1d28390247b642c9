// Block and structure commands: alignment state, paragraphs and points, typed breaks, table
// pieces, templates, picked media files and mouse-action links.
#include "CommandTest.h"

#include <QComboBox>

using namespace orvel;
using orvel::test::crlf;

namespace {

using BlockCommandsTest = orvel::test::CommandTest;

const char* const kReminder = " <!--No text selected. Click again to end alignment-->";

QString opening(const char* open)
{
    return QString::fromUtf8(open) + QString::fromUtf8(kReminder);
}

// Without a selection the four buttons share one flag: the next empty click of any of them ends
// the alignment with its own closing text.
TEST_F(BlockCommandsTest, AlignmentWithoutSelectionAlternates)
{
    const struct {
        const char* first;
        const char* second;
        const char* open;
        const char* close;
    } rows[] = {
        {"justify", "justify", "<P align=\"justify\">", "</P>"},
        {"left", "centre", "<P align=\"left\">", "</CENTER>"},
        {"centre", "right", "<CENTER>", "</P>"},
        {"right", "left", "<P align=\"right\">", "</P>"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.first);
        setMarked("|");
        click(r.first);
        EXPECT_EQ(marked(), opening(r.open) + u'|');
        EXPECT_FALSE(w->state.alignFirst);
        click(r.second);
        EXPECT_EQ(marked(), opening(r.open) + QString::fromUtf8(r.close) + u'|');
        EXPECT_TRUE(w->state.alignFirst);
    }
}

TEST_F(BlockCommandsTest, WrappingLeavesPendingAlignmentPending)
{
    setMarked("|");
    click("left");
    w->Text1->setSelText(QStringLiteral("x"));
    w->Text1->setSelStart(w->Text1->length() - 1);
    w->Text1->setSelLength(1);
    click("centre");
    EXPECT_FALSE(w->state.alignFirst);
    click("justify");
    EXPECT_EQ(marked(), opening("<P align=\"left\">") + QStringLiteral("<CENTER>x</CENTER></P>|"));
    EXPECT_TRUE(w->state.alignFirst);
}

TEST_F(BlockCommandsTest, NewPageResetsAlignment)
{
    setMarked("|");
    click("left");
    w->star->setText(QString()); // no save question
    w->new_Click();
    EXPECT_TRUE(w->state.alignFirst);
}

TEST_F(BlockCommandsTest, PlainInsertions)
{
    const struct {
        const char* button;
        const char* before;
        const char* after;
        bool focusesText;
    } rows[] = {
        // The selection stays in front of the new paragraph.
        {"P", "a[word]b", "aword</P>\n<P ALIGN=\"LEFT\">|b", true},
        {"P", "|", "</P>\n<P ALIGN=\"LEFT\">|", true},
        {"left", "[word]", "<P align=\"left\">word</P>|", false},
        {"right", "[word]", "<P align=\"right\">word</P>|", false},
        {"centre", "[word]", "<CENTER>word</CENTER>|", false},
        {"justify", "[word]", "<P align=\"justify\">word</P>|", false},
        {"Column", "a[gone]b", "a<TD>Text</TD>|b", false},
        {"header", "[gone]", "<TH><B>Heading comes here</B></TH>|", false},
        {"applet", "a[gone]b",
         "a<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\" HSPACE=\" \" VSPACE=\" \">\n"
         "<PARAM NAME=\"\" VALUE=\"\">Sorry, you need a Java enabled browser.\n</APPLET>|b",
         false},
        {"framz", "[kept]",
         "kept<FRAMESET>\n      <FRAME SRC=\"  \" NAME=\"  \">\n"
         "      <FRAME SRC=\"   \" NAME=\"   \">\n</FRAMESET>|",
         true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.button) + " on " + r.before);
        setMarked(r.before);
        focusElsewhere();
        click(r.button);
        EXPECT_EQ(marked(), crlf(r.after));
        EXPECT_EQ(w->Text1->hasFocus(), r.focusesText);
    }
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(BlockCommandsTest, ListPointTakesTheAnswerUntested)
{
    const struct {
        const char* answer;
        const char* after;
    } rows[] = {{"first", "a<LI>first|b"}, {"", "a<LI>|b"}};
    for (const auto& r : rows) {
        ui.prompts.clear();
        setMarked("a[gone]b");
        ui.answer(QString::fromUtf8(r.answer));
        click("Points");
        EXPECT_EQ(marked(), crlf(r.after));
        ASSERT_EQ(ui.prompts.size(), 1);
        expectInput(ui.prompts[0], "Enter the text for this point",
                    "Enter text for point - Assistant: Orvel", "Extra Point");
    }
}

// The breaks arrive as typed keys: nothing changes until they are delivered, and every character
// of the selection arrives as itself.
TEST_F(BlockCommandsTest, BreaksAreTypedLiterally)
{
    const struct {
        const char* menu;
        const char* before;
        const char* keys;
        const char* after;
    } rows[] = {
        {"linebreaka", "a[+~{}%^(x)]b", "<BR>+~{}%^(x)", "a<BR>+~{}%^(x)|b"},
        {"linebreaka", "a[one\ntwo]b", "<BR>one\ntwo", "a<BR>one\ntwo|b"},
        {"linebreaka", "a|b", "<BR>", "a<BR>|b"},
        {"nobra", "a[{%}~+]b", "<NOBR>{%}~+</NOBR>", "a<NOBR>{%}~+</NOBR>|b"},
        // The selection is not read, and the typing replaces it.
        {"wbreaka", "a[gone]b", "<WBR>", "a<WBR>|b"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.menu) + " on " + r.before);
        ui.keysSent.clear();
        setMarked(r.before);
        focusElsewhere();
        trigger(r.menu);
        EXPECT_TRUE(w->Text1->hasFocus());
        EXPECT_EQ(ui.keysSent, QStringList{crlf(r.keys)});
        EXPECT_EQ(marked(), crlf(r.before)) << "typed before the command returned";
        ui.deliverKeys();
        EXPECT_EQ(marked(), crlf(r.after));
    }
}

TEST_F(BlockCommandsTest, PickedFileInsertsMarkup)
{
    const struct {
        const char* button;
        const char* after;
    } rows[] = {
        {"sound", "a<BGSOUND SRC=\"/media/a b.wav\" LOOP=5>|b"},
        {"music", "a<OBJECT DATA=\"/media/a b.wav\" TYPE=\"audio/type of file\"> <PARAM "
                  "NAME=\"AUTOSTART\" VALUE=\"TRUE\"> [Soothing Music] </OBJECT>|b"},
        {"clipper", "a<IMG DYNSRC=\"/media/a b.wav\" START=\"   \" LOOP=\"TRUE\">|b"},
    };
    for (const auto& r : rows) {
        ui.prompts.clear();
        setMarked("a[gone]b");
        ui.answerFile(QStringLiteral("/media/a b.wav"));
        click(r.button);
        EXPECT_EQ(marked(), crlf(r.after)) << r.button;
        ASSERT_EQ(ui.prompts.size(), 1);
        EXPECT_EQ(ui.prompts[0].file.kind, FileDialogKind::Open);
    }
}

TEST_F(BlockCommandsTest, PickedFileCancelledInsertsNothing)
{
    const struct {
        const char* button;
        const char* message;
        MsgIcon icon;
        const char* title;
    } rows[] = {
        {"sound", "No file was selected.", MsgIcon::None, "Orvel"},
        {"music", "Invalid filename. Music not inserted.", MsgIcon::None, "Orvel"},
        {"clipper", "No video file was selected.", MsgIcon::Exclamation, "Assistant: Orvel"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.button);
        // Once with no file ever chosen, once after an earlier pick that the dialog remembers.
        for (bool pickedBefore : {false, true}) {
            w->CommonDialog1.fileName = pickedBefore ? QStringLiteral("/old.wav") : QString();
            ui.prompts.clear();
            setMarked("a[sel]b");
            focusElsewhere();
            ui.cancelFile();
            click(r.button);
            EXPECT_EQ(marked(), crlf("a[sel]b"));
            ASSERT_EQ(ui.prompts.size(), 2);
            expectMessage(ui.prompts[1], r.message, r.icon, r.title);
            EXPECT_TRUE(w->Text1->hasFocus());
        }
        // A chosen but empty name counts as none.
        ui.prompts.clear();
        setMarked("|");
        ui.answerFile(QString());
        click(r.button);
        EXPECT_EQ(marked(), crlf("|"));
        EXPECT_EQ(ui.prompts.size(), 2);
    }
}

TEST_F(BlockCommandsTest, MouseActionLinkIsTyped)
{
    w->Combo4->setCurrentIndex(1); // onMouseOver
    setMarked("a[click +{me}%]b");
    ui.answer(QStringLiteral("page.html")).answer(QStringLiteral("alert('hi')"));
    focusElsewhere();
    click("insert");
    ASSERT_EQ(ui.prompts.size(), 2);
    expectInput(ui.prompts[0], "Enter the URL of the link", "Orvel");
    expectInput(ui.prompts[1], "What should happen when the mouse action occurs?", "Orvel");
    EXPECT_TRUE(w->Text1->hasFocus());
    ui.deliverKeys();
    EXPECT_EQ(marked(),
              crlf("a<A HREF=\"page.html\" onMouseOver=\"alert('hi')\">click +{me}%</A>|b"));
}

TEST_F(BlockCommandsTest, MouseActionNeedsAnAction)
{
    for (const char* text : {"Mouse Action", ""}) {
        ui.prompts.clear();
        w->Combo4->setEditText(QString::fromUtf8(text));
        setMarked("a[sel]b");
        focusElsewhere();
        click("insert");
        ASSERT_EQ(ui.prompts.size(), 1) << text;
        expectMessage(ui.prompts[0], "Invalid action", MsgIcon::None, "Orvel");
        EXPECT_TRUE(w->Text1->hasFocus());
        EXPECT_EQ(marked(), crlf("a[sel]b"));
    }
}

TEST_F(BlockCommandsTest, MouseActionNeedsUrlAndAction)
{
    const QStringList answers[] = {{"", "run()"}, {"url", ""}, {"", ""}};
    for (const QStringList& a : answers) {
        ui.prompts.clear();
        ui.keysSent.clear();
        w->Combo4->setEditText(QStringLiteral("onClick"));
        setMarked("a[sel]b");
        ui.answer(a[0]).answer(a[1]);
        click("insert");
        ASSERT_EQ(ui.prompts.size(), 3);
        expectMessage(ui.prompts[2], "Invalid URL or action", MsgIcon::None, "Orvel");
        EXPECT_TRUE(w->Combo4->hasFocus());
        EXPECT_TRUE(ui.keysSent.isEmpty());
        EXPECT_EQ(marked(), crlf("a[sel]b"));
    }
}

TEST_F(BlockCommandsTest, MenuEntriesRunTheirButtons)
{
    const struct {
        const char* menu;
        const char* button;
        QStringList answers;
    } rows[] = {
        {"mnuparagraph", "P", {}},
        {"cella", "Column", {}},
        {"headt", "header", {}},
    };
    for (const auto& r : rows) {
        setMarked("a[word]b");
        click(r.button);
        const QString byButton = marked();
        setMarked("a[word]b");
        trigger(r.menu);
        EXPECT_EQ(marked(), byButton) << r.menu;
    }
    const struct {
        const char* menu;
        const char* after;
    } media[] = {
        {"sounda", "<BGSOUND SRC=\"/s.mid\" LOOP=5>|"},
        {"musica", "<OBJECT DATA=\"/s.mid\" TYPE=\"audio/type of file\"> <PARAM "
                   "NAME=\"AUTOSTART\" VALUE=\"TRUE\"> [Soothing Music] </OBJECT>|"},
        {"moviea", "<IMG DYNSRC=\"/s.mid\" START=\"   \" LOOP=\"TRUE\">|"},
    };
    for (const auto& m : media) {
        setMarked("|");
        ui.answerFile(QStringLiteral("/s.mid"));
        trigger(m.menu);
        EXPECT_EQ(marked(), crlf(m.after)) << m.menu;
    }
}

} // namespace
