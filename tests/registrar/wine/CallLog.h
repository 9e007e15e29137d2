#pragma once

// Shared by the helper programs of the Wine test: each appends one line per call to a log
// file beside its own executable or DLL.
#include <string>
#include <windows.h>

namespace calllog {

// The full path of `module` (nullptr: the running executable).
inline std::wstring modulePath(HMODULE module)
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

inline std::wstring folderOf(const std::wstring& path)
{
    return path.substr(0, path.find_last_of(L"\\/"));
}

inline std::wstring fileNameOf(const std::wstring& path)
{
    return path.substr(path.find_last_of(L"\\/") + 1);
}

inline std::wstring currentDirectory()
{
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    return folder;
}

// Appends `line` and a line break, in UTF-8, to the file `logPath`.
inline void append(const std::wstring& logPath, const std::wstring& line)
{
    const std::wstring text = line + L"\n";
    const int size = static_cast<int>(text.size());
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size,
                                                                  nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()),
                        nullptr, nullptr);

    const HANDLE log = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(log, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(log);
}

} // namespace calllog
