#include "NodeTreeView.h"

#include "DeepLayoutStack.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace talpora {

NodeTreeView::NodeTreeView(QWidget* parent) : QTreeView(parent)
{
    allowDeepTreeLayouts();
    setHeaderHidden(true);
    setUniformRowHeights(true); // keeps a million rows cheap to lay out
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(32, 32));
    setAnimated(false);
    // The single column is as wide as the widest row around the visible ones
    // (and at least as wide as the view), so no text is cut off with "…".
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void NodeTreeView::expandAncestors(const QModelIndex& index)
{
    QModelIndexList collapsed;
    for (QModelIndex ancestor = index.parent(); ancestor.isValid(); ancestor = ancestor.parent()) {
        if (!isExpanded(ancestor))
            collapsed.append(ancestor);
    }
    if (collapsed.isEmpty())
        return;
    if (collapsed.size() == 1) { // lays out that branch alone, not every open row
        expand(collapsed.first());
        return;
    }
    // Opened one by one, each ancestor would lay the view out again and
    // refresh its scroll bars. While a layout is pending, expand() only
    // records the state and reports it, so the pictures still follow.
    scheduleDelayedItemsLayout();
    for (auto ancestor = collapsed.crbegin(); ancestor != collapsed.crend(); ++ancestor)
        expand(*ancestor);
    executeDelayedItemsLayout();
}

void NodeTreeView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // The base class scrolls sideways by whole columns only, which with one
    // wide column means back to its left edge; keep the position and decide here.
    const int horizontalPosition = horizontalScrollBar()->value();
    QTreeView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(horizontalPosition);
    scrollToStartOf(index);
}

void NodeTreeView::scrollToStartOf(const QModelIndex& index)
{
    const QRect cell = visualRect(index);
    if (cell.height() <= 0) // not laid out: hidden in a closed branch
        return;
    fitColumnToRowsInView();
    const int left = cell.left();
    const int contentWidth = sizeHintForIndex(index).width();
    const int viewWidth = viewport()->width();
    const bool whollyVisible = left >= 0 && left + contentWidth <= viewWidth;
    const bool startVisible = left >= 0 && left <= viewWidth / 2;
    if (whollyVisible || startVisible)
        return;
    // The node's branch indicator goes to the left edge of the view.
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - indentation());
}

int NodeTreeView::sizeHintForColumn(int column) const
{
    // Qt measures up to a thousand rows around the top of the view, which
    // can leave out the last rows on screen. At least as wide as the view, so
    // that the selected row is highlighted across it.
    return std::max(
        {QTreeView::sizeHintForColumn(column), widthOfRowsInView(), viewport()->width()});
}

int NodeTreeView::widthOfRowsInView() const
{
    int width = 0;
    const int viewHeight = viewport()->height();
    for (QModelIndex index = indexAt(QPoint(0, 0)); index.isValid(); index = indexBelow(index)) {
        const QRect cell = visualRect(index);
        if (cell.top() >= viewHeight)
            break;
        // The cell starts after the node's indentation, in viewport coordinates.
        width = std::max(width, horizontalOffset() + cell.left() + sizeHintForIndex(index).width());
    }
    return width;
}

void NodeTreeView::fitColumnToRowsInView()
{
    // The column follows the rows in view by itself only when the view is
    // laid out again, not when it scrolls.
    const int needed = widthOfRowsInView();
    if (header()->sectionSize(0) >= needed)
        return;
    header()->resizeSection(0, needed);
    updateGeometries();
}

void NodeTreeView::scrollContentsBy(int dx, int dy)
{
    QTreeView::scrollContentsBy(dx, dy);
    if (dy != 0)
        fitColumnToRowsInView();
}

void NodeTreeView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F3) {
        // The search selects its hit itself; that is no move by the user.
        emit findNextRequested();
        QTreeView::keyPressEvent(event);
        return;
    }
    // "*" opens every branch below the current node. The view lays out an
    // expanded branch recursively, at a cost that grows with the square of
    // its depth, so on a document nested tens of thousands of levels deep an
    // unbounded expansion would freeze the window for minutes; a bound far
    // deeper than any real customUI keeps it quick.
    if (event->key() == Qt::Key_Asterisk && currentIndex().isValid()) {
        expandRecursively(currentIndex(), maximumExpandAllDepth);
        event->accept();
        return;
    }
    const QPersistentModelIndex before = currentIndex();
    QTreeView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before && selectionModel()->isSelected(after))
        emit nodeSelectedByKeyboard(after);
}

} // namespace talpora
