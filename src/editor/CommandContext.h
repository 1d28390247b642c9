#pragma once

class QWidget;

namespace orvel {

class Page;
class TextBox;

// What a command works on: the page's text in its box (the text model, with the box's focus), the
// page itself, and the window its dialogs belong to. A command that needs no more of the source
// window than this takes this; messages and questions go through the platform.
struct CommandContext {
    QWidget* window = nullptr;
    TextBox* text = nullptr;
    Page* page = nullptr;
};

} // namespace orvel
