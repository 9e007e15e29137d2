#include "NodeTreeView.h"

#include <QKeyEvent>

namespace talpora {

NodeTreeView::NodeTreeView(QWidget* parent) : QTreeView(parent)
{
    setHeaderHidden(true);
    setUniformRowHeights(true); // keeps a million rows cheap to lay out
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(32, 32));
    setAnimated(false);
}

void NodeTreeView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F3)
        emit findNextRequested();
    QTreeView::keyPressEvent(event);
}

} // namespace talpora
