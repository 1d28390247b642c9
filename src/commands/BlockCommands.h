#pragma once

namespace orvel {

class SourceWindow;

// Block and structure commands of the source window. The Assistant and the command line run
// some of them directly.

// Alignment: one shared two-click state for all four buttons (`alignFirst`).
void left_Click(SourceWindow& w);
void right_Click(SourceWindow& w);
void centre_Click(SourceWindow& w);
void justify_Click(SourceWindow& w);

void P_Click(SourceWindow& w);
void Points_Click(SourceWindow& w);

// Typed into `Text1` as keystrokes, so the typing aids see them as typed.
void linebreaka_Click(SourceWindow& w);
void wbreaka_Click(SourceWindow& w);
void nobra_Click(SourceWindow& w);

void Column_Click(SourceWindow& w);
void header_Click(SourceWindow& w);
void applet_Click(SourceWindow& w);
void framz_Click(SourceWindow& w);

// A file picked in the window's common dialog.
void sound_Click(SourceWindow& w);
void music_Click(SourceWindow& w);
void clipper_Click(SourceWindow& w);

// The link whose mouse action is chosen in `Combo4`.
void insert_Click(SourceWindow& w);

} // namespace orvel
