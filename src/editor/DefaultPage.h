#pragma once

#include <QString>

namespace orvel {

// The page a new document starts with: 37 lines, each ending in CR LF.
QString defaultPage();

// Start-up selects the end of the head and the body tag: lines 5 and 6.
inline constexpr int kDefaultSelStart = 97;
inline constexpr int kDefaultSelLength = 84;

} // namespace orvel
