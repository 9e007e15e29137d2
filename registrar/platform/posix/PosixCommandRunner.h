#pragma once

#include "CommandRunner.h"

namespace quillet {

// Runs a command with posix_spawnp, looking the program up on the PATH by its lower-case
// name (Wine installs its tools as "regsvr32"), and waits for it to end. A process ended by a
// signal gets the exit code 128 + signal, as a shell reports it.
class PosixCommandRunner : public CommandRunner
{
public:
    CommandResult run(const Command& command) override;
};

} // namespace quillet
