#pragma once

#include "commands/Install.h"

#include <memory>

namespace orvel {

class SourceWindow;
class AssistCommands;
class ComposerWindow;
class AidCommands;
class Page;
class PageModes;

// The source window with the command families installed in it. The families are children of the
// window: the pointers hold as long as the window lives.
struct SourceWindowParts {
    std::unique_ptr<SourceWindow> window;
    CommandFamilies commands;
    AssistCommands* assist = nullptr; // the typing aids' Options-menu commands
    AidCommands* aids = nullptr;      // Auto Delete, Smart Correct, the command box, Quick Format
};

// The composition root: builds the source window, installs the command families into it and
// fills its change pass. Nothing below this folder knows which commands or typing aids exist.
SourceWindowParts buildSourceWindow(Page* page = nullptr);

// The whole program: the Composer, and the source window it builds the first time it switches
// to it. The two hand the page to each other through the page's file.
struct Program {
    // The one page both windows show; it outlives them.
    std::unique_ptr<Page> page;
    std::unique_ptr<ComposerWindow> composer;
    SourceWindowParts source;
    std::unique_ptr<PageModes> modes;
    // The source window, built and joined to the Composer on first use when `create` is set.
    SourceWindow* sourceWindow(bool create);
    ~Program();
};
std::unique_ptr<Program> buildProgram();

} // namespace orvel
