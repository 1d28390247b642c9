#pragma once

#include "editor/CommandContext.h"

#include <QObject>

namespace orvel {

class SourceWindow;
class TextBox;

// Text-level tag commands of the source window: toggles, wrappers, empty blocks and the prompted
// ones. Each acts on the selection of `Text1` and leaves the caret after what it inserted; the
// buttons, the menu entries and the command line run these. No state of their own.
class TagCommands : public QObject {
    Q_OBJECT
public:
    // Installs the family's buttons and menu entries in `w`, whose child it becomes.
    explicit TagCommands(SourceWindow& w);

    // Two-way toggles.
    void bold_Click();
    void italic_Click();
    void underline_Click();

    // Wrap the selection (or insert the empty pair at the caret).
    void sup_Click();
    void Subs_Click();
    void highlight_Click();
    void big_Click();
    void small_Click();
    void strike_Click();
    void Abbr_Click();
    void code_Click();
    void KBD_Click();
    void quote_Click();
    void strong_Click();
    void emphasis_Click();
    void address_Click();
    void tt_Click();
    void Pre_Click();

    // Replace the selection with an empty block.
    void style_Click();
    void script_Click();

    // Ask for their text.
    void blink_Click();
    void marquee_Click();
    void comment_Click();
    void defn_Click();
    void mnurectbox_Click();

private:
    TextBox& text() const;

    CommandContext m_context;
};

} // namespace orvel
