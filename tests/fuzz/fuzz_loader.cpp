// libFuzzer target: bytes -> load -> every node's text, tag, key and links ->
// a search for a keyword cut from the input and one cut from a node text ->
// snippets at a few positions. Run by run-fuzzer.sh; see tests/fuzz/CMakeLists.txt.

#include "DocumentLoader.h"
#include "NodeTree.h"
#include "SnippetBuilder.h"
#include "TreeSearch.h"

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <cstdlib>

using namespace talpora;

namespace {

// A broken invariant must stop the fuzzer, also in a build without assert().
void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkNode(const NodeTree& tree, NodeTree::Position position)
{
    const std::string_view text = tree.textUtf8(position);
    require(text.size() >= 2 && text.front() == '<' && text.back() == '>');
    require(text.substr(1, tree.nameUtf8(position).size()) == tree.nameUtf8(position));
    const QString tag = tree.tag(position);
    require(position == 1 ? !tag.contains(QLatin1Char('|')) : tag.contains(QLatin1Char('|')));
    require(tree.key(position) == QStringLiteral("k_") + QString::number(position));

    const NodeTree::Position parent = tree.parent(position);
    if (position == 1) {
        require(parent == NodeTree::noNode && tree.depth(1) == 0);
        return;
    }
    require(parent >= 1 && parent < position);
    require(tree.depth(position) == tree.depth(parent) + 1);
    require(tree.child(parent, tree.row(position)) == position);
}

void checkSnippet(const NodeTree& tree, NodeTree::Position position)
{
    if (!snippetDepthFits(tree.depth(position))) {
        require(!refuseTooDeepSnippet(tree.depth(position), tree.text(1)));
        return;
    }
    const SnippetResult snippet = BuildSnippet(tree.tagsUpToRoot(position), tree.text(1));
    require(snippet.text.isEmpty() != snippet.error.isEmpty());
    require(snippet.text.size() <= maximumSnippetLength);
    (void)tree.fullPath(position);
}

NodeTree::Position plainSearch(const NodeTree& tree, const QString& keyword)
{
    if (keyword.isEmpty())
        return NodeTree::noNode;
    for (NodeTree::Position position = 2; position <= tree.size(); ++position) {
        if (tree.text(position).contains(keyword, Qt::CaseInsensitive))
            return position;
    }
    return NodeTree::noNode;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const LoadResult result = loadXmlBytes(bytes);
    if (!result) {
        require(bool(result.error));
        require(!describeInEnglish(result.error).isEmpty());
        require(!describeInChinese(result.error).isEmpty());
        return 0;
    }
    const NodeTree& tree = *result.tree;
    require(tree.size() >= 1);
    for (NodeTree::Position position = 1; position <= tree.size(); ++position)
        checkNode(tree, position);

    // Any keyword: the search finds what a plain comparison of every node
    // text finds.
    const QString fromInput =
        QString::fromUtf8(bytes.sliced(size / 3, std::min<std::size_t>(8, size - size / 3)));
    require(FindNext(tree, 1, fromInput) == plainSearch(tree, fromInput));

    // A piece of the last node's text is found there and nowhere earlier than
    // the node after the one before it.
    const NodeTree::Position last = tree.size();
    if (last > 1) {
        const QString text = tree.text(last);
        const QString piece = text.mid(static_cast<qsizetype>(size % text.size()), 6);
        require(piece.isEmpty() || FindNext(tree, last - 1, piece) == last);
    }

    for (const NodeTree::Position position : {NodeTree::Position(1), last / 2 + 1, last})
        checkSnippet(tree, position);
    return 0;
}
