#pragma once

#include "viewer/core/ViewerSession.h"
#include "viewer/ui/OneLineLabel.h"

#include <QMainWindow>
#include <QPointer>
#include <optional>

class QAction;
class QListWidget;
class QMenu;

namespace talpora {

class Form2;
class LoadRunner;
class NodeTreeModel;
class NodeTreeView;
class OwnedWindow;

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
    // A file loads on a thread of its own: the call returns once it has
    // loaded, and meanwhile the window paints, shows the progress in the
    // status bar and takes only Esc, which stops the load and leaves the
    // previous document (another load requested meanwhile stops it too).
    void loadCatalogueEntry(int index);
    void openFile(const QString& path);
    bool isLoading() const;

    // What a click on a tree node does: the path in the status bar and, with
    // the Scripts option on, the snippet in the script window.
    void nodeClicked(const QModelIndex& index);
    // The same for a node the user went to otherwise (the keyboard, closing
    // a branch over the current node), except that a snippet that cannot be
    // built is explained in the script window instead of a message box.
    void nodeSelectedByMove(const QModelIndex& index);
    // What F3 in the tree does: the hit is selected as a keyboard move would.
    void FindNext();
    // What F6 does: the keyboard goes to the next shown window of the
    // program, from the main window to the windows it owns and back.
    void moveKeyboardToNextWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectControls();
    // Shows what a load gave; on failure the previous document stays and a
    // box names the document as `failureName` and the reason.
    void showLoaded(const LoadResult& result, const QString& documentName,
                    const QString& failureName);
    void showLoadProgress(int percent);
    void endLoadProgress();
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

    QList<OwnedWindow*> ownedWindows() const;

    ViewerSession m_session;
    NodeTreeModel* m_model = nullptr;
    QWidget* m_clientArea = nullptr;
    QPointer<Form2> m_form2;
    int m_rowBeforePress = -1;
    QList<QPointer<OwnedWindow>> m_hiddenByMinimise;
    LoadRunner* m_loads = nullptr;
    bool m_closeWhenLoaded = false;
    // While the status bar shows a load's progress: what it showed before.
    std::optional<QString> m_statusBeforeLoad;
};

} // namespace talpora
