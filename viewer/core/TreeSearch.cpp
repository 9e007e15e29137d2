#include "TreeSearch.h"

#include <QStringView>
#include <array>
#include <string_view>

namespace talpora {

namespace {

// Most texts are ASCII. For them a case-folded ASCII keyword is matched
// byte-wise against lower-cased bytes, which is exact: no ASCII letter folds
// to a non-ASCII one, and a folded keyword with non-ASCII characters can never
// match ASCII text. Any other text goes through Qt's case-insensitive
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
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

enum class AsciiMatch
{
    Found,
    NotFound,
    NotAscii
};

// Looks for `needle` (folded, ASCII, not empty) in `text`; gives up at the
// first non-ASCII byte before a match.
AsciiMatch findInAsciiText(std::string_view text, std::string_view needle)
{
    const char first = needle[0];
    const char firstUpper = (first >= 'a' && first <= 'z') ? static_cast<char>(first - 32) : first;
    const std::size_t size = text.size();
    for (std::size_t at = 0; at < size; ++at) {
        const char c = text[at];
        if (c != first && c != firstUpper) {
            if (static_cast<unsigned char>(c) >= 0x80)
                return AsciiMatch::NotAscii;
            continue;
        }
        if (size - at < needle.size())
            return isAscii(text.substr(at)) ? AsciiMatch::NotFound : AsciiMatch::NotAscii;
        std::size_t matched = 1;
        while (matched < needle.size() && static_cast<unsigned char>(text[at + matched]) < 0x80 &&
               lower[static_cast<unsigned char>(text[at + matched])] == needle[matched])
            ++matched;
        if (matched == needle.size())
            return AsciiMatch::Found;
    }
    return AsciiMatch::NotFound;
}

bool textContains(std::string_view text, std::string_view needle, bool asciiNeedle,
                  const QString& keyword)
{
    if (asciiNeedle) {
        const AsciiMatch match = findInAsciiText(text, needle);
        if (match != AsciiMatch::NotAscii)
            return match == AsciiMatch::Found;
    } else if (isAscii(text)) {
        return false;
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .contains(keyword, Qt::CaseInsensitive);
}

// Half of a surrogate pair has no UTF-8 form; such a keyword is compared
// with the texts in UTF-16, as they are.
bool hasLoneSurrogate(const QString& keyword)
{
    const QStringView text(keyword);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

} // namespace

NodeTree::Position FindNext(const NodeTree& tree, NodeTree::Position selected,
                            const QString& keyword)
{
    if (keyword.isEmpty() || !tree.contains(selected))
        return NodeTree::noNode;
    if (hasLoneSurrogate(keyword)) {
        for (NodeTree::Position position = selected + 1; position <= tree.size(); ++position) {
            if (tree.text(position).contains(keyword, Qt::CaseInsensitive))
                return position;
        }
        return NodeTree::noNode;
    }
    const QByteArray folded = keyword.toCaseFolded().toUtf8();
    const std::string_view needle(folded.constData(), static_cast<std::size_t>(folded.size()));
    const bool asciiNeedle = isAscii(needle);
    for (NodeTree::Position position = selected + 1; position <= tree.size(); ++position) {
        if (textContains(tree.textUtf8(position), needle, asciiNeedle, keyword))
            return position;
    }
    return NodeTree::noNode;
}

} // namespace talpora
