#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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

    // The largest distance a name without a long shared prefix may still have
    // to be among the nearest: the plausible distance at first, then less as
    // near names are found.
    std::size_t bound() const;
    // True when a name of this length is too far whatever its letters.
    bool tooFarByLength(std::size_t length) const;
    // The shortest prefix (ignoring case) a name must share with the query to
    // be plausible whatever its distance; longer than the query when no name can.
    std::size_t prefixThatSuggests() const { return m_prefixThatSuggests; }

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
    std::vector<Candidate> m_candidates;      // distinct names
    std::vector<std::size_t> m_bestDistances; // the `limit` smallest so far, ascending
    std::size_t m_cutoff = std::size_t(-1);   // the largest of them once there are `limit`
    std::string m_folded;
    std::vector<std::size_t> m_rows;
    std::array<int, 256> m_letterCounts{}; // of the query, by byte
};

// The names a misspelt identifier is compared with, indexed so that a search
// looks only at names of a plausible length or with the right prefix, and
// rules most of those out by the set of letters they use. Gives what a
// NearestNames fed every name gives, in far less time.
class NameSuggestions
{
public:
    // `names` may repeat; the views must outlive this object.
    explicit NameSuggestions(std::vector<std::string_view> names);

    std::vector<std::string_view> nearest(std::string_view query, std::size_t limit) const;

private:
    using LetterCounts = std::array<std::uint8_t, 32>;
    struct Name
    {
        std::uint64_t letters; // letterMask of the name
        LetterCounts counts;   // letterCounts of the name
        std::string_view name;
    };

    std::vector<std::vector<Name>> m_byLength;                            // index: name length
    std::vector<std::pair<std::string, std::string_view>> m_byFoldedName; // sorted
};

} // namespace talpora::catalogue
