#pragma once

#include <string>

namespace quillet {

enum class ReportKind
{
    Registered,
    RegistrationFailed,
    ToolUnavailable,
    FolderUnreadable,
    Usage, // the program was given arguments, which it does not take
};

struct Report
{
    ReportKind kind = ReportKind::Registered;
    std::string text;

    bool isFailure() const { return kind != ReportKind::Registered; }
};

} // namespace quillet
