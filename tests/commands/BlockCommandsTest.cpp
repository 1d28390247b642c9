// Block and structure commands: alignment state, paragraphs and points, typed breaks, table
// pieces, templates, picked media files and mouse-action links.
#include "CommandTest.h"

#include <QLineEdit>

using namespace orvel;
using orvel::test::crlf;

namespace {

using BlockCommandsTest = orvel::test::CommandTest;

QString opening(const char* open)
{
    return QString::fromUtf8(open) +
           QStringLiteral(" <!--No text selected. Click again to end alignment-->");
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
        press(r.first);
        EXPECT_EQ(marked(), opening(r.open) + u'|');
        press(r.second);
        EXPECT_EQ(marked(), opening(r.open) + QString::fromUtf8(r.close) + u'|');
    }
    // A wrapped selection leaves a pending alignment pending.
    setMarked("|");
    press("left");
    w->Text1->setSelText(QStringLiteral("x"));
    w->Text1->setSelStart(w->Text1->length() - 1);
    w->Text1->setSelLength(1);
    press("centre");
    press("justify");
    EXPECT_EQ(marked(), opening("<P align=\"left\">") + QStringLiteral("<CENTER>x</CENTER></P>|"));
    // File > New ends a pending alignment: the next click opens one again.
    press("left");
    w->setModified(false); // no save question
    w->new_Click();
    setMarked("|");
    press("right");
    EXPECT_EQ(marked(), opening("<P align=\"right\">") + u'|');
}

TEST_F(BlockCommandsTest, ControlsInsertTheirMarkup)
{
    const orvel::test::CommandRow rows[] = {
        // The selection stays in front of the new paragraph.
        {"P", "a[word]b", "aword</P>\n<P ALIGN=\"LEFT\">|b", true},
        {"mnuparagraph", "|", "</P>\n<P ALIGN=\"LEFT\">|", true},
        {"left", "[word]", "<P align=\"left\">word</P>|"},
        {"right", "[word]", "<P align=\"right\">word</P>|"},
        {"centre", "[word]", "<CENTER>word</CENTER>|"},
        {"justify", "[word]", "<P align=\"justify\">word</P>|"},
        {"Column", "a[gone]b", "a<TD>Text</TD>|b"},
        {"cella", "[gone]", "<TD>Text</TD>|"},
        {"header", "[gone]", "<TH><B>Heading comes here</B></TH>|"},
        {"headt", "a|b", "a<TH><B>Heading comes here</B></TH>|b"},
        {"applet", "a[gone]b",
         "a<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\" HSPACE=\" \" VSPACE=\" \">\n"
         "<PARAM NAME=\"\" VALUE=\"\">Sorry, you need a Java enabled browser.\n</APPLET>|b"},
        {"framz", "[kept]",
         "kept<FRAMESET>\n      <FRAME SRC=\"  \" NAME=\"  \">\n"
         "      <FRAME SRC=\"   \" NAME=\"   \">\n</FRAMESET>|",
         true},
        // The answer is not tested: Cancel leaves an empty point.
        {"Points", "a[gone]b", "a<LI>first|b", false, {"first"}},
        {"Points", "a[gone]b", "a<LI>|b"},
    };
    for (const auto& r : rows)
        run(r);
    ASSERT_EQ(ui.prompts.size(), 2);
    expectInput(ui.prompts[1], "Enter the text for this point",
                "Enter text for point - Assistant: Orvel", "Extra Point");
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
        press(r.menu);
        EXPECT_TRUE(w->Text1->hasFocus());
        EXPECT_EQ(ui.keysSent, QStringList{crlf(r.keys)});
        EXPECT_EQ(marked(), crlf(r.before)) << "typed before the command returned";
        ui.deliverKeys();
        EXPECT_EQ(marked(), crlf(r.after));
    }
}

TEST_F(BlockCommandsTest, PickedFileInsertsMarkup)
{
    const char* const music = "<OBJECT DATA=\"/m/a b.wav\" TYPE=\"audio/type of file\"> <PARAM "
                              "NAME=\"AUTOSTART\" VALUE=\"TRUE\"> [Soothing Music] </OBJECT>";
    const struct {
        const char* button;
        const char* menu;
        QString inserted;
    } rows[] = {
        {"sound", "sounda", "<BGSOUND SRC=\"/m/a b.wav\" LOOP=5>"},
        {"music", "musica", music},
        {"clipper", "moviea", "<IMG DYNSRC=\"/m/a b.wav\" START=\"   \" LOOP=\"TRUE\">"},
    };
    for (const auto& r : rows) {
        for (const char* control : {r.button, r.menu}) {
            ui.prompts.clear();
            setMarked("a[gone]b");
            ui.answerFile(QStringLiteral("/m/a b.wav"));
            press(control);
            EXPECT_EQ(marked(), u'a' + r.inserted + QStringLiteral("|b")) << control;
            ASSERT_EQ(ui.prompts.size(), 1);
            EXPECT_EQ(ui.prompts[0].file.kind, FileDialogKind::Open);
        }
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
        // With no file ever chosen, after an earlier pick the dialog remembers, and with a chosen
        // but empty name.
        for (const char* previous : {"", "/old.wav", static_cast<const char*>(nullptr)}) {
            SCOPED_TRACE(std::string(r.button) + (previous ? previous : " empty name"));
            w->CommonDialog1.fileName = QString::fromUtf8(previous ? previous : "");
            ui.prompts.clear();
            if (previous)
                ui.cancelFile();
            else
                ui.answerFile(QString());
            run({r.button, "a[sel]b", "a[sel]b", true});
            ASSERT_EQ(ui.prompts.size(), 2);
            expectMessage(ui.prompts[1], r.message, r.icon, r.title);
        }
    }
}

TEST_F(BlockCommandsTest, MouseActionLinkIsTyped)
{
    w->Combo4->setCurrentIndex(1); // onMouseOver
    setMarked("a[click +{me}%]b");
    ui.answer(QStringLiteral("page.html")).answer(QStringLiteral("alert('hi')"));
    focusElsewhere();
    press("insert");
    ASSERT_EQ(ui.prompts.size(), 2);
    expectInput(ui.prompts[0], "Enter the URL of the link", "Orvel");
    expectInput(ui.prompts[1], "What should happen when the mouse action occurs?", "Orvel");
    EXPECT_TRUE(w->Text1->hasFocus());
    ui.deliverKeys();
    EXPECT_EQ(marked(),
              crlf("a<A HREF=\"page.html\" onMouseOver=\"alert('hi')\">click +{me}%</A>|b"));
}

// Without an action the focus goes back to the page; without a URL or an action's code it goes
// to the action list.
TEST_F(BlockCommandsTest, MouseActionNeedsAnActionAndAUrl)
{
    const struct {
        const char* action;
        QStringList answers;
        const char* message;
    } rows[] = {
        {"Mouse Action", {}, "Invalid action"},
        {"", {}, "Invalid action"},
        {"onClick", {"", "run()"}, "Invalid URL or action"},
        {"onClick", {"url", ""}, "Invalid URL or action"},
        {"onClick", {"", ""}, "Invalid URL or action"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.message);
        ui.prompts.clear();
        ui.keysSent.clear();
        w->Combo4->setEditText(QString::fromUtf8(r.action));
        setMarked("a[sel]b");
        for (const QString& a : r.answers)
            ui.answer(a);
        // The focus starts on the other of the two, so that its move is seen.
        const bool asked = !r.answers.isEmpty();
        QWidget* focused = asked ? static_cast<QWidget*>(w->Combo4) : w->Text1;
        (asked ? static_cast<QWidget*>(w->Text1) : w->Combo4)->setFocus();
        press("insert");
        ASSERT_EQ(ui.prompts.size(), r.answers.size() + 1);
        expectMessage(ui.prompts.constLast(), r.message, MsgIcon::None, "Orvel");
        EXPECT_TRUE(focused->hasFocus());
        EXPECT_TRUE(ui.keysSent.isEmpty());
        EXPECT_EQ(marked(), crlf("a[sel]b"));
    }
}

} // namespace
