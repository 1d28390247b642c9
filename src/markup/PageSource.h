#pragma once

#include "markup/PageTree.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

namespace orvel {

// How a page writes its markup, read from the page, for what an edit adds to it.
struct PageStyle {
    bool upperTags = false;
    bool upperAttrs = false;
    char16_t quote = u'"';                 // '"', '\'', or 0: unquoted where a value allows it
    QString voidEnd = QStringLiteral(">"); // ">", "/>" or " />"
    QString eol = QStringLiteral("\r\n");
    QString indent = QStringLiteral("  "); // one level
    // Per tag: above zero where its block children mostly start lines of their own.
    QHash<QString, int> ownLines;
    bool blocksOnOwnLines = false; // the page at large puts its blocks on lines of their own
};

struct SpliceStats {
    int edits = 0;       // ranges of the text replaced
    int fallbacks = 0;   // parts written anew from the edited tree rather than spliced
    QStringList reasons; // one line per fallback: where, and why
    int kept = 0; // places where the two parsers read the text differently, left as they were
};

struct SpliceResult {
    QString text;
    SpliceStats stats;
};

// A page's text read as the browser reads it, with the place of every node in it, so that the
// edited document can be written back over it changing only what the edit changed: an untouched
// node keeps its characters (case, quotes, references, line ends, indentation), a changed text
// changes only its changed characters, and new markup is written the way the page writes its own.
class PageSource {
public:
    explicit PageSource(QString text);
    ~PageSource();
    PageSource(const PageSource&) = delete;
    PageSource& operator=(const PageSource&) = delete;

    const QString& text() const;
    const PageNode& tree() const;
    const PageStyle& style() const;

    // The document the browser built from this text. Where it differs from this reading (the two
    // parsers disagree, or the browser's tree lacks white space a save added), an edited tree that
    // still differs the same way leaves those characters as they are.
    void setLoaded(const PageNode& loaded);

    SpliceResult splice(const PageNode& edited) const;

    struct Data;

private:
    std::unique_ptr<Data> d;
};

} // namespace orvel
