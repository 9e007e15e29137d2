#pragma once

#include "viewer/core/NodeTree.h"

#include <cstddef>
#include <limits>
#include <vector>

namespace talpora {

// Which nodes of a tree are open, and the rows that makes: every node whose
// ancestors are all open, in document order. A node keeps its own state while
// a closed ancestor hides it, and shows it again when that ancestor reopens.
//
// Opening or closing a node costs the rows it shows or hides, whatever the
// depth; opening a chain of ancestors, or a branch level by level, lays the
// rows out once for the whole change.
class TreeOutline
{
public:
    using Position = NodeTree::Position;
    static constexpr std::size_t noRow = std::numeric_limits<std::size_t>::max();

    // Shows the root alone, closed; nothing is open. A null tree shows nothing.
    void setTree(const NodeTree* tree);

    std::size_t rowCount() const { return m_rows.size(); }
    Position positionAt(std::size_t row) const { return m_rows[row]; }
    // noRow when a closed ancestor hides the node, or there is no such node.
    std::size_t rowOf(Position position) const;

    bool isOpen(Position position) const;
    // A node without children never opens. Both return whether anything changed.
    bool open(Position position);
    bool close(Position position);

    // Opens every closed ancestor of `position`; returns them from the top down.
    std::vector<Position> openAncestorsOf(Position position);
    // Opens `position` and the nodes below it down to `levels` levels under it
    // (1: the node alone); returns those that were closed, in document order.
    std::vector<Position> openBranch(Position position, unsigned levels);

private:
    bool canOpen(Position position) const;
    bool setOpen(Position position, bool open);
    // The rows a shown, open node puts below itself: its descendants whose
    // ancestors up to it are open.
    std::vector<Position> rowsBelow(Position position) const;
    // Replaces the rows below the shown node at `row` with what its branch shows now.
    void refreshRowsBelow(std::size_t row);

    const NodeTree* m_tree = nullptr;
    std::vector<bool> m_open; // by position; entry 0 unused
    // Ascending: rows follow document order.
    std::vector<Position> m_rows;
};

} // namespace talpora
