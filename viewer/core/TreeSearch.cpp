#include "TreeSearch.h"

#include "ElementText.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace talpora {

namespace {

// Most texts are ASCII. For them a case-folded ASCII keyword is matched
// byte-wise against lower-cased bytes, which is exact: no ASCII letter folds
// to a non-ASCII one, and a folded keyword with non-ASCII characters can never
// match ASCII text. Anything else goes through Qt's case-insensitive
// comparison, which folds every character.

constexpr std::array<char, 128> makeLowerTable()
{
    std::array<char, 128> table{};
    for (int c = 0; c < 128; ++c)
        table[c] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return table;
}

constexpr std::array<char, 128> lower = makeLowerTable();

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

enum class PieceMatch
{
    Found,
    NotFound,
    NotAscii
};

// Looks for `needle` (folded, ASCII, not empty) in the NUL-terminated `text`.
PieceMatch findInAsciiPiece(const char* text, std::string_view needle)
{
    const char first = needle[0];
    const char firstUpper = (first >= 'a' && first <= 'z') ? static_cast<char>(first - 32) : first;
    for (const char* at = text; *at; ++at) {
        const char c = *at;
        if (c != first && c != firstUpper) {
            if (static_cast<unsigned char>(c) >= 0x80)
                return PieceMatch::NotAscii;
            continue;
        }
        std::size_t matched = 1;
        while (matched < needle.size() && static_cast<unsigned char>(at[matched]) < 0x80 &&
               lower[static_cast<unsigned char>(at[matched])] == needle[matched])
            ++matched;
        if (matched == needle.size())
            return PieceMatch::Found;
    }
    return PieceMatch::NotFound;
}

bool hasNonAscii(const char* text)
{
    for (; *text; ++text) {
        if (static_cast<unsigned char>(*text) >= 0x80)
            return true;
    }
    return false;
}

bool pieceContains(const char* text, std::string_view needle, bool asciiNeedle,
                   const QString& keyword)
{
    if (asciiNeedle) {
        const PieceMatch match = findInAsciiPiece(text, needle);
        if (match != PieceMatch::NotAscii)
            return match == PieceMatch::Found;
    } else if (!hasNonAscii(text)) {
        return false;
    }
    return QString::fromUtf8(text).contains(keyword, Qt::CaseInsensitive);
}

// A keyword without the characters that separate the parts of a node text
// ("<", ">", "=", '"' and the blank) can only match inside one part: the
// element name, an attribute name or an attribute value. Those are searched
// where they lie, without writing the text out.
NodeTree::Position findInParts(const NodeTree& tree, NodeTree::Position from,
                               std::string_view needle, bool asciiNeedle, const QString& keyword)
{
    for (NodeTree::Position position = from; position <= tree.size(); ++position) {
        const pugi::xml_node element = tree.element(position);
        if (pieceContains(element.name(), needle, asciiNeedle, keyword))
            return position;
        for (pugi::xml_attribute attribute = element.first_attribute(); attribute;
             attribute = attribute.next_attribute()) {
            if (pieceContains(attribute.name(), needle, asciiNeedle, keyword) ||
                pieceContains(attribute.value(), needle, asciiNeedle, keyword))
                return position;
        }
    }
    return NodeTree::noNode;
}

// Any other keyword is looked for in the whole text, written into one reused buffer.
NodeTree::Position findInTexts(const NodeTree& tree, NodeTree::Position from,
                               const std::string& needle, bool asciiNeedle, const QString& keyword)
{
    const std::boyer_moore_horspool_searcher searcher(needle.begin(), needle.end());
    std::string text;
    text.reserve(256);
    for (NodeTree::Position position = from; position <= tree.size(); ++position) {
        text.clear();
        appendElementText(text, tree.element(position));
        if (isAscii(text)) {
            if (!asciiNeedle)
                continue;
            std::transform(text.begin(), text.end(), text.begin(),
                           [](char c) { return lower[static_cast<unsigned char>(c)]; });
            if (std::search(text.begin(), text.end(), searcher) != text.end())
                return position;
        } else if (QString::fromStdString(text).contains(keyword, Qt::CaseInsensitive)) {
            return position;
        }
    }
    return NodeTree::noNode;
}

} // namespace

NodeTree::Position FindNext(const NodeTree& tree, NodeTree::Position selected,
                            const QString& keyword)
{
    if (keyword.isEmpty() || !tree.contains(selected))
        return NodeTree::noNode;
    const std::string needle = keyword.toCaseFolded().toStdString();
    const bool asciiNeedle = isAscii(needle);
    if (needle.find_first_of("<>=\" ") == std::string::npos)
        return findInParts(tree, selected + 1, needle, asciiNeedle, keyword);
    return findInTexts(tree, selected + 1, needle, asciiNeedle, keyword);
}

} // namespace talpora
