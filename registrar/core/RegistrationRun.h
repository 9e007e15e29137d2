#pragma once

#include "registrar/core/CommandRunner.h"
#include "registrar/core/DirectoryLister.h"
#include "registrar/core/ProgramLocation.h"
#include "registrar/core/Reporter.h"
#include "registrar/core/RunSummary.h"

#include <string>
#include <string_view>

namespace quillet {

// One pass over the ".ocx" files and then one over the ".dll" files of the program folder:
// each file is unregistered, registered and reported in turn.
class RegistrationRun
{
public:
    RegistrationRun(DirectoryLister& lister, CommandRunner& runner, Reporter& reporter);

    RunSummary run(const ProgramLocation& program);

private:
    // False when the run has to stop.
    bool registerExtension(const ProgramLocation& program, std::string_view extension,
                           RunSummary& summary);
    bool registerFile(const ProgramLocation& program, const std::string& name, RunSummary& summary);
    // Runs a command; when it cannot be started at all, says so and returns false.
    bool runOrReport(const Command& command, CommandResult& result);

    DirectoryLister& lister_;
    CommandRunner& runner_;
    Reporter& reporter_;
};

} // namespace quillet
