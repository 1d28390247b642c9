#include "assist/SmartSelect.h"

#include "editor/TextModel.h"
#include "markup/TagAtCaret.h"
#include "platform/Platform.h"

namespace orvel {

void smartSelect(TextModel& text)
{
    const QString page = text.text();
    const std::optional<CaretTag> tag = tagAtCaret(page, text.selStart());
    if (!tag)
        return;
    text.setSelStart(tag->start);
    if (tag->end) {
        text.setSelLength(*tag->end - tag->start);
        return;
    }
    platform().messageBox({kAssistantTitle, kEndTagAddedMessage, MsgButtons::Ok,
                           MsgIcon::Information, MsgAnswer::Ok});
    text.setText(page + u'>');
}

} // namespace orvel
