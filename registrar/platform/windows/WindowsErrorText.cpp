#include "registrar/platform/windows/WindowsErrorText.h"

#include "registrar/platform/windows/WideText.h"

#include <windows.h>

namespace quillet {

std::string windowsErrorText(unsigned long code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring message(buffer != nullptr ? buffer : L"", length);
    LocalFree(buffer);

    // The system's messages end in a line break.
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n'))
        message.pop_back();
    return toUtf8(message) + " (" + std::to_string(code) + ")";
}

} // namespace quillet
