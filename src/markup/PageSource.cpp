#include "markup/PageSource.h"

#include "markup/LineEnds.h"
#include "markup/PageSourceData.h"

#include <algorithm>
#include <gumbo.h>

namespace orvel {

namespace {

bool isSpaceOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isTagNameEnd(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'/' ||
           c == u'>';
}

bool isAsciiAlpha(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiAlnum(QChar c)
{
    return isAsciiAlpha(c) || (c >= u'0' && c <= u'9');
}

// Whether `at` starts with "<name" or "</name" followed by the end of the name.
bool isTagOf(QStringView at, QStringView name, bool end)
{
    const qsizetype skip = end ? 2 : 1;
    if (at.size() < skip + name.size() || at[0] != u'<' || (end && at[1] != u'/'))
        return false;
    if (at.mid(skip, name.size()).compare(name, Qt::CaseInsensitive) != 0)
        return false;
    return at.size() == skip + name.size() || isTagNameEnd(at[skip + name.size()]);
}

// Where a tag that the parser dropped from a text ends: after its ">" (quoted values may hold
// one), or at `end`.
qsizetype droppedTagEnd(QStringView s, qsizetype i, qsizetype end)
{
    char16_t quote = 0;
    bool afterEquals = false;
    for (++i; i < end; ++i) {
        const QChar c = s[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == u'>') {
            return i + 1;
        } else if (afterEquals && (c == u'"' || c == u'\'')) {
            quote = c.unicode();
        }
        if (!isSpaceOrTab(c) && c != u'\n' && c != u'\r')
            afterEquals = c == u'=';
    }
    return end;
}

QString utf8Text(const char* s)
{
    return s ? QString::fromUtf8(s) : QString();
}

// The page's text in UTF-8 for the parser, with the text position of every byte.
class Builder {
public:
    explicit Builder(const QString& text) : m_text(text) { encode(); }

    PageNode build(PageSource::Data* d)
    {
        m_d = d;
        GumboOutput* out = gumbo_parse_with_options(&kGumboDefaultOptions, m_utf8.constData(),
                                                    size_t(m_utf8.size()));
        PageNode doc;
        doc.kind = PageNode::Kind::Document;
        const GumboDocument& g = out->document->v.document;
        for (unsigned i = 0; i < g.children.length; ++i) {
            doc.children.emplace_back();
            node(static_cast<const GumboNode*>(g.children.data[i]), doc.children.back(), 1);
        }
        if (g.has_doctype)
            addDoctype(doc, g);
        gumbo_destroy_output(&kGumboDefaultOptions, out);
        return doc;
    }

private:
    void encode()
    {
        const qsizetype n = m_text.size();
        m_utf8.reserve(n + n / 8 + 16);
        m_at.reserve(size_t(n + n / 8 + 16));
        const auto* p = reinterpret_cast<const char16_t*>(m_text.utf16());
        const auto put = [this](char b, qsizetype pos) {
            m_utf8.append(b);
            m_at.push_back(pos);
        };
        for (qsizetype i = 0; i < n; ++i) {
            char32_t c = p[i];
            const qsizetype at = i;
            if (c < 0x80) {
                put(char(c), at);
                continue;
            }
            if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1]))
                c = QChar::surrogateToUcs4(char16_t(c), p[++i]);
            else if (QChar::isSurrogate(c))
                c = 0xFFFD;
            if (c < 0x800) {
                put(char(0xC0 | (c >> 6)), at);
            } else if (c < 0x10000) {
                put(char(0xE0 | (c >> 12)), at);
                put(char(0x80 | ((c >> 6) & 0x3F)), at);
            } else {
                put(char(0xF0 | (c >> 18)), at);
                put(char(0x80 | ((c >> 12) & 0x3F)), at);
                put(char(0x80 | ((c >> 6) & 0x3F)), at);
            }
            put(char(0x80 | (c & 0x3F)), at);
        }
        m_at.push_back(n);
    }

    qsizetype at(const char* p) const { return m_at[size_t(p - m_utf8.constData())]; }
    Span span(const GumboStringPiece& s) const
    {
        if (!s.data || !s.length)
            return {};
        return {at(s.data), at(s.data + s.length)};
    }
    QStringView source(Span s) const { return QStringView(m_text).mid(s.start, s.size()); }

    static QString tagName(const GumboNode* g)
    {
        const GumboElement& e = g->v.element;
        if (e.tag != GUMBO_TAG_UNKNOWN && e.tag_namespace == GUMBO_NAMESPACE_HTML)
            return QString::fromLatin1(gumbo_normalized_tagname(e.tag));
        GumboStringPiece name = e.original_tag;
        gumbo_tag_from_original_text(&name);
        if (e.tag_namespace == GUMBO_NAMESPACE_SVG) {
            if (const char* svg = gumbo_normalize_svg_tagname(&name))
                return QString::fromLatin1(svg);
        }
        if (!name.data || !name.length)
            return QString::fromLatin1(gumbo_normalized_tagname(e.tag));
        return QString::fromUtf8(name.data, qsizetype(name.length)).toLower();
    }

    static QString attrName(const GumboAttribute* a)
    {
        const QString name = utf8Text(a->name);
        switch (a->attr_namespace) {
        case GUMBO_ATTR_NAMESPACE_XLINK:
            return QStringLiteral("xlink:") + name;
        case GUMBO_ATTR_NAMESPACE_XML:
            return QStringLiteral("xml:") + name;
        case GUMBO_ATTR_NAMESPACE_XMLNS:
            return name == QLatin1String("xmlns") ? name : QStringLiteral("xmlns:") + name;
        case GUMBO_ATTR_NAMESPACE_NONE:
            break;
        }
        return name;
    }

    void countAttrStyle(const GumboAttribute* a)
    {
        const QString name =
            QString::fromUtf8(a->original_name.data, qsizetype(a->original_name.length));
        if (name != name.toLower())
            ++m_d->styleCounts.upperAttrs;
        else if (name != name.toUpper())
            ++m_d->styleCounts.lowerAttrs;
        const GumboStringPiece& v = a->original_value;
        if (!v.length)
            return;
        if (v.data[0] == '"')
            ++m_d->styleCounts.quotes[0];
        else if (v.data[0] == '\'')
            ++m_d->styleCounts.quotes[1];
        else
            ++m_d->styleCounts.quotes[2];
    }

    void element(const GumboNode* g, PageNode& n, int depth, qsizetype trailFrom)
    {
        const GumboElement& e = g->v.element;
        n.kind = PageNode::Kind::Element;
        n.name = tagName(g);
        for (unsigned i = 0; i < e.attributes.length; ++i) {
            const auto* a = static_cast<const GumboAttribute*>(e.attributes.data[i]);
            n.attrs << attrName(a) << utf8Text(a->value);
            if (m_d)
                countAttrStyle(a);
        }
        // Clones the parser made of formatting elements share their tag's characters with the
        // original: they have none of their own.
        const unsigned made = GUMBO_INSERTION_CONVERTED_FROM_END_TAG |
                              GUMBO_INSERTION_FROM_ISINDEX |
                              GUMBO_INSERTION_RECONSTRUCTED_FORMATTING_ELEMENT |
                              GUMBO_INSERTION_ADOPTION_AGENCY_CLONED | GUMBO_INSERTION_FROM_IMAGE;
        n.irregular = (g->parse_flags & made) != 0;
        n.borrowed = g->parse_flags & (GUMBO_INSERTION_RECONSTRUCTED_FORMATTING_ELEMENT |
                                       GUMBO_INSERTION_ADOPTION_AGENCY_CLONED);
        const Span open = span(e.original_tag);
        const bool converted = g->parse_flags & GUMBO_INSERTION_CONVERTED_FROM_END_TAG;
        if (open.valid() && !(g->parse_flags & (made & ~GUMBO_INSERTION_CONVERTED_FROM_END_TAG)) &&
            isTagOf(source(open), n.name, converted))
            n.open = open;
        const Span close = span(e.original_end_tag);
        if (close.valid() && !converted && isTagOf(source(close), n.name, true))
            n.close = close;
        if (!n.open.valid() && !n.attrs.isEmpty())
            n.irregular = true; // attributes with no tag to hold them
        if (depth > 1500)
            return; // deeper than a browser builds; read as a whole, never spliced
        if (n.name == QLatin1String("body")) {
            trailFrom = n.close.valid() ? n.close.start : trailFrom;
            const GumboNode* html = g->parent;
            if (!n.close.valid() && html && html->type == GUMBO_NODE_ELEMENT) {
                const Span htmlClose = span(html->v.element.original_end_tag);
                if (htmlClose.valid())
                    trailFrom = htmlClose.start;
            }
        } else {
            trailFrom = -1;
        }
        n.children.reserve(e.children.length);
        for (unsigned i = 0; i < e.children.length; ++i) {
            n.children.emplace_back();
            PageNode& k = n.children.back();
            node(static_cast<const GumboNode*>(e.children.data[i]), k, depth + 1);
            k.trailing = trailFrom >= 0 && k.isText() && k.open.start >= trailFrom &&
                         k.data.trimmed().isEmpty();
        }
        if (trailFrom >= 0 && !n.children.empty())
            splitTrailing(n, trailFrom);
    }

    // The parser reads the white space after the body's end tag (and the page's) into the body's
    // last text, across the tags: the part after them is the page's trailing text, apart.
    void splitTrailing(PageNode& body, qsizetype from)
    {
        auto at =
            std::find_if(body.children.begin(), body.children.end(), [from](const PageNode& k) {
                return k.isText() && !k.trailing && k.open.start < from && k.open.end > from;
            });
        if (at == body.children.end())
            return;
        PageNode& last = *at;
        qsizetype chars = 0;
        for (qsizetype i = last.open.start; i < from; ++i, ++chars) {
            const QChar c = m_text[i];
            if (c == u'&' || c == u'<')
                return; // read as a whole
            if (c == u'\r' && i + 1 < from && m_text[i + 1] == u'\n')
                ++i;
        }
        qsizetype after = from;
        while (after < last.open.end && m_text[after] != u'>')
            ++after;
        const QString rest = last.data.mid(chars);
        if (chars > last.data.size() || !rest.trimmed().isEmpty() || after >= last.open.end)
            return;
        PageNode t;
        t.kind = PageNode::Kind::Text;
        t.data = rest;
        t.open = {after + 1, last.open.end};
        t.trailing = true;
        last.data.truncate(chars);
        last.open.end = from;
        body.children.insert(at + 1, std::move(t));
    }

    void node(const GumboNode* g, PageNode& n, int depth)
    {
        switch (g->type) {
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE:
            element(g, n, depth, -1);
            return;
        case GUMBO_NODE_COMMENT:
            n.kind = PageNode::Kind::Comment;
            n.data = utf8Text(g->v.text.text);
            n.open = span(g->v.text.original_text);
            return;
        default:
            n.kind = PageNode::Kind::Text;
            n.data = utf8Text(g->v.text.text);
            n.open = span(g->v.text.original_text);
            // The parser's positions leave out the CR of a CR LF it starts with.
            if (n.open.start > 0 && n.data.startsWith(u'\n') && m_text[n.open.start] == u'\n' &&
                m_text[n.open.start - 1] == u'\r')
                --n.open.start;
            n.irregular = g->type == GUMBO_NODE_CDATA;
            return;
        }
    }

    // The parser keeps a doctype's fields but not its place: it is the first thing in the page but
    // for white space and comments.
    void addDoctype(PageNode& doc, const GumboDocument& g)
    {
        PageNode t;
        t.kind = PageNode::Kind::Doctype;
        t.name = utf8Text(g.name);
        t.attrs = {utf8Text(g.public_identifier), utf8Text(g.system_identifier)};
        const QStringView s(m_text);
        qsizetype i = 0;
        while (i < s.size()) {
            if (s[i].isSpace()) {
                ++i;
            } else if (s.mid(i, 4) == QLatin1String("<!--")) {
                const qsizetype e = s.indexOf(QLatin1String("-->"), i + 4);
                i = e < 0 ? s.size() : e + 3;
            } else {
                break;
            }
        }
        if (s.mid(i, 9).compare(QLatin1String("<!doctype"), Qt::CaseInsensitive) == 0) {
            const qsizetype e = s.indexOf(u'>', i);
            t.open = {i, e < 0 ? s.size() : e + 1};
        }
        auto at = doc.children.begin();
        while (at != doc.children.end() && at->open.valid() && t.open.valid() &&
               at->open.start < t.open.start)
            ++at;
        doc.children.insert(at, std::move(t));
    }

    const QString& m_text;
    QByteArray m_utf8;
    std::vector<qsizetype> m_at;
    PageSource::Data* m_d = nullptr;
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Reading the page: where every node stands, which parts can be spliced, how the page writes.

namespace {

class Analysis {
public:
    explicit Analysis(PageSource::Data& d) : m_d(d) {}

    void run()
    {
        findTrailing(m_d.tree);
        measure(m_d.tree);
        std::sort(m_d.atomStarts.begin(), m_d.atomStarts.end());
        std::sort(m_d.lenders.begin(), m_d.lenders.end());
        findLenders(m_d.tree);
        seal(m_d.tree);
        readStyle(m_d.tree, nullptr, QString(), false);
        finishStyle();
    }

private:
    void findTrailing(const PageNode& n)
    {
        for (const PageNode& k : n.children) {
            if (k.trailing)
                m_d.trailing = &k;
            else if (k.isElement() || k.kind == PageNode::Kind::Document)
                findTrailing(k);
        }
    }

    void atom(PageNode& n, Span s)
    {
        if (!s.valid())
            return;
        ++n.atoms;
        m_d.atomStarts.push_back(s.start);
        if (!n.extent.valid() || s.start < n.extent.start)
            n.extent.start = s.start;
        n.extent.end = std::max(n.extent.end, s.end);
    }

    static bool isFormattingTag(QStringView tag)
    {
        for (const char* t : {"a", "b", "big", "code", "em", "font", "i", "nobr", "s", "small",
                              "strike", "strong", "tt", "u"}) {
            if (tag == QLatin1String(t))
                return true;
        }
        return false;
    }

    // A copy of a formatting element borrows from the nearest unclosed one of its tag before it.
    void findLenders(PageNode& n)
    {
        if (n.borrowed && n.irregular && n.extent.valid()) {
            const auto& l = m_d.lenders;
            auto it = std::lower_bound(l.begin(), l.end(), std::pair(n.extent.start, QString()));
            while (it != l.begin()) {
                --it;
                if (it->second == n.name) {
                    n.lentFrom = it->first;
                    break;
                }
            }
        }
        for (PageNode& k : n.children) {
            if (k.borrowed)
                findLenders(k);
        }
    }

    void measure(PageNode& n)
    {
        if (n.isElement() && n.open.valid() && !n.close.valid() && !n.irregular &&
            isFormattingTag(n.name))
            m_d.lenders.push_back({n.open.start, n.name});
        if (n.isText() && !n.pieces.empty()) {
            for (const Span& p : n.pieces)
                atom(n, p);
        } else {
            atom(n, n.open);
        }
        atom(n, n.close);
        for (PageNode& k : n.children) {
            measure(k);
            n.borrowed = n.borrowed || k.borrowed;
            if (k.trailing || !k.extent.valid()) {
                n.atoms += k.trailing ? 0 : k.atoms;
                continue;
            }
            n.atoms += k.atoms;
            if (!n.extent.valid() || k.extent.start < n.extent.start)
                n.extent.start = k.extent.start;
            n.extent.end = std::max(n.extent.end, k.extent.end);
        }
    }

    void seal(PageNode& n)
    {
        if (n.kind == PageNode::Kind::Document) {
            // The page holds everything: written anew, it is written whole.
            n.extent = {0, m_d.text.size()};
            n.sealed = true;
        } else if (n.extent.valid()) {
            const auto& a = m_d.atomStarts;
            const auto from = std::lower_bound(a.begin(), a.end(), n.extent.start);
            const auto to = std::lower_bound(from, a.end(), n.extent.end);
            int own = n.atoms;
            const PageNode* t = m_d.trailing;
            if (t && (n.is("body") || n.is("html"))) {
                const std::vector<Span> one{t->open};
                for (const Span& p : t->pieces.empty() ? one : t->pieces)
                    own += p.start >= n.extent.start && p.start < n.extent.end;
            }
            n.sealed = to - from == own;
        }
        for (PageNode& k : n.children)
            seal(k);
    }

    void readStyle(const PageNode& n, const PageNode* parent, const QString& parentIndent,
                   bool parentStartsLine)
    {
        QString indent;
        bool startsLine = false;
        if (n.isElement() && n.open.valid() && !n.irregular) {
            countTag(n);
            startsLine = m_d.startsLine(n.open.start);
            if (startsLine) {
                indent = m_d.indentAt(n.open.start);
                if (parentStartsLine && indent.size() > parentIndent.size() &&
                    indent.startsWith(parentIndent))
                    ++m_steps[indent.mid(parentIndent.size())];
            }
            // Cells and options sit in rows and lists of their own making; the page's other
            // blocks show how it lays out blocks.
            if (isBlockTag(n.name) && parent && !n.is("html") && !n.is("head") && !n.is("body") &&
                !n.is("td") && !n.is("th") && !n.is("option"))
                (startsLine ? m_blocksOwn : m_blocksInline)++;
            countLayout(n);
        }
        for (const PageNode& k : n.children) {
            if (k.isElement())
                readStyle(k, &n, startsLine ? indent : parentIndent,
                          startsLine || (parentStartsLine && !n.open.valid()));
        }
    }

    void countTag(const PageNode& n)
    {
        const QStringView tag = m_d.source(n.open).mid(1, n.name.size());
        bool upper = false, lower = false;
        for (QChar c : tag) {
            upper |= c.isUpper();
            lower |= c.isLower();
        }
        if (upper && !lower)
            ++m_upperTags;
        else if (lower && !upper)
            ++m_lowerTags;
        if (isVoidTag(n.name)) {
            const QStringView t = m_d.source(n.open);
            if (t.endsWith(QLatin1String(" />")))
                ++m_voidEnds[2];
            else if (t.endsWith(QLatin1String("/>")))
                ++m_voidEnds[1];
            else
                ++m_voidEnds[0];
        }
    }

    // Whether an element's first block child starts a line of its own.
    void countLayout(const PageNode& n)
    {
        for (const PageNode& k : n.children) {
            if (!k.isElement() || !isBlockTag(k.name) || !k.open.valid())
                continue;
            m_d.style.ownLines[n.name] += m_d.startsLine(k.open.start) ? 1 : -1;
            return;
        }
    }

    void finishStyle()
    {
        PageStyle& s = m_d.style;
        const auto& c = m_d.styleCounts;
        s.upperTags = m_upperTags > m_lowerTags;
        s.upperAttrs = c.upperAttrs > c.lowerAttrs;
        s.quote = c.quotes[1] > c.quotes[0] && c.quotes[1] >= c.quotes[2]  ? u'\''
                  : c.quotes[2] > c.quotes[0] && c.quotes[2] > c.quotes[1] ? char16_t(0)
                                                                           : u'"';
        const int v =
            int(std::max_element(m_voidEnds.begin(), m_voidEnds.end()) - m_voidEnds.begin());
        s.voidEnd = v == 2   ? QStringLiteral(" />")
                    : v == 1 ? QStringLiteral("/>")
                             : QStringLiteral(">");
        const LineEnd end = scanLineEnds(m_d.text).style;
        s.eol = end == LineEnd::Lf   ? QStringLiteral("\n")
                : end == LineEnd::Cr ? QStringLiteral("\r")
                                     : QStringLiteral("\r\n");
        int best = 0;
        for (auto it = m_steps.cbegin(); it != m_steps.cend(); ++it) {
            if (it.value() > best) {
                best = it.value();
                s.indent = it.key();
            }
        }
        s.blocksOnOwnLines = m_blocksOwn > m_blocksInline;
    }

    PageSource::Data& m_d;
    int m_upperTags = 0;
    int m_lowerTags = 0;
    std::array<int, 3> m_voidEnds{};
    QHash<QString, int> m_steps;
    int m_blocksOwn = 0;
    int m_blocksInline = 0;
};

} // namespace

TextContext textContext(const PageNode* parent)
{
    if (!parent || !parent->isElement())
        return TextContext::Data;
    if (isRawTextTag(parent->name))
        return TextContext::Raw;
    if (parent->is("title") || parent->is("textarea"))
        return TextContext::Replaceable;
    return TextContext::Data;
}

bool PageSource::Data::startsLine(qsizetype pos) const
{
    while (pos > 0 && isSpaceOrTab(text[pos - 1]))
        --pos;
    return pos == 0 || text[pos - 1] == u'\n' || text[pos - 1] == u'\r';
}

bool PageSource::Data::endsLine(qsizetype pos) const
{
    while (pos < text.size() && isSpaceOrTab(text[pos]))
        ++pos;
    return pos == text.size() || text[pos] == u'\n' || text[pos] == u'\r';
}

qsizetype PageSource::Data::lineStart(qsizetype pos) const
{
    while (pos > 0 && isSpaceOrTab(text[pos - 1]))
        --pos;
    return pos;
}

qsizetype PageSource::Data::nextLine(qsizetype pos) const
{
    while (pos < text.size() && isSpaceOrTab(text[pos]))
        ++pos;
    if (pos < text.size() && text[pos] == u'\r')
        return pos + 1 < text.size() && text[pos + 1] == u'\n' ? pos + 2 : pos + 1;
    return pos < text.size() && text[pos] == u'\n' ? pos + 1 : pos;
}

QString PageSource::Data::indentAt(qsizetype pos) const
{
    const qsizetype start = lineStart(pos);
    return text.mid(start, pos - start);
}

QString PageSource::Data::eolNear(qsizetype pos) const
{
    const QStringView s(text);
    for (qsizetype i = std::clamp<qsizetype>(pos, 0, s.size()); i < s.size(); ++i) {
        if (s[i] == u'\r')
            return i + 1 < s.size() && s[i + 1] == u'\n' ? QStringLiteral("\r\n")
                                                         : QStringLiteral("\r");
        if (s[i] == u'\n')
            return QStringLiteral("\n");
    }
    return style.eol;
}

QString PageSource::Data::reference(QStringView ref) const
{
    const QString key = ref.toString();
    const auto it = references.constFind(key);
    if (it != references.cend())
        return it.value();
    const QByteArray utf8 = key.toUtf8();
    GumboOutput* out =
        gumbo_parse_with_options(&kGumboDefaultOptions, utf8.constData(), size_t(utf8.size()));
    QString decoded = key;
    // The document's html element holds head and body; the text is the body's.
    const GumboNode* root = out->root;
    for (unsigned i = 0; root && i < root->v.element.children.length; ++i) {
        const auto* body = static_cast<const GumboNode*>(root->v.element.children.data[i]);
        if (body->type == GUMBO_NODE_ELEMENT && body->v.element.tag == GUMBO_TAG_BODY &&
            body->v.element.children.length) {
            const auto* t = static_cast<const GumboNode*>(body->v.element.children.data[0]);
            if (t->type == GUMBO_NODE_TEXT)
                decoded = utf8Text(t->v.text.text);
        }
    }
    gumbo_destroy_output(&kGumboDefaultOptions, out);
    references.insert(key, decoded);
    return decoded;
}

bool PageSource::Data::units(const PageNode& node, TextContext context,
                             std::vector<TextUnit>& out) const
{
    out.clear();
    const QStringView s(text);
    const QStringView expected(node.data);
    qsizetype done = 0;
    const auto take = [&](qsizetype at, qsizetype length, QStringView chars) {
        if (expected.mid(done, chars.size()) != chars)
            return false;
        out.push_back({at, length, chars.size()});
        done += chars.size();
        return true;
    };
    static const QString lf = QStringLiteral("\n");
    const std::vector<Span> one{node.open};
    for (const Span& piece : node.pieces.empty() ? one : node.pieces) {
        for (qsizetype i = piece.start; i < piece.end;) {
            const QChar c = s[i];
            if (c == u'\r') {
                const qsizetype n = i + 1 < piece.end && s[i + 1] == u'\n' ? 2 : 1;
                if (!take(i, n, lf))
                    return false;
                i += n;
            } else if (c == u'&' && context != TextContext::Raw) {
                qsizetype j = i + 1;
                if (j < piece.end && s[j] == u'#') {
                    ++j;
                    if (j < piece.end && (s[j] == u'x' || s[j] == u'X'))
                        ++j;
                }
                while (j < piece.end && isAsciiAlnum(s[j]))
                    ++j;
                if (j < piece.end && s[j] == u';')
                    ++j;
                if (!take(i, j - i,
                          j - i == 1 ? s.mid(i, 1) : QStringView(reference(s.mid(i, j - i)))))
                    return false;
                i = j;
            } else if (c == u'<' && context == TextContext::Data && i + 1 < piece.end &&
                       (isAsciiAlpha(s[i + 1]) || s[i + 1] == u'/' || s[i + 1] == u'!' ||
                        s[i + 1] == u'?')) {
                const qsizetype j = droppedTagEnd(s, i, piece.end);
                out.push_back({i, j - i, 0});
                i = j;
            } else {
                const qsizetype n = c.isHighSurrogate() && i + 1 < piece.end ? 2 : 1;
                if (!take(i, n, s.mid(i, n)))
                    return false;
                i += n;
            }
        }
    }
    return done == expected.size() && !out.empty();
}

PageSource::PageSource(QString text) : d(std::make_unique<Data>())
{
    d->text = std::move(text);
    Builder builder(d->text);
    d->tree = builder.build(d.get());
    finishTree(d->tree);
    Analysis(*d).run();
}

PageSource::~PageSource() = default;

const QString& PageSource::text() const
{
    return d->text;
}

const PageNode& PageSource::tree() const
{
    return d->tree;
}

const PageStyle& PageSource::style() const
{
    return d->style;
}

PageNode parsePageTree(QStringView html)
{
    const QString text = html.toString();
    Builder builder(text);
    PageNode doc = builder.build(nullptr);
    finishTree(doc);
    return doc;
}

} // namespace orvel
