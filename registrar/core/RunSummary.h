#pragma once

namespace quillet {

enum class ExitStatus
{
    AllRegistered = 0,
    SomeFailed = 1,
    Aborted = 2,
};

struct RunSummary
{
    int registered = 0;
    int failed = 0;
    // The tool could not be started or the folder could not be read; later files were left.
    bool aborted = false;

    ExitStatus exitStatus() const
    {
        if (aborted)
            return ExitStatus::Aborted;
        return failed > 0 ? ExitStatus::SomeFailed : ExitStatus::AllRegistered;
    }
    int exitCode() const { return static_cast<int>(exitStatus()); }
};

} // namespace quillet
