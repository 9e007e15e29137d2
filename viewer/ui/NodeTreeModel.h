#pragma once

#include "viewer/core/NodePictures.h"
#include "viewer/core/NodeTree.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <array>
#include <memory>

namespace talpora {

// A read-only model over a NodeTree: one column, the root element as the only
// top-level row. An index's internal id is the node's position, so the model
// allocates nothing per node.
class NodeTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Role
    {
        KeyRole = Qt::UserRole + 1, // "k_<position>"
        TagRole,                    // "name|idMso", the bare name for the root
        PositionRole,               // 1-based position in document order
        PictureRole,                // the picture number 1..4
    };

    explicit NodeTreeModel(QObject* parent = nullptr);

    // Pictures 1..4 of the image list, drawn as the nodes' decoration.
    void setPictureIcons(const std::array<QIcon, 4>& icons);
    void setTree(std::shared_ptr<const NodeTree> tree);
    const std::shared_ptr<const NodeTree>& tree() const { return m_tree; }

    NodeTree::Position positionOf(const QModelIndex& index) const;
    QModelIndex indexOf(NodeTree::Position position) const;

    // Keep the folder pictures in step with the view's expansion.
    void nodeExpanded(const QModelIndex& index);
    void nodeCollapsed(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void pictureChanged(const QModelIndex& index);

    std::shared_ptr<const NodeTree> m_tree;
    NodePictures m_pictures;
    std::array<QIcon, 4> m_icons;
};

} // namespace talpora
