#pragma once

#include <QString>
#include <span>

class QToolButton;
class QWidget;

namespace orvel {

class SourceWindow;

// What a tag button shows of itself: its tooltip, its hint on the `helper` line, and its picture
// (a theme icon where the desktop has one, else the glyph).
struct TagButtonTip {
    const char* name;
    const char* tooltip;
    const char* hint;
    const char* theme;
    const char* glyph;
};

// Every picture button of the text-level and the block commands, by objectName.
std::span<const TagButtonTip> tagButtonTips();
const TagButtonTip* tagButtonTip(const QString& name);

// A new picture button `name` in `group`, dressed from the table.
QToolButton* addTagButton(SourceWindow& w, QWidget* group, const char* name);
// Dresses a button the window made itself (bold, italic, underline, insert).
void dressTagButton(SourceWindow& w, QToolButton* button);

} // namespace orvel
