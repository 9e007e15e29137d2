#pragma once

#include <cstddef>

namespace talpora {

class NodeTreeView;

// Lets screen readers read the document tree: the view shows as a tree whose
// items are its shown rows, each named by its node's text, with its selected,
// focused, expandable and expanded states, and the actions to activate,
// expand and collapse it. Installed once per program.
void installNodeTreeAccessibility();

// Tells screen readers that the shown row `row` was opened or closed, and
// that `rowsChanged` rows below it came into view or went out of it.
void announceBranchToggled(NodeTreeView* view, std::size_t row, bool opened,
                           std::size_t rowsChanged);
// Tells screen readers that many rows changed at once.
void announceRowsRelaidOut(NodeTreeView* view);

} // namespace talpora
