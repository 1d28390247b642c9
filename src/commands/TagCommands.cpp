// The text-level tag commands: toggles, wrappers, empty blocks and the prompted ones.
#include "commands/TagCommands.h"

#include "commands/Install.h"
#include "commands/TagButtonTips.h"
#include "editor/SourceWindow.h"
#include "markup/TagMarkup.h"
#include "platform/Platform.h"

#include <QGroupBox>
#include <QToolButton>

namespace orvel {

namespace {

void wrapSelection(SourceWindow& w, const TagPair& tags, bool focusFirst = false)
{
    if (focusFirst)
        w.Text1->setFocus();
    w.Text1->setSelText(wrapIn(tags, w.Text1->selText()));
}

void toggle(SourceWindow& w, const QString& open, const QString& close)
{
    if (w.Text1->selLength() > 0)
        w.Text1->setSelText(toggledText(w.Text1->selText(), open, close));
    w.Text1->setFocus();
}

void insertEmptyBlock(SourceWindow& w, const TagPair& tags)
{
    w.Text1->setFocus();
    w.Text1->setSelText(emptyBlock(tags));
}

// Blink and marquee wrap what the user types, not what is selected: the selection is replaced.
void promptedWrap(SourceWindow& w, const QString& prompt, const TagPair& tags)
{
    w.Text1->setFocus();
    const QString text = platform().input(prompt, kAssistantTitle);
    if (text.isEmpty()) {
        platform().message(QStringLiteral("No text has been entered. Orvel will not proceed"),
                           MsgIcon::Exclamation, kAssistantTitle);
        w.Text1->setFocus();
        return;
    }
    w.Text1->setSelText(wrapIn(tags, text));
}

TagPair tags(const char16_t* open, const char16_t* close)
{
    return {QString::fromUtf16(open), QString::fromUtf16(close)};
}

} // namespace

void bold_Click(SourceWindow& w)
{
    toggle(w, QStringLiteral("<B>"), QStringLiteral("</B>"));
}

void italic_Click(SourceWindow& w)
{
    toggle(w, QStringLiteral("<I>"), QStringLiteral("</I>"));
}

void underline_Click(SourceWindow& w)
{
    toggle(w, QStringLiteral("<U>"), QStringLiteral("</U>"));
}

void sup_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<SUP>", u"</SUP>"));
}

void Subs_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<SUB>", u"</SUB>"));
}

void highlight_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<span style=\"background-color: #FFFF00\">", u" </span>"));
}

void big_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<BIG>", u"</BIG>"));
}

void small_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<SMALL>", u"</SMALL>"));
}

void strike_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<STRIKE>", u"</STRIKE>"));
}

void Abbr_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<ABBR>", u"</ABBR>"));
}

void code_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<CODE>", u"</CODE>"));
}

void KBD_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<KBD>", u"</KBD>"));
}

void quote_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<Q>", u"</Q>"));
}

void strong_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<STRONG>", u"</STRONG>"));
}

void emphasis_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<EM>", u"</EM>"));
}

void address_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<address>", u"</address>"));
}

void tt_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<TT>", u" </TT>"), true);
}

void Pre_Click(SourceWindow& w)
{
    wrapSelection(w, tags(u"<PRE>", u"</PRE>"), true);
}

void style_Click(SourceWindow& w)
{
    insertEmptyBlock(w, tags(u"<STYLE>", u"</STYLE>"));
}

void script_Click(SourceWindow& w)
{
    insertEmptyBlock(w, tags(u"<SCRIPT LANGUAGE=\"\">", u"</SCRIPT>"));
}

void blink_Click(SourceWindow& w)
{
    promptedWrap(w, QStringLiteral("Please enter the text to blink"),
                 tags(u"<blink>", u"</blink>"));
}

void marquee_Click(SourceWindow& w)
{
    promptedWrap(w, QStringLiteral("Please enter the text to be inserted as marquee"),
                 tags(u"<marquee>", u"</marquee>"));
}

void comment_Click(SourceWindow& w)
{
    if (w.Text1->selLength() != 0) {
        w.Text1->setSelText(commentMarkup(w.Text1->selText()));
        return;
    }
    // With nothing selected the answer is used as it is; Cancel leaves an empty comment.
    const QString text = platform().input(
        QStringLiteral("Enter the comment you wish to enter [No text was selected]"),
        kAssistantTitle, QStringLiteral("Comment Text Comes Here"));
    w.Text1->setSelText(commentMarkup(text));
}

void defn_Click(SourceWindow& w)
{
    w.Text1->setFocus();
    const QString term = platform().input(
        QStringLiteral("Enter the title or the subject whose defn. is to be written"),
        kAssistantTitle, QStringLiteral("Title"));
    const QString definition =
        platform().input(QStringLiteral("Enter the defn. matter or the contents"), kAssistantTitle,
                         QStringLiteral("Matter"));
    w.Text1->setSelText(definitionList(term, definition));
}

void mnurectbox_Click(SourceWindow& w)
{
    const QString text = platform().input(QStringLiteral("Enter text to be inserted in the box"),
                                          kAssistantTitle, QStringLiteral("&nbsp;"));
    w.Text1->setSelText(rectangularBox(text));
}

namespace {

using Handler = void (*)(SourceWindow&);

struct Command {
    QGroupBox* SourceWindow::*group;
    const char* button;
    Handler click;
    const char* menu; // "" when only the button runs it
};

const Command kCommands[] = {
    {&SourceWindow::misc, "sup", sup_Click, "mnusuperscript"},
    {&SourceWindow::misc, "Subs", Subs_Click, "mnusubscript"},
    {&SourceWindow::misc, "highlight", highlight_Click, "highlighta"},
    {&SourceWindow::misc, "big", big_Click, "biga"},
    {&SourceWindow::misc, "small", small_Click, "smalla"},
    {&SourceWindow::misc, "strike", strike_Click, "strikea"},
    {&SourceWindow::misc, "Abbr", Abbr_Click, "abbra"},
    {&SourceWindow::misc, "code", code_Click, ""},
    {&SourceWindow::misc, "KBD", KBD_Click, ""},
    {&SourceWindow::misc, "quote", quote_Click, ""},
    {&SourceWindow::misc, "strong", strong_Click, ""},
    {&SourceWindow::misc, "emphasis", emphasis_Click, ""},
    {&SourceWindow::misc, "address", address_Click, ""},
    {&SourceWindow::misc, "tt", tt_Click, ""},
    {&SourceWindow::misc, "Pre", Pre_Click, ""},
    {&SourceWindow::extras, "style", style_Click, ""},
    {&SourceWindow::extras, "script", script_Click, ""},
    {&SourceWindow::extras, "comment", comment_Click, "commenta"},
    {&SourceWindow::extras, "defn", defn_Click, "defna"},
    {&SourceWindow::special, "blink", blink_Click, "blinka"},
    {&SourceWindow::special, "marquee", marquee_Click, "marqueea"},
};

void connectButton(SourceWindow& w, QToolButton* button, Handler click, const char* menu)
{
    QObject::connect(button, &QToolButton::clicked, &w, [&w, click] { click(w); });
    if (*menu)
        w.onMenu(QString::fromUtf8(menu), [&w, click] { click(w); });
}

} // namespace

void installTagCommands(SourceWindow& w)
{
    const struct {
        QToolButton* button;
        Handler click;
        const char* menu;
    } toggles[] = {{w.bold, bold_Click, "bolda"},
                   {w.italic, italic_Click, "italica"},
                   {w.underline, underline_Click, "underlinea"}};
    for (const auto& t : toggles) {
        dressTagButton(w, t.button);
        connectButton(w, t.button, t.click, t.menu);
    }

    for (const Command& c : kCommands)
        connectButton(w, addTagButton(w, w.*c.group, c.button), c.click, c.menu);

    w.onMenu(QStringLiteral("mnurectbox"), [&w] { mnurectbox_Click(w); });
}

} // namespace orvel
