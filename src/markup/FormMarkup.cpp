#include "markup/FormMarkup.h"

#include "markup/Common.h"

namespace orvel {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString formStem(FormControl kind)
{
    switch (kind) {
    case FormControl::Form:
        return QStringLiteral("form");
    case FormControl::Textbox:
        return QStringLiteral("textbox");
    case FormControl::Password:
        return QStringLiteral("pass");
    case FormControl::Radio:
        return QStringLiteral("Radio");
    case FormControl::Checkbox:
        return QStringLiteral("Checkbox");
    case FormControl::Button:
        return QStringLiteral("Button");
    case FormControl::Submit:
        return QStringLiteral("submit");
    case FormControl::Reset:
        return QStringLiteral("reset");
    case FormControl::Browse:
        return QStringLiteral("browse");
    case FormControl::Textarea:
        return QStringLiteral("area");
    case FormControl::Upload:
        return QStringLiteral("file");
    }
    return {};
}

QString formControlMarkup(FormControl kind, int n)
{
    const QString num = QString::number(n);
    switch (kind) {
    case FormControl::Form:
        // The name keeps a blank on each side inside its quotes.
        return QStringLiteral("<FORM NAME=\" form") + num +
               QStringLiteral(" \" method=\"GET\" ACTION=\"url\">") + kCrLf + kCrLf + kCrLf +
               QStringLiteral("</FORM>") + kCrLf;
    case FormControl::Textbox:
        return QStringLiteral("<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox") + num +
               QStringLiteral("\">");
    case FormControl::Password:
        return QStringLiteral("<INPUT TYPE=\"PASSWORD\" NAME=\"pass") + num + QStringLiteral("\">");
    case FormControl::Radio:
        return QStringLiteral("<INPUT TYPE=\"RADIO\"  VALUE=\"Radio") + num +
               QStringLiteral("\"  NAME=\"Radio") + num + QStringLiteral("\">");
    case FormControl::Checkbox:
        return QStringLiteral("<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox") + num +
               QStringLiteral("\"  NAME=\"Checkbox") + num + QStringLiteral("\">");
    case FormControl::Button:
        return QStringLiteral("<INPUT TYPE=\"BUTTON\"  VALUE=\"Button") + num +
               QStringLiteral("\"  NAME=\"Button") + num + QStringLiteral("\" > ");
    case FormControl::Submit:
        return QStringLiteral("<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit") + num +
               QStringLiteral("\">");
    case FormControl::Reset:
        return QStringLiteral("<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset") + num +
               QStringLiteral("\">");
    case FormControl::Browse:
        return QStringLiteral("<input type=\"file\" name=\"browse") + num + QStringLiteral("\">");
    case FormControl::Textarea:
        return textareaMarkup(QString(), QString(), n);
    case FormControl::Upload:
        return QStringLiteral("<INPUT TYPE=\"FILE\" NAME=\"file") + num + QStringLiteral("\" > ");
    }
    return {};
}

QString textareaMarkup(const QString& cols, const QString& rows, int n)
{
    return QStringLiteral("<TEXTAREA Cols=\"") + cols + QStringLiteral("\" rows=\"") + rows +
           QStringLiteral("\" NAME=\"area") + QString::number(n) +
           QStringLiteral("\" wrap=\"OFF\">") + kCrLf +
           QStringLiteral("Default text of text area") + kCrLf + QStringLiteral("</TEXTAREA>");
}

QString fieldsetMarkup(const QString& selected)
{
    return QStringLiteral("<FIELDSET>") + kCrLf + selected + kCrLf + QStringLiteral("</FIELDSET>");
}

QString legendMarkup(const QString& legend)
{
    return QStringLiteral("<LEGEND ALIGN=\"RIGHT\">") + legend + QStringLiteral("</LEGEND>");
}

Renaming renameTaken(const QString& text, const QString& name, int caret)
{
    Renaming result;
    result.caret = caret;
    if (name.isEmpty()) {
        result.text = text;
        return result;
    }
    result.text.reserve(text.size() + 8);
    qsizetype copied = 0;
    qsizetype at = text.indexOf(name, 0, Qt::CaseSensitive);
    while (at >= 0) {
        const qsizetype end = at + name.size();
        // "textbox1" inside "textbox12" is the start of another name, not this one.
        if (end >= text.size() || !isDigit(text.at(end))) {
            result.text += QStringView(text).mid(copied, end - copied);
            result.text += u'a';
            copied = end;
            ++result.renamed;
            if (end <= caret)
                ++result.caret;
        }
        at = text.indexOf(name, end, Qt::CaseSensitive);
    }
    result.text += QStringView(text).mid(copied);
    return result;
}

} // namespace orvel
