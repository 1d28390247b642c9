#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace orvel {

// Everything the program asks of the desktop goes through this interface: message and input
// boxes, file dialogs, the installed fonts, the clipboard and simulated keystrokes. The running
// program installs QtPlatform; tests install ScriptedPlatform, which answers from a script and
// records every prompt.

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

// Title given to boxes that name none of their own.
inline const QString kDefaultTitle = QStringLiteral("Orvel");
// Title of most of the program's questions and messages.
inline const QString kAssistantTitle = QStringLiteral("Assistant: Orvel");

struct MessageRequest {
    QString title;
    QString text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgAnswer defaultButton = MsgAnswer::Ok;
};

struct InputRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString title;            // empty: the toolkit's own title
    QString fileName;         // preset file name
    QString defaultExtension; // without the dot; appended to a typed name that has none
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual MsgAnswer messageBox(const MessageRequest& request) = 0;
    // The typed text; Cancel gives "".
    virtual QString inputBox(const InputRequest& request) = 0;
    // The chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> fileDialog(const FileDialogRequest& request) = 0;
    virtual QStringList fontFamilies() = 0;
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    // Types `text` into `target` after the current handler has returned, one character at a time
    // through the same path as a real key press.
    virtual void sendKeys(QWidget* target, const QString& text) = 0;
    // A message or input box waits for its answer (the rest of the program is held meanwhile).
    virtual bool answerPending() const { return false; }

    // Shorthands for the common shapes.
    void message(const QString& text, MsgIcon icon = MsgIcon::None,
                 const QString& title = kDefaultTitle);
    MsgAnswer ask(const QString& title, const QString& text, MsgAnswer defaultButton,
                  MsgIcon icon = MsgIcon::Question);
    QString input(const QString& prompt, const QString& title = kDefaultTitle,
                  const QString& defaultText = {});
};

// The platform the program talks to. Never null once the application or a test has set one.
Platform& platform();
// Installs `p` (not owned) and returns the previous one.
Platform* setPlatform(Platform* p);

} // namespace orvel
