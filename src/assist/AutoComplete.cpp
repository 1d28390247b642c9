#include "assist/AutoComplete.h"

#include "platform/Platform.h"

#include <algorithm>

namespace orvel {

namespace {

using R = CompletionRow;
using T = AssistTarget;

// clang-format off
const AssistRow kAnchor{T::Hyperlink,
    u"This looks like an anchor tag. Would you like Orvel to assist you?", true};
const AssistRow kRule{T::Rule,
    u"This looks like a horizontal rule. Would you like Orvel to assist you providing more "
    u"options?", true};
const AssistRow kNumbered{T::Numbering,
    u"This looks like a numbered list. Would you like Orvel to assist you?", false};
const AssistRow kBulleted{T::Bullets,
    u"This looks like a bulletted list. Would you like Orvel to assist you?", false};
const AssistRow kImage{T::Image,
    u"This looks like an image tag. Would you like Orvel to assist you?", true};
const AssistRow kTable{T::Table,
    u"This looks like a table tag. Would you like Orvel to assist you?", true};
const AssistRow kRow{T::Row,
    u"This looks like you want to insert a row. Would you like Orvel to assist you?", true};

// No text a row inserts completes another row: the tags it writes are upper case and its
// attribute texts end in a quote or ">".
const CompletionRow kRows[] = {
    {u"<font c", R::Insert, u"olor=\"\"", 0, -1},
    // Colour names; "b" and "g" begin two names each and wait for the third letter.
    {u"color=\"a", R::Keys, u"qua"},
    {u"color=\"f", R::Keys, u"uchsia"},
    {u"color=\"o", R::Keys, u"live"},
    {u"color=\"m", R::Keys, u"aroon"},
    {u"color=\"y", R::Keys, u"ellow"},
    {u"color=\"l", R::Keys, u"ime"},
    {u"color=\"r", R::Keys, u"ed"},
    {u"color=\"n", R::Keys, u"avy"},
    {u"color=\"s", R::Keys, u"ilver"},
    {u"color=\"p", R::Keys, u"urple"},
    {u"color=\"t", R::Keys, u"eal"},
    {u"color=\"w", R::Keys, u"hite"},
    {u"color=\"blu", R::Keys, u"e"},
    {u"color=\"bla", R::Keys, u"ck"},
    {u"color=\"gre", R::Keys, u"en"},
    {u"color=\"gra", R::Keys, u"y"},
    {u"<font s", R::Insert, u"ize=\"\"", 0, -1},
    {u"<font f", R::Insert, u"ace=\"\"", 0, -1},
    {u"</for", R::Insert, u"m>"},
    {u"</fon", R::Insert, u"t>"},
    {u"<b>", R::Replace, u"<B></B>", 3, -4},
    {u"<i>", R::Replace, u"<I></I>", 3, -4},
    {u"<u>", R::Replace, u"<U></U>", 3, -4},
    // The caret goes one character past the new paragraph tag.
    {u"<p>", R::Replace, u"</P><P ALIGN=\"LEFT\">", 3, 1},
    // The typed "<" stays; only what follows it is replaced.
    {u"<pre>", R::Replace, u"PRE></PRE>", 4, -6},
    {u"<a ", R::Assist, u"", 0, 0, &kAnchor},
    {u"<hr>", R::Assist, u"", 0, 0, &kRule},
    {u"<ol>", R::Assist, u"", 0, 0, &kNumbered},
    {u"<ul>", R::Assist, u"", 0, 0, &kBulleted},
    {u"<img", R::Assist, u"", 0, 0, &kImage},
    {u"<cen", R::Keys, u"ter>"},
    {u"</ce", R::Keys, u"nter>"},
    {u"<tab", R::Assist, u"", 0, 0, &kTable},
    {u"<tr>", R::Assist, u"", 0, 0, &kRow},
    {u"<td>", R::Replace, u"<TD></TD>", 4, -5},
    {u"bgc", R::Keys, u"olor=\"\""},
    {u"align=\"l", R::Keys, u"eft\""},
    {u"align=\"c", R::Keys, u"enter\""},
    {u"align=\"r", R::Keys, u"ight\""},
    {u"align=\"j", R::Keys, u"ustify\""},
    {u"<tex", R::Insert, u"tarea></textarea>", 0, -11},
    {u"<in", R::Suggest, u"put type=\"", 10},
    {u"ut type=\"b", R::Suggest, u"utton\"", 6},
    {u"ut type=\"t", R::Suggest, u"ext\"", 4},
    {u"ut type=\"s", R::Suggest, u"ubmit\"", 6},
    // The typed second letter is part of the suggestion.
    {u"ut type=\"re", R::Suggest, u"set\"", 5},
    {u"ut type=\"ra", R::Suggest, u"dio\"", 5},
    {u"ut type=\"c", R::Insert, u"heckbox\""},
    {u"ut type=\"f", R::Suggest, u"ile\"", 4},
    {u"<for", R::Insert, u"m name=\"\">", 0, -2},
    {u"<a name=\"", R::Bookmark, u"", 9},
};
// clang-format on

QString q(const char16_t* s)
{
    return QString::fromUtf16(s);
}

// The characters a check may look at: no trigger is longer.
const int kLongestTrigger = [] {
    qsizetype longest = 0;
    for (const CompletionRow& r : kRows)
        longest = std::max(longest, q(r.trigger).size());
    return int(longest);
}();

} // namespace

std::span<const CompletionRow> completionRows()
{
    return kRows;
}

AutoComplete::AutoComplete(TextModel& text, const bool& assistOn, Hooks hooks)
    : m_text(text), m_assistOn(assistOn), m_hooks(std::move(hooks))
{}

QString AutoComplete::before() const
{
    const int caret = m_text.selStart();
    const int count = std::min(caret, kLongestTrigger);
    return m_text.mid(caret - count, count);
}

void AutoComplete::run()
{
    if (m_text.selStart() <= kQuietStart)
        return;
    QString typed = before();
    for (const CompletionRow& row : kRows) {
        // A trigger longer than the text before the caret never matches: `typed` is short.
        if (typed.isEmpty() || !typed.endsWith(QStringView(row.trigger)))
            continue;
        perform(row);
        // The action (and the passes it set off) may have moved the caret or changed the text.
        typed = before();
    }
}

void AutoComplete::selectBefore(int count)
{
    m_text.setSelStart(m_text.selStart() - count);
    m_text.setSelLength(count);
}

void AutoComplete::perform(const CompletionRow& row)
{
    if (row.kind == R::Keys) {
        if (m_hooks.typeKeys)
            m_hooks.typeKeys(q(row.text));
        return;
    }
    if (row.kind == R::Bookmark && !(m_hooks.canBookmark && m_hooks.canBookmark()))
        return;
    if (row.kind == R::Assist && m_assistOn) {
        if (platform().messageBox({kAssistantTitle, q(row.assist->question), MsgButtons::YesNo,
                                   MsgIcon::None, MsgAnswer::Yes}) != MsgAnswer::Yes) {
            m_text.focus();
            return;
        }
    }
    // What the completion changes is taken back with the key that set it off.
    EditGroup group(m_text, true);
    switch (row.kind) {
    case R::Insert:
        m_text.setSelText(q(row.text));
        if (row.move)
            m_text.setSelStart(m_text.selStart() + row.move);
        break;
    case R::Replace:
        selectBefore(row.count);
        m_text.setSelText(q(row.text));
        m_text.setSelStart(m_text.selStart() + row.move);
        break;
    case R::Suggest:
        m_text.setSelText(q(row.text));
        selectBefore(row.count);
        break;
    case R::Assist:
        assist(row);
        break;
    case R::Bookmark:
        selectBefore(row.count);
        m_text.setSelText(QString());
        m_hooks.bookmark();
        break;
    case R::Keys:
        break;
    }
}

void AutoComplete::assist(const CompletionRow& row)
{
    selectBefore(int(q(row.trigger).size()));
    if (row.assist->removeTyped)
        m_text.setSelText(QString());
    if (m_hooks.open)
        m_hooks.open(row.assist->target);
}

} // namespace orvel
