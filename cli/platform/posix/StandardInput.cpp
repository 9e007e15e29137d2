#include "cli/platform/StandardInput.h"

#include <sys/stat.h>

namespace talpora::cli {

InputNature standardInputNature(std::FILE* in)
{
    struct stat status
    {};
    if (::fstat(fileno(in), &status) != 0)
        return {};
    if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode))
        return {true, std::nullopt};
    if (!S_ISREG(status.st_mode))
        return {};
    const off_t at = ftello(in);
    const off_t left = at >= 0 && at < status.st_size ? status.st_size - at : 0;
    return {true, static_cast<std::uint64_t>(left)};
}

} // namespace talpora::cli
