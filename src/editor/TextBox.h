#pragma once

#include "editor/TextModel.h"

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <functional>

namespace orvel {

class HtmlHighlighter;
class LineGutter;

// The document box: the text model on a plain text widget. The widget stores a line end as one
// character; the model counts it as CR LF. Line ends of any kind that come in (typed, pasted, set
// by a command) are line ends of the model.
//
// Mapping a position costs a few block look-ups (logarithmic in the number of lines); nothing on
// the typing path copies or scans the whole text.
class TextBox : public QPlainTextEdit, public TextModel {
    Q_OBJECT
public:
    // The page box is a source view; the text boxes of dialogs are plain.
    enum class View { Plain, Source };
    explicit TextBox(QWidget* parent = nullptr, View view = View::Plain);

    QString text() const override;
    void setText(const QString& text) override;
    int selStart() const override;
    void setSelStart(int pos) override;
    int selLength() const override;
    void setSelLength(int length) override;
    QString selText() const override;
    // The change signal fires before this returns, with the caret already after the new text.
    void setSelText(const QString& text) override;
    void replaceAt(const QList<int>& starts, int length, const QString& with) override;
    int length() const override;
    QString mid(int start, int count) const override;
    int lineCount() const override;
    void beginEditGroup() override;
    void endEditGroup() override;
    void beginJoinedEditGroup() override;
    void focus() override { setFocus(); }

    // Undo and redo of the page (also Ctrl+Z and the context menu). While they put an earlier
    // text back, `restoring()` is true: the typing aids leave that change as it is.
    void undo();
    void redo();
    // The box's own keys for them, beside any the desktop adds; no menu entry has them.
    static QList<QKeySequence> undoKeys();
    static QList<QKeySequence> redoKeys();
    bool restoring() const { return m_restoring > 0; }

    // Position conversions between the model and the underlying document. A model position
    // between the CR and the LF of a line end maps to the end of that line.
    int toModel(int docPos) const;
    int toDoc(int modelPos) const;

    static QString normalizeLineEnds(const QString& text);

    // Replaces the page with a file's text (any line ends) without an undo step, in pieces:
    // `step(done, total)` runs between them, so a long page can show progress and repaint. The
    // change signal fires once, at the end.
    void loadText(const QString& text,
                  const std::function<void(qsizetype, qsizetype)>& step = nullptr);
    // The source view: colours, line numbers and the mark of the caret's line; all follow the
    // box's colours (the contrast button). Null in a plain box.
    HtmlHighlighter* highlighter() const { return m_highlighter; }
    LineGutter* gutter() const { return m_gutter; }
    void paintGutter(QPaintEvent* e, int padding);

    // Key sequences that belong to the window's menus even while the caret is in the box.
    void setClaimedShortcuts(const QList<QKeySequence>& keys);

signals:
    // Every change of the text, whatever made it (the change event).
    void changed();
    void keyDown(int key);
    void keyUp(int key);
    // A click of the mouse in the box (on release, after the caret has moved).
    void clicked();
    // A change of a read-only box was refused: once for an edit group (a command), however many
    // changes it tried.
    void refused();
    void mouseMoved();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // Model start of the line at `blockNumber`.
    int modelStartOf(int blockNumber) const;
    void select(int modelStart, int modelEnd);
    // Opens the undo step of one change: inside an edit group every change after the first joins
    // the step the group began.
    void beginChange(QTextCursor& c);
    // A printable key typed into the box: one undo step with the keys typed just before it at
    // the same place, and with what the change pass adds on it.
    void typeKey(QKeyEvent* e);
    void restore(bool undo);
    // Ends a press whose release the box never got (a drag took it).
    void endPress(const QMouseEvent* e);
    // True (and `refused` said, or kept for the end of the group) when the box is read-only.
    bool refuse();
    void showSource();
    bool isSourceView() const { return m_gutter != nullptr; }
    void fitGutter();
    void followColours();
    void markCaretLine();

    int m_groupDepth = 0;
    bool m_groupStarted = false;
    bool m_groupRefused = false;
    int m_restoring = 0;
    // Where the last typed key left the document and the caret; -1: no typing run to join.
    int m_runRevision = -1;
    int m_runPos = -1;

    QList<QKeySequence> m_claimed;
    HtmlHighlighter* m_highlighter = nullptr;
    LineGutter* m_gutter = nullptr;
    QColor m_caretLine;
    int m_caretLineNumber = -1;
};

} // namespace orvel
