#include "viewer/core/TreeOutline.h"

#include <algorithm>

namespace talpora {

void TreeOutline::setTree(const NodeTree* tree)
{
    m_tree = tree && tree->size() > 0 ? tree : nullptr;
    m_open.assign(m_tree ? m_tree->size() + 1 : 0, false);
    m_rows.clear();
    if (m_tree)
        m_rows.push_back(1);
}

std::size_t TreeOutline::rowOf(Position position) const
{
    const auto found = std::lower_bound(m_rows.begin(), m_rows.end(), position);
    if (found == m_rows.end() || *found != position)
        return noRow;
    return static_cast<std::size_t>(found - m_rows.begin());
}

bool TreeOutline::isOpen(Position position) const
{
    return m_tree && m_tree->contains(position) && m_open[position];
}

bool TreeOutline::canOpen(Position position) const
{
    return m_tree && m_tree->contains(position) && !m_open[position] &&
           m_tree->childCount(position) > 0;
}

bool TreeOutline::open(Position position)
{
    return setOpen(position, true);
}

bool TreeOutline::close(Position position)
{
    return setOpen(position, false);
}

bool TreeOutline::setOpen(Position position, bool open)
{
    if (open ? !canOpen(position) : !isOpen(position))
        return false;
    m_open[position] = open;
    if (const std::size_t row = rowOf(position); row != noRow)
        refreshRowsBelow(row);
    return true;
}

std::vector<TreeOutline::Position> TreeOutline::openAncestorsOf(Position position)
{
    std::vector<Position> opened;
    if (!m_tree || !m_tree->contains(position))
        return opened;
    for (Position ancestor = m_tree->parent(position); ancestor != NodeTree::noNode;
         ancestor = m_tree->parent(ancestor)) {
        if (canOpen(ancestor)) {
            m_open[ancestor] = true;
            opened.push_back(ancestor);
        }
    }
    std::reverse(opened.begin(), opened.end());
    // Every ancestor above the topmost one opened now was open already, so
    // that one is shown, and the others are all in its branch.
    if (!opened.empty())
        refreshRowsBelow(rowOf(opened.front()));
    return opened;
}

std::vector<TreeOutline::Position> TreeOutline::openBranch(Position position, unsigned levels)
{
    std::vector<Position> opened;
    if (!m_tree || !m_tree->contains(position) || levels == 0)
        return opened;
    // In document order, the branch is the run of positions after `position`
    // that lie deeper than it.
    const std::uint32_t top = m_tree->depth(position);
    const std::uint32_t deepest = top + levels - 1;
    for (Position node = position;
         node <= m_tree->size() && (node == position || m_tree->depth(node) > top); ++node) {
        if (m_tree->depth(node) <= deepest && canOpen(node)) {
            m_open[node] = true;
            opened.push_back(node);
        }
    }
    if (const std::size_t row = rowOf(position); row != noRow && !opened.empty())
        refreshRowsBelow(row);
    return opened;
}

std::vector<TreeOutline::Position> TreeOutline::rowsBelow(Position position) const
{
    std::vector<Position> rows;
    if (!m_open[position])
        return rows;
    // Depth first without recursion: a document may nest a million levels.
    struct Branch
    {
        Position node;
        Position nextChild;
    };
    std::vector<Branch> pending{{position, 0}};
    while (!pending.empty()) {
        Branch& branch = pending.back();
        if (branch.nextChild == m_tree->childCount(branch.node)) {
            pending.pop_back();
            continue;
        }
        const Position child = m_tree->child(branch.node, branch.nextChild++);
        rows.push_back(child);
        if (m_open[child])
            pending.push_back({child, 0});
    }
    return rows;
}

void TreeOutline::refreshRowsBelow(std::size_t row)
{
    const Position position = m_rows[row];
    const std::uint32_t depth = m_tree->depth(position);
    const auto first = m_rows.begin() + static_cast<std::ptrdiff_t>(row) + 1;
    const auto end = std::find_if(first, m_rows.end(),
                                  [&](Position shown) { return m_tree->depth(shown) <= depth; });
    const std::vector<Position> rows = rowsBelow(position);
    // Write over the old rows in place and move the tail once.
    const auto oldCount = end - first;
    const auto newCount = static_cast<std::ptrdiff_t>(rows.size());
    if (newCount > oldCount) {
        std::copy(rows.begin(), rows.begin() + oldCount, first);
        m_rows.insert(end, rows.begin() + oldCount, rows.end());
    } else {
        std::copy(rows.begin(), rows.end(), first);
        m_rows.erase(first + newCount, end);
    }
}

} // namespace talpora
