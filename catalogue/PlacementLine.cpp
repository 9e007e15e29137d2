#include "catalogue/PlacementLine.h"

namespace talpora::catalogue {

std::string placementLine(Application application, std::string_view identifier,
                          std::string_view type, VersionSet versions, std::string_view window,
                          std::string_view place)
{
    std::string line = "control\t";
    line.append(applicationCode(application)).append("\t").append(identifier);
    line.append("\t").append(type).append("\t");
    line.append(versionList(versions)).append("\t");
    if (!window.empty())
        line.append(window).append(" window: ");
    return line.append(place);
}

} // namespace talpora::catalogue
