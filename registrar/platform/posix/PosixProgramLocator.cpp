#include "registrar/platform/posix/PosixProgramLocator.h"

#include <climits>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace quillet {

namespace {

std::string selfExecutable()
{
    std::string path(PATH_MAX, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size())
        return {};
    path.resize(static_cast<std::size_t>(length));
    return path;
}

std::string resolved(const char* path)
{
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(path, nullptr), &std::free);
    return real ? std::string(real.get()) : std::string(path);
}

} // namespace

ProgramLocation locatePosixProgram(const char* argv0)
{
    std::string path = selfExecutable();
    if (path.empty())
        path = resolved(argv0 != nullptr ? argv0 : "");
    return ProgramLocation::fromExecutablePath(path, "/");
}

} // namespace quillet
