#include "cli/platform/ConsoleStreams.h"

#include <QString>
#include <algorithm>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace talpora::cli {

namespace {

HANDLE handleOf(std::FILE* stream)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
}

bool isConsole(std::FILE* stream)
{
    DWORD mode = 0;
    return GetConsoleMode(handleOf(stream), &mode) != 0;
}

bool writesToConsole(std::FILE* stream)
{
    static const bool outIsConsole = isConsole(stdout);
    static const bool errIsConsole = isConsole(stderr);
    return (stream == stdout && outIsConsole) || (stream == stderr && errIsConsole);
}

// A console window decodes the bytes of each write with its own code page, and
// the C runtime hands it multi-byte characters cut apart: Chinese shows as
// garbage. Characters given as UTF-16 show as they are, in any code page.
void writeToConsole(std::FILE* stream, std::string_view utf8)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    // What the runtime still holds for the stream goes first, in order.
    std::fflush(stream);
    const HANDLE console = handleOf(stream);
    // Older consoles refuse very long writes; pieces never split a surrogate pair.
    constexpr qsizetype piece = 8192;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype count = std::min(piece, text.size() - at);
        if (at + count < text.size() && text.at(at + count - 1).isHighSurrogate())
            --count;
        DWORD written = 0;
        if (!WriteConsoleW(console, text.utf16() + at, static_cast<DWORD>(count), &written,
                           nullptr) ||
            written == 0) {
            // The stream then says whether the rest got through.
            const QByteArray rest = text.sliced(at).toUtf8();
            std::fwrite(rest.constData(), 1, static_cast<std::size_t>(rest.size()), stream);
            return;
        }
        at += written;
    }
}

} // namespace

ConsoleStreams::ConsoleStreams()
{
    // No "\n" to "\r\n" translation: redirected output is byte for byte what
    // the program writes on every platform. Standard input the same way: a
    // package read through "-" holds bytes such as 0x1A (end of text in text
    // mode) and CR LF pairs that must reach the reader as they are.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    // The C runtime leaves a stream unbuffered when it is any character
    // device, NUL included, and then writes it a byte at a time. Everything
    // but a console gets a buffer; standard error is flushed after each
    // message (writeUtf8), so that its lines still come when they are said.
    for (std::FILE* stream : {stdout, stderr}) {
        if (!isConsole(stream))
            std::setvbuf(stream, nullptr, _IOFBF, 1 << 16);
    }
}

ConsoleStreams::~ConsoleStreams()
{
    std::fflush(stdout);
    std::fflush(stderr);
}

void writeUtf8(std::FILE* stream, std::string_view utf8)
{
    if (writesToConsole(stream)) {
        writeToConsole(stream, utf8);
        return;
    }
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
    if (stream == stderr)
        std::fflush(stream);
}

} // namespace talpora::cli
