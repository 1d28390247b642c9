#pragma once

namespace orvel {

class SourceWindow;

// Openers that preset an insertion dialog and show it without waiting for it to close. The
// handlers of the same names in the command families (BlockCommands, FormCommands, FontToolbar) run
// these; this file is the one place that creates the dialogs.
void Images_Click(SourceWindow& w);
void table_Click(SourceWindow& w);
void Row_Click(SourceWindow& w);
void rule_Click(SourceWindow& w);
void object_Click(SourceWindow& w);
void InsertHead_Click(SourceWindow& w);
void linker_Click(SourceWindow& w);
void Mail_Click(SourceWindow& w);
void BeginFont_Click(SourceWindow& w);
void btnmorefonts_Click(SourceWindow& w);
void numberings_Click(SourceWindow& w);
void Bullet_Click(SourceWindow& w);
void selecter_Click(SourceWindow& w);
void puller_Click(SourceWindow& w);

} // namespace orvel
