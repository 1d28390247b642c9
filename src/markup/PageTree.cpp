#include "markup/PageTree.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace orvel {

namespace {

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\n' || c == u'\t' || c == u'\r' || c == u'\f';
}

bool isAllSpace(QStringView s)
{
    return std::all_of(s.begin(), s.end(), isSpace);
}

bool oneOf(QStringView tag, std::initializer_list<const char*> tags)
{
    return std::any_of(tags.begin(), tags.end(),
                       [tag](const char* t) { return tag == QLatin1String(t); });
}

// Parents whose white-space texts never show: the browser lays out only their elements.
bool isStructureTag(QStringView tag)
{
    return oneOf(tag, {"html", "head", "table", "thead", "tbody", "tfoot", "tr", "colgroup", "ul",
                       "ol", "dl", "select", "optgroup", "frameset", "menu", "datalist"});
}

bool isPreTag(QStringView tag)
{
    return oneOf(tag, {"pre", "textarea", "listing", "xmp", "plaintext"});
}

quint64 mix(quint64 h, quint64 v)
{
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h * 0xFF51AFD7ED558CCDull;
}

quint64 hashOf(QStringView s, quint64 seed)
{
    return mix(seed, qHash(s, size_t(seed)) ^ (quint64(s.size()) << 32));
}

// White space and comments between two blocks are as quiet as the blocks: they show no more than
// if they were not there. The page's trailing white space is not there for the browser either.
const PageNode* neighbour(const std::vector<PageNode>& kids, size_t i, int step)
{
    for (qsizetype j = qsizetype(i) + step; j >= 0 && j < qsizetype(kids.size()); j += step) {
        const PageNode& k = kids[size_t(j)];
        if (k.kind != PageNode::Kind::Comment && !k.trailing && !(k.isText() && isAllSpace(k.data)))
            return &k;
    }
    return nullptr;
}

void joinTexts(PageNode& n)
{
    std::vector<PageNode>& kids = n.children;
    size_t out = 0;
    for (size_t i = 0; i < kids.size(); ++i) {
        PageNode& k = kids[i];
        if (k.isText() && k.data.isEmpty() && k.open.size() <= 0)
            continue;
        if (k.isText() && out > 0 && kids[out - 1].isText() &&
            kids[out - 1].trailing == k.trailing) {
            PageNode& into = kids[out - 1];
            if (into.open.valid() && k.open.valid()) {
                if (into.pieces.empty())
                    into.pieces.push_back(into.open);
                if (k.pieces.empty())
                    into.pieces.push_back(k.open);
                else
                    into.pieces.insert(into.pieces.end(), k.pieces.begin(), k.pieces.end());
                into.open.end = std::max(into.open.end, k.open.end);
                into.open.start = std::min(into.open.start, k.open.start);
            }
            into.data += k.data;
            continue;
        }
        if (out != i)
            kids[out] = std::move(k);
        ++out;
    }
    kids.resize(out);
}

void finish(PageNode& n, bool pre, int depth)
{
    if (n.same)
        return; // an unchanged part, finished where it was read
    n.pre = pre;
    if (n.kind == PageNode::Kind::Text) {
        n.hash = hashOf(n.data, 1);
        return;
    }
    if (n.kind == PageNode::Kind::Comment) {
        n.hash = hashOf(n.data, 2);
        return;
    }
    quint64 h = hashOf(n.name, n.kind == PageNode::Kind::Doctype ? 3 : 4);
    for (const QString& a : n.attrs)
        h = hashOf(a, h);
    if (depth > 2000) { // deeper than any browser builds: compared as a whole by its text
        n.hash = mix(h, quint64(n.children.size()));
        return;
    }
    joinTexts(n);
    const bool inPre = pre || (n.isElement() && isPreTag(n.name));
    const bool structure = n.isElement() && isStructureTag(n.name);
    const bool blockParent = n.kind == PageNode::Kind::Document || isBlockTag(n.name);
    for (size_t i = 0; i < n.children.size(); ++i) {
        PageNode& k = n.children[i];
        finish(k, inPre, depth + 1);
        if (!k.isText() || inPre || !isAllSpace(k.data))
            continue;
        const auto blockish = [&](const PageNode* s) {
            return s ? s->isElement() && isBlockTag(s->name) : blockParent;
        };
        k.quiet = structure ||
                  (blockish(neighbour(n.children, i, -1)) && blockish(neighbour(n.children, i, 1)));
    }
    for (const PageNode& k : n.children) {
        if (!k.quiet)
            h = mix(h, k.hash);
    }
    n.hash = h;
}

// The compact JSON the editing control writes.
class JsonReader {
public:
    JsonReader(QStringView json, const MarkedTree* marked) : JsonReader(json) { m_marked = marked; }
    explicit JsonReader(QStringView json)
        : m_p(reinterpret_cast<const char16_t*>(json.utf16())), m_end(m_p + json.size())
    {}

    bool document(PageNode& doc)
    {
        doc = PageNode();
        doc.kind = PageNode::Kind::Document;
        return list(doc.children, 0) && (space(), m_p == m_end);
    }

private:
    void space()
    {
        while (m_p < m_end && (*m_p == u' ' || *m_p == u'\n' || *m_p == u'\r' || *m_p == u'\t'))
            ++m_p;
    }
    bool take(char16_t c)
    {
        space();
        if (m_p < m_end && *m_p == c) {
            ++m_p;
            return true;
        }
        return false;
    }
    bool peek(char16_t c)
    {
        space();
        return m_p < m_end && *m_p == c;
    }
    static int hex(char16_t c)
    {
        if (c >= u'0' && c <= u'9')
            return c - u'0';
        if (c >= u'a' && c <= u'f')
            return c - u'a' + 10;
        if (c >= u'A' && c <= u'F')
            return c - u'A' + 10;
        return -1;
    }
    bool string(QString& out)
    {
        if (!take(u'"'))
            return false;
        const char16_t* run = m_p;
        while (m_p < m_end && *m_p != u'"' && *m_p != u'\\')
            ++m_p;
        out = QString(reinterpret_cast<const QChar*>(run), m_p - run);
        while (m_p < m_end && *m_p != u'"') {
            if (*m_p != u'\\') {
                out += QChar(*m_p++);
                continue;
            }
            if (++m_p == m_end)
                return false;
            const char16_t c = *m_p++;
            switch (c) {
            case u'n':
                out += u'\n';
                break;
            case u'r':
                out += u'\r';
                break;
            case u't':
                out += u'\t';
                break;
            case u'b':
                out += u'\b';
                break;
            case u'f':
                out += u'\f';
                break;
            case u'u': {
                if (m_end - m_p < 4)
                    return false;
                int v = 0;
                for (int i = 0; i < 4; ++i) {
                    const int d = hex(*m_p++);
                    if (d < 0)
                        return false;
                    v = v * 16 + d;
                }
                out += QChar(char16_t(v));
                break;
            }
            default:
                out += QChar(c);
            }
        }
        return take(u'"');
    }
    bool number(int& v)
    {
        space();
        v = 0;
        const char16_t* start = m_p;
        while (m_p < m_end && *m_p >= u'0' && *m_p <= u'9' && m_p - start < 9)
            v = v * 10 + (*m_p++ - u'0');
        return m_p > start;
    }
    bool strings(QStringList& out)
    {
        if (!take(u'['))
            return false;
        if (take(u']'))
            return true;
        do {
            QString s;
            if (!string(s))
                return false;
            out.append(s);
        } while (take(u','));
        return take(u']');
    }
    bool list(std::vector<PageNode>& out, int depth)
    {
        if (!take(u'['))
            return false;
        if (take(u']'))
            return true;
        do {
            if (!item(out, depth))
                return false;
        } while (take(u','));
        return take(u']');
    }
    // A node, or a run of unchanged siblings.
    bool item(std::vector<PageNode>& out, int depth)
    {
        const char16_t* at = m_p;
        int place = 0, count = 0;
        if (take(u'[') && number(place) && place == 0 && !peek(u'"')) {
            if (!take(u',') || !number(place) || !take(u',') || !number(count) || !take(u']'))
                return false;
            return run(out, place, count);
        }
        m_p = at;
        out.emplace_back();
        return node(out.back(), depth);
    }
    bool run(std::vector<PageNode>& out, int place, int count)
    {
        if (!m_marked || place < 0 || size_t(place) >= m_marked->elements.size() || count < 1)
            return false;
        const std::vector<PageNode>& kids = m_marked->parents[size_t(place)]->children;
        int seen = 0;
        for (size_t i = m_marked->indexes[size_t(place)]; i < kids.size() && seen < count; ++i) {
            const PageNode& k = kids[i];
            if (!k.isElement()) {
                out.push_back(k);
                continue;
            }
            ++seen;
            PageNode& n = out.emplace_back();
            n.kind = PageNode::Kind::Element;
            n.name = k.name;
            n.hash = k.hash;
            n.pre = k.pre;
            n.same = &k;
        }
        return seen == count;
    }
    bool node(PageNode& n, int depth)
    {
        if (depth > 4000)
            return false;
        if (peek(u'"')) {
            n.kind = PageNode::Kind::Text;
            return string(n.data);
        }
        if (!take(u'['))
            return false;
        if (peek(u'"')) {
            n.kind = PageNode::Kind::Element;
            return string(n.name) && take(u',') && strings(n.attrs) && take(u',') &&
                   list(n.children, depth + 1) && take(u']');
        }
        int type = 0;
        if (!number(type) || !take(u','))
            return false;
        if (type == 8) {
            n.kind = PageNode::Kind::Comment;
            return string(n.data) && take(u']');
        }
        if (type == 10) {
            n.kind = PageNode::Kind::Doctype;
            QString pub, sys;
            if (!string(n.name) || !take(u',') || !string(pub) || !take(u',') || !string(sys))
                return false;
            n.attrs = {pub, sys};
            return take(u']');
        }
        return false;
    }

    const char16_t* m_p;
    const char16_t* m_end;
    const MarkedTree* m_marked = nullptr;
};

void collectElements(const PageNode& n, MarkedTree& out)
{
    for (size_t i = 0; i < n.children.size(); ++i) {
        const PageNode& k = n.children[i];
        if (k.isElement()) {
            out.elements.push_back(&k);
            out.parents.push_back(&n);
            out.indexes.push_back(i);
            collectElements(k, out);
        }
    }
}

} // namespace

QString PageNode::attr(const QString& attrName) const
{
    for (qsizetype i = 0; i + 1 < attrs.size(); i += 2) {
        if (attrs[i] == attrName)
            return attrs[i + 1];
    }
    return {};
}

bool isBlockTag(QStringView tag)
{
    // Sorted, for the binary search.
    static constexpr std::array<QLatin1StringView, 62> tags = {
        QLatin1StringView("address"),    QLatin1StringView("article"),
        QLatin1StringView("aside"),      QLatin1StringView("base"),
        QLatin1StringView("blockquote"), QLatin1StringView("body"),
        QLatin1StringView("caption"),    QLatin1StringView("center"),
        QLatin1StringView("col"),        QLatin1StringView("colgroup"),
        QLatin1StringView("dd"),         QLatin1StringView("details"),
        QLatin1StringView("dialog"),     QLatin1StringView("dir"),
        QLatin1StringView("div"),        QLatin1StringView("dl"),
        QLatin1StringView("dt"),         QLatin1StringView("fieldset"),
        QLatin1StringView("figcaption"), QLatin1StringView("figure"),
        QLatin1StringView("footer"),     QLatin1StringView("form"),
        QLatin1StringView("frame"),      QLatin1StringView("frameset"),
        QLatin1StringView("h1"),         QLatin1StringView("h2"),
        QLatin1StringView("h3"),         QLatin1StringView("h4"),
        QLatin1StringView("h5"),         QLatin1StringView("h6"),
        QLatin1StringView("head"),       QLatin1StringView("header"),
        QLatin1StringView("hgroup"),     QLatin1StringView("hr"),
        QLatin1StringView("html"),       QLatin1StringView("legend"),
        QLatin1StringView("li"),         QLatin1StringView("link"),
        QLatin1StringView("listing"),    QLatin1StringView("main"),
        QLatin1StringView("menu"),       QLatin1StringView("meta"),
        QLatin1StringView("nav"),        QLatin1StringView("noframes"),
        QLatin1StringView("ol"),         QLatin1StringView("optgroup"),
        QLatin1StringView("option"),     QLatin1StringView("p"),
        QLatin1StringView("plaintext"),  QLatin1StringView("pre"),
        QLatin1StringView("section"),    QLatin1StringView("summary"),
        QLatin1StringView("table"),      QLatin1StringView("tbody"),
        QLatin1StringView("td"),         QLatin1StringView("tfoot"),
        QLatin1StringView("th"),         QLatin1StringView("thead"),
        QLatin1StringView("title"),      QLatin1StringView("tr"),
        QLatin1StringView("ul"),         QLatin1StringView("xmp")};
    const auto it =
        std::lower_bound(tags.begin(), tags.end(), tag,
                         [](QLatin1StringView t, QStringView v) { return v.compare(t) > 0; });
    return it != tags.end() && tag == *it;
}

bool isVoidTag(QStringView tag)
{
    return oneOf(tag,
                 {"area", "base", "basefont", "bgsound", "br", "col", "embed", "frame", "hr", "img",
                  "input", "keygen", "link", "meta", "param", "source", "track", "wbr"});
}

bool isRawTextTag(QStringView tag)
{
    return oneOf(tag, {"script", "style", "xmp", "iframe", "noembed", "noframes", "plaintext"});
}

bool readPageTree(QStringView json, PageNode& document, const MarkedTree* marked)
{
    JsonReader reader(json, marked);
    if (!reader.document(document))
        return false;
    finishTree(document);
    return true;
}

MarkedTree markElements(const PageNode& document)
{
    MarkedTree out;
    collectElements(document, out);
    return out;
}

PageNode materialized(const PageNode& tree)
{
    if (tree.same)
        return materialized(*tree.same);
    PageNode out = tree;
    for (PageNode& k : out.children) {
        if (k.same || !k.children.empty())
            k = materialized(k);
    }
    return out;
}

void finishTree(PageNode& document)
{
    finish(document, false, 0);
}

} // namespace orvel
