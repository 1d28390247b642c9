#include "editor/StringText.h"

#include <algorithm>

namespace orvel {

StringText::StringText(const QString& text) : m_text(withCrLf(text)) {}

QString StringText::withCrLf(const QString& text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s;
}

void StringText::setText(const QString& text)
{
    m_text = withCrLf(text);
    m_start = 0;
    m_length = 0;
    changed();
}

bool StringText::insideLineEnd(int pos) const
{
    return pos > 0 && pos < length() && m_text.at(pos - 1) == u'\r' && m_text.at(pos) == u'\n';
}

void StringText::setSelStart(int pos)
{
    // As in the page box, a caret cannot stand between CR and LF: it goes to the end of the line.
    m_start = std::clamp(pos, 0, length());
    if (insideLineEnd(m_start))
        --m_start;
    m_length = 0;
}

void StringText::setSelLength(int length)
{
    // A selection that would end between CR and LF takes the whole line end.
    int end = m_start + std::clamp(length, 0, this->length() - m_start);
    if (insideLineEnd(end))
        ++end;
    m_length = end - m_start;
}

void StringText::setSelText(const QString& text)
{
    const QString inserted = withCrLf(text);
    m_text.replace(m_start, m_length, inserted);
    m_start += int(inserted.size());
    m_length = 0;
    changed();
}

void StringText::replaceAt(const QList<int>& starts, int length, const QString& with)
{
    if (starts.isEmpty())
        return;
    const QString inserted = withCrLf(with);
    const int grows = int(inserted.size()) - length;
    // Where a position goes: past a replaced span it moves by what the span grew; inside one, to
    // the end of its new text; a caret at an insertion point ends after the inserted text.
    const auto moved = [&](int pos) {
        int shift = 0;
        for (const int at : starts) {
            if (pos >= at + length && (length > 0 || pos >= at))
                shift += grows;
            else if (pos > at)
                return at + shift + int(inserted.size());
        }
        return pos + shift;
    };
    const int start = moved(m_start), end = moved(m_start + m_length);
    QString out;
    out.reserve(m_text.size() + starts.size() * grows);
    int from = 0;
    for (const int at : starts) {
        out += QStringView(m_text).mid(from, at - from);
        out += inserted;
        from = at + length;
    }
    out += QStringView(m_text).mid(from);
    m_text = out;
    m_start = start;
    m_length = end - start;
    changed();
}

QString StringText::mid(int start, int count) const
{
    start = std::clamp(start, 0, length());
    return m_text.mid(start, std::clamp(count, 0, length() - start));
}

int StringText::lineCount() const
{
    return int(m_text.count(QStringLiteral("\r\n"))) + 1;
}

void StringText::beginEditGroup()
{
    if (m_depth++ == 0) {
        m_groupChanged = false;
        m_groupJoined = false;
    }
}

void StringText::beginJoinedEditGroup()
{
    if (m_depth++ == 0) {
        m_groupChanged = false;
        // Its changes belong to the step before it: no step of its own.
        m_groupJoined = m_steps > 0;
    }
}

void StringText::endEditGroup()
{
    if (m_depth > 0 && --m_depth == 0 && m_groupChanged && !m_groupJoined)
        ++m_steps;
}

void StringText::changed()
{
    if (m_depth > 0)
        m_groupChanged = true;
    else
        ++m_steps;
    if (onChange)
        onChange();
}

} // namespace orvel
