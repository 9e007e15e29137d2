#pragma once

#include "viewer/core/NodeTree.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace talpora::test {

enum class TreeLine
{
    Text,      // the node text only
    Tag,       // the tag only, for comparing documents whose labels differ
    Everything // key, picture, colour, tag and text
};

inline QString colourName(NodeColour colour)
{
    switch (colour) {
    case NodeColour::Red:
        return QStringLiteral("red");
    case NodeColour::Blue:
        return QStringLiteral("blue");
    case NodeColour::Default:
        break;
    }
    return QStringLiteral("default");
}

// The tree as text, one node per line, each level indented by two blanks. It
// follows child() and childCount() from the root, so a comparison with an
// expected text also checks the links, and a failure shows the difference.
inline QString printTree(const NodeTree& tree, TreeLine what = TreeLine::Text)
{
    QStringList lines;
    if (tree.size() == 0)
        return {};
    std::vector<std::pair<NodeTree::Position, int>> stack{{1, 0}};
    while (!stack.empty()) {
        const auto [position, level] = stack.back();
        stack.pop_back();
        QString line(level * 2, QLatin1Char(' '));
        switch (what) {
        case TreeLine::Text:
            line += tree.text(position);
            break;
        case TreeLine::Tag:
            line += tree.tag(position);
            break;
        case TreeLine::Everything:
            line += QStringLiteral("%1 pic%2 %3 [%4] %5")
                        .arg(tree.key(position))
                        .arg(static_cast<int>(tree.initialPicture(position)))
                        .arg(colourName(tree.colour(position)), tree.tag(position),
                             tree.text(position));
            break;
        }
        lines.append(line);
        for (NodeTree::Position row = tree.childCount(position); row > 0; --row)
            stack.emplace_back(tree.child(position, row - 1), level + 1);
    }
    return lines.join(QLatin1Char('\n'));
}

// Describes the first place where parent, row, depth, child and childCount
// disagree with each other or with pre-order positions; empty when they agree.
inline QString treeLinkFault(const NodeTree& tree)
{
    if (tree.size() > 0 && (tree.parent(1) != NodeTree::noNode || tree.depth(1) != 0))
        return QStringLiteral("the root has a parent or a depth");
    NodeTree::Position expectedNext = 2; // pre-order: the walk below meets 2, 3, ... in turn
    std::vector<NodeTree::Position> stack{1};
    while (!stack.empty()) {
        const NodeTree::Position position = stack.back();
        stack.pop_back();
        for (NodeTree::Position row = tree.childCount(position); row > 0; --row) {
            const NodeTree::Position child = tree.child(position, row - 1);
            if (!tree.contains(child) || tree.parent(child) != position ||
                tree.row(child) != row - 1 || tree.depth(child) != tree.depth(position) + 1)
                return QStringLiteral("child %1 of node %2 has parent %3, row %4, depth %5")
                    .arg(row - 1)
                    .arg(position)
                    .arg(tree.contains(child) ? tree.parent(child) : 0)
                    .arg(tree.contains(child) ? tree.row(child) : 0)
                    .arg(tree.contains(child) ? tree.depth(child) : 0);
            stack.push_back(child);
        }
        if (!stack.empty()) {
            if (stack.back() != expectedNext)
                return QStringLiteral("pre-order expects node %1 but finds %2")
                    .arg(expectedNext)
                    .arg(stack.back());
            ++expectedNext;
        }
    }
    if (tree.size() > 0 && expectedNext != tree.size() + 1)
        return QStringLiteral("the links reach %1 of %2 nodes")
            .arg(expectedNext - 1)
            .arg(tree.size());
    return {};
}

} // namespace talpora::test
