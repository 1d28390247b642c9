#include "assist/SmartSelect.h"

#include "assist/TextSearch.h"
#include "editor/TextModel.h"
#include "platform/Platform.h"

namespace orvel {

// The same span as tagAtCaret, found without copying the page.
void smartSelect(TextModel& text)
{
    const int caret = text.selStart();
    const int open = findBackward(text, u'<', caret);
    if (open <= 0)
        return;
    // A caret right after a ">" finds that ">".
    const int close = findForward(text, QStringLiteral(">"), caret - 1);
    text.setSelStart(open);
    if (close >= 0) {
        text.setSelLength(close + 1 - open);
        return;
    }
    platform().messageBox({kAssistantTitle, kEndTagAddedMessage, MsgButtons::Ok,
                           MsgIcon::Information, MsgAnswer::Ok});
    // The caret goes to the start of the page, as a whole new text would leave it; the page
    // changes by its one added character.
    text.setSelStart(0);
    text.replaceAt({text.length()}, 0, QStringLiteral(">"));
}

} // namespace orvel
