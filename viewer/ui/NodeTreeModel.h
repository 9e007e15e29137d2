#pragma once

#include "checker/Finding.h"
#include "viewer/core/NodePictures.h"
#include "viewer/core/NodeTree.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

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
        MarkRole, // the severity of the node's worst finding (checker::Severity as int); none
    };

    using Marks = std::vector<std::pair<NodeTree::Position, checker::Severity>>;

    explicit NodeTreeModel(QObject* parent = nullptr);

    // Pictures 1..4 of the image list, drawn as the nodes' decoration.
    void setPictureIcons(const std::array<QIcon, 4>& icons);
    // A new tree comes without marks.
    void setTree(std::shared_ptr<const NodeTree> tree);
    // Marks the nodes that findings name (CheckedDocument::marks()): their
    // picture carries the mark, their row a colour, and screen readers hear
    // the severity after the row's text.
    void setMarks(Marks marks);
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
    std::optional<checker::Severity> markOf(NodeTree::Position position) const;

    std::shared_ptr<const NodeTree> m_tree;
    NodePictures m_pictures;
    std::array<QIcon, 4> m_icons;
    // The pictures with the error mark, then with the warning mark.
    std::array<std::array<QIcon, 4>, 2> m_markedIcons;
    Marks m_marks;
};

} // namespace talpora
