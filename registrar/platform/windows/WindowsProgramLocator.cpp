#include "registrar/platform/windows/WindowsProgramLocator.h"

#include "registrar/platform/windows/WideText.h"

#include <windows.h>

namespace quillet {

ProgramLocation locateWindowsProgram()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        // A full buffer means the path was cut short: try again with more room.
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return ProgramLocation::fromExecutablePath(toUtf8(path), "\\/");
}

} // namespace quillet
