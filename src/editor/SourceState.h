#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace orvel {

// The source window's own form-level variables. State of a command family (counters, two-click
// flags) lives in that family, which resets it on the window's `formLoaded`.
struct SourceState {
    // The preview's "save first" tip shows once per start-up.
    bool previewTipPending = true;
    int lineCount = 0;
    // The Assistant asks before it acts on a recognised tag. Follows the Assistant check mark,
    // but is its own value: start-up sets it again, the check mark stays.
    bool assistOn = true;

    // Back to the start values.
    void startValues() { *this = SourceState{}; }
};

// An invisible text box whose text is a piece of window state. Like a text box, it signals a
// change only when the text really changes.
class StateBox : public QObject {
    Q_OBJECT
public:
    StateBox(const QString& name, const QString& text, QObject* parent);
    const QString& text() const { return m_text; }
    void setText(const QString& text);

signals:
    void changed();

private:
    QString m_text;
};

// What the source window needs from the rest of the program. Defaults stand in for windows that
// are not there (the Composer, the preview) so the window works on its own.
struct SourceLinks {
    // Shows the preview window on `path`.
    std::function<void(const QString& path)> showPreview;
    // Shows the help window on `topic` (its welcome text when empty), and the about box.
    std::function<void(const QString& topic)> showHelp;
    std::function<void()> showAbout;
    // Ends the program at once, without asking any window.
    std::function<void()> endProgram;
    // The window's close box.
    std::function<void()> closeBox;
};

} // namespace orvel
