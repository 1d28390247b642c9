#include "editor/HtmlLexer.h"

#include <QLatin1StringView>
#include <array>

namespace orvel {

namespace {

// A state packs the mode (low four bits), the mode's step (next four) and, inside a start tag,
// whether the element's content is script or style.
enum Mode { Text = 0, Tag = 1, Comment = 2, Decl = 3, Script = 4, Style = 5 };
enum TagStep { Between = 0, AfterEquals = 1, InDouble = 2, InSingle = 3 };
enum ScriptStep { Code = 0, BlockComment = 1, Template = 2 };
enum StyleStep { Rules = 0, Block = 1, Value = 2, InComment = 8 };
enum TagFlag { OpensScript = 1, OpensStyle = 2 };

constexpr int pack(int mode, int step = 0, int flags = 0)
{
    return mode | (step << 4) | (flags << 8);
}

constexpr std::array<QLatin1StringView, 44> kKeywords = {
    QLatin1StringView("async"),     QLatin1StringView("await"),      QLatin1StringView("break"),
    QLatin1StringView("case"),      QLatin1StringView("catch"),      QLatin1StringView("class"),
    QLatin1StringView("const"),     QLatin1StringView("continue"),   QLatin1StringView("debugger"),
    QLatin1StringView("default"),   QLatin1StringView("delete"),     QLatin1StringView("do"),
    QLatin1StringView("else"),      QLatin1StringView("export"),     QLatin1StringView("extends"),
    QLatin1StringView("false"),     QLatin1StringView("finally"),    QLatin1StringView("for"),
    QLatin1StringView("function"),  QLatin1StringView("if"),         QLatin1StringView("import"),
    QLatin1StringView("in"),        QLatin1StringView("instanceof"), QLatin1StringView("let"),
    QLatin1StringView("new"),       QLatin1StringView("null"),       QLatin1StringView("of"),
    QLatin1StringView("return"),    QLatin1StringView("static"),     QLatin1StringView("super"),
    QLatin1StringView("switch"),    QLatin1StringView("this"),       QLatin1StringView("throw"),
    QLatin1StringView("true"),      QLatin1StringView("try"),        QLatin1StringView("typeof"),
    QLatin1StringView("undefined"), QLatin1StringView("var"),        QLatin1StringView("void"),
    QLatin1StringView("while"),     QLatin1StringView("with"),       QLatin1StringView("yield"),
    QLatin1StringView("document"),  QLatin1StringView("window"),
};

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_' || c == u'.';
}

bool isIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

class LineScanner {
public:
    LineScanner(QStringView s, const HtmlLexer::Sink& sink)
        : m_s(s), m_n(int(s.size())), m_sink(sink)
    {}

    int run(int state)
    {
        if (state < 0)
            state = HtmlLexer::kStart;
        m_mode = state & 0xf;
        m_step = (state >> 4) & 0xf;
        m_flags = (state >> 8) & 0xf;
        while (m_i < m_n) {
            switch (m_mode) {
            case Tag:
                tag();
                break;
            case Comment:
                until(QStringLiteral("-->"), HtmlKind::Comment);
                break;
            case Decl:
                until(QStringLiteral(">"), HtmlKind::Doctype);
                break;
            case Script:
                script();
                break;
            case Style:
                style();
                break;
            default:
                text();
                break;
            }
        }
        return pack(m_mode, m_step, m_flags);
    }

private:
    void paint(int start, int end, HtmlKind kind)
    {
        if (m_sink && end > start)
            m_sink(start, end - start, kind);
    }
    QChar at(int i) const { return i < m_n ? m_s[i] : QChar(); }
    bool startsAt(int i, QStringView what) const
    {
        return m_s.mid(i).startsWith(what, Qt::CaseInsensitive);
    }

    void text()
    {
        while (m_i < m_n) {
            const QChar c = m_s[m_i];
            if (c == u'&' && (at(m_i + 1).isLetterOrNumber() || at(m_i + 1) == u'#')) {
                int j = m_i + 1;
                while (j < m_n && (m_s[j].isLetterOrNumber() || m_s[j] == u'#'))
                    ++j;
                if (at(j) == u';')
                    ++j;
                paint(m_i, j, HtmlKind::Entity);
                m_i = j;
                continue;
            }
            if (c == u'<') {
                if (startsAt(m_i, u"<!--")) {
                    paint(m_i, m_i + 4, HtmlKind::Comment);
                    m_i += 4;
                    m_mode = Comment;
                    return;
                }
                if (at(m_i + 1) == u'!' || at(m_i + 1) == u'?') {
                    m_mode = Decl;
                    return;
                }
                const bool end = at(m_i + 1) == u'/';
                const int nameStart = m_i + (end ? 2 : 1);
                if (at(nameStart).isLetter()) {
                    int j = nameStart;
                    while (j < m_n && isNameChar(m_s[j]))
                        ++j;
                    const QStringView name = m_s.mid(nameStart, j - nameStart);
                    paint(m_i, j, HtmlKind::Tag);
                    m_flags = 0;
                    if (!end && name.compare(u"script", Qt::CaseInsensitive) == 0)
                        m_flags = OpensScript;
                    else if (!end && name.compare(u"style", Qt::CaseInsensitive) == 0)
                        m_flags = OpensStyle;
                    m_i = j;
                    m_mode = Tag;
                    m_step = Between;
                    return;
                }
            }
            ++m_i;
        }
    }

    // Comments and declarations: coloured up to and with `end`, or to the end of the line.
    void until(const QString& end, HtmlKind kind)
    {
        const int found = int(m_s.indexOf(end, m_i));
        const int stop = found < 0 ? m_n : found + int(end.size());
        paint(m_i, stop, kind);
        m_i = stop;
        if (found >= 0)
            m_mode = Text;
    }

    void tag()
    {
        while (m_i < m_n) {
            const QChar c = m_s[m_i];
            if (m_step == InDouble || m_step == InSingle) {
                const QChar quote = m_step == InDouble ? u'"' : u'\'';
                const int close = int(m_s.indexOf(quote, m_i));
                const int stop = close < 0 ? m_n : close + 1;
                paint(m_i, stop, HtmlKind::AttrValue);
                m_i = stop;
                if (close >= 0)
                    m_step = Between;
                continue;
            }
            if (c.isSpace()) {
                ++m_i;
                continue;
            }
            if (c == u'>' || (c == u'/' && at(m_i + 1) == u'>')) {
                const int stop = m_i + (c == u'>' ? 1 : 2);
                paint(m_i, stop, HtmlKind::Tag);
                m_i = stop;
                m_mode = (m_flags & OpensScript) && c == u'>'  ? Script
                         : (m_flags & OpensStyle) && c == u'>' ? Style
                                                               : Text;
                m_step = 0;
                m_flags = 0;
                return;
            }
            if (m_step == AfterEquals) {
                if (c == u'"' || c == u'\'') {
                    m_step = c == u'"' ? InDouble : InSingle;
                    paint(m_i, m_i + 1, HtmlKind::AttrValue);
                    ++m_i;
                    continue;
                }
                int j = m_i;
                while (j < m_n && !m_s[j].isSpace() && m_s[j] != u'>')
                    ++j;
                paint(m_i, j, HtmlKind::AttrValue);
                m_i = j;
                m_step = Between;
                continue;
            }
            if (c == u'=') {
                m_step = AfterEquals;
                ++m_i;
                continue;
            }
            int j = m_i;
            while (j < m_n && !m_s[j].isSpace() && m_s[j] != u'=' && m_s[j] != u'>' &&
                   !(m_s[j] == u'/' && at(j + 1) == u'>'))
                ++j;
            if (j == m_i)
                ++j;
            paint(m_i, j, HtmlKind::AttrName);
            m_i = j;
        }
    }

    // The content of a script or style element ends at its end tag, whatever the language
    // inside was in the middle of.
    int contentEnd(QStringView endTag) const
    {
        const int found = int(m_s.indexOf(endTag, m_i, Qt::CaseInsensitive));
        return found < 0 ? m_n : found;
    }

    void closeContent(int end)
    {
        m_i = end;
        if (end < m_n) {
            m_mode = Text; // the end tag is lexed as a tag from here
            m_step = 0;
        }
    }

    void quoted(int end, QChar quote, HtmlKind kind)
    {
        int j = m_i + 1;
        while (j < end && m_s[j] != quote)
            j += m_s[j] == u'\\' ? 2 : 1;
        j = std::min(j + 1, end);
        paint(m_i, j, kind);
        m_i = j;
    }

    void script()
    {
        const int end = contentEnd(u"</script");
        while (m_i < end) {
            if (m_step == BlockComment || m_step == Template) {
                const QStringView close = m_step == BlockComment ? u"*/" : u"`";
                const int found = int(m_s.mid(0, end).indexOf(close, m_i));
                const int stop = found < 0 ? end : found + int(close.size());
                paint(m_i, stop,
                      m_step == BlockComment ? HtmlKind::ScriptComment : HtmlKind::ScriptString);
                m_i = stop;
                if (found >= 0)
                    m_step = Code;
                continue;
            }
            const QChar c = m_s[m_i];
            if (c == u'/' && at(m_i + 1) == u'/') {
                paint(m_i, end, HtmlKind::ScriptComment);
                m_i = end;
            } else if (c == u'/' && at(m_i + 1) == u'*') {
                paint(m_i, m_i + 2, HtmlKind::ScriptComment);
                m_i += 2;
                m_step = BlockComment;
            } else if (c == u'`') {
                paint(m_i, m_i + 1, HtmlKind::ScriptString);
                ++m_i;
                m_step = Template;
            } else if (c == u'"' || c == u'\'') {
                quoted(end, c, HtmlKind::ScriptString);
            } else if (isIdentChar(c)) {
                int j = m_i;
                while (j < end && isIdentChar(m_s[j]))
                    ++j;
                if (m_sink && !c.isDigit()) {
                    const QStringView word = m_s.mid(m_i, j - m_i);
                    for (QLatin1StringView k : kKeywords)
                        if (word == k)
                            paint(m_i, j, HtmlKind::ScriptKeyword);
                }
                m_i = j;
            } else {
                ++m_i;
            }
        }
        closeContent(end);
    }

    void style()
    {
        const int end = contentEnd(u"</style");
        while (m_i < end) {
            if (m_step & InComment) {
                const int found = int(m_s.mid(0, end).indexOf(u"*/", m_i));
                const int stop = found < 0 ? end : found + 2;
                paint(m_i, stop, HtmlKind::Comment);
                m_i = stop;
                if (found >= 0)
                    m_step &= ~InComment;
                continue;
            }
            const QChar c = m_s[m_i];
            if (c == u'/' && at(m_i + 1) == u'*') {
                paint(m_i, m_i + 2, HtmlKind::Comment);
                m_i += 2;
                m_step |= InComment;
            } else if (c == u'{') {
                m_step = Block;
                ++m_i;
            } else if (c == u'}') {
                m_step = Rules;
                ++m_i;
            } else if (m_step == Block && (c.isLetter() || c == u'-')) {
                int j = m_i;
                while (j < end && (m_s[j].isLetterOrNumber() || m_s[j] == u'-'))
                    ++j;
                paint(m_i, j, HtmlKind::CssProperty);
                m_i = j;
            } else if (m_step == Block && c == u':') {
                m_step = Value;
                ++m_i;
            } else if (m_step == Value && c == u';') {
                m_step = Block;
                ++m_i;
            } else if (m_step == Value && (c == u'"' || c == u'\'')) {
                quoted(end, c, HtmlKind::CssValue);
            } else if (m_step == Value && !c.isSpace()) {
                int j = m_i;
                while (j < end && !m_s[j].isSpace() && m_s[j] != u';' && m_s[j] != u'}' &&
                       m_s[j] != u'"' && m_s[j] != u'\'' && !(m_s[j] == u'/' && at(j + 1) == u'*'))
                    ++j;
                paint(m_i, j, HtmlKind::CssValue);
                m_i = j;
            } else {
                ++m_i;
            }
        }
        closeContent(end);
    }

    QStringView m_s;
    int m_n;
    const HtmlLexer::Sink& m_sink;
    int m_i = 0;
    int m_mode = Text;
    int m_step = 0;
    int m_flags = 0;
};

} // namespace

int HtmlLexer::scanLine(QStringView line, int state, const Sink& sink)
{
    return LineScanner(line, sink).run(state);
}

} // namespace orvel
