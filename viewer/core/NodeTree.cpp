#include "NodeTree.h"

#include "ElementText.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

pugi::xml_node firstChildElement(pugi::xml_node node)
{
    pugi::xml_node child = node.first_child();
    while (child && child.type() != pugi::node_element)
        child = child.next_sibling();
    return child;
}

pugi::xml_node nextSiblingElement(pugi::xml_node node)
{
    pugi::xml_node sibling = node.next_sibling();
    while (sibling && sibling.type() != pugi::node_element)
        sibling = sibling.next_sibling();
    return sibling;
}

} // namespace

std::shared_ptr<const NodeTree> NodeTree::build(std::shared_ptr<const XmlDocument> document)
{
    auto tree = std::make_shared<NodeTree>();
    const pugi::xml_node root = document->rootElement();
    tree->m_document = std::move(document);
    if (!root)
        return tree;

    // Pre-order walk. `path` holds the positions of the open ancestors, which
    // is all the stack a walk of any depth needs. m_childStart counts each
    // node's children for now.
    std::vector<Position> path;
    pugi::xml_node element = root;
    while (element) {
        const Position position = static_cast<Position>(tree->m_elements.size() + 1);
        const Position parent = path.empty() ? noNode : path.back();
        tree->m_elements.push_back(element);
        tree->m_parent.push_back(parent);
        tree->m_depth.push_back(static_cast<std::uint32_t>(path.size()));
        tree->m_childStart.push_back(0);
        if (parent != noNode)
            ++tree->m_childStart[parent - 1];
        if (!tree->m_repeatedAttribute && repeatedAttributeName(element))
            tree->m_repeatedAttribute = element;

        if (const pugi::xml_node child = firstChildElement(element)) {
            path.push_back(position);
            element = child;
            continue;
        }
        pugi::xml_node next = nextSiblingElement(element);
        while (!next && !path.empty()) {
            element = tree->m_elements[path.back() - 1];
            path.pop_back();
            next = path.empty() ? pugi::xml_node() : nextSiblingElement(element);
        }
        element = next;
    }
    tree->layOutChildren();
    return tree;
}

// Turns the child counts into the children lists, each parent's children
// contiguous and in document order, so that a child is found by its row.
void NodeTree::layOutChildren()
{
    const std::size_t count = m_elements.size();
    Position start = 0;
    for (std::size_t i = 0; i < count; ++i)
        start += std::exchange(m_childStart[i], start);
    m_childStart.push_back(start);
    m_children.resize(start);
    // Pre-order visits each parent's children in order: hand each its slot
    // by advancing the parent's start, then shift the starts back.
    for (std::size_t i = 1; i < count; ++i)
        m_children[m_childStart[m_parent[i] - 1]++] = static_cast<Position>(i + 1);
    for (std::size_t i = count; i > 0; --i)
        m_childStart[i] = m_childStart[i - 1];
    m_childStart[0] = 0;
}

NodeTree::Position NodeTree::row(Position position) const
{
    const Position parentPosition = parent(position);
    if (parentPosition == noNode)
        return 0;
    // Children positions ascend, so the row is found by bisection.
    const auto first = m_children.begin() + m_childStart[parentPosition - 1];
    const auto last = m_children.begin() + m_childStart[parentPosition];
    return static_cast<Position>(std::lower_bound(first, last, position) - first);
}

NodeTree::Position NodeTree::childCount(Position position) const
{
    return m_childStart[position] - m_childStart[position - 1];
}

NodeTree::Position NodeTree::child(Position position, Position row) const
{
    return m_children[m_childStart[position - 1] + row];
}

QString NodeTree::text(Position position) const
{
    return ElementText(element(position));
}

QString NodeTree::tag(Position position) const
{
    return elementTag(element(position), position == 1);
}

QString NodeTree::key(Position position) const
{
    return u"k_"_s + QString::number(position);
}

NodeColour NodeTree::colour(Position position) const
{
    if (position == 1)
        return NodeColour::Red;
    return parent(position) == 1 ? NodeColour::Blue : NodeColour::Default;
}

NodePicture NodeTree::initialPicture(Position position) const
{
    return position == 1 ? NodePicture::Globe : NodePicture::ClosedFolder;
}

QString NodeTree::fullPath(Position position) const
{
    QStringList texts;
    for (Position node = position; node != noNode; node = parent(node))
        texts.prepend(text(node));
    return texts.join(QLatin1Char('/'));
}

QStringList NodeTree::tagsUpToRoot(Position position) const
{
    QStringList tags;
    for (Position node = position; node != noNode && node != 1; node = parent(node))
        tags.append(tag(node));
    return tags;
}

} // namespace talpora
