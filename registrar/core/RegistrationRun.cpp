#include "registrar/core/RegistrationRun.h"

#include "registrar/core/ComponentSelection.h"
#include "registrar/core/RegistrationTexts.h"

namespace quillet {

RegistrationRun::RegistrationRun(DirectoryLister& lister, CommandRunner& runner, Reporter& reporter)
    : lister_(lister), runner_(runner), reporter_(reporter)
{}

RunSummary RegistrationRun::run(const ProgramLocation& program)
{
    RunSummary summary;
    for (const std::string_view extension : {".ocx", ".dll"}) {
        if (!registerExtension(program, extension, summary)) {
            summary.aborted = true;
            break;
        }
    }
    return summary;
}

bool RegistrationRun::registerExtension(const ProgramLocation& program, std::string_view extension,
                                        RunSummary& summary)
{
    const Listing listing = lister_.list(program.folder);
    if (!listing) {
        reporter_.show(folderUnreadableReport(program.folder, listing.error));
        return false;
    }
    for (const std::string& name : selectComponents(listing.entries, extension, program.fileName)) {
        if (!registerFile(program, name, summary))
            return false;
    }
    return true;
}

bool RegistrationRun::registerFile(const ProgramLocation& program, const std::string& name,
                                   RunSummary& summary)
{
    // A file that was never registered fails to unregister; that is expected and not reported.
    CommandResult unregistered;
    if (!runOrReport(unregisterCommand(program, name), unregistered))
        return false;

    CommandResult registered;
    if (!unregistered.timedOut && !runOrReport(registerCommand(program, name), registered))
        return false;

    if (unregistered.timedOut || registered.timedOut) {
        ++summary.failed;
        reporter_.show(registrationTimedOutReport(name));
    } else if (registered.exitCode == 0) {
        ++summary.registered;
        reporter_.show(registeredReport(name));
    } else {
        ++summary.failed;
        reporter_.show(registrationFailedReport(name, registered.exitCode));
    }
    return true;
}

bool RegistrationRun::runOrReport(const Command& command, CommandResult& result)
{
    result = runner_.run(command);
    if (!result)
        reporter_.show(toolUnavailableReport(result.error));
    return static_cast<bool>(result);
}

} // namespace quillet
