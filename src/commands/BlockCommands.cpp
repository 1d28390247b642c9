// Block and structure commands: alignment, paragraphs and list points, breaks, table pieces,
// applets, frames, picked media files and mouse-action links. The buttons that open insertion
// dialogs are made here too, but stay disabled until their dialogs are wired.
#include "commands/BlockCommands.h"

#include "commands/Install.h"
#include "commands/TagButtonTips.h"
#include "editor/SourceWindow.h"
#include "markup/TagMarkup.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QGroupBox>
#include <QToolButton>

namespace orvel {

namespace {

void alignment(SourceWindow& w, Alignment a)
{
    w.Text1->setSelText(alignmentStep(a, w.Text1->selText(), w.state.alignFirst));
}

// Typing over the selection replaces it, as a user's typing would.
void typeIntoText(SourceWindow& w, const QString& keys)
{
    w.Text1->setFocus();
    platform().sendKeys(w.Text1, keys);
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

void left_Click(SourceWindow& w)
{
    alignment(w, Alignment::Left);
}

void right_Click(SourceWindow& w)
{
    alignment(w, Alignment::Right);
}

void centre_Click(SourceWindow& w)
{
    alignment(w, Alignment::Centre);
}

void justify_Click(SourceWindow& w)
{
    alignment(w, Alignment::Justify);
}

void P_Click(SourceWindow& w)
{
    w.Text1->setFocus();
    w.Text1->setSelText(newParagraph(w.Text1->selText()));
}

void Points_Click(SourceWindow& w)
{
    const QString text = platform().input(QStringLiteral("Enter the text for this point"),
                                          QStringLiteral("Enter text for point - Assistant: Orvel"),
                                          QStringLiteral("Extra Point"));
    w.Text1->setSelText(listPoint(text));
}

void linebreaka_Click(SourceWindow& w)
{
    typeIntoText(w, lineBreakKeys(w.Text1->selText()));
}

void wbreaka_Click(SourceWindow& w)
{
    typeIntoText(w, wordBreakKeys());
}

void nobra_Click(SourceWindow& w)
{
    typeIntoText(w, noBreakKeys(w.Text1->selText()));
}

void Column_Click(SourceWindow& w)
{
    w.Text1->setSelText(tableCell());
}

void header_Click(SourceWindow& w)
{
    w.Text1->setSelText(tableHeading());
}

void applet_Click(SourceWindow& w)
{
    w.Text1->setSelText(appletTemplate());
}

void framz_Click(SourceWindow& w)
{
    w.Text1->setFocus();
    w.Text1->setSelText(frameset(w.Text1->selText()));
}

void sound_Click(SourceWindow& w)
{
    pickedFile(w, {MediaKind::Sound, "No file was selected.", MsgIcon::None, kDefaultTitle});
}

void music_Click(SourceWindow& w)
{
    pickedFile(w, {MediaKind::Music, "Invalid filename. Music not inserted.", MsgIcon::None,
                   kDefaultTitle});
}

void clipper_Click(SourceWindow& w)
{
    pickedFile(w, {MediaKind::Movie, "No video file was selected.", MsgIcon::Exclamation,
                   kAssistantTitle});
}

void insert_Click(SourceWindow& w)
{
    const QString event = w.Combo4->currentText();
    if (event.isEmpty() || event == QStringLiteral("Mouse Action")) {
        platform().message(QStringLiteral("Invalid action"));
        w.Text1->setFocus();
        return;
    }
    const QString url = platform().input(QStringLiteral("Enter the URL of the link"));
    const QString action =
        platform().input(QStringLiteral("What should happen when the mouse action occurs?"));
    if (url.isEmpty() || action.isEmpty()) {
        platform().message(QStringLiteral("Invalid URL or action"));
        w.Combo4->setFocus();
        return;
    }
    typeIntoText(w, mouseActionLink(url, event, action, w.Text1->selText()));
}

namespace {

using Handler = void (*)(SourceWindow&);

struct Command {
    QGroupBox* SourceWindow::*group;
    const char* button;
    Handler click; // null: opens a dialog, wired where the dialogs are
    const char* menu;
};

const Command kCommands[] = {
    {&SourceWindow::General, "P", P_Click, "mnuparagraph"},
    {&SourceWindow::General, "Points", Points_Click, ""},
    {&SourceWindow::General, "numberings", nullptr, ""},
    {&SourceWindow::General, "Bullet", nullptr, ""},
    {&SourceWindow::General, "InsertHead", nullptr, ""},
    {&SourceWindow::General, "linker", nullptr, ""},
    {&SourceWindow::General, "Mail", nullptr, ""},
    {&SourceWindow::General, "Images", nullptr, ""},
    {&SourceWindow::General, "rule", nullptr, ""},
    {&SourceWindow::tabular, "table", nullptr, ""},
    {&SourceWindow::tabular, "Row", nullptr, ""},
    {&SourceWindow::tabular, "Column", Column_Click, "cella"},
    {&SourceWindow::tabular, "header", header_Click, "headt"},
    {&SourceWindow::align, "left", left_Click, ""},
    {&SourceWindow::align, "centre", centre_Click, ""},
    {&SourceWindow::align, "right", right_Click, ""},
    {&SourceWindow::align, "justify", justify_Click, ""},
    {&SourceWindow::extras, "applet", applet_Click, ""},
    {&SourceWindow::extras, "framz", framz_Click, ""},
    {&SourceWindow::extras, "object", nullptr, ""},
    {&SourceWindow::special, "sound", sound_Click, "sounda"},
    {&SourceWindow::special, "music", music_Click, "musica"},
    {&SourceWindow::special, "clipper", clipper_Click, "moviea"},
};

void runOnMenu(SourceWindow& w, const char* menu, Handler click)
{
    w.onMenu(QString::fromUtf8(menu), [&w, click] { click(w); });
}

} // namespace

void installBlockCommands(SourceWindow& w)
{
    for (const Command& c : kCommands) {
        QToolButton* b = addTagButton(w, w.*c.group, c.button);
        if (!c.click) {
            b->setEnabled(false);
            continue;
        }
        QObject::connect(b, &QToolButton::clicked, &w, [&w, click = c.click] { click(w); });
        if (*c.menu)
            runOnMenu(w, c.menu, c.click);
    }

    dressTagButton(w, w.insert);
    QObject::connect(w.insert, &QToolButton::clicked, &w, [&w] { insert_Click(w); });

    runOnMenu(w, "linebreaka", linebreaka_Click);
    runOnMenu(w, "wbreaka", wbreaka_Click);
    runOnMenu(w, "nobra", nobra_Click);
}

} // namespace orvel
