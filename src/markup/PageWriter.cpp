#include "markup/PageSourceData.h"

#include <deque>

namespace orvel {

namespace {

bool isForeignRoot(const PageNode& n)
{
    return n.is("svg") || n.is("math");
}

bool isAllLowerAscii(QStringView s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-';
    });
}

bool isOptionalEndTag(QStringView tag)
{
    for (const char* t : {"p", "li", "dt", "dd", "tr", "td", "th", "option", "optgroup", "thead",
                          "tbody", "tfoot", "colgroup", "caption"}) {
        if (tag == QLatin1String(t))
            return true;
    }
    return false;
}

bool unquotable(QStringView v)
{
    if (v.isEmpty())
        return false;
    return std::none_of(v.begin(), v.end(), [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'"' ||
               c == u'\'' || c == u'=' || c == u'<' || c == u'>' || c == u'`';
    });
}

} // namespace

QString PageWriter::tagName(const PageNode& element) const
{
    return m_d.style.upperTags && isAllLowerAscii(element.name) ? element.name.toUpper()
                                                                : element.name;
}

QString PageWriter::attrValue(const QString& value, char16_t quote) const
{
    QString out;
    out.reserve(value.size() + 2);
    if (quote == 0 && !unquotable(value))
        quote = u'"';
    if (quote)
        out += QChar(quote);
    for (QChar c : value) {
        if (c == u'&')
            out += QLatin1String("&amp;");
        else if (c == QChar(0xA0))
            out += QLatin1String("&nbsp;");
        else if (c == u'"' && quote == u'"')
            out += QLatin1String("&quot;");
        else if (c == u'\'' && quote == u'\'')
            out += QLatin1String("&#39;");
        else
            out += c;
    }
    if (quote)
        out += QChar(quote);
    return out;
}

QString PageWriter::attribute(const QString& name, const QString& value) const
{
    const QString n = m_d.style.upperAttrs && isAllLowerAscii(name) ? name.toUpper() : name;
    // An attribute without a value is written as the page's own hand would: its name alone.
    if (value.isEmpty())
        return n;
    return n + u'=' + attrValue(value, m_d.style.quote);
}

QString PageWriter::startTag(const PageNode& element) const
{
    QString out = u'<' + tagName(element);
    for (qsizetype i = 0; i + 1 < element.attrs.size(); i += 2)
        out += u' ' + attribute(element.attrs[i], element.attrs[i + 1]);
    return out + (isVoidTag(element.name) ? m_d.style.voidEnd : QStringLiteral(">"));
}

QString PageWriter::endTag(const PageNode& element) const
{
    return QStringLiteral("</") + tagName(element) + u'>';
}

QString PageWriter::text(QStringView data, TextContext context, const QString& eol) const
{
    QString out;
    out.reserve(data.size() + 8);
    for (qsizetype i = 0; i < data.size(); ++i) {
        const QChar c = data[i];
        if (c == u'\n') {
            out += eol;
        } else if (context == TextContext::Raw) {
            out += c;
        } else if (c == u'&') {
            out += QLatin1String("&amp;");
        } else if (c == u'<') {
            out += QLatin1String("&lt;");
        } else if (c == u'>') {
            out += QLatin1String("&gt;");
        } else if (c == QChar(0xA0)) {
            out += QLatin1String("&nbsp;");
        } else if (c == u'\r') {
            out += QLatin1String("&#13;"); // a bare CR would be read back as a line end
        } else {
            out += c;
        }
    }
    return out;
}

bool PageWriter::ownLines(const PageNode& element) const
{
    const int vote = m_d.style.ownLines.value(element.name);
    return vote > 0 || (vote == 0 && m_d.style.blocksOnOwnLines);
}

namespace {

class Writer {
public:
    Writer(const PageSource::Data& d, const PageWriter& w) : m_d(d), m_w(w) {}

    QString node(const PageNode& n, const QString& indent, const PageNode* parent,
                 bool foreign) const
    {
        if (m_w.donors && (n.isElement() || (n.isText() && !n.quiet))) {
            const auto it = m_w.donors->constFind(n.hash);
            if (it != m_w.donors->cend() && it.value()->kind == n.kind)
                return m_d.source(it.value()->extent).toString();
        }
        switch (n.kind) {
        case PageNode::Kind::Text:
            return m_w.text(n.data, textContext(parent), m_d.style.eol);
        case PageNode::Kind::Comment:
            return QStringLiteral("<!--") + n.data + QStringLiteral("-->");
        case PageNode::Kind::Doctype:
            return doctype(n);
        case PageNode::Kind::Document: {
            QStringList parts;
            for (const PageNode& k : n.children)
                parts << node(k.real(), indent, &n, false);
            return parts.join(m_d.style.eol);
        }
        case PageNode::Kind::Element:
            break;
        }
        foreign = foreign || isForeignRoot(n);
        QString out = foreign ? foreignStart(n) : m_w.startTag(n);
        if (!foreign && isVoidTag(n.name))
            return out;
        const bool layout =
            !foreign && !n.pre && !isRawTextTag(n.name) && hasBlockChild(n) && m_w.ownLines(n);
        const QString inner = indent + m_d.style.indent;
        for (const PageNode& c : n.children) {
            const PageNode& k = c.real();
            if (layout && k.isText() && k.data.trimmed().isEmpty())
                continue;
            if (layout)
                out += m_d.style.eol + inner;
            out += node(k, layout ? inner : indent, &n, foreign);
        }
        if (layout)
            out += m_d.style.eol + indent;
        return out + (foreign ? QStringLiteral("</") + n.name + u'>' : m_w.endTag(n));
    }

private:
    static bool hasBlockChild(const PageNode& n)
    {
        return std::any_of(n.children.begin(), n.children.end(),
                           [](const PageNode& k) { return k.isElement() && isBlockTag(k.name); });
    }

    QString foreignStart(const PageNode& n) const
    {
        QString out = u'<' + n.name;
        for (qsizetype i = 0; i + 1 < n.attrs.size(); i += 2)
            out += u' ' + n.attrs[i] + u'=' + m_w.attrValue(n.attrs[i + 1], u'"');
        return out + u'>';
    }

    static QString doctype(const PageNode& n)
    {
        QString out = QStringLiteral("<!DOCTYPE ") + n.name;
        const QString pub = n.attrs.value(0), sys = n.attrs.value(1);
        if (!pub.isEmpty())
            out += QStringLiteral(" PUBLIC \"") + pub + u'"';
        if (!sys.isEmpty())
            out +=
                (pub.isEmpty() ? QStringLiteral(" SYSTEM \"") : QStringLiteral(" \"")) + sys + u'"';
        return out + u'>';
    }

    const PageSource::Data& m_d;
    const PageWriter& m_w;
};

} // namespace

QString PageWriter::write(const PageNode& node, const QString& indent, const PageNode* parent) const
{
    bool foreign = false;
    return Writer(m_d, *this).node(node, indent, parent, foreign);
}

QString PageWriter::rewrite(const PageNode& original, const PageNode& edited, const QString& indent,
                            const PageNode* parent, bool copyBorrowed) const
{
    if (original.hash == edited.hash && original.sealed && original.extent.valid() &&
        (copyBorrowed || !original.borrowed))
        return m_d.source(original.extent).toString();
    const bool element = original.isElement() && edited.isElement();
    const bool sameKind = original.kind == edited.kind;
    if (!sameKind || (element && original.name != edited.name) || original.irregular ||
        edited.kind == PageNode::Kind::Text || edited.kind == PageNode::Kind::Comment ||
        edited.kind == PageNode::Kind::Doctype)
        return write(edited, indent, parent);
    const bool document = edited.kind == PageNode::Kind::Document;
    QString out;
    // Elements the parser made without tags (html, head, body, tbody) stay without them.
    const bool implied = element && !original.open.valid() && edited.attrs.isEmpty();
    if (element && !implied) {
        out = original.open.valid() && original.attrs == edited.attrs
                  ? m_d.source(original.open).toString()
                  : startTag(edited);
        if (isVoidTag(edited.name))
            return out;
    }
    std::deque<PageNode> scratch;
    const std::vector<const PageNode*> all = editedChildren(m_d, original, edited, scratch);
    std::vector<const PageNode*> shown;
    for (const PageNode* k : all) {
        if (!k->quiet)
            shown.push_back(k);
    }
    const std::vector<AlignStep> steps =
        alignChildren(shownChildren(original, m_d.trailing), shown);
    size_t at = 0;
    const QString inner = element && ownLines(edited) ? indent + m_d.style.indent : indent;
    QStringList parts;
    for (const PageNode* k : all) {
        if (k->quiet) {
            parts << text(k->data, TextContext::Data, m_d.style.eol);
            continue;
        }
        while (at < steps.size() && steps[at].edited != k)
            ++at;
        const AlignStep* step = at < steps.size() ? &steps[at] : nullptr;
        if (step && step->original)
            parts << rewrite(*step->original, *k, inner, &edited, copyBorrowed);
        else
            parts << write(*k, inner, &edited);
    }
    out += parts.join(document ? m_d.style.eol : QString());
    if (element && !implied) {
        // An end tag the page left out stays out where the tag allows it.
        if (original.close.valid() && original.name == edited.name)
            out += m_d.source(original.close);
        else if (original.close.valid() || original.name != edited.name ||
                 !isOptionalEndTag(edited.name))
            out += endTag(edited);
    }
    return out;
}

} // namespace orvel
