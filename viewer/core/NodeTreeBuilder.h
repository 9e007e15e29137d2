#pragma once

#include "viewer/core/LoadProgress.h"
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
    // `progress`, when given, hears how far the reading got and may stop it.
    explicit NodeTreeBuilder(LoadProgress* progress = nullptr);

    bool startElement(const XmlElementStart& element) override;
    bool endElement() override;
    bool wantsPlaces() const override { return false; }
    // Sizes the node table for the most a source of this size can hold, so
    // that it is never copied while it grows.
    void sourceSize(std::uint64_t bytes) override;
    bool sourceRead(std::uint64_t bytes) override;

    // The finished tree; call once, after the reader reported no error.
    std::shared_ptr<const NodeTree> finish();
    // Set when the builder stopped the reading because a limit was reached.
    const LoadError& error() const { return m_error; }

private:
    LoadProgress* m_progress;
    std::shared_ptr<NodeTree> m_tree;
    // Positions of the open elements, innermost last.
    GrowableArray<NodeTree::Position> m_open;
    LoadError m_error;
    // Each namespace of a prefixed name once: URI -> index in the tree's list.
    std::unordered_map<std::string, std::uint32_t> m_namespaceIndex;
};

} // namespace talpora
