#pragma once

#include "OfficeTargets.h"

#include <optional>

namespace talpora::checker {

// Which applications and versions an identifier must be known in.
struct CheckOptions
{
    // None: the package's main part or the file extension decides, else any
    // of the four applications.
    std::optional<catalogue::Application> application;
    catalogue::VersionSet versions = catalogue::VersionSet::all();
};

} // namespace talpora::checker
