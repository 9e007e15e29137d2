#include "catalogue/IdentifierDistance.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace talpora::catalogue {

namespace {

char foldCase(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string folded(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = foldCase(c);
    return result;
}

// One bit per letter, digit or other byte (some bytes share a bit) that
// occurs in `text`, ignoring case. The number of bits of one mask missing from
// another never exceeds their edit distance.
std::uint64_t letterMask(std::string_view text)
{
    std::uint64_t mask = 0;
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(foldCase(byte));
        const unsigned bit = c >= 'a' && c <= 'z'   ? c - 'a'
                             : c >= '0' && c <= '9' ? 26 + (c - '0')
                                                    : 36 + c % 28;
        mask |= std::uint64_t(1) << bit;
    }
    return mask;
}

// How often each letter occurs in `text` ignoring case, digits and other
// bytes sharing a few counters; nullopt when a count would not fit a byte.
// Shared counters can only hide differences, so the bag distance taken from
// two such counts never exceeds the edit distance.
std::optional<std::array<std::uint8_t, 32>> letterCounts(std::string_view text)
{
    std::array<std::uint8_t, 32> counts{};
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(foldCase(byte));
        const unsigned slot = c >= 'a' && c <= 'z' ? c - 'a' : 26 + c % 6;
        if (counts[slot] == 255)
            return std::nullopt;
        ++counts[slot];
    }
    return counts;
}

std::size_t sharedLetters(const std::array<std::uint8_t, 32>& a,
                          const std::array<std::uint8_t, 32>& b)
{
    unsigned shared = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        shared += std::min(a[i], b[i]);
    return shared;
}

} // namespace

int compareIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char x = foldCase(a[i]);
        const char y = foldCase(b[i]);
        if (x != y)
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// The larger of "letters of the name not in the query" and "letters of the
// query not in the name", counted as multisets: never more than the edit
// distance, and far cheaper, so most names are ruled out by it alone.
std::size_t NearestNames::bagDistance(std::string_view name)
{
    std::size_t extraInName = 0;
    for (const char c : name) {
        if (--m_letterCounts[static_cast<unsigned char>(foldCase(c))] < 0)
            ++extraInName;
    }
    for (const char c : name)
        ++m_letterCounts[static_cast<unsigned char>(foldCase(c))];
    const std::size_t missingFromName = m_query.size() - (name.size() - extraInName);
    return std::max(extraInName, missingFromName);
}

NearestNames::NearestNames(std::string_view query, std::size_t limit)
    : m_limit(limit), m_maxDistance(std::max<std::size_t>(2, query.size() / 3)),
      m_prefixThatSuggests(std::max<std::size_t>(4, (2 * query.size() + 2) / 3))
{
    m_query.reserve(query.size());
    for (const char c : query)
        m_query += foldCase(c);
    for (const char c : m_query)
        ++m_letterCounts[static_cast<unsigned char>(c)];
}

std::size_t NearestNames::bound() const
{
    return std::min(m_maxDistance, m_cutoff);
}

bool NearestNames::tooFarByLength(std::size_t length) const
{
    const std::size_t gap =
        m_query.size() > length ? m_query.size() - length : length - m_query.size();
    return gap > bound();
}

void NearestNames::consider(std::string_view name)
{
    std::size_t sharedPrefix = 0;
    while (sharedPrefix < m_query.size() && sharedPrefix < name.size() &&
           m_query[sharedPrefix] == foldCase(name[sharedPrefix]))
        ++sharedPrefix;
    if (sharedPrefix == m_query.size() && sharedPrefix == name.size())
        return; // the query itself, in another case
    // A name sharing a long prefix counts at any distance, but no name can
    // push out the `limit` nearest found so far.
    const bool byPrefix = sharedPrefix >= m_prefixThatSuggests;
    const std::size_t bound = byPrefix ? m_cutoff : this->bound();
    if (!byPrefix && (tooFarByLength(name.size()) || bagDistance(name) > bound))
        return;
    m_folded.clear();
    for (const char c : name)
        m_folded += foldCase(c);

    // Optimal string alignment distance over three rolling rows.
    const std::size_t width = m_folded.size() + 1;
    m_rows.assign(3 * width, 0);
    std::size_t* beforePrevious = m_rows.data();
    std::size_t* previous = beforePrevious + width;
    std::size_t* current = previous + width;
    for (std::size_t j = 0; j < width; ++j)
        previous[j] = j;
    // Once two rows in a row exceed the bound, no later cell comes back under it.
    std::size_t previousRowMinimum = 0;
    for (std::size_t i = 1; i <= m_query.size(); ++i) {
        current[0] = i;
        std::size_t rowMinimum = i;
        for (std::size_t j = 1; j < width; ++j) {
            const std::size_t cost = m_query[i - 1] == m_folded[j - 1] ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && m_query[i - 1] == m_folded[j - 2] &&
                m_query[i - 2] == m_folded[j - 1])
                current[j] = std::min(current[j], beforePrevious[j - 2] + 1);
            rowMinimum = std::min(rowMinimum, current[j]);
        }
        if (rowMinimum > bound && previousRowMinimum > bound)
            return;
        previousRowMinimum = rowMinimum;
        std::swap(beforePrevious, previous);
        std::swap(previous, current);
    }
    const std::size_t distance = previous[width - 1];
    if (distance > bound)
        return;
    for (const Candidate& candidate : m_candidates) {
        if (candidate.name == name)
            return;
    }
    m_candidates.push_back({distance, sharedPrefix, name});
    // The `limit`-th smallest distance so far: nothing farther can be shown.
    m_bestDistances.insert(
        std::upper_bound(m_bestDistances.begin(), m_bestDistances.end(), distance), distance);
    if (m_bestDistances.size() > m_limit)
        m_bestDistances.pop_back();
    if (m_limit > 0 && m_bestDistances.size() == m_limit)
        m_cutoff = m_bestDistances.back();
}

std::vector<std::string_view> NearestNames::result()
{
    std::sort(m_candidates.begin(), m_candidates.end(), [](const auto& a, const auto& b) {
        if (a.distance != b.distance)
            return a.distance < b.distance;
        if (a.sharedPrefix != b.sharedPrefix)
            return a.sharedPrefix > b.sharedPrefix;
        return a.name < b.name;
    });
    std::vector<std::string_view> names;
    for (const Candidate& candidate : m_candidates) {
        if (names.size() == m_limit)
            break;
        if (std::find(names.begin(), names.end(), candidate.name) == names.end())
            names.push_back(candidate.name);
    }
    return names;
}

NameSuggestions::NameSuggestions(std::vector<std::string_view> names)
{
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    m_byFoldedName.reserve(names.size());
    for (const std::string_view name : names) {
        if (m_byLength.size() <= name.size())
            m_byLength.resize(name.size() + 1);
        // Identifiers are short; a name too long to count is left out.
        if (const auto counts = letterCounts(name))
            m_byLength[name.size()].push_back({letterMask(name), *counts, name});
        m_byFoldedName.emplace_back(folded(name), name);
    }
    std::sort(m_byFoldedName.begin(), m_byFoldedName.end());
}

std::vector<std::string_view> NameSuggestions::nearest(std::string_view query,
                                                       std::size_t limit) const
{
    NearestNames nearestNames(query, limit);
    const std::string foldedQuery = folded(query);
    const std::size_t prefix = nearestNames.prefixThatSuggests();

    // Names that share a long enough prefix count whatever their distance.
    if (prefix <= foldedQuery.size()) {
        const std::string_view start = std::string_view(foldedQuery).substr(0, prefix);
        auto entry = std::lower_bound(
            m_byFoldedName.begin(), m_byFoldedName.end(), start,
            [](const auto& candidate, std::string_view key) { return candidate.first < key; });
        for (; entry != m_byFoldedName.end() && entry->first.starts_with(start); ++entry)
            nearestNames.consider(entry->second);
    }

    // The others must be within the bound, in length and in the letters they
    // use. Lengths nearest the query's come first: they hold the nearest names
    // most often, and each one found lowers the bound for the rest.
    const std::uint64_t queryLetters = letterMask(query);
    const std::optional<LetterCounts> queryCounts = letterCounts(query);
    const auto scan = [&](std::size_t length) {
        if (length >= m_byLength.size())
            return;
        const std::size_t longer = std::max(length, query.size());
        for (const Name& name : m_byLength[length]) {
            const std::size_t bound = nearestNames.bound();
            if (std::size_t(std::popcount(queryLetters & ~name.letters)) > bound ||
                std::size_t(std::popcount(name.letters & ~queryLetters)) > bound)
                continue;
            if (queryCounts && longer - sharedLetters(*queryCounts, name.counts) > bound)
                continue;
            nearestNames.consider(name.name);
        }
    };
    scan(query.size());
    for (std::size_t gap = 1; !nearestNames.tooFarByLength(query.size() + gap); ++gap) {
        if (gap <= query.size())
            scan(query.size() - gap);
        scan(query.size() + gap);
    }
    return nearestNames.result();
}

} // namespace talpora::catalogue
