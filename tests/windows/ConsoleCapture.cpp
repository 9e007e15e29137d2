// Runs a program in a console window of its own and writes what the window
// then shows, row by row with trailing blanks removed, as UTF-8 to a file: a
// test sees the characters a user would read, not the bytes the program wrote.
// Usage: console_capture <output file> <program> [arguments...]
// Exits with the program's exit status, or 125 when it cannot run it.
#include <cstdio>
#include <string>
#include <windows.h>

namespace {

std::wstring quoted(const wchar_t* argument)
{
    std::wstring text = L"\"";
    for (const wchar_t* c = argument; *c; ++c) {
        if (*c == L'"')
            text += L'\\';
        text += *c;
    }
    return text + L"\"";
}

std::string utf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

int cannot(const char* what)
{
    std::fprintf(stderr, "console_capture: %s failed (error %lu)\n", what, GetLastError());
    return 125;
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc < 3) {
        std::fputs("usage: console_capture <output file> <program> [arguments...]\n", stderr);
        return 125;
    }
    std::FILE* output = _wfopen(argv[1], L"wb");
    if (!output)
        return cannot("opening the output file");
    FreeConsole();
    if (!AllocConsole())
        return cannot("AllocConsole");
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    const HANDLE screen =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inheritable, OPEN_EXISTING, 0, nullptr);
    if (screen == INVALID_HANDLE_VALUE)
        return cannot("opening CONOUT$");

    std::wstring commandLine = quoted(argv[2]);
    for (int i = 3; i < argc; ++i)
        commandLine += L" " + quoted(argv[i]);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = screen;
    startup.hStdError = screen;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return cannot("CreateProcessW");
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 125;
    GetExitCodeProcess(process.hProcess, &status);

    CONSOLE_SCREEN_BUFFER_INFO screenInfo{};
    if (!GetConsoleScreenBufferInfo(screen, &screenInfo))
        return cannot("GetConsoleScreenBufferInfo");
    for (SHORT row = 0; row <= screenInfo.dwCursorPosition.Y; ++row) {
        std::wstring text(static_cast<std::size_t>(screenInfo.dwSize.X), L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen, text.data(), static_cast<DWORD>(text.size()),
                                    COORD{0, row}, &read);
        text.resize(read);
        text.erase(text.find_last_not_of(L' ') + 1);
        std::fprintf(output, "%s\n", utf8(text).c_str());
    }
    std::fclose(output);
    return static_cast<int>(status);
}
