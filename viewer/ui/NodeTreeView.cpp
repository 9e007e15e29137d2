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
    // "*" opens every branch below the current node. The view lays out
    // expanded branches recursively, so on a document nested tens of
    // thousands of levels deep an unbounded expansion would overflow the
    // stack; a bound far deeper than any real customUI keeps it safe.
    if (event->key() == Qt::Key_Asterisk && currentIndex().isValid()) {
        expandRecursively(currentIndex(), maximumExpandAllDepth);
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

} // namespace talpora
