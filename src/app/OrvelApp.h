#pragma once

namespace orvel {

// Starts the program: the application object, the desktop platform and the first window.
int runOrvel(int argc, char** argv);

} // namespace orvel
