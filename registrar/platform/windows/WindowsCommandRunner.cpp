#include "registrar/platform/windows/WindowsCommandRunner.h"

#include "registrar/platform/windows/WideText.h"
#include "registrar/platform/windows/WindowsErrorText.h"

#include <windows.h>

namespace quillet {

namespace {

CommandResult failure()
{
    return {0, windowsErrorText(GetLastError())};
}

// "<system folder>\<program>.exe", or empty when the system folder is unknown.
std::wstring systemProgramPath(const std::string& program)
{
    std::wstring folder(GetSystemDirectoryW(nullptr, 0), L'\0');
    if (folder.empty())
        return {};
    folder.resize(GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size())));
    return folder + L'\\' + toWide(program) + L".exe";
}

} // namespace

WindowsCommandRunner::WindowsCommandRunner(unsigned long timeLimitMilliseconds)
    : timeLimit_(timeLimitMilliseconds)
{}

CommandResult WindowsCommandRunner::run(const Command& command)
{
    const std::wstring program = systemProgramPath(command.program);
    if (program.empty())
        return failure();
    std::wstring line = toWide(command.text());
    const std::wstring folder = toWide(command.workingDirectory);

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return failure();
    CloseHandle(process.hThread);

    CommandResult result;
    DWORD exitCode = 0;
    const DWORD waited = WaitForSingleObject(process.hProcess, timeLimit_);
    if (waited == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
        result.timedOut = true;
    } else if (waited != WAIT_OBJECT_0 || !GetExitCodeProcess(process.hProcess, &exitCode))
        result = failure();
    else
        result.exitCode = static_cast<int>(exitCode);
    CloseHandle(process.hProcess);
    return result;
}

} // namespace quillet
