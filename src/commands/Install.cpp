#include "commands/Install.h"

#include "commands/BlockCommands.h"
#include "commands/CheckCommands.h"
#include "commands/EditCommands.h"
#include "commands/FontToolbar.h"
#include "commands/FormCommands.h"
#include "commands/TagCommands.h"

namespace orvel {

CommandFamilies installCommands(SourceWindow& w)
{
    // Two groups take buttons of two families (`extras`, `special`): the tag commands' come first.
    CommandFamilies families;
    families.tags = new TagCommands(w);
    families.blocks = new BlockCommands(w);
    families.forms = new FormCommands(w);
    families.fonts = new FontToolbar(w);
    families.edits = new EditCommands(w);
    families.check = new CheckCommands(w);
    return families;
}

} // namespace orvel
