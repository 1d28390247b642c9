#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace orvel {

// Form-level variables of the source window.
struct SourceState {
    bool previewTipPending = true;
    // Running numbers for the names of inserted form controls.
    qint16 buttonNo = 1, formNo = 1, submitNo = 1, resetNo = 1, browseNo = 1, textboxNo = 1,
           textareaNo = 1, passwordNo = 1, checkboxNo = 1, radioNo = 1, uploadNo = 1;
    int lineCount = 0;
    bool assistOn = true;
    // Two-click toggles: true means the next click without a selection opens a tag.
    bool sizeFirst = true, faceFirst = true, colourFirst = true;
    bool alignFirst = true;
    // Start-up leaves these alone: restore points survive a new page.
    QString restore1, restore2, restore3;
    qint16 correctState = 0;

    // Back to the start values (everything but the restore points and correctState).
    void startValues();
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
    // The page file the Composer holds; the preview shows it.
    std::function<QString()> composerPagePath;
    // Shows the preview window on `path`.
    std::function<void(const QString& path)> showPreview;
    // Ends the program at once, without asking any window.
    std::function<void()> endProgram;
    // The window's close box.
    std::function<void()> closeBox;
};

} // namespace orvel
