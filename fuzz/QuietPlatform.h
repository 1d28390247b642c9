#pragma once

#include "platform/Platform.h"

// A platform that answers every box as a user who just presses Enter would.
class QuietPlatform : public orvel::Platform {
public:
    orvel::MsgAnswer messageBox(const orvel::MessageRequest& r) override { return r.defaultButton; }
    QString inputBox(const orvel::InputRequest&) override { return {}; }
    std::optional<QString> fileDialog(const orvel::FileDialogRequest&) override { return {}; }
    QStringList fontFamilies() override { return {}; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
    void sendKeys(QWidget*, const QString&) override {}
};
