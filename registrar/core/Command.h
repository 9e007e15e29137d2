#pragma once

#include <string>
#include <vector>

namespace quillet {

// A program with its arguments, started in a given folder.
struct Command
{
    std::string program;
    std::vector<std::string> arguments;
    std::string workingDirectory;

    // The command as one line, each argument quoted the way the Windows C runtime splits it
    // again; an argument without blanks or quotes is written as it is.
    std::string text() const;
};

// Quotes one argument so that CommandLineToArgvW and the C runtime read it back unchanged.
std::string quoteArgument(const std::string& argument);

} // namespace quillet
