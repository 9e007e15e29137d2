#pragma once

namespace talpora::cli {

// Makes stdout and stderr carry talpora-cli's UTF-8 bytes unchanged for the
// life of the object: to a terminal, a console window, a pipe or a file.
class ConsoleStreams
{
public:
    ConsoleStreams();
    ~ConsoleStreams();
    ConsoleStreams(const ConsoleStreams&) = delete;
    ConsoleStreams& operator=(const ConsoleStreams&) = delete;

private:
    unsigned m_previousCodePage = 0;
};

} // namespace talpora::cli
