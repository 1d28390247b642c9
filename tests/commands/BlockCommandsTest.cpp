// Block commands with state or a picked file: the alignment flag and the media files.
#include "CommandTest.h"

namespace {

using BlockCommandsTest = orvel::test::CommandTest;

QString opening(const char* open)
{
    return QString::fromUtf8(open) + " <!--No text selected. Click again to end alignment-->";
}

// Without a selection the four buttons share one flag; a wrapped selection or New ends none.
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

// A cancelled or empty file name inserts nothing, not the name picked before.
TEST_F(BlockCommandsTest, PickedFileInsertsItsMarkup)
{
    const QString open = "open file";
    const std::pair<const char*, orvel::test::CommandRow> rows[] = {
        // the file picked (null: cancelled), the run
        // clang-format off
        {"/m/a b.wav", {"sound", "a[sel]b", "a<BGSOUND SRC=\"/m/a b.wav\" LOOP=5>|b", false, {}, {open}}},
        {"/m/a b.wav", {"music", "a[sel]b", "a<OBJECT DATA=\"/m/a b.wav\" TYPE=\"audio/type of "
         "file\"> <PARAM NAME=\"AUTOSTART\" VALUE=\"TRUE\"> [Soothing Music] </OBJECT>|b", false, {},
         {open}}},
        {"/m/a b.wav", {"clipper", "a[sel]b",
         "a<IMG DYNSRC=\"/m/a b.wav\" START=\"   \" LOOP=\"TRUE\">|b", false, {}, {open}}},
        {nullptr, {"sound", "a[sel]b", "a[sel]b", true, {},
         {open, "message|none|Orvel|No file was selected."}}},
        {"", {"music", "a[sel]b", "a[sel]b", true, {},
         {open, "message|none|Orvel|Invalid filename. Music not inserted."}}},
        {nullptr, {"clipper", "a[sel]b", "a[sel]b", true, {},
         {open, "message|exclamation|Assistant: Orvel|No video file was selected."}}},
        // clang-format on
    };
    for (const auto& [picked, row] : rows) {
        w->CommonDialog1.fileName = QStringLiteral("/old.wav");
        if (picked)
            ui.answerFile(QString::fromUtf8(picked));
        else
            ui.cancelFile();
        run(row);
    }
}

} // namespace
