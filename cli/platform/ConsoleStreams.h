#pragma once

#include <cstdio>
#include <string_view>

namespace talpora::cli {

// Makes stdout and stderr carry talpora-cli's UTF-8 unchanged for the life of
// the object: to a terminal, a console window, a pipe or a file.
class ConsoleStreams
{
public:
    ConsoleStreams();
    ~ConsoleStreams();
    ConsoleStreams(const ConsoleStreams&) = delete;
    ConsoleStreams& operator=(const ConsoleStreams&) = delete;
};

// Writes UTF-8 text to `stream`: as characters to a console window, as the
// bytes themselves anywhere else.
void writeUtf8(std::FILE* stream, std::string_view utf8);

} // namespace talpora::cli
