#include "commands/Install.h"

namespace orvel {

void installFormCommands(SourceWindow&) {}

} // namespace orvel
