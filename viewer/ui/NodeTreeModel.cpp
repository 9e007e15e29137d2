#include "viewer/ui/NodeTreeModel.h"

#include "viewer/core/DocumentCheck.h"
#include "viewer/ui/Pictures.h"
#include "viewer/ui/ToolTipText.h"
#include "xml/DisplayText.h"

#include <QColor>
#include <algorithm>

namespace talpora {

NodeTreeModel::NodeTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void NodeTreeModel::setPictureIcons(const std::array<QIcon, 4>& icons)
{
    m_icons = icons;
    const std::array<QIcon, 2> marks{errorMark(), warningMark()};
    for (std::size_t severity = 0; severity < marks.size(); ++severity) {
        for (std::size_t picture = 0; picture < icons.size(); ++picture)
            m_markedIcons[severity][picture] = markedPicture(icons[picture], marks[severity]);
    }
}

void NodeTreeModel::setTree(std::shared_ptr<const NodeTree> tree)
{
    beginResetModel();
    m_tree = std::move(tree);
    m_pictures = NodePictures(m_tree ? m_tree->size() : 0);
    m_marks.clear();
    endResetModel();
}

void NodeTreeModel::setMarks(Marks marks)
{
    Marks changed = std::exchange(m_marks, std::move(marks));
    changed.insert(changed.end(), m_marks.begin(), m_marks.end());
    std::sort(changed.begin(), changed.end());
    NodeTree::Position last = NodeTree::noNode;
    for (const auto& [position, severity] : changed) {
        if (position == last)
            continue;
        last = position;
        const QModelIndex node = indexOf(position);
        if (node.isValid())
            emit dataChanged(
                node, node,
                {Qt::DecorationRole, Qt::BackgroundRole, Qt::AccessibleTextRole, MarkRole});
    }
}

std::optional<checker::Severity> NodeTreeModel::markOf(NodeTree::Position position) const
{
    return talpora::markOf(m_marks, position);
}

NodeTree::Position NodeTreeModel::positionOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<NodeTree::Position>(index.internalId()) : NodeTree::noNode;
}

QModelIndex NodeTreeModel::indexOf(NodeTree::Position position) const
{
    if (!m_tree || !m_tree->contains(position))
        return {};
    return createIndex(static_cast<int>(m_tree->row(position)), 0, quintptr{position});
}

void NodeTreeModel::nodeExpanded(const QModelIndex& index)
{
    m_pictures.expanded(positionOf(index));
    pictureChanged(index);
}

void NodeTreeModel::nodeCollapsed(const QModelIndex& index)
{
    m_pictures.collapsed(positionOf(index));
    pictureChanged(index);
}

void NodeTreeModel::pictureChanged(const QModelIndex& index)
{
    if (index.isValid())
        emit dataChanged(index, index, {Qt::DecorationRole, PictureRole});
}

QModelIndex NodeTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!m_tree || m_tree->size() == 0 || row < 0 || column != 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? createIndex(0, 0, quintptr{1}) : QModelIndex();
    const NodeTree::Position parentPosition = positionOf(parent);
    if (static_cast<NodeTree::Position>(row) >= m_tree->childCount(parentPosition))
        return {};
    return createIndex(
        row, 0, quintptr{m_tree->child(parentPosition, static_cast<NodeTree::Position>(row))});
}

QModelIndex NodeTreeModel::parent(const QModelIndex& index) const
{
    if (!index.isValid() || !m_tree)
        return {};
    return indexOf(m_tree->parent(positionOf(index)));
}

int NodeTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!m_tree || m_tree->size() == 0 || parent.column() > 0)
        return 0;
    if (!parent.isValid())
        return 1;
    return static_cast<int>(m_tree->childCount(positionOf(parent)));
}

int NodeTreeModel::columnCount(const QModelIndex& parent) const
{
    return parent.column() > 0 ? 0 : 1;
}

QVariant NodeTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_tree)
        return {};
    const NodeTree::Position position = positionOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return displayText(m_tree->textUtf8(position));
    case Qt::ToolTipRole:
        return toolTipText(displayText(m_tree->textUtf8(position)));
    case Qt::DecorationRole: {
        const auto picture = static_cast<std::size_t>(m_pictures.picture(position)) - 1;
        if (const std::optional<checker::Severity> mark = markOf(position))
            return m_markedIcons[static_cast<std::size_t>(*mark)][picture];
        return m_icons[picture];
    }
    case Qt::BackgroundRole:
        if (const std::optional<checker::Severity> mark = markOf(position))
            return *mark == checker::Severity::Error ? QColor(255, 214, 214)
                                                     : QColor(255, 238, 176);
        return {};
    case Qt::AccessibleTextRole: {
        const QString text = displayText(m_tree->textUtf8(position));
        const std::optional<checker::Severity> mark = markOf(position);
        if (!mark)
            return text;
        //: What a screen reader says of a tree row whose element has an error
        return *mark == checker::Severity::Error ? tr("%1, error").arg(text)
                                                 //: ... and of one with a warning
                                                 : tr("%1, warning").arg(text);
    }
    case MarkRole:
        if (const std::optional<checker::Severity> mark = markOf(position))
            return static_cast<int>(*mark);
        return {};
    case Qt::ForegroundRole:
        switch (m_tree->colour(position)) {
        case NodeColour::Red:
            return QColor(255, 0, 0);
        case NodeColour::Blue:
            return QColor(0, 0, 255);
        case NodeColour::Default:
            return {};
        }
        return {};
    case KeyRole:
        return m_tree->key(position);
    case TagRole:
        return m_tree->tag(position);
    case PositionRole:
        return QVariant::fromValue(position);
    case PictureRole:
        return static_cast<int>(m_pictures.picture(position));
    default:
        return {};
    }
}

Qt::ItemFlags NodeTreeModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace talpora
