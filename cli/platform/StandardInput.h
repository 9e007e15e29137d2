#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>

namespace talpora::cli {

// What standard input is connected to, as far as reading a document goes.
struct InputNature
{
    // A regular file, a pipe or a socket: a document can come from it. A
    // terminal or another device (/dev/zero, NUL) is refused before reading.
    bool document = false;
    // For a regular file, the bytes left to read.
    std::optional<std::uint64_t> size;
};

InputNature standardInputNature(std::FILE* in);

} // namespace talpora::cli
