#include "ConsoleStreams.h"

namespace talpora::cli {

// POSIX streams pass bytes through as they are.
ConsoleStreams::ConsoleStreams() = default;
ConsoleStreams::~ConsoleStreams() = default;

} // namespace talpora::cli
