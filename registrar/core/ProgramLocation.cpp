#include "registrar/core/ProgramLocation.h"

namespace quillet {

namespace {

bool isRoot(std::string_view folder, std::string_view separators)
{
    if (folder.size() == 1)
        return true;
    // A drive root: "C:\".
    return folder.size() == 3 && folder[1] == ':' &&
           separators.find(folder[2]) != std::string_view::npos;
}

} // namespace

ProgramLocation ProgramLocation::fromExecutablePath(std::string_view path,
                                                    std::string_view separators)
{
    const std::size_t last = path.find_last_of(separators);
    const char separator = separators.empty() ? '/' : separators.front();
    if (last == std::string_view::npos)
        return {".", std::string(path), separator};

    std::string_view folder = path.substr(0, last + 1);
    if (!isRoot(folder, separators))
        folder.remove_suffix(1);
    return {std::string(folder), std::string(path.substr(last + 1)), separator};
}

} // namespace quillet
