#pragma once

#include "catalogue/OfficeTargets.h"
#include "viewer/core/DocumentCheck.h"
#include "viewer/core/ViewerSession.h"
#include "viewer/ui/OneLineLabel.h"

#include <QMainWindow>
#include <QPointer>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QMenu;

namespace talpora {

class CheckRunner;
class FileFollower;
class FindingsWindow;
class Form2;
class LoadRunner;
class NodeTreeModel;
class NodeTreeView;
class OwnedWindow;

// The main window: the catalogue list on the left, the document tree on the
// right, a status bar with the node's path and the count of findings, and the
// menu bar. It wires user actions to the ViewerSession and shows what the
// session answers. A customUI document on screen is checked as talpora-cli
// check checks it, off the GUI thread; its findings are listed in the
// Findings window and marked in the tree.
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
    QLabel* statusCount = nullptr; // "2 errors, 1 warning" while a document is checked

    QMenu* menuFile = nullptr;
    QAction* menuOpen = nullptr;
    QAction* menuExit = nullptr;
    QMenu* menuOption = nullptr;
    QAction* menuScripts = nullptr;
    QAction* menuFindings = nullptr;
    QAction* menuFind = nullptr;
    QMenu* menuGo = nullptr;
    QAction* menuShowInCatalogue = nullptr;
    QAction* menuBack = nullptr;
    QMenu* menuHelp = nullptr;
    QAction* menuManual = nullptr;
    QAction* menuAbout = nullptr;

    const ViewerSession& session() const { return m_session; }
    NodeTreeModel* treeModel() const { return m_model; }
    // The script window while it is open, nullptr otherwise.
    Form2* scriptWindow() const;
    // The Findings window while it exists, nullptr otherwise.
    FindingsWindow* findingsWindow() const;
    // What checking the document on screen found; nullptr while it is not
    // checked (yet).
    const std::shared_ptr<const CheckedDocument>& checkedDocument() const { return m_checked; }

    // Loads a catalogue entry or a local file; on failure the previous
    // document stays and a message box names the document and the reason.
    // A file loads on a thread of its own: the call returns once it has
    // loaded, and meanwhile the window paints, shows the progress in the
    // status bar and takes only Esc, which stops the load and leaves the
    // previous document (another load requested meanwhile stops it too).
    // A file may be an Office package: its customUI part is shown, chosen in
    // a small box when it has several; one without a customUI part is
    // refused with a box that says so.
    void loadCatalogueEntry(int index);
    void openFile(const QString& path);
    void openDocument(DocumentSource source);
    bool isLoading() const;

    // What activating a row of the Findings window does: the finding's
    // element is selected and shown in the tree, as a keyboard move to it
    // would, and the keyboard stays where it is.
    void showFinding(std::size_t finding);
    // What F8 (forward) and Shift+F8 do: the next or previous finding,
    // round the end of the list.
    void goToFinding(bool forward);
    // The most findings listed for each part, as talpora-cli check prints
    // them (CheckedDocument::defaultPerPartLimit); from the next check on.
    void setFindingsPerPartLimit(std::size_t limit) { m_findingsPerPartLimit = limit; }

    // For reloading and showing elsewhere, each one call:
    //
    // Loads the document on screen again from its DocumentSource (the file
    // as it is now), on a thread, without a box, without raising a window or
    // taking the keyboard; the check follows. When it no longer loads, the
    // tree stays and the Findings window says why (showDocumentProblem).
    // A load the user starts meanwhile wins.
    void reloadDocument();
    // Says above the list of the Findings window what is wrong with the
    // document on screen, leaving the tree and the findings as they are;
    // an empty text takes it away, as does the next check.
    void showDocumentProblem(const QString& text);
    // The Findings window's status line (made if needed, shown while
    // Options > Findings is checked).
    void setFindingsStatus(const QString& text);
    // The application identifiers are judged against: the one chosen in
    // the Findings window, the package's kind, or the one the file's
    // identifiers pointed to; nullopt for Access, Excel, PowerPoint and Word
    // together, and while nothing is checked.
    std::optional<catalogue::Application> judgedApplication() const;

    // A file or package on screen is followed on disk: once a save has
    // settled it is loaded again (reloadDocument()), keeping the selected
    // node and the open branches where they still are; a file that is gone
    // is said once in the status bar.
    //
    // What Go > Show in Catalogue (Ctrl+L, and the tree's context menu)
    // does on a node with idMso, insertAfterMso or insertBeforeMso: the
    // catalogue document of the judged application and the node's area, in
    // the catalogue language nearest the interface, with the control's node
    // selected; a control in no catalogue document is placed from the
    // identifier index in the Findings window's status line instead.
    void showInCatalogue();
    // What Go > Back (Alt+Left) does: the author's document again, as it
    // was left, with its selection and open branches.
    void goBack();

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

signals:
    // A check of the document on screen has been listed.
    void findingsListed();
    // reloadDocument() has shown the document again, or its problem.
    void documentReloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectControls();
    // Shows what a load gave; on failure the previous document stays and a
    // box names the document and the reason.
    void showOpened(const OpenedDocument& opened);
    void showReloaded(const std::optional<OpenedDocument>& opened);
    void showLoadProgress(int percent);
    void endLoadProgress();
    void LoadTree();

    // The selected node, the open branches and the scroll position of the
    // tree on screen, to be found again in another version of its document.
    struct TreeViewState
    {
        std::shared_ptr<const NodeTree> tree;
        DocumentSource source;
        NodeTree::Position current = NodeTree::noNode;
        std::vector<NodeTree::Position> open;
        int scroll = 0;
        bool changedOnDisk = false; // while away from it
    };
    TreeViewState treeViewState() const;
    // Puts the tree now on screen as `state` left its own: nodes are
    // matched by their chain of names and identities. Quiet: no window shows.
    void restoreTreeView(const TreeViewState& state);
    // A document loaded again or kept for Back, put on screen as `state`
    // left it and checked anew.
    void showAsLeft(const OpenedDocument& opened, const TreeViewState& state);
    void followShownDocument();
    void followedFileChanged();
    void followedFileVanished();
    void updateGoItems();
    void layoutClientArea();
    void reportLoadFailure(const QString& documentName, const QString& reason);
    void showScript(const QString& text);
    enum class FailureShown
    {
        InABox,
        InScriptWindow
    };
    void showNode(const QModelIndex& index, FailureShown failureShown);

    void checkShownDocument();
    void showChecked(const std::shared_ptr<const CheckedDocument>& checked);
    FindingsWindow* ensureFindingsWindow();
    void showFindingsWindow();
    void findingsOptionToggled(bool on);
    void checkChoiceChanged(const CheckChoice& choice);

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
    LoadRunner* m_reloads = nullptr;
    CheckRunner* m_checks = nullptr;
    FileFollower* m_follower = nullptr;
    // Where Back returns to while a catalogue document is shown from it.
    std::optional<TreeViewState> m_backTo;
    QPointer<FindingsWindow> m_findingsWindow;
    std::shared_ptr<const CheckedDocument> m_checked;
    CheckChoice m_checkChoice;
    std::size_t m_findingsPerPartLimit = CheckedDocument::defaultPerPartLimit;
    std::optional<std::size_t> m_currentFinding;
    QString m_documentProblem;
    bool m_closeWhenLoaded = false;
    // While the status bar shows a load's progress: what it showed before.
    std::optional<QString> m_statusBeforeLoad;
};

} // namespace talpora
