#pragma once

#include "viewer/core/NodeTree.h"

#include <vector>

namespace talpora {

// The picture each node shows. The root always shows the globe; every other
// node shows the open folder after its last expansion and the closed folder
// otherwise. One bit per node, whatever the node has done.
class NodePictures
{
public:
    NodePictures() = default;
    explicit NodePictures(NodeTree::Position nodeCount) : m_open(nodeCount, false) {}

    void expanded(NodeTree::Position position) { setOpen(position, true); }
    void collapsed(NodeTree::Position position) { setOpen(position, false); }
    NodePicture picture(NodeTree::Position position) const;

private:
    void setOpen(NodeTree::Position position, bool open);
    std::vector<bool> m_open;
};

} // namespace talpora
