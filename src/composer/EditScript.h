#pragma once

#include <QString>

namespace orvel {

// The editing control's helpers, run in its own script world: they define `orvel` there once per
// document and leave the page's own globals alone.
extern const QString kEditHelpers;
// Joined to the helpers: the document tree for the splice, and the list commands.
extern const QString kTreeHelpers;

} // namespace orvel
