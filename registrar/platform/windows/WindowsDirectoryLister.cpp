#include "registrar/platform/windows/WindowsDirectoryLister.h"

#include "registrar/platform/windows/WideText.h"
#include "registrar/platform/windows/WindowsErrorText.h"

#include <windows.h>

namespace quillet {

namespace {

std::wstring everythingIn(const std::string& folder)
{
    std::wstring pattern = toWide(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/')
        pattern += L'\\';
    return pattern + L'*';
}

DirectoryEntry entryOf(const WIN32_FIND_DATAW& data)
{
    const DWORD attributes = data.dwFileAttributes;
    return {toUtf8(data.cFileName),
            (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EntryKind::Directory
                                                         : EntryKind::RegularFile,
            (attributes & FILE_ATTRIBUTE_HIDDEN) != 0, (attributes & FILE_ATTRIBUTE_SYSTEM) != 0};
}

bool isDotEntry(const wchar_t* name)
{
    return std::wstring_view(name) == L"." || std::wstring_view(name) == L"..";
}

} // namespace

Listing WindowsDirectoryLister::list(const std::string& folder)
{
    Listing listing;
    WIN32_FIND_DATAW data = {};
    const HANDLE find = FindFirstFileExW(everythingIn(folder).c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code != ERROR_FILE_NOT_FOUND)
            listing.error = windowsErrorText(code);
        return listing;
    }

    do {
        if (!isDotEntry(data.cFileName))
            listing.entries.push_back(entryOf(data));
    } while (FindNextFileW(find, &data));
    const DWORD code = GetLastError();
    FindClose(find);
    if (code != ERROR_NO_MORE_FILES)
        listing.error = windowsErrorText(code);
    return listing;
}

} // namespace quillet
