#pragma once

#include <QString>
#include <functional>

namespace orvel {

class TextModel;
struct DialogTarget;

// Readies the page for the page properties dialog: the caret goes to the start and Smart Select
// selects the first BODY tag, in whatever letter case it is written. A page without one gets
// the caret right after its closing HEAD tag, where the dialog's BODY tag will go, after the
// user is told. False (after a second message) when the page has neither: the dialog must not
// open then.
bool readyForPageProperties(TextModel& text);

// Options > Page Properties: readies the page and shows the dialog, the hidden one of an earlier
// opening with its settings if there is one; its help button runs `help`.
void openPageProperties(const DialogTarget& target, std::function<void()> help);

inline const QString kBodyMissingMessage = QStringLiteral("The body tag is missing");
inline const QString kHeadMissingMessage = QStringLiteral(
    "Head tag missing. Orvel will not proceed. Add </HEAD> tag and perform this task again.");

} // namespace orvel
