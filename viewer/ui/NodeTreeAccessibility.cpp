#include "viewer/ui/NodeTreeAccessibility.h"

#include "viewer/ui/NodeTreeModel.h"
#include "viewer/ui/NodeTreeView.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <algorithm>
#include <limits>
#include <memory>

namespace talpora {

namespace {

using Position = NodeTree::Position;

// One shown row. It names its node by position and by the tree it belongs
// to, so once another document is loaded it reports itself invalid.
class NodeRowAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    NodeRowAccessible(NodeTreeView* view, const std::shared_ptr<const NodeTree>& tree,
                      Position position)
        : m_view(view), m_owner(tree), m_tree(tree.get()), m_position(position)
    {}

    Position position() const { return m_position; }

    bool isValid() const override
    {
        // The tree is held weakly: a new document may be built where the old one was.
        return m_view && !m_owner.expired() && m_view->nodeTree() == m_tree &&
               m_view->outline().rowOf(m_position) != TreeOutline::noRow;
    }
    QObject* object() const override { return nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    // Activating a row is clicking it; a row with children expands and collapses.
    QStringList actionNames() const override
    {
        if (!isValid())
            return {};
        QStringList names{pressAction()};
        if (m_tree->childCount(m_position) > 0)
            names << expandAction() << collapseAction();
        return names;
    }
    void doAction(const QString& name) override
    {
        if (!isValid())
            return;
        if (name == pressAction()) {
            // A click may open a message box, whose event loop would keep
            // this call, and the screen reader waiting on it, until the box
            // is closed: the click comes once the call has answered.
            QMetaObject::invokeMethod(
                m_view,
                [view = m_view, row = QPersistentModelIndex(index())] {
                    if (view && row.isValid())
                        view->clickRow(row);
                },
                Qt::QueuedConnection);
        } else if (name == expandAction())
            m_view->expand(index());
        else if (name == collapseAction())
            m_view->collapse(index());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    static QString expandAction() { return QStringLiteral("expand"); }
    static QString collapseAction() { return QStringLiteral("collapse"); }
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
        // The row's text, and the severity of a finding on its element.
        return m_view->nodeTreeModel()->data(index(), Qt::AccessibleTextRole).toString();
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
    std::weak_ptr<const NodeTree> m_owner;
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
        const std::shared_ptr<const NodeTree>& shown = view()->sharedTree();
        if (m_rowsOf.expired() || m_rowsOf.lock() != shown) {
            forgetRows();
            m_rowsOf = shown;
        }
        if (const auto found = m_rows.constFind(position); found != m_rows.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* row = new NodeRowAccessible(view(), shown, position);
        m_rows.insert(position, QAccessible::registerAccessibleInterface(row));
        return row;
    }

    void forgetRows() const
    {
        for (const QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
        m_rows.clear();
    }

    mutable std::weak_ptr<const NodeTree> m_rowsOf;
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

void announceBranchToggled(NodeTreeView* view, std::size_t row, bool opened,
                           std::size_t rowsChanged)
{
    constexpr std::size_t intMax = std::numeric_limits<int>::max();
    if (row >= intMax)
        return;
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    QAccessibleStateChangeEvent stateEvent(view, changed);
    stateEvent.setChild(static_cast<int>(row));
    QAccessible::updateAccessibility(&stateEvent);
    if (rowsChanged == 0)
        return;
    QAccessibleTableModelChangeEvent rowsEvent(
        view, opened ? QAccessibleTableModelChangeEvent::RowsInserted
                     : QAccessibleTableModelChangeEvent::RowsRemoved);
    rowsEvent.setFirstRow(static_cast<int>(row + 1));
    rowsEvent.setLastRow(static_cast<int>(std::min(row + rowsChanged, intMax)));
    QAccessible::updateAccessibility(&rowsEvent);
    // The AT-SPI bridge drops the two events above (as it does for Qt's own
    // tree), so readers there learn of opened rows only as new children.
    // Closed rows need no such notice: their interfaces turn invalid.
    if (!opened || !QAccessible::isActive())
        return;
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(view);
    constexpr std::size_t mostAnnounced = 256; // a reader re-reads a bigger branch anyway
    const std::size_t last = std::min({row + rowsChanged, row + mostAnnounced, intMax - 1});
    for (std::size_t shown = row + 1; tree && shown <= last; ++shown) {
        if (QAccessibleInterface* child = tree->child(static_cast<int>(shown))) {
            QAccessibleEvent created(child, QAccessible::ObjectCreated);
            QAccessible::updateAccessibility(&created);
        }
    }
}

void announceRowsRelaidOut(NodeTreeView* view)
{
    QAccessibleTableModelChangeEvent event(view, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void installNodeTreeAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(nodeTreeAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace talpora
