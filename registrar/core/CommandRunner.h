#pragma once

#include "registrar/core/Command.h"

#include <string>

namespace quillet {

// The outcome of running a command to its end. False when it could not be started at all.
struct CommandResult
{
    int exitCode = 0;
    // Why the command could not be started, in the system's words. It leaves out the
    // program's name, which the report already gives.
    std::string error;
    // It did not end within the runner's time limit and was ended.
    bool timedOut = false;

    explicit operator bool() const { return error.empty(); }
};

class CommandRunner
{
public:
    virtual ~CommandRunner() = default;

    // Starts the command without a visible window and waits for it to end, at most for the
    // runner's time limit.
    virtual CommandResult run(const Command& command) = 0;
};

} // namespace quillet
