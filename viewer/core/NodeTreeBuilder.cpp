#include "viewer/core/NodeTreeBuilder.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

namespace talpora {

namespace {

// The key attributes other than idMso, which every node has room for.
std::optional<KeyAttribute> keyAttributeNamed(std::string_view name)
{
    if (name == "id")
        return KeyAttribute::Id;
    if (name == "insertAfterMso")
        return KeyAttribute::InsertAfterMso;
    if (name == "insertBeforeMso")
        return KeyAttribute::InsertBeforeMso;
    return std::nullopt;
}

} // namespace

NodeTreeBuilder::NodeTreeBuilder(LoadProgress* progress)
    : m_progress(progress), m_tree(std::make_shared<NodeTree>())
{
    m_tree->m_textStart.push_back(0);
}

void NodeTreeBuilder::sourceSize(std::uint64_t bytes)
{
    if (m_progress)
        m_progress->setTotalBytes(bytes);
    // The smallest element, "<a/>", takes four bytes, and a byte of a legacy
    // encoding takes at most three in UTF-8. Only entities defined in the
    // document can outgrow these bounds; the arrays then grow past them.
    // What is reserved and never used costs address space, not memory.
    constexpr std::uint64_t largest = std::numeric_limits<std::size_t>::max() / 16;
    const auto nodes = static_cast<std::size_t>(std::min(bytes / 4 + 1, largest));
    NodeTree& tree = *m_tree;
    tree.m_texts.reserve(static_cast<std::size_t>(std::min(bytes, largest) * 3));
    tree.m_textStart.reserve(nodes + 1);
    tree.m_idMsoStart.reserve(nodes);
    tree.m_idMsoLength.reserve(nodes);
    tree.m_parent.reserve(nodes);
    tree.m_depth.reserve(nodes);
    tree.m_childStart.reserve(nodes + 1);
    m_open.reserve(nodes);
}

bool NodeTreeBuilder::sourceRead(std::uint64_t bytes)
{
    if (!m_progress)
        return true;
    m_progress->setBytesRead(bytes);
    if (!m_progress->stopRequested())
        return true;
    m_error = {LoadErrorKind::Stopped, 0, 0, 0, {}};
    return false;
}

bool NodeTreeBuilder::startElement(const XmlElementStart& element)
{
    NodeTree& tree = *m_tree;
    if (tree.size() == std::numeric_limits<NodeTree::Position>::max() - 1) {
        m_error = {LoadErrorKind::TooLarge, 0, 0, 0, {}};
        return false;
    }
    const NodeTree::Position parent = m_open.empty() ? NodeTree::noNode : m_open.back();
    const NodeTree::Position position = tree.size() + 1;

    // The display text: "<name a="v" ...>", written in one piece.
    std::size_t length = 2 + element.name.size();
    for (const XmlAttribute& attribute : element.attributes)
        length += 4 + attribute.name.size() + attribute.value.size();
    // Offsets inside one text are 32-bit; a start tag of 4 GiB is refused.
    if (length > std::numeric_limits<std::uint32_t>::max()) {
        m_error = {LoadErrorKind::TooLarge, 0, 0, 0, {}};
        return false;
    }
    GrowableArray<char>& texts = tree.m_texts;
    char* const start = texts.extend(length);
    char* out = start;
    const auto put = [&out](std::string_view piece) {
        std::memcpy(out, piece.data(), piece.size());
        out += piece.size();
    };
    *out++ = '<';
    put(element.name);
    std::uint32_t idMsoStart = 0;
    std::uint32_t idMsoLength = 0;
    for (const XmlAttribute& attribute : element.attributes) {
        *out++ = ' ';
        put(attribute.name);
        *out++ = '=';
        *out++ = '"';
        const auto valueStart = static_cast<std::uint32_t>(out - start);
        const auto valueLength = static_cast<std::uint32_t>(attribute.value.size());
        if (attribute.name == "idMso") {
            if (idMsoStart == 0) {
                idMsoStart = valueStart;
                idMsoLength = valueLength;
            }
        } else if (const std::optional<KeyAttribute> key = keyAttributeNamed(attribute.name)) {
            tree.m_keyValues.push_back({position, *key, valueStart, valueLength});
        }
        put(attribute.value);
        *out++ = '"';
    }
    *out++ = '>';

    tree.m_textStart.push_back(texts.size());
    tree.m_idMsoStart.push_back(idMsoStart);
    tree.m_idMsoLength.push_back(idMsoLength);
    tree.m_parent.push_back(parent);
    tree.m_depth.push_back(static_cast<std::uint32_t>(m_open.size()));
    // Counts each node's children for now; finish() turns them into lists.
    tree.m_childStart.push_back(0);
    if (parent != NodeTree::noNode)
        ++tree.m_childStart[parent - 1];
    if (position == 1)
        tree.m_rootNamespace = element.namespaceUri;
    if (element.name.find(':') != std::string_view::npos) {
        const auto [entry, added] =
            m_namespaceIndex.try_emplace(std::string(element.namespaceUri),
                                         static_cast<std::uint32_t>(tree.m_namespaces.size()));
        if (added)
            tree.m_namespaces.emplace_back(element.namespaceUri);
        tree.m_prefixedNodes.emplace_back(position, entry->second);
    }
    m_open.push_back(position);
    return true;
}

bool NodeTreeBuilder::endElement()
{
    m_open.pop_back();
    return true;
}

std::shared_ptr<const NodeTree> NodeTreeBuilder::finish()
{
    NodeTree& tree = *m_tree;
    // Turns the child counts into the children lists, each parent's children
    // contiguous and in document order, so that a child is found by its row.
    const std::size_t count = tree.size();
    NodeTree::Position start = 0;
    for (std::size_t i = 0; i < count; ++i)
        start += std::exchange(tree.m_childStart[i], start);
    tree.m_childStart.push_back(start);
    tree.m_children.resize(start);
    // Pre-order visits each parent's children in order: hand each its slot
    // by advancing the parent's start, then shift the starts back.
    for (std::size_t i = 1; i < count; ++i)
        tree.m_children[tree.m_childStart[tree.m_parent[i] - 1]++] =
            static_cast<NodeTree::Position>(i + 1);
    for (std::size_t i = count; i > 0; --i)
        tree.m_childStart[i] = tree.m_childStart[i - 1];
    if (count > 0)
        tree.m_childStart[0] = 0;

    tree.m_texts.shrinkToFit();
    tree.m_textStart.shrinkToFit();
    tree.m_idMsoStart.shrinkToFit();
    tree.m_idMsoLength.shrinkToFit();
    tree.m_parent.shrinkToFit();
    tree.m_depth.shrinkToFit();
    tree.m_childStart.shrinkToFit();
    tree.m_prefixedNodes.shrink_to_fit();
    tree.m_keyValues.shrink_to_fit();
    return std::move(m_tree);
}

} // namespace talpora
