#pragma once

#include <QStringView>
#include <functional>

namespace orvel {

// What a stretch of a page's source is, for colouring.
enum class HtmlKind {
    Tag,       // "<b", "</td", ">" and "/>"
    AttrName,  // href
    AttrValue, // "page.html"
    Comment,   // <!-- ... -->
    Entity,    // &amp;
    Doctype,   // <!DOCTYPE ...> and other declarations
    CssProperty,
    CssValue,
    ScriptKeyword,
    ScriptString,
    ScriptComment,
};
inline constexpr int kHtmlKinds = int(HtmlKind::ScriptComment) + 1;

// A line-at-a-time HTML lexer. The state a line ends in is a small non-negative number that the
// next line starts from, so a comment, a tag, a quoted value or a script or style block can run
// over several lines and an edit needs only the lines whose start state changed looked at again.
// Line ends are not part of the text it is given.
class HtmlLexer {
public:
    // Where a page starts (and what an unknown state, -1, means).
    static constexpr int kStart = 0;

    using Sink = std::function<void(int start, int length, HtmlKind kind)>;

    // Lexes one line from `state`, reporting coloured stretches to `sink` (none: the end state
    // only), and returns the state the line ends in.
    static int scanLine(QStringView line, int state, const Sink& sink = {});
};

} // namespace orvel
