#pragma once

#include <string>

namespace quillet {

enum class ReportKind
{
    Registered,           // subject: the file
    RegistrationFailed,   // subject: the file; exitCode: the tool's
    RegistrationTimedOut, // subject: the file; the tool was ended after the time limit
    ToolUnavailable,      // reason: why the tool could not be started
    FolderUnreadable,     // subject: the folder; reason: why it could not be read
    Usage,                // the program was given arguments, which it does not take
};

// What Quillet tells the user about one file or about the run, as data; the
// reporter words it (reportText).
struct Report
{
    ReportKind kind = ReportKind::Registered;
    std::string subject; // a name from the file system, byte for byte
    int exitCode = 0;
    std::string reason; // in the system's words

    bool isFailure() const { return kind != ReportKind::Registered; }
};

} // namespace quillet
