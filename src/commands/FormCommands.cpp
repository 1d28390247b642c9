// The form-control commands: named controls that free their name in the page first, the text
// area, file upload, field set and legend.
#include "commands/FormCommands.h"

#include "commands/Install.h"
#include "editor/SourceWindow.h"
#include "markup/FormMarkup.h"
#include "platform/Icons.h"
#include "platform/Platform.h"

#include <QGroupBox>
#include <QToolButton>

namespace orvel {

namespace {

qint16& counterOf(SourceState& s, FormControl kind)
{
    switch (kind) {
    case FormControl::Form:
        return s.formNo;
    case FormControl::Textbox:
        return s.textboxNo;
    case FormControl::Password:
        return s.passwordNo;
    case FormControl::Radio:
        return s.radioNo;
    case FormControl::Checkbox:
        return s.checkboxNo;
    case FormControl::Button:
        return s.buttonNo;
    case FormControl::Submit:
        return s.submitNo;
    case FormControl::Reset:
        return s.resetNo;
    case FormControl::Browse:
        return s.browseNo;
    case FormControl::Textarea:
        return s.textareaNo;
    case FormControl::Upload:
        return s.uploadNo;
    }
    return s.textboxNo;
}

// Renames what already carries the name the next control of `kind` gets, keeping the caret at
// its place in the text. Any selection goes: a selected word stays in the page, after the new
// control. Returns the number to give.
int freeName(SourceWindow& w, FormControl kind)
{
    TextBox& box = *w.Text1;
    box.setFocus();
    const int n = counterOf(w.state, kind);
    const Renaming r = renameTaken(box.text(), formStem(kind) + QString::number(n), box.selStart());
    // Rewriting an unchanged page would only cost an undo step and the view's place.
    if (r.renamed > 0)
        box.setText(r.text);
    box.setSelStart(r.caret);
    return n;
}

void insertNamed(SourceWindow& w, FormControl kind)
{
    const int n = freeName(w, kind);
    w.Text1->setSelText(formControlMarkup(kind, n));
    ++counterOf(w.state, kind);
}

} // namespace

void formesh_Click(SourceWindow& w)
{
    insertNamed(w, FormControl::Form);
}

void Textbox_Click(SourceWindow& w)
{
    insertNamed(w, FormControl::Textbox);
}

void passwords_Click(SourceWindow& w)
{
    insertNamed(w, FormControl::Password);
}

void radios_Click(SourceWindow& w)
{
    insertNamed(w, FormControl::Radio);
}

void Checkbox_Click(SourceWindow& w)
{
    insertNamed(w, FormControl::Checkbox);
}

void buttoner_Click(SourceWindow& w)
{
    insertNamed(w, FormControl::Button);
}

void Submitter_Click(SourceWindow& w)
{
    insertNamed(w, FormControl::Submit);
}

void resettor_Click(SourceWindow& w)
{
    insertNamed(w, FormControl::Reset);
}

void browse_Click(SourceWindow& w)
{
    insertNamed(w, FormControl::Browse);
}

void textarea_Click(SourceWindow& w)
{
    const int n = freeName(w, FormControl::Textarea);
    // The answers go in as typed; Cancel leaves the attribute empty.
    const QString cols = platform().input(QStringLiteral("Please enter number of columns"),
                                          QStringLiteral("Textarea Columns - Assistant: Orvel"),
                                          QStringLiteral("25"));
    const QString rows =
        platform().input(QStringLiteral("Please enter number of rows"),
                         QStringLiteral("Textarea Rows - Assistant: Orvel"), QStringLiteral("10"));
    w.Text1->setSelText(textareaMarkup(cols, rows, n));
    ++w.state.textareaNo;
}

void fileupload_Click(SourceWindow& w)
{
    // No renaming here, and the selection is replaced.
    w.Text1->setSelText(formControlMarkup(FormControl::Upload, w.state.uploadNo));
    ++w.state.uploadNo;
}

void fieldset_Click(SourceWindow& w)
{
    w.Text1->setFocus();
    w.Text1->setSelText(fieldsetMarkup(w.Text1->selText()));
}

void legend_Click(SourceWindow& w)
{
    w.Text1->setFocus();
    const QString legend = platform().input(
        QStringLiteral("Enter the text of the legend that you wish to set. (To be entered within "
                       "Fieldset)"),
        kAssistantTitle);
    w.Text1->setSelText(legendMarkup(legend));
}

void installFormCommands(SourceWindow& w)
{
    struct Command {
        const char* button;
        const char* menu; // "" when only the button runs it
        const char* tooltip;
        const char* hint;
        const char* theme;
        const char* glyph;
        void (*handler)(SourceWindow&); // null until its dialog exists
    };
    // clang-format off
    const Command commands[] = {
        {"formesh", "insertform", "Insert forms",
         "Insert a form. Also, specify a name. Names are quite important for form controls",
         "", "Frm", formesh_Click},
        {"Textbox", "textboxa", "Insert text boxes", "Insert text boxes.", "", "[ab]",
         Textbox_Click},
        {"passwords", "passworda", "Insert password fields",
         "Input boxes where the input appears as ***** can be inserted", "", "***",
         passwords_Click},
        {"radios", "radioa", "Insert radio buttons",
         "Insert radio button, i.e. it allows only one option to be selected", "", "(o)",
         radios_Click},
        {"Checkbox", "checkboxa", "Insert checkboxes",
         "Insert checkboxes, where multiple options can be checked or unchecked.", "", "[x]",
         Checkbox_Click},
        {"buttoner", "button", "Insert buttons", "Insert buttons.", "", "Btn", buttoner_Click},
        {"Submitter", "submita", "Create a submit box",
         "Insert submit button, so mention method and action in the form defn.", "", "Sub",
         Submitter_Click},
        {"resettor", "reseta", "Insert a reset button",
         "Insert reset button, which clears up the form.", "", "Rst", resettor_Click},
        {"browse", "", "Insert browse to search your computer",
         "Insert control which has an input box and browse button that lets you to browse your "
         "computer", "", "Brw", browse_Click},
        {"textarea", "textareaa", "Insert text areas", "Insert text area", "", "Area",
         textarea_Click},
        {"fileupload", "", "Upload selected files.", "File upload", "", "Up", fileupload_Click},
        {"fieldset", "Fieldseta", "Create a fieldset",
         "Group one more form controls, by entering other form controls within these tags. "
         "Consider using Legend also.", "", "FS", fieldset_Click},
        {"legend", "legenda", "Create a legend", "Add a legend or a caption.", "", "Lg",
         legend_Click},
        // The list dialog that builds these two is not there yet.
        {"selecter", "Selecta", "Create a list",
         "The user can select from the list of options provided.", "", "Lst", nullptr},
        {"puller", "pulldownlista", "Create a dropdown box", "Create a pull down list", "",
         "\u25be", nullptr},
    };
    // clang-format on
    for (const Command& c : commands) {
        QToolButton* b =
            w.addPictureButton(w.former, QString::fromUtf8(c.button), QString::fromUtf8(c.tooltip),
                               QString::fromUtf8(c.hint),
                               buttonIcon(QString::fromUtf8(c.theme), QString::fromUtf8(c.glyph)));
        if (!c.handler) {
            b->setEnabled(false);
            continue;
        }
        auto* handler = c.handler;
        QObject::connect(b, &QToolButton::clicked, &w, [&w, handler] { handler(w); });
        if (*c.menu)
            w.onMenu(QString::fromUtf8(c.menu), [&w, handler] { handler(w); });
    }
}

} // namespace orvel
