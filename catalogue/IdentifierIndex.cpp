#include "catalogue/IdentifierIndex.h"

#include "catalogue/IdentifierDistance.h"

#include <QResource>
#include <algorithm>
#include <charconv>
#include <mutex>

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

// Orders an application's records, and finds them, by name ignoring case.
struct ByName
{
    static std::string_view key(const IdentifierRecord& record) { return record.name; }
    static std::string_view key(std::string_view name) { return name; }

    template <typename A, typename B> bool operator()(const A& a, const B& b) const
    {
        return compareIgnoringAsciiCase(key(a), key(b)) < 0;
    }
};

struct PendingRecord
{
    std::string_view name;
    std::size_t firstPlacement, placementCount = 0;
    std::size_t firstNode, nodeCount = 0;
};

// Cuts the next line off `rest`; false when `rest` has no line break left.
bool takeLine(std::string_view& rest, std::string_view& line)
{
    const std::size_t end = rest.find('\n');
    if (end == std::string_view::npos)
        return false;
    line = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return true;
}

std::string_view bodyOf(std::string_view line)
{
    return line.size() > 1 && line[1] == '\t' ? line.substr(2) : "";
}

std::size_t lineCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1))
        ++count;
    return count;
}

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

// One application's lines and, once asked for, the records parsed from them.
struct IdentifierIndex::Section
{
    std::string_view lines; // after its "A" line
    std::size_t firstLineNumber = 0;
    std::once_flag parsing;
    QString error; // why the lines did not parse; empty when they did
    std::vector<ControlPlacement> placements;
    std::vector<CatalogueNode> nodes;
    std::vector<IdentifierRecord> records; // by name ignoring case

    void parse(Application application, std::span<const std::string_view> places,
               std::size_t windowCount);
};

void IdentifierIndex::Section::parse(Application application,
                                     std::span<const std::string_view> places,
                                     std::size_t windowCount)
{
    std::string_view rest = lines;
    std::vector<PendingRecord> pending;
    // Room for every line up front: growing by copies costs more than the
    // parse itself, and untouched room costs nothing.
    const std::size_t count = lineCount(rest);
    pending.reserve(count);
    placements.reserve(count);
    nodes.reserve(count);
    std::size_t lineNumber = firstLineNumber - 1;
    const auto fail = [&](const char* why) {
        error = u"line %1: %2"_s.arg(lineNumber).arg(QLatin1StringView(why));
        placements.clear();
        nodes.clear();
    };
    for (std::string_view line; takeLine(rest, line);) {
        ++lineNumber;
        const std::string_view body = bodyOf(line);
        if (line.empty() || line.front() == '#' || line.front() == 'P') {
            continue;
        } else if (line.front() == 'I') {
            if (body.empty())
                return fail("an identifier without a name");
            pending.push_back({body, placements.size(), 0, nodes.size(), 0});
        } else if (line.front() == 'C') {
            // An application of several windows adds the set of windows.
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
            placements.push_back({fields[0], versions, places[place], windows});
            ++pending.back().placementCount;
        } else if (line.front() == 'K') {
            std::string_view fields[3];
            CatalogueNode node{};
            if (pending.empty() || !splitFields(body, fields) ||
                !parseNumber(fields[1], node.position) || !parseNumber(fields[2], node.parent))
                return fail("a malformed catalogue line");
            node.area = fields[0];
            nodes.push_back(node);
            ++pending.back().nodeCount;
        } else {
            return fail("an unknown kind of line");
        }
    }
    records.reserve(pending.size());
    for (const PendingRecord& p : pending) {
        records.push_back({application, p.name,
                           std::span(placements).subspan(p.firstPlacement, p.placementCount),
                           std::span(nodes).subspan(p.firstNode, p.nodeCount)});
    }
    // The generator writes records in this order already; only other text needs sorting.
    if (!std::is_sorted(records.begin(), records.end(), ByName()))
        std::stable_sort(records.begin(), records.end(), ByName());
}

IdentifierIndex::IdentifierIndex()
    : m_sections(std::make_unique<std::array<Section, allApplications.size()>>())
{}
IdentifierIndex::IdentifierIndex(IdentifierIndex&&) noexcept = default;
IdentifierIndex& IdentifierIndex::operator=(IdentifierIndex&&) noexcept = default;
IdentifierIndex::~IdentifierIndex() = default;

const IdentifierIndex& IdentifierIndex::builtIn()
{
    static const IdentifierIndex index = [] {
        const QResource resource(u":/identifiers/identifiers.txt"_s);
        QString error;
        std::optional<IdentifierIndex> found = split(resource.uncompressedData(), &error);
        // The text is generated and compiled in; a build that cannot read it
        // is broken, and an empty index would call every identifier unknown.
        if (!found)
            qFatal("The compiled-in identifier index is unreadable: %s", qPrintable(error));
        return std::move(*found);
    }();
    return index;
}

std::optional<IdentifierIndex> IdentifierIndex::parse(QByteArray text, QString* error)
{
    std::optional<IdentifierIndex> index = split(std::move(text), error);
    for (std::size_t i = 0; index && i < allApplications.size(); ++i) {
        const Section& section = index->parsedSection(allApplications[i]);
        if (!section.error.isEmpty()) {
            if (error)
                *error = section.error;
            return std::nullopt;
        }
    }
    return index;
}

std::optional<IdentifierIndex> IdentifierIndex::split(QByteArray text, QString* error)
{
    IdentifierIndex index;
    index.m_text = std::move(text);
    std::string_view rest = viewOf(index.m_text);
    Section* section = nullptr;
    std::size_t lineNumber = 0;
    const auto fail = [&](const char* why) {
        if (error)
            *error = u"line %1: %2"_s.arg(lineNumber).arg(QLatin1StringView(why));
        return std::nullopt;
    };
    const auto endSection = [&](std::string_view next) {
        if (section)
            section->lines = section->lines.substr(0, next.data() - section->lines.data());
    };
    for (std::string_view line; !rest.empty();) {
        ++lineNumber;
        if (!takeLine(rest, line))
            return fail("the last line has no line break");
        if (line.empty())
            continue;
        if (line.front() == 'P') {
            index.m_places.push_back(bodyOf(line));
        } else if (line.front() == 'A') {
            const std::string_view body = bodyOf(line);
            const std::size_t tab = body.find('\t');
            const std::optional<Application> application = applicationFromCode(body.substr(0, tab));
            if (!application)
                return fail("unknown application");
            endSection(line);
            section = &(*index.m_sections)[static_cast<std::size_t>(*application)];
            if (!section->lines.empty())
                return fail("an application listed twice");
            section->lines = rest;
            section->firstLineNumber = lineNumber + 1;
            auto& windows = index.m_windows[static_cast<std::size_t>(*application)];
            for (std::string_view list = tab == std::string_view::npos ? "" : body.substr(tab + 1);
                 !list.empty();) {
                const std::size_t comma = list.find(',');
                windows.push_back(list.substr(0, comma));
                list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
            }
            if (windows.size() > 32)
                return fail("more windows than a control line can name");
        } else if (!section && line.front() != '#') {
            return fail("an identifier outside an application");
        }
    }
    endSection(rest);
    return index;
}

const IdentifierIndex::Section& IdentifierIndex::parsedSection(Application application) const
{
    Section& section = (*m_sections)[static_cast<std::size_t>(application)];
    std::call_once(section.parsing, [&] {
        section.parse(application, m_places,
                      m_windows[static_cast<std::size_t>(application)].size());
    });
    return section;
}

std::span<const IdentifierRecord> IdentifierIndex::records(Application application) const
{
    const Section& section = parsedSection(application);
    // Only the built-in index is parsed piecemeal, and its text is tested whole.
    if (!section.error.isEmpty())
        qFatal("The identifier index is unreadable: %s", qPrintable(section.error));
    return section.records;
}

std::vector<const IdentifierRecord*> IdentifierIndex::find(std::string_view name,
                                                           ApplicationSet applications) const
{
    std::vector<const IdentifierRecord*> found;
    for (const Application application : allApplications) {
        if (!applications.contains(application))
            continue;
        const std::span<const IdentifierRecord> candidates = records(application);
        const auto [first, last] =
            std::equal_range(candidates.begin(), candidates.end(), name, ByName());
        for (auto record = first; record != last; ++record)
            found.push_back(&*record);
    }
    return found;
}

std::vector<std::string_view> IdentifierIndex::names(ApplicationSet applications,
                                                     VersionSet versions) const
{
    std::vector<std::string_view> names;
    for (const Application application : allApplications) {
        if (!applications.contains(application))
            continue;
        for (const IdentifierRecord& record : records(application)) {
            if (record.versions().intersects(versions))
                names.push_back(record.name);
        }
    }
    return names;
}

IdentifierIndex::NodeAt IdentifierIndex::catalogueNodeAt(Application application,
                                                         std::string_view area,
                                                         std::uint32_t position) const
{
    for (const IdentifierRecord& record : records(application)) {
        for (const CatalogueNode& node : record.catalogueNodes) {
            if (node.position == position && node.area == area)
                return {&record, &node};
        }
    }
    return {};
}

} // namespace talpora::catalogue
