#include "assist/PageProperties.h"

#include "assist/SmartSelect.h"
#include "dialogs/PageProps.h"
#include "editor/TextModel.h"
#include "markup/PageMarkup.h"
#include "platform/Platform.h"

namespace orvel {

bool readyForPageProperties(TextModel& text)
{
    text.setSelStart(0);
    const QString page = text.text();
    if (const std::optional<int> body = page::findBodyTag(page)) {
        if (*body == 0) {
            // Smart Select leaves a tag at the very start of the page alone, and the dialog would
            // then write into the middle of it: the tag is taken whole here (or, unclosed, the new
            // one goes in front of it).
            if (const qsizetype close = page.indexOf(u'>'); close >= 0)
                text.setSelLength(int(close) + 1);
            return true;
        }
        // Inside the tag, after "<BO", for Smart Select to take the whole tag.
        text.setSelStart(*body + 3);
        smartSelect(text);
        return true;
    }
    platform().messageBox(
        {kAssistantTitle, kBodyMissingMessage, MsgButtons::Ok, MsgIcon::Critical, MsgAnswer::Ok});
    const std::optional<int> head = page::findHeadEnd(page);
    if (!head) {
        platform().message(kHeadMissingMessage);
        return false;
    }
    text.setSelStart(*head + int(page::kHeadEnd.size()));
    return true;
}

void openPageProperties(const DialogTarget& target, std::function<void()> help)
{
    if (!readyForPageProperties(*target.text))
        return;
    PagePropsDialog* d = dialogFor<PagePropsDialog>(target);
    d->setHelp(std::move(help));
    d->show();
    d->raise();
    d->activateWindow();
}

} // namespace orvel
