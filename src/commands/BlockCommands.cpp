#include "commands/Install.h"

namespace orvel {

void installBlockCommands(SourceWindow&) {}

} // namespace orvel
