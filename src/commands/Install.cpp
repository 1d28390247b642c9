#include "commands/Install.h"

namespace orvel {

void installCommands(SourceWindow& w)
{
    installTagCommands(w);
    installBlockCommands(w);
    installFormCommands(w);
    installFontToolbar(w);
    installDialogOpeners(w);
}

} // namespace orvel
