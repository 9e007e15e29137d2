#include "viewer/core/NodeTree.h"

#include "xml/Utf8View.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace talpora {

NodeTree::Position NodeTree::row(Position position) const
{
    const Position parentPosition = parent(position);
    if (parentPosition == noNode)
        return 0;
    // Children positions ascend, so the row is found by bisection.
    const Position* first = m_children.data() + m_childStart[parentPosition - 1];
    const Position* last = m_children.data() + m_childStart[parentPosition];
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

std::string_view NodeTree::textUtf8(Position position) const
{
    const std::uint64_t start = m_textStart[position - 1];
    return {m_texts.data() + start, static_cast<std::size_t>(m_textStart[position] - start)};
}

std::string_view NodeTree::nameUtf8(Position position) const
{
    // A name holds no blank and no ">", so the first of them ends it.
    const std::string_view text = textUtf8(position);
    return text.substr(1, text.find_first_of(" >", 1) - 1);
}

std::string_view NodeTree::idMsoUtf8(Position position) const
{
    const std::uint32_t start = m_idMsoStart[position - 1];
    if (start == 0)
        return {};
    return textUtf8(position).substr(start, m_idMsoLength[position - 1]);
}

std::string_view NodeTree::attributeUtf8(Position position, KeyAttribute attribute) const
{
    if (attribute == KeyAttribute::IdMso)
        return idMsoUtf8(position);
    auto value = std::lower_bound(m_keyValues.begin(), m_keyValues.end(), position,
                                  [](const KeyValue& key, Position p) { return key.position < p; });
    for (; value != m_keyValues.end() && value->position == position; ++value) {
        if (value->attribute == attribute)
            return textUtf8(position).substr(value->start, value->length);
    }
    return {};
}

std::string_view NodeTree::prefixNamespaceUtf8(Position position) const
{
    const auto found = std::lower_bound(
        m_prefixedNodes.begin(), m_prefixedNodes.end(), position,
        [](const std::pair<Position, std::uint32_t>& node, Position p) { return node.first < p; });
    if (found == m_prefixedNodes.end() || found->first != position)
        return {};
    return m_namespaces[found->second];
}

QString NodeTree::text(Position position) const
{
    return fromUtf8View(textUtf8(position));
}

QString NodeTree::tag(Position position) const
{
    QString tag = fromUtf8View(nameUtf8(position));
    if (position == 1)
        return tag;
    tag += QLatin1Char('|');
    tag += fromUtf8View(idMsoUtf8(position));
    return tag;
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
        texts.append(text(node));
    std::reverse(texts.begin(), texts.end());
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
