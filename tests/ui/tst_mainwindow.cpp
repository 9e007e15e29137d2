#include "MainWindowFixture.h"
#include "ModalDialogs.h"
#include "UiTestSupport.h"
#include "catalogue/OfficeTargets.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/Form2.h"
#include "viewer/ui/InterfaceTranslation.h"
#include "viewer/ui/NodeTreeModel.h"
#include "viewer/ui/NodeTreeView.h"
#include "viewer/ui/UiTexts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

Q_DECLARE_METATYPE(talpora::InterfaceLanguage)

namespace {

// "文件(&F)" with its items below it, one line each, flags spelled out.
QString menuOutline(const QMenuBar* bar)
{
    const auto describe = [](const QAction* action, const QString& name) {
        QString line = name + u' ' + action->text();
        if (!action->shortcut().isEmpty())
            line += u' ' + action->shortcut().toString(QKeySequence::PortableText);
        if (action->isCheckable())
            line += action->isChecked() ? u" [x]"_s : u" [ ]"_s;
        if (action->isSeparator())
            line += u" separator"_s;
        if (!action->icon().isNull())
            line += u" icon"_s;
        if (!action->isEnabled() || !action->isVisible())
            line += u" unavailable"_s;
        return line;
    };
    QStringList lines;
    for (const QAction* top : bar->actions()) {
        lines.append(describe(top, top->menu() ? top->menu()->objectName() : u"?"_s));
        if (top->menu()) {
            for (const QAction* item : top->menu()->actions())
                lines.append(u"  "_s + describe(item, item->objectName()));
        }
    }
    return lines.join(u'\n');
}

// The menu titles and items whose text does not fit the room they get: a title
// pushed out of the bar or narrower than its text, an item narrower than its
// text and shortcut.
QStringList cutOffMenus(const QMenuBar* bar)
{
    const auto textWidth = [](const QWidget* widget, const QAction* action) {
        QString text = action->text();
        text.remove(u'&');
        const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
        return widget->fontMetrics().horizontalAdvance(text) +
               (shortcut.isEmpty() ? 0 : widget->fontMetrics().horizontalAdvance(shortcut));
    };
    QStringList cut;
    for (const QAction* top : bar->actions()) {
        const QRect title = bar->actionGeometry(const_cast<QAction*>(top));
        if (!bar->rect().contains(title) || title.width() < textWidth(bar, top))
            cut.append(top->text());
        for (const QAction* item : top->menu()->actions()) {
            if (top->menu()->actionGeometry(const_cast<QAction*>(item)).width() <
                textWidth(top->menu(), item))
                cut.append(item->text());
        }
    }
    return cut;
}

// The root text of a catalogue document follows from the area in its name.
QString rootTextOf(const QString& entryName)
{
    const QString area = entryName.section(u'_', 2, 2);
    return area == u"tabSet" ? u"<contextualTabs>"_s : u'<' + area + u'>';
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void initTestCase();
    void init();
    void cleanup();

    void listHoldsTheCatalogueInOrder();
    void startsWithNothingChosen();
    void clickingAnEntryLoadsIt_data();
    void clickingAnEntryLoadsIt();
    void arrowKeysLoadTheNeighbouringEntry();
    void clickingTheLoadedEntryRebuildsTheTree();
    void failedFileKeepsThePreviousDocument_data();
    void failedFileKeepsThePreviousDocument();
    void fileDialogFiltersXmlAndCancelOpensNothing();
    void menusAreExactlyAsDesigned();
    void shortcutsOpenTheirBoxes_data();
    void shortcutsOpenTheirBoxes();
    void manualShowsTheUsageNote();
    void aboutShowsSevenLines();
    void standardButtonsSpeakTheLanguage();
    void exitClosesBothWindows_data();
    void exitClosesBothWindows();

private:
    MainWindowFixture m_ui;
    QTemporaryDir m_dir;
};

void TestMainWindow::initTestCase()
{
    QCoreApplication::setApplicationName(u"Talpora"_s);
    QCoreApplication::setApplicationVersion(u"1.00"_s);
    QVERIFY(m_dir.isValid());
}

// Every test runs once in each language the windows speak; Chinese keeps the
// texts the windows have always had.
void TestMainWindow::initTestCase_data()
{
    QTest::addColumn<InterfaceLanguage>("language");
    QTest::addColumn<QString>("menus");
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<QString>("manual");
    QTest::addColumn<QStringList>("about"); // the title, the product line and the date line
    QTest::addColumn<QString>("ok");

    QTest::newRow("Chinese")
        << InterfaceLanguage::Chinese
        << u"menuFile 文件(&F)\n"
           "  menuOpen 打开(&O) Ctrl+O\n"
           "  menuExit 退出(&X) Ctrl+F4\n"
           "menuOption 选项(&O)\n"
           "  menuScripts 脚本(&S) [x]\n"
           "  menuFindings 检查(&C) [x]\n"
           "  menuFind 查找(&F) Ctrl+F\n"
           "menuGo 转到(&G)\n"
           "  menuShowInCatalogue 在目录中显示(&C) Ctrl+L unavailable\n"
           "  menuBack 返回(&B) Alt+Left unavailable\n"
           "menuHelp 帮助(&H)\n"
           "  menuManual 使用教程 F1\n"
           "  menuAbout 关于..."_s
        << QStringList{u"customUI文件和Office文档(*.xml %1)"_s, u"XML文件(*.xml)"_s,
                       u"Office文档、模板和加载项(%1)"_s}
        << u"单击左侧导航栏中的项目加载内容，或者点击菜单【文件/打开】加载本地XML文件。"_s
        << QStringList{u"产品信息 & 联系方式"_s, u"产品名称：Talpora"_s,
                       u"更新日期：2018年1月6日"_s}
        << u"确定"_s;
    QTest::newRow("English") << InterfaceLanguage::English
                             << u"menuFile &File\n"
                                "  menuOpen &Open... Ctrl+O\n"
                                "  menuExit E&xit Ctrl+F4\n"
                                "menuOption &Options\n"
                                "  menuScripts &Scripts [x]\n"
                                "  menuFindings F&indings [x]\n"
                                "  menuFind &Find... Ctrl+F\n"
                                "menuGo &Go\n"
                                "  menuShowInCatalogue Show in &Catalogue Ctrl+L unavailable\n"
                                "  menuBack &Back Alt+Left unavailable\n"
                                "menuHelp &Help\n"
                                "  menuManual &How to Use F1\n"
                                "  menuAbout &About..."_s
                             << QStringList{u"customUI files and Office documents (*.xml %1)"_s,
                                            u"XML files (*.xml)"_s,
                                            u"Office documents, templates and add-ins (%1)"_s}
                             << u"Click an item in the list on the left to load it, or choose "
                                "File > Open to load a local XML file."_s
                             << QStringList{u"About Talpora"_s, u"Product name: Talpora"_s,
                                            u"Updated: 6 January 2018"_s}
                             << u"OK"_s;
    QTest::newRow("Japanese")
        << InterfaceLanguage::Japanese
        << u"menuFile ファイル(&F)\n"
           "  menuOpen 開く(&O)... Ctrl+O\n"
           "  menuExit 終了(&X) Ctrl+F4\n"
           "menuOption オプション(&O)\n"
           "  menuScripts スクリプト(&S) [x]\n"
           "  menuFindings チェック結果(&C) [x]\n"
           "  menuFind 検索(&F)... Ctrl+F\n"
           "menuGo 移動(&G)\n"
           "  menuShowInCatalogue カタログで表示(&C) Ctrl+L unavailable\n"
           "  menuBack 戻る(&B) Alt+Left unavailable\n"
           "menuHelp ヘルプ(&H)\n"
           "  menuManual 使い方(&U) F1\n"
           "  menuAbout バージョン情報(&A)..."_s
        << QStringList{u"customUI ファイルと Office ドキュメント (*.xml %1)"_s,
                       u"XML ファイル (*.xml)"_s,
                       u"Office ドキュメント、テンプレート、アドイン (%1)"_s}
        << u"左の一覧で項目をクリックすると、その内容を読み込みます。ローカル"
           "の XML ファイルは [ファイル] メニューの [開く] で読み込めます。"_s
        << QStringList{u"Talpora のバージョン情報"_s, u"製品名: Talpora"_s,
                       u"更新日: 2018年1月6日"_s}
        << u"OK"_s;
}

void TestMainWindow::init()
{
    QFETCH_GLOBAL(InterfaceLanguage, language);
    QVERIFY(installInterfaceLanguage(language));
    QVERIFY(m_ui.open());
}

void TestMainWindow::cleanup()
{
    const QString unexpected = m_ui.unexpectedDialogs();
    m_ui.close();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

void TestMainWindow::listHoldsTheCatalogueInOrder()
{
    QCOMPARE(m_ui.list->count(), 57);
    const auto entries = catalogue::catalogueEntries();
    for (int row = 0; row < m_ui.list->count(); ++row)
        QCOMPARE(m_ui.list->item(row)->text(),
                 entries[static_cast<std::size_t>(row)].displayName());
    QCOMPARE(m_ui.list->item(0)->text(), u"Access_2013_backstage_cn"_s);
    QCOMPARE(m_ui.list->item(24)->text(), u"Excel_2013_tabs_cn"_s);
    QCOMPARE(m_ui.list->item(56)->text(), u"Word_2013_tabs_jp"_s);

    QCOMPARE(QApplication::focusWidget(), m_ui.list);
    QTest::keyClick(m_ui.list, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_ui.tree);
}

void TestMainWindow::startsWithNothingChosen()
{
    const Form1 hidden; // never shown, never focused
    QCOMPARE(hidden.windowTitle(), u"Talpora"_s);
    QCOMPARE(hidden.List1->currentRow(), -1);

    // Showing the window gives List1 the focus; that alone must not pick an entry.
    QCOMPARE(m_ui.list->currentRow(), -1);
    QVERIFY(m_ui.list->selectedItems().isEmpty());
    QCOMPARE(m_ui.model->rowCount(), 0);
    QCOMPARE(m_ui.form->windowTitle(), u"Talpora"_s);
}

void TestMainWindow::clickingAnEntryLoadsIt_data()
{
    QTest::addColumn<int>("row");
    for (const catalogue::CatalogueEntry& entry : catalogue::catalogueEntries())
        QTest::newRow(entry.name) << entry.index;
}

void TestMainWindow::clickingAnEntryLoadsIt()
{
    QFETCH(int, row);
    const QString name = m_ui.list->item(row)->text();
    QSignalSpy resets(m_ui.model, &QAbstractItemModel::modelReset);
    ModalDialogs dialogs;
    clickEntry(m_ui.list, row);

    QVERIFY(dialogs.seen().isEmpty());
    QCOMPARE(resets.size(), 1);
    QCOMPARE(m_ui.form->windowTitle(), executableName() + u" - "_s + name);
    QCOMPARE(allIndexes(*m_ui.model).size(), catalogueElementCount(row));
    const QModelIndex root = m_ui.model->index(0, 0);
    QCOMPARE(root.data().toString(), rootTextOf(name));
    QVERIFY(m_ui.tree->isExpanded(root));
    QCOMPARE(m_ui.tree->currentIndex(), root);
    QCOMPARE(m_ui.tree->selectionModel()->selectedIndexes(), QModelIndexList{root});
}

void TestMainWindow::arrowKeysLoadTheNeighbouringEntry()
{
    clickEntry(m_ui.list, 3);
    QCOMPARE(m_ui.form->windowTitle(), executableName() + u" - "_s + m_ui.list->item(3)->text());
    QTest::keyClick(m_ui.list, Qt::Key_Down);
    QCOMPARE(m_ui.form->windowTitle(), executableName() + u" - "_s + m_ui.list->item(4)->text());
    QCOMPARE(m_ui.model->index(0, 0).data().toString(), rootTextOf(m_ui.list->item(4)->text()));
    QTest::keyClick(m_ui.list, Qt::Key_Up);
    QTest::keyClick(m_ui.list, Qt::Key_Up);
    QCOMPARE(m_ui.form->windowTitle(), executableName() + u" - "_s + m_ui.list->item(2)->text());
    QCOMPARE(allIndexes(*m_ui.model).size(), catalogueElementCount(2));
}

void TestMainWindow::clickingTheLoadedEntryRebuildsTheTree()
{
    clickEntry(m_ui.list, 25); // Excel_2013_tabs_en
    const auto outline = [this] {
        QStringList lines;
        for (const QModelIndex& index : allIndexes(*m_ui.model))
            lines.append(index.data(NodeTreeModel::KeyRole).toString() + u' ' +
                         index.data().toString());
        return lines;
    };
    const QStringList first = outline();
    const QModelIndex group =
        findIndex(*m_ui.model, NodeTreeModel::TagRole, u"group|GroupClipboard"_s);
    clickNode(m_ui.tree, group);
    QVERIFY(m_ui.tree->isExpanded(group.parent()));
    m_ui.tree->expand(group);

    QSignalSpy resets(m_ui.model, &QAbstractItemModel::modelReset);
    clickEntry(m_ui.list, 25);
    QCOMPARE(resets.size(), 1);
    QCOMPARE(outline(), first);
    const QModelIndex again =
        findIndex(*m_ui.model, NodeTreeModel::TagRole, u"group|GroupClipboard"_s);
    QVERIFY(!m_ui.tree->isExpanded(again.parent()));
    QVERIFY(!m_ui.tree->isExpanded(again));
    QCOMPARE(again.data(NodeTreeModel::PictureRole).toInt(), 2);
    QCOMPARE(m_ui.tree->currentIndex(), m_ui.model->index(0, 0));

    // Another entry afterwards: keys start again at k_1, nothing of the old tree stays.
    clickEntry(m_ui.list, 4);
    QCOMPARE(m_ui.model->index(0, 0).data(NodeTreeModel::KeyRole).toString(), u"k_1"_s);
    QCOMPARE(allIndexes(*m_ui.model).size(), catalogueElementCount(4));
}

void TestMainWindow::failedFileKeepsThePreviousDocument_data()
{
    QTest::addColumn<QByteArray>("content");  // empty: the file does not exist
    QTest::addColumn<QStringList>("reasons"); // a pattern the message must match, per language

    QTest::newRow("unclosed element")
        << QByteArray("<a>\n  <b>\n</a>\n")
        << QStringList{u"第 3 行第 \\d+ 列：结束标记与开始标记不匹配"_s,
                       u"line 3, column \\d+: mismatched tag"_s,
                       u"3 行目、\\d+ 列目: 終了タグが開始タグと一致しません"_s};
    QTest::newRow("two roots") << QByteArray("<a/>\n<b/>")
                               << QStringList{u"第 2 行第 \\d+ 列：\\S"_s,
                                              u"line 2, column \\d+: \\S"_s,
                                              u"2 行目、\\d+ 列目: \\S"_s};
    QTest::newRow("unbound prefix")
        << QByteArray("<a>\n<q:b/></a>")
        << QStringList{u"第 2 行第 1 列：.*q"_s, u"line 2, column 1: .*q"_s,
                       u"2 行目、1 列目: .*q"_s};
    QTest::newRow("missing file") << QByteArray()
                                  << QStringList{u"找不到文件"_s, u"file not found"_s,
                                                 u"ファイルが見つかりません"_s};
    QTest::newRow("well-formed, stopped by Esc")
        << QByteArray("<tabs/>") << QStringList{QString(), QString(), QString()};
}

void TestMainWindow::failedFileKeepsThePreviousDocument()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, reasons);
    QFETCH_GLOBAL(InterfaceLanguage, language);
    const QString reason = reasons.at(static_cast<int>(language));
    // The name looks like markup (with entities, as Windows forbids < and >
    // in file names): the box must show it as written.
    const QString path = content.isEmpty() ? m_dir.filePath(u"&lt;b&gt;missing.xml"_s)
                                           : writeFile(m_dir, u"&lt;b&gt;broken.xml"_s, content);
    QVERIFY(!path.isEmpty());
    clickEntry(m_ui.list, 7);
    const QString caption = m_ui.form->windowTitle();
    const int nodes = allIndexes(*m_ui.model).size();
    QSignalSpy resets(m_ui.model, &QAbstractItemModel::modelReset);

    const QString status = m_ui.statusPanel->text();
    ModalDialogs dialogs;
    // Posted before the load starts, Esc arrives while it runs.
    if (reason.isEmpty())
        QCoreApplication::postEvent(
            m_ui.tree, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    m_ui.form->openFile(path);
    QVERIFY(!m_ui.form->isLoading());
    QCOMPARE(m_ui.statusPanel->text(), status);
    QCOMPARE(dialogs.seen().size(), reason.isEmpty() ? 0 : 1);
    QCOMPARE(resets.size(), 0);
    QCOMPARE(m_ui.form->windowTitle(), caption);
    QCOMPARE(allIndexes(*m_ui.model).size(), nodes);
    if (reason.isEmpty())
        return;
    const SeenDialog box = dialogs.seen().first();
    QCOMPARE(box.title, u"Talpora"_s);
    QCOMPARE(box.standardButtons, QMessageBox::Ok);
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.textFormat, Qt::PlainText);
    QVERIFY2(box.text.contains(QFileInfo(path).fileName()), qPrintable(box.text));
    QVERIFY2(box.text.contains(QRegularExpression(reason)), qPrintable(box.text));
    QCOMPARE(box.cutOff, QStringList());
    QCOMPARE(m_ui.model->index(0, 0).data().toString(), rootTextOf(m_ui.list->item(7)->text()));
}

void TestMainWindow::fileDialogFiltersXmlAndCancelOpensNothing()
{
    QFETCH_GLOBAL(QStringList, filters);
    // Every Office document, template and add-in that check reads as a package.
    const QString packages = u"*.xlsx *.xlsm *.xltx *.xltm *.xlam *.docx *.docm *.dotx *.dotm "
                             "*.pptx *.pptm *.potx *.potm *.ppsx *.ppsm *.ppam"_s;
    for (QString& filter : filters)
        filter = filter.arg(packages);
    QCOMPARE(texts::openFileFilter(), filters.join(u";;"_s));
    const QString caption = m_ui.form->windowTitle();
    const int nodes = allIndexes(*m_ui.model).size();
    {
        ModalDialogs dialogs(ModalDialogs::Answer::Reject);
        m_ui.form->menuOpen->trigger();
        QCOMPARE(dialogs.seen().size(), 1); // the file dialog, and no box after Cancel
        QCOMPARE(dialogs.seen().first().nameFilters, filters);
    }
    QCOMPARE(m_ui.form->windowTitle(), caption);
    QCOMPARE(allIndexes(*m_ui.model).size(), nodes);

    const QString path = writeFile(m_dir, u"本地 file.xml"_s, "<chosen/>");
    ModalDialogs dialogs(ModalDialogs::Answer::Accept, {}, path);
    m_ui.form->menuOpen->trigger();
    QCOMPARE(dialogs.seen().size(), 1);
    QCOMPARE(m_ui.form->windowTitle(),
             executableName() + u" - "_s + QDir::toNativeSeparators(path));
    QCOMPARE(m_ui.model->index(0, 0).data().toString(), u"<chosen>"_s);
}

void TestMainWindow::menusAreExactlyAsDesigned()
{
    QFETCH_GLOBAL(QString, menus);
    QCOMPARE(menuOutline(m_ui.form->menuBar()), menus);
    QCOMPARE(cutOffMenus(m_ui.form->menuBar()), QStringList());
    // The public members are the named objects.
    QCOMPARE(m_ui.form->findChild<QAction*>(u"menuScripts"_s), m_ui.form->menuScripts);
    QCOMPARE(m_ui.form->findChild<QMenu*>(u"menuHelp"_s), m_ui.form->menuHelp);
    QCOMPARE(m_ui.form->findChild<QStatusBar*>(u"StatusBar1"_s), m_ui.form->statusBar());
    QCOMPARE(m_ui.form->findChild<QLabel*>(u"statusPanel1"_s), m_ui.form->statusPanel1);

    // Scripts only keeps its check mark; it never opens or closes a window.
    m_ui.form->menuScripts->trigger();
    QVERIFY(!m_ui.form->menuScripts->isChecked());
    m_ui.form->menuScripts->trigger();
    QVERIFY(m_ui.form->menuScripts->isChecked());
    QVERIFY(!m_ui.form->scriptWindow());
    QCOMPARE(QApplication::topLevelWidgets().size(), m_ui.form->findChildren<QMenu*>().size() + 1);
}

void TestMainWindow::shortcutsOpenTheirBoxes_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<bool>("inTree");
    QTest::addColumn<QString>("kind");
    QTest::newRow("Ctrl+O") << QKeyCombination(Qt::CTRL, Qt::Key_O) << false << u"file"_s;
    QTest::newRow("Ctrl+F") << QKeyCombination(Qt::CTRL, Qt::Key_F) << true << u"input"_s;
    QTest::newRow("F1 in the list") << QKeyCombination(Qt::Key_F1) << false << u"message"_s;
    QTest::newRow("F1 in the tree") << QKeyCombination(Qt::Key_F1) << true << u"message"_s;
}

void TestMainWindow::shortcutsOpenTheirBoxes()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(bool, inTree);
    QFETCH(QString, kind);
    QWidget* target = inTree ? static_cast<QWidget*>(m_ui.tree) : m_ui.list;
    target->setFocus();
    ModalDialogs dialogs(ModalDialogs::Answer::Reject);
    QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
    QCOMPARE(dialogs.seen().size(), 1);
    QCOMPARE(dialogs.seen().first().kind, kind);
    QCOMPARE(dialogs.seen().first().cutOff, QStringList());
}

void TestMainWindow::manualShowsTheUsageNote()
{
    clickEntry(m_ui.list, 10);
    const QString caption = m_ui.form->windowTitle();
    ModalDialogs dialogs;
    m_ui.form->menuManual->trigger();
    QCOMPARE(dialogs.seen().size(), 1);
    const SeenDialog box = dialogs.seen().first();
    QCOMPARE(box.title, u"Talpora"_s);
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.standardButtons, QMessageBox::Ok);
    QFETCH_GLOBAL(QString, manual);
    QCOMPARE(box.text, manual);
    QCOMPARE(box.cutOff, QStringList());
    QCOMPARE(m_ui.form->windowTitle(), caption);
    QCOMPARE(allIndexes(*m_ui.model).size(), catalogueElementCount(10));
}

void TestMainWindow::aboutShowsSevenLines()
{
    ModalDialogs dialogs;
    m_ui.form->menuAbout->trigger();
    QCOMPARE(dialogs.seen().size(), 1);
    const SeenDialog box = dialogs.seen().first();
    QFETCH_GLOBAL(QStringList, about);
    QCOMPARE(box.title, about[0]);
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.standardButtons, QMessageBox::Ok);
    QCOMPARE(box.cutOff, QStringList());
    const QStringList lines = box.text.split(QRegularExpression(u"\r?\n"_s));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[4], QString());
    QVERIFY(lines[5].endsWith(QCoreApplication::applicationName()));
    QCOMPARE(lines[5], about[1]);
    QCOMPARE(lines[6], about[2]);
    // The first lines name every application whose identifiers talpora-cli knows.
    const QString description = lines.mid(0, 4).join(u' ');
    for (const catalogue::Application application : catalogue::allApplications) {
        const QString name = QString::fromUtf8(catalogue::applicationName(application));
        QVERIFY2(description.contains(name), qPrintable(name));
    }
}

void TestMainWindow::standardButtonsSpeakTheLanguage()
{
    QFETCH_GLOBAL(QString, ok);
    ModalDialogs dialogs;
    m_ui.form->menuManual->trigger();
    QCOMPARE(dialogs.seen().size(), 1);
    QCOMPARE(dialogs.seen().first().buttons, QStringList{ok});
}

void TestMainWindow::exitClosesBothWindows_data()
{
    QTest::addColumn<bool>("byShortcut");
    QTest::newRow("menu") << false;
    QTest::newRow("Ctrl+F4") << true;
}

void TestMainWindow::exitClosesBothWindows()
{
    QFETCH(bool, byShortcut);
    clickEntry(m_ui.list, 13); // Excel_2013_qat_en
    clickNode(m_ui.tree, findIndex(*m_ui.model, NodeTreeModel::TagRole, u"button|FileSave"_s));
    QPointer<Form2> script = m_ui.form->scriptWindow();
    QVERIFY(script && script->isVisible());

    if (byShortcut)
        QTest::keyClick(m_ui.list, Qt::Key_F4, Qt::ControlModifier);
    else
        m_ui.form->menuExit->trigger();
    QVERIFY(!m_ui.form->isVisible());
    QTRY_VERIFY(!script);
    for (const QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), widget->metaObject()->className());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
