// Block and structure commands: alignment, paragraphs and list points, breaks, table pieces,
// applets, frames, picked media files, mouse-action links and the dialogs of their groups.
#include "commands/BlockCommands.h"

#include "commands/DialogOpeners.h"
#include "editor/SourceWindow.h"
#include "markup/TagMarkup.h"
#include "platform/Platform.h"

#include <QComboBox>

namespace orvel {

namespace {

using B = BlockCommands;

// A row without a handler keeps its button and entry disabled until its dialog exists.
// clang-format off
const Action<BlockCommands> kBlockActions[] = {
    {"P", "mnuparagraph", "General", "Begin a new paragraph.",
     "Insert paragraphs, mention alignment(Optional)", "", "paragraph", &B::P_Click},
    {"Points", "", "General", "Insert a point in numbered or bulletted list",
     "Insert a new point for the numbering or bulletted list.", "", "list-item", &B::Points_Click},
    {"numberings", "numberinga", "General", "Create numbered lists",
     "Make a numbered list. Text after each <LI> is treated as a point. TYPES: TYPE=A|a|I|i|1",
     "format-list-ordered", "", &B::numberings_Click},
    {"Bullet", "bulleta", "General", "Create a bulletted list",
     "Create a bulletted list. You can specify type=\"disc|circle|Square\"",
     "format-list-unordered", "", &B::Bullet_Click},
    {"InsertHead", "mnuheading", "General",
     "Insert Headings. (H1 is the largest and h6 is the smallest.)",
     "Insert headings, H1 is the largest and decreases to h6.", "", "heading",
     &B::InsertHead_Click},
    {"linker", "mnuhyperlink", "General", "Add a link to the selected text/image",
     "Convert selected text to hyperlinks. Replace url by the desired url", "insert-link", "",
     &B::linker_Click},
    {"Mail", "mnulinkmail", "General", "Create a link to selected text/image to an e-mail address",
     "Convert selected text to mail links. Replace url by the desired id", "mail-message-new", "",
     &B::Mail_Click},
    {"Images", "imagea", "General", "Insert an image in your web page",
     "Insert images, specify the root(URL), and alternate text. Also Optionally alter height, "
     "width and choose border.", "insert-image", "", &B::Images_Click},
    {"rule", "hra", "General", "Insert a horizontal rule",
     "Insert a horizontal rule. <HR noshade> removes shade. Width can be altered.",
     "insert-horizontal-rule", "", &B::rule_Click},
    {"table", "tableb", "tabular", "insert table ", "Insert table", "insert-table", "",
     &B::table_Click},
    {"Row", "rowa", "tabular", "Insert table row", "Insert a row in a table", "", "table-row",
     &B::Row_Click},
    {"Column", "cella", "tabular", "Insert table cell", "Insert table cell.", "", "table-cell",
     &B::Column_Click},
    {"header", "headt", "tabular", "Insert table heading", "Make table heading", "", "table-header",
     &B::header_Click},
    {"left", "", "align", "Align the selected text/Image to the left",
     "align to the left by selecting what is to be aligned and clicking this.",
     "format-justify-left", "", &B::left_Click},
    {"centre", "", "align", "Align the selected text/image to the centre",
     "Align to the centre by selection and clicking this button.", "format-justify-center",
     "", &B::centre_Click},
    {"right", "", "align", "Align the selected text/Image to the right",
     "align to the right by selecting what is to be aligned and clicking this.",
     "format-justify-right", "", &B::right_Click},
    {"justify", "", "align", "Justify the selected text/image",
     "Justify by selecting what is to be aligned and clicking this.", "format-justify-fill",
     "", &B::justify_Click},
    {"applet", "", "extras", "Insert Java applets", "Insert Java Applets", "", "applet",
     &B::applet_Click},
    {"framz", "", "extras", "Create frames", "Insert frames", "", "frames", &B::framz_Click},
    {"object", "", "extras", "Insert objects.", "Insert objects (Slightly advanced and outdated.)",
     "", "object", &B::object_Click},
    {"sound", "sounda", "special", "Insert sounds in your pages.",
     "Insert sound files. The number after loop gives number of times of loop.Put Loop=Infinite "
     "for never ending sound.", "audio-volume-high", "", &B::sound_Click},
    {"music", "musica", "special", "Insert music files in your page.", "Insert music", "",
     "music", &B::music_Click},
    {"clipper", "moviea", "special", "Insert movie clips in your pages", "Insert movie clips", "",
     "movie", &B::clipper_Click},
    {"insert", "", "", "Add mouse action commands", "Link mouse actions with links.", "",
     "mouse-action", &B::insert_Click},
    {"", "linebreaka", "", "", "", "", "", &B::linebreaka_Click},
    {"", "wbreaka", "", "", "", "", "", &B::wbreaka_Click},
    {"", "nobra", "", "", "", "", "", &B::nobra_Click},
};
// clang-format on

// The four alignment buttons share one two-click flag.
void align(TextBox& box, Alignment a, bool& first)
{
    box.setSelText(alignmentStep(a, box.selText(), first));
}

struct MediaCommand {
    MediaKind kind;
    const char* noFile;
    MsgIcon icon;
    QString title;
};

void pickedFile(SourceWindow& w, const MediaCommand& c)
{
    // A cancelled dialog keeps the name chosen last time (a page opened, an earlier clip);
    // inserting that would answer Cancel with markup, so cancelling counts as no file.
    const bool chosen = w.CommonDialog1.showOpen();
    const QString file = w.CommonDialog1.fileName;
    if (!chosen || file.isEmpty()) {
        platform().message(QString::fromUtf8(c.noFile), c.icon, c.title);
        w.Text1->setFocus();
        return;
    }
    w.Text1->setSelText(mediaMarkup(c.kind, file));
}

} // namespace

BlockCommands::BlockCommands(SourceWindow& w) : QObject(&w), m_w(w)
{
    setObjectName(QStringLiteral("blockCommands"));
    installActions(w, *this, kBlockActions);
    connect(&w, &SourceWindow::formLoaded, this, &BlockCommands::startValues);
}

void BlockCommands::startValues()
{
    alignFirst = true;
}

TextBox& BlockCommands::text() const
{
    return *m_w.Text1;
}

// Typing over the selection replaces it, as a user's typing would.
void BlockCommands::typeIntoText(const QString& keys)
{
    text().setFocus();
    platform().sendKeys(m_w.Text1, keys);
}

void BlockCommands::left_Click()
{
    align(text(), Alignment::Left, alignFirst);
}

void BlockCommands::right_Click()
{
    align(text(), Alignment::Right, alignFirst);
}

void BlockCommands::centre_Click()
{
    align(text(), Alignment::Centre, alignFirst);
}

void BlockCommands::justify_Click()
{
    align(text(), Alignment::Justify, alignFirst);
}

void BlockCommands::P_Click()
{
    text().setFocus();
    text().setSelText(newParagraph(text().selText()));
}

void BlockCommands::Points_Click()
{
    const QString typed = platform().input(
        QStringLiteral("Enter the text for this point"),
        QStringLiteral("Enter text for point - Assistant: Orvel"), QStringLiteral("Extra Point"));
    text().setSelText(listPoint(typed));
}

void BlockCommands::linebreaka_Click()
{
    typeIntoText(lineBreakKeys(text().selText()));
}

void BlockCommands::wbreaka_Click()
{
    typeIntoText(wordBreakKeys());
}

void BlockCommands::nobra_Click()
{
    typeIntoText(noBreakKeys(text().selText()));
}

void BlockCommands::Column_Click()
{
    text().setSelText(tableCell());
}

void BlockCommands::header_Click()
{
    text().setSelText(tableHeading());
}

void BlockCommands::applet_Click()
{
    text().setSelText(appletTemplate());
}

void BlockCommands::framz_Click()
{
    text().setFocus();
    text().setSelText(frameset(text().selText()));
}

void BlockCommands::sound_Click()
{
    pickedFile(m_w, {MediaKind::Sound, "No file was selected.", MsgIcon::None, kDefaultTitle});
}

void BlockCommands::music_Click()
{
    pickedFile(m_w, {MediaKind::Music, "Invalid filename. Music not inserted.", MsgIcon::None,
                     kDefaultTitle});
}

void BlockCommands::clipper_Click()
{
    pickedFile(m_w, {MediaKind::Movie, "No video file was selected.", MsgIcon::Exclamation,
                     kAssistantTitle});
}

void BlockCommands::insert_Click()
{
    const QString event = m_w.Combo4->currentText();
    if (event.isEmpty() || event == QStringLiteral("Mouse Action")) {
        platform().message(QStringLiteral("Invalid action"));
        text().setFocus();
        return;
    }
    const QString url = platform().input(QStringLiteral("Enter the URL of the link"));
    const QString action =
        platform().input(QStringLiteral("What should happen when the mouse action occurs?"));
    if (url.isEmpty() || action.isEmpty()) {
        platform().message(QStringLiteral("Invalid URL or action"));
        m_w.Combo4->setFocus();
        return;
    }
    typeIntoText(mouseActionLink(url, event, action, text().selText()));
}

// The openers of DialogOpeners.cpp of the same names create the dialogs.
void BlockCommands::Images_Click()
{
    orvel::Images_Click(m_w.context());
}

void BlockCommands::table_Click()
{
    orvel::table_Click(m_w.context());
}

void BlockCommands::Row_Click()
{
    orvel::Row_Click(m_w.context());
}

void BlockCommands::rule_Click()
{
    orvel::rule_Click(m_w.context());
}

void BlockCommands::object_Click()
{
    orvel::object_Click(m_w.context());
}

void BlockCommands::InsertHead_Click()
{
    orvel::InsertHead_Click(m_w.context());
}

void BlockCommands::linker_Click()
{
    orvel::linker_Click(m_w.context());
}

void BlockCommands::Mail_Click()
{
    orvel::Mail_Click(m_w.context());
}

void BlockCommands::numberings_Click()
{
    orvel::numberings_Click(m_w.context());
}

void BlockCommands::Bullet_Click()
{
    orvel::Bullet_Click(m_w.context());
}

} // namespace orvel
