#include "editor/HtmlHighlighter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace orvel {

namespace {

// What a line was coloured with: redone when its start state, its text or the colours change.
struct LineMark : QTextBlockUserData {
    int startState = -1;
    int scheme = -1;
    bool stale = false;
};

LineMark* markOf(const QTextBlock& block)
{
    return static_cast<LineMark*>(block.userData());
}

int startStateOf(const QTextBlock& block)
{
    const QTextBlock previous = block.previous();
    return previous.isValid() ? std::max(previous.userState(), HtmlLexer::kStart)
                              : HtmlLexer::kStart;
}

void markStale(const QTextBlock& block)
{
    if (LineMark* mark = markOf(block))
        mark->stale = true;
}

struct Palette {
    const char* light;
    const char* dark;
};

// Readable on white and on black, in the order of HtmlKind.
constexpr std::array<Palette, kHtmlKinds> kColours = {{
    {"#1a4ba8", "#82b4ff"}, // tag
    {"#8b3d00", "#ffb870"}, // attribute name
    {"#16751f", "#9fe07a"}, // attribute value
    {"#6e6e6e", "#a8a8a8"}, // comment
    {"#9a0f86", "#ff8fdc"}, // entity
    {"#5b3a99", "#c9a8ff"}, // declaration
    {"#00607f", "#7ad8ff"}, // CSS property
    {"#8a4b00", "#ffd27a"}, // CSS value
    {"#7a1fa2", "#e49cff"}, // script keyword
    {"#16751f", "#9fe07a"}, // script string
    {"#6e6e6e", "#a8a8a8"}, // script comment
}};

constexpr int kIdleSliceMs = 8;

// A line longer than this (a minified page is one such line) is shown uncoloured: the toolkit
// lays out a line with its colours as many runs, and lays it out again whenever they change, at a
// cost that grows with the line's whole length on every key.
constexpr int kLongestColouredLine = 20000;

} // namespace

HtmlHighlighter::HtmlHighlighter(QPlainTextEdit* box, std::function<QTextBlock()> topLine)
    : QSyntaxHighlighter(static_cast<QObject*>(box)), m_box(box), m_topLine(std::move(topLine))
{
    setObjectName(QStringLiteral("htmlHighlighter"));
    setDark(false);
    QTextDocument* doc = box->document();
    setDocument(doc);
    // The toolkit's own reaction to a change (and its colouring of a page that is already there,
    // queued by setDocument) would colour every line: this class decides what to colour.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    disconnect(doc, SIGNAL(contentsChange(int, int, int)), this,
               SLOT(_q_reformatBlocks(int, int, int)));
    connect(doc, &QTextDocument::contentsChange, this, &HtmlHighlighter::contentsChange);
    connect(doc, &QTextDocument::contentsChanged, this, &HtmlHighlighter::contentsChanged);
    // Every scroll of the view, the box's own included: moving the caret off the screen (Page
    // Down, a search, a jump) scrolls with the scroll bar's signals blocked.
    connect(box, &QPlainTextEdit::updateRequest, this, [this](const QRect&, int dy) {
        if (dy != 0)
            refreshView();
    });
    m_blocks = doc->blockCount();
    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &HtmlHighlighter::idleScan);
    m_idle.start();
}

void HtmlHighlighter::setDark(bool dark)
{
    m_dark = dark;
    for (std::size_t i = 0; i < m_formats.size(); ++i) {
        QTextCharFormat f;
        f.setForeground(QColor(QLatin1StringView(dark ? kColours[i].dark : kColours[i].light)));
        m_formats[i] = f;
    }
    ++m_scheme;
    if (document())
        refreshView();
}

void HtmlHighlighter::contentsChange(int from, int removed, int added)
{
    QTextDocument* doc = document();
    if (m_busy || !doc)
        return; // lines this class coloured, not an edit
    const QTextBlock first = doc->findBlock(from);
    QTextBlock last = doc->findBlock(from + added);
    if (!last.isValid())
        last = doc->lastBlock();
    // Lines wholly inside an insertion are new and carry no mark; the two ends may.
    markStale(first);
    markStale(last);

    const int firstLine = first.isValid() ? first.blockNumber() : 0;
    const int blocks = doc->blockCount();
    const int lastLine = last.blockNumber();
    // What was known past the edit stays known once the states meet again.
    if (m_clean > firstLine && m_resyncAfter < 0 && lastLine < m_clean + (blocks - m_blocks)) {
        m_resyncAfter = lastLine;
        m_knownEnd = m_clean + (blocks - m_blocks);
    } else if (m_resyncAfter >= 0) {
        m_resyncAfter = -1; // a second edit before the first was settled: start over
    }
    m_clean = std::min(m_clean, firstLine);
    m_blocks = blocks;
    Q_UNUSED(removed);
    m_changed = true;
}

void HtmlHighlighter::contentsChanged()
{
    // Coloured once the layout has taken the edit in: coloured from inside the change, a line is
    // reported to the layout as a change running into the lines after it, and the whole view is
    // laid out and repainted on every key.
    if (m_busy || !m_changed)
        return;
    m_changed = false;
    refreshView();
    if (m_clean < m_blocks)
        m_idle.start();
}

void HtmlHighlighter::recordState(const QTextBlock& block, int oldState, int newState)
{
    const int line = block.blockNumber();
    if (m_resyncAfter >= 0 && line > m_resyncAfter && line < m_knownEnd && oldState == newState) {
        m_clean = std::max(m_clean, m_knownEnd);
        m_resyncAfter = -1;
    } else if (line == m_clean) {
        m_clean = line + 1;
    }
}

bool HtmlHighlighter::scanStates(int upTo, int budgetMs)
{
    QElapsedTimer clock;
    clock.start();
    QTextBlock block = document()->findBlockByNumber(m_clean);
    int count = 0;
    while (block.isValid() && m_clean < upTo) {
        const int old = block.userState();
        const int state = HtmlLexer::scanLine(block.text(), startStateOf(block));
        block.setUserState(state);
        const int line = m_clean;
        recordState(block, old, state);
        block = m_clean == line + 1 ? block.next() : document()->findBlockByNumber(m_clean);
        if (budgetMs >= 0 && (++count & 255) == 0 && clock.elapsed() >= budgetMs)
            break;
    }
    return m_clean >= upTo || !block.isValid();
}

bool HtmlHighlighter::needsColouring(const QTextBlock& block) const
{
    const LineMark* mark = markOf(block);
    return !mark || mark->stale || mark->scheme != m_scheme ||
           mark->startState != startStateOf(block);
}

void HtmlHighlighter::refreshView()
{
    if (m_busy || !document())
        return;
    QTextBlock top = m_topLine();
    if (!top.isValid())
        top = document()->firstBlock();
    const int rows = m_box->viewport()->height() / std::max(1, m_box->fontMetrics().lineSpacing());
    const int topLine = top.blockNumber();
    // A view far down a page whose states are unknown waits for the idle slices.
    if (m_clean < topLine && !scanStates(topLine, kIdleSliceMs)) {
        m_idle.start();
        return;
    }
    m_gateEnd = topLine + rows + 1;
    m_busy = true;
    for (QTextBlock b = top; b.isValid() && b.blockNumber() <= m_gateEnd; b = b.next()) {
        if (needsColouring(b) && b.length() > kLongestColouredLine &&
            b.layout()->formats().isEmpty()) {
            // The toolkit's colouring of a line costs a format per character, whatever is set.
            keepUncoloured(b);
        } else if (needsColouring(b)) {
            rehighlightBlock(b);
        } else {
            // A line coloured from the same start state ends in the state it has.
            recordState(b, b.userState(), b.userState());
        }
    }
    m_busy = false;
}

void HtmlHighlighter::keepUncoloured(QTextBlock& block)
{
    const int start = startStateOf(block);
    const int old = block.userState();
    const int state = HtmlLexer::scanLine(block.text(), start);
    block.setUserState(state);
    auto* mark = markOf(block);
    if (!mark) {
        mark = new LineMark;
        block.setUserData(mark);
    }
    mark->startState = start;
    mark->scheme = m_scheme;
    mark->stale = false;
    recordState(block, old, state);
}

void HtmlHighlighter::idleScan()
{
    if (!scanStates(m_blocks, kIdleSliceMs))
        m_idle.start();
    else
        refreshView();
}

void HtmlHighlighter::finishStates()
{
    scanStates(document()->blockCount(), -1);
}

void HtmlHighlighter::highlightBlock(const QString& text)
{
    const QTextBlock block = currentBlock();
    const int line = block.blockNumber();
    const int old = currentBlockState();
    if (!m_busy || line > m_gateEnd) {
        // Out of view: the colouring stops here, and this line's state is no longer known.
        setCurrentBlockState(old);
        markStale(block);
        m_clean = std::min(m_clean, line);
        if (m_resyncAfter >= line)
            m_resyncAfter = -1;
        return;
    }
    const int start = startStateOf(block);
    const int state =
        text.size() > kLongestColouredLine
            ? HtmlLexer::scanLine(text, start)
            : HtmlLexer::scanLine(text, start, [this](int from, int length, HtmlKind kind) {
                  setFormat(from, length, m_formats[std::size_t(kind)]);
              });
    setCurrentBlockState(state);
    auto* mark = static_cast<LineMark*>(currentBlockUserData());
    if (!mark) {
        mark = new LineMark;
        setCurrentBlockUserData(mark);
    }
    mark->startState = start;
    mark->scheme = m_scheme;
    mark->stale = false;
    recordState(block, old, state);
}

} // namespace orvel
