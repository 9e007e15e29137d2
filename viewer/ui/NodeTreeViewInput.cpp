// How the tree view answers the keyboard and the mouse.
#include "viewer/ui/NodeTreeModel.h"
#include "viewer/ui/NodeTreeView.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

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
        const QString text = m_tree->text(m_outline.positionAt(row));
        const bool matches = text.startsWith(wanted, Qt::CaseInsensitive) ||
                             (text.startsWith(QLatin1Char('<')) &&
                              QStringView(text).sliced(1).startsWith(wanted, Qt::CaseInsensitive));
        if (matches) {
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

// Only the left button selects. Another button changes nothing, so that the
// highlighted row, the status bar, the snippet and the start of F3 agree.
void NodeTreeView::mousePressEvent(QMouseEvent* event)
{
    m_pressedRow = QPersistentModelIndex();
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    // A press on the branch indicator opens or closes the branch; it selects nothing.
    if (toggleBranchAt(event->position().toPoint()))
        return;
    m_pressedRow = indexAt(event->position().toPoint());
    m_pressing = true;
    QAbstractItemView::mousePressEvent(event);
    m_pressing = false;
}

// Dragging does not move the selection: the pressed row stays selected.
void NodeTreeView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        event->accept();
        return;
    }
    QAbstractItemView::mouseMoveEvent(event);
}

void NodeTreeView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const QPersistentModelIndex pressed = m_pressedRow;
    m_pressedRow = QPersistentModelIndex();
    const QPoint point = event->position().toPoint();
    if (!pressed.isValid()) { // a press on a branch indicator or below the rows
        setState(NoState);
        return;
    }
    if (indexAt(point) == pressed && !isOnBranchIndicator(point)) {
        QAbstractItemView::mouseReleaseEvent(event);
        return;
    }
    // A press on a row released elsewhere clicks the row it pressed: the view
    // would otherwise select the row under the release, without a click.
    const QPointF onPressed = visualRect(pressed).center();
    QMouseEvent release(event->type(), onPressed, viewport()->mapToGlobal(onPressed),
                        event->button(), event->buttons(), event->modifiers());
    QAbstractItemView::mouseReleaseEvent(&release);
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
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // On a row the keyboard did not reach by moving (a search hit, the
        // root of a new document), the path and snippet come on request.
        if (current.isValid() && !isIndexHidden(current))
            emit nodeSelectedByMove(current);
        event->accept();
        return;
    default:
        break;
    }
    const QPersistentModelIndex before = current;
    QAbstractItemView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before && selectionModel()->isSelected(after))
        emit nodeSelectedByMove(after);
    // Home shows the root even when it is current already but out of view.
    if (event->key() == Qt::Key_Home && after.isValid())
        scrollTo(after);
}

void NodeTreeView::wheelEvent(QWheelEvent* event)
{
    // Shift turns the wheel sideways, as in other tree views.
    const QPoint delta = event->angleDelta();
    if (!(event->modifiers() & Qt::ShiftModifier) || delta.x() != 0) {
        QAbstractItemView::wheelEvent(event);
        return;
    }
    QWheelEvent sideways(event->position(), event->globalPosition(), event->pixelDelta(), delta,
                         event->buttons(), event->modifiers() & ~Qt::ShiftModifier, event->phase(),
                         event->inverted(), event->source());
    QCoreApplication::sendEvent(horizontalScrollBar(), &sideways);
    event->accept();
}

bool NodeTreeView::viewportEvent(QEvent* event)
{
    // A row whose text is all in view needs no tooltip.
    if (event->type() == QEvent::ToolTip) {
        const QModelIndex index = indexAt(static_cast<QHelpEvent*>(event)->pos());
        if (!index.isValid() || showsWhole(index)) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
    }
    return QAbstractItemView::viewportEvent(event);
}

} // namespace talpora
