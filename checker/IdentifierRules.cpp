#include "checker/IdentifierRules.h"

#include "xml/Utf8View.h"

#include <QStringList>
#include <array>

namespace talpora::checker {

namespace {

using namespace talpora::catalogue;

constexpr std::size_t suggestionCount = 3;
// Answers remembered at most; a file of millions of distinct names must not
// keep them all.
constexpr std::size_t rememberedNames = 100'000;

template <typename Map> void makeRoom(Map& map)
{
    if (map.size() >= rememberedNames)
        map.clear();
}

// customUI elements that are controls and may carry an idMso.
constexpr std::array<std::string_view, 12> controlElements = {
    "button",  "checkBox", "comboBox",     "control", "dropDown",    "dynamicMenu",
    "editBox", "gallery",  "labelControl", "menu",    "splitButton", "toggleButton"};

bool isControlElement(std::string_view name)
{
    return std::find(controlElements.begin(), controlElements.end(), name) != controlElements.end();
}

NameList quotedAlternatives(const std::vector<std::string_view>& names)
{
    NameList list{{}, NameListForm::QuotedAlternatives};
    for (const std::string_view name : names)
        list.names.append(fromUtf8View(name));
    return list;
}

} // namespace

IdentifierRules::IdentifierRules(const IdentifierIndex& index, ApplicationSet applications,
                                 VersionSet versions, bool versionChosen)
    : m_index(index), m_applications(applications), m_versions(versions),
      m_versionChosen(versionChosen)
{}

void IdentifierRules::acceptFromOption(const std::vector<std::string>& names)
{
    m_optionAccepted.insert(names.begin(), names.end());
}

void IdentifierRules::acceptInPart(const std::vector<std::string>& names)
{
    m_partAccepted.insert(names.begin(), names.end());
}

bool IdentifierRules::isAccepted(const std::string& name)
{
    const auto remember = [&](std::vector<std::string>& used) {
        if (m_used.insert(name).second)
            used.push_back(name);
        return true;
    };
    if (m_optionAccepted.contains(name))
        return remember(m_usedFromOption);
    if (m_partAccepted.contains(name))
        return remember(m_usedFromComments);
    return false;
}

IdentifierRules::Kinds IdentifierRules::kindsOf(std::string_view name)
{
    const std::string key(name);
    if ((!m_optionAccepted.empty() || !m_partAccepted.empty()) && isAccepted(key))
        return {true, true, true, true};
    if (const auto found = m_kinds.find(key); found != m_kinds.end())
        return found->second;
    Kinds kinds;
    for (const IdentifierRecord* record : m_index.find(name, m_applications)) {
        if (record->name != name || !record->versions().intersects(m_versions))
            continue;
        kinds.known = true;
        kinds.tab = kinds.tab || record->hasType({"tab"}, m_versions);
        kinds.group = kinds.group || record->hasType({"group"}, m_versions);
        kinds.control = kinds.control ||
                        record->hasType({"button", "checkBox", "comboBox", "control", "dropDown",
                                         "gallery", "labelControl", "menu", "splitButton",
                                         "toggleButton", "button (dialogBoxLauncher)"},
                                        m_versions);
    }
    // Enough names to tell an application by; a file of millions adds nothing.
    if (m_names.size() < rememberedNames)
        m_names.push_back(key);
    makeRoom(m_kinds);
    return m_kinds.emplace(key, kinds).first->second;
}

std::optional<std::vector<FindingHint>> IdentifierRules::unknown(std::string_view name)
{
    if (kindsOf(name).known)
        return std::nullopt;
    const std::string key(name);
    if (const auto found = m_unknownHints.find(key); found != m_unknownHints.end())
        return found->second;
    makeRoom(m_unknownHints);
    return m_unknownHints.emplace(key, unknownHints(name)).first->second;
}

void IdentifierRules::addNotAName(std::vector<FindingHint>& hints)
{
    const bool suggests = !hints.empty() && hints.back().kind == HintKind::DidYouMean;
    hints.insert(suggests ? hints.end() - 1 : hints.end(), {HintKind::NotAName, {}});
}

std::vector<FindingHint> IdentifierRules::unknownHints(std::string_view name)
{
    std::vector<FindingHint> hints;
    for (const Application application : allApplications) {
        if (m_applications.bits == ApplicationSet::only(application).bits)
            hints.push_back(
                {HintKind::OfApplication, {fromUtf8View(applicationName(application))}});
    }
    if (m_assumedFrom)
        hints.push_back(m_assumedFrom->empty()
                            ? FindingHint{HintKind::AssumedFromFile, {}}
                            : FindingHint{HintKind::AssumedFrom, {fromUtf8View(*m_assumedFrom)}});
    if (m_versionChosen)
        hints.push_back({HintKind::InOffice, {QString::fromStdString(versionList(m_versions))}});

    // The same name in another case is what was meant; else the nearest names.
    std::vector<std::string_view> suggestions;
    VersionSet otherVersions;
    for (const IdentifierRecord* record : m_index.find(name, m_applications)) {
        if (record->name == name)
            otherVersions.bits |= record->versions().bits;
        else if (record->versions().intersects(m_versions) &&
                 std::find(suggestions.begin(), suggestions.end(), record->name) ==
                     suggestions.end())
            suggestions.push_back(record->name);
    }
    if (!otherVersions.isEmpty())
        hints.push_back(
            {HintKind::InOtherVersions, {QString::fromStdString(versionList(otherVersions))}});
    if (std::optional<FindingHint> elsewhere = knownElsewhere(name))
        hints.push_back(std::move(*elsewhere));
    if (suggestions.empty()) {
        if (!m_suggestions)
            m_suggestions =
                std::make_unique<NameSuggestions>(m_index.names(m_applications, m_versions));
        suggestions = m_suggestions->nearest(name, suggestionCount);
    }
    if (!suggestions.empty())
        hints.push_back({HintKind::DidYouMean, {quotedAlternatives(suggestions)}});
    return hints;
}

// "known in Outlook; use --app outlook" when applications outside the chosen
// ones know the name in the chosen versions.
std::optional<FindingHint> IdentifierRules::knownElsewhere(std::string_view name)
{
    const ApplicationSet others{
        static_cast<std::uint16_t>(ApplicationSet::all().bits & ~m_applications.bits)};
    NameList names{{}, NameListForm::Series};
    std::optional<Application> first;
    for (const IdentifierRecord* record : m_index.find(name, others)) {
        if (record->name != name || !record->versions().intersects(m_versions))
            continue;
        const QString applicationText = fromUtf8View(applicationName(record->application));
        if (!names.names.contains(applicationText))
            names.names.append(applicationText);
        if (!first)
            first = record->application;
    }
    if (!first)
        return std::nullopt;
    m_sawOtherApplications = true;
    return FindingHint{HintKind::KnownElsewhere,
                       {std::move(names), fromUtf8View(applicationCode(*first))}};
}

std::optional<FindingKind> IdentifierRules::wrongKind(std::string_view name,
                                                      std::string_view elementName)
{
    const Kinds kinds = kindsOf(name);
    if (!kinds.known)
        return std::nullopt;
    if (elementName == "tab" && kinds.group && !kinds.tab)
        return FindingKind::GroupIdentifierOnTab;
    if (elementName == "group" && kinds.tab && !kinds.group)
        return FindingKind::TabIdentifierOnGroup;
    // <control idMso="GroupFont"/> is how a built-in group goes onto the
    // Quick Access Toolbar or into a group of one's own.
    if (isControlElement(elementName) && !kinds.control && (kinds.tab || kinds.group) &&
        !(elementName == "control" && kinds.group))
        return kinds.tab ? FindingKind::TabIdentifierOnControl
                         : FindingKind::GroupIdentifierOnControl;
    return std::nullopt;
}

} // namespace talpora::checker
