#pragma once

#include "catalogue/IdentifierIndex.h"

#include <optional>
#include <string>
#include <vector>

namespace talpora::checker {

// The application a loose customUI file was written for, when its identifiers
// say so: one application outside Access, Excel, PowerPoint and Word knows
// more of them than any other does. Otherwise nullopt, and the file is checked
// against those four as before.
struct AssumedApplication
{
    catalogue::Application application;
    std::string evidence; // the first name that none of the four knows; may be empty
};
std::optional<AssumedApplication> guessApplication(const std::vector<std::string>& names,
                                                   const catalogue::IdentifierIndex& index,
                                                   catalogue::VersionSet versions);

} // namespace talpora::checker
