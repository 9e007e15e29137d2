#include "viewer/core/NodeChain.h"

#include <algorithm>

namespace talpora {

namespace {

std::string_view identityOf(const NodeTree& tree, NodeTree::Position node)
{
    const std::string_view id = tree.attributeUtf8(node, KeyAttribute::Id);
    return id.empty() ? tree.attributeUtf8(node, KeyAttribute::IdMso) : id;
}

// Name and identity, which hold no NUL, then the rank: one key to hash.
std::string stepKey(std::string_view name, std::string_view identity)
{
    std::string key;
    key.reserve(name.size() + identity.size() + 2);
    key.append(name).push_back('\0');
    key.append(identity).push_back('\0');
    return key;
}

} // namespace

NodeChain::NodeChain(const NodeTree& before, const NodeTree& after)
    : m_before(before), m_after(after)
{}

std::vector<std::string> NodeChain::stepsBelow(const NodeTree& tree,
                                               NodeTree::Position parent) const
{
    const NodeTree::Position count = tree.childCount(parent);
    std::vector<std::string> steps;
    steps.reserve(count);
    std::unordered_map<std::string, std::uint32_t> seen;
    for (NodeTree::Position row = 0; row < count; ++row) {
        const NodeTree::Position child = tree.child(parent, row);
        std::string key = stepKey(tree.nameUtf8(child), identityOf(tree, child));
        key += std::to_string(seen[key]++);
        steps.push_back(std::move(key));
    }
    return steps;
}

const std::string& NodeChain::stepOf(NodeTree::Position node)
{
    if (const auto known = m_steps.find(node); known != m_steps.end())
        return known->second;
    // Every child of the parent at once: the ranks need them all anyway.
    const NodeTree::Position parent = m_before.parent(node);
    std::vector<std::string> steps = stepsBelow(m_before, parent);
    for (NodeTree::Position row = 0; row < steps.size(); ++row)
        m_steps.emplace(m_before.child(parent, row), std::move(steps[row]));
    return m_steps.at(node);
}

NodeTree::Position NodeChain::childOf(NodeTree::Position afterParent, const std::string& step)
{
    auto children = m_children.find(afterParent);
    if (children == m_children.end()) {
        std::vector<std::string> steps = stepsBelow(m_after, afterParent);
        std::unordered_map<std::string, NodeTree::Position> byStep;
        byStep.reserve(steps.size());
        for (NodeTree::Position row = 0; row < steps.size(); ++row)
            byStep.emplace(std::move(steps[row]), m_after.child(afterParent, row));
        children = m_children.emplace(afterParent, std::move(byStep)).first;
    }
    const auto child = children->second.find(step);
    return child == children->second.end() ? NodeTree::noNode : child->second;
}

NodeTree::Position NodeChain::find(NodeTree::Position node)
{
    if (!m_before.contains(node) || m_after.size() == 0)
        return NodeTree::noNode;
    // The ancestors not yet found, innermost first: a loop, not recursion, so
    // that a document nested a hundred thousand levels deep is no danger.
    std::vector<NodeTree::Position> unknown;
    for (NodeTree::Position at = node; at != NodeTree::noNode && !m_found.contains(at);
         at = m_before.parent(at))
        unknown.push_back(at);
    for (auto at = unknown.rbegin(); at != unknown.rend(); ++at) {
        NodeTree::Position found = NodeTree::noNode;
        if (*at == 1) {
            if (m_before.nameUtf8(1) == m_after.nameUtf8(1))
                found = 1;
        } else if (const NodeTree::Position parent = m_found.at(m_before.parent(*at));
                   parent != NodeTree::noNode) {
            found = childOf(parent, stepOf(*at));
        }
        m_found.emplace(*at, found);
    }
    return m_found.at(node);
}

NodeTree::Position NodeChain::findNearest(NodeTree::Position node)
{
    for (NodeTree::Position at = node; m_before.contains(at); at = m_before.parent(at)) {
        if (const NodeTree::Position found = find(at); found != NodeTree::noNode)
            return found;
    }
    return NodeTree::noNode;
}

} // namespace talpora
