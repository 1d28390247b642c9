#pragma once

#include "platform/KeyTyper.h"
#include "platform/Platform.h"

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

private:
    KeyTyper m_typer;
};

} // namespace orvel
