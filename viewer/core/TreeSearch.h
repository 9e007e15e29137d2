#pragma once

#include "viewer/core/NodeTree.h"

#include <QString>

namespace talpora {

// The first node after `selected` (positions selected+1 .. N, no wrap) whose
// text contains `keyword` regardless of letter case (Unicode case folding).
// Returns NodeTree::noNode when nothing matches, when the keyword is empty or
// when nothing is selected (selected == noNode).
NodeTree::Position FindNext(const NodeTree& tree, NodeTree::Position selected,
                            const QString& keyword);

} // namespace talpora
