#pragma once

#include <QKeySequence>
#include <QString>
#include <span>

namespace orvel {

// One row of the source window's menu tree. Rows come in display order; `parent` names the menu
// a row belongs to (empty for the menu bar). A row with an empty caption is a separator; a row
// that other rows name as their parent is a submenu.
struct MenuEntry {
    const char* parent;
    const char* name;
    const char* caption;
    const char* key = ""; // portable text of the shortcut, "" for none
    bool checkable = false;
    bool checked = false;
};

std::span<const MenuEntry> menuTable();

} // namespace orvel
