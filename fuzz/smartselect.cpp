// Smart Select on the string twin of the page box, with a platform that answers every message.
#include "assist/SmartSelect.h"
#include "editor/StringText.h"
#include "platform/Platform.h"

#include "FuzzInput.h"

using namespace orvel;

namespace {
class QuietPlatform : public Platform {
public:
    MsgAnswer messageBox(const MessageRequest& r) override { return r.defaultButton; }
    QString inputBox(const InputRequest&) override { return {}; }
    std::optional<QString> fileDialog(const FileDialogRequest&) override { return {}; }
    QStringList fontFamilies() override { return {}; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
    void sendKeys(QWidget*, const QString&) override {}
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QuietPlatform quiet;
    setPlatform(&quiet);
    const FuzzInput in(data, size);
    StringText text(in.text);
    text.setSelStart(in.caret);
    smartSelect(text);
    FUZZ_CHECK(text.selStart() >= 0 && text.selStart() + text.selLength() <= text.length());
    return 0;
}
