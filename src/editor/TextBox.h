#pragma once

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>

namespace orvel {

// The document box. Every command sees it through the text box model: Text, SelStart, SelLength
// and SelText, with positions counted in UTF-16 code units and every line end counted as CR LF
// (two characters), whatever the widget stores. Line ends of any kind that come in (typed,
// pasted, set by a command) are line ends of the model.
//
// Mapping a position costs a few block look-ups (logarithmic in the number of lines); nothing on
// the typing path copies or scans the whole text.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // The whole text, line ends as CR LF. Copies the page: for commands, not for keystrokes.
    QString text() const;
    // Replaces the whole text as one change; the caret goes to the start.
    void setText(const QString& text);

    int selStart() const;
    // Puts the caret at `pos` (clamped to the text) with nothing selected.
    void setSelStart(int pos);
    int selLength() const;
    // Selects `length` characters from SelStart (clamped to the end of the text).
    void setSelLength(int length);
    QString selText() const;
    // Replaces the selection; the caret ends after the new text, nothing selected. The change
    // signal fires before this returns, and may change the text again inside itself.
    void setSelText(const QString& text);

    // Number of characters of the model (line ends count two).
    int length() const;
    // `count` characters of the model from `start` (clamped to the text).
    QString mid(int start, int count) const;
    // Lines of the text: an empty text has one, a text ending in a line end one more.
    int lineCount() const;

    // Position conversions between the model and the underlying document. A model position
    // between the CR and the LF of a line end maps to the end of that line.
    int toModel(int docPos) const;
    int toDoc(int modelPos) const;

    static QString normalizeLineEnds(const QString& text);

    // Key sequences that belong to the window's menus even while the caret is in the box.
    void setClaimedShortcuts(const QList<QKeySequence>& keys);

signals:
    // Every change of the text, whatever made it (the change event).
    void changed();
    void keyDown(int key);
    void keyUp(int key);
    // A click of the mouse in the box (on release, after the caret has moved).
    void clicked();
    void mouseMoved();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Model start of the line at `blockNumber`.
    int modelStartOf(int blockNumber) const;
    void select(int modelStart, int modelEnd);

    QList<QKeySequence> m_claimed;
};

} // namespace orvel
