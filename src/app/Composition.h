#pragma once

#include <memory>

namespace orvel {

class SourceWindow;

// The composition root: builds the source window, installs the command families into it and
// fills its change pass. Nothing below this folder knows which commands or typing aids exist.
std::unique_ptr<SourceWindow> buildSourceWindow();

} // namespace orvel
