#pragma once

// The parts of the page splice shared by its reading (PageSource.cpp), its writing of new markup
// (PageWriter.cpp) and the splice itself (PageSplice.cpp).

#include "markup/PageSource.h"

#include <QSet>
#include <array>
#include <deque>
#include <vector>

namespace orvel {

// One replacement of a range of the page's text.
struct SpliceOp {
    qsizetype start = 0;
    qsizetype end = 0;
    QString text;
    QString reason; // why a part was written anew; empty for a splice
    bool operator==(const SpliceOp& o) const
    {
        return start == o.start && end == o.end && text == o.text;
    }
};

inline size_t qHash(const SpliceOp& op, size_t seed = 0)
{
    return ::qHash(op.text, seed) ^ size_t(op.start * 31 + op.end);
}

// How the characters of a text stand in the page: a run of `source` characters read as `chars`
// characters of the text (one for one, a CR LF read as one line end, a reference, or a tag the
// parser dropped, which reads as none).
struct TextUnit {
    qsizetype source = 0;
    qsizetype length = 0;
    qsizetype chars = 0;
};

// How the characters of an element's text are read.
enum class TextContext : quint8 { Data, Replaceable, Raw };
TextContext textContext(const PageNode* parent);

struct PageSource::Data {
    QString text;
    PageNode tree;
    PageStyle style;
    std::vector<qsizetype> atomStarts;  // every tag and run, sorted
    const PageNode* trailing = nullptr; // the white space after the body's end tag
    // Start tags of formatting elements never closed, whose formatting the parser may carry over
    // into later parts (PageNode::borrowed); sorted.
    std::vector<std::pair<qsizetype, QString>> lenders;
    QSet<SpliceOp> loadedOps;                   // the splice from this reading to the browser's
    mutable QHash<QString, QString> references; // character references read so far
    struct {
        int upperAttrs = 0;
        int lowerAttrs = 0;
        std::array<int, 3> quotes{}; // double, single, none
    } styleCounts;

    // The units of `node`'s characters in the page; false where they do not read back as its
    // text (then it is replaced as a whole).
    bool units(const PageNode& node, TextContext context, std::vector<TextUnit>& out) const;
    QString reference(QStringView ref) const;

    QStringView source(Span s) const { return QStringView(text).mid(s.start, s.size()); }
    bool startsLine(qsizetype pos) const;
    bool endsLine(qsizetype pos) const;
    qsizetype lineStart(qsizetype pos) const; // after the indentation's start
    qsizetype nextLine(qsizetype pos) const;  // after the line end that follows `pos`
    QString indentAt(qsizetype pos) const;    // spaces and tabs before `pos` on its line
    QString eolNear(qsizetype pos) const;     // the line end the page uses around `pos`
};

// Writes markup the way the page writes its own.
class PageWriter {
public:
    explicit PageWriter(const PageSource::Data& d) : m_d(d) {}

    // A node that has no counterpart in the page, its block children on lines of their own
    // (indented one level beyond `indent`) where the page lays out such an element that way.
    QString write(const PageNode& node, const QString& indent, const PageNode* parent) const;
    // `edited` in place of `original`: unchanged parts that stand alone in the page are copied
    // (but for parts with borrowed formatting, unless `copyBorrowed`).
    QString rewrite(const PageNode& original, const PageNode& edited, const QString& indent,
                    const PageNode* parent, bool copyBorrowed = true) const;
    QString startTag(const PageNode& element) const;
    QString endTag(const PageNode& element) const;
    QString tagName(const PageNode& element) const;
    QString attribute(const QString& name, const QString& value) const;
    QString attrValue(const QString& value, char16_t quote) const;
    QString text(QStringView data, TextContext context, const QString& eol) const;
    bool ownLines(const PageNode& element) const;

    // Parts an edit removed, by hash: what it puts back unchanged elsewhere (a paragraph made a
    // list item, a moved row) is copied from the page rather than written anew.
    const QHash<quint64, const PageNode*>* donors = nullptr;

private:
    const PageSource::Data& m_d;
};

// Pairs the children of two nodes by content: equal subtrees first (a longest common
// subsequence), then, between them, nodes of one kind and tag in order. White space that does not
// show is left out.
struct AlignStep {
    enum Kind : quint8 { Same, Pair, Delete, Insert };
    Kind kind;
    const PageNode* original = nullptr;
    const PageNode* edited = nullptr;
};
std::vector<AlignStep> alignChildren(const std::vector<const PageNode*>& original,
                                     const std::vector<const PageNode*>& edited);
// The children that take part in the pairing: white space that shows, no trailing white space.
std::vector<const PageNode*> shownChildren(const PageNode& node, const PageNode* trailing);
// The children of `edited`, the counterpart of `original`; where `original` is the body, the white
// space after its end tag (the page's trailing text) is taken off the edited body's last text,
// which the browser joined to it (a changed copy goes into `scratch`).
std::vector<const PageNode*> editedChildren(const PageSource::Data& d, const PageNode& original,
                                            const PageNode& edited, std::deque<PageNode>& scratch);

// The splice from `original` (read from the page) to `edited`: its replacements, in order.
std::vector<SpliceOp> spliceOps(const PageSource::Data& d, const PageNode& edited);

} // namespace orvel
