#pragma once

#include "viewer/core/NodeTree.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace talpora {

// Finds nodes of one version of a document again in another, such as the
// same file saved anew. A node is the same when the chain from the root down
// to it is: each step an element of the same name and the same identity (its
// id, else its idMso, else none), and the same rank among the siblings that
// share both, so that inserting a button before a group does not make the
// group another one.
class NodeChain
{
public:
    NodeChain(const NodeTree& before, const NodeTree& after);

    // The node of `after` that `node` of `before` is; noNode when `after` no
    // longer has it.
    NodeTree::Position find(NodeTree::Position node);
    // The node itself when it is still there, else its nearest ancestor that
    // is; noNode only when the roots differ.
    NodeTree::Position findNearest(NodeTree::Position node);

private:
    // The identity of each child of `parent`, with its rank among the
    // children of the same name and identity.
    std::vector<std::string> stepsBelow(const NodeTree& tree, NodeTree::Position parent) const;
    NodeTree::Position childOf(NodeTree::Position afterParent, const std::string& step);
    const std::string& stepOf(NodeTree::Position node);

    const NodeTree& m_before;
    const NodeTree& m_after;
    std::unordered_map<NodeTree::Position, NodeTree::Position> m_found; // before -> after
    std::unordered_map<NodeTree::Position, std::string> m_steps;        // before -> its step
    // after parent -> its children by step, made once for each parent asked about
    std::unordered_map<NodeTree::Position, std::unordered_map<std::string, NodeTree::Position>>
        m_children;
};

} // namespace talpora
