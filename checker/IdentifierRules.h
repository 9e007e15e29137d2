#pragma once

#include "catalogue/IdentifierDistance.h"
#include "catalogue/IdentifierIndex.h"
#include "checker/Finding.h"

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace talpora::checker {

// What the index says about the built-in identifiers a customUI part names,
// for the chosen applications and versions. Remembers the answers for the
// most recent names (a bounded number), so a large part that repeats names
// costs about one search per name.
class IdentifierRules
{
public:
    IdentifierRules(const catalogue::IdentifierIndex& index, catalogue::ApplicationSet applications,
                    catalogue::VersionSet versions, bool versionChosen);

    // True when `name` is an identifier of the applications and versions, in
    // its exact case.
    bool isKnown(std::string_view name) { return kindsOf(name).known; }

    // What to say beside "`name` is not a known identifier" (of Excel, in
    // Office 2013, did you mean ...); nullopt when it is known. Identifiers
    // are matched in their exact case, as Office does.
    std::optional<std::vector<FindingHint>> unknown(std::string_view name);

    // Adds to the hints of an unknown identifier that the value is not even a
    // name, as the schema wants it, before what may have been meant.
    static void addNotAName(std::vector<FindingHint>& hints);

    // The single application of the rules was assumed from the file's
    // identifiers, `evidence` among them (may be empty); findings say so.
    void setAssumed(std::string evidence) { m_assumedFrom = std::move(evidence); }

    // The names asked about so far, each once, in the order first asked.
    const std::vector<std::string>& names() const { return m_names; }
    // Whether a name unknown to the chosen applications is known to another.
    bool sawOtherApplications() const { return m_sawOtherApplications; }

    // Why a known identifier does not fit the element (a group's identifier on
    // a tab, ...), a finding that takes the identifier; nullopt when it fits
    // or the element is not a tab, a group or a control.
    std::optional<FindingKind> wrongKind(std::string_view name, std::string_view elementName);

private:
    struct Kinds
    {
        bool known = false;
        bool tab = false;
        bool group = false;
        bool control = false;
    };

    Kinds kindsOf(std::string_view name);
    std::vector<FindingHint> unknownHints(std::string_view name);
    std::optional<FindingHint> knownElsewhere(std::string_view name);

    const catalogue::IdentifierIndex& m_index;
    catalogue::ApplicationSet m_applications;
    catalogue::VersionSet m_versions;
    bool m_versionChosen;
    std::optional<std::string> m_assumedFrom;
    std::vector<std::string> m_names;
    bool m_sawOtherApplications = false;
    std::unordered_map<std::string, Kinds> m_kinds;
    std::unordered_map<std::string, std::vector<FindingHint>> m_unknownHints;
    std::unique_ptr<catalogue::NameSuggestions> m_suggestions; // made on the first unknown name
};

} // namespace talpora::checker
