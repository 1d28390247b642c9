// Tooltips and hints of the tag buttons, and the hint line they write to.
#include "CommandTest.h"

#include "commands/TagButtonTips.h"
#include "platform/Hint.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>

using namespace orvel;

namespace {

using TagButtonTipsTest = orvel::test::CommandTest;

struct Expected {
    const char* name;
    const char* tooltip;
    const char* hint;
};

const Expected kExpected[] = {
    {"bold", "Make text bold", "Select text to be made bold and click."},
    {"italic", "Italicise text", "Italicise text by selecting text and clicking this button."},
    {"underline", "Underline text", "Underline the selected text by clicking this button"},
    {"sup", "Suprscript selected text", "Convert selected text to superscript"},
    {"Subs", "Subscript selected text", "Convert selected text to subscript"},
    {"highlight", "Highlight selected text.",
     "Highlight selected text. Colour of the highlighted text can be altered by entering RGB "
     "code."},
    {"big", "Make selected big (Increased font size)", "Makes the selected text big"},
    {"small", "Make selected text small (Decreased font size)", "Makes the selected text small."},
    {"strike", "Strike selected text off", "Strike the selected text"},
    {"Abbr", "Indicate selected text to be an abbreviation.", "Indicate abbreviations."},
    {"code", "Indicate selected text to be a code", "Indicates the selected text is a code."},
    {"KBD", "Indicate keyboard commnands/keys", "Indicates content is a keyboard command"},
    {"quote", "Insert quotes around selected text", "Lets you add quotes"},
    {"strong", "Indicate selected text to be strong.",
     "Make selected text appear strongly emphasized. (Looks more like bold. But Strong is more "
     "preferred to bold.)"},
    {"emphasis", "Make selected text emphatic", "Emphasise selected text"},
    {"address", "Indicate addresses", "encloses selected text within address tags."},
    {"tt", "Make the selected text to look like typewriter font.",
     "Convert selected text to monospaced font. Appears like type written font."},
    {"Pre", "Convert selected text to pre-formatted text",
     "Convert selected text to pre formatted text. They appear as they are typed."},
    {"style", "Create style sheets", "Style sheets can be inserted"},
    {"script", "Insert scripts such as JavaScript, JScript, VBScript",
     "Insert scripts. Eg: JavaScript."},
    {"blink", "Make the selected text to blink. (Netscape users only)",
     "Makes the enclosed text to blink. Supported by Netscape navigator only."},
    {"marquee", "Make the selected text to go from left to right (IE users only)",
     "Add a marquee which makes the enclosed text to move from one end to another. Supported By IE "
     "only."},
    {"comment", "Add a comment, which is invisible in the web page.",
     "Convert selected text to Comment. They are invisible in the page, but appear only in the "
     "code."},
    {"defn", "Use to indicate a definition", "Add a definition (Not widely supported)"},
    {"left", "Align the selected text/Image to the left",
     "align to the left by selecting what is to be aligned and clicking this."},
    {"right", "Align the selected text/Image to the right",
     "align to the right by selecting what is to be aligned and clicking this."},
    {"centre", "Align the selected text/image to the centre",
     "Align to the centre by selection and clicking this button."},
    {"justify", "Justify the selected text/image",
     "Justify by selecting what is to be aligned and clicking this."},
    {"P", "Begin a new paragraph.", "Insert paragraphs, mention alignment(Optional)"},
    {"Points", "Insert a point in numbered or bulletted list",
     "Insert a new point for the numbering or bulletted list."},
    {"numberings", "Create numbered lists",
     "Make a numbered list. Text after each <LI> is treated as a point. TYPES: TYPE=A|a|I|i|1"},
    {"Bullet", "Create a bulletted list",
     "Create a bulletted list. You can specify type=\"disc|circle|Square\""},
    {"InsertHead", "Insert Headings. (H1 is the largest and h6 is the smallest.)",
     "Insert headings, H1 is the largest and decreases to h6."},
    {"table", "insert table ", "Insert table"},
    {"Row", "Insert table row", "Insert a row in a table"},
    {"Column", "Insert table cell", "Insert table cell."},
    {"header", "Insert table heading", "Make table heading"},
    {"rule", "Insert a horizontal rule",
     "Insert a horizontal rule. <HR noshade> removes shade. Width can be altered."},
    {"Images", "Insert an image in your web page",
     "Insert images, specify the root(URL), and alternate text. Also Optionally alter height, "
     "width and choose border."},
    {"object", "Insert objects.", "Insert objects (Slightly advanced and outdated.)"},
    {"linker", "Add a link to the selected text/image",
     "Convert selected text to hyperlinks. Replace url by the desired url"},
    {"Mail", "Create a link to selected text/image to an e-mail address",
     "Convert selected text to mail links. Replace url by the desired id"},
    {"sound", "Insert sounds in your pages.",
     "Insert sound files. The number after loop gives number of times of loop.Put Loop=Infinite "
     "for never ending sound."},
    {"music", "Insert music files in your page.", "Insert music"},
    {"clipper", "Insert movie clips in your pages", "Insert movie clips"},
    {"applet", "Insert Java applets", "Insert Java Applets"},
    {"framz", "Create frames", "Insert frames"},
    {"insert", "Add mouse action commands", "Link mouse actions with links."},
};

TEST_F(TagButtonTipsTest, EveryButtonHasItsTooltipAndHint)
{
    for (const Expected& e : kExpected) {
        QToolButton* b = button(e.name);
        ASSERT_NE(b, nullptr) << e.name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(e.tooltip)) << e.name;
        EXPECT_EQ(hintOf(b), QString::fromUtf8(e.hint)) << e.name;
        EXPECT_FALSE(b->icon().isNull()) << e.name;
    }
    EXPECT_EQ(tagButtonTips().size(), std::size(kExpected));
}

TEST_F(TagButtonTipsTest, ButtonsStandInTheirGroups)
{
    const struct {
        QGroupBox* group;
        QStringList buttons;
    } rows[] = {
        {w->General,
         {"P", "Points", "numberings", "Bullet", "InsertHead", "linker", "Mail", "Images", "rule"}},
        {w->misc,
         {"sup", "Subs", "highlight", "big", "small", "strike", "Abbr", "code", "KBD", "quote",
          "strong", "emphasis", "address", "tt", "Pre"}},
        {w->tabular, {"table", "Row", "Column", "header"}},
        {w->align, {"left", "centre", "right", "justify"}},
        {w->extras, {"style", "script", "comment", "defn", "applet", "framz", "object"}},
        {w->special, {"blink", "marquee", "sound", "music", "clipper"}},
    };
    for (const auto& r : rows) {
        QStringList names;
        for (QToolButton* b : r.group->findChildren<QToolButton*>())
            names << b->objectName();
        EXPECT_EQ(names, r.buttons) << r.group->objectName().toStdString();
    }
}

// The hint replaces what the line held; it is never appended.
TEST_F(TagButtonTipsTest, MovingOverButtonsReplacesTheHint)
{
    QTest::mouseMove(w->bold);
    EXPECT_EQ(w->helper->text(), QStringLiteral("Select text to be made bold and click."));
    QTest::mouseMove(w->italic);
    EXPECT_EQ(w->helper->text(),
              QStringLiteral("Italicise text by selecting text and clicking this button."));
    QTest::mouseMove(w->italic, QPoint(2, 2));
    QTest::mouseMove(w->italic, QPoint(4, 4));
    EXPECT_EQ(w->helper->text(),
              QStringLiteral("Italicise text by selecting text and clicking this button."));

    // A move event straight to a button, as the window system delivers it.
    QToolButton* sound = button("sound");
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), sound->mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(sound, &move);
    EXPECT_EQ(w->helper->text(),
              QStringLiteral("Insert sound files. The number after loop gives number of times of "
                             "loop.Put Loop=Infinite for never ending sound."));

    QTest::mouseMove(w->Text1->viewport());
    EXPECT_EQ(w->helper->text(), QStringLiteral("Ready: Orvel-by Quorrin"));
}

} // namespace
