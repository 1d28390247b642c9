#pragma once

namespace orvel {

class SourceWindow;

// Text-level tag commands of the source window. Each acts on the selection of `Text1` and leaves
// the caret after what it inserted; the menu entries and the command line run these too.

// Two-way toggles.
void bold_Click(SourceWindow& w);
void italic_Click(SourceWindow& w);
void underline_Click(SourceWindow& w);

// Wrap the selection (or insert the empty pair at the caret).
void sup_Click(SourceWindow& w);
void Subs_Click(SourceWindow& w);
void highlight_Click(SourceWindow& w);
void big_Click(SourceWindow& w);
void small_Click(SourceWindow& w);
void strike_Click(SourceWindow& w);
void Abbr_Click(SourceWindow& w);
void code_Click(SourceWindow& w);
void KBD_Click(SourceWindow& w);
void quote_Click(SourceWindow& w);
void strong_Click(SourceWindow& w);
void emphasis_Click(SourceWindow& w);
void address_Click(SourceWindow& w);
void tt_Click(SourceWindow& w);
void Pre_Click(SourceWindow& w);

// Replace the selection with an empty block.
void style_Click(SourceWindow& w);
void script_Click(SourceWindow& w);

// Ask for their text.
void blink_Click(SourceWindow& w);
void marquee_Click(SourceWindow& w);
void comment_Click(SourceWindow& w);
void defn_Click(SourceWindow& w);
void mnurectbox_Click(SourceWindow& w);

} // namespace orvel
