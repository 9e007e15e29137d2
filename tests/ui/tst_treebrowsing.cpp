#include "MainWindowFixture.h"
#include "ModalDialogs.h"
#include "TestPackages.h"
#include "UiTestSupport.h"
#include "catalogue/IdentifierIndex.h"
#include "checker/FileChecker.h"
#include "viewer/ui/FindingsModel.h"
#include "viewer/ui/FindingsWindow.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/Form2.h"
#include "viewer/ui/InterfaceTranslation.h"
#include "viewer/ui/NodeTreeModel.h"
#include "viewer/ui/NodeTreeView.h"

#include <QAccessible>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

class TestTreeBrowsing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void findBoxAsksForTheKeyword();
    void f3SelectsTheNextMatch_data();
    void f3SelectsTheNextMatch();
    void f3StepsInDocumentOrder_data();
    void f3StepsInDocumentOrder();
    void f3ContinuesFromAHandPickedNode();
    void f3WithoutKeywordOrTreeDoesNothing();
    void keywordSurvivesALoad();
    void picturesFollowExpandAndCollapse();
    void deepHitOpensEveryAncestor();
    void expandAllStopsAtABoundedDepth();
    void expandAllLeavesChildlessNodesClosed();
    void longTextsShowWhole();
    void screenReadersReadTheShownRows();
    void selectionAndStatusBarAgree_data();
    void selectionAndStatusBarAgree();
    void viewScrollsOnlyWhereAsked_data();
    void viewScrollsOnlyWhereAsked();
    void findingsLeadToTheirElements_data();
    void findingsLeadToTheirElements();

private:
    SeenDialog askForKeyword(ModalDialogs::Answer answer, std::optional<QString> typed = {});
    QModelIndex node(const QString& tag) const
    {
        return findIndex(*m_ui.model, NodeTreeModel::TagRole, tag);
    }
    uint currentPosition() const
    {
        return m_ui.tree->currentIndex().data(NodeTreeModel::PositionRole).toUInt();
    }

    MainWindowFixture m_ui;
    QTemporaryDir m_dir;
};

void TestTreeBrowsing::initTestCase()
{
    QCoreApplication::setApplicationName(u"Talpora"_s);
    QVERIFY(m_dir.isValid());
    // The windows' texts as on a system that names no language.
    QVERIFY(installInterfaceLanguage(InterfaceLanguage::Chinese));
}

void TestTreeBrowsing::init()
{
    QVERIFY(m_ui.open());
}

void TestTreeBrowsing::cleanup()
{
    const QString unexpected = m_ui.unexpectedDialogs();
    m_ui.close();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

SeenDialog TestTreeBrowsing::askForKeyword(ModalDialogs::Answer answer,
                                           std::optional<QString> typed)
{
    ModalDialogs dialogs(answer, std::move(typed));
    m_ui.form->menuFind->trigger();
    return dialogs.seen().value(0); // an empty record when no box came up
}

void TestTreeBrowsing::findBoxAsksForTheKeyword()
{
    m_ui.loadEntry("Excel_2013_tabs_en");
    const QModelIndex root = m_ui.model->index(0, 0);

    SeenDialog box = askForKeyword(ModalDialogs::Answer::Accept, u"pastegallery"_s);
    QCOMPARE(box.kind, u"input"_s);
    QCOMPARE(box.title, u"Talpora"_s);
    QCOMPARE(box.text, u"请输入检索关键词；【F3】继续搜索下一处。"_s);
    QCOMPARE(box.value, QString());
    QCOMPARE(m_ui.tree->currentIndex(), root); // OK stores the keyword, it does not search

    QCOMPARE(askForKeyword(ModalDialogs::Answer::Accept).value, u"pastegallery"_s);
    QCOMPARE(askForKeyword(ModalDialogs::Answer::Reject).value, u"pastegallery"_s);
    QTest::keyClick(m_ui.tree, Qt::Key_F3); // Cancel emptied the keyword
    QCOMPARE(m_ui.tree->currentIndex(), root);
    QCOMPARE(askForKeyword(ModalDialogs::Answer::Reject).value, QString());
}

void TestTreeBrowsing::f3SelectsTheNextMatch_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("F3") << Qt::KeyboardModifiers();
    QTest::newRow("Shift+F3") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl+F3") << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Alt+F3") << Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("Ctrl+Shift+F3") << (Qt::ControlModifier | Qt::ShiftModifier);
}

void TestTreeBrowsing::f3SelectsTheNextMatch()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    m_ui.loadEntry("Excel_2013_tabs_en");
    askForKeyword(ModalDialogs::Answer::Accept, u"PASTEgallery"_s);
    const QModelIndex hit = node(u"gallery|PasteGallery"_s);
    QVERIFY(hit.isValid());
    QVERIFY(!m_ui.tree->isExpanded(hit.parent()));

    QTest::keyClick(m_ui.tree, Qt::Key_F3, modifiers);
    QCOMPARE(m_ui.tree->currentIndex(), hit);
    QCOMPARE(m_ui.tree->selectionModel()->selectedIndexes(), QModelIndexList{hit});
    // The row's whole height and its start are in view; its text may be
    // wider than the view (fonts differ from system to system).
    const QRect shown = m_ui.tree->visualRect(hit);
    QVERIFY(m_ui.tree->viewport()->rect().contains(
        QRect(shown.topLeft(), QSize(m_ui.tree->indentation(), shown.height()))));
    for (QModelIndex up = hit.parent(); up.isValid(); up = up.parent())
        QVERIFY2(m_ui.tree->isExpanded(up), qPrintable(up.data().toString()));
}

void TestTreeBrowsing::f3StepsInDocumentOrder_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QList<uint>>("positions"); // the selection after each F3

    // Access_2013_qat_en: 1 <qat>, 2 <sharedControls>, 3..15 buttons and controls.
    QTest::newRow("the root is never a hit") << u"<QAT"_s << QList<uint>{1, 1};
    QTest::newRow("the first F3 starts at 2") << u"<"_s << QList<uint>{2, 3, 4};
    QTest::newRow("no wrap after the only hit") << u"filesave"_s << QList<uint>{5, 5};
    QList<uint> everyControl;
    for (uint position = 3; position <= 15; ++position)
        everyControl.append(position);
    everyControl << 15 << 15;
    QTest::newRow("attribute name, to the last node") << u"IDMSO"_s << everyControl;
    QTest::newRow("blanks are a keyword") << u" "_s << QList<uint>{3, 4};
    QTest::newRow("no match") << u"no such text"_s << QList<uint>{1};
}

void TestTreeBrowsing::f3StepsInDocumentOrder()
{
    QFETCH(QString, keyword);
    QFETCH(QList<uint>, positions);
    m_ui.loadEntry("Access_2013_qat_en");
    askForKeyword(ModalDialogs::Answer::Accept, keyword);
    QList<uint> seen;
    for (qsizetype press = 0; press < positions.size(); ++press) {
        QTest::keyClick(m_ui.tree, Qt::Key_F3);
        seen.append(currentPosition());
    }
    QCOMPARE(seen, positions);
}

void TestTreeBrowsing::f3ContinuesFromAHandPickedNode()
{
    m_ui.loadEntry("Access_2013_qat_en");
    askForKeyword(ModalDialogs::Answer::Accept, u"idmso"_s);
    clickNode(m_ui.tree, m_ui.model->indexOf(9));
    QTest::keyClick(m_ui.tree, Qt::Key_F3);
    QCOMPARE(currentPosition(), 10u);
}

void TestTreeBrowsing::f3WithoutKeywordOrTreeDoesNothing()
{
    {
        // A window never shown has surely loaded nothing.
        Form1 idle;
        ModalDialogs dialogs(ModalDialogs::Answer::Accept, u"tab"_s);
        idle.menuFind->trigger();
        QCOMPARE(idle.session().keyword(), u"tab"_s);
        QTest::keyClick(idle.TreeView1, Qt::Key_F3);
        QVERIFY(!idle.TreeView1->currentIndex().isValid());
        QCOMPARE(idle.treeModel()->rowCount(), 0);
    }

    askForKeyword(ModalDialogs::Answer::Reject);
    m_ui.loadEntry("Word_2013_tabs_en");
    QTest::keyClick(m_ui.tree, Qt::Key_F3);
    QCOMPARE(currentPosition(), 1u);
}

void TestTreeBrowsing::keywordSurvivesALoad()
{
    askForKeyword(ModalDialogs::Answer::Accept, u"FileSave"_s);
    m_ui.loadEntry("Access_2013_qat_en");
    QTest::keyClick(m_ui.tree, Qt::Key_F3);
    QCOMPARE(m_ui.tree->currentIndex().data(NodeTreeModel::TagRole).toString(),
             u"button|FileSave"_s);

    m_ui.loadEntry("Word_2013_qat_en"); // the search starts again from the new root
    QTest::keyClick(m_ui.tree, Qt::Key_F3);
    QCOMPARE(m_ui.tree->currentIndex(), node(u"button|FileSave"_s));
    QCOMPARE(askForKeyword(ModalDialogs::Answer::Accept).value, u"FileSave"_s);
}

void TestTreeBrowsing::picturesFollowExpandAndCollapse()
{
    m_ui.loadEntry("Excel_2013_tabs_en");
    const auto picture = [](const QModelIndex& index) {
        return index.data(NodeTreeModel::PictureRole).toInt();
    };
    // The branch indicator sits just left of the node's text; a click there is no node click.
    const auto clickIndicator = [this](const QModelIndex& index) {
        const QRect text = m_ui.tree->visualRect(index);
        QTest::mouseClick(m_ui.tree->viewport(), Qt::LeftButton, {},
                          QPoint(text.left() - m_ui.tree->indentation() / 2, text.center().y()));
    };
    const QModelIndex root = m_ui.model->index(0, 0);
    const QModelIndex tab = node(u"tab|TabHome"_s);
    const QModelIndex group = node(u"group|GroupClipboard"_s);
    QCOMPARE(picture(root), 1);
    QCOMPARE(picture(tab), 2);

    clickIndicator(root);
    QVERIFY(!m_ui.tree->isExpanded(root));
    QCOMPARE(picture(root), 1);
    clickIndicator(root);
    QVERIFY(m_ui.tree->isExpanded(root));
    QCOMPARE(picture(root), 1);

    clickIndicator(tab);
    QVERIFY(m_ui.tree->isExpanded(tab));
    QCOMPARE(picture(tab), 3);
    QCOMPARE(m_ui.form->statusPanel1->text(), u"<tabs>"_s); // the root's, from the load

    m_ui.tree->setCurrentIndex(group);
    QTest::keyClick(m_ui.tree, Qt::Key_Right);
    QVERIFY(m_ui.tree->isExpanded(group));
    QCOMPARE(picture(group), 3);

    clickIndicator(tab); // collapsing a parent leaves the child's picture alone
    QCOMPARE(picture(tab), 2);
    QCOMPARE(picture(group), 3);
    clickIndicator(tab);
    QVERIFY(m_ui.tree->isExpanded(group));
    QCOMPARE(picture(group), 3);

    m_ui.tree->setCurrentIndex(group);
    QTest::keyClick(m_ui.tree, Qt::Key_Left);
    QVERIFY(!m_ui.tree->isExpanded(group));
    QCOMPARE(picture(group), 2);
}

// A hit as deep as the deepest documents users open; the view opens its
// ancestors at once, whatever the depth.
void TestTreeBrowsing::deepHitOpensEveryAncestor()
{
    constexpr int depth = 100'000;
    QByteArray xml = nestedDocument(depth);
    xml.replace(depth * 3 - 3, 3, "<n id=\"bottom\">"); // the innermost element
    ModalDialogs dialogs;
    m_ui.form->openFile(writeFile(m_dir, u"deep.xml"_s, xml));
    QVERIFY(dialogs.seen().isEmpty());
    askForKeyword(ModalDialogs::Answer::Accept, u"BOTTOM"_s);

    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(m_ui.tree, Qt::Key_F3);
    qInfo("F3 to a hit %d levels deep: %lld ms", depth, timer.elapsed());
    const QModelIndex hit = m_ui.tree->currentIndex();
    QCOMPARE(hit.data(NodeTreeModel::PositionRole).toUInt(), uint(depth));
    // On screen, sideways too: the hit's picture and the start of its text.
    const QRect shown = m_ui.tree->visualRect(hit);
    QVERIFY(m_ui.tree->viewport()->rect().contains(
        QRect(shown.topLeft(), m_ui.tree->sizeHintForIndex(hit))));
    int ancestors = 0;
    for (QModelIndex up = hit.parent(); up.isValid(); up = up.parent(), ++ancestors) {
        QVERIFY(m_ui.tree->isExpanded(up));
        QCOMPARE(up.data(NodeTreeModel::PictureRole).toInt(), up.parent().isValid() ? 3 : 1);
    }
    QCOMPARE(ancestors, depth - 1);
    QCOMPARE(hit.data(NodeTreeModel::PictureRole).toInt(), 2);

    // Closing the root hides the whole chain; opening it shows it again, still open.
    const QModelIndex root = m_ui.model->indexOf(1);
    m_ui.tree->collapse(root);
    QVERIFY(!m_ui.tree->visualRect(hit).isValid());
    m_ui.tree->expand(root);
    QVERIFY(m_ui.tree->visualRect(hit).isValid());
}

// "*" on a document nested far deeper than the bound must open the first
// levels and stop, instead of laying out every level recursively.
void TestTreeBrowsing::expandAllStopsAtABoundedDepth()
{
    constexpr int depth = 20'000;
    ModalDialogs dialogs;
    m_ui.form->openFile(writeFile(m_dir, u"deep.xml"_s, nestedDocument(depth)));
    QVERIFY(dialogs.seen().isEmpty());
    const QModelIndex root = m_ui.model->indexOf(1);
    m_ui.tree->setCurrentIndex(root);
    QTest::keyClick(m_ui.tree, Qt::Key_Asterisk);

    QModelIndex node = root;
    int expandedLevels = 0;
    while (m_ui.tree->isExpanded(node)) {
        ++expandedLevels;
        node = m_ui.model->index(0, 0, node);
        QVERIFY(node.isValid());
    }
    QVERIFY(expandedLevels > 1);
    QVERIFY(expandedLevels <= NodeTreeView::maximumExpandAllDepth + 1);
    QCOMPARE(m_ui.tree->currentIndex(), root);
}

// "*" reports every node below as expanded, leaves included; a node without
// children has nothing to open and keeps the closed folder.
void TestTreeBrowsing::expandAllLeavesChildlessNodesClosed()
{
    m_ui.loadEntry("Access_2013_qat_en");
    const QModelIndex shared = m_ui.model->indexOf(2);
    const QModelIndex leaf = m_ui.model->indexOf(3);
    QCOMPARE(m_ui.model->rowCount(leaf), 0);

    m_ui.tree->setCurrentIndex(leaf);
    QTest::keyClick(m_ui.tree, Qt::Key_Asterisk);
    QCOMPARE(leaf.data(NodeTreeModel::PictureRole).toInt(), 2);

    m_ui.tree->setCurrentIndex(m_ui.model->indexOf(1));
    QTest::keyClick(m_ui.tree, Qt::Key_Asterisk);
    QCOMPARE(shared.data(NodeTreeModel::PictureRole).toInt(), 3);
    for (int row = 0; row < m_ui.model->rowCount(shared); ++row)
        QCOMPARE(m_ui.model->index(row, 0, shared).data(NodeTreeModel::PictureRole).toInt(), 2);
}

// At the window's first size the longest identifiers of Word's tabs are wider
// than the tree; each row still shows its whole text, and a scroll bar reaches it.
void TestTreeBrowsing::longTextsShowWhole()
{
    m_ui.loadEntry("Word_2013_tabs_en");
    const QModelIndex longest =
        node(u"button|MailMergeJapaneseGreetingJapaneseOpeningSentenceInsert"_s);
    QVERIFY(longest.isValid());
    clickNode(m_ui.tree, longest);
    QVERIFY(m_ui.tree->sizeHintForIndex(longest).width() > m_ui.tree->viewport()->width());
    QTRY_VERIFY(m_ui.tree->horizontalScrollBar()->maximum() > 0);

    const auto showsWhole = [this](const QModelIndex& index) {
        return m_ui.tree->visualRect(index).width() >= m_ui.tree->sizeHintForIndex(index).width();
    };
    for (int row = 0; row < m_ui.model->rowCount(longest.parent()); ++row) {
        const QModelIndex sibling = m_ui.model->index(row, 0, longest.parent());
        QVERIFY2(showsWhole(sibling), qPrintable(sibling.data().toString()));
    }
    // Further down the document, as the user scrolls there.
    const QModelIndex later = m_ui.model->indexOf(671);
    clickNode(m_ui.tree, later);
    QVERIFY2(showsWhole(later), qPrintable(later.data().toString()));
}

// The tree is the program's own view, so it must tell screen readers itself
// what the rows are: one item per shown row, named by its text.
void TestTreeBrowsing::screenReadersReadTheShownRows()
{
    m_ui.loadEntry("Excel_2013_tabs_en");
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(m_ui.tree);
    QVERIFY(tree);
    QCOMPARE(tree->role(), QAccessible::Tree);
    const QModelIndex root = m_ui.model->indexOf(1);
    QCOMPARE(tree->childCount(), 1 + m_ui.model->rowCount(root));

    QAccessibleInterface* firstTab = tree->child(1);
    QVERIFY(firstTab);
    QCOMPARE(firstTab->role(), QAccessible::TreeItem);
    QCOMPARE(firstTab->text(QAccessible::Name), m_ui.model->index(0, 0, root).data().toString());
    QVERIFY(firstTab->state().collapsed);
    QCOMPARE(tree->indexOfChild(firstTab), 1);
    QCOMPARE(firstTab->parent(), tree); // rows are flat children of the tree, as in Qt's own tree
    QCOMPARE(tree->child(0)->state().selected, true); // the root, selected after loading

    QVERIFY(!tree->text(QAccessible::Name).isEmpty());
    QVERIFY(!QAccessible::queryAccessibleInterface(m_ui.list)->text(QAccessible::Name).isEmpty());

    // A row can be opened and activated through its actions; activating is clicking.
    QAccessibleActionInterface* actions = firstTab->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(u"collapse"_s));
    actions->doAction(u"expand"_s);
    actions->doAction(actions->pressAction());
    // The press answers first: a box it opened would hold the reader until closed.
    QCOMPARE(m_ui.form->statusPanel1->text(), u"<tabs>"_s);
    QTRY_COMPARE(m_ui.form->statusPanel1->text(), u"<tabs>/"_s + firstTab->text(QAccessible::Name));
    QVERIFY(firstTab->state().expanded);
    QCOMPARE(tree->childCount(),
             1 + m_ui.model->rowCount(root) + m_ui.model->rowCount(m_ui.model->index(0, 0, root)));
    // The rows of the first tab's groups come right after it.
    QCOMPARE(tree->child(2)->text(QAccessible::Name),
             m_ui.model->index(0, 0, m_ui.model->index(0, 0, root)).data().toString());

    // A row of the document that is gone is invalid, or deleted altogether.
    const QAccessible::Id firstTabId = QAccessible::uniqueId(firstTab);
    m_ui.loadEntry("Access_2013_qat_en");
    tree->child(0); // a reader asks for a row of the new document
    const QAccessibleInterface* gone = QAccessible::accessibleInterface(firstTabId);
    QVERIFY(!gone || !gone->isValid());
}

void TestTreeBrowsing::selectionAndStatusBarAgree_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("expectedTag"); // the current node afterwards
    QTest::newRow("closing an ancestor of the current node") << u"collapse"_s << u"tab|TabHome"_s;
    QTest::newRow("press on one row, release on another") << u"drag"_s << u"group|GroupFont"_s;
    QTest::newRow("right click on another row") << u"right"_s << u"group|GroupFont"_s;
    QTest::newRow("F3 to a hit") << u"F3"_s << u"group|GroupNumber"_s;
    QTest::newRow("Return on the current row") << u"Return"_s << u"group|GroupFont"_s;
    QTest::newRow("Space on the current row") << u"Space"_s << u"group|GroupFont"_s;
}

// Whatever the mouse or the keyboard does, the highlighted row is the current
// node, the status bar shows its path, the script window its snippet, and F3
// starts from it.
void TestTreeBrowsing::selectionAndStatusBarAgree()
{
    QFETCH(QString, gesture);
    QFETCH(QString, expectedTag);
    m_ui.loadEntry("Excel_2013_tabs_en");
    const QModelIndex font = node(u"group|GroupFont"_s);
    const QModelIndex clipboard = node(u"group|GroupClipboard"_s);
    clickNode(m_ui.tree, font);
    QCOMPARE(m_ui.tree->currentIndex(), font);
    const QPoint other = m_ui.tree->visualRect(clipboard).center();
    if (gesture == u"collapse"_s) {
        const QModelIndex child = m_ui.model->index(0, 0, font);
        clickNode(m_ui.tree, child);
        QCOMPARE(m_ui.tree->currentIndex(), child);
        const QRect tab = m_ui.tree->visualRect(font.parent());
        QTest::mouseClick(m_ui.tree->viewport(), Qt::LeftButton, {},
                          QPoint(tab.left() - m_ui.tree->indentation() / 2, tab.center().y()));
        QVERIFY(!m_ui.tree->isExpanded(font.parent()));
    } else if (gesture == u"F3"_s) {
        askForKeyword(ModalDialogs::Answer::Accept, u"GroupNumber"_s);
        QTest::keyClick(m_ui.tree, Qt::Key_F3);
    } else if (gesture == u"Return"_s || gesture == u"Space"_s) {
        // What the user changed goes; the row's path and snippet come back.
        m_ui.form->statusPanel1->setFullText(u"elsewhere"_s);
        m_ui.form->scriptWindow()->Text1->setPlainText(u"edited"_s);
        QTest::keyClick(m_ui.tree, gesture == u"Return"_s ? Qt::Key_Return : Qt::Key_Space);
    } else if (gesture == u"drag"_s) {
        const QPoint start = m_ui.tree->visualRect(font).center();
        QTest::mousePress(m_ui.tree->viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(m_ui.tree->viewport(), other);
        QTest::mouseRelease(m_ui.tree->viewport(), Qt::LeftButton, {}, other);
    } else {
        QTest::mouseClick(m_ui.tree->viewport(), Qt::RightButton, {}, other);
    }
    const QModelIndex current = m_ui.tree->currentIndex();
    QCOMPARE(current.data(NodeTreeModel::TagRole).toString(), expectedTag);
    QCOMPARE(m_ui.tree->selectionModel()->selectedIndexes(), QModelIndexList{current});
    QCOMPARE(m_ui.form->statusPanel1->text(),
             m_ui.form->session().pathOf(m_ui.model->positionOf(current)));
    QVERIFY(xmlOutline(m_ui.form->scriptWindow()->Text1->toPlainText())
                .endsWith(u"idMso="_s + expectedTag.section(u'|', 1)));
}

void TestTreeBrowsing::viewScrollsOnlyWhereAsked_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::newRow("click on the visible end of a long row") << u"click end"_s;
    QTest::newRow("Home with the current root out of view") << u"home"_s;
    QTest::newRow("Shift+wheel") << u"shift wheel"_s;
}

void TestTreeBrowsing::viewScrollsOnlyWhereAsked()
{
    QFETCH(QString, gesture);
    m_ui.loadEntry("Word_2013_tabs_en");
    const QModelIndex longest =
        node(u"button|MailMergeJapaneseGreetingJapaneseOpeningSentenceInsert"_s);
    clickNode(m_ui.tree, longest);
    QScrollBar* sideways = m_ui.tree->horizontalScrollBar();
    QScrollBar* upDown = m_ui.tree->verticalScrollBar();
    QTRY_VERIFY(sideways->maximum() > 0);
    const QPoint end(m_ui.tree->viewport()->width() - 5,
                     m_ui.tree->visualRect(longest).center().y());
    if (gesture == u"click end"_s) {
        sideways->setValue(sideways->maximum());
        QTest::mouseClick(m_ui.tree->viewport(), Qt::LeftButton, {}, end);
        QCOMPARE(m_ui.tree->currentIndex(), longest);
        QCOMPARE(sideways->value(), sideways->maximum());
    } else if (gesture == u"home"_s) {
        const QModelIndex root = m_ui.model->indexOf(1);
        m_ui.tree->setCurrentIndex(root);
        sideways->setValue(sideways->maximum());
        upDown->setValue(upDown->maximum());
        QVERIFY(!m_ui.tree->viewport()->rect().contains(m_ui.tree->visualRect(root).topLeft()));
        QTest::keyClick(m_ui.tree, Qt::Key_Home);
        QCOMPARE(m_ui.tree->currentIndex(), root);
        QVERIFY(m_ui.tree->viewport()->rect().contains(m_ui.tree->visualRect(root).topLeft()));
    } else {
        sideways->setValue(0);
        const int top = upDown->value();
        QWheelEvent wheel(QPointF(end), m_ui.tree->viewport()->mapToGlobal(QPointF(end)), {},
                          QPoint(0, -120), Qt::NoButton, Qt::ShiftModifier, Qt::NoScrollPhase,
                          false);
        QCoreApplication::sendEvent(m_ui.tree->viewport(), &wheel);
        QVERIFY(sideways->value() > 0);
        QCOMPARE(upDown->value(), top);
    }
}

namespace {

QByteArray customUi(const QByteArray& body)
{
    return "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">\n"
           "<ribbon>\n<tabs>\n" +
           body + "\n</tabs>\n</ribbon>\n</customUI>\n";
}

// "<severity> <place>" of each row of the Findings window.
QStringList findingRows(const QAbstractItemModel& model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows.append(model.index(row, FindingsModel::SeverityColumn).data().toString() + u' ' +
                    model.index(row, FindingsModel::PlaceColumn).data().toString());
    return rows;
}

} // namespace

void TestTreeBrowsing::findingsLeadToTheirElements_data()
{
    QTest::addColumn<QByteArray>("document"); // customUI XML, or a package
    QTest::addColumn<QString>("application"); // chosen in the Findings window; empty: automatic
    QTest::addColumn<int>("limit");           // findings listed a part; 0: as check lists them
    QTest::addColumn<QStringList>("rows");    // empty, and no count: not checked
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("activated"); // the row activated, then F8 and Shift+F8
    QTest::addColumn<QString>("element");

    const QByteArray ribbon =
        customUi("<tab idMso=\"TabHome\">\n"
                 "<group id=\"MyTools\" insertAfterMso=\"GroupClipbord\" label=\"My tools\">\n"
                 "<control idMso=\"FormatPainterr\"/>\n"
                 "<button id=\"Tidy\" idMso=\"Bold\" label=\"Tidy\"/>\n"
                 "<button idMso=\"GroupFont\"/>\n"
                 "</group>\n"
                 "<group id=\"MyTools\" label=\"Again\"/>\n"
                 "</tab>");
    const QStringList ribbonRows{u"错误 5:37"_s, u"错误 6:17"_s, u"错误 7:19"_s, u"警告 8:16"_s,
                                 u"错误 10:12"_s};
    QTest::newRow("customUI file: findings as check lists them")
        << ribbon << QString() << 0 << ribbonRows << u"4 个错误，1 个警告"_s << 2
        << u"<button id=\"Tidy\" idMso=\"Bold\" label=\"Tidy\">"_s;
    QTest::newRow("a workbook's customUI part")
        << excelWorkbook({{u"customUI/customUI14.xml"_s, ribbon}}) << QString() << 0 << ribbonRows
        << u"4 个错误，1 个警告"_s << 4 << u"<group id=\"MyTools\" label=\"Again\">"_s;
    QTest::newRow("a fault found where its element ends")
        << customUi("<tab id=\"t\" label=\"T\">\n<group id=\"g\" label=\"G\">\n"
                    "<dialogBoxLauncher>\n<x:note xmlns:x=\"urn:x\"/>\n</dialogBoxLauncher>\n"
                    "</group>\n</tab>")
        << QString() << 0 << QStringList{u"错误 7:1"_s, u"错误 6:1"_s} << u"2 个错误，0 个警告"_s
        << 1 << u"<dialogBoxLauncher>"_s;
    QTest::newRow("judged against the application chosen")
        << customUi("<tab idMso=\"TabData\"/>") << u"PowerPoint"_s << 0
        << QStringList{u"错误 4:13"_s} << u"1 个错误，0 个警告"_s << 0
        << u"<tab idMso=\"TabData\">"_s;
    QTest::newRow("more findings than a part lists")
        << ribbon << QString() << 2 << QStringList{u"错误 5:37"_s, u"错误 6:17"_s, u"提示 "_s}
        << u"2 个错误，0 个警告"_s << 1 << u"<control idMso=\"FormatPainterr\">"_s;
    QTest::newRow("no customUI root: nothing checked")
        << QByteArray("<tabs><tab idMso=\"Bogus\"/></tabs>") << QString() << 0 << QStringList()
        << QString() << -1 << QString();
}

// The Findings window lists what talpora-cli check prints for the same file,
// row by row; activating a row selects the element whose start tag holds the
// finding and leaves the keyboard in the list; the element's row is marked
// in the tree; F8 and Shift+F8 step through the findings.
void TestTreeBrowsing::findingsLeadToTheirElements()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, application);
    QFETCH(int, limit);
    QFETCH(QStringList, rows);
    QFETCH(QString, count);
    QFETCH(int, activated);
    QFETCH(QString, element);
    const bool package = document.startsWith("PK");
    const QString path = writeFile(m_dir, package ? u"加载项.xlam"_s : u"功能区.xml"_s, document);
    QVERIFY(!path.isEmpty());
    Form1* form = m_ui.form;
    if (limit > 0)
        form->setFindingsPerPartLimit(static_cast<std::size_t>(limit));
    QSignalSpy listed(form, &Form1::findingsListed);
    form->openFile(path);
    if (rows.isEmpty()) {
        QTest::qWait(50);
        QCOMPARE(listed.size(), 0);
        QVERIFY(!form->findingsWindow() || !form->findingsWindow()->isVisible());
        QVERIFY(!form->statusCount->isVisible());
        QVERIFY(!form->treeModel()->index(0, 0).data(NodeTreeModel::MarkRole).isValid());
        return;
    }
    QTRY_COMPARE(listed.size(), 1);
    FindingsWindow* window = form->findingsWindow();
    QVERIFY(window && window->isVisible());
    if (!application.isEmpty()) {
        window->applicationBox->setCurrentText(application);
        QTRY_COMPARE(listed.size(), 2);
    }
    QCOMPARE(findingRows(*window->List1->model()), rows);
    QCOMPARE(form->statusCount->text(), count);

    // What check finds in the whole file, at the places the window names.
    checker::CollectingSink sink;
    checker::CheckReport report(sink,
                                limit > 0 ? limit : checker::CheckReport::defaultPerPartLimit);
    checker::CheckOptions options;
    if (!application.isEmpty())
        options.application = catalogue::applicationFromCode(application.toLower().toStdString());
    checker::checkFile(path, options, catalogue::IdentifierIndex::builtIn(), report);
    QCOMPARE(sink.findings.size() + sink.notes.size(), static_cast<std::size_t>(rows.size()));
    for (std::size_t i = 0; i < sink.findings.size(); ++i)
        QVERIFY2(rows[static_cast<qsizetype>(i)].endsWith(
                     u" %1:%2"_s.arg(sink.findings[i].line).arg(sink.findings[i].column)),
                 qPrintable(rows[static_cast<qsizetype>(i)]));

    window->takeKeyboard();
    QTRY_COMPARE(QApplication::activeWindow(), window);
    window->List1->setCurrentIndex(window->List1->model()->index(activated, 0));
    QTest::keyClick(window->List1, Qt::Key_Return);
    const QModelIndex selected = m_ui.tree->currentIndex();
    QCOMPARE(selected.data().toString(), element);
    QCOMPARE(m_ui.tree->selectionModel()->selectedIndexes(), QModelIndexList{selected});
    QCOMPARE(QApplication::focusWidget(), window->List1);
    QCOMPARE(m_ui.statusPanel->text(), form->session().pathOf(currentPosition()));

    // The element's row is marked, for the eye and for screen readers.
    const bool error = rows[activated].startsWith(u"错误"_s);
    QCOMPARE(
        selected.data(NodeTreeModel::MarkRole),
        QVariant(static_cast<int>(error ? checker::Severity::Error : checker::Severity::Warning)));
    QVERIFY(selected.data(Qt::BackgroundRole).isValid());
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(m_ui.tree);
    QAccessibleInterface* row =
        tree->child(static_cast<int>(m_ui.tree->outline().rowOf(currentPosition())));
    QVERIFY(row);
    QCOMPARE(row->text(QAccessible::Name), element + (error ? u"，错误"_s : u"，警告"_s));
    // The root, which no finding names, stays unmarked.
    QVERIFY(!m_ui.model->index(0, 0).data(NodeTreeModel::MarkRole).isValid());

    // F8 and Shift+F8, in the main window, go round the list of findings.
    const int findings = static_cast<int>(sink.findings.size());
    form->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), form);
    m_ui.tree->setFocus();
    QTest::keyClick(m_ui.tree, Qt::Key_F8);
    QCOMPARE(window->List1->currentIndex().row(), (activated + 1) % findings);
    QTest::keyClick(m_ui.tree, Qt::Key_F8, Qt::ShiftModifier);
    QTest::keyClick(m_ui.tree, Qt::Key_F8, Qt::ShiftModifier);
    QCOMPARE(window->List1->currentIndex().row(), (activated + findings - 1) % findings);
    QCOMPARE(QApplication::focusWidget(), m_ui.tree);
    const std::size_t current = static_cast<std::size_t>(window->List1->currentIndex().row());
    if (sink.findings[current].line > 0)
        QCOMPARE(m_ui.tree->currentIndex(), m_ui.model->indexOf(form->checkedDocument()->elementOf(
                                                current, *form->session().tree())));
}

QTEST_MAIN(TestTreeBrowsing)
#include "tst_treebrowsing.moc"
