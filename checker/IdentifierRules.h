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
#include <unordered_set>
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

    // Identifiers to take as known, controls of any kind, that Microsoft's
    // lists omit: those of --accept for the whole run, those of the part's
    // comments until the next part begins (enterPart).
    void acceptFromOption(const std::vector<std::string>& names);
    void acceptInPart(const std::vector<std::string>& names);
    void enterPart() { m_partAccepted.clear(); }
    // The accepted identifiers that were asked about, each once, in the order
    // first asked: what the run let through that the lists do not know.
    const std::vector<std::string>& usedFromOption() const { return m_usedFromOption; }
    const std::vector<std::string>& usedFromComments() const { return m_usedFromComments; }

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
    bool isAccepted(const std::string& name);
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
    std::unordered_set<std::string> m_optionAccepted;
    std::unordered_set<std::string> m_partAccepted;
    std::vector<std::string> m_usedFromOption;
    std::vector<std::string> m_usedFromComments;
    std::unordered_set<std::string> m_used; // the names of both lists
};

} // namespace talpora::checker
