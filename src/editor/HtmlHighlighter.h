#pragma once

#include "editor/HtmlLexer.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QTimer>
#include <array>
#include <functional>

class QPlainTextEdit;

namespace orvel {

// Colours the page in its box: tags, attributes, comments, entities, declarations and the CSS
// and JavaScript inside style and script elements.
//
// The toolkit's highlighter colours every line of the document in one go whenever the text is
// set, which freezes the window on a large page and gives every line a layout of its own. This
// one takes the document's changes itself: it colours the lines in view (and those an edit's
// changed state runs into while they are in view), works out the start states of lines above
// the view without colouring them, and does the rest of the page's states in short slices while
// the window is idle. Lines out of view are coloured when they come into view.
//
// Colouring never changes the text, the positions or the width of a character: colours only.
class HtmlHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    // Attaches to `box`'s document (and follows its view, whose first line `topLine` gives); a
    // child of `box`.
    HtmlHighlighter(QPlainTextEdit* box, std::function<QTextBlock()> topLine);

    // Colours for a dark background (the contrast button's second state) or a light one.
    void setDark(bool dark);
    bool isDark() const { return m_dark; }
    QColor colour(HtmlKind kind) const { return m_formats[std::size_t(kind)].foreground().color(); }

    // Colours what is in view now, after working out the states above it.
    void refreshView();
    // True while the highlighter itself marks lines for repainting (no edit of the text).
    bool isFormatting() const { return m_busy; }
    // Lines from the top of the page whose end states are known.
    int knownStates() const { return m_clean; }
    // Works out every line's state at once (tests; a page's last line, at once).
    void finishStates();

protected:
    void highlightBlock(const QString& text) override;

private:
    void contentsChange(int from, int removed, int added);
    void contentsChanged();
    // Works out end states from the first unknown one up to line `upTo` (exclusive), for at most
    // `budgetMs` milliseconds (negative: no limit). True when it got there.
    bool scanStates(int upTo, int budgetMs);
    void recordState(const QTextBlock& block, int oldState, int newState);
    bool needsColouring(const QTextBlock& block) const;
    // A line too long to colour: its end state, worked out without the toolkit's colouring.
    void keepUncoloured(QTextBlock& block);
    void idleScan();

    QPlainTextEdit* m_box;
    std::function<QTextBlock()> m_topLine;
    std::array<QTextCharFormat, kHtmlKinds> m_formats;
    bool m_dark = false;
    int m_scheme = 0; // changes with the colours; lines coloured under an older one are redone
    bool m_busy = false;
    bool m_changed = false; // an edit came that is not coloured yet
    int m_gateEnd = -1;     // the last line that may be coloured in the present pass
    int m_clean = 0;        // end states of lines [0, m_clean) are right for the text as it is
    // After an edit, the states that were known past it stay right from the first unchanged line
    // that ends in the state it ended in before.
    int m_resyncAfter = -1; // the last line the edit touched
    int m_knownEnd = 0;     // m_clean before the edit, in line numbers after it
    int m_blocks = 1;
    QTimer m_idle;
};

} // namespace orvel
