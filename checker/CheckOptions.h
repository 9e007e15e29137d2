#pragma once

#include "catalogue/OfficeTargets.h"

#include <optional>
#include <string>
#include <vector>

namespace talpora::checker {

// Which applications and versions an identifier must be known in.
struct CheckOptions
{
    // None: the package's main part or the file extension decides; for a
    // loose customUI file its identifiers when they point to an application
    // other than Access, Excel, PowerPoint and Word; else any of those four.
    std::optional<catalogue::Application> application;
    catalogue::VersionSet versions = catalogue::VersionSet::all();
    // Identifiers to take as known, of any kind, though the lists lack them.
    std::vector<std::string> accepted;
};

} // namespace talpora::checker
