#include "commands/Install.h"

namespace orvel {

void installDialogOpeners(SourceWindow&) {}

} // namespace orvel
