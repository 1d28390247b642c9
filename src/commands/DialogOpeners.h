#pragma once

namespace orvel {

class SourceWindow;

// Commands that preset an insertion dialog and show it without waiting for it to close.
void Images_Click(SourceWindow& w);
void table_Click(SourceWindow& w);
void Row_Click(SourceWindow& w);
void rule_Click(SourceWindow& w);
void object_Click(SourceWindow& w);
void BeginFont_Click(SourceWindow& w);
void btnmorefonts_Click(SourceWindow& w);

} // namespace orvel
