#include "commands/Install.h"

namespace orvel {

void installFontToolbar(SourceWindow&) {}

} // namespace orvel
