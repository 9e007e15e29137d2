#include "registrar/core/ComponentSelection.h"

#include <algorithm>

namespace quillet {

namespace {

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool endsWithIgnoringCase(std::string_view name, std::string_view suffix)
{
    return name.size() >= suffix.size() &&
           equalIgnoringCase(name.substr(name.size() - suffix.size()), suffix);
}

bool isOrdinaryFile(const DirectoryEntry& entry)
{
    return entry.kind == EntryKind::RegularFile && !entry.hidden && !entry.system;
}

} // namespace

std::vector<std::string> selectComponents(const std::vector<DirectoryEntry>& entries,
                                          std::string_view extension, std::string_view ownName)
{
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : entries) {
        if (isOrdinaryFile(entry) && endsWithIgnoringCase(entry.name, extension) &&
            !equalIgnoringCase(entry.name, ownName))
            names.push_back(entry.name);
    }
    return names;
}

} // namespace quillet
