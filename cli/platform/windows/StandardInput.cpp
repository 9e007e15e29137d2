#include "cli/platform/StandardInput.h"

#include <io.h>
#include <windows.h>

namespace talpora::cli {

InputNature standardInputNature(std::FILE* in)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(in)));
    switch (GetFileType(handle)) {
    case FILE_TYPE_PIPE:
        return {true, std::nullopt};
    case FILE_TYPE_DISK: {
        LARGE_INTEGER size{};
        const long long at = _ftelli64(in);
        if (!GetFileSizeEx(handle, &size) || at < 0)
            return {true, std::nullopt};
        return {true, static_cast<std::uint64_t>(at < size.QuadPart ? size.QuadPart - at : 0)};
    }
    default: // a console, NUL or another device
        return {};
    }
}

} // namespace talpora::cli
