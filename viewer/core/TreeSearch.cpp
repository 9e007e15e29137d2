#include "viewer/core/TreeSearch.h"

#include "xml/Utf8View.h"

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
// match ASCII text. A keyword of characters that have no case (Chinese, say)
// is matched byte for byte. Anything else goes through Qt's case-insensitive
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

// The first place at or after `from` where `needle` (folded, ASCII) stands
// in `texts` without regard to ASCII case; npos when there is none.
std::size_t findFoldedAscii(std::string_view texts, std::size_t from, std::string_view needle)
{
    if (texts.size() < needle.size())
        return std::string_view::npos;
    const std::size_t lastStart = texts.size() - needle.size();
    const char first = needle[0];
    const char firstUpper = (first >= 'a' && first <= 'z') ? static_cast<char>(first - 32) : first;
    const auto next = [&](char c, std::size_t at) -> std::size_t {
        if (at > lastStart)
            return std::string_view::npos;
        const void* found = std::memchr(texts.data() + at, c, lastStart + 1 - at);
        return found ? std::size_t(static_cast<const char*>(found) - texts.data())
                     : std::string_view::npos;
    };
    std::size_t lowerAt = next(first, from);
    std::size_t upperAt = firstUpper == first ? std::string_view::npos : next(firstUpper, from);
    while (lowerAt != std::string_view::npos || upperAt != std::string_view::npos) {
        const bool lowerFirst = lowerAt < upperAt;
        const std::size_t at = lowerFirst ? lowerAt : upperAt;
        if (matchesFoldedAsciiAt(texts, at, needle))
            return at;
        if (lowerFirst)
            lowerAt = next(first, at + 1);
        else
            upperAt = next(firstUpper, at + 1);
    }
    return std::string_view::npos;
}

// Of all characters outside ASCII, only two fold to ASCII letters: the
// Kelvin sign to "k" and the long s to "s". Only a text holding one of them
// can match an ASCII keyword in a way a byte-wise comparison misses.
bool hasAsciiFoldingCharacter(std::string_view text)
{
    return text.find("\xE2\x84\xAA") != std::string_view::npos || // U+212A KELVIN SIGN
           text.find("\xC5\xBF") != std::string_view::npos; // U+017F LATIN SMALL LETTER LONG S
}

enum class NeedleKind
{
    Ascii,    // compared byte-wise without regard to ASCII case
    Caseless, // no character has another case: compared byte for byte
    General   // compared by Qt, which folds every character
};

// A character of a script without letter case (Chinese, Japanese, Korean),
// or a digit, punctuation mark or symbol, is its own and only case variant.
// Scripts with case are left out as a whole: some of their characters have
// no mapping of their own and yet are what another one folds to (U+1E9E
// folds to U+00DF).
bool isCaseless(char32_t c)
{
    switch (QChar::script(c)) {
    case QChar::Script_Common:
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Bopomofo:
        break;
    default:
        return false;
    }
    return QChar::toCaseFolded(c) == c && QChar::toUpper(c) == c && QChar::toLower(c) == c &&
           QChar::toTitleCase(c) == c;
}

NeedleKind needleKind(const QString& keyword, std::string_view folded)
{
    if (isAscii(folded))
        return NeedleKind::Ascii;
    for (const char32_t c : keyword.toUcs4()) {
        if (!isCaseless(c))
            return NeedleKind::General;
    }
    return NeedleKind::Caseless;
}

bool textContains(std::string_view text, std::string_view needle, NeedleKind kind,
                  const QString& keyword)
{
    switch (kind) {
    case NeedleKind::Caseless:
        return text.find(needle) != std::string_view::npos;
    case NeedleKind::Ascii:
        if (findFoldedAscii(text, 0, needle) != std::string_view::npos)
            return true;
        if (isAscii(text) || !hasAsciiFoldingCharacter(text))
            return false;
        break;
    case NeedleKind::General:
        // A keyword with other characters can never match ASCII text.
        if (isAscii(text))
            return false;
        break;
    }
    return fromUtf8View(text).contains(keyword, Qt::CaseInsensitive);
}

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

// The node whose text holds byte `offset` of allTexts(), among `first`..size().
NodeTree::Position nodeHolding(const NodeTree& tree, NodeTree::Position first, std::uint64_t offset)
{
    NodeTree::Position low = first;
    NodeTree::Position high = tree.size();
    while (low < high) {
        const NodeTree::Position middle = low + (high - low + 1) / 2;
        if (tree.textOffset(middle) <= offset)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// An ASCII keyword looked for in all remaining texts in one sweep, which
// spares a call per node; a match that runs from one text into the next
// does not count. Exact only where no text before the hit holds the two
// characters that fold to ASCII letters, which the caller makes sure of.
NodeTree::Position findAsciiInAllTexts(const NodeTree& tree, NodeTree::Position from,
                                       std::string_view needle)
{
    const std::string_view texts = tree.allTexts();
    for (std::size_t at = tree.textOffset(from);;) {
        at = findFoldedAscii(texts, at, needle);
        if (at == std::string_view::npos)
            return NodeTree::noNode;
        const NodeTree::Position node = nodeHolding(tree, from, at);
        if (at + needle.size() <= tree.textOffset(node + 1))
            return node;
        ++at;
    }
}

} // namespace

NodeTree::Position FindNext(const NodeTree& tree, NodeTree::Position selected,
                            const QString& keyword)
{
    if (keyword.isEmpty() || !tree.contains(selected))
        return NodeTree::noNode;
    const QByteArray folded = keyword.toCaseFolded().toUtf8();
    const std::string_view needle(folded.constData(), static_cast<std::size_t>(folded.size()));
    // Half of a surrogate pair has no UTF-8 form, so such a keyword is
    // compared with the texts in UTF-16 only.
    const NeedleKind kind =
        hasLoneSurrogate(keyword) ? NeedleKind::General : needleKind(keyword, needle);
    const NodeTree::Position from = selected + 1;
    if (from > tree.size())
        return NodeTree::noNode;
    if (kind == NeedleKind::Ascii) {
        // The sweep is exact unless a text before its hit holds a character
        // that folds to an ASCII letter; only those texts need a look.
        const NodeTree::Position hit = findAsciiInAllTexts(tree, from, needle);
        const std::uint64_t start = tree.textOffset(from);
        const std::uint64_t end =
            hit == NodeTree::noNode ? tree.allTexts().size() : tree.textOffset(hit);
        if (!hasAsciiFoldingCharacter(tree.allTexts().substr(start, end - start)))
            return hit;
    }
    for (NodeTree::Position position = selected + 1; position <= tree.size(); ++position) {
        if (textContains(tree.textUtf8(position), needle, kind, keyword))
            return position;
    }
    return NodeTree::noNode;
}

} // namespace talpora
