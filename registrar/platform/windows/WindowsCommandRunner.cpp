#include "WindowsCommandRunner.h"

#include "WideText.h"
#include "WindowsErrorText.h"

#include <windows.h>

namespace quillet {

namespace {

CommandResult failure(const std::string& program)
{
    return {0, program + ": " + windowsErrorText(GetLastError())};
}

} // namespace

CommandResult WindowsCommandRunner::run(const Command& command)
{
    std::wstring line = toWide(command.text());
    const std::wstring folder = toWide(command.workingDirectory);

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return failure(command.program);
    CloseHandle(process.hThread);

    CommandResult result;
    DWORD exitCode = 0;
    if (WaitForSingleObject(process.hProcess, INFINITE) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process.hProcess, &exitCode))
        result = failure(command.program);
    else
        result.exitCode = static_cast<int>(exitCode);
    CloseHandle(process.hProcess);
    return result;
}

} // namespace quillet
