#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace talpora::catalogue {

// The applications whose control identifiers the index knows, in the order
// the index lists them. The first four also have catalogue documents.
enum class Application : std::uint8_t
{
    Access,
    Excel,
    PowerPoint,
    Word,
    Outlook,
    OneNote,
    Project,
    Publisher,
    Visio,
    InfoPath,
    SharePointDesigner
};

inline constexpr std::array<Application, 11> allApplications = {Application::Access,
                                                                Application::Excel,
                                                                Application::PowerPoint,
                                                                Application::Word,
                                                                Application::Outlook,
                                                                Application::OneNote,
                                                                Application::Project,
                                                                Application::Publisher,
                                                                Application::Visio,
                                                                Application::InfoPath,
                                                                Application::SharePointDesigner};

// "access", "excel", ..., "sharepointdesigner": the spelling of the index and of --app.
std::string_view applicationCode(Application application);
// "Access", "Excel", ..., "SharePoint Designer": the spelling of the catalogue
// entry names and of messages.
std::string_view applicationName(Application application);

// Matches the code ignoring ASCII case; nullopt for anything else.
std::optional<Application> applicationFromCode(std::string_view code);

// A set of applications as bits (1 << Application).
struct ApplicationSet
{
    std::uint16_t bits = 0;

    static constexpr ApplicationSet all() { return {(1u << allApplications.size()) - 1}; }
    // Access, Excel, PowerPoint and Word: what a customUI file is checked
    // against when nothing names its application.
    static constexpr ApplicationSet documentApplications() { return {0x0f}; }
    static constexpr ApplicationSet only(Application application)
    {
        return {static_cast<std::uint16_t>(1u << static_cast<unsigned>(application))};
    }
    constexpr bool contains(Application application) const
    {
        return (bits & only(application).bits) != 0;
    }
};

// Office versions as the bits of the index: 2013, 2016, 2019, Microsoft 365.
struct VersionSet
{
    std::uint8_t bits = 0;

    static constexpr int count = 4;
    static constexpr VersionSet all() { return {0x0f}; }
    constexpr bool intersects(VersionSet other) const { return (bits & other.bits) != 0; }
    constexpr bool isEmpty() const { return bits == 0; }
};

// The versions' names, in the order of their bits: oldest first.
inline constexpr std::array<std::string_view, VersionSet::count> versionNames = {"2013", "2016",
                                                                                 "2019", "365"};

// "2013", "2016", "2019" or "365"; nullopt for anything else.
std::optional<VersionSet> versionFromName(std::string_view name);
// The versions in the set, oldest first, joined by "," ("2013,2016,2019,365").
std::string versionList(VersionSet versions);

} // namespace talpora::catalogue
