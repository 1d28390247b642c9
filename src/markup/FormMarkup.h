#pragma once

#include <QString>

namespace orvel {

// The kinds of form control that get a numbered default name; each has its own counter.
enum class FormControl {
    Form,
    Textbox,
    Password,
    Radio,
    Checkbox,
    Button,
    Submit,
    Reset,
    Browse,
    Textarea,
    Upload,
};

// The name stem: the control numbered n is named stem followed by n ("textbox3").
QString formStem(FormControl kind);

// The inserted text of the control numbered n. The text area needs its two answers and has its
// own builder; asking for it here gives its markup with both attributes empty.
QString formControlMarkup(FormControl kind, int n);
QString textareaMarkup(const QString& cols, const QString& rows, int n);
// The selection wrapped in a field set, each tag on a line of its own.
QString fieldsetMarkup(const QString& selected);
QString legendMarkup(const QString& legend);

// The result of freeing a name in a page: the new text, where the caret stands in it, and how
// many occurrences were renamed.
struct Renaming {
    QString text;
    int caret = 0;
    int renamed = 0;
};

// Frees `name` (a stem and its number) for a new control: every occurrence that is not followed
// by another digit gets the letter "a" after it (textbox1 becomes textbox1a, also inside longer
// words such as "mytextbox1"), while "textbox12" is a different name and stays. The search is
// case-sensitive. `caret` moves on by one for every renamed occurrence that ends at or before it,
// so it keeps its place in the text.
Renaming renameTaken(const QString& text, const QString& name, int caret);

} // namespace orvel
