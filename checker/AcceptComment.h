#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talpora::checker {

// The identifiers an accept comment of a customUI part lists,
// "<!-- talpora-cli: accept FileSaveAs, TabMyOwn -->": after "talpora-cli:"
// and "accept", names separated by blanks or commas. nullopt when the comment
// is not of that form (words matched in their exact case).
std::optional<std::vector<std::string>> acceptedByComment(std::string_view comment);

} // namespace talpora::checker
