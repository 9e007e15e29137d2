#pragma once

#include "viewer/core/GrowableArray.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace talpora {

enum class NodeColour
{
    Red,
    Blue,
    Default
};

// The attributes by which customUI names an element and the built-in
// controls it stands beside: a node keeps where their values are.
enum class KeyAttribute : std::uint8_t
{
    Id,
    IdMso,
    InsertAfterMso,
    InsertBeforeMso
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
// number in its key "k_<position>". Each node's display text (its start tag
// written out) is stored once, as UTF-8, in one contiguous block in position
// order; name, tag, path and snippet are all read from there, so the tree
// keeps nothing of the document it was built from.
class NodeTree
{
public:
    using Position = std::uint32_t;
    static constexpr Position noNode = 0;

    Position size() const { return static_cast<Position>(m_parent.size()); }
    bool contains(Position position) const { return position >= 1 && position <= size(); }

    Position parent(Position position) const { return m_parent[position - 1]; }
    Position childCount(Position position) const;
    Position child(Position position, Position row) const;
    // The node's row among its parent's children (0 for the root).
    Position row(Position position) const;
    // 0 for the root, 1 for its children, and so on.
    std::uint32_t depth(Position position) const { return m_depth[position - 1]; }

    // "<name a="v" b="w">": the start tag with every attribute in document
    // order (namespace declarations included), values as parsed (references
    // expanded, nothing escaped again), and no "/" even for an empty element.
    std::string_view textUtf8(Position position) const;
    std::string_view nameUtf8(Position position) const;
    // The value of the node's idMso attribute; empty when it has none.
    std::string_view idMsoUtf8(Position position) const;
    // The value of one of the key attributes; empty when the node has none.
    // Found from where the parser saw it, never by reading the text again,
    // where a value may spell ' id="x"' itself.
    std::string_view attributeUtf8(Position position, KeyAttribute attribute) const;
    // The namespace the parser bound the prefix of the node's name to; empty
    // when the name has no prefix.
    std::string_view prefixNamespaceUtf8(Position position) const;
    // The root element's namespace, prefixed or default; empty for none.
    std::string_view rootNamespaceUtf8() const { return m_rootNamespace; }

    QString text(Position position) const;
    // The element name for the root; "name|idMso" for every other node
    // ("name|" when it has no idMso).
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

    // All node texts back to back, and where each starts in it: the text of
    // node p is allTexts()[textOffset(p) .. textOffset(p + 1)).
    std::string_view allTexts() const { return {m_texts.data(), m_texts.size()}; }
    std::uint64_t textOffset(Position position) const { return m_textStart[position - 1]; }

private:
    friend class NodeTreeBuilder;

    GrowableArray<char> m_texts;
    // size() + 1 entries: the last one is the end of the last text.
    GrowableArray<std::uint64_t> m_textStart;
    // Where the idMso value starts inside the node's text; 0 when there is none
    // (a value never starts a text, which begins with "<").
    GrowableArray<std::uint32_t> m_idMsoStart;
    GrowableArray<std::uint32_t> m_idMsoLength;
    GrowableArray<Position> m_parent;
    GrowableArray<std::uint32_t> m_depth;
    // Children of node p are m_children[m_childStart[p-1] .. m_childStart[p]).
    GrowableArray<Position> m_childStart;
    GrowableArray<Position> m_children;
    // Few documents prefix their element names: only the nodes that do are
    // listed, in position order, each with its index into m_namespaces.
    std::vector<std::pair<Position, std::uint32_t>> m_prefixedNodes;
    std::vector<std::string> m_namespaces;
    std::string m_rootNamespace;
    // Where id, insertAfterMso and insertBeforeMso values are, for the nodes
    // that have them (the catalogue has none), in position order.
    struct KeyValue
    {
        Position position;
        KeyAttribute attribute;
        std::uint32_t start; // inside the node's text
        std::uint32_t length;
    };
    std::vector<KeyValue> m_keyValues;
};

} // namespace talpora
