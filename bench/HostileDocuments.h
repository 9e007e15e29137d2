#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace talpora::bench {

// Shapes of input that have frozen or crashed XML viewers: each must load,
// or be refused, in about the time its parse takes.
enum class HostileShape
{
    None,
    ManyAttributes, // 100,000 attributes on one element
    DeepNesting,    // 100,000 levels
    HugeValue,      // one attribute value of 100 MB
    HugeComment,    // one comment of 100 MB
    HugeText,       // 100 MB of text in one element, the yardstick for the two above
    Binary,         // 100 MB of random bytes named .xml
    Sparse          // a 2 GB sparse file: holes read as NUL bytes, no disk used
};

struct HostileSubject
{
    std::string name;
    HostileShape shape;
    std::size_t elements; // what a load must build; 0 when it must be refused
    bool refused;
};

std::vector<HostileSubject> hostileSubjects();

bool writeHostileDocument(HostileShape shape, const std::filesystem::path& path);

} // namespace talpora::bench
