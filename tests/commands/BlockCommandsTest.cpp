// Block and structure commands: the alignment state, markup, picked files, typed breaks and links.
#include "CommandTest.h"

using orvel::test::crlf;

namespace {

using BlockCommandsTest = orvel::test::CommandTest;

QString opening(const char* open)
{
    return QString::fromUtf8(open) + " <!--No text selected. Click again to end alignment-->";
}

// Without a selection the four buttons share one flag: the next empty click of any of them ends
// the alignment with its own closing text. A wrapped selection leaves a pending one pending, and
// File > New ends it.
TEST_F(BlockCommandsTest, AlignmentWithoutSelectionAlternates)
{
    setMarked("|");
    for (const char* b : {"left", "centre", "right", "justify", "justify", "right", "centre"})
        press(b);
    EXPECT_EQ(marked(), opening("<P align=\"left\">") + "</CENTER>" +
                            opening("<P align=\"right\">") + "</P>" +
                            opening("<P align=\"justify\">") + "</P>" + opening("<CENTER>") + "|");
    setMarked("[x]");
    press("left");
    press("justify");
    EXPECT_EQ(marked(), QStringLiteral("<P align=\"left\">x</P></P>|"));
    press("right");
    newPage();
    setMarked("|");
    press("right");
    EXPECT_EQ(marked(), opening("<P align=\"right\">") + u'|');
}

TEST_F(BlockCommandsTest, ControlsInsertTheirMarkup)
{
    const char* const point =
        "input|Enter text for point - Assistant: Orvel|Enter the text for this point|Extra Point";
    const orvel::test::CommandRow rows[] = {
        // clang-format off
        // The selection stays in front of the new paragraph.
        {"P", "a[word]b", "aword</P>\n<P ALIGN=\"LEFT\">|b", true},
        {"right", "[word]", "<P align=\"right\">word</P>|"},
        {"centre", "[word]", "<CENTER>word</CENTER>|"},
        {"justify", "[word]", "<P align=\"justify\">word</P>|"},
        {"Column", "a[gone]b", "a<TD>Text</TD>|b"},
        {"header", "a|b", "a<TH><B>Heading comes here</B></TH>|b"},
        {"applet", "a[gone]b",
         "a<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\" HSPACE=\" \" VSPACE=\" \">\n<PARAM NAME=\"\" "
         "VALUE=\"\">Sorry, you need a Java enabled browser.\n</APPLET>|b"},
        {"framz", "[kept]", "kept<FRAMESET>\n      <FRAME SRC=\"  \" NAME=\"  \">\n      "
         "<FRAME SRC=\"   \" NAME=\"   \">\n</FRAMESET>|", true},
        {"Points", "a[gone]b", "a<LI>first|b", false, {"first"}, {point}},
        // Cancel leaves an empty point.
        {"Points", "a[gone]b", "a<LI>|b", false, {}, {point}},
        // clang-format on
    };
    for (const auto& r : rows)
        run(r);
}

// No file is no markup: a cancelled dialog keeps the name picked before, and a chosen empty name
// is no name either.
TEST_F(BlockCommandsTest, PickedFileInsertsItsMarkup)
{
    const struct {
        const char* button;
        const char* previous;
        const char* picked; // null: cancelled
        const char* after;
        const char* message = nullptr;
    } rows[] = {
        {"sound", "", "/m/a b.wav", "a<BGSOUND SRC=\"/m/a b.wav\" LOOP=5>|b"},
        {"music", "", "/m/a b.wav",
         "a<OBJECT DATA=\"/m/a b.wav\" TYPE=\"audio/type of file\"> <PARAM NAME=\"AUTOSTART\" "
         "VALUE=\"TRUE\"> [Soothing Music] </OBJECT>|b"},
        {"clipper", "", "/m/a b.wav", "a<IMG DYNSRC=\"/m/a b.wav\" START=\"   \" LOOP=\"TRUE\">|b"},
        {"sound", "/old.wav", nullptr, "a[sel]b", "message|none|Orvel|No file was selected."},
        {"music", "/old.wav", "", "a[sel]b",
         "message|none|Orvel|Invalid filename. Music not inserted."},
        {"clipper", "", nullptr, "a[sel]b",
         "message|exclamation|Assistant: Orvel|No video file was selected."},
    };
    for (const auto& r : rows) {
        w->CommonDialog1.fileName = QString::fromUtf8(r.previous);
        if (r.picked)
            ui.answerFile(QString::fromUtf8(r.picked));
        else
            ui.cancelFile();
        QStringList prompts{"open file"};
        if (r.message)
            prompts << r.message;
        run({r.button, "a[sel]b", r.after, r.message != nullptr, {}, prompts});
    }
}

// Breaks and mouse-action links arrive as typed keys: nothing changes until they are delivered,
// and every character of the selection arrives as itself.
TEST_F(BlockCommandsTest, TypedCommandsArriveLiterally)
{
    const struct {
        const char* control;
        const char* before;
        const char* after;
    } rows[] = {
        {"linebreaka", "a[+~{}%^(x)]b", "a<BR>+~{}%^(x)|b"},
        {"linebreaka", "a[one\ntwo]b", "a<BR>one\ntwo|b"},
        {"nobra", "a[{%}~+]b", "a<NOBR>{%}~+</NOBR>|b"},
        // The selection is not read, and the typing replaces it.
        {"wbreaka", "a[gone]b", "a<WBR>|b"},
        {"insert", "a[click +{me}%]b",
         "a<A HREF=\"page.html\" onMouseOver=\"alert('hi')\">click +{me}%</A>|b"},
    };
    w->Combo4->setCurrentIndex(1); // onMouseOver
    ui.answer(QStringLiteral("page.html")).answer(QStringLiteral("alert('hi')"));
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.control) + " on " + r.before);
        setMarked(r.before);
        focusElsewhere();
        press(r.control);
        EXPECT_TRUE(w->Text1->hasFocus());
        EXPECT_EQ(marked(), crlf(r.before)) << "typed before the command returned";
        ui.deliverKeys();
        EXPECT_EQ(marked(), crlf(r.after));
    }
}

// Without an action the focus goes back to the page; without a URL or an action's code it goes
// to the action list. Nothing is typed.
TEST_F(BlockCommandsTest, MouseActionNeedsAnActionAndAUrl)
{
    const char* const url = "input|Orvel|Enter the URL of the link|";
    const char* const code = "input|Orvel|What should happen when the mouse action occurs?|";
    const char* const noAction = "message|none|Orvel|Invalid action";
    const char* const noUrl = "message|none|Orvel|Invalid URL or action";
    const std::pair<const char*, orvel::test::CommandRow> rows[] = {
        // clang-format off
        {"Mouse Action", {"insert", "a[sel]b", "a[sel]b", true, {}, {noAction}}},
        {"", {"insert", "a[sel]b", "a[sel]b", true, {}, {noAction}}},
        {"onClick", {"insert", "a[sel]b", "a[sel]b", false, {"", "run()"}, {url, code, noUrl}}},
        {"onClick", {"insert", "a[sel]b", "a[sel]b", false, {"url", ""}, {url, code, noUrl}}},
        // clang-format on
    };
    for (const auto& [action, row] : rows) {
        w->Combo4->setEditText(QString::fromUtf8(action));
        run(row);
        EXPECT_EQ(w->Combo4->hasFocus(), !row.focusesText);
    }
    EXPECT_TRUE(ui.keysSent.isEmpty());
}

} // namespace
