#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace orvel {

// A range of a page's text, in UTF-16 code units; `start` < 0 where there is none.
struct Span {
    qsizetype start = -1;
    qsizetype end = -1;
    bool valid() const { return start >= 0; }
    qsizetype size() const { return end - start; }
};

// A page's document tree as a browser builds it: the web view's document as edited, or a page's
// text parsed by the same rules. A node read from a page's text also knows where it stands there.
struct PageNode {
    enum class Kind : quint8 { Document, Element, Text, Comment, Doctype };
    Kind kind = Kind::Text;
    QString name;      // an element's tag (lower case for HTML), a doctype's name
    QStringList attrs; // name, value, name, value, ... in order; a doctype's public and system ids
    QString data;      // a text's or a comment's characters
    std::vector<PageNode> children;
    // A part of the edited tree unchanged since the control marked the document: that tree's
    // element, which stands for this one (see readPageTree, real()).
    const PageNode* same = nullptr;

    // Set by finishTree.
    quint64 hash = 0;   // of the subtree, white space that does not show left out
    bool quiet = false; // white space only, where a browser shows none (between blocks)
    bool pre = false;   // inside pre, textarea, listing, xmp or plaintext: every character shows

    // Where the node was read from; invalid for the web view's nodes.
    Span open;                // an element's start tag; a text's, comment's or doctype's characters
    Span close;               // an element's end tag
    std::vector<Span> pieces; // a text's runs when it was merged from several (else `open` alone)
    Span extent;              // the characters of the whole subtree
    int atoms = 0;            // tags and runs in the subtree, each one range of the text
    bool sealed = false;      // `extent` holds nothing of a node outside the subtree
    bool irregular = false;   // made by the parser rather than read from a tag of its own
    bool trailing = false;    // white space after the body's or the page's end tag
    // The subtree holds formatting the parser carried over from an earlier element (an unclosed
    // <font> around several paragraphs): its characters mean it only after what precedes them.
    bool borrowed = false;
    qsizetype lentFrom = -1; // for a copy the parser made of such formatting: the original's tag

    const PageNode& real() const { return same ? *same : *this; }
    bool isElement() const { return kind == Kind::Element; }
    bool isText() const { return kind == Kind::Text; }
    bool is(const char* tag) const { return kind == Kind::Element && name == QLatin1String(tag); }
    QString attr(const QString& attrName) const;
};

// The elements of a tree in document order, as the editing control counts them, with the parent
// and place among its children of each.
struct MarkedTree {
    std::vector<const PageNode*> elements;
    std::vector<const PageNode*> parents;
    std::vector<size_t> indexes;
};
MarkedTree markElements(const PageNode& document);

// The document tree the editing control hands over: compact JSON, each node an array, a text a
// string ([tag, [name, value, ...], [children]], [8, comment], [10, name, public, system]). An
// item [0, n, k] stands for k sibling elements of `marked` unchanged from element n on, with the
// nodes between them: the control sends only what changed since it marked the document. Such
// elements are read as nodes standing for `marked`'s (`same`), which must outlive the tree.
// Empty texts are dropped and neighbouring texts joined, as the page's parser would have them.
// False when the text is not such a tree.
bool readPageTree(QStringView json, PageNode& document, const MarkedTree* marked = nullptr);
// A copy of a tree read with a marked tree that no longer needs it.
PageNode materialized(const PageNode& tree);

// The tree of `html` as the browser's parser builds it with scripting off (the editing view's
// setting); no positions are kept.
PageNode parsePageTree(QStringView html);

// Joins neighbouring texts, marks the white space that does not show, and hashes every subtree.
void finishTree(PageNode& document);

// Elements a browser lays out as blocks: each starts a line of its own on the page.
bool isBlockTag(QStringView tag);
// Elements with no end tag and no content.
bool isVoidTag(QStringView tag);
// Elements whose text is kept as written: no character references, no tags.
bool isRawTextTag(QStringView tag);

} // namespace orvel
