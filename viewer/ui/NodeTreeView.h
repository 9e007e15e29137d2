#pragma once

#include <QTreeView>

namespace talpora {

// The document tree. F3, with or without Shift, Ctrl or Alt, asks for the
// next search hit; the key then goes on to the tree as usual.
class NodeTreeView : public QTreeView
{
    Q_OBJECT

public:
    // How many levels "*" opens at once.
    static constexpr int maximumExpandAllDepth = 64;

    explicit NodeTreeView(QWidget* parent = nullptr);

signals:
    void findNextRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace talpora
