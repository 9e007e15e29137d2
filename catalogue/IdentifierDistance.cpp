#include "IdentifierDistance.h"

#include <algorithm>

namespace talpora::catalogue {

namespace {

char foldCase(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
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

void NearestNames::consider(std::string_view name)
{
    std::size_t sharedPrefix = 0;
    while (sharedPrefix < m_query.size() && sharedPrefix < name.size() &&
           m_query[sharedPrefix] == foldCase(name[sharedPrefix]))
        ++sharedPrefix;
    if (sharedPrefix == m_query.size() && sharedPrefix == name.size())
        return; // the query itself, in another case
    if (sharedPrefix < m_prefixThatSuggests) {
        const std::size_t lengthGap = m_query.size() > name.size() ? m_query.size() - name.size()
                                                                   : name.size() - m_query.size();
        if (lengthGap > m_maxDistance || bagDistance(name) > m_maxDistance)
            return;
    }
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
    for (std::size_t i = 1; i <= m_query.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j < width; ++j) {
            const std::size_t cost = m_query[i - 1] == m_folded[j - 1] ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && m_query[i - 1] == m_folded[j - 2] &&
                m_query[i - 2] == m_folded[j - 1])
                current[j] = std::min(current[j], beforePrevious[j - 2] + 1);
        }
        std::swap(beforePrevious, previous);
        std::swap(previous, current);
    }
    const std::size_t distance = previous[width - 1];
    if (distance <= m_maxDistance || sharedPrefix >= m_prefixThatSuggests)
        m_candidates.push_back({distance, sharedPrefix, name});
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

} // namespace talpora::catalogue
