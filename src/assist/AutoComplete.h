#pragma once

#include "editor/TextModel.h"

#include <QString>
#include <functional>
#include <span>

namespace orvel {

// What the Assistant opens for a tag it recognises.
enum class AssistTarget { Hyperlink, Rule, Numbering, Bullets, Image, Table, Row };

// One Assistant row: its question, and whether the typed tag is removed or left selected for
// what it opens.
struct AssistRow {
    AssistTarget target;
    const char16_t* question;
    bool removeTyped;
};

// One check of the pass: when the characters just before the caret are `trigger`, act.
struct CompletionRow {
    enum Kind {
        Insert,   // insert `text`, then the caret `move` characters along (negative: left)
        Keys,     // type `text` into the box as keystrokes, after the pass
        Replace,  // select the `count` characters before the caret, insert `text`, move
        Suggest,  // insert `text`, then select the last `count` characters before the caret
        Assist,   // the Assistant (`assist`)
        Bookmark, // remove the `count` typed characters, then the bookmark command
    };
    const char16_t* trigger;
    Kind kind;
    const char16_t* text = u"";
    int count = 0;
    int move = 0;
    const AssistRow* assist = nullptr;
};

// The checks in the order they run.
std::span<const CompletionRow> completionRows();

// Auto Complete and its Assistant: after a change of the page, finishes the tag being typed
// from the few characters before the caret. Works on the text model alone; what it opens and
// the keystrokes it types go through its hooks.
class AutoComplete {
public:
    struct Hooks {
        // Types `keys` into the page box after the current handler has returned.
        std::function<void(const QString& keys)> typeKeys;
        // Opens the dialog or runs the command the Assistant offers.
        std::function<void(AssistTarget)> open;
        // The bookmark command, and whether there is one: without it the typed anchor stays.
        std::function<void()> bookmark;
        std::function<bool()> canBookmark;
    };

    // `assistOn` true: the Assistant asks before it acts.
    AutoComplete(TextModel& text, const bool& assistOn, Hooks hooks);

    // The checks of one change: nothing within the first characters of the page, then every
    // row in order, each on the text and caret as the rows before it left them.
    void run();

    // The caret must stand past this many characters for anything to be completed.
    static constexpr int kQuietStart = 15;

private:
    void perform(const CompletionRow& row);
    void assist(const CompletionRow& row);
    // Selects the `count` characters before the caret.
    void selectBefore(int count);
    // The characters before the caret the longest trigger needs.
    QString before() const;

    TextModel& m_text;
    const bool& m_assistOn;
    Hooks m_hooks;
};

} // namespace orvel
