#pragma once

#include <string>
#include <vector>

namespace quillet {

enum class EntryKind
{
    RegularFile,
    Directory,
    Other,
};

// One entry of a folder as the platform reports it; names are UTF-8.
struct DirectoryEntry
{
    std::string name;
    EntryKind kind = EntryKind::RegularFile;
    bool hidden = false;
    bool system = false;
};

struct Listing
{
    std::vector<DirectoryEntry> entries;
    std::string error;

    explicit operator bool() const { return error.empty(); }
};

} // namespace quillet
