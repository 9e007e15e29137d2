#include "IdentifierIndex.h"

#include "IdentifierDistance.h"

#include <QResource>
#include <algorithm>
#include <charconv>

using namespace Qt::StringLiterals;

namespace talpora::catalogue {

namespace {

std::string_view viewOf(const QByteArray& text)
{
    return {text.constData(), static_cast<std::size_t>(text.size())};
}

// Splits `line` at TABs into exactly `fields.size()` fields.
bool splitFields(std::string_view line, std::span<std::string_view> fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t tab = line.find('\t');
        const bool last = i + 1 == fields.size();
        if (last != (tab == std::string_view::npos))
            return false;
        fields[i] = line.substr(0, tab);
        if (!last)
            line.remove_prefix(tab + 1);
    }
    return true;
}

template <typename Number> bool parseNumber(std::string_view text, Number& value, int base = 10)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// Orders records, and finds them, by application and then name ignoring case.
struct ByApplicationAndName
{
    using Key = std::pair<Application, std::string_view>;
    static Key key(const IdentifierRecord& record) { return {record.application, record.name}; }
    static Key key(const Key& key) { return key; }

    template <typename A, typename B> bool operator()(const A& a, const B& b) const
    {
        const auto [applicationA, nameA] = key(a);
        const auto [applicationB, nameB] = key(b);
        if (applicationA != applicationB)
            return applicationA < applicationB;
        return compareIgnoringAsciiCase(nameA, nameB) < 0;
    }
};

struct PendingRecord
{
    Application application;
    std::string_view name;
    std::size_t firstPlacement, placementCount = 0;
    std::size_t firstNode, nodeCount = 0;
};

} // namespace

VersionSet IdentifierRecord::versions() const
{
    VersionSet versions;
    for (const ControlPlacement& placement : placements)
        versions.bits |= placement.versions.bits;
    return versions;
}

bool IdentifierRecord::hasType(std::initializer_list<std::string_view> types,
                               VersionSet versions) const
{
    return std::any_of(placements.begin(), placements.end(), [&](const ControlPlacement& p) {
        return p.versions.intersects(versions) &&
               std::find(types.begin(), types.end(), p.type) != types.end();
    });
}

const IdentifierIndex& IdentifierIndex::builtIn()
{
    static const IdentifierIndex index = [] {
        const QResource resource(u":/identifiers/identifiers.txt"_s);
        QString error;
        std::optional<IdentifierIndex> parsed = parse(resource.uncompressedData(), &error);
        // The text is generated and compiled in; a build that cannot read it
        // is broken, and an empty index would call every identifier unknown.
        if (!parsed)
            qFatal("The compiled-in identifier index is unreadable: %s", qPrintable(error));
        return std::move(*parsed);
    }();
    return index;
}

std::optional<IdentifierIndex> IdentifierIndex::parse(QByteArray text, QString* error)
{
    IdentifierIndex index;
    index.m_text = std::move(text);
    std::string_view rest = viewOf(index.m_text);
    std::vector<std::string_view> places;
    std::vector<PendingRecord> pending;
    // Room for every line up front: growing by copies costs more than the
    // parse itself, and untouched room costs nothing.
    std::size_t lineCount = 0;
    for (std::size_t at = rest.find('\n'); at != std::string_view::npos;
         at = rest.find('\n', at + 1))
        ++lineCount;
    places.reserve(lineCount);
    pending.reserve(lineCount);
    index.m_placements.reserve(lineCount);
    index.m_nodes.reserve(lineCount);
    std::optional<Application> application;
    int lineNumber = 0;
    const auto fail = [&](const char* why) {
        if (error)
            *error = u"line %1: %2"_s.arg(lineNumber).arg(QLatin1StringView(why));
        return std::nullopt;
    };
    while (!rest.empty()) {
        ++lineNumber;
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos)
            return fail("the last line has no line break");
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        const char kind = line.front();
        const std::string_view body = line.size() > 1 && line[1] == '\t' ? line.substr(2) : "";
        if (kind == 'P') {
            places.push_back(body);
        } else if (kind == 'A') {
            const std::size_t tab = body.find('\t');
            application = applicationFromCode(body.substr(0, tab));
            if (!application)
                return fail("unknown application");
            auto& windows = index.m_windows[static_cast<std::size_t>(*application)];
            windows.clear();
            for (std::string_view list = tab == std::string_view::npos ? "" : body.substr(tab + 1);
                 !list.empty();) {
                const std::size_t comma = list.find(',');
                windows.push_back(list.substr(0, comma));
                list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
            }
            if (windows.size() > 32)
                return fail("more windows than a control line can name");
        } else if (kind == 'I') {
            if (!application || body.empty())
                return fail("an identifier outside an application");
            pending.push_back(
                {*application, body, index.m_placements.size(), 0, index.m_nodes.size(), 0});
        } else if (kind == 'C') {
            // An application of several windows adds the set of windows.
            const std::size_t windowCount =
                pending.empty()
                    ? 0
                    : index.m_windows[static_cast<std::size_t>(pending.back().application)].size();
            const bool hasWindows = windowCount != 0;
            std::string_view fields[4];
            std::size_t place = 0;
            VersionSet versions;
            std::uint32_t windows = 0;
            if (pending.empty() || !splitFields(body, std::span(fields, hasWindows ? 4 : 3)) ||
                !parseNumber(fields[1], versions.bits, 16) || !parseNumber(fields[2], place) ||
                place >= places.size() ||
                (hasWindows && (!parseNumber(fields[3], windows, 16) || windows == 0 ||
                                (std::uint64_t{windows} >> windowCount) != 0)))
                return fail("a malformed control line");
            index.m_placements.push_back({fields[0], versions, places[place], windows});
            ++pending.back().placementCount;
        } else if (kind == 'K') {
            std::string_view fields[3];
            CatalogueNode node{};
            if (pending.empty() || !splitFields(body, fields) ||
                !parseNumber(fields[1], node.position) || !parseNumber(fields[2], node.parent))
                return fail("a malformed catalogue line");
            node.area = fields[0];
            index.m_nodes.push_back(node);
            ++pending.back().nodeCount;
        } else {
            return fail("an unknown kind of line");
        }
    }
    index.m_records.reserve(pending.size());
    for (const PendingRecord& p : pending) {
        index.m_records.push_back(
            {p.application, p.name,
             std::span(index.m_placements).subspan(p.firstPlacement, p.placementCount),
             std::span(index.m_nodes).subspan(p.firstNode, p.nodeCount)});
    }
    // The generator writes records in this order already; only other text needs sorting.
    if (!std::is_sorted(index.m_records.begin(), index.m_records.end(), ByApplicationAndName()))
        std::stable_sort(index.m_records.begin(), index.m_records.end(), ByApplicationAndName());
    return index;
}

std::vector<const IdentifierRecord*> IdentifierIndex::find(std::string_view name,
                                                           ApplicationSet applications) const
{
    std::vector<const IdentifierRecord*> found;
    for (const Application application : allApplications) {
        if (!applications.contains(application))
            continue;
        const auto [first, last] =
            std::equal_range(m_records.begin(), m_records.end(),
                             ByApplicationAndName::Key(application, name), ByApplicationAndName());
        for (auto record = first; record != last; ++record)
            found.push_back(&*record);
    }
    return found;
}

std::vector<std::string_view> IdentifierIndex::nearest(std::string_view name,
                                                       ApplicationSet applications,
                                                       VersionSet versions, std::size_t limit) const
{
    NearestNames nearestNames(name, limit);
    for (const IdentifierRecord& record : m_records) {
        if (applications.contains(record.application) && record.versions().intersects(versions))
            nearestNames.consider(record.name);
    }
    return nearestNames.result();
}

IdentifierIndex::NodeAt IdentifierIndex::catalogueNodeAt(Application application,
                                                         std::string_view area,
                                                         std::uint32_t position) const
{
    for (const IdentifierRecord& record : m_records) {
        if (record.application != application)
            continue;
        for (const CatalogueNode& node : record.catalogueNodes) {
            if (node.position == position && node.area == area)
                return {&record, &node};
        }
    }
    return {};
}

} // namespace talpora::catalogue
