#pragma once

#include "CommandRunner.h"

namespace quillet {

// Runs a command line with CreateProcessW, its window hidden, and waits for its exit code.
// The program is found the way CreateProcessW searches for it.
class WindowsCommandRunner : public CommandRunner
{
public:
    CommandResult run(const Command& command) override;
};

} // namespace quillet
