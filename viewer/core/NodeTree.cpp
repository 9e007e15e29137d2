#include "NodeTree.h"

#include "ElementText.h"

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
    // is all the stack a walk of any depth needs.
    std::vector<Position> childCounts;
    std::vector<Position> path;
    pugi::xml_node element = root;
    while (element) {
        const Position position = static_cast<Position>(tree->m_elements.size() + 1);
        const Position parent = path.empty() ? noNode : path.back();
        tree->m_elements.push_back(element);
        tree->m_parent.push_back(parent);
        tree->m_depth.push_back(static_cast<std::uint32_t>(path.size()));
        tree->m_row.push_back(parent == noNode ? 0 : childCounts[parent - 1]);
        childCounts.push_back(0);
        if (parent != noNode)
            ++childCounts[parent - 1];

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

    // Children lists, laid out contiguously per parent for random access by row.
    const std::size_t count = tree->m_elements.size();
    tree->m_childStart.resize(count + 1);
    Position start = 0;
    for (std::size_t i = 0; i < count; ++i) {
        tree->m_childStart[i] = start;
        start += childCounts[i];
    }
    tree->m_childStart[count] = start;
    tree->m_children.resize(start);
    for (std::size_t i = 1; i < count; ++i) {
        const Position parent = tree->m_parent[i];
        tree->m_children[tree->m_childStart[parent - 1] + tree->m_row[i]] =
            static_cast<Position>(i + 1);
    }
    return tree;
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
