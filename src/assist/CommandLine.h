#pragma once

#include <QString>
#include <span>

namespace orvel {

struct CommandFamilies;

// The command box: six-letter codes, each standing for one toolbar command.
struct CommandCode {
    const char* code; // lower case, "vux" and three letters
    const char* help; // what the help window says the code is for
    void (*run)(const CommandFamilies& families);
};

// The 32 codes, in the order the box compares them.
std::span<const CommandCode> commandCodes();

} // namespace orvel
