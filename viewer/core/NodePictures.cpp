#include "viewer/core/NodePictures.h"

namespace talpora {

void NodePictures::setOpen(NodeTree::Position position, bool open)
{
    // The root keeps its globe in both states.
    if (position > 1 && position <= m_open.size())
        m_open[position - 1] = open;
}

NodePicture NodePictures::picture(NodeTree::Position position) const
{
    if (position == 1)
        return NodePicture::Globe;
    if (position <= m_open.size() && m_open[position - 1])
        return NodePicture::OpenFolder;
    return NodePicture::ClosedFolder;
}

} // namespace talpora
