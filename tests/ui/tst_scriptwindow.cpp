#include "MainWindowFixture.h"
#include "ModalDialogs.h"
#include "UiTestSupport.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/Form2.h"
#include "viewer/ui/NodeTreeModel.h"
#include "viewer/ui/NodeTreeView.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QWindow>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

namespace {

const QString customUi = u"customUI xmlns=http://schemas.microsoft.com/office/2009/07/customui"_s;

} // namespace

class TestScriptWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void nodeClickShowsPathAndSnippet_data();
    void nodeClickShowsPathAndSnippet();
    void everyClickReplacesTheWholeText();
    void scriptsOffChangesOnlyTheStatusBar();
    void rootOfNoAreaShowsAMessage();
    void loadingSelectsWithoutAClick();
    void keyboardMovesActAsClicks();
    void documentTextShowsAsWritten();
    void windowIsBuiltAsDesigned();
    void textCoversTheClientArea_data();
    void textCoversTheClientArea();
    void minimiseAndRestoreKeepTheTextCovering();
    void closedWindowComesBackAtDesignSize();
    void hidesWhileTheMainWindowIsMinimised();
    void minimiseAndRestoreInAnyOrder_data();
    void minimiseAndRestoreInAnyOrder();

private:
    void clickTag(const QString& tag);
    Form2* scriptWindow() const { return m_ui.form->scriptWindow(); }
    QPlainTextEdit* text1() const
    {
        return scriptWindow() ? scriptWindow()->findChild<QPlainTextEdit*>(u"Text1"_s) : nullptr;
    }

    MainWindowFixture m_ui;
    QTemporaryDir m_dir;
};

void TestScriptWindow::initTestCase()
{
    QCoreApplication::setApplicationName(u"Talpora"_s);
    QVERIFY(m_dir.isValid());
}

void TestScriptWindow::init()
{
    QVERIFY(m_ui.open());
}

void TestScriptWindow::cleanup()
{
    const QString unexpected = m_ui.unexpectedDialogs();
    m_ui.close();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

void TestScriptWindow::clickTag(const QString& tag)
{
    const QModelIndex index = findIndex(*m_ui.model, NodeTreeModel::TagRole, tag);
    QVERIFY2(index.isValid(), qPrintable(tag));
    clickNode(m_ui.tree, index);
}

void TestScriptWindow::nodeClickShowsPathAndSnippet_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("outline");

    QTest::newRow("quick access toolbar")
        << u"Excel_2013_qat_en"_s << u"button|FileSave"_s
        << u"<qat>/<sharedControls>/<button idMso=\"FileSave\">"_s
        << customUi + u"\n  ribbon startFromScratch=true\n    qat\n      sharedControls\n"
                      "        button idMso=FileSave"_s;
    QTest::newRow("ribbon tab, menu without idMso")
        << u"Excel_2013_tabs_en"_s << u"gallery|PasteGallery"_s
        << u"<tabs>/<tab idMso=\"TabHome\">/<group idMso=\"GroupClipboard\">/"
           "<splitButton idMso=\"PasteMenu\">/<menu>/<gallery idMso=\"PasteGallery\">"_s
        << customUi + u"\n  ribbon startFromScratch=false\n    tabs\n      tab idMso=TabHome\n"
                      "        group idMso=GroupClipboard\n          splitButton idMso=PasteMenu\n"
                      "            menu\n              gallery idMso=PasteGallery"_s;
    QTest::newRow("context menu, no ribbon")
        << u"Excel_2013_contextMenus_en"_s << u"button|SheetInsertPage"_s
        << u"<contextMenus>/<contextMenu idMso=\"ContextMenuWorkbookPly\">/"
           "<button idMso=\"SheetInsertPage\">"_s
        << customUi + u"\n  contextMenus\n    contextMenu idMso=ContextMenuWorkbookPly\n"
                      "      button idMso=SheetInsertPage"_s;
    QTest::newRow("contextual tab set")
        << u"Excel_2013_tabSet_en"_s << u"tabSet|TabSetSmartArtTools"_s
        << u"<contextualTabs>/<tabSet idMso=\"TabSetSmartArtTools\">"_s
        << customUi + u"\n  ribbon startFromScratch=false\n"
                      "    contextualTabs\n"
                      "      tabSet idMso=TabSetSmartArtTools"_s;
    QTest::newRow("root of tabs") << u"Word_2013_tabs_en"_s << u"tabs"_s << u"<tabs>"_s
                                  << customUi + u"\n  ribbon startFromScratch=false\n    tabs"_s;
    QTest::newRow("root of backstage") << u"Word_2013_backstage_en"_s << u"backstage"_s
                                       << u"<backstage>"_s << customUi + u"\n  backstage"_s;
}

void TestScriptWindow::nodeClickShowsPathAndSnippet()
{
    QFETCH(QString, entry);
    QFETCH(QString, tag);
    QFETCH(QString, path);
    QFETCH(QString, outline);
    m_ui.loadEntry(entry.toLatin1().constData());

    ModalDialogs dialogs;
    clickTag(tag);
    QVERIFY(dialogs.seen().isEmpty());
    QCOMPARE(m_ui.statusPanel->text(), path);
    QVERIFY(scriptWindow());
    QVERIFY(scriptWindow()->isVisible());
    QCOMPARE(scriptWindow()->windowTitle(), u"Scripts"_s);
    QVERIFY(text1());
    QCOMPARE(xmlOutline(text1()->toPlainText()), outline);

    const QString first = text1()->toPlainText(); // the same node gives the same text
    clickTag(tag);
    QCOMPARE(text1()->toPlainText(), first);
}

void TestScriptWindow::everyClickReplacesTheWholeText()
{
    m_ui.loadEntry("Excel_2013_qat_en");
    clickTag(u"button|FileSave"_s);
    const QString fileSave = text1()->toPlainText();
    QTest::keyClicks(text1(), u"user edit"_s);
    QVERIFY(text1()->toPlainText().contains(u"user edit"_s));

    clickTag(u"control|Undo"_s);
    QVERIFY(!text1()->toPlainText().contains(u"user edit"_s));
    QVERIFY(xmlOutline(text1()->toPlainText()).endsWith(u"control idMso=Undo"_s));

    text1()->selectAll();
    QTest::keyClick(text1(), Qt::Key_Delete);
    clickTag(u"button|FileSave"_s);
    QCOMPARE(text1()->toPlainText(), fileSave);
}

void TestScriptWindow::scriptsOffChangesOnlyTheStatusBar()
{
    m_ui.form->menuScripts->trigger();
    QVERIFY(!m_ui.form->menuScripts->isChecked());
    m_ui.loadEntry("Excel_2013_qat_en");
    QCOMPARE(m_ui.statusPanel->text(), u"<qat>"_s);
    QVERIFY(!scriptWindow());
    clickTag(u"button|FileSave"_s);
    QCOMPARE(m_ui.statusPanel->text(), u"<qat>/<sharedControls>/<button idMso=\"FileSave\">"_s);
    QVERIFY(!scriptWindow()); // a closed script window stays closed

    m_ui.form->menuScripts->trigger();
    clickTag(u"button|FileSave"_s);
    QVERIFY(scriptWindow());
    const QString fileSave = text1()->toPlainText();

    m_ui.form->menuScripts->trigger(); // off again: the open window keeps its text
    QVERIFY(scriptWindow()->isVisible());
    clickTag(u"control|Redo"_s);
    QCOMPARE(m_ui.statusPanel->text(), u"<qat>/<sharedControls>/<control idMso=\"Redo\">"_s);
    QVERIFY(scriptWindow()->isVisible());
    QCOMPARE(text1()->toPlainText(), fileSave);
}

void TestScriptWindow::rootOfNoAreaShowsAMessage()
{
    m_ui.loadEntry("Excel_2013_qat_en");
    clickTag(u"button|FileSave"_s);
    const QString fileSave = text1()->toPlainText();
    {
        // The root, selected by the load, cannot have a snippet either: the
        // script window says why, as for a keyboard move.
        ModalDialogs dialogs;
        m_ui.form->openFile(writeFile(m_dir, u"foo.xml"_s, "<foo><bar idMso=\"X\"/></foo>"));
        QVERIFY(dialogs.seen().isEmpty());
        QCOMPARE(text1()->toPlainText(), describe(m_ui.form->session().snippetFor(1).failure));
        text1()->setPlainText(fileSave);
    }
    for (const QString& tag : {u"foo"_s, u"bar|X"_s}) {
        ModalDialogs dialogs;
        clickTag(tag);
        QCOMPARE(dialogs.seen().size(), 1);
        QCOMPARE(dialogs.seen().first().kind, u"message"_s);
        QCOMPARE(dialogs.seen().first().title, u"Talpora"_s);
        QCOMPARE(dialogs.seen().first().standardButtons, QMessageBox::Ok);
        QVERIFY(m_ui.statusPanel->text().startsWith(u"<foo>"_s)); // written before the failure
        QVERIFY(scriptWindow()->isVisible());
        QCOMPARE(text1()->toPlainText(), fileSave);
    }

    // Closed, it stays closed.
    scriptWindow()->close();
    QTRY_VERIFY(!scriptWindow());
    ModalDialogs dialogs;
    clickTag(u"foo"_s);
    QCOMPARE(dialogs.seen().size(), 1);
    QVERIFY(!scriptWindow());

    // A keyboard move cannot build a snippet either; it says why in the script
    // window, for a box on every arrow key would make the tree unusable.
    m_ui.tree->setFocus();
    QTest::keyClick(m_ui.tree, Qt::Key_Down);
    QCOMPARE(dialogs.seen().size(), 1); // the click's box alone
    QCOMPARE(m_ui.statusPanel->text(), u"<foo>/<bar idMso=\"X\">"_s);
    QVERIFY(scriptWindow());
    const QString reason = describe(m_ui.form->session().snippetFor(2).failure);
    QVERIFY(!reason.isEmpty());
    QCOMPARE(text1()->toPlainText(), reason);

    // An area name in other letter case is that area.
    m_ui.form->openFile(writeFile(m_dir, u"upper.xml"_s, "<TABS><tab idMso=\"TabHome\"/></TABS>"));
    clickTag(u"tab|TabHome"_s);
    QVERIFY(text1());
    QCOMPARE(xmlOutline(text1()->toPlainText()),
             customUi + u"\n  ribbon startFromScratch=false\n    tabs\n      tab idMso=TabHome"_s);
}

void TestScriptWindow::loadingSelectsWithoutAClick()
{
    // The new root is selected as a keyboard move to it would be.
    m_ui.loadEntry("Excel_2013_qat_en");
    QCOMPARE(m_ui.statusPanel->text(), u"<qat>"_s);
    QVERIFY(scriptWindow());
    QCOMPARE(xmlOutline(text1()->toPlainText()),
             customUi + u"\n  ribbon startFromScratch=true\n    qat"_s);
    clickTag(u"button|FileSave"_s);

    m_ui.loadEntry("Word_2013_backstage_en");
    QCOMPARE(m_ui.tree->currentIndex(), m_ui.model->index(0, 0));
    QCOMPARE(m_ui.statusPanel->text(), u"<backstage>"_s);
    QCOMPARE(xmlOutline(text1()->toPlainText()), customUi + u"\n  backstage"_s);
}

void TestScriptWindow::keyboardMovesActAsClicks()
{
    m_ui.loadEntry("Excel_2013_qat_en");
    m_ui.tree->setFocus();
    QTest::keyClick(m_ui.tree, Qt::Key_Down);
    QCOMPARE(m_ui.statusPanel->text(), u"<qat>/<sharedControls>"_s);
    QVERIFY(scriptWindow());
    QCOMPARE(xmlOutline(text1()->toPlainText()),
             customUi + u"\n  ribbon startFromScratch=true\n    qat\n      sharedControls"_s);

    QTest::keyClick(m_ui.tree, Qt::Key_Right); // opens the node: no move
    QCOMPARE(m_ui.statusPanel->text(), u"<qat>/<sharedControls>"_s);
    QTest::keyClick(m_ui.tree, Qt::Key_End);
    const QModelIndex last = m_ui.tree->currentIndex();
    QCOMPARE(m_ui.statusPanel->text(), m_ui.form->session().pathOf(m_ui.model->positionOf(last)));
    QVERIFY(
        xmlOutline(text1()->toPlainText())
            .endsWith(u"idMso="_s + last.data(NodeTreeModel::TagRole).toString().section(u'|', 1)));
    QTest::keyClick(m_ui.tree, Qt::Key_Home);
    QCOMPARE(m_ui.statusPanel->text(), u"<qat>"_s);
    QTest::keyClicks(m_ui.tree, u"bu"_s); // the first row whose element name starts so
    QVERIFY2(m_ui.statusPanel->text().startsWith(u"<qat>/<sharedControls>/<button "_s),
             qPrintable(m_ui.statusPanel->text()));
}

// Text from a document or a file name that looks like markup shows as written,
// and a line break in a value does not break the status bar's line.
void TestScriptWindow::documentTextShowsAsWritten()
{
    {
        ModalDialogs dialogs;
        m_ui.form->openFile(
            writeFile(m_dir, u"markup.xml"_s, "<b><i idMso=\"x\" v=\"1&#10;2\"/></b>"));
        QVERIFY(dialogs.seen().isEmpty());
    }
    ModalDialogs dialogs; // "<b>" names no area: the snippet fails
    clickTag(u"i|x"_s);
    QCOMPARE(m_ui.statusPanel->textFormat(), Qt::PlainText);
    QCOMPARE(m_ui.statusPanel->text(), u"<b>/<i idMso=\"x\" v=\"1\u240A2\">"_s); // one line
    QCOMPARE(dialogs.seen().size(), 1);
    QCOMPARE(dialogs.seen().first().textFormat, Qt::PlainText);
    QCOMPARE(dialogs.seen().first().icon, QMessageBox::NoIcon);

    QTextDocument tooltip;
    tooltip.setHtml(m_ui.model->index(0, 0).data(Qt::ToolTipRole).toString());
    QCOMPARE(tooltip.toPlainText(), u"<b>"_s);
}

void TestScriptWindow::windowIsBuiltAsDesigned()
{
    m_ui.loadEntry("Excel_2013_qat_en");
    clickTag(u"button|FileSave"_s);
    Form2* form2 = scriptWindow();
    QVERIFY(form2);
    QVERIFY(QTest::qWaitForWindowExposed(form2));
    QCOMPARE(form2->size(), QSize(520, 235));
    QVERIFY(form2->isWindow());
    QCOMPARE(form2->parentWidget(), m_ui.form);
    // What the window system sees: a dialog-type window owned by the main
    // window (WM_TRANSIENT_FOR on X11), so it stays above it; not modal.
    QCOMPARE(form2->windowHandle()->transientParent(), m_ui.form->windowHandle());
    QCOMPARE(form2->windowHandle()->type(), Qt::Dialog);
    QCOMPARE(form2->windowHandle()->modality(), Qt::NonModal);
    QVERIFY(
        form2->windowFlags().testFlags(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
    QCOMPARE(text1()->geometry(), form2->rect());

    QCOMPARE(text1()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(!text1()->isReadOnly());
    QCOMPARE(text1()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text1()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(text1()->verticalScrollBar()->isVisible());
    QVERIFY(text1()->horizontalScrollBar()->isVisible());
    QCOMPARE(text1()->palette().color(QPalette::Text), QColor(0, 0, 192));
    QCOMPARE(text1()->palette().color(QPalette::Base), QColor(Qt::white));

    // A long line scrolls sideways instead of wrapping.
    text1()->setPlainText(QString(400, u'x'));
    QCOMPARE(text1()->document()->lineCount(), 1);
    QVERIFY(text1()->horizontalScrollBar()->maximum() > 0);
}

void TestScriptWindow::textCoversTheClientArea_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("wider") << QSize(900, 300);
    QTest::newRow("taller") << QSize(520, 700);
    QTest::newRow("smaller") << QSize(200, 80);
    QTest::newRow("odd") << QSize(521, 237);
}

void TestScriptWindow::textCoversTheClientArea()
{
    QFETCH(QSize, size);
    m_ui.loadEntry("Excel_2013_qat_en");
    clickTag(u"button|FileSave"_s);
    Form2* form2 = scriptWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form2));
    form2->resize(size);
    QTRY_COMPARE(form2->size(), size);
    QTRY_COMPARE(text1()->geometry(), QRect(QPoint(0, 0), size));
}

void TestScriptWindow::minimiseAndRestoreKeepTheTextCovering()
{
    m_ui.loadEntry("Excel_2013_qat_en");
    clickTag(u"button|FileSave"_s);
    Form2* form2 = scriptWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form2));
    form2->resize(600, 300);
    QTRY_COMPARE(text1()->geometry(), QRect(0, 0, 600, 300));

    form2->showMinimized();
    QTRY_VERIFY(form2->isMinimized());
    form2->resize(700, 350); // the size a restored window comes back with
    form2->showNormal();
    QTRY_VERIFY(!form2->isMinimized());
    QTRY_COMPARE(form2->size(), QSize(700, 350));
    QTRY_COMPARE(text1()->geometry(), form2->rect());
}

void TestScriptWindow::closedWindowComesBackAtDesignSize()
{
    m_ui.loadEntry("Excel_2013_qat_en");
    clickTag(u"button|FileSave"_s);
    QPointer<Form2> first = scriptWindow();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    first->resize(800, 500);
    QTest::keyClicks(text1(), u"edit"_s);

    first->close(); // by the user: the window goes away for good
    QTRY_VERIFY(!first);
    QVERIFY(!scriptWindow());

    clickTag(u"control|Undo"_s);
    Form2* second = scriptWindow();
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QCOMPARE(second->size(), QSize(520, 235));
    QTRY_COMPARE(text1()->geometry(), second->rect());
    QVERIFY(xmlOutline(text1()->toPlainText()).endsWith(u"control idMso=Undo"_s));
    QVERIFY(!text1()->toPlainText().contains(u"edit"_s));
}

void TestScriptWindow::hidesWhileTheMainWindowIsMinimised()
{
    m_ui.loadEntry("Excel_2013_qat_en");
    clickTag(u"button|FileSave"_s);
    QPointer<Form2> form2 = scriptWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form2));
    form2->resize(600, 300);
    QTest::keyClicks(text1(), u"kept"_s);
    const QString text = text1()->toPlainText();

    m_ui.form->showMinimized();
    QTRY_VERIFY(m_ui.form->isMinimized());
    QTRY_VERIFY(!form2->isVisible());
    m_ui.form->showNormal();
    QTRY_VERIFY(form2 && form2->isVisible());
    QCOMPARE(form2, scriptWindow()); // the same window, not a new one
    QCOMPARE(text1()->toPlainText(), text);
    QCOMPARE(form2->size(), QSize(600, 300));
    QTRY_COMPARE(text1()->geometry(), form2->rect());

    // Closed by the user, it stays closed through a minimise and restore.
    form2->close();
    QTRY_VERIFY(!form2);
    m_ui.form->showMinimized();
    QTRY_VERIFY(m_ui.form->isMinimized());
    m_ui.form->showNormal();
    QTRY_VERIFY(!m_ui.form->isMinimized());
    QVERIFY(!scriptWindow());
}

void TestScriptWindow::minimiseAndRestoreInAnyOrder_data()
{
    // Steps: "main" or "script", minimised ("-") or restored ("+"); "@script"
    // moves it; "F6" moves the keyboard to the next window.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("main") << QStringList{u"-main"_s, u"+main"_s};
    QTest::newRow("script moved, then main") << QStringList{u"@script"_s, u"-main"_s, u"+main"_s};
    QTest::newRow("F6 to the script") << QStringList{u"F6"_s};
    QTest::newRow("F6 there and back") << QStringList{u"F6"_s, u"F6"_s};
    // Window managers that minimise an owned window minimise its owner too.
    QTest::newRow("script, then its owner with it")
        << QStringList{u"-script"_s, u"-main"_s, u"+main"_s};
    QTest::newRow("script alone, then main, main restored")
        << QStringList{u"-script"_s, u"+script"_s, u"-main"_s, u"+main"_s};
    QTest::newRow("main twice") << QStringList{u"-main"_s, u"+main"_s, u"-main"_s, u"+main"_s};
}

// Whatever the order, both windows come back usable: the main window normal,
// the script window shown and normal where the user put it, the keyboard
// where the user left it, and a click still fills the script window.
void TestScriptWindow::minimiseAndRestoreInAnyOrder()
{
    QFETCH(QStringList, steps);
    m_ui.loadEntry("Excel_2013_qat_en");
    m_ui.tree->setFocus();
    clickTag(u"button|FileSave"_s);
    QPointer<Form2> form2 = scriptWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form2));
    QWidget* keyboardWindow = m_ui.form;
    QPoint place = form2->pos();
    for (const QString& step : std::as_const(steps)) {
        QWidget* window = step.endsWith(u"main"_s) ? static_cast<QWidget*>(m_ui.form) : form2;
        QVERIFY2(window, qPrintable(step));
        if (step == u"F6"_s) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
            keyboardWindow = keyboardWindow == m_ui.form ? static_cast<QWidget*>(form2) : m_ui.form;
            QTRY_COMPARE(QApplication::activeWindow(), keyboardWindow);
        } else if (step.startsWith(u'@')) {
            place += QPoint(37, 23);
            window->move(place);
            QTRY_COMPARE(window->pos(), place);
        } else if (step.startsWith(u'-')) {
            window->showMinimized();
            QTRY_VERIFY2(window->isMinimized(), qPrintable(step));
        } else {
            window->showNormal();
            QTRY_VERIFY2(!window->isMinimized(), qPrintable(step));
        }
    }
    QVERIFY(!m_ui.form->isMinimized());
    QTRY_VERIFY(form2 && form2->isVisible());
    QVERIFY(!form2->isMinimized());
    QCOMPARE(form2, scriptWindow());
    QCOMPARE(form2->pos(), place);
    // Showing the script window again never took the keyboard from the tree.
    QTest::qWait(50);
    QTRY_COMPARE(QApplication::activeWindow(), keyboardWindow);
    QCOMPARE(QApplication::focusWidget(),
             keyboardWindow == m_ui.form ? static_cast<QWidget*>(m_ui.tree) : text1());
    if (keyboardWindow != m_ui.form)
        return;
    clickTag(u"control|Undo"_s);
    QVERIFY(xmlOutline(text1()->toPlainText()).endsWith(u"control idMso=Undo"_s));
    QVERIFY(!m_ui.form->isMinimized());
}

QTEST_MAIN(TestScriptWindow)
#include "tst_scriptwindow.moc"
