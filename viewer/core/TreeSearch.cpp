#include "TreeSearch.h"

#include <QStringView>
#include <array>
#include <cstdint>
#include <cstring>
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

// Eight bytes at a time: no byte of UTF-8 text below 0x80 is part of a
// longer character.
bool isAscii(std::string_view text)
{
    std::uint64_t high = 0;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        high |= word;
    }
    for (; at < text.size(); ++at)
        high |= static_cast<unsigned char>(text[at]);
    return (high & 0x8080808080808080ULL) == 0;
}

bool matchesFoldedAsciiAt(std::string_view text, std::size_t at, std::string_view needle)
{
    for (std::size_t i = 1; i < needle.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[at + i]);
        if (c >= 0x80 || lower[c] != needle[i])
            return false;
    }
    return true;
}

// Whether `text` holds `needle` (folded, ASCII, not empty) with ASCII letters
// compared without regard to case. The first character is looked for with
// memchr, once in each case.
bool containsFoldedAscii(std::string_view text, std::string_view needle)
{
    if (text.size() < needle.size())
        return false;
    const std::size_t lastStart = text.size() - needle.size();
    const char first = needle[0];
    const char firstUpper = (first >= 'a' && first <= 'z') ? static_cast<char>(first - 32) : first;
    for (const char candidate : {first, firstUpper}) {
        const char* begin = text.data();
        const char* end = begin + lastStart + 1;
        for (const char* at = begin; at < end;) {
            at = static_cast<const char*>(std::memchr(at, candidate, std::size_t(end - at)));
            if (!at)
                break;
            if (matchesFoldedAsciiAt(text, std::size_t(at - begin), needle))
                return true;
            ++at;
        }
        if (firstUpper == first)
            break;
    }
    return false;
}

bool textContains(std::string_view text, std::string_view needle, bool asciiNeedle,
                  const QString& keyword)
{
    // An ASCII match is a match whatever else the text holds; without one,
    // only a text with other characters can still match through case folding
    // (the Kelvin sign folds to "k").
    if (asciiNeedle && containsFoldedAscii(text, needle))
        return true;
    if (isAscii(text))
        return false;
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
