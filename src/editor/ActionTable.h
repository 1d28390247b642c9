#pragma once

#include <QString>
#include <functional>
#include <span>
#include <type_traits>

namespace orvel {

class SourceWindow;

// One row of a command family's action table: the picture button and the menu entry that run
// the command, where the button goes, what it shows of itself, and the handler. A command is one
// row; the installer makes or finds the button, dresses it, and joins both controls to the
// handler, which runs as one undo step.
template <class Family> struct Action {
    const char* button;  // objectName of the picture button; "" when only the menu runs it
    const char* menu;    // objectName of the menu entry; "" when only the button runs it
    const char* group;   // objectName of the group the button goes into; "" when it exists already
    const char* tooltip; // "" for none
    const char* hint;    // on the `helper` line while the pointer is over the button; "" for none
    const char* theme;   // the picture's freedesktop icon name, where one fits; "" for none
    const char* picture; // the program's own drawing otherwise (resources/pictures/<picture>.svg)
    void (Family::*handler)(); // null: the button stays disabled until its command exists
};

// What the installer keeps of a row, for the window and its tests.
struct InstalledAction {
    QString button, menu, group, tooltip, hint, theme, picture;
    bool hasHandler = false;
};

// Installs one row with `run` as its handler (empty: disabled). Faults (a named control, group or
// entry that does not exist) are collected in the window's `actionFaults()`.
void installAction(SourceWindow& w, const InstalledAction& row, std::function<void()> run);

// Installs a family's table; `family` must outlive the window's controls (a child of the window).
template <class Family>
void installActions(SourceWindow& w, Family& family,
                    std::type_identity_t<std::span<const Action<Family>>> rows)
{
    for (const Action<Family>& a : rows) {
        std::function<void()> run;
        if (a.handler)
            run = [&family, h = a.handler] { (family.*h)(); };
        installAction(w,
                      {QString::fromUtf8(a.button), QString::fromUtf8(a.menu),
                       QString::fromUtf8(a.group), QString::fromUtf8(a.tooltip),
                       QString::fromUtf8(a.hint), QString::fromUtf8(a.theme),
                       QString::fromUtf8(a.picture), a.handler != nullptr},
                      std::move(run));
    }
}

} // namespace orvel
