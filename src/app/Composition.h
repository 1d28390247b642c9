#pragma once

#include "commands/Install.h"

#include <memory>

namespace orvel {

class SourceWindow;

// The source window with the command families installed in it. The families are children of the
// window: the pointers hold as long as the window lives.
struct SourceWindowParts {
    std::unique_ptr<SourceWindow> window;
    CommandFamilies commands;
};

// The composition root: builds the source window, installs the command families into it and
// fills its change pass. Nothing below this folder knows which commands or typing aids exist.
SourceWindowParts buildSourceWindow();

} // namespace orvel
