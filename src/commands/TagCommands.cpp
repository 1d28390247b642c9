// The text-level tag commands: toggles, wrappers, empty blocks and the prompted ones.
#include "commands/TagCommands.h"

#include "editor/SourceWindow.h"
#include "markup/TagMarkup.h"
#include "platform/Platform.h"

namespace orvel {

namespace {

using T = TagCommands;

// Tooltips and hints are the program's own wording, misspellings and trailing blanks included.
// clang-format off
const Action<TagCommands> kTagActions[] = {
    {"bold", "bolda", "", "Make text bold", "Select text to be made bold and click.",
     "format-text-bold", "", &T::bold_Click},
    {"italic", "italica", "", "Italicise text",
     "Italicise text by selecting text and clicking this button.", "format-text-italic", "",
     &T::italic_Click},
    {"underline", "underlinea", "", "Underline text",
     "Underline the selected text by clicking this button", "format-text-underline", "",
     &T::underline_Click},
    {"sup", "mnusuperscript", "misc", "Suprscript selected text",
     "Convert selected text to superscript", "format-text-superscript", "", &T::sup_Click},
    {"Subs", "mnusubscript", "misc", "Subscript selected text",
     "Convert selected text to subscript", "format-text-subscript", "", &T::Subs_Click},
    {"highlight", "highlighta", "misc", "Highlight selected text.",
     "Highlight selected text. Colour of the highlighted text can be altered by entering RGB code.",
     "", "highlight", &T::highlight_Click},
    {"big", "biga", "misc", "Make selected big (Increased font size)",
     "Makes the selected text big", "format-font-size-more", "", &T::big_Click},
    {"small", "smalla", "misc", "Make selected text small (Decreased font size)",
     "Makes the selected text small.", "format-font-size-less", "", &T::small_Click},
    {"strike", "strikea", "misc", "Strike selected text off", "Strike the selected text",
     "format-text-strikethrough", "", &T::strike_Click},
    {"Abbr", "abbra", "misc", "Indicate selected text to be an abbreviation.",
     "Indicate abbreviations.", "", "abbr", &T::Abbr_Click},
    {"code", "", "misc", "Indicate selected text to be a code",
     "Indicates the selected text is a code.", "", "code", &T::code_Click},
    {"KBD", "", "misc", "Indicate keyboard commnands/keys",
     "Indicates content is a keyboard command", "", "kbd", &T::KBD_Click},
    {"quote", "", "misc", "Insert quotes around selected text", "Lets you add quotes", "",
     "quote", &T::quote_Click},
    {"strong", "", "misc", "Indicate selected text to be strong.",
     "Make selected text appear strongly emphasized. (Looks more like bold. But Strong is more "
     "preferred to bold.)", "", "strong", &T::strong_Click},
    {"emphasis", "", "misc", "Make selected text emphatic", "Emphasise selected text", "",
     "emphasis", &T::emphasis_Click},
    {"address", "", "misc", "Indicate addresses", "encloses selected text within address tags.",
     "", "address", &T::address_Click},
    {"tt", "", "misc", "Make the selected text to look like typewriter font.",
     "Convert selected text to monospaced font. Appears like type written font.", "", "tt",
     &T::tt_Click},
    {"Pre", "", "misc", "Convert selected text to pre-formatted text",
     "Convert selected text to pre formatted text. They appear as they are typed.", "", "pre",
     &T::Pre_Click},
    {"style", "", "extras", "Create style sheets", "Style sheets can be inserted", "", "style",
     &T::style_Click},
    {"script", "", "extras", "Insert scripts such as JavaScript, JScript, VBScript",
     "Insert scripts. Eg: JavaScript.", "", "script", &T::script_Click},
    {"comment", "commenta", "extras", "Add a comment, which is invisible in the web page.",
     "Convert selected text to Comment. They are invisible in the page, but appear only in the "
     "code.", "", "comment", &T::comment_Click},
    {"defn", "defna", "extras", "Use to indicate a definition",
     "Add a definition (Not widely supported)", "", "definition", &T::defn_Click},
    {"blink", "blinka", "special", "Make the selected text to blink. (Netscape users only)",
     "Makes the enclosed text to blink. Supported by Netscape navigator only.", "", "blink",
     &T::blink_Click},
    {"marquee", "marqueea", "special",
     "Make the selected text to go from left to right (IE users only)",
     "Add a marquee which makes the enclosed text to move from one end to another. Supported By IE "
     "only.", "", "marquee", &T::marquee_Click},
    {"", "mnurectbox", "", "", "", "", "", &T::mnurectbox_Click},
};
// clang-format on

void wrapSelection(TextBox& box, const TagPair& tags, bool focusFirst = false)
{
    if (focusFirst)
        box.setFocus();
    box.setSelText(wrapIn(tags, box.selText()));
}

void toggle(TextBox& box, const QString& open, const QString& close)
{
    if (box.selLength() > 0)
        box.setSelText(toggledText(box.selText(), open, close));
    box.setFocus();
}

void insertEmptyBlock(TextBox& box, const TagPair& tags)
{
    box.setFocus();
    box.setSelText(emptyBlock(tags));
}

// Blink and marquee wrap what the user types, not what is selected: the selection is replaced.
void promptedWrap(TextBox& box, const QString& prompt, const TagPair& tags)
{
    box.setFocus();
    const QString text = platform().input(prompt, kAssistantTitle);
    if (text.isEmpty()) {
        platform().message(QStringLiteral("No text has been entered. Orvel will not proceed"),
                           MsgIcon::Exclamation, kAssistantTitle);
        box.setFocus();
        return;
    }
    box.setSelText(wrapIn(tags, text));
}

TagPair tags(const char16_t* open, const char16_t* close)
{
    return {QString::fromUtf16(open), QString::fromUtf16(close)};
}

} // namespace

TagCommands::TagCommands(SourceWindow& w) : QObject(&w), m_context(w.context())
{
    setObjectName(QStringLiteral("tagCommands"));
    installActions(w, *this, kTagActions);
}

TextBox& TagCommands::text() const
{
    return *m_context.text;
}

void TagCommands::bold_Click()
{
    toggle(text(), QStringLiteral("<B>"), QStringLiteral("</B>"));
}

void TagCommands::italic_Click()
{
    toggle(text(), QStringLiteral("<I>"), QStringLiteral("</I>"));
}

void TagCommands::underline_Click()
{
    toggle(text(), QStringLiteral("<U>"), QStringLiteral("</U>"));
}

void TagCommands::sup_Click()
{
    wrapSelection(text(), tags(u"<SUP>", u"</SUP>"));
}

void TagCommands::Subs_Click()
{
    wrapSelection(text(), tags(u"<SUB>", u"</SUB>"));
}

void TagCommands::highlight_Click()
{
    wrapSelection(text(), tags(u"<span style=\"background-color: #FFFF00\">", u" </span>"));
}

void TagCommands::big_Click()
{
    wrapSelection(text(), tags(u"<BIG>", u"</BIG>"));
}

void TagCommands::small_Click()
{
    wrapSelection(text(), tags(u"<SMALL>", u"</SMALL>"));
}

void TagCommands::strike_Click()
{
    wrapSelection(text(), tags(u"<STRIKE>", u"</STRIKE>"));
}

void TagCommands::Abbr_Click()
{
    wrapSelection(text(), tags(u"<ABBR>", u"</ABBR>"));
}

void TagCommands::code_Click()
{
    wrapSelection(text(), tags(u"<CODE>", u"</CODE>"));
}

void TagCommands::KBD_Click()
{
    wrapSelection(text(), tags(u"<KBD>", u"</KBD>"));
}

void TagCommands::quote_Click()
{
    wrapSelection(text(), tags(u"<Q>", u"</Q>"));
}

void TagCommands::strong_Click()
{
    wrapSelection(text(), tags(u"<STRONG>", u"</STRONG>"));
}

void TagCommands::emphasis_Click()
{
    wrapSelection(text(), tags(u"<EM>", u"</EM>"));
}

void TagCommands::address_Click()
{
    wrapSelection(text(), tags(u"<address>", u"</address>"));
}

void TagCommands::tt_Click()
{
    wrapSelection(text(), tags(u"<TT>", u" </TT>"), true);
}

void TagCommands::Pre_Click()
{
    wrapSelection(text(), tags(u"<PRE>", u"</PRE>"), true);
}

void TagCommands::style_Click()
{
    insertEmptyBlock(text(), tags(u"<STYLE>", u"</STYLE>"));
}

void TagCommands::script_Click()
{
    insertEmptyBlock(text(), tags(u"<SCRIPT LANGUAGE=\"\">", u"</SCRIPT>"));
}

void TagCommands::blink_Click()
{
    promptedWrap(text(), QStringLiteral("Please enter the text to blink"),
                 tags(u"<blink>", u"</blink>"));
}

void TagCommands::marquee_Click()
{
    promptedWrap(text(), QStringLiteral("Please enter the text to be inserted as marquee"),
                 tags(u"<marquee>", u"</marquee>"));
}

void TagCommands::comment_Click()
{
    TextBox& box = text();
    if (box.selLength() != 0) {
        box.setSelText(commentMarkup(box.selText()));
        return;
    }
    // With nothing selected the answer is used as it is; Cancel leaves an empty comment.
    const QString typed = platform().input(
        QStringLiteral("Enter the comment you wish to enter [No text was selected]"),
        kAssistantTitle, QStringLiteral("Comment Text Comes Here"));
    box.setSelText(commentMarkup(typed));
}

void TagCommands::defn_Click()
{
    TextBox& box = text();
    box.setFocus();
    const QString term = platform().input(
        QStringLiteral("Enter the title or the subject whose defn. is to be written"),
        kAssistantTitle, QStringLiteral("Title"));
    const QString definition =
        platform().input(QStringLiteral("Enter the defn. matter or the contents"), kAssistantTitle,
                         QStringLiteral("Matter"));
    box.setSelText(definitionList(term, definition));
}

void TagCommands::mnurectbox_Click()
{
    const QString typed = platform().input(QStringLiteral("Enter text to be inserted in the box"),
                                           kAssistantTitle, QStringLiteral("&nbsp;"));
    text().setSelText(rectangularBox(typed));
}

} // namespace orvel
