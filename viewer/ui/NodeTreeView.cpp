#include "viewer/ui/NodeTreeView.h"

#include "viewer/ui/NodeTreeAccessibility.h"
#include "viewer/ui/NodeTreeModel.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace talpora {

namespace {

// Scroll bars count in int; a content extent is clamped to what they can reach.
int clampedToInt(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
}

} // namespace

NodeTreeView::NodeTreeView(QWidget* parent) : QAbstractItemView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(32, 32));
    setTextElideMode(Qt::ElideNone);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    installNodeTreeAccessibility();
}

void NodeTreeView::setModel(QAbstractItemModel* model)
{
    // Known before the base class resets the view for the new model.
    m_model = qobject_cast<NodeTreeModel*>(model);
    QAbstractItemView::setModel(model);
}

void NodeTreeView::reset()
{
    QAbstractItemView::reset();
    m_tree = m_model ? m_model->tree() : nullptr;
    m_outline.setTree(m_tree.get());
    m_typedText.clear();
    doItemsLayout();
}

void NodeTreeView::doItemsLayout()
{
    updateRowHeight();
    m_widestRow = 0;
    QAbstractItemView::doItemsLayout(); // scroll bars and a repaint
}

void NodeTreeView::changeEvent(QEvent* event)
{
    QAbstractItemView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        doItemsLayout();
}

int NodeTreeView::indentation() const
{
    return std::max(1, style()->pixelMetric(QStyle::PM_TreeViewIndentation, nullptr, this));
}

NodeTree::Position NodeTreeView::positionOf(const QModelIndex& index) const
{
    if (!m_model || index.model() != m_model)
        return NodeTree::noNode;
    return m_model->positionOf(index);
}

QModelIndex NodeTreeView::indexOfRow(std::size_t row) const
{
    if (!m_model || row >= m_outline.rowCount())
        return {};
    return m_model->indexOf(m_outline.positionAt(row));
}

std::size_t NodeTreeView::shownRowOf(Position position) const
{
    for (; position != NodeTree::noNode; position = m_tree->parent(position)) {
        if (const std::size_t row = m_outline.rowOf(position); row != TreeOutline::noRow)
            return row;
    }
    return TreeOutline::noRow;
}

qint64 NodeTreeView::rowTop(std::size_t row) const
{
    return static_cast<qint64>(row) * m_rowHeight;
}

int NodeTreeView::itemLeft(Position position) const
{
    // The root has a branch indicator of its own, left of its picture.
    return clampedToInt((static_cast<qint64>(m_tree->depth(position)) + 1) * indentation());
}

std::size_t NodeTreeView::rowAtViewportY(int y) const
{
    const qint64 contentY = static_cast<qint64>(y) + verticalOffset();
    if (contentY < 0)
        return TreeOutline::noRow;
    const auto row = static_cast<std::size_t>(contentY / m_rowHeight);
    return row < m_outline.rowCount() ? row : TreeOutline::noRow;
}

bool NodeTreeView::isExpanded(const QModelIndex& index) const
{
    return m_outline.isOpen(positionOf(index));
}

void NodeTreeView::expand(const QModelIndex& index)
{
    const Position position = positionOf(index);
    const std::size_t rowsBefore = m_outline.rowCount();
    if (!m_outline.open(position))
        return;
    rowsChanged();
    announceBranchToggled(this, m_outline.rowOf(position), true, m_outline.rowCount() - rowsBefore);
    emit expanded(m_model->indexOf(position));
}

void NodeTreeView::collapse(const QModelIndex& index)
{
    const Position position = positionOf(index);
    const std::size_t rowsBefore = m_outline.rowCount();
    if (!m_outline.close(position))
        return;
    rowsChanged();
    announceBranchToggled(this, m_outline.rowOf(position), false,
                          rowsBefore - m_outline.rowCount());
    const QModelIndex closed = m_model->indexOf(position);
    emit collapsed(closed);
    // A hidden current node would leave no row highlighted and make "+", "-"
    // and F3 act on a node out of sight: the branch that hid it takes over.
    if (const QModelIndex current = currentIndex(); current.isValid() && isIndexHidden(current)) {
        selectionModel()->setCurrentIndex(closed, QItemSelectionModel::ClearAndSelect);
        emit nodeSelectedByMove(closed);
    }
}

void NodeTreeView::clickRow(const QModelIndex& index)
{
    if (isIndexHidden(index))
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    emit clicked(index);
}

void NodeTreeView::toggleExpanded(const QModelIndex& index)
{
    if (isExpanded(index))
        collapse(index);
    else
        expand(index);
}

void NodeTreeView::expandAncestors(const QModelIndex& index)
{
    announceOpened(m_outline.openAncestorsOf(positionOf(index)));
}

void NodeTreeView::expandRecursively(const QModelIndex& index, int depth)
{
    const Position position = positionOf(index);
    const std::size_t row = m_outline.rowOf(position);
    if (depth < 0 || row == TreeOutline::noRow)
        return;
    const std::size_t rowsBefore = m_outline.rowCount();
    const std::vector<Position> opened =
        m_outline.openBranch(position, static_cast<unsigned>(depth) + 1);
    if (opened.empty())
        return;
    rowsChanged();
    // The rows it shows all lie below it, as those "+" shows do.
    announceBranchToggled(this, row, true, m_outline.rowCount() - rowsBefore);
    for (const Position node : opened)
        emit expanded(m_model->indexOf(node));
}

void NodeTreeView::announceOpened(const std::vector<Position>& opened)
{
    if (opened.empty())
        return;
    rowsChanged();
    announceRowsRelaidOut(this);
    for (const Position position : opened)
        emit expanded(m_model->indexOf(position));
}

void NodeTreeView::updateRowHeight()
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex root = indexOfRow(0);
    const int fromText = option.fontMetrics.height();
    const int fromItem = root.isValid()
                             ? itemDelegateForIndex(root)->sizeHint(option, root).height()
                             : std::max(fromText, iconSize().height());
    m_rowHeight = std::max({1, fromText, fromItem});
}

void NodeTreeView::rowsChanged()
{
    m_widestRow = 0;
    updateGeometries();
    viewport()->update();
}

int NodeTreeView::widthOfRowsInView() const
{
    if (!m_tree)
        return 0;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int width = 0;
    const std::size_t first = rowAtViewportY(0);
    for (std::size_t row = first; row < m_outline.rowCount(); ++row) {
        if (rowTop(row) - verticalOffset() >= viewport()->height())
            break;
        const QModelIndex index = indexOfRow(row);
        const int textWidth = itemDelegateForIndex(index)->sizeHint(option, index).width();
        width = std::max(width, clampedToInt(qint64{itemLeft(positionOf(index))} + textWidth));
    }
    return width;
}

void NodeTreeView::widenToRowsInView()
{
    m_widestRow = std::max(m_widestRow, widthOfRowsInView());
}

int NodeTreeView::contentWidth() const
{
    // At least as wide as the view, so that a selected row is highlighted across it.
    return std::max(m_widestRow, viewport()->width());
}

void NodeTreeView::updateGeometries()
{
    widenToRowsInView();
    const qint64 contentHeight = rowTop(m_outline.rowCount());
    verticalScrollBar()->setSingleStep(m_rowHeight);
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, clampedToInt(contentHeight - viewport()->height()));
    horizontalScrollBar()->setSingleStep(indentation());
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, contentWidth() - viewport()->width());
    QAbstractItemView::updateGeometries();
}

void NodeTreeView::scrollContentsBy(int dx, int dy)
{
    if (dy != 0) {
        // Rows that scroll into view may be wider than any seen so far.
        const int before = m_widestRow;
        widenToRowsInView();
        if (m_widestRow != before)
            horizontalScrollBar()->setRange(0, contentWidth() - viewport()->width());
    }
    viewport()->scroll(dx, dy);
}

void NodeTreeView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QAbstractItemView::currentChanged(current, previous);
    // Screen readers follow the focus from row to row.
    const std::size_t row = m_outline.rowOf(positionOf(current));
    if (QAccessible::isActive() && hasFocus() && row != TreeOutline::noRow &&
        row <= std::size_t{std::numeric_limits<int>::max()}) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(static_cast<int>(row));
        QAccessible::updateAccessibility(&event);
    }
}

int NodeTreeView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int NodeTreeView::verticalOffset() const
{
    return verticalScrollBar()->value();
}

bool NodeTreeView::isIndexHidden(const QModelIndex& index) const
{
    return m_outline.rowOf(positionOf(index)) == TreeOutline::noRow;
}

QRect NodeTreeView::visualRect(const QModelIndex& index) const
{
    const Position position = positionOf(index);
    const std::size_t row = m_outline.rowOf(position);
    if (row == TreeOutline::noRow)
        return {};
    const int left = itemLeft(position);
    const qint64 top = rowTop(row) - verticalOffset();
    if (top < std::numeric_limits<int>::min() / 2 || top > std::numeric_limits<int>::max() / 2)
        return {}; // far off screen: no rectangle that int coordinates can hold
    return {left - horizontalOffset(), static_cast<int>(top), std::max(1, contentWidth() - left),
            m_rowHeight};
}

QModelIndex NodeTreeView::indexAt(const QPoint& point) const
{
    // The whole row counts, its indentation included.
    if (point.x() + horizontalOffset() < 0 || point.x() + horizontalOffset() >= contentWidth())
        return {};
    return indexOfRow(rowAtViewportY(point.y()));
}

void NodeTreeView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    QItemSelection selection;
    const std::size_t first = rowAtViewportY(std::max(rect.top(), 0));
    for (std::size_t row = first;
         row < m_outline.rowCount() && rowTop(row) - verticalOffset() <= rect.bottom(); ++row) {
        const QModelIndex index = indexOfRow(row);
        selection.select(index, index);
    }
    selectionModel()->select(selection, command);
}

QRegion NodeTreeView::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    if (!m_model)
        return region;
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            region += visualRect(m_model->index(row, 0, range.parent()));
    }
    return region;
}

void NodeTreeView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const Position position = positionOf(index);
    if (position == NodeTree::noNode)
        return;
    expandAncestors(index);
    const std::size_t row = m_outline.rowOf(position);
    scrollToRow(row, hint);
    if (m_pressing)
        return; // the row is under the mouse; its start may stay out of view
    // The rows now in view may be wider than the content so far. A horizontal
    // scroll bar that appears for them takes height from the view, which the
    // scroll area would otherwise lay out only later, leaving the row under it.
    updateGeometries();
    QEvent layoutRequest(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(this, &layoutRequest);
    scrollToStartOf(index);
    scrollToRow(row, EnsureVisible);
}

void NodeTreeView::scrollToRow(std::size_t row, ScrollHint hint)
{
    const qint64 top = rowTop(row);
    const qint64 viewHeight = viewport()->height();
    qint64 offset = verticalOffset();
    switch (hint) {
    case EnsureVisible:
        if (top < offset)
            offset = top;
        else if (top + m_rowHeight > offset + viewHeight)
            offset = top + m_rowHeight - viewHeight;
        break;
    case PositionAtTop:
        offset = top;
        break;
    case PositionAtBottom:
        offset = top + m_rowHeight - viewHeight;
        break;
    case PositionAtCenter:
        offset = top - (viewHeight - m_rowHeight) / 2;
        break;
    }
    verticalScrollBar()->setValue(clampedToInt(offset));
}

bool NodeTreeView::showsWhole(const QModelIndex& index) const
{
    const QRect cell = visualRect(index);
    return !cell.isEmpty() && cell.left() >= 0 &&
           cell.left() + sizeHintForIndex(index).width() <= viewport()->width();
}

void NodeTreeView::scrollToStartOf(const QModelIndex& index)
{
    const QRect cell = visualRect(index);
    if (cell.isEmpty())
        return;
    const int left = cell.left();
    const bool startVisible = left >= 0 && left <= viewport()->width() / 2;
    if (startVisible || showsWhole(index))
        return;
    // The node's branch indicator goes to the left edge of the view.
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - indentation());
}

} // namespace talpora
