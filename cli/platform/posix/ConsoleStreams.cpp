#include "cli/platform/ConsoleStreams.h"

namespace talpora::cli {

// POSIX streams pass bytes through as they are; a terminal decodes them.
ConsoleStreams::ConsoleStreams() = default;
ConsoleStreams::~ConsoleStreams() = default;

void writeUtf8(std::FILE* stream, std::string_view utf8)
{
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

} // namespace talpora::cli
