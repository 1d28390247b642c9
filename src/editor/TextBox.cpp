#include "editor/TextBox.h"

#include "editor/HtmlHighlighter.h"
#include "editor/LineGutter.h"
#include "markup/Common.h"
#include "markup/LineEnds.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

namespace orvel {

namespace {

// One pass: the toolkit's replace of a character by two is quadratic over a long page.
QString withCrLf(const QString& s)
{
    if (!s.contains(QChar::ParagraphSeparator) && !s.contains(u'\r') && !s.contains(u'\n'))
        return s;
    return withCrLfEnds(s);
}

// The toolkit's plain-text layout takes a line whose colours changed (reported as its whole text
// removed and added again) for a change running into the lines after it: it adds the two lengths,
// drops those lines' layouts and repaints the whole view, on every key. A change that stays in one
// line, with the number of lines unchanged, is relaid and repainted as that one line.
class LineLayout : public QPlainTextDocumentLayout {
public:
    explicit LineLayout(QTextDocument* doc) : QPlainTextDocumentLayout(doc) {}

    void documentChanged(int from, int removed, int added) override
    {
        QTextDocument* doc = document();
        const int blocks = doc->blockCount();
        const int changed = std::max(removed, added);
        if (removed > 0 && added > 0 && blocks == m_blocks &&
            doc->findBlock(from) == doc->findBlock(from + changed - 1)) {
            removed = 0;
            added = changed;
        }
        m_blocks = blocks;
        QPlainTextDocumentLayout::documentChanged(from, removed, added);
    }

private:
    int m_blocks = 1;
};

} // namespace

TextBox::TextBox(QWidget* parent, View view) : QPlainTextEdit(parent)
{
    auto* doc = new QTextDocument(this);
    doc->setDocumentLayout(new LineLayout(doc));
    setDocument(doc);
    viewport()->setMouseTracking(true);
    setMouseTracking(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        // The highlighter marking lines for repainting is no change of the text.
        if (!m_highlighter || !m_highlighter->isFormatting())
            emit changed();
    });
    if (view == View::Source)
        showSource();
}

void TextBox::showSource()
{
    m_highlighter = new HtmlHighlighter(this, [this] { return firstVisibleBlock(); });
    m_gutter = new LineGutter(this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &TextBox::fitGutter);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            m_gutter->scroll(0, dy);
        else
            m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &TextBox::markCaretLine);
    fitGutter();
    followColours();
}

void TextBox::fitGutter()
{
    if (!m_gutter)
        return;
    const int width = m_gutter->sizeHint().width();
    if (width == viewportMargins().left())
        return;
    setViewportMargins(width, 0, 0, 0);
    const QRect area = contentsRect();
    m_gutter->setGeometry(area.left(), area.top(), width, area.height());
}

void TextBox::resizeEvent(QResizeEvent* e)
{
    QPlainTextEdit::resizeEvent(e);
    if (!m_gutter)
        return;
    const QRect area = contentsRect();
    m_gutter->setGeometry(area.left(), area.top(), viewportMargins().left(), area.height());
    m_highlighter->refreshView();
}

void TextBox::changeEvent(QEvent* e)
{
    QPlainTextEdit::changeEvent(e);
    if (!m_gutter)
        return;
    if (e->type() == QEvent::PaletteChange)
        followColours();
    else if (e->type() == QEvent::FontChange)
        fitGutter();
}

void TextBox::followColours()
{
    // Every colour is the box's own ground and ink mixed, so none can vanish on either.
    const QColor base = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    const auto mix = [&base](const QColor& other, double share) {
        return QColor::fromRgbF(float(base.redF() + (other.redF() - base.redF()) * share),
                                float(base.greenF() + (other.greenF() - base.greenF()) * share),
                                float(base.blueF() + (other.blueF() - base.blueF()) * share));
    };
    const bool dark = base.lightness() < text.lightness();
    m_gutter->background = mix(text, 0.06);
    m_gutter->number = mix(text, 0.5);
    m_gutter->currentNumber = text;
    m_caretLine = mix(palette().color(QPalette::Highlight), 0.12);
    m_gutter->update();
    if (m_highlighter->isDark() != dark)
        m_highlighter->setDark(dark);
    markCaretLine();
}

void TextBox::markCaretLine()
{
    QTextEdit::ExtraSelection line;
    line.format.setBackground(m_caretLine);
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = textCursor();
    line.cursor.clearSelection();
    setExtraSelections({line});
    // The gutter shows the caret's line number in the text colour.
    const int number = line.cursor.blockNumber();
    if (number != m_caretLineNumber) {
        m_caretLineNumber = number;
        m_gutter->update();
    }
}

void TextBox::paintGutter(QPaintEvent* e, int padding)
{
    QPainter p(m_gutter);
    p.fillRect(e->rect(), m_gutter->background);
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int caretLine = textCursor().blockNumber();
    const int lineHeight = fontMetrics().height();
    const int right = m_gutter->width() - padding;
    while (block.isValid() && top <= e->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= e->rect().top()) {
            const int number = block.blockNumber();
            p.setPen(number == caretLine ? m_gutter->currentNumber : m_gutter->number);
            p.drawText(0, top, right, lineHeight, Qt::AlignRight, QString::number(number + 1));
        }
        block = block.next();
        top = bottom;
    }
}

QString TextBox::normalizeLineEnds(const QString& text)
{
    if (!text.contains(u'\r'))
        return text;
    // One pass (a replace over the whole text is quadratic in the toolkit).
    QString s;
    s.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != u'\r')
            continue;
        s.append(QStringView(text).mid(runStart, i - runStart));
        s.append(u'\n');
        if (i + 1 < n && text[i + 1] == u'\n')
            ++i;
        runStart = i + 1;
    }
    s.append(QStringView(text).mid(runStart));
    return s;
}

QString TextBox::text() const
{
    return withCrLf(document()->toRawText());
}

void TextBox::beginChange(QTextCursor& c)
{
    if (m_groupDepth > 0 && m_groupStarted) {
        c.joinPreviousEditBlock();
        return;
    }
    c.beginEditBlock();
    if (m_groupDepth > 0)
        m_groupStarted = true;
}

void TextBox::beginEditGroup()
{
    if (m_groupDepth++ == 0)
        m_groupStarted = false;
}

void TextBox::beginJoinedEditGroup()
{
    // The first change joins the step the last change closed, as every later one does.
    if (m_groupDepth++ == 0)
        m_groupStarted = true;
}

void TextBox::endEditGroup()
{
    if (m_groupDepth > 0 && --m_groupDepth == 0 && m_groupRefused) {
        m_groupRefused = false;
        emit refused();
    }
}

bool TextBox::refuse()
{
    // A read-only page takes no change from anybody; a read-only box of a dialog shows what its
    // dialog writes there.
    if (!isReadOnly() || !isSourceView())
        return false;
    if (m_groupDepth > 0)
        m_groupRefused = true;
    else
        emit refused();
    return true;
}

void TextBox::setText(const QString& text)
{
    if (refuse())
        return;
    QTextCursor c(document());
    beginChange(c);
    c.select(QTextCursor::Document);
    c.removeSelectedText();
    // New lines take the format of the line they start in; a whole new text starts plain.
    c.setBlockFormat(QTextBlockFormat());
    c.insertText(normalizeLineEnds(text));
    // The change handler already sees the caret at the start: where the old caret ended up, the
    // new page's last characters would stand before it and could be completed.
    setTextCursor(QTextCursor(document()));
    c.endEditBlock();
}

void TextBox::loadText(const QString& text, const std::function<void(qsizetype, qsizetype)>& step)
{
    constexpr qsizetype kChunk = 1 << 21;
    QTextDocument* doc = document();
    const qsizetype n = text.size();
    {
        const QSignalBlocker quiet(this);
        doc->setUndoRedoEnabled(false);
        doc->clear();
        QTextCursor c(doc);
        for (qsizetype from = 0; from < n;) {
            if (step)
                step(from, n);
            // Pieces end with a line: the toolkit lays a line out again, whole, for every piece
            // added to it (a minified page is one line of megabytes).
            qsizetype to = std::min(n, from + kChunk);
            while (to < n && text[to - 1] != u'\n' && (text[to - 1] != u'\r' || text[to] == u'\n'))
                ++to;
            c.insertText(QStringView(text).sliced(from, to - from).toString());
            from = to;
        }
        doc->setUndoRedoEnabled(true);
        setTextCursor(QTextCursor(doc));
    }
    if (step)
        step(n, n);
    // The view's own signals were quiet: the gutter still has the old page's width and numbers.
    if (m_gutter) {
        fitGutter();
        m_gutter->update();
        markCaretLine();
    }
    emit changed();
    // The first lines are laid out and painted now, while the caller's progress shows, not at
    // the next turn of the event loop (a line of megabytes takes seconds).
    if (step && isVisible())
        viewport()->repaint();
}

int TextBox::modelStartOf(int blockNumber) const
{
    return document()->findBlockByNumber(blockNumber).position() + blockNumber;
}

int TextBox::toModel(int docPos) const
{
    QTextBlock block = document()->findBlock(docPos);
    if (!block.isValid())
        return length();
    return docPos + block.blockNumber();
}

int TextBox::toDoc(int modelPos) const
{
    if (modelPos <= 0)
        return 0;
    // The last line whose model start is at or before modelPos.
    int lo = 0;
    int hi = document()->blockCount() - 1;
    while (lo < hi) {
        int mid = lo + (hi - lo + 1) / 2;
        if (modelStartOf(mid) <= modelPos)
            lo = mid;
        else
            hi = mid - 1;
    }
    QTextBlock block = document()->findBlockByNumber(lo);
    int offset = std::min(modelPos - (block.position() + lo), block.length() - 1);
    return block.position() + offset;
}

int TextBox::length() const
{
    const QTextDocument* doc = document();
    return doc->characterCount() - 1 + (doc->blockCount() - 1);
}

int TextBox::lineCount() const
{
    return document()->blockCount();
}

int TextBox::selStart() const
{
    return toModel(textCursor().selectionStart());
}

int TextBox::selLength() const
{
    QTextCursor c = textCursor();
    return toModel(c.selectionEnd()) - toModel(c.selectionStart());
}

QString TextBox::selText() const
{
    return withCrLf(textCursor().selectedText());
}

void TextBox::select(int modelStart, int modelEnd)
{
    const int len = length();
    modelStart = std::clamp(modelStart, 0, len);
    modelEnd = std::clamp(modelEnd, modelStart, len);
    int docStart = toDoc(modelStart);
    int docEnd = toDoc(modelEnd);
    // An end between CR and LF takes the whole line end.
    if (docEnd < document()->characterCount() - 1 && toModel(docEnd) < modelEnd)
        ++docEnd;
    QTextCursor c = textCursor();
    c.setPosition(docStart);
    c.setPosition(docEnd, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void TextBox::setSelStart(int pos)
{
    const int len = length();
    pos = std::clamp(pos, 0, len);
    QTextCursor c = textCursor();
    c.setPosition(toDoc(pos));
    setTextCursor(c);
}

void TextBox::setSelLength(int length)
{
    const int start = selStart();
    select(start, start + std::max(0, length));
}

void TextBox::setSelText(const QString& text)
{
    if (refuse())
        return;
    // The widget's own cursor follows the edit made through its copy, so the caret is after the
    // new text already while the change signal runs (at the end of the edit block). Setting the
    // copy back afterwards would undo what a nested change did to the caret.
    QTextCursor c = textCursor();
    beginChange(c);
    c.insertText(normalizeLineEnds(text));
    c.endEditBlock();
    ensureCursorVisible();
}

void TextBox::replaceAt(const QList<int>& starts, int length, const QString& with)
{
    if (starts.isEmpty() || refuse())
        return;
    const QString inserted = normalizeLineEnds(with);
    // The spans in document positions, in one walk down the lines (the starts ascend and never
    // overlap): a look-up per position would cost more than the edits themselves.
    QTextBlock line = document()->findBlock(toDoc(starts.first()));
    int number = line.blockNumber();
    const auto toDocAhead = [&](int pos, bool end) {
        for (QTextBlock next = line.next(); next.isValid() && pos >= next.position() + number + 1;
             next = line.next()) {
            line = next;
            ++number;
        }
        const int offset = pos - (line.position() + number);
        const int text = line.length() - 1;
        // Between CR and LF a start stays at the end of the line, an end takes the line end.
        return line.position() + (offset <= text ? offset : text + (end ? 1 : 0));
    };
    QList<std::pair<int, int>> spans;
    spans.reserve(starts.size());
    for (const int at : starts) {
        const int from = toDocAhead(at, false);
        spans.append({from, toDocAhead(at + length, true)});
    }
    QTextCursor c(document());
    beginChange(c);
    // From the last to the first: the positions before each edit stay good.
    for (auto span = spans.crbegin(); span != spans.crend(); ++span) {
        c.setPosition(span->first);
        c.setPosition(span->second, QTextCursor::KeepAnchor);
        c.insertText(inserted);
    }
    c.endEditBlock(); // the change signal fires here, once
}

QString TextBox::mid(int start, int count) const
{
    const int len = length();
    start = std::clamp(start, 0, len);
    const int end = std::clamp(start + std::max(0, count), start, len);
    if (start == end)
        return {};
    // The typing aids read a few characters before the caret: inside the caret's line the
    // positions map without looking the line up.
    const QTextBlock line = textCursor().block();
    const int lineStart = line.position() + line.blockNumber();
    if (start >= lineStart && end <= lineStart + line.length() - 1) {
        QTextCursor c(document());
        c.setPosition(line.position() + (start - lineStart));
        c.setPosition(line.position() + (end - lineStart), QTextCursor::KeepAnchor);
        return c.selectedText();
    }
    QTextCursor c(document());
    c.setPosition(toDoc(start));
    int docEnd = toDoc(end);
    if (docEnd < document()->characterCount() - 1 && toModel(docEnd) < end)
        ++docEnd;
    c.setPosition(docEnd, QTextCursor::KeepAnchor);
    QString s = withCrLf(c.selectedText());
    // A window that begins or ends between CR and LF holds only its own half of the line end.
    if (toModel(c.selectionStart()) < start)
        s.remove(0, start - toModel(c.selectionStart()));
    if (s.size() > end - start)
        s.truncate(end - start);
    return s;
}

bool TextBox::event(QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        const QKeySequence key(static_cast<QKeyEvent*>(e)->keyCombination());
        if (undoKeys().contains(key) || redoKeys().contains(key)) {
            e->accept(); // the box's own keys, before any shortcut of the window
            return true;
        }
    }
    if (e->type() == QEvent::ShortcutOverride) {
        // Keys the program claims as menu shortcuts must reach the menus, not the built-in
        // editing commands (copy, paste, select all, ...). The key press itself still counts
        // as a key going down in the box.
        auto* ke = static_cast<QKeyEvent*>(e);
        const QKeySequence seq(ke->keyCombination());
        if (m_claimed.contains(seq)) {
            emit keyDown(ke->key());
            e->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

void TextBox::keyPressEvent(QKeyEvent* e)
{
    emit keyDown(e->key());
    // A menu key whose entry has no command yet arrives here; the box's own meaning of it
    // (Ctrl+A, or Ctrl+K deleting to the end of the line) is not what the user asked for.
    if (m_claimed.contains(QKeySequence(e->keyCombination()))) {
        e->accept();
        return;
    }
    const QKeySequence key(e->keyCombination());
    const bool redo = redoKeys().contains(key) || e->matches(QKeySequence::Redo);
    if (redo || undoKeys().contains(key) || e->matches(QKeySequence::Undo)) {
        if (!isReadOnly()) // keys change nothing on a read-only page, and say nothing
            restore(!redo);
        e->accept();
        return;
    }
    const Qt::KeyboardModifiers typing = e->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (!isReadOnly() && typing == Qt::NoModifier && !e->text().isEmpty() &&
        e->text().at(0).isPrint()) {
        typeKey(e);
        return;
    }
    // Return inserts a plain line end as one change. (The widget's own Return may touch the
    // new line's format as a second change, and Shift+Return would insert a soft break.)
    const Qt::KeyboardModifiers mods = e->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && mods == Qt::NoModifier &&
        !isReadOnly()) {
        insertPlainText(QStringLiteral("\n"));
        ensureCursorVisible();
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void TextBox::typeKey(QKeyEvent* e)
{
    // The toolkit merges typed characters into one undo step only while none of them is part
    // of an edit block; a completion is one, so typed keys are blocks too, joined while the
    // typing goes on at the same place with nothing else changed in between.
    QTextCursor c = textCursor();
    if (!c.hasSelection() && c.position() == m_runPos && document()->revision() == m_runRevision)
        c.joinPreviousEditBlock();
    else
        c.beginEditBlock();
    QPlainTextEdit::keyPressEvent(e);
    c.endEditBlock(); // the change signal fires here
    ensureCursorVisible();
    m_runRevision = document()->revision();
    m_runPos = textCursor().position();
}

void TextBox::restore(bool undo)
{
    if (refuse())
        return;
    ++m_restoring;
    if (undo)
        QPlainTextEdit::undo();
    else
        QPlainTextEdit::redo();
    --m_restoring;
}

QList<QKeySequence> TextBox::undoKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
}

QList<QKeySequence> TextBox::redoKeys()
{
    // Ctrl+Y as well as Ctrl+Shift+Z, whatever the desktop gives redo (X11 desktops: no Ctrl+Y).
    return {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
}

void TextBox::undo()
{
    restore(true);
}

void TextBox::redo()
{
    restore(false);
}

void TextBox::contextMenuEvent(QContextMenuEvent* e)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(e->pos()));
    for (QAction* a : menu->actions()) {
        const bool isUndo = a->objectName() == u"edit-undo";
        if (!isUndo && a->objectName() != u"edit-redo")
            continue;
        disconnect(a, &QAction::triggered, nullptr, nullptr);
        connect(a, &QAction::triggered, this, [this, isUndo] { restore(isUndo); });
    }
    menu->exec(e->globalPos());
}

void TextBox::keyReleaseEvent(QKeyEvent* e)
{
    QPlainTextEdit::keyReleaseEvent(e);
    emit keyUp(e->key());
}

void TextBox::mouseReleaseEvent(QMouseEvent* e)
{
    QPlainTextEdit::mouseReleaseEvent(e);
    emit clicked();
}

void TextBox::mouseMoveEvent(QMouseEvent* e)
{
    // A move that leaves the box with the button down starts the toolkit's drag of the selection
    // and, once that drag is over, its timer that scrolls while selecting. The drag took the
    // button's release (on X11 its icon window holds the pointer and the release never comes
    // back to the box), so the timer went on sending moves "with the button down", each starting
    // a new drag that no release would end: keys ignored, every click dropping again. A move that
    // says the button is down when it is not ends the press instead.
    const auto pressOver = [e] {
        return (e->buttons() & Qt::LeftButton) &&
               !(QGuiApplication::mouseButtons() & Qt::LeftButton);
    };
    if (!pressOver())
        QPlainTextEdit::mouseMoveEvent(e);
    if (pressOver())
        endPress(e);
    emit mouseMoved();
}

void TextBox::endPress(const QMouseEvent* e)
{
    // The caret and the selection stay where the drag left them.
    const QTextCursor kept = textCursor();
    QMouseEvent release(QEvent::MouseButtonRelease, e->position(), e->globalPosition(),
                        Qt::LeftButton, Qt::NoButton, e->modifiers());
    QPlainTextEdit::mouseReleaseEvent(&release);
    setTextCursor(kept);
}

void TextBox::insertFromMimeData(const QMimeData* source)
{
    if (source && source->hasText())
        insertPlainText(normalizeLineEnds(source->text()));
}

void TextBox::setClaimedShortcuts(const QList<QKeySequence>& keys)
{
    m_claimed = keys;
}

} // namespace orvel
