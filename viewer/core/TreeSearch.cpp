#include "TreeSearch.h"

#include "ElementText.h"

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>

namespace talpora {

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

} // namespace

NodeTree::Position FindNext(const NodeTree& tree, NodeTree::Position selected,
                            const QString& keyword)
{
    if (keyword.isEmpty() || !tree.contains(selected))
        return NodeTree::noNode;

    // Most node texts are ASCII. For those, a folded keyword that is ASCII
    // too can be matched byte-wise on lower-cased UTF-8, which is exact: no
    // ASCII letter folds to a non-ASCII one. A folded keyword with non-ASCII
    // characters can never match an ASCII text. Other texts take Qt's
    // case-insensitive comparison.
    const std::string foldedKeyword = keyword.toCaseFolded().toStdString();
    const bool asciiKeyword = isAscii(foldedKeyword);
    const std::boyer_moore_horspool_searcher searcher(foldedKeyword.begin(), foldedKeyword.end());

    std::string text;
    text.reserve(256);
    for (NodeTree::Position position = selected + 1; position <= tree.size(); ++position) {
        text.clear();
        appendElementText(text, tree.element(position));
        if (isAscii(text)) {
            if (!asciiKeyword)
                continue;
            std::transform(text.begin(), text.end(), text.begin(), asciiLower);
            if (std::search(text.begin(), text.end(), searcher) != text.end())
                return position;
        } else if (QString::fromStdString(text).contains(keyword, Qt::CaseInsensitive)) {
            return position;
        }
    }
    return NodeTree::noNode;
}

} // namespace talpora
