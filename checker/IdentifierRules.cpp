#include "checker/IdentifierRules.h"

#include "xml/Utf8View.h"

#include <QStringList>
#include <array>

using namespace Qt::StringLiterals;

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

QString quoted(std::string_view text)
{
    return u'"' + fromUtf8View(text) + u'"';
}

// "A", "A" or "B", "A", "B" or "C"
QString alternatives(const std::vector<std::string_view>& names)
{
    QString text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? u" or "_s : u", "_s;
        text += quoted(names[i]);
    }
    return text;
}

} // namespace

IdentifierRules::IdentifierRules(const IdentifierIndex& index, ApplicationSet applications,
                                 VersionSet versions, bool versionChosen)
    : m_index(index), m_applications(applications), m_versions(versions),
      m_versionChosen(versionChosen)
{}

IdentifierRules::Kinds IdentifierRules::kindsOf(std::string_view name)
{
    const std::string key(name);
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

std::optional<QString> IdentifierRules::unknown(std::string_view name)
{
    if (kindsOf(name).known)
        return std::nullopt;
    const std::string key(name);
    if (const auto found = m_unknownMessages.find(key); found != m_unknownMessages.end())
        return found->second;
    makeRoom(m_unknownMessages);
    return m_unknownMessages.emplace(key, unknownMessage(name)).first->second;
}

QString IdentifierRules::unknownMessage(std::string_view name)
{
    QString message = quoted(name) + u" is not a known identifier"_s;
    for (const Application application : allApplications) {
        if (m_applications.bits == ApplicationSet::only(application).bits)
            message += u" of "_s + fromUtf8View(applicationName(application));
    }
    if (m_assumedFrom)
        message += m_assumedFrom->empty() ? u" (assumed from the file's identifiers)"_s
                                          : u" (assumed from "_s + quoted(*m_assumedFrom) + u')';
    if (m_versionChosen)
        message += u" in Office "_s + QString::fromStdString(versionList(m_versions));

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
        message += u" (it is in "_s + QString::fromStdString(versionList(otherVersions)) + u')';
    message += knownElsewhere(name);
    if (suggestions.empty()) {
        if (!m_suggestions)
            m_suggestions =
                std::make_unique<NameSuggestions>(m_index.names(m_applications, m_versions));
        suggestions = m_suggestions->nearest(name, suggestionCount);
    }
    if (!suggestions.empty())
        message += u"; did you mean "_s + alternatives(suggestions) + u'?';
    return message;
}

// "; known in Outlook; use --app outlook" when applications outside the
// chosen ones know the name in the chosen versions; else empty.
QString IdentifierRules::knownElsewhere(std::string_view name)
{
    const ApplicationSet others{
        static_cast<std::uint16_t>(ApplicationSet::all().bits & ~m_applications.bits)};
    QStringList names;
    std::optional<Application> first;
    for (const IdentifierRecord* record : m_index.find(name, others)) {
        if (record->name != name || !record->versions().intersects(m_versions))
            continue;
        const QString applicationText = fromUtf8View(applicationName(record->application));
        if (!names.contains(applicationText))
            names.append(applicationText);
        if (!first)
            first = record->application;
    }
    if (!first)
        return {};
    m_sawOtherApplications = true;
    return u"; known in %1; use --app %2"_s.arg(names.join(u", "_s),
                                                fromUtf8View(applicationCode(*first)));
}

std::optional<QString> IdentifierRules::wrongKind(std::string_view name,
                                                  std::string_view elementName)
{
    const Kinds kinds = kindsOf(name);
    if (!kinds.known)
        return std::nullopt;
    QString kind;
    if (elementName == "tab" && kinds.group && !kinds.tab)
        kind = u"a group"_s;
    else if (elementName == "group" && kinds.tab && !kinds.group)
        kind = u"a tab"_s;
    else if (isControlElement(elementName) && !kinds.control && (kinds.tab || kinds.group) &&
             !(elementName == "control" && kinds.group))
        // <control idMso="GroupFont"/> is how a built-in group goes onto the
        // Quick Access Toolbar or into a group of one's own.
        kind = kinds.tab ? u"a tab"_s : u"a group"_s;
    if (kind.isEmpty())
        return std::nullopt;
    return quoted(name) + u" is the identifier of "_s + kind + u", not of a "_s +
           (isControlElement(elementName) ? u"control"_s : fromUtf8View(elementName));
}

} // namespace talpora::checker
