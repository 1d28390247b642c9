#pragma once

namespace orvel {

class SourceWindow;

// Puts the tag commands into the source window: the buttons of its groups, their tooltips and
// hints, and the commands of their menu entries.
void installCommands(SourceWindow& w);

// One installer per command family, each in its own file.
void installTagCommands(SourceWindow& w);   // text-level wrapping (TagCommands.cpp)
void installBlockCommands(SourceWindow& w); // block and structure commands (BlockCommands.cpp)
void installFormCommands(SourceWindow& w);  // form controls (FormCommands.cpp)
void installFontToolbar(SourceWindow& w);   // the font toolbar (FontToolbar.cpp)
// Entries that open the insertion dialogs (DialogOpeners.cpp).
void installDialogOpeners(SourceWindow& w);

} // namespace orvel
