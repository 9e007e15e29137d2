#pragma once

#include "registrar/core/CommandRunner.h"

#include <chrono>
#include <string>
#include <string_view>

namespace quillet {

// The absolute path of `program` in the folders of `searchPath` (colon-separated), or empty.
// Empty and relative entries are skipped: they name the current folder, which for Quillet is
// the folder of components of any origin, where a stranger's tool may lie.
std::string findOnSearchPath(std::string_view program, std::string_view searchPath);

// Runs a command, looking the program up on the PATH by its lower-case name (Wine installs its
// tools as "regsvr32") before anything else happens, and waits for it to end. A process
// ended by a signal gets the exit code 128 + signal, as a shell reports it. The program runs
// in a process group of its own, which is ended when the time limit passes; and it is ended
// when Quillet itself dies, so that it never outlives the run that started it.
class PosixCommandRunner : public CommandRunner
{
public:
    explicit PosixCommandRunner(std::chrono::milliseconds timeLimit);

    CommandResult run(const Command& command) override;

private:
    std::chrono::milliseconds timeLimit_;
};

} // namespace quillet
