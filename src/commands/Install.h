#pragma once

namespace orvel {

class SourceWindow;
class TagCommands;
class BlockCommands;
class FormCommands;
class FontToolbar;
class EditCommands;
class CheckCommands;

// The command families of one source window. Each is a child of the window and dies with it; the
// typing aids and the command box run their handlers through these.
struct CommandFamilies {
    TagCommands* tags = nullptr;     // text-level wrapping (TagCommands.cpp)
    BlockCommands* blocks = nullptr; // block and structure commands (BlockCommands.cpp)
    FormCommands* forms = nullptr;   // form controls (FormCommands.cpp)
    FontToolbar* fonts = nullptr;    // the font toolbar (FontToolbar.cpp)
    EditCommands* edits = nullptr;   // find, transforms, bookmarks, restore, clipboard
    CheckCommands* check = nullptr;  // Check Page (CheckCommands.cpp)
};

// Creates the families in `w`; each installs its action table: its buttons in the window's
// groups, their tooltips, hints and pictures, and the commands of its buttons and menu entries.
CommandFamilies installCommands(SourceWindow& w);

} // namespace orvel
