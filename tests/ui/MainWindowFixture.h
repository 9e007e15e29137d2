#pragma once

#include "ModalDialogs.h"

#include <QString>
#include <memory>

class QLabel;
class QListWidget;
class QStatusBar;

namespace talpora {
class Form1;
class NodeTreeModel;
class NodeTreeView;
} // namespace talpora

namespace talpora::test {

// A fresh main window per test, its controls found by their object names,
// and a guard that closes any box the test did not ask for, so that a box
// that should not open fails the test instead of blocking it.
class MainWindowFixture
{
public:
    MainWindowFixture();
    ~MainWindowFixture();
    MainWindowFixture(const MainWindowFixture&) = delete;
    MainWindowFixture& operator=(const MainWindowFixture&) = delete;

    // Shows the window and waits until it is active; false when that fails
    // or a named control is missing.
    bool open();
    // Describes the boxes that opened outside a test's own ModalDialogs;
    // empty when there were none.
    QString unexpectedDialogs() const;
    void close();

    // Clicks the entry with this name in List1.
    void loadEntry(const char* name) const;

    Form1* form = nullptr;
    QListWidget* list = nullptr;
    NodeTreeView* tree = nullptr;
    NodeTreeModel* model = nullptr;
    QStatusBar* statusBar = nullptr;
    QLabel* statusPanel = nullptr;

private:
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<ModalDialogs> m_unexpected;
};

} // namespace talpora::test
