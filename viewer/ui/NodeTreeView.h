#pragma once

#include "viewer/core/NodeTree.h"
#include "viewer/core/TreeOutline.h"

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <memory>

namespace talpora {

class NodeTreeModel;

// The document tree, drawn from a NodeTreeModel: a branch indicator per
// level, then each node's picture and whole text, with a horizontal scroll
// bar when a row is wider than the view. Rows are all one height, and which
// rows show is kept by a TreeOutline, so opening a branch costs the rows it
// shows, even on a document nested a hundred thousand levels deep.
//
// F3, with or without Shift, Ctrl or Alt, asks for the next search hit; the
// key then goes on to the tree as usual.
class NodeTreeView : public QAbstractItemView
{
    Q_OBJECT

public:
    // How many levels "*" opens at once.
    static constexpr int maximumExpandAllDepth = 64;

    explicit NodeTreeView(QWidget* parent = nullptr);

    // Takes a NodeTreeModel; any other model shows nothing.
    void setModel(QAbstractItemModel* model) override;

    NodeTreeModel* nodeTreeModel() const { return m_model; }
    const NodeTree* nodeTree() const { return m_tree.get(); }
    const std::shared_ptr<const NodeTree>& sharedTree() const { return m_tree; }
    const TreeOutline& outline() const { return m_outline; }

    int indentation() const;
    bool isExpanded(const QModelIndex& index) const;
    void expand(const QModelIndex& index);
    void collapse(const QModelIndex& index);
    // What a click on the row does; for screen readers, which activate rows.
    void clickRow(const QModelIndex& index);
    // Opens every collapsed ancestor of `index` at once; each is reported
    // through expanded(), so the pictures follow.
    void expandAncestors(const QModelIndex& index);
    // Opens `index` and the branches below it, `depth` levels down.
    void expandRecursively(const QModelIndex& index, int depth);

    QRect visualRect(const QModelIndex& index) const override;
    // Opens the ancestors, then scrolls sideways too, so that the start of
    // the node's picture and text is in view.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    // Typing the start of a row's text, or of its element name without the
    // "<", goes to the next shown row that has it.
    void keyboardSearch(const QString& search) override;
    void reset() override;
    void doItemsLayout() override;

signals:
    void expanded(const QModelIndex& index);
    void collapsed(const QModelIndex& index);
    void findNextRequested();
    // The user moved the selection otherwise than by clicking a row: with the
    // keyboard (arrows, Home, End, Page Up, Page Down or typing a node's first
    // letters), or by closing a branch over the current node, which moves the
    // selection up to the branch; or pressed Return or Space on the current row.
    void nodeSelectedByMove(const QModelIndex& index);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    using Position = NodeTree::Position;

    Position positionOf(const QModelIndex& index) const;
    QModelIndex indexOfRow(std::size_t row) const;
    // The row of the node, or of its nearest shown ancestor while it is hidden.
    std::size_t shownRowOf(Position position) const;
    std::size_t rowAtViewportY(int y) const;
    // Content coordinates: where the row starts and where the node's picture starts.
    qint64 rowTop(std::size_t row) const;
    int itemLeft(Position position) const;
    void toggleExpanded(const QModelIndex& index);
    // Whether the row shows its whole text in the view, from picture to end.
    bool showsWhole(const QModelIndex& index) const;
    bool isOnBranchIndicator(const QPoint& point) const;
    bool toggleBranchAt(const QPoint& point);

    void announceOpened(const std::vector<Position>& opened);
    // After rows were shown or hidden: new extents, scroll bars and picture.
    void rowsChanged();
    void updateRowHeight();
    int widthOfRowsInView() const;
    void widenToRowsInView();
    // The widest row seen in view since rows were last shown or hidden, or
    // the view when that is wider. Rows far off screen are not measured, so
    // a million rows cost nothing until they scroll into view.
    int contentWidth() const;
    void scrollToRow(std::size_t row, ScrollHint hint);
    void scrollToStartOf(const QModelIndex& index);

    void paintBranches(QPainter& painter, const QRect& exposed, qint64 top,
                       Position position) const;

    NodeTreeModel* m_model = nullptr;
    std::shared_ptr<const NodeTree> m_tree;
    TreeOutline m_outline;
    int m_rowHeight = 1;
    int m_widestRow = 0; // the widest row seen in view, indentation included
    // While a press selects a row, the view does not scroll sideways to it.
    bool m_pressing = false;
    QPersistentModelIndex m_pressedRow;
    QString m_typedText;
    QElapsedTimer m_lastTyped;
};

} // namespace talpora
