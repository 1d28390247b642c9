#include "commands/Install.h"

namespace orvel {

void installTagCommands(SourceWindow&) {}

} // namespace orvel
