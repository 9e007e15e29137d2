#pragma once

#include "registrar/core/CommandRunner.h"

namespace quillet {

// Runs a command line with CreateProcessW, its window hidden, and waits for its exit code.
// The program is the system's own: "<program>.exe" in the system folder, started by its full
// path. It is never searched for, because the program's own folder, where Quillet is copied
// together with components of any origin, would be searched first.
// A command still running when the time limit passes is ended.
class WindowsCommandRunner : public CommandRunner
{
public:
    explicit WindowsCommandRunner(unsigned long timeLimitMilliseconds);

    CommandResult run(const Command& command) override;

private:
    unsigned long timeLimit_;
};

} // namespace quillet
