#include "checker/ApplicationGuess.h"

#include <algorithm>
#include <array>

namespace talpora::checker {

using namespace talpora::catalogue;

std::optional<AssumedApplication> guessApplication(const std::vector<std::string>& names,
                                                   const IdentifierIndex& index,
                                                   VersionSet versions)
{
    std::array<std::size_t, allApplications.size()> known{};
    std::vector<ApplicationSet> knownBy(names.size());
    for (std::size_t n = 0; n < names.size(); ++n) {
        for (const IdentifierRecord* record : index.find(names[n], ApplicationSet::all())) {
            if (record->name == names[n] && record->versions().intersects(versions))
                knownBy[n].bits |= ApplicationSet::only(record->application).bits;
        }
        for (const Application application : allApplications)
            known[static_cast<std::size_t>(application)] += knownBy[n].contains(application);
    }
    const auto best = std::max_element(known.begin(), known.end());
    const auto application = static_cast<Application>(best - known.begin());
    if (*best == 0 || ApplicationSet::documentApplications().contains(application) ||
        std::count(known.begin(), known.end(), *best) > 1)
        return std::nullopt;
    AssumedApplication assumed{application, {}};
    for (std::size_t n = 0; n < names.size() && assumed.evidence.empty(); ++n) {
        if (knownBy[n].contains(application) &&
            (knownBy[n].bits & ApplicationSet::documentApplications().bits) == 0)
            assumed.evidence = names[n];
    }
    return assumed;
}

} // namespace talpora::checker
