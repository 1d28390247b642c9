#pragma once

#include <QString>

namespace orvel {

struct DialogTarget;

// Smart Correct: the tag at the caret is opened in the dialog that builds its kind (image, font,
// rule, mail link, hyperlink), its fields filled from the tag, and the tag stays selected so the
// dialog's OK puts the edited tag in its place.
//
// `correctState` keeps where "?subject" stood in the address of the last mail link read (1-based,
// 0 when it had none); it outlives File > New.

// Options > Smart Correct: Smart Select takes the tag at the caret first; without one the user is
// told where to put the caret.
void smartCorrect(const DialogTarget& target, int& correctState);

// Examines the selection of the target's text and opens the dialog of the kind it is. A tag
// without its ">" gets one at the end of the page, after a message, and no dialog.
void trueAutoCorrect(const DialogTarget& target, int& correctState);

inline const QString kPlaceCursorMessage = QStringLiteral(
    "Place the cursor in tags, such as '<IMG ' or '<font' first. Smart Correct helps "
    "you to edit tags.");
inline const QString kTagEndCorrectedMessage = QStringLiteral(
    "The end of the tag was not found. This problem is corrected. Please verify and alter if "
    "necessary. You may run the Smart Correct tool now.");
// The rule and link kinds say the same all in lower case, title included.
inline const QString kTagEndCorrectedLower = QStringLiteral(
    "the end of the tag was not found. this problem is corrected. please verify and alter if "
    "necessary. you may run the smart correct tool now.");
inline const QString kAssistantTitleLower = QStringLiteral("assistant: orvel");

} // namespace orvel
