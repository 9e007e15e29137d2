#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace talpora::catalogue {

// <0, 0, >0 like std::string_view::compare, with ASCII letters folded to lower case.
int compareIgnoringAsciiCase(std::string_view a, std::string_view b);

// Collects the names nearest to a misspelt identifier: smallest edit distance
// ignoring case (a swap of two neighbours counts as one edit), then the
// longest shared prefix, then name order. A name counts as plausible when its
// distance is at most a third of the query's length (at least 2) or when it
// shares the first four or more letters with the query.
class NearestNames
{
public:
    NearestNames(std::string_view query, std::size_t limit);

    void consider(std::string_view name);
    // At most `limit` distinct names, nearest first.
    std::vector<std::string_view> result();

private:
    struct Candidate
    {
        std::size_t distance;
        std::size_t sharedPrefix;
        std::string_view name;
    };

    std::size_t bagDistance(std::string_view name);

    std::string m_query; // folded to lower case
    std::size_t m_limit;
    std::size_t m_maxDistance;
    std::size_t m_prefixThatSuggests;
    std::vector<Candidate> m_candidates;
    std::string m_folded;
    std::vector<std::size_t> m_rows;
    std::array<int, 256> m_letterCounts{}; // of the query, by byte
};

} // namespace talpora::catalogue
