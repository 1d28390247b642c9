#include "commands/TagButtonTips.h"

#include "editor/SourceWindow.h"
#include "platform/Icons.h"

#include <QToolButton>

namespace orvel {

namespace {

// Tooltips and hints are the program's own wording, misspellings and trailing blanks included.
const TagButtonTip kTips[] = {
    {"bold", "Make text bold", "Select text to be made bold and click.", "format-text-bold", "B"},
    {"italic", "Italicise text", "Italicise text by selecting text and clicking this button.",
     "format-text-italic", "I"},
    {"underline", "Underline text", "Underline the selected text by clicking this button",
     "format-text-underline", "U"},
    {"sup", "Suprscript selected text", "Convert selected text to superscript", "", "x\u00b2"},
    {"Subs", "Subscript selected text", "Convert selected text to subscript", "", "x\u2082"},
    {"highlight", "Highlight selected text.",
     "Highlight selected text. Colour of the highlighted text can be altered by entering RGB code.",
     "", "Hi"},
    {"big", "Make selected big (Increased font size)", "Makes the selected text big", "", "A+"},
    {"small", "Make selected text small (Decreased font size)", "Makes the selected text small.",
     "", "a-"},
    {"strike", "Strike selected text off", "Strike the selected text", "format-text-strikethrough",
     "-S-"},
    {"Abbr", "Indicate selected text to be an abbreviation.", "Indicate abbreviations.", "", "Abr"},
    {"code", "Indicate selected text to be a code", "Indicates the selected text is a code.", "",
     "{ }"},
    {"KBD", "Indicate keyboard commnands/keys", "Indicates content is a keyboard command", "",
     "Kbd"},
    {"quote", "Insert quotes around selected text", "Lets you add quotes", "", "\u201c\u201d"},
    {"strong", "Indicate selected text to be strong.",
     "Make selected text appear strongly emphasized. (Looks more like bold. But Strong is more "
     "preferred to bold.)",
     "", "St"},
    {"emphasis", "Make selected text emphatic", "Emphasise selected text", "", "Em"},
    {"address", "Indicate addresses", "encloses selected text within address tags.", "", "Adr"},
    {"tt", "Make the selected text to look like typewriter font.",
     "Convert selected text to monospaced font. Appears like type written font.", "", "TT"},
    {"Pre", "Convert selected text to pre-formatted text",
     "Convert selected text to pre formatted text. They appear as they are typed.", "", "Pre"},
    {"style", "Create style sheets", "Style sheets can be inserted", "", "CSS"},
    {"script", "Insert scripts such as JavaScript, JScript, VBScript",
     "Insert scripts. Eg: JavaScript.", "", "JS"},
    {"blink", "Make the selected text to blink. (Netscape users only)",
     "Makes the enclosed text to blink. Supported by Netscape navigator only.", "", "Bl"},
    {"marquee", "Make the selected text to go from left to right (IE users only)",
     "Add a marquee which makes the enclosed text to move from one end to another. Supported By IE "
     "only.",
     "", "\u00bb\u00bb"},
    {"comment", "Add a comment, which is invisible in the web page.",
     "Convert selected text to Comment. They are invisible in the page, but appear only in the "
     "code.",
     "", "<!>"},
    {"defn", "Use to indicate a definition", "Add a definition (Not widely supported)", "", "DL"},
    {"left", "Align the selected text/Image to the left",
     "align to the left by selecting what is to be aligned and clicking this.",
     "format-justify-left", "\u2261L"},
    {"right", "Align the selected text/Image to the right",
     "align to the right by selecting what is to be aligned and clicking this.",
     "format-justify-right", "\u2261R"},
    {"centre", "Align the selected text/image to the centre",
     "Align to the centre by selection and clicking this button.", "format-justify-center",
     "\u2261C"},
    {"justify", "Justify the selected text/image",
     "Justify by selecting what is to be aligned and clicking this.", "format-justify-fill",
     "\u2261J"},
    {"P", "Begin a new paragraph.", "Insert paragraphs, mention alignment(Optional)", "", "<P>"},
    {"Points", "Insert a point in numbered or bulletted list",
     "Insert a new point for the numbering or bulletted list.", "", "LI"},
    {"numberings", "Create numbered lists",
     "Make a numbered list. Text after each <LI> is treated as a point. TYPES: TYPE=A|a|I|i|1", "",
     "1.2"},
    {"Bullet", "Create a bulletted list",
     "Create a bulletted list. You can specify type=\"disc|circle|Square\"", "", "\u2022"},
    {"InsertHead", "Insert Headings. (H1 is the largest and h6 is the smallest.)",
     "Insert headings, H1 is the largest and decreases to h6.", "", "H1"},
    {"table", "insert table ", "Insert table", "", "TBL"},
    {"Row", "Insert table row", "Insert a row in a table", "", "TR"},
    {"Column", "Insert table cell", "Insert table cell.", "", "TD"},
    {"header", "Insert table heading", "Make table heading", "", "TH"},
    {"rule", "Insert a horizontal rule",
     "Insert a horizontal rule. <HR noshade> removes shade. Width can be altered.", "", "HR"},
    {"Images", "Insert an image in your web page",
     "Insert images, specify the root(URL), and alternate text. Also Optionally alter height, "
     "width and choose border.",
     "insert-image", "Img"},
    {"object", "Insert objects.", "Insert objects (Slightly advanced and outdated.)", "", "Obj"},
    {"linker", "Add a link to the selected text/image",
     "Convert selected text to hyperlinks. Replace url by the desired url", "insert-link", "<a>"},
    {"Mail", "Create a link to selected text/image to an e-mail address",
     "Convert selected text to mail links. Replace url by the desired id", "mail-message-new", "@"},
    {"sound", "Insert sounds in your pages.",
     "Insert sound files. The number after loop gives number of times of loop.Put Loop=Infinite "
     "for never ending sound.",
     "", "\u266a"},
    {"music", "Insert music files in your page.", "Insert music", "", "\u266b"},
    {"clipper", "Insert movie clips in your pages", "Insert movie clips", "", "\u25b6"},
    {"applet", "Insert Java applets", "Insert Java Applets", "", "Jav"},
    {"framz", "Create frames", "Insert frames", "", "Frm"},
    {"insert", "Add mouse action commands", "Link mouse actions with links.", "", "Act"},
};

QIcon iconOf(const TagButtonTip& tip)
{
    return buttonIcon(QString::fromUtf8(tip.theme), QString::fromUtf8(tip.glyph));
}

} // namespace

std::span<const TagButtonTip> tagButtonTips()
{
    return kTips;
}

const TagButtonTip* tagButtonTip(const QString& name)
{
    for (const TagButtonTip& tip : kTips)
        if (name == QLatin1StringView(tip.name))
            return &tip;
    return nullptr;
}

QToolButton* addTagButton(SourceWindow& w, QWidget* group, const char* name)
{
    const TagButtonTip* tip = tagButtonTip(QString::fromUtf8(name));
    Q_ASSERT_X(tip, "addTagButton", name);
    if (!tip)
        return nullptr;
    return w.addPictureButton(group, QString::fromUtf8(tip->name), QString::fromUtf8(tip->tooltip),
                              QString::fromUtf8(tip->hint), iconOf(*tip));
}

void dressTagButton(SourceWindow& w, QToolButton* button)
{
    const TagButtonTip* tip = tagButtonTip(button->objectName());
    Q_ASSERT_X(tip, "dressTagButton", qPrintable(button->objectName()));
    if (!tip)
        return;
    button->setIcon(iconOf(*tip));
    button->setToolTip(QString::fromUtf8(tip->tooltip));
    w.setHint(button, QString::fromUtf8(tip->hint));
}

} // namespace orvel
