#pragma once

#include "registrar/core/Command.h"
#include "registrar/core/ProgramLocation.h"
#include "registrar/core/Report.h"

#include <string>

namespace quillet {

// The system's component-registration tool, as named in every command.
inline constexpr const char* registrationTool = "Regsvr32";

// How long one run of the tool may take before the file counts as failed.
inline constexpr int toolTimeLimitSeconds = 60;

// "Regsvr32 /u /s ./" + name, run in the program folder. The name is given as a path in
// that folder, so that a file named "-u.dll" never reads as a switch.
Command unregisterCommand(const ProgramLocation& program, const std::string& name);
// "Regsvr32 /s ./" + name, run in the program folder.
Command registerCommand(const ProgramLocation& program, const std::string& name);

// A name from the file system as it may be shown on one line: control characters are
// written as escapes ("\n", "\x1b"), so that a name cannot forge or hide a report.
std::string visibleName(const std::string& name);

Report registeredReport(const std::string& name);
Report registrationFailedReport(const std::string& name, int exitCode);
Report registrationTimedOutReport(const std::string& name);
Report toolUnavailableReport(const std::string& reason);
Report folderUnreadableReport(const std::string& folder, const std::string& reason);

// What Quillet says when it is given arguments, which it never takes: in
// English whatever the interface's language is, as a program's usage is.
std::string usageText();

} // namespace quillet
