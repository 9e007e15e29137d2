#pragma once

#include <string>

namespace quillet {

enum class ReportKind
{
    Registered,
    RegistrationFailed,
    ToolUnavailable,
    FolderUnreadable,
};

struct Report
{
    ReportKind kind = ReportKind::Registered;
    std::string text;

    bool isFailure() const { return kind != ReportKind::Registered; }
};

} // namespace quillet
