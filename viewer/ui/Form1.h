#pragma once

#include "viewer/core/ViewerSession.h"
#include "viewer/ui/OneLineLabel.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QListWidget;
class QMenu;

namespace talpora {

class Form2;
class NodeTreeModel;
class NodeTreeView;

// The main window: the catalogue list on the left, the document tree on the
// right, a one-panel status bar and the menu bar. It wires user actions to the
// ViewerSession and shows what the session answers.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr QSize designClientSize{913, 609};

    Form1();
    ~Form1() override;

    QListWidget* List1 = nullptr;
    NodeTreeView* TreeView1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    OneLineLabel* statusPanel1 = nullptr;

    QMenu* menuFile = nullptr;
    QAction* menuOpen = nullptr;
    QAction* menuExit = nullptr;
    QMenu* menuOption = nullptr;
    QAction* menuScripts = nullptr;
    QAction* menuFind = nullptr;
    QMenu* menuHelp = nullptr;
    QAction* menuManual = nullptr;
    QAction* menuAbout = nullptr;

    const ViewerSession& session() const { return m_session; }
    NodeTreeModel* treeModel() const { return m_model; }
    // The script window while it is open, nullptr otherwise.
    Form2* scriptWindow() const;

    // Loads a catalogue entry or a local file; on failure the previous
    // document stays and a message box names the document and the reason.
    void loadCatalogueEntry(int index);
    void openFile(const QString& path);

    // What a click on a tree node does: the path in the status bar and, with
    // the Scripts option on, the snippet in the script window.
    void nodeClicked(const QModelIndex& index);
    // The same for a node the user went to otherwise (the keyboard, closing
    // a branch over the current node), except that a snippet that cannot be
    // built is explained in the script window instead of a message box.
    void nodeSelectedByMove(const QModelIndex& index);
    // What F3 in the tree does.
    void FindNext();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectControls();
    // Loads through `load`; on failure the previous document stays and a box
    // names the document and the reason.
    void loadAndShow(const std::function<LoadError()>& load,
                     const std::function<QString()>& documentName);
    void LoadTree();
    void layoutClientArea();
    void reportLoadFailure(const QString& documentName, const QString& reason);
    void showScript(const QString& text);
    enum class FailureShown
    {
        InABox,
        InScriptWindow
    };
    void showNode(const QModelIndex& index, FailureShown failureShown);

    void chooseAndOpenFile();
    void askForKeyword();
    void showManual();
    void showAbout();

    ViewerSession m_session;
    NodeTreeModel* m_model = nullptr;
    QWidget* m_clientArea = nullptr;
    QPointer<Form2> m_form2;
    int m_rowBeforePress = -1;
    bool m_scriptWindowHiddenByMinimise = false;
};

} // namespace talpora
