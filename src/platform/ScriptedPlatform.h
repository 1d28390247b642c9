#pragma once

#include "platform/KeyTyper.h"
#include "platform/Platform.h"

#include <QList>
#include <deque>

namespace orvel {

// The platform of the tests. Every prompt is recorded; each one takes the next scripted answer.
// A prompt with no answer left gets the answer of a user who just closes the box (Cancel, the
// default button, or an empty input) and counts as unscripted, which tests can assert against.
class ScriptedPlatform : public Platform {
public:
    enum class PromptKind { Message, Input, File };

    struct Prompt {
        PromptKind kind = PromptKind::Message;
        QString title;
        QString text; // the message text or the input prompt
        MsgButtons buttons = MsgButtons::Ok;
        MsgIcon icon = MsgIcon::None;
        MsgAnswer defaultButton = MsgAnswer::Ok;
        QString defaultText;    // input boxes
        FileDialogRequest file; // file dialogs
    };

    struct Answer {
        PromptKind kind = PromptKind::Message;
        MsgAnswer button = MsgAnswer::Ok;
        QString text;        // input boxes; a file path
        bool chosen = false; // file dialogs: false when cancelled
    };

    // Scripting.
    ScriptedPlatform& answer(MsgAnswer a);
    ScriptedPlatform& answer(const QString& typed); // input box; "" answers like Cancel
    ScriptedPlatform& answerFile(const QString& path);
    ScriptedPlatform& cancelFile();

    // What happened.
    QList<Prompt> prompts;
    int unscripted = 0;
    int mismatched = 0; // a scripted answer of the wrong kind for its prompt
    QStringList fonts{QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Times New Roman")};
    QString clipboard;
    QStringList keysSent;

    // The prompt texts in order, for compact assertions.
    QStringList promptTexts() const;
    const Prompt& lastPrompt() const { return prompts.constLast(); }
    bool answersLeft() const { return !m_answers.empty(); }
    // Delivers the simulated keystrokes queued so far (and any they queue in turn).
    void deliverKeys() { m_typer.deliverAll(); }
    bool keysPending() const { return m_typer.pending(); }

    MsgAnswer messageBox(const MessageRequest& request) override;
    QString inputBox(const InputRequest& request) override;
    std::optional<QString> fileDialog(const FileDialogRequest& request) override;
    QStringList fontFamilies() override { return fonts; }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    void sendKeys(QWidget* target, const QString& text) override;

private:
    // The next answer if there is one of `kind`; false when the prompt is unscripted.
    bool next(PromptKind kind, Answer& answer);

    std::deque<Answer> m_answers;
    KeyTyper m_typer;
};

} // namespace orvel
