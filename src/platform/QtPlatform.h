#pragma once

#include "platform/KeyTyper.h"
#include "platform/Platform.h"
#include "platform/TypeAhead.h"

class QDialog;

namespace orvel {

// The platform of the running program: real message boxes, input boxes and file dialogs.
class QtPlatform : public Platform {
public:
    MsgAnswer messageBox(const MessageRequest& request) override;
    QString inputBox(const InputRequest& request) override;
    std::optional<QString> fileDialog(const FileDialogRequest& request) override;
    QStringList fontFamilies() override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    void sendKeys(QWidget* target, const QString& text) override;
    bool answerPending() const override { return m_asking > 0; }

private:
    // Shows `box` and waits for its answer, the rest of the program held as a modal box holds it.
    void ask(QDialog& box);

    KeyTyper m_typer;
    KeyClock m_clock;
    int m_asking = 0;
};

} // namespace orvel
