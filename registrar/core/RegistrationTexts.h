#pragma once

#include "Command.h"
#include "Report.h"

#include <string>

namespace quillet {

// The system's component-registration tool, as named in every command.
inline constexpr const char* registrationTool = "Regsvr32";

// "Regsvr32 /u /s " + name, run in the program folder.
Command unregisterCommand(const std::string& folder, const std::string& name);
// "Regsvr32 /s " + name, run in the program folder.
Command registerCommand(const std::string& folder, const std::string& name);

Report registeredReport(const std::string& name);
Report registrationFailedReport(const std::string& name, int exitCode);
Report toolUnavailableReport(const std::string& reason);
Report folderUnreadableReport(const std::string& folder, const std::string& reason);

} // namespace quillet
