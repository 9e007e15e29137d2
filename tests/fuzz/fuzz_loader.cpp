// libFuzzer target: bytes -> load -> every node's text, tag, key and links ->
// a search for a keyword cut from the input and one cut from a node text ->
// snippets at a few positions -> opening and closing branches as the input's
// first bytes say, each time checking the shown rows against the open nodes. Run by run-fuzzer.sh;
// see tests/fuzz/CMakeLists.txt.

#include "viewer/core/DocumentLoader.h"
#include "viewer/core/NodeTree.h"
#include "viewer/core/SnippetBuilder.h"
#include "viewer/core/TreeOutline.h"
#include "viewer/core/TreeSearch.h"

#include <QByteArrayView>
#include <QString>
#include <algorithm>
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
    require(snippet.text.isEmpty() == bool(snippet.failure));
    require(snippet || !describe(snippet.failure).isEmpty());
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

// The rows are exactly the nodes whose ancestors are all open, in document order.
void checkRows(const NodeTree& tree, const TreeOutline& outline)
{
    std::size_t row = 0;
    for (NodeTree::Position node = 1; node <= tree.size(); ++node) {
        bool shown = true;
        for (NodeTree::Position up = tree.parent(node); shown && up != NodeTree::noNode;
             up = tree.parent(up))
            shown = outline.isOpen(up);
        if (!shown) {
            require(outline.rowOf(node) == TreeOutline::noRow);
            continue;
        }
        require(row < outline.rowCount() && outline.positionAt(row) == node &&
                outline.rowOf(node) == row);
        ++row;
    }
    require(row == outline.rowCount());
}

void checkOutline(const NodeTree& tree, QByteArrayView steps)
{
    if (tree.size() > 2000) // the check walks every node's ancestors
        return;
    TreeOutline outline;
    outline.setTree(&tree);
    const qsizetype count = std::min<qsizetype>(steps.size(), 64);
    for (qsizetype step = 0; step + 1 < count; step += 2) {
        const auto position = static_cast<NodeTree::Position>(
            1 + static_cast<std::uint8_t>(steps[step]) % tree.size());
        const auto action = static_cast<std::uint8_t>(steps[step + 1]);
        switch (action % 4) {
        case 0: {
            const bool couldOpen = tree.childCount(position) > 0 && !outline.isOpen(position);
            require(outline.open(position) == couldOpen);
            require(outline.isOpen(position) == (tree.childCount(position) > 0));
            break;
        }
        case 1:
            outline.close(position);
            require(!outline.isOpen(position));
            break;
        case 2:
            outline.openAncestorsOf(position);
            require(outline.rowOf(position) != TreeOutline::noRow);
            break;
        default:
            outline.openBranch(position, 1u + action / 4 % 3);
            break;
        }
        checkRows(tree, outline);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const LoadResult result = loadXmlBytes(bytes);
    if (!result) {
        require(bool(result.error));
        require(!describe(result.error).isEmpty());
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
        // Cut at character boundaries: half a surrogate pair matches nothing.
        qsizetype start = static_cast<qsizetype>(size % text.size());
        if (start > 0 && text.at(start).isLowSurrogate())
            --start;
        qsizetype end = std::min(start + 6, text.size());
        if (end < text.size() && text.at(end).isLowSurrogate())
            ++end;
        const QString piece = text.sliced(start, end - start);
        require(piece.isEmpty() || FindNext(tree, last - 1, piece) == last);
    }

    for (const NodeTree::Position position : {NodeTree::Position(1), last / 2 + 1, last})
        checkSnippet(tree, position);

    checkOutline(tree, bytes);
    return 0;
}
