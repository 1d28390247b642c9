#pragma once

namespace orvel {

class SourceWindow;

// The form-control commands of the source window (the `former` group and Insert > Form). Each
// acts on the window's document box `Text1`; the command line runs them too.
void formesh_Click(SourceWindow& w);
void Textbox_Click(SourceWindow& w);
void passwords_Click(SourceWindow& w);
void radios_Click(SourceWindow& w);
void Checkbox_Click(SourceWindow& w);
void buttoner_Click(SourceWindow& w);
void Submitter_Click(SourceWindow& w);
void resettor_Click(SourceWindow& w);
void browse_Click(SourceWindow& w);
void textarea_Click(SourceWindow& w);
void fileupload_Click(SourceWindow& w);
void fieldset_Click(SourceWindow& w);
void legend_Click(SourceWindow& w);

} // namespace orvel
