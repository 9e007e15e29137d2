#pragma once

#include "viewer/core/NodeTree.h"
#include "xml/XmlEventReader.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace talpora {

// Builds a NodeTree from the elements a reader reports, one node per start
// tag, with no second pass over the document.
class NodeTreeBuilder final : public XmlEventHandler
{
public:
    NodeTreeBuilder();

    bool startElement(const XmlElementStart& element) override;
    bool endElement() override;
    bool wantsPlaces() const override { return false; }

    // The finished tree; call once, after the reader reported no error.
    std::shared_ptr<const NodeTree> finish();
    // Set when the builder stopped the reading because a limit was reached.
    const LoadError& error() const { return m_error; }

private:
    std::shared_ptr<NodeTree> m_tree;
    // Positions of the open elements, innermost last.
    GrowableArray<NodeTree::Position> m_open;
    LoadError m_error;
    // Each namespace of a prefixed name once: URI -> index in the tree's list.
    std::unordered_map<std::string, std::uint32_t> m_namespaceIndex;
};

} // namespace talpora
