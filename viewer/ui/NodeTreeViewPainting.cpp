// How the tree view draws its rows: branch indicators, then picture and text.
#include "viewer/ui/NodeTreeModel.h"
#include "viewer/ui/NodeTreeView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOption>

namespace talpora {

namespace {

bool hasLaterSibling(const NodeTree& tree, NodeTree::Position position)
{
    const NodeTree::Position parent = tree.parent(position);
    return parent != NodeTree::noNode && tree.row(position) + 1 < tree.childCount(parent);
}

} // namespace

// Level L of a row is the strip [L, L + 1) times the indentation. A row's own
// level carries its connector and, when it has children, the open or closed
// indicator; each level to the left carries the line that runs on from the
// ancestor at that depth to its next sibling. Only the levels in the exposed
// strip are drawn, so a row a hundred thousand levels deep costs the
// ancestors between it and the left edge of the view, not its depth.
void NodeTreeView::paintBranches(QPainter& painter, const QRect& exposed, qint64 top,
                                 Position position) const
{
    const int indent = indentation();
    const qint64 firstLevel =
        std::max<qint64>(0, (qint64{exposed.left()} + horizontalOffset()) / indent);
    const qint64 lastLevel = (qint64{exposed.right()} + horizontalOffset()) / indent;
    const qint64 depth = m_tree->depth(position);
    if (firstLevel > depth)
        return;

    QStyleOption option;
    option.initFrom(this);
    const QStyle::State common = (isEnabled() ? QStyle::State_Enabled : QStyle::State_None) |
                                 (hasFocus() ? QStyle::State_Active : QStyle::State_None);
    const auto drawLevel = [&](qint64 level, QStyle::State state) {
        option.rect = QRect(static_cast<int>(level * indent - horizontalOffset()),
                            static_cast<int>(top), indent, m_rowHeight);
        option.state = common | state;
        style()->drawPrimitive(QStyle::PE_IndicatorBranch, &option, &painter, this);
    };

    Position node = position;
    for (qint64 level = depth; level >= firstLevel; --level, node = m_tree->parent(node)) {
        if (level > lastLevel)
            continue;
        QStyle::State state =
            hasLaterSibling(*m_tree, node) ? QStyle::State_Sibling : QStyle::State_None;
        if (level == depth) {
            state |= QStyle::State_Item;
            if (m_tree->childCount(node) > 0)
                state |= QStyle::State_Children;
            if (m_outline.isOpen(node))
                state |= QStyle::State_Open;
        }
        drawLevel(level, state);
    }
}

void NodeTreeView::paintEvent(QPaintEvent* event)
{
    if (!m_tree || m_outline.rowCount() == 0)
        return;
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex current = currentIndex();
    const bool focused = hasFocus();
    for (std::size_t row = rowAtViewportY(std::max(exposed.top(), 0)); row < m_outline.rowCount();
         ++row) {
        const qint64 top = rowTop(row) - verticalOffset();
        if (top > exposed.bottom())
            break;
        const Position position = m_outline.positionAt(row);
        paintBranches(painter, exposed, top, position);

        const QModelIndex index = m_model->indexOf(position);
        QStyleOptionViewItem itemOption = option;
        itemOption.rect = visualRect(index);
        // A selected row reads the same whether or not the tree has the
        // keyboard: the user reads it while typing in the Scripts window, and
        // the pale selection that styles draw without focus all but vanishes
        // on Windows.
        if (selectionModel() && selectionModel()->isSelected(index))
            itemOption.state |= QStyle::State_Selected | QStyle::State_Active;
        if (focused && index == current)
            itemOption.state |= QStyle::State_HasFocus;
        itemOption.palette.setCurrentColorGroup(
            itemOption.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive);
        itemDelegateForIndex(index)->paint(&painter, itemOption, index);
    }
}

} // namespace talpora
