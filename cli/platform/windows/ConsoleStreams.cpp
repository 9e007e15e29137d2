#include "ConsoleStreams.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace talpora::cli {

namespace {

bool isConsole(std::FILE* stream)
{
    DWORD mode = 0;
    return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))), &mode) != 0;
}

} // namespace

ConsoleStreams::ConsoleStreams()
{
    // No "\n" to "\r\n" translation: redirected output is byte for byte what
    // the program writes on every platform.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // A console window shows the UTF-8 bytes as text once its output code page
    // says so; the window's own page comes back when the program ends.
    if (isConsole(stdout) || isConsole(stderr)) {
        m_previousCodePage = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
    }
}

ConsoleStreams::~ConsoleStreams()
{
    std::fflush(stdout);
    std::fflush(stderr);
    if (m_previousCodePage != 0)
        SetConsoleOutputCP(m_previousCodePage);
}

} // namespace talpora::cli
