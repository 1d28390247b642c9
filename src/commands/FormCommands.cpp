// The form-control commands: named controls that free their name in the page first, the text
// area, file upload, field set and legend, and the openers of the list dialog.
#include "commands/FormCommands.h"

#include "commands/DialogOpeners.h"
#include "editor/SourceWindow.h"
#include "markup/FormMarkup.h"
#include "platform/Platform.h"

namespace orvel {

namespace {

using F = FormCommands;

// clang-format off
const Action<FormCommands> kFormActions[] = {
    {"formesh", "insertform", "former", "Insert forms",
     "Insert a form. Also, specify a name. Names are quite important for form controls", "",
     "form", &F::formesh_Click},
    {"Textbox", "textboxa", "former", "Insert text boxes", "Insert text boxes.", "", "textbox",
     &F::Textbox_Click},
    {"passwords", "passworda", "former", "Insert password fields",
     "Input boxes where the input appears as ***** can be inserted", "", "password",
     &F::passwords_Click},
    {"radios", "radioa", "former", "Insert radio buttons",
     "Insert radio button, i.e. it allows only one option to be selected", "", "radio",
     &F::radios_Click},
    {"Checkbox", "checkboxa", "former", "Insert checkboxes",
     "Insert checkboxes, where multiple options can be checked or unchecked.", "", "checkbox",
     &F::Checkbox_Click},
    {"buttoner", "button", "former", "Insert buttons", "Insert buttons.", "", "button",
     &F::buttoner_Click},
    {"Submitter", "submita", "former", "Create a submit box",
     "Insert submit button, so mention method and action in the form defn.", "", "submit",
     &F::Submitter_Click},
    {"resettor", "reseta", "former", "Insert a reset button",
     "Insert reset button, which clears up the form.", "", "reset", &F::resettor_Click},
    {"browse", "", "former", "Insert browse to search your computer",
     "Insert control which has an input box and browse button that lets you to browse your "
     "computer", "", "browse", &F::browse_Click},
    {"textarea", "textareaa", "former", "Insert text areas", "Insert text area", "", "textarea",
     &F::textarea_Click},
    {"fileupload", "", "former", "Upload selected files.", "File upload", "", "file-upload",
     &F::fileupload_Click},
    {"fieldset", "Fieldseta", "former", "Create a fieldset",
     "Group one more form controls, by entering other form controls within these tags. "
     "Consider using Legend also.", "", "fieldset", &F::fieldset_Click},
    {"legend", "legenda", "former", "Create a legend", "Add a legend or a caption.", "", "legend",
     &F::legend_Click},
    {"selecter", "Selecta", "former", "Create a list",
     "The user can select from the list of options provided.", "", "list-box", &F::selecter_Click},
    {"puller", "pulldownlista", "former", "Create a dropdown box", "Create a pull down list", "",
     "drop-down", &F::puller_Click},
};
// clang-format on

} // namespace

FormCommands::FormCommands(SourceWindow& w) : QObject(&w), m_context(w.context())
{
    static_assert(std::tuple_size_v<decltype(controlNo)> == std::size_t(FormControl::Upload) + 1);
    setObjectName(QStringLiteral("formCommands"));
    startValues();
    installActions(w, *this, kFormActions);
    connect(&w, &SourceWindow::formLoaded, this, &FormCommands::startValues);
}

void FormCommands::startValues()
{
    controlNo.fill(1);
}

qint16& FormCommands::counter(FormControl kind)
{
    return controlNo[std::size_t(kind)];
}

// Renames what already carries the name the next control of `kind` gets, keeping the caret at
// its place in the text. Any selection goes: a selected word stays in the page, after the new
// control. Returns the number to give.
int FormCommands::freeName(FormControl kind)
{
    TextBox& box = *m_context.text;
    box.setFocus();
    const int n = counter(kind);
    const Renaming r = renameTaken(box.text(), formStem(kind) + QString::number(n), box.selStart());
    // Rewriting an unchanged page would only cost the view's place.
    if (r.renamed > 0)
        box.setText(r.text);
    box.setSelStart(r.caret);
    return n;
}

void FormCommands::insertNamed(FormControl kind)
{
    const int n = freeName(kind);
    m_context.text->setSelText(formControlMarkup(kind, n));
    ++counter(kind);
}

void FormCommands::formesh_Click()
{
    insertNamed(FormControl::Form);
}

void FormCommands::Textbox_Click()
{
    insertNamed(FormControl::Textbox);
}

void FormCommands::passwords_Click()
{
    insertNamed(FormControl::Password);
}

void FormCommands::radios_Click()
{
    insertNamed(FormControl::Radio);
}

void FormCommands::Checkbox_Click()
{
    insertNamed(FormControl::Checkbox);
}

void FormCommands::buttoner_Click()
{
    insertNamed(FormControl::Button);
}

void FormCommands::Submitter_Click()
{
    insertNamed(FormControl::Submit);
}

void FormCommands::resettor_Click()
{
    insertNamed(FormControl::Reset);
}

void FormCommands::browse_Click()
{
    insertNamed(FormControl::Browse);
}

void FormCommands::textarea_Click()
{
    const int n = freeName(FormControl::Textarea);
    // The answers go in as typed; Cancel leaves the attribute empty.
    const QString cols = platform().input(QStringLiteral("Please enter number of columns"),
                                          QStringLiteral("Textarea Columns - Assistant: Orvel"),
                                          QStringLiteral("25"));
    const QString rows =
        platform().input(QStringLiteral("Please enter number of rows"),
                         QStringLiteral("Textarea Rows - Assistant: Orvel"), QStringLiteral("10"));
    m_context.text->setSelText(textareaMarkup(cols, rows, n));
    ++counter(FormControl::Textarea);
}

void FormCommands::fileupload_Click()
{
    // No renaming here, and the selection is replaced.
    qint16& n = counter(FormControl::Upload);
    m_context.text->setSelText(formControlMarkup(FormControl::Upload, n));
    ++n;
}

void FormCommands::fieldset_Click()
{
    m_context.text->setFocus();
    m_context.text->setSelText(fieldsetMarkup(m_context.text->selText()));
}

void FormCommands::legend_Click()
{
    m_context.text->setFocus();
    const QString legend = platform().input(
        QStringLiteral("Enter the text of the legend that you wish to set. (To be entered within "
                       "Fieldset)"),
        kAssistantTitle);
    m_context.text->setSelText(legendMarkup(legend));
}

// The openers of DialogOpeners.cpp of the same names create the dialog.
void FormCommands::selecter_Click()
{
    orvel::selecter_Click(m_context);
}

void FormCommands::puller_Click()
{
    orvel::puller_Click(m_context);
}

} // namespace orvel
