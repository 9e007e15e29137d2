#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace talpora::catalogue {

// The four applications whose control identifiers the index knows, in the
// order the index lists them.
enum class Application : std::uint8_t
{
    Access,
    Excel,
    PowerPoint,
    Word
};

inline constexpr std::array<Application, 4> allApplications = {
    Application::Access, Application::Excel, Application::PowerPoint, Application::Word};

// "access", "excel", "powerpoint", "word": the spelling of the index and of --app.
std::string_view applicationCode(Application application);
// "Access", "Excel", "PowerPoint", "Word": the spelling of the catalogue entry names.
std::string_view applicationName(Application application);
// Matches the code ignoring ASCII case; nullopt for anything else.
std::optional<Application> applicationFromCode(std::string_view code);

// A set of applications as bits (1 << Application).
struct ApplicationSet
{
    std::uint8_t bits = 0;

    static constexpr ApplicationSet all() { return {0x0f}; }
    static constexpr ApplicationSet only(Application application)
    {
        return {static_cast<std::uint8_t>(1u << static_cast<unsigned>(application))};
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

// "2013", "2016", "2019" or "365"; nullopt for anything else.
std::optional<VersionSet> versionFromName(std::string_view name);
// The versions in the set, oldest first, joined by "," ("2013,2016,2019,365").
std::string versionList(VersionSet versions);

} // namespace talpora::catalogue
