#include "markup/LineEnds.h"
#include "markup/PageSourceData.h"

#include <algorithm>

namespace orvel {

namespace {

// ---------------------------------------------------------------------------------------------
// Pairing children.

using Nodes = std::vector<const PageNode*>;
using Match = std::pair<int, int>;

// Lists this long on both sides are paired by their longest common subsequence; longer ones are
// first cut at subtrees that occur once on each side.
constexpr qsizetype kTableCells = 1 << 20;

// What two nodes must share to be paired: their whole subtree, or their kind and tag.
using Key = quint64 (*)(const PageNode*);

quint64 subtreeKey(const PageNode* n)
{
    return n->hash;
}

quint64 kindKey(const PageNode* n)
{
    return n->isElement() ? qHash(n->name) : quint64(n->kind) + 1;
}

// The longest common subsequence of a[a0, a1) and b[b0, b1) by `key`, appended to `out` as pairs
// of indexes in order.
void longestCommon(const Nodes& a, int a0, int a1, const Nodes& b, int b0, int b1, Key key,
                   std::vector<Match>& out)
{
    const auto equal = [key](const PageNode* x, const PageNode* y) { return key(x) == key(y); };
    std::vector<Match> tail;
    while (a0 < a1 && b0 < b1 && equal(a[size_t(a0)], b[size_t(b0)]))
        out.emplace_back(a0++, b0++);
    while (a0 < a1 && b0 < b1 && equal(a[size_t(a1 - 1)], b[size_t(b1 - 1)]))
        tail.emplace_back(--a1, --b1);
    const qsizetype n = a1 - a0, m = b1 - b0;
    if (n > 0 && m > 0 && n * m <= kTableCells) {
        // lengths[i][j]: the longest common subsequence of a[a0+i..a1) and b[b0+j..b1).
        std::vector<quint16> lengths(size_t((n + 1) * (m + 1)), 0);
        const auto at = [&](qsizetype i, qsizetype j) -> quint16& {
            return lengths[size_t(i * (m + 1) + j)];
        };
        for (qsizetype i = n - 1; i >= 0; --i) {
            for (qsizetype j = m - 1; j >= 0; --j) {
                at(i, j) = equal(a[size_t(a0 + i)], b[size_t(b0 + j)])
                               ? quint16(at(i + 1, j + 1) + 1)
                               : std::max(at(i + 1, j), at(i, j + 1));
            }
        }
        for (qsizetype i = 0, j = 0; i < n && j < m;) {
            if (equal(a[size_t(a0 + i)], b[size_t(b0 + j)])) {
                out.emplace_back(int(a0 + i++), int(b0 + j++));
            } else if (at(i + 1, j) >= at(i, j + 1)) {
                ++i;
            } else {
                ++j;
            }
        }
    } else if (n > 0 && m > 0) {
        // Subtrees found once on each side anchor the pairing (their longest increasing run);
        // the lists between anchors are paired the same way.
        QHash<quint64, std::pair<int, int>> once; // key -> (index in a, count in b)
        QHash<quint64, int> countA;
        for (int i = a0; i < a1; ++i)
            ++countA[key(a[size_t(i)])];
        for (int i = a0; i < a1; ++i) {
            if (countA.value(key(a[size_t(i)])) == 1)
                once.insert(key(a[size_t(i)]), {i, 0});
        }
        QHash<quint64, int> inB;
        for (int j = b0; j < b1; ++j) {
            auto it = once.find(key(b[size_t(j)]));
            if (it != once.end() && ++it->second == 1)
                inB.insert(key(b[size_t(j)]), j);
        }
        std::vector<Match> anchors;
        for (int i = a0; i < a1; ++i) {
            const auto it = once.constFind(key(a[size_t(i)]));
            if (it != once.cend() && it->second == 1)
                anchors.emplace_back(i, inB.value(key(a[size_t(i)])));
        }
        // The longest run of anchors increasing in b (patience sorting).
        std::vector<int> piles, back(anchors.size(), -1);
        for (int k = 0; k < int(anchors.size()); ++k) {
            const auto pos = std::lower_bound(piles.begin(), piles.end(), k, [&](int p, int q) {
                return anchors[size_t(p)].second < anchors[size_t(q)].second;
            });
            if (pos != piles.begin())
                back[size_t(k)] = *(pos - 1);
            if (pos == piles.end())
                piles.push_back(k);
            else
                *pos = k;
        }
        std::vector<Match> run;
        for (int k = piles.empty() ? -1 : piles.back(); k >= 0; k = back[size_t(k)])
            run.push_back(anchors[size_t(k)]);
        std::reverse(run.begin(), run.end());
        int pa = a0, pb = b0;
        for (const Match& m2 : run) {
            longestCommon(a, pa, m2.first, b, pb, m2.second, key, out);
            out.push_back(m2);
            pa = m2.first + 1;
            pb = m2.second + 1;
        }
        if (!run.empty())
            longestCommon(a, pa, a1, b, pb, b1, key, out);
    }
    out.insert(out.end(), tail.rbegin(), tail.rend());
}

// Two blocks of different tags are one block retagged (a paragraph made a heading) when they
// hold some of the same content.
bool retagged(const PageNode* a, const PageNode* b)
{
    if (!a->isElement() || !b->isElement() || !isBlockTag(a->name) || !isBlockTag(b->name))
        return false;
    QSet<quint64> kids;
    for (const PageNode& k : a->children) {
        if (!k.quiet)
            kids.insert(k.hash);
    }
    bool empty = true;
    for (const PageNode& k : b->children) {
        if (k.quiet)
            continue;
        empty = false;
        if (kids.contains(k.hash))
            return true;
    }
    return empty && kids.isEmpty();
}

// Between two equal subtrees: nodes of one kind and tag paired in order, the rest removed and
// added.
void pairGap(const Nodes& a, int a0, int a1, const Nodes& b, int b0, int b1,
             std::vector<AlignStep>& out)
{
    std::vector<Match> pairs;
    longestCommon(a, a0, a1, b, b0, b1, kindKey, pairs);
    pairs.emplace_back(a1, b1);
    int i = a0, j = b0;
    for (const Match& p : pairs) {
        if (p.first - i == 1 && p.second - j == 1 && retagged(a[size_t(i)], b[size_t(j)])) {
            out.push_back({AlignStep::Pair, a[size_t(i)], b[size_t(j)]});
        } else {
            for (; i < p.first; ++i)
                out.push_back({AlignStep::Delete, a[size_t(i)], nullptr});
            for (; j < p.second; ++j)
                out.push_back({AlignStep::Insert, nullptr, b[size_t(j)]});
        }
        i = p.first + 1;
        j = p.second + 1;
        if (p.first < a1)
            out.push_back({AlignStep::Pair, a[size_t(p.first)], b[size_t(p.second)]});
    }
}

} // namespace

std::vector<AlignStep> alignChildren(const Nodes& original, const Nodes& edited)
{
    std::vector<Match> same;
    longestCommon(original, 0, int(original.size()), edited, 0, int(edited.size()), subtreeKey,
                  same);
    same.emplace_back(int(original.size()), int(edited.size()));
    std::vector<AlignStep> steps;
    steps.reserve(std::max(original.size(), edited.size()));
    int i = 0, j = 0;
    for (const Match& m : same) {
        if (m.first > i || m.second > j)
            pairGap(original, i, m.first, edited, j, m.second, steps);
        if (m.first < int(original.size()))
            steps.push_back({AlignStep::Same, original[size_t(m.first)], edited[size_t(m.second)]});
        i = m.first + 1;
        j = m.second + 1;
    }
    return steps;
}

std::vector<const PageNode*> shownChildren(const PageNode& node, const PageNode* trailing)
{
    Nodes out;
    out.reserve(node.children.size());
    for (const PageNode& k : node.children) {
        if (!k.quiet && &k != trailing)
            out.push_back(&k);
    }
    return out;
}

std::vector<const PageNode*> editedChildren(const PageSource::Data& d, const PageNode& original,
                                            const PageNode& edited, std::deque<PageNode>& scratch)
{
    Nodes out;
    out.reserve(edited.children.size());
    for (const PageNode& k : edited.children)
        out.push_back(&k.real());
    const PageNode* t = d.trailing;
    if (!t || !original.is("body") || original.children.empty() || &original.children.back() != t ||
        out.empty() || !out.back()->isText() || !out.back()->data.endsWith(t->data))
        return out;
    const PageNode* last = out.back();
    out.pop_back();
    if (last->data.size() == t->data.size())
        return out;
    PageNode& cut = scratch.emplace_back(*last);
    cut.data.chop(t->data.size());
    const bool quiet = cut.data.trimmed().isEmpty() && last->quiet;
    finishTree(cut);
    cut.quiet = quiet;
    out.push_back(&cut);
    return out;
}

// ---------------------------------------------------------------------------------------------
// The splice.

namespace {

struct Attr {
    QString name; // lower case
    Span whole;   // name to the end of the value
    Span value;   // with its quotes; invalid for a name alone
};

// The attributes of a start tag as the tokenizer reads them; `end` is where the last one (or the
// tag's name) ends.
std::vector<Attr> readAttributes(QStringView s, qsizetype start, qsizetype& end)
{
    std::vector<Attr> out;
    const auto space = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
    };
    const qsizetype n = s.size();
    qsizetype i = 1;
    while (i < n && !space(s[i]) && s[i] != u'/' && s[i] != u'>')
        ++i;
    end = start + i;
    while (i < n) {
        while (i < n && (space(s[i]) || s[i] == u'/'))
            ++i;
        if (i >= n || s[i] == u'>')
            break;
        Attr a;
        const qsizetype nameStart = i++;
        while (i < n && !space(s[i]) && s[i] != u'/' && s[i] != u'>' && s[i] != u'=')
            ++i;
        a.name = s.mid(nameStart, i - nameStart).toString().toLower();
        qsizetype after = i;
        while (after < n && space(s[after]))
            ++after;
        qsizetype valueEnd = i;
        if (after < n && s[after] == u'=') {
            qsizetype v = after + 1;
            while (v < n && space(s[v]))
                ++v;
            qsizetype e = v;
            if (v < n && (s[v] == u'"' || s[v] == u'\'')) {
                const qsizetype close = s.indexOf(s[v], v + 1);
                e = close < 0 ? n : close + 1;
            } else {
                while (e < n && !space(s[e]) && s[e] != u'>')
                    ++e;
            }
            a.value = {start + v, start + e};
            valueEnd = e;
        }
        a.whole = {start + nameStart, start + valueEnd};
        i = valueEnd;
        end = start + valueEnd;
        out.push_back(a);
    }
    return out;
}

class Splicer {
public:
    Splicer(const PageSource::Data& d) : m_d(d), m_w(d) {}

    std::vector<SpliceOp> run(const PageNode& edited)
    {
        if (!node(m_d.tree, edited, nullptr)) {
            m_ops.clear();
            rewrite(m_d.tree, edited, nullptr);
        }
        std::stable_sort(m_ops.begin(), m_ops.end(), [](const SpliceOp& a, const SpliceOp& b) {
            return a.start < b.start || (a.start == b.start && a.end == a.start && b.end > b.start);
        });
        qsizetype at = 0;
        for (const SpliceOp& op : m_ops) {
            if (op.start < at) { // never planned so; the page is written anew rather than spoilt
                m_ops.clear();
                m_reason = QStringLiteral("edits overlapped");
                rewrite(m_d.tree, edited, nullptr);
                break;
            }
            at = op.end;
        }
        return std::move(m_ops);
    }

private:
    bool fail(const char* reason)
    {
        if (m_reason.isEmpty())
            m_reason = QString::fromLatin1(reason);
        return false;
    }

    void op(qsizetype start, qsizetype end, QString text, QString reason = {})
    {
        const auto& l = m_d.lenders;
        for (auto it = std::lower_bound(l.begin(), l.end(), std::pair(start, QString()));
             it != l.end() && it->first < end; ++it)
            m_lost.insert(it->first);
        m_ops.push_back({start, end, std::move(text), std::move(reason)});
    }

    bool node(const PageNode& o, const PageNode& e, const PageNode* parent)
    {
        if (o.hash == e.hash)
            return true;
        switch (o.kind) {
        case PageNode::Kind::Document:
            return children(o, e);
        case PageNode::Kind::Element:
            return element(o, e);
        case PageNode::Kind::Text:
            return text(o, e, parent);
        case PageNode::Kind::Comment:
        case PageNode::Kind::Doctype:
            if (!o.open.valid())
                return fail("a comment or doctype without its place");
            op(o.open.start, o.open.end, m_w.write(e, QString(), parent));
            return true;
        }
        return false;
    }

    bool element(const PageNode& o, const PageNode& e)
    {
        if (o.irregular)
            return fail("an element the parser made");
        const bool retag = o.name != e.name;
        if (retag || o.attrs != e.attrs) {
            if (!o.open.valid())
                return fail("new attributes for an element without a start tag");
            if (retag)
                op(o.open.start, o.open.end, m_w.startTag(e));
            else
                startTag(o, e);
        }
        if (retag && o.close.valid())
            op(o.close.start, o.close.end, m_w.endTag(e));
        if (!children(o, e))
            return false;
        if (retag && !o.close.valid() && !isVoidTag(e.name)) {
            const qsizetype end = contentEnd(o);
            op(end, end, m_w.endTag(e));
        }
        return true;
    }

    // Changes only the attributes that changed, where the others keep their order.
    void startTag(const PageNode& o, const PageNode& e)
    {
        qsizetype end = 0;
        const std::vector<Attr> attrs = readAttributes(m_d.source(o.open), o.open.start, end);
        QHash<QString, int> at; // first occurrence: the parser drops the others
        for (int i = 0; i < int(attrs.size()); ++i) {
            if (!at.contains(attrs[size_t(i)].name))
                at.insert(attrs[size_t(i)].name, i);
        }
        int last = -1;
        bool inOrder = true, added = false;
        for (qsizetype k = 0; k + 1 < e.attrs.size(); k += 2) {
            const int i = at.value(e.attrs[k], -1);
            if (i < 0) {
                added = true;
            } else {
                inOrder = inOrder && !added && i > last;
                last = i;
            }
        }
        if (!inOrder) {
            op(o.open.start, o.open.end, rebuiltTag(o, e, attrs));
            return;
        }
        QHash<QString, QString> wanted;
        for (qsizetype k = 0; k + 1 < e.attrs.size(); k += 2)
            wanted.insert(e.attrs[k], e.attrs[k + 1]);
        qsizetype prevEnd = o.open.start + 1;
        while (prevEnd < o.open.end && !m_d.text[prevEnd].isSpace() && m_d.text[prevEnd] != u'>' &&
               m_d.text[prevEnd] != u'/')
            ++prevEnd;
        for (int i = 0; i < int(attrs.size()); ++i) {
            const Attr& a = attrs[size_t(i)];
            if (at.value(a.name) != i) {
                prevEnd = a.whole.end;
                continue;
            }
            const auto w = wanted.constFind(a.name);
            if (w == wanted.cend()) {
                op(prevEnd, a.whole.end, QString());
            } else if (w.value() != o.attr(a.name)) {
                if (a.value.valid()) {
                    const QChar q = m_d.text[a.value.start];
                    const char16_t quote = q == u'"' || q == u'\'' ? q.unicode() : char16_t(0);
                    op(a.value.start, a.value.end, m_w.attrValue(w.value(), quote));
                } else {
                    op(a.whole.end, a.whole.end, u'=' + m_w.attrValue(w.value(), m_d.style.quote));
                }
            }
            prevEnd = a.whole.end;
        }
        QString more;
        for (qsizetype k = 0; k + 1 < e.attrs.size(); k += 2) {
            if (!at.contains(e.attrs[k]))
                more += u' ' + m_w.attribute(e.attrs[k], e.attrs[k + 1]);
        }
        if (!more.isEmpty())
            op(end, end, more);
    }

    QString rebuiltTag(const PageNode& o, const PageNode& e, const std::vector<Attr>& attrs)
    {
        qsizetype nameEnd = o.open.start + 1;
        while (nameEnd < o.open.end && !m_d.text[nameEnd].isSpace() && m_d.text[nameEnd] != u'>' &&
               m_d.text[nameEnd] != u'/')
            ++nameEnd;
        QString out = m_d.text.mid(o.open.start, nameEnd - o.open.start);
        for (qsizetype k = 0; k + 1 < e.attrs.size(); k += 2) {
            const auto same = std::find_if(attrs.begin(), attrs.end(), [&](const Attr& a) {
                return a.name == e.attrs[k] && o.attr(a.name) == e.attrs[k + 1];
            });
            out += u' ';
            out += same != attrs.end() ? m_d.source(same->whole).toString()
                                       : m_w.attribute(e.attrs[k], e.attrs[k + 1]);
        }
        const QStringView tag = m_d.source(o.open);
        return out +
               (tag.endsWith(QLatin1String("/>")) ? QStringLiteral(" />") : QStringLiteral(">"));
    }

    bool text(const PageNode& o, const PageNode& e, const PageNode* parent)
    {
        return parent ? inlineSplice(*parent, nullptr, {&o}, {&e}, nullptr)
                      : fail("a text outside the document's element");
    }

    // Where character `at` of a text starts in the page, moved back to the start of the unit it
    // falls in (a reference or a line end is replaced whole or not at all).
    static qsizetype sourceFrom(const std::vector<TextUnit>& units, qsizetype& at)
    {
        qsizetype c = 0;
        for (const TextUnit& u : units) {
            if (u.chars > 0 && c + u.chars > at) {
                at = c;
                return u.source;
            }
            c += u.chars;
        }
        return units.back().source + units.back().length;
    }

    // Where the characters of a text from `at` on start, `at` moved forward past the unit it falls
    // in.
    static qsizetype sourceUpTo(const std::vector<TextUnit>& units, qsizetype& at)
    {
        qsizetype c = 0;
        for (const TextUnit& u : units) {
            if (u.chars > 0 && c + u.chars > at) {
                if (c < at) {
                    at = c + u.chars;
                    return u.source + u.length;
                }
                return u.source;
            }
            c += u.chars;
        }
        return units.back().source + units.back().length;
    }

    // Texts and inline elements changed together (a word made bold, a fragment put into a text,
    // formatting removed): the characters the first and last texts keep at their ends stay as
    // they are in the page; what lies between is written anew.
    bool inlineSplice(const PageNode& o, const PageNode* prev, const Nodes& was, const Nodes& now,
                      const PageNode* next)
    {
        Nodes placed;
        for (const PageNode* n : was) {
            if (n->extent.valid())
                placed.push_back(n);
        }
        if (placed.empty() || now.empty())
            return hunk(o, prev, placed, now, next);
        const PageNode* first = placed.front();
        const PageNode* last = placed.back();
        const TextContext context = textContext(&o);
        qsizetype start = first->extent.start, end = last->extent.end;
        qsizetype keepStart = 0, keepEnd = 0;
        QString reason;
        std::vector<TextUnit> units;
        const PageNode* head = now.front();
        const PageNode* tail = now.back();
        if (first->isText() && head->isText()) {
            if (m_d.units(*first, context, units)) {
                const QStringView a(first->data), b(head->data);
                while (keepStart < a.size() && keepStart < b.size() && a[keepStart] == b[keepStart])
                    ++keepStart;
                start = sourceFrom(units, keepStart);
            } else {
                reason = QStringLiteral("a text whose characters do not read back as it");
            }
        }
        if (last->isText() && tail->isText()) {
            if (m_d.units(*last, context, units)) {
                const QStringView a(last->data), b(tail->data);
                qsizetype limit = std::min(a.size(), b.size());
                if (first == last)
                    limit = std::min(limit, a.size() - keepStart);
                if (head == tail)
                    limit = std::min(limit, b.size() - keepStart);
                while (keepEnd < limit && a[a.size() - 1 - keepEnd] == b[b.size() - 1 - keepEnd])
                    ++keepEnd;
                qsizetype at = a.size() - keepEnd;
                end = sourceUpTo(units, at);
                keepEnd = a.size() - at;
                if (first == last && end < start)
                    end = start;
            } else {
                reason = QStringLiteral("a text whose characters do not read back as it");
            }
        }
        if (!onlyThese(start, std::max(start, end), placed, o))
            return fail("an edit around characters of another part");
        const QString eol = m_d.eolNear(start);
        const QString out = withDonors(placed, [&] {
            QString s;
            for (const PageNode* n : now) {
                if (!n->isText()) {
                    s += m_w.write(*n, QString(), &o);
                    continue;
                }
                const qsizetype from = n == head && first->isText() ? keepStart : 0;
                const qsizetype to =
                    n == tail && last->isText() ? n->data.size() - keepEnd : n->data.size();
                s += m_w.text(QStringView(n->data).mid(from, std::max<qsizetype>(0, to - from)),
                              context, eol);
            }
            return s;
        });
        op(start, end, out, reason);
        return true;
    }

    // Whether the characters from `lo` to `hi` hold only the given nodes and the parent's white
    // space that does not show: nothing of a part the parser moved elsewhere.
    bool onlyThese(qsizetype lo, qsizetype hi, const Nodes& nodes, const PageNode& parent) const
    {
        if (lo < 0 || hi < lo)
            return false;
        const auto& a = m_d.atomStarts;
        const qsizetype inRange =
            std::lower_bound(a.begin(), a.end(), hi) - std::lower_bound(a.begin(), a.end(), lo);
        qsizetype own = 0;
        for (const PageNode* n : nodes) {
            if (!n->isText() || n->pieces.empty()) {
                own += n->extent.start >= lo && n->extent.start < hi ? n->atoms : 0;
                continue;
            }
            for (const Span& p : n->pieces)
                own += p.start >= lo && p.start < hi;
        }
        for (const PageNode& k : parent.children) {
            if (k.quiet && k.extent.valid() && k.extent.start >= lo && k.extent.start < hi)
                own += k.atoms;
        }
        if (const PageNode* t = m_d.trailing) {
            const std::vector<Span> one{t->open};
            for (const Span& p : t->pieces.empty() ? one : t->pieces)
                own += p.start >= lo && p.start < hi;
        }
        return inRange == own;
    }

    static const PageNode* firstPlaced(const Nodes& list)
    {
        for (const PageNode* n : list) {
            if (n->extent.valid())
                return n;
        }
        return nullptr;
    }

    qsizetype contentStart(const PageNode& o) const
    {
        if (o.open.valid())
            return o.open.end;
        if (o.kind == PageNode::Kind::Document)
            return 0;
        const PageNode* f = firstPlaced(shownChildren(o, m_d.trailing));
        return f ? f->extent.start : -1;
    }

    qsizetype contentEnd(const PageNode& o) const
    {
        if (o.close.valid())
            return o.close.start;
        if (o.kind == PageNode::Kind::Document)
            return m_d.text.size();
        Nodes kids = shownChildren(o, m_d.trailing);
        std::reverse(kids.begin(), kids.end());
        const PageNode* l = firstPlaced(kids);
        return l ? l->extent.end : (o.open.valid() ? o.open.end : -1);
    }

    // Parts that read the same wherever they stand: no formatting borrowed from before them, and
    // none left open for what follows.
    void donate(const PageNode& n, QHash<quint64, const PageNode*>& into) const
    {
        if (!n.sealed || !n.extent.valid() || n.borrowed)
            return;
        const auto& l = m_d.lenders;
        const auto lender =
            std::lower_bound(l.begin(), l.end(), std::pair(n.extent.start, QString()));
        if (lender != l.end() && lender->first < n.extent.end) {
            for (const PageNode& k : n.children)
                donate(k, into);
            return;
        }
        if (n.isElement() || (n.isText() && !n.data.trimmed().isEmpty()))
            into.insert(n.hash, &n);
        for (const PageNode& k : n.children)
            donate(k, into);
    }

    // Writes through `write` with the given removed parts as donors.
    template <class F> QString withDonors(const Nodes& gone, F&& write)
    {
        QHash<quint64, const PageNode*> donors;
        for (const PageNode* g : gone)
            donate(*g, donors);
        m_w.donors = &donors;
        QString out = write();
        m_w.donors = nullptr;
        return out;
    }

    bool lostLender(const PageNode& n) const
    {
        if (n.lentFrom >= 0 && m_lost.contains(n.lentFrom))
            return true;
        return std::any_of(n.children.begin(), n.children.end(),
                           [this](const PageNode& k) { return k.borrowed && lostLender(k); });
    }

    static const PageNode* placedAfter(const std::vector<AlignStep>& steps, size_t from)
    {
        for (size_t k = from; k < steps.size(); ++k) {
            if (steps[k].original && steps[k].original->extent.valid())
                return steps[k].original;
        }
        return nullptr;
    }

    static bool inlineRun(const Nodes& was, const Nodes& now)
    {
        bool text = false;
        for (const Nodes* list : {&was, &now}) {
            for (const PageNode* n : *list) {
                if (n->isText())
                    text = true;
                else if (n->isElement() && isBlockTag(n->name))
                    return false;
            }
        }
        return text;
    }

    bool children(const PageNode& o, const PageNode& e)
    {
        std::deque<PageNode> scratch;
        Nodes edited;
        for (const PageNode* k : editedChildren(m_d, o, e, scratch)) {
            if (!k->quiet)
                edited.push_back(k);
        }
        const std::vector<AlignStep> steps = alignChildren(shownChildren(o, m_d.trailing), edited);
        const PageNode* prev = nullptr;
        for (size_t i = 0; i < steps.size();) {
            if (steps[i].kind == AlignStep::Same) {
                const PageNode* n = steps[i].original;
                // An unclosed formatting tag before it was removed or written anew, so what it
                // carried over to this part may be gone: the part is written with its own.
                if (n->borrowed && lostLender(*n) && n->sealed)
                    op(n->extent.start, n->extent.end,
                       m_w.rewrite(*n, *steps[i].edited, m_d.indentAt(n->extent.start), &o, false),
                       QStringLiteral("%1 at line %2: formatting carried over from an edited part")
                           .arg(n->isElement() ? n->name : QStringLiteral("text"))
                           .arg(lineColumnAt(m_d.text, n->extent.start).line + 1));
                if (n->extent.valid())
                    prev = n;
                ++i;
                continue;
            }
            size_t j = i;
            Nodes was, now;
            for (; j < steps.size() && steps[j].kind != AlignStep::Same; ++j) {
                if (steps[j].original)
                    was.push_back(steps[j].original);
                if (steps[j].edited)
                    now.push_back(steps[j].edited);
            }
            if (inlineRun(was, now)) {
                if (!inlineSplice(o, prev, was, now, placedAfter(steps, j)))
                    return false;
            } else if (!blocks(o, steps, i, j, prev)) {
                return false;
            }
            for (const PageNode* n : was) {
                if (n->extent.valid())
                    prev = n;
            }
            i = j;
        }
        return true;
    }

    // Changed blocks between two unchanged ones: pairs recurse, the rest is removed and added.
    bool blocks(const PageNode& o, const std::vector<AlignStep>& steps, size_t i, size_t j,
                const PageNode* prev)
    {
        while (i < j) {
            const AlignStep& s = steps[i];
            if (s.kind == AlignStep::Pair) {
                const size_t mark = m_ops.size();
                if (!node(*s.original, *s.edited, &o)) {
                    m_ops.resize(mark);
                    if (!rewrite(*s.original, *s.edited, &o))
                        return false;
                }
                if (s.original->extent.valid())
                    prev = s.original;
                ++i;
                continue;
            }
            Nodes gone, added;
            size_t k = i;
            for (; k < j && steps[k].kind != AlignStep::Pair; ++k) {
                if (steps[k].kind == AlignStep::Delete) {
                    if (steps[k].original->extent.valid())
                        gone.push_back(steps[k].original);
                } else {
                    added.push_back(steps[k].edited);
                }
            }
            if (!hunk(o, prev, gone, added, placedAfter(steps, k)))
                return false;
            if (!gone.empty())
                prev = gone.back();
            i = k;
        }
        return true;
    }

    static bool blockLayout(const Nodes& added)
    {
        bool block = false;
        for (const PageNode* n : added) {
            if (n->isElement() && isBlockTag(n->name))
                block = true;
            else if (n->isElement() || (n->isText() && !n->data.trimmed().isEmpty()))
                return false;
        }
        return block;
    }

    QString joined(const Nodes& added, const QString& indent, const PageNode& parent,
                   const QString& before, const QString& between, const QString& after) const
    {
        QString out;
        bool firstOne = true;
        const bool lines = !before.isEmpty() || !between.isEmpty();
        for (const PageNode* n : added) {
            if (lines && n->isText() && n->data.trimmed().isEmpty())
                continue;
            out += (firstOne ? before : between) + m_w.write(*n, indent, &parent);
            firstOne = false;
        }
        return out + after;
    }

    QString siblingIndent(const PageNode& o, const PageNode* prev, const PageNode* next,
                          qsizetype hi) const
    {
        if (next && m_d.startsLine(next->extent.start))
            return m_d.indentAt(next->extent.start);
        if (prev && m_d.startsLine(prev->extent.start))
            return m_d.indentAt(prev->extent.start);
        if (o.open.valid() && m_d.startsLine(o.open.start))
            return m_d.indentAt(o.open.start) + m_d.style.indent;
        return m_d.indentAt(hi) + m_d.style.indent;
    }

    bool hunk(const PageNode& o, const PageNode* prev, const Nodes& gone, const Nodes& added,
              const PageNode* next)
    {
        if (gone.empty() && added.empty())
            return true;
        const qsizetype lo = prev ? prev->extent.end : contentStart(o);
        const qsizetype hi = next ? next->extent.start : contentEnd(o);
        if (!onlyThese(lo, hi, gone, o))
            return fail("parts out of their order in the text");
        const bool blockwise = blockLayout(added) && !o.pre;
        if (!gone.empty()) {
            qsizetype s = gone.front()->extent.start, t = gone.back()->extent.end;
            if (added.empty()) {
                // A part that had lines of its own takes them with it.
                if (m_d.startsLine(s) && m_d.endsLine(t)) {
                    const qsizetype s2 = m_d.lineStart(s), t2 = m_d.nextLine(t);
                    if ((lo < 0 || s2 >= lo) && (hi < 0 || t2 <= hi)) {
                        s = s2;
                        t = t2;
                    }
                }
                op(s, t, QString());
                return true;
            }
            const bool lines = blockwise && m_d.startsLine(s);
            const QString indent = lines ? m_d.indentAt(s) : QString();
            const QString between = lines ? m_d.eolNear(s) + indent : QString();
            op(s, t, withDonors(gone, [&] {
                   return joined(added, indent, o, QString(), between, QString());
               }));
            return true;
        }
        if (blockwise) {
            const QString indent = siblingIndent(o, prev, next, hi);
            // New blocks go on lines of their own: before the line of what follows them, or after
            // the line of what precedes them.
            if (m_d.startsLine(hi) && m_d.lineStart(hi) >= (prev ? lo : 0)) {
                const qsizetype at = m_d.lineStart(hi);
                const QString eol = m_d.eolNear(at);
                op(at, at, joined(added, indent, o, indent, eol + indent, eol));
                return true;
            }
            if (lo > 0 && m_d.endsLine(lo)) {
                const QString eol = m_d.eolNear(lo);
                op(lo, lo, joined(added, indent, o, eol + indent, eol + indent, QString()));
                return true;
            }
        }
        const qsizetype at = prev ? lo : hi;
        op(at, at, joined(added, m_d.indentAt(at), o, QString(), QString(), QString()));
        return true;
    }

    bool rewrite(const PageNode& o, const PageNode& e, const PageNode* parent)
    {
        if (!o.sealed || !o.extent.valid())
            return false;
        const qsizetype at = o.extent.start;
        const QString indent = m_d.startsLine(at) ? m_d.indentAt(at) : QString();
        const QString where = o.isElement()                        ? o.name
                              : o.kind == PageNode::Kind::Document ? QStringLiteral("page")
                                                                   : QStringLiteral("text");
        const qsizetype line = lineColumnAt(m_d.text, at).line + 1;
        const QString reason = QStringLiteral("%1 at line %2: %3")
                                   .arg(where)
                                   .arg(line)
                                   .arg(m_reason.isEmpty() ? QStringLiteral("changed") : m_reason);
        m_reason.clear();
        op(o.extent.start, o.extent.end, m_w.rewrite(o, e, indent, parent), reason);
        return true;
    }

    const PageSource::Data& m_d;
    mutable PageWriter m_w;
    std::vector<SpliceOp> m_ops;
    QString m_reason;
    QSet<qsizetype> m_lost; // unclosed formatting tags removed or written anew so far
};

} // namespace

std::vector<SpliceOp> spliceOps(const PageSource::Data& d, const PageNode& edited)
{
    return Splicer(d).run(edited);
}

void PageSource::setLoaded(const PageNode& loaded)
{
    const std::vector<SpliceOp> ops = spliceOps(*d, loaded);
    d->loadedOps = QSet<SpliceOp>(ops.begin(), ops.end());
}

SpliceResult PageSource::splice(const PageNode& edited) const
{
    SpliceResult r;
    const std::vector<SpliceOp> ops = spliceOps(*d, edited);
    qsizetype size = d->text.size();
    for (const SpliceOp& op : ops)
        size += op.text.size() - (op.end - op.start);
    r.text.reserve(size);
    qsizetype at = 0;
    for (const SpliceOp& op : ops) {
        if (d->loadedOps.contains(op)) {
            ++r.stats.kept;
            continue;
        }
        r.text += QStringView(d->text).mid(at, op.start - at);
        r.text += op.text;
        at = op.end;
        ++r.stats.edits;
        if (!op.reason.isEmpty()) {
            ++r.stats.fallbacks;
            r.stats.reasons << op.reason;
        }
    }
    r.text += QStringView(d->text).mid(at);
    return r;
}

} // namespace orvel
