#pragma once

#include <string>
#include <string_view>

namespace quillet {

// Where the running program lives: its folder (no trailing separator unless it is a root
// such as "/" or "C:\") and its own file name.
struct ProgramLocation
{
    std::string folder;
    std::string fileName;
    // The system's own separator, for paths built in that folder.
    char separator = '/';

    // Splits a full executable path at its last separator, any character of `separators`;
    // the first of them is the system's own.
    static ProgramLocation fromExecutablePath(std::string_view path, std::string_view separators);
};

} // namespace quillet
