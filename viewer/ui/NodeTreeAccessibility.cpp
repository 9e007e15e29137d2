#include "NodeTreeAccessibility.h"

#include "DisplayText.h"
#include "NodeTreeModel.h"
#include "NodeTreeView.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <limits>

namespace talpora {

namespace {

using Position = NodeTree::Position;

// One shown row. It names its node by position and by the tree it belongs
// to, so once another document is loaded it reports itself invalid.
class NodeRowAccessible : public QAccessibleInterface
{
public:
    NodeRowAccessible(NodeTreeView* view, const NodeTree* tree, Position position)
        : m_view(view), m_tree(tree), m_position(position)
    {}

    Position position() const { return m_position; }

    bool isValid() const override
    {
        return m_view && m_view->nodeTree() == m_tree &&
               m_view->outline().rowOf(m_position) != TreeOutline::noRow;
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_view.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid() || kind != QAccessible::Name)
            return {};
        return displayText(m_tree->textUtf8(m_position));
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect cell = m_view->visualRect(index());
        return {m_view->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::TreeItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QModelIndex node = index();
        state.selectable = true;
        state.focusable = true;
        state.selected = m_view->selectionModel()->isSelected(node);
        state.focused = m_view->hasFocus() && m_view->currentIndex() == node;
        state.expandable = m_tree->childCount(m_position) > 0;
        state.expanded = m_view->outline().isOpen(m_position);
        state.collapsed = state.expandable && !state.expanded;
        state.offscreen = !m_view->viewport()->rect().intersects(m_view->visualRect(node));
        return state;
    }

private:
    QModelIndex index() const { return m_view->nodeTreeModel()->indexOf(m_position); }

    QPointer<NodeTreeView> m_view;
    const NodeTree* m_tree;
    Position m_position;
};

// The view as a tree whose children are its shown rows, in order. Row
// interfaces are made when a reader asks for them and kept while their
// document is shown.
class NodeTreeViewAccessible : public QAccessibleWidget
{
public:
    explicit NodeTreeViewAccessible(NodeTreeView* view) : QAccessibleWidget(view, QAccessible::Tree)
    {}
    ~NodeTreeViewAccessible() override { forgetRows(); }

    int childCount() const override
    {
        const std::size_t rows = view()->outline().rowCount();
        return static_cast<int>(std::min<std::size_t>(rows, std::numeric_limits<int>::max()));
    }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return rowInterface(view()->outline().positionAt(static_cast<std::size_t>(index)));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* row = dynamic_cast<const NodeRowAccessible*>(child);
        if (!row || !row->isValid())
            return -1;
        return static_cast<int>(view()->outline().rowOf(row->position()));
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint point = view()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = view()->indexAt(point);
        return index.isValid() ? rowInterface(view()->nodeTreeModel()->positionOf(index)) : nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        const QModelIndex current = view()->currentIndex();
        if (!view()->hasFocus() || !current.isValid() || !view()->nodeTreeModel())
            return nullptr;
        return rowInterface(view()->nodeTreeModel()->positionOf(current));
    }

private:
    NodeTreeView* view() const { return static_cast<NodeTreeView*>(widget()); }

    QAccessibleInterface* rowInterface(Position position) const
    {
        if (view()->nodeTree() != m_rowsOf) {
            forgetRows();
            m_rowsOf = view()->nodeTree();
        }
        if (const auto found = m_rows.constFind(position); found != m_rows.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* row = new NodeRowAccessible(view(), m_rowsOf, position);
        m_rows.insert(position, QAccessible::registerAccessibleInterface(row));
        return row;
    }

    void forgetRows() const
    {
        for (const QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
        m_rows.clear();
    }

    mutable const NodeTree* m_rowsOf = nullptr;
    mutable QHash<Position, QAccessible::Id> m_rows;
};

QAccessibleInterface* nodeTreeAccessibleFactory(const QString& className, QObject* object)
{
    auto* view = qobject_cast<NodeTreeView*>(object);
    if (!view || className != QLatin1String(NodeTreeView::staticMetaObject.className()))
        return nullptr;
    return new NodeTreeViewAccessible(view);
}

} // namespace

void installNodeTreeAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(nodeTreeAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace talpora
