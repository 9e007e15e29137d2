#pragma once

#include <QTreeView>

namespace talpora {

// The document tree. Every node's text shows whole, with a horizontal scroll
// bar when it is wider than the view. F3, with or without Shift, Ctrl or Alt,
// asks for the next search hit; the key then goes on to the tree as usual.
class NodeTreeView : public QTreeView
{
    Q_OBJECT

public:
    // How many levels "*" opens at once.
    static constexpr int maximumExpandAllDepth = 64;

    explicit NodeTreeView(QWidget* parent = nullptr);

    // Opens every collapsed ancestor of `index` with a single layout of the
    // view; each one is still reported through expanded().
    void expandAncestors(const QModelIndex& index);

    // Also scrolls sideways, so that the start of the node's picture and text
    // is in view.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    void findNextRequested();
    // The user moved the selection with the keyboard (arrows, Home, End,
    // Page Up, Page Down or typing a node's first letters).
    void nodeSelectedByKeyboard(const QModelIndex& index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    int sizeHintForColumn(int column) const override;

private:
    void scrollToStartOf(const QModelIndex& index);
    // The width the column needs for the rows now on screen, indentation included.
    int widthOfRowsInView() const;
    void fitColumnToRowsInView();
};

} // namespace talpora
