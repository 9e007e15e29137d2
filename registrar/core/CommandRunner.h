#pragma once

#include "Command.h"

#include <string>

namespace quillet {

// The outcome of running a command to its end. False when it could not be started at all.
struct CommandResult
{
    int exitCode = 0;
    std::string error;

    explicit operator bool() const { return error.empty(); }
};

class CommandRunner
{
public:
    virtual ~CommandRunner() = default;

    // Starts the command without a visible window and waits for it to end.
    virtual CommandResult run(const Command& command) = 0;
};

} // namespace quillet
