#include "assist/CommandLine.h"

#include "commands/BlockCommands.h"
#include "commands/FontToolbar.h"
#include "commands/FormCommands.h"
#include "commands/Install.h"
#include "commands/TagCommands.h"

namespace orvel {

namespace {

using F = const CommandFamilies&;

// clang-format off
const CommandCode kCodes[] = {
    {"vuxbtn", "button", [](F f) { f.forms->buttoner_Click(); }},
    {"vuxtxt", "textbox", [](F f) { f.forms->Textbox_Click(); }},
    {"vuxsbm", "submit", [](F f) { f.forms->Submitter_Click(); }},
    {"vuxres", "reset", [](F f) { f.forms->resettor_Click(); }},
    {"vuxtxa", "textarea", [](F f) { f.forms->textarea_Click(); }},
    {"vuxpas", "password", [](F f) { f.forms->passwords_Click(); }},
    {"vuxchk", "checkbox", [](F f) { f.forms->Checkbox_Click(); }},
    {"vuxrad", "radio", [](F f) { f.forms->radios_Click(); }},
    {"vuxfil", "browse", [](F f) { f.forms->browse_Click(); }},
    {"vuxpul", "pull down list", [](F f) { f.forms->puller_Click(); }},
    {"vuxlst", "list box", [](F f) { f.forms->selecter_Click(); }},
    {"vuxfld", "fieldset", [](F f) { f.forms->fieldset_Click(); }},
    {"vuxleg", "legend", [](F f) { f.forms->legend_Click(); }},
    {"vuxfrm", "form", [](F f) { f.forms->formesh_Click(); }},
    {"vuxbld", "bold", [](F f) { f.tags->bold_Click(); }},
    {"vuxita", "italics", [](F f) { f.tags->italic_Click(); }},
    {"vuxund", "underline", [](F f) { f.tags->underline_Click(); }},
    {"vuxtbl", "table", [](F f) { f.blocks->table_Click(); }},
    {"vuxrow", "inserting table row", [](F f) { f.blocks->Row_Click(); }},
    {"vuxsnd", "sound", [](F f) { f.blocks->sound_Click(); }},
    {"vuxsup", "superscript", [](F f) { f.tags->sup_Click(); }},
    {"vuxsub", "subscript", [](F f) { f.tags->Subs_Click(); }},
    {"vuxlnk", "hyperlinks", [](F f) { f.blocks->linker_Click(); }},
    {"vuxnum", "numbering", [](F f) { f.blocks->numberings_Click(); }},
    {"vuxbul", "bullets", [](F f) { f.blocks->Bullet_Click(); }},
    {"vuxfnt", "font", [](F f) { f.fonts->BeginFont_Click(); }},
    {"vuxbig", "big", [](F f) { f.tags->big_Click(); }},
    {"vuxsml", "small", [](F f) { f.tags->small_Click(); }},
    {"vuxquo", "quotes", [](F f) { f.tags->quote_Click(); }},
    {"vuxpar", "paragraph", [](F f) { f.blocks->P_Click(); }},
    {"vuxcmt", "comment", [](F f) { f.tags->comment_Click(); }},
    {"vuxstr", "strike", [](F f) { f.tags->strike_Click(); }},
};
// clang-format on

} // namespace

std::span<const CommandCode> commandCodes()
{
    return kCodes;
}

} // namespace orvel
