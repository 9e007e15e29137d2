#include "catalogue/OfficeTargets.h"

#include "catalogue/IdentifierDistance.h"

#include <string>

namespace talpora::catalogue {

namespace {

constexpr std::array<std::string_view, allApplications.size()> codes = {
    "access",  "excel",     "powerpoint", "word",     "outlook",           "onenote",
    "project", "publisher", "visio",      "infopath", "sharepointdesigner"};
constexpr std::array<std::string_view, allApplications.size()> names = {"Access",
                                                                        "Excel",
                                                                        "PowerPoint",
                                                                        "Word",
                                                                        "Outlook",
                                                                        "OneNote",
                                                                        "Project",
                                                                        "Publisher",
                                                                        "Visio",
                                                                        "InfoPath",
                                                                        "SharePoint Designer"};

} // namespace

std::string_view applicationCode(Application application)
{
    return codes[static_cast<std::size_t>(application)];
}

std::string_view applicationName(Application application)
{
    return names[static_cast<std::size_t>(application)];
}

std::optional<Application> applicationFromCode(std::string_view code)
{
    for (const Application application : allApplications) {
        if (compareIgnoringAsciiCase(code, applicationCode(application)) == 0)
            return application;
    }
    return std::nullopt;
}

std::optional<VersionSet> versionFromName(std::string_view name)
{
    for (std::size_t bit = 0; bit < versionNames.size(); ++bit) {
        if (name == versionNames[bit])
            return VersionSet{static_cast<std::uint8_t>(1u << bit)};
    }
    return std::nullopt;
}

std::string versionList(VersionSet versions)
{
    std::string list;
    for (std::size_t bit = 0; bit < versionNames.size(); ++bit) {
        if ((versions.bits & (1u << bit)) == 0)
            continue;
        if (!list.empty())
            list += ',';
        list += versionNames[bit];
    }
    return list;
}

} // namespace talpora::catalogue
