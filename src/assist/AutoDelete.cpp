#include "assist/AutoDelete.h"

#include "assist/SmartSelect.h"
#include "assist/TextSearch.h"
#include "editor/TextModel.h"
#include "platform/Platform.h"

namespace orvel {

namespace autodel {

namespace {

using enum Test;
using enum Method;

// The messages are the program's own wording; the lower-case form's message names the closing tag
// in capitals.
// clang-format off
const Row kRows[] = {
    {Whole, "<B>", PairWarn, "</B>", "<B>",
     "Another bold tag has been found. The ending tag (if present) will remain unchanged"},
    {Whole, "<I>", PairWarn, "</I>", "<I>",
     "Another italics tag has been found. The ending tag (if present) will remain unchanged"},
    {Whole, "<U>", PairWarn, "</U>", "<U>",
     "Another underline tag has been found. The ending tag (if present) will remain unchanged"},
    {Whole, "<blockquote>", PairWarn, "</blockquote>", "<blockquote>",
     "Another blockquote tag has been found. The ending tag (if present) will remain unchanged"},
    {Whole, "<PRE>", PairQuiet, "</PRE>", "<PRE>", ""},
    {Starts, "<A ", PairQuiet, "</A>", "<A ", ""},
    {Whole, "<SUP>", PairQuiet, "</SUP>", "<SUP>", ""},
    {Whole, "<SUB>", PairQuiet, "</SUB>", "<SUB>", ""},
    // The comment command ends a comment with "--> ": the blank goes with the end.
    {Opens, "<!--", PairQuiet, "-->", "<!--", "", 4},
    {Starts, "<font", PairQuiet, "</font>", "<font", ""},
    {Starts, "<FONT", PairQuiet, "</FONT>", "<FONT", ""},
    {Starts, "<P ", PairQuiet, "</P>", "<P>", ""},
    {Starts, "<form ", Element, "</form>", "",
     "The </FORM> tag is not found. Please delete manually"},
    {Starts, "<HR", Element, ">", "", "The end of the rule is not found. Please delete manually"},
    {Starts, "<TABLE ", Element, "</TABLE>", "",
     "The </TABLE> tag is not found. Please delete manually"},
    {Starts, "<TR>", Element, "</TR>", "", "The </TR> tag is not found. Please delete manually"},
    {Whole, "<BIG>", PairQuiet, "</BIG>", "<BIG>", ""},
    {Whole, "<SMALL>", PairQuiet, "</SMALL>", "<SMALL>", ""},
    {Whole, "<EM>", PairQuiet, "</EM>", "<EM>", ""},
    {Whole, "<Q>", PairQuiet, "</Q>", "<Q>", ""},
    {Whole, "<CODE>", PairQuiet, "</CODE>", "<CODE>", ""},
    {Whole, "<STRONG>", PairQuiet, "</STRONG>", "<STRONG>", ""},
    {Whole, "<ABBR>", PairQuiet, "</ABBR>", "<ABBR>", ""},
    {Starts, "<FORM ", Element, "</FORM>", "",
     "The </FORM> tag is not found. Please delete manually"},
};
// clang-format on

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

bool fits(const Row& row, const QString& selected)
{
    const QString tag = s(row.tag);
    if (row.test == Whole)
        return selected == tag;
    if (!selected.startsWith(tag))
        return false;
    // A pair is only taken apart from inside its opening tag. With the caret in the element's
    // text Smart Select runs on through the next tag, and deleting all of that would take the
    // text with it and then a closing tag of some later element.
    return row.method == Element || selected.indexOf(u'>') == selected.size() - 1;
}

void tell(const Row& row, TextModel& text)
{
    platform().message(s(row.message), MsgIcon::Exclamation, kAssistantTitle);
    text.focus();
}

void removeAt(TextModel& text, int start, int length)
{
    text.setSelStart(start);
    text.setSelLength(length);
    text.setSelText(QString());
}

void pairWarn(const Row& row, TextModel& text, int p, int tagLength)
{
    const int close = findForward(text, s(row.closing), p + tagLength);
    const bool nested = close >= 0 && findForward(text, s(row.nesting), p + tagLength, close) >= 0;
    if (close < 0 || nested) {
        tell(row, text);
        removeAt(text, p, tagLength);
        return;
    }
    // The closing tag first: it stands after the opening one, whose position stays good.
    removeAt(text, close, int(qstrlen(row.closing)));
    removeAt(text, p, tagLength);
}

void pairQuiet(const Row& row, TextModel& text, int p, int tagLength)
{
    removeAt(text, p, row.test == Opens ? int(qstrlen(row.tag)) : tagLength);
    const int close = findForward(text, s(row.closing), p);
    if (close < 0)
        return;
    if (findForward(text, s(row.nesting), p, close) >= 0) {
        text.focus();
        return;
    }
    removeAt(text, close, row.removes ? row.removes : int(qstrlen(row.closing)));
    text.setSelStart(p);
}

void element(const Row& row, TextModel& text, int p)
{
    const int close = findForward(text, s(row.closing), p);
    if (close < 0) {
        tell(row, text);
        return;
    }
    removeAt(text, p, close + int(qstrlen(row.closing)) - p);
}

} // namespace

std::span<const Row> rows()
{
    return kRows;
}

} // namespace autodel

void autoDelete(TextModel& text)
{
    using namespace autodel;
    smartSelect(text);
    const int p = text.selStart();
    for (const Row& row : rows()) {
        // Each row looks at the selection as the rows before it left it: after a deletion
        // nothing is selected, after a message the tag still is.
        const QString selected = text.selText();
        if (selected.isEmpty() || !fits(row, selected))
            continue;
        switch (row.method) {
        case Method::PairWarn:
            pairWarn(row, text, p, int(selected.size()));
            break;
        case Method::PairQuiet:
            pairQuiet(row, text, p, int(selected.size()));
            break;
        case Method::Element:
            element(row, text, p);
            break;
        }
    }
}

} // namespace orvel
