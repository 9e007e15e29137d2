#include "viewer/ui/Form1.h"

#include "catalogue/CatalogueEntries.h"
#include "catalogue/PlacementLine.h"
#include "viewer/core/CatalogueLocation.h"
#include "viewer/core/FileFollower.h"
#include "viewer/core/NodeChain.h"
#include "viewer/ui/CheckRunner.h"
#include "viewer/ui/FileDropOpener.h"
#include "viewer/ui/FindingsWindow.h"
#include "viewer/ui/Fonts.h"
#include "viewer/ui/Form2.h"
#include "viewer/ui/LoadRunner.h"
#include "viewer/ui/MenuSkin.h"
#include "viewer/ui/NodeTreeModel.h"
#include "viewer/ui/NodeTreeView.h"
#include "viewer/ui/OneLineLabel.h"
#include "viewer/ui/OpenFileDialog.h"
#include "viewer/ui/PackagePartChooser.h"
#include "viewer/ui/Pictures.h"
#include "viewer/ui/UiTexts.h"
#include "xml/DisplayText.h"
#include "xml/VisibleControls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

QString executableName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// The window takes no input but Esc while a document loads; the wait cursor says so.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// Plain text always: a box may carry a node's text or a file name, and "<b>"
// there must show as written.
void showMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                    const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// The catalogue documents' language nearest the interface's.
CatalogueLanguage nearestCatalogueLanguage()
{
    switch (QLocale().language()) {
    case QLocale::Chinese:
        return CatalogueLanguage::Chinese;
    case QLocale::Japanese:
        return CatalogueLanguage::Japanese;
    default:
        return CatalogueLanguage::English;
    }
}

// The built-in control a customUI node names or stands beside; empty for none.
std::string_view builtInControlOf(const NodeTree& tree, NodeTree::Position position)
{
    for (const KeyAttribute attribute :
         {KeyAttribute::IdMso, KeyAttribute::InsertAfterMso, KeyAttribute::InsertBeforeMso}) {
        const std::string_view value = tree.attributeUtf8(position, attribute);
        if (!value.empty())
            return value;
    }
    return {};
}

bool isAuthorsDocument(const DocumentSource& source)
{
    return source.kind == DocumentSourceKind::File ||
           source.kind == DocumentSourceKind::PackagePart;
}

} // namespace

Form1::Form1() : m_session(executableName())
{
    setObjectName(u"Form1"_s);
    setWindowTitle(texts::programTitle());
    setWindowIcon(programIcon());
    setFont(simSunFont(18));

    m_loads = new LoadRunner(this);
    m_reloads = new LoadRunner(this);
    m_checks = new CheckRunner(this);
    m_follower = new FileFollower(this);
    createControls();
    createMenus();
    connectControls();
    FileDropOpener::install(this, [this](const QString& path) { openFile(path); });

    for (const catalogue::CatalogueEntry& entry : catalogue::catalogueEntries())
        List1->addItem(entry.displayName());
    // Marks "no current row" as deliberate, so the first focus-in does not pick row 0.
    List1->setCurrentIndex(QModelIndex());
    List1->setFocus();

    setMinimumSize(320, 240);
    resize(designClientSize.width(), designClientSize.height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1() = default;

Form2* Form1::scriptWindow() const
{
    return m_form2;
}

FindingsWindow* Form1::findingsWindow() const
{
    return m_findingsWindow;
}

void Form1::createControls()
{
    // A plain client area laid out by hand: list 30 %, tree the rest, at any size.
    m_clientArea = new QWidget(this);
    m_clientArea->installEventFilter(this);
    setCentralWidget(m_clientArea);

    List1 = new QListWidget(m_clientArea);
    List1->setObjectName(u"List1"_s);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setAccessibleName(texts::catalogueListName());
    List1->viewport()->installEventFilter(this);

    m_model = new NodeTreeModel(this);
    m_model->setPictureIcons(treePictures());
    TreeView1 = new NodeTreeView(m_clientArea);
    TreeView1->setObjectName(u"TreeView1"_s);
    TreeView1->setAccessibleName(texts::documentTreeName());
    TreeView1->setFont(simSunFont(18));
    // The selection in the palette's colours, as on Linux: Windows' own theme
    // draws it so pale that without the keyboard it is hard to find.
    TreeView1->setStyleSheet(u"QAbstractItemView::item:selected { background: palette(highlight);"
                             " color: palette(highlighted-text); }"_s);
    TreeView1->setModel(m_model);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(u"StatusBar1"_s);
    StatusBar1->setSizeGripEnabled(true);
    StatusBar1->setFont(smallTextFont(12));
    statusPanel1 = new OneLineLabel(StatusBar1);
    statusPanel1->setObjectName(u"statusPanel1"_s);
    // A long path must not widen the window: the panel takes the bar's width.
    statusPanel1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusPanel1->setMinimumWidth(1);
    StatusBar1->addWidget(statusPanel1, 1);
    statusCount = new QLabel(StatusBar1);
    statusCount->setObjectName(u"statusCount"_s);
    statusCount->setTextFormat(Qt::PlainText);
    statusCount->hide();
    StatusBar1->addPermanentWidget(statusCount);
    setStatusBar(StatusBar1);

    setTabOrder(List1, TreeView1);
}

void Form1::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setStyleSheet(menuSkinStyleSheet());
    bar->setFont(smallTextFont(9));

    auto addMenu = [&](const QString& name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        menu->setFont(smallTextFont(9));
        menu->setStyleSheet(menuSkinStyleSheet());
        return menu;
    };
    auto addItem = [](QMenu* menu, const QString& name, const QString& caption,
                      const QKeySequence& shortcut) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        return action;
    };

    menuFile = addMenu(u"menuFile"_s, tr("&File"));
    menuOpen = addItem(menuFile, u"menuOpen"_s, tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    menuExit = addItem(menuFile, u"menuExit"_s, tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    menuOption = addMenu(u"menuOption"_s, tr("&Options"));
    menuScripts = addItem(menuOption, u"menuScripts"_s, tr("&Scripts"), {});
    menuScripts->setCheckable(true);
    menuScripts->setChecked(true);
    // "&Find..." below takes F.
    menuFindings = addItem(menuOption, u"menuFindings"_s, tr("F&indings"), {});
    menuFindings->setCheckable(true);
    menuFindings->setChecked(true);
    menuFind =
        addItem(menuOption, u"menuFind"_s, tr("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    menuGo = addMenu(u"menuGo"_s, tr("&Go"));
    menuShowInCatalogue = addItem(menuGo, u"menuShowInCatalogue"_s, tr("Show in &Catalogue"),
                                  QKeySequence(Qt::CTRL | Qt::Key_L));
    menuBack = addItem(menuGo, u"menuBack"_s, tr("&Back"), QKeySequence(Qt::ALT | Qt::Key_Left));
    menuShowInCatalogue->setEnabled(false);
    menuBack->setEnabled(false);
    // The tree offers Show in Catalogue on its rows, and Back.
    TreeView1->setContextMenuPolicy(Qt::ActionsContextMenu);
    TreeView1->addActions({menuShowInCatalogue, menuBack});
    menuHelp = addMenu(u"menuHelp"_s, tr("&Help"));
    menuManual = addItem(menuHelp, u"menuManual"_s, tr("&How to Use"), QKeySequence(Qt::Key_F1));
    menuAbout = addItem(menuHelp, u"menuAbout"_s, tr("&About..."), {});
}

void Form1::connectControls()
{
    // The selection changes by mouse or arrow keys; a click on the entry that
    // is already selected loads it again.
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            loadCatalogueEntry(row);
    });
    connect(List1, &QListWidget::clicked, this, [this](const QModelIndex& index) {
        if (index.row() == m_rowBeforePress)
            loadCatalogueEntry(index.row());
    });

    connect(TreeView1, &NodeTreeView::clicked, this, &Form1::nodeClicked);
    connect(TreeView1, &NodeTreeView::nodeSelectedByMove, this, &Form1::nodeSelectedByMove);
    connect(TreeView1, &NodeTreeView::findNextRequested, this, &Form1::FindNext);
    connect(TreeView1, &NodeTreeView::expanded, m_model, &NodeTreeModel::nodeExpanded);
    connect(TreeView1, &NodeTreeView::collapsed, m_model, &NodeTreeModel::nodeCollapsed);

    connect(menuOpen, &QAction::triggered, this, &Form1::chooseAndOpenFile);
    connect(menuExit, &QAction::triggered, this, &QWidget::close);
    // The Scripts item only keeps its check mark; a node click reads it.
    connect(menuFindings, &QAction::toggled, this, &Form1::findingsOptionToggled);
    connect(menuFind, &QAction::triggered, this, &Form1::askForKeyword);
    connect(menuShowInCatalogue, &QAction::triggered, this, &Form1::showInCatalogue);
    connect(menuBack, &QAction::triggered, this, &Form1::goBack);
    connect(menuManual, &QAction::triggered, this, &Form1::showManual);
    connect(menuAbout, &QAction::triggered, this, &Form1::showAbout);

    // F6 works in every window of the program, as in many others.
    auto* nextWindow = new QShortcut(QKeySequence(Qt::Key_F6), this);
    nextWindow->setContext(Qt::ApplicationShortcut);
    connect(nextWindow, &QShortcut::activated, this, &Form1::moveKeyboardToNextWindow);

    // F8 and Shift+F8 step through the findings while the main window has the keyboard.
    auto* nextFinding = new QShortcut(QKeySequence(Qt::Key_F8), this);
    connect(nextFinding, &QShortcut::activated, this, [this] { goToFinding(true); });
    auto* previousFinding = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8), this);
    connect(previousFinding, &QShortcut::activated, this, [this] { goToFinding(false); });

    connect(m_loads, &LoadRunner::progressed, this, &Form1::showLoadProgress);
    connect(m_reloads, &LoadRunner::finished, this, &Form1::showReloaded);
    connect(m_checks, &CheckRunner::finished, this, &Form1::showChecked);
    connect(m_follower, &FileFollower::changed, this, &Form1::followedFileChanged);
    connect(m_follower, &FileFollower::vanished, this, &Form1::followedFileVanished);
}

void Form1::loadCatalogueEntry(int index)
{
    // Stored documents are small and in memory: they load at once, so that
    // arrow keys moving through the list are never held back. A file still
    // loading would show over it: it is stopped.
    m_loads->stop();
    m_reloads->stop();
    const DocumentRequest request = m_session.request(DocumentSource::catalogueEntry(index));
    OpenedDocument opened;
    {
        WaitCursor wait;
        opened = request.load(nullptr);
    }
    showOpened(opened);
}

void Form1::openFile(const QString& path)
{
    openDocument(DocumentSource::file(QFileInfo(path).absoluteFilePath()));
}

void Form1::openDocument(DocumentSource source)
{
    m_reloads->stop();
    for (;;) {
        const DocumentRequest request = m_session.request(source);
        std::optional<OpenedDocument> opened;
        {
            WaitCursor wait;
            opened = m_loads->run(request.load);
        }
        endLoadProgress();
        if (m_closeWhenLoaded) {
            m_closeWhenLoaded = false;
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
            return;
        }
        if (!opened) // stopped: by Esc or by a later load, which shows itself
            return;
        if (!opened->needsChoice()) {
            showOpened(*opened);
            return;
        }
        const std::optional<QString> part =
            choosePackagePart(this, QDir::toNativeSeparators(opened->source.path), opened->parts);
        if (!part) // Cancel: the document on screen stays
            return;
        source = DocumentSource::packagePart(opened->source.path, *part);
    }
}

bool Form1::isLoading() const
{
    return m_loads->isRunning();
}

void Form1::showOpened(const OpenedDocument& opened)
{
    if (!m_session.accept(opened)) {
        reportLoadFailure(ViewerSession::documentNameOf(opened.source),
                          describeOpeningFailure(opened));
        return;
    }
    m_documentProblem.clear();
    // Another document of the author's leaves the way back to the one before.
    if (isAuthorsDocument(opened.source))
        m_backTo.reset();
    WaitCursor wait;
    LoadTree();
    followShownDocument();
}

void Form1::reloadDocument()
{
    const DocumentSource& source = m_session.source();
    if (source.kind == DocumentSourceKind::None || isLoading())
        return;
    m_reloads->start(m_session.request(source).load);
}

void Form1::showReloaded(const std::optional<OpenedDocument>& opened)
{
    // Stopped, or of a document no longer on screen.
    if (!opened || opened->source != m_session.source())
        return;
    if (*opened) {
        showAsLeft(*opened, treeViewState());
    } else {
        showDocumentProblem(texts::loadFailure(ViewerSession::documentNameOf(opened->source),
                                               describeOpeningFailure(*opened)));
    }
    emit documentReloaded();
}

void Form1::showAsLeft(const OpenedDocument& opened, const TreeViewState& state)
{
    m_session.accept(opened);
    m_documentProblem.clear();
    m_model->setTree(m_session.tree());
    setWindowTitle(m_session.caption());
    restoreTreeView(state);
    checkShownDocument();
}

void Form1::showLoadProgress(int percent)
{
    if (!m_statusBeforeLoad)
        m_statusBeforeLoad = statusPanel1->text();
    statusPanel1->setFullText(percent < 0 ? tr("Loading… (Esc stops)")
                                          : tr("Loading… %1 % (Esc stops)").arg(percent));
}

void Form1::endLoadProgress()
{
    if (m_statusBeforeLoad)
        statusPanel1->setFullText(*std::exchange(m_statusBeforeLoad, std::nullopt));
}

void Form1::LoadTree()
{
    m_model->setTree(m_session.tree());
    setWindowTitle(m_session.caption());
    const QModelIndex root = m_model->indexOf(1);
    TreeView1->expand(root);
    TreeView1->setCurrentIndex(root);
    TreeView1->scrollTo(root);
    // The new root is where the keyboard is: it shows as a keyboard move to it would.
    nodeSelectedByMove(root);
    checkShownDocument();
}

void Form1::checkShownDocument()
{
    m_checked.reset();
    m_currentFinding.reset();
    statusCount->hide();
    const CheckScope scope = checkScopeOf(m_session.source(), m_session.tree().get());
    if (scope != CheckScope::Checked) {
        m_checks->forget();
        // Nothing to list beside a catalogue document or a file of another kind.
        if (m_findingsWindow) {
            m_findingsWindow->showNotChecked(scope);
            m_findingsWindow->hide();
        }
        return;
    }
    if (m_findingsWindow)
        m_findingsWindow->showChecking();
    m_checks->start(
        [source = m_session.source(), choice = m_checkChoice, limit = m_findingsPerPartLimit] {
            return CheckedDocument::check(source, choice, limit);
        });
}

void Form1::showChecked(const std::shared_ptr<const CheckedDocument>& checked)
{
    if (!checked || checked->source() != m_session.source() ||
        !(checked->choice() == m_checkChoice))
        return;
    m_checked = checked;
    m_currentFinding.reset();
    m_model->setMarks(checked->marks());
    statusCount->setText(texts::findingCount(checked->errorCount(), checked->warningCount()));
    statusCount->show();
    if (FindingsWindow* window = ensureFindingsWindow()) {
        window->showChecked(checked);
        window->showProblem(m_documentProblem);
    }
    // Shown once; a reload refreshes the list without raising the window.
    if (menuFindings->isChecked() && !m_findingsWindow->isVisible())
        showFindingsWindow();
    emit findingsListed();
}

FindingsWindow* Form1::ensureFindingsWindow()
{
    if (m_findingsWindow)
        return m_findingsWindow;
    m_findingsWindow = new FindingsWindow(this);
    FindingsWindow* window = m_findingsWindow;
    // First in the lower right of the tree, where it hides the least of the
    // document; then wherever the user puts it.
    const QRect client = geometry();
    window->move(
        std::max(client.left(), client.right() - window->width() - 24),
        std::max(client.top(), client.bottom() - window->height() - StatusBar1->height() - 24));
    window->setChoice(m_checkChoice);
    if (m_checked)
        window->showChecked(m_checked);
    else if (m_checks->isRunning())
        window->showChecking();
    else
        window->showNotChecked(checkScopeOf(m_session.source(), m_session.tree().get()));
    window->showProblem(m_documentProblem);
    connect(window, &FindingsWindow::findingActivated, this, &Form1::showFinding);
    connect(window, &FindingsWindow::currentFindingChanged, this,
            [this](std::size_t finding) { m_currentFinding = finding; });
    connect(window, &FindingsWindow::choiceChanged, this, &Form1::checkChoiceChanged);
    // Closed by the user, it stays away until the option is checked again.
    connect(window, &FindingsWindow::closedByUser, this,
            [this] { menuFindings->setChecked(false); });
    return window;
}

void Form1::showFindingsWindow()
{
    FindingsWindow* window = ensureFindingsWindow();
    m_hiddenByMinimise.removeAll(window);
    if (isMinimized())
        return; // it comes back with the main window
    window->showWithoutKeyboard();
}

void Form1::findingsOptionToggled(bool on)
{
    if (on) {
        showFindingsWindow();
        return;
    }
    if (m_findingsWindow) {
        m_hiddenByMinimise.removeAll(m_findingsWindow);
        m_findingsWindow->hide();
    }
}

void Form1::checkChoiceChanged(const CheckChoice& choice)
{
    if (choice == m_checkChoice)
        return;
    m_checkChoice = choice;
    m_model->setMarks({});
    checkShownDocument();
}

void Form1::showFinding(std::size_t finding)
{
    if (!m_checked || finding >= m_checked->findings().size())
        return;
    m_currentFinding = finding;
    if (m_findingsWindow)
        m_findingsWindow->selectFinding(finding);
    const std::shared_ptr<const NodeTree>& tree = m_session.tree();
    const NodeTree::Position element =
        tree ? m_checked->elementOf(finding, *tree) : NodeTree::noNode;
    if (element == NodeTree::noNode)
        return;
    const QModelIndex index = m_model->indexOf(element);
    TreeView1->scrollTo(index);
    TreeView1->setCurrentIndex(index);
    nodeSelectedByMove(index);
}

void Form1::goToFinding(bool forward)
{
    if (!m_checked)
        return;
    if (const std::optional<std::size_t> next = m_checked->step(m_currentFinding, forward))
        showFinding(*next);
}

void Form1::showDocumentProblem(const QString& text)
{
    m_documentProblem = text;
    if (FindingsWindow* window = ensureFindingsWindow()) {
        window->showProblem(text);
        if (!text.isEmpty() && menuFindings->isChecked() && !window->isVisible())
            showFindingsWindow();
    }
}

void Form1::setFindingsStatus(const QString& text)
{
    ensureFindingsWindow()->setStatusText(text);
    if (menuFindings->isChecked() && !m_findingsWindow->isVisible())
        showFindingsWindow();
}

std::optional<catalogue::Application> Form1::judgedApplication() const
{
    return m_checked ? m_checked->judged().application : std::nullopt;
}

Form1::TreeViewState Form1::treeViewState() const
{
    TreeViewState state;
    state.tree = m_session.tree();
    state.source = m_session.source();
    state.current = m_model->positionOf(TreeView1->currentIndex());
    state.scroll = TreeView1->verticalScrollBar()->value();
    const TreeOutline& outline = TreeView1->outline();
    if (state.tree) {
        for (NodeTree::Position node = 1; node <= state.tree->size(); ++node) {
            if (outline.isOpen(node))
                state.open.push_back(node);
        }
    }
    return state;
}

void Form1::restoreTreeView(const TreeViewState& state)
{
    const std::shared_ptr<const NodeTree>& now = m_session.tree();
    if (!now || now->size() == 0)
        return;
    std::optional<NodeChain> chain;
    if (state.tree && state.tree != now)
        chain.emplace(*state.tree, *now);
    const auto found = [&](NodeTree::Position node, bool nearest) {
        if (!chain)
            return now->contains(node) ? node : NodeTree::noNode;
        return nearest ? chain->findNearest(node) : chain->find(node);
    };
    TreeView1->expand(m_model->indexOf(1));
    for (const NodeTree::Position node : state.open) {
        const NodeTree::Position there = found(node, false);
        if (there != NodeTree::noNode)
            TreeView1->expand(m_model->indexOf(there));
    }
    NodeTree::Position current =
        state.current == NodeTree::noNode ? NodeTree::noNode : found(state.current, true);
    if (current == NodeTree::noNode)
        current = 1;
    const QModelIndex index = m_model->indexOf(current);
    TreeView1->setCurrentIndex(index);
    TreeView1->verticalScrollBar()->setValue(state.scroll);
    TreeView1->scrollTo(index);
    // The status bar and an open script window follow; nothing is shown anew.
    statusPanel1->setFullText(m_session.statusTextOf(current));
    if (m_form2 && m_form2->isVisible() && menuScripts->isChecked()) {
        const SnippetResult snippet = m_session.snippetFor(current);
        m_form2->setScriptText(snippet ? snippet.text : describe(snippet.failure));
    }
    updateGoItems();
}

void Form1::followShownDocument()
{
    const DocumentSource& source = m_session.source();
    if (isAuthorsDocument(source)) {
        if (m_follower->path() != QFileInfo(source.path).absoluteFilePath())
            m_follower->follow(source.path);
    } else if (!m_backTo) {
        // While a catalogue document is shown from the author's file, that
        // file is still followed, so that Back finds it as it now is.
        m_follower->follow({});
    }
}

void Form1::followedFileChanged()
{
    const QString followed = m_follower->path();
    StatusBar1->clearMessage();
    if (isAuthorsDocument(m_session.source()) &&
        QFileInfo(m_session.source().path).absoluteFilePath() == followed) {
        reloadDocument();
    } else if (m_backTo && QFileInfo(m_backTo->source.path).absoluteFilePath() == followed) {
        m_backTo->changedOnDisk = true;
    }
}

void Form1::followedFileVanished()
{
    StatusBar1->showMessage(
        tr("%1 is no longer there: it was deleted or renamed.")
            .arg(escapedControls(QDir::toNativeSeparators(m_follower->path()))));
}

void Form1::updateGoItems()
{
    const std::shared_ptr<const NodeTree>& tree = m_session.tree();
    const NodeTree::Position current = m_model->positionOf(TreeView1->currentIndex());
    menuShowInCatalogue->setEnabled(tree && isAuthorsDocument(m_session.source()) &&
                                    current != NodeTree::noNode &&
                                    !builtInControlOf(*tree, current).empty());
    menuBack->setEnabled(m_backTo.has_value());
}

void Form1::showInCatalogue()
{
    const std::shared_ptr<const NodeTree> tree = m_session.tree();
    const NodeTree::Position current = m_model->positionOf(TreeView1->currentIndex());
    if (!tree || !isAuthorsDocument(m_session.source()) || current == NodeTree::noNode)
        return;
    const std::string identifier(builtInControlOf(*tree, current));
    if (identifier.empty())
        return;
    const std::string_view area = catalogueAreaOf(*tree, current);
    const ControlWhereabouts where =
        locateControl(catalogue::IdentifierIndex::builtIn(), identifier, judgedApplication(), area,
                      nearestCatalogueLanguage());

    const QString name = escapedControls(QString::fromUtf8(identifier));
    if (!where.place) {
        if (!where.known()) {
            setFindingsStatus(tr("No application has a built-in control named %1.").arg(name));
            return;
        }
        QStringList lines;
        for (const ControlWhereabouts::Placement& placement : where.placements)
            lines.append(
                QString::fromStdString(catalogue::placementLine(placement.application, identifier,
                                                                placement.type, placement.versions,
                                                                placement.window, placement.place))
                    .replace(u'\t', u' '));
        setFindingsStatus(tr("%1 is in no catalogue document; the identifier index places it: %2")
                              .arg(name, escapedControls(lines.join(u"; "_s))));
        return;
    }

    // Back returns to the author's document as it is now.
    m_backTo = treeViewState();
    const int entry = where.place->entryIndex;
    if (List1->currentRow() != entry)
        List1->setCurrentRow(entry); // loads it
    else
        loadCatalogueEntry(entry);
    if (m_session.source() != DocumentSource::catalogueEntry(entry))
        return;
    const QModelIndex node = m_model->indexOf(where.place->position);
    TreeView1->scrollTo(node);
    TreeView1->setCurrentIndex(node);
    nodeSelectedByMove(node);
    updateGoItems();
}

void Form1::goBack()
{
    if (!m_backTo)
        return;
    const TreeViewState state = *std::exchange(m_backTo, std::nullopt);
    m_loads->stop();
    m_reloads->stop();
    OpenedDocument kept;
    kept.tree = state.tree;
    kept.source = state.source;
    showAsLeft(kept, state);
    followShownDocument();
    // Saved while the catalogue was on screen: loaded again, selection kept.
    if (state.changedOnDisk)
        reloadDocument();
}

void Form1::reportLoadFailure(const QString& documentName, const QString& reason)
{
    showMessageBox(this, QMessageBox::NoIcon, texts::programTitle(),
                   texts::loadFailure(documentName, reason));
}

void Form1::nodeClicked(const QModelIndex& index)
{
    showNode(index, FailureShown::InABox);
}

void Form1::nodeSelectedByMove(const QModelIndex& index)
{
    showNode(index, FailureShown::InScriptWindow);
}

void Form1::showNode(const QModelIndex& index, FailureShown failureShown)
{
    const NodeTree::Position position = m_model->positionOf(index);
    if (position == NodeTree::noNode)
        return;
    StatusBar1->clearMessage();
    statusPanel1->setFullText(m_session.statusTextOf(position));
    updateGoItems();
    if (!menuScripts->isChecked())
        return;
    const SnippetResult snippet = m_session.snippetFor(position);
    if (snippet) {
        showScript(snippet.text);
    } else if (failureShown == FailureShown::InABox) {
        showMessageBox(this, QMessageBox::NoIcon, texts::programTitle(), describe(snippet.failure));
    } else {
        // A box on every arrow key would make the tree unusable by keyboard;
        // the script window says why it has no snippet instead.
        showScript(describe(snippet.failure));
    }
}

void Form1::showScript(const QString& text)
{
    if (!m_form2)
        m_form2 = new Form2(this);
    m_hiddenByMinimise.removeAll(m_form2);
    // Above the main window again after a click there, without taking the
    // keyboard from the tree.
    m_form2->showWithoutKeyboard();
    m_form2->setScriptText(text);
}

void Form1::FindNext()
{
    const NodeTree::Position selected = m_model->positionOf(TreeView1->currentIndex());
    const NodeTree::Position hit = m_session.FindNext(selected);
    if (hit == NodeTree::noNode)
        return;
    // Scrolling to the hit opens its ancestors (the view reports each
    // expansion, so their pictures follow); then it is selected.
    const QModelIndex index = m_model->indexOf(hit);
    TreeView1->scrollTo(index);
    TreeView1->setCurrentIndex(index);
    nodeSelectedByMove(index);
}

QList<OwnedWindow*> Form1::ownedWindows() const
{
    return findChildren<OwnedWindow*>(Qt::FindDirectChildrenOnly);
}

void Form1::moveKeyboardToNextWindow()
{
    QList<QWidget*> cycle{this};
    for (OwnedWindow* window : ownedWindows()) {
        if (window->isVisible() && !window->isMinimized())
            cycle.append(window);
    }
    const qsizetype current = cycle.indexOf(QApplication::activeWindow());
    QWidget* next = cycle[(current + 1) % cycle.size()];
    if (auto* owned = qobject_cast<OwnedWindow*>(next)) {
        owned->takeKeyboard();
        return;
    }
    raise();
    activateWindow(); // the keyboard goes back to the control that had it
}

void Form1::chooseAndOpenFile()
{
    const QString path = chooseFileToOpen(this, texts::openFileFilter());
    // Once the system's dialog has closed, window managers give the keyboard
    // to another window of the program, or under Wine to none: it comes back here.
    for (OwnedWindow* window : ownedWindows())
        window->leaveKeyboardWith(this);
    activateWindow();
    QTimer::singleShot(0, this, [this] { activateWindow(); });
    if (!path.isEmpty()) // Cancel opens nothing and says nothing
        openFile(path);
}

void Form1::askForKeyword()
{
    bool confirmed = false;
    const QString keyword =
        QInputDialog::getText(this, texts::programTitle(), texts::findPrompt(), QLineEdit::Normal,
                              m_session.keyword(), &confirmed);
    m_session.setKeyword(confirmed ? keyword : QString());
}

void Form1::showManual()
{
    showMessageBox(this, QMessageBox::Information, texts::programTitle(), texts::manual());
}

void Form1::showAbout()
{
    showMessageBox(this, QMessageBox::Information, texts::aboutTitle(),
                   texts::aboutText(QCoreApplication::applicationName()));
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_clientArea && event->type() == QEvent::Resize)
        layoutClientArea();
    else if (List1 && watched == List1->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowBeforePress = List1->currentRow();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::layoutClientArea()
{
    if (isMinimized())
        return;
    // The client area reaches down over the status bar, which sits at its foot.
    const int clientWidth = m_clientArea->width();
    const int statusHeight = StatusBar1->isVisible() ? StatusBar1->height() : 0;
    const int clientHeight = m_clientArea->height() + statusHeight;
    const int height = std::max(0, clientHeight - statusHeight);

    List1->setGeometry(0, 0, qRound(clientWidth * 0.3), height);
    const int listRight = List1->width();
    TreeView1->setGeometry(listRight, 0, std::max(0, clientWidth - listRight), height);
    // The single status panel is stretched over the whole bar by its layout.
}

void Form1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // The windows this one owns go away while it is minimised and come back
    // with it, whatever the window manager does. Some window managers
    // minimise them together with this one; they must come back normal, for
    // a minimised owned window shown again makes them minimise its owner too,
    // and the two would never come back.
    if (isMinimized()) {
        for (OwnedWindow* window : ownedWindows()) {
            if (!window->isVisible())
                continue;
            window->hide();
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            m_hiddenByMinimise.append(window);
        }
        return;
    }
    for (const QPointer<OwnedWindow>& window : std::exchange(m_hiddenByMinimise, {})) {
        if (window)
            window->showWithoutKeyboard();
    }
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The load in progress holds this window on its stack: it is stopped,
    // and the window closes once it has ended.
    if (isLoading()) {
        m_closeWhenLoaded = true;
        m_loads->stop();
        event->ignore();
        return;
    }
    for (OwnedWindow* window : ownedWindows())
        window->close();
    QMainWindow::closeEvent(event);
}

} // namespace talpora
