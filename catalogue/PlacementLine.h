#pragma once

#include "catalogue/OfficeTargets.h"

#include <string>
#include <string_view>

namespace talpora::catalogue {

// Where Office places a built-in control, as one line of `talpora-cli
// lookup`: "control", the application's code, the identifier, the control
// type, the versions, then the place, after "<window> window: " in an
// application of several windows; fields separated by tabs.
std::string placementLine(Application application, std::string_view identifier,
                          std::string_view type, VersionSet versions, std::string_view window,
                          std::string_view place);

} // namespace talpora::catalogue
