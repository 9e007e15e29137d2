// How the tree view answers the keyboard and the mouse.
#include "NodeTreeModel.h"
#include "NodeTreeView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace talpora {

QModelIndex NodeTreeView::moveCursor(CursorAction action, Qt::KeyboardModifiers /*modifiers*/)
{
    if (!m_tree || m_outline.rowCount() == 0)
        return {};
    const QModelIndex current = currentIndex();
    const std::size_t currentRow = shownRowOf(positionOf(current));
    if (currentRow == TreeOutline::noRow)
        return indexOfRow(0);
    const std::size_t lastRow = m_outline.rowCount() - 1;
    const auto rowsPerPage =
        static_cast<std::size_t>(std::max(1, viewport()->height() / m_rowHeight));
    const Position position = m_outline.positionAt(currentRow);
    switch (action) {
    case MoveUp:
    case MovePrevious:
        return indexOfRow(currentRow > 0 ? currentRow - 1 : 0);
    case MoveDown:
    case MoveNext:
        return indexOfRow(std::min(currentRow + 1, lastRow));
    case MoveHome:
        return indexOfRow(0);
    case MoveEnd:
        return indexOfRow(lastRow);
    case MovePageUp:
        return indexOfRow(currentRow > rowsPerPage ? currentRow - rowsPerPage : 0);
    case MovePageDown:
        return indexOfRow(std::min(currentRow + rowsPerPage, lastRow));
    case MoveLeft:
        // Closes an open branch first, then goes up to the parent.
        if (m_outline.isOpen(position)) {
            collapse(indexOfRow(currentRow));
            return current;
        }
        if (const Position parent = m_tree->parent(position); parent != NodeTree::noNode)
            return m_model->indexOf(parent);
        return indexOfRow(currentRow);
    case MoveRight:
        // Opens a closed branch first, then goes down to its first child.
        if (!m_outline.isOpen(position) && m_tree->childCount(position) > 0) {
            expand(indexOfRow(currentRow));
            return current;
        }
        return indexOfRow(m_outline.isOpen(position) ? currentRow + 1 : currentRow);
    }
    return current;
}

void NodeTreeView::keyboardSearch(const QString& search)
{
    if (search.isEmpty() || !m_tree || m_outline.rowCount() == 0)
        return;
    const bool goesOn =
        m_lastTyped.isValid() && m_lastTyped.elapsed() < QApplication::keyboardInputInterval();
    m_lastTyped.start();
    m_typedText = goesOn ? m_typedText + search : search;
    // The same letter typed again steps on to the next row that starts with it.
    QString wanted = m_typedText;
    const bool oneLetterRepeated =
        wanted.size() > 1 && wanted.count(wanted.front()) == wanted.size();
    if (oneLetterRepeated)
        wanted.truncate(1);
    const std::size_t current = shownRowOf(positionOf(currentIndex()));
    std::size_t start = current == TreeOutline::noRow ? 0 : current;
    if (current != TreeOutline::noRow && (!goesOn || oneLetterRepeated))
        ++start;
    const std::size_t rows = m_outline.rowCount();
    for (std::size_t step = 0; step < rows; ++step) {
        const std::size_t row = (start + step) % rows;
        if (m_tree->text(m_outline.positionAt(row)).startsWith(wanted, Qt::CaseInsensitive)) {
            const QModelIndex index = indexOfRow(row);
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            scrollTo(index);
            return;
        }
    }
}

bool NodeTreeView::isOnBranchIndicator(const QPoint& point) const
{
    const QModelIndex index = indexAt(point);
    const Position position = positionOf(index);
    if (position == NodeTree::noNode || m_tree->childCount(position) == 0)
        return false;
    const int right = itemLeft(position) - horizontalOffset();
    return point.x() >= right - indentation() && point.x() < right;
}

bool NodeTreeView::toggleBranchAt(const QPoint& point)
{
    if (!isOnBranchIndicator(point))
        return false;
    toggleExpanded(indexAt(point));
    return true;
}

void NodeTreeView::mousePressEvent(QMouseEvent* event)
{
    // A press on the branch indicator opens or closes the branch; it selects nothing.
    if (event->button() == Qt::LeftButton && toggleBranchAt(event->position().toPoint()))
        return;
    QAbstractItemView::mousePressEvent(event);
}

void NodeTreeView::mouseReleaseEvent(QMouseEvent* event)
{
    if (isOnBranchIndicator(event->position().toPoint())) {
        setState(NoState);
        return;
    }
    QAbstractItemView::mouseReleaseEvent(event);
}

void NodeTreeView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (isOnBranchIndicator(point)) {
        mousePressEvent(event);
        return;
    }
    const QPersistentModelIndex pressed = currentIndex();
    QAbstractItemView::mouseDoubleClickEvent(event);
    // A double click on a node opens or closes its branch.
    const QModelIndex index = indexAt(point);
    if (event->button() != Qt::LeftButton || state() != NoState || !index.isValid() ||
        index != pressed || index != currentIndex())
        return;
    toggleExpanded(index);
}

void NodeTreeView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    switch (event->key()) {
    case Qt::Key_F3:
        // The search selects its hit itself; that is no move by the user.
        emit findNextRequested();
        QAbstractItemView::keyPressEvent(event);
        return;
    case Qt::Key_Asterisk:
        // "*" opens every branch below the current node, down to a bound far
        // deeper than any real customUI: opening a million nested levels is
        // no help to anyone reading them.
        if (current.isValid())
            expandRecursively(current, maximumExpandAllDepth);
        event->accept();
        return;
    case Qt::Key_Plus:
        expand(current);
        event->accept();
        return;
    case Qt::Key_Minus:
        collapse(current);
        event->accept();
        return;
    default:
        break;
    }
    const QPersistentModelIndex before = current;
    QAbstractItemView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before && selectionModel()->isSelected(after))
        emit nodeSelectedByKeyboard(after);
}

} // namespace talpora
