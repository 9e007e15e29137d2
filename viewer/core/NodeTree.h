#pragma once

#include "XmlDocument.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

namespace talpora {

enum class NodeColour
{
    Red,
    Blue,
    Default
};

// Picture numbers of the tree's image list.
enum class NodePicture
{
    Globe = 1,
    ClosedFolder = 2,
    OpenFolder = 3,
    Books = 4
};

// One node per element of a document, in document pre-order. Positions are
// 1-based: position 1 is the root element, and a node's position is also the
// number in its key "k_<position>". Text, tag and colour are derived from the
// element when asked, so a node costs a few integers and one pointer.
class NodeTree
{
public:
    using Position = std::uint32_t;
    static constexpr Position noNode = 0;

    // Walks the document with an explicit stack, so any nesting depth works.
    // The returned tree keeps the document alive.
    static std::shared_ptr<const NodeTree> build(std::shared_ptr<const XmlDocument> document);

    Position size() const { return static_cast<Position>(m_elements.size()); }
    bool contains(Position position) const { return position >= 1 && position <= size(); }

    Position parent(Position position) const { return m_parent[position - 1]; }
    Position childCount(Position position) const;
    Position child(Position position, Position row) const;
    // The node's row among its parent's children (0 for the root).
    Position row(Position position) const;
    // 0 for the root, 1 for its children, and so on.
    std::uint32_t depth(Position position) const { return m_depth[position - 1]; }

    pugi::xml_node element(Position position) const { return m_elements[position - 1]; }
    QString text(Position position) const;
    QString tag(Position position) const;
    QString key(Position position) const;
    NodeColour colour(Position position) const;
    // The picture a node gets when the tree is built: the globe for the root,
    // the closed folder for every other node.
    NodePicture initialPicture(Position position) const;

    // The texts of the nodes from the root down to `position`, joined by "/".
    QString fullPath(Position position) const;
    // The tags of `position` and its ancestors below the root, the node itself
    // first; empty for the root.
    QStringList tagsUpToRoot(Position position) const;

    // The first element, in document order, that names an attribute twice
    // (which XML forbids but the parser lets through); empty when none does.
    pugi::xml_node elementWithRepeatedAttribute() const { return m_repeatedAttribute; }

private:
    void layOutChildren();

    std::shared_ptr<const XmlDocument> m_document;
    std::vector<pugi::xml_node> m_elements;
    std::vector<Position> m_parent;
    std::vector<std::uint32_t> m_depth;
    // Children of node p are m_children[m_childStart[p-1] .. m_childStart[p]).
    std::vector<Position> m_childStart;
    std::vector<Position> m_children;
    pugi::xml_node m_repeatedAttribute;
};

} // namespace talpora
