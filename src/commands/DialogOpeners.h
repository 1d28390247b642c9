#pragma once

#include "editor/CommandContext.h"

namespace orvel {

// Openers that preset an insertion dialog and show it without waiting for it to close. The
// handlers of the same names in the command families (BlockCommands, FormCommands, FontToolbar) run
// these; this file is the one place that creates the dialogs.
void Images_Click(const CommandContext& c);
void table_Click(const CommandContext& c);
void Row_Click(const CommandContext& c);
void rule_Click(const CommandContext& c);
void object_Click(const CommandContext& c);
void InsertHead_Click(const CommandContext& c);
void linker_Click(const CommandContext& c);
void Mail_Click(const CommandContext& c);
void BeginFont_Click(const CommandContext& c);
void btnmorefonts_Click(const CommandContext& c);
void numberings_Click(const CommandContext& c);
void Bullet_Click(const CommandContext& c);
void selecter_Click(const CommandContext& c);
void puller_Click(const CommandContext& c);

} // namespace orvel
