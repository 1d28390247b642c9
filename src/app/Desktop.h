#pragma once

#include <QPalette>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvel {

class ComposerWindow;
class SourceWindow;

// The browser engine's sandbox does not run for root, and the engine then ends the program while
// it starts. For root (`userId` 0) the sandbox is switched off through the environment the engine
// reads when it starts; returns the line to print on standard error about it, "" when nothing was
// changed (another user, or the environment asks for it already).
QString allowEngineWithoutSandbox(unsigned userId);

// The page named on the command line (`arguments` without the program's name): the first argument
// that is not an option, as an absolute path, relative ones taken from `workingDirectory`; a
// file: URL stands for its path. "" when there is none.
QString pageArgument(const QStringList& arguments, const QString& workingDirectory);

// The first working window comes up: the Composer, shown and active, on the page named on the
// command line ("" for none) as File > Open would open it; a page that cannot be read leaves the
// Composer empty, after File > Open's message.
void showFirstWindow(ComposerWindow& composer, const QString& page);

// The palette ORVEL_PALETTE names ("dark" or "light"), for trying the program under either
// without changing the desktop; none for another value.
std::optional<QPalette> paletteNamed(const QString& name);

// Files dropped on either window open as File > Open opens the chosen file, after the same
// question about unsaved edits. Text dragged within a window is left to the window.
void openDroppedFiles(ComposerWindow& composer);
void openDroppedFiles(SourceWindow& source);

} // namespace orvel
