#include "ModalDialogs.h"
#include "TestPackages.h"
#include "UiTestSupport.h"
#include "viewer/core/FileFollower.h"
#include "viewer/core/StartupArguments.h"
#include "viewer/ui/FileDropOpener.h"
#include "viewer/ui/FindingsWindow.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/InterfaceTranslation.h"
#include "viewer/ui/NodeTreeModel.h"
#include "viewer/ui/NodeTreeView.h"
#include "viewer/ui/StartMainWindow.h"
#include "viewer/ui/UiTexts.h"

#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <memory>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

Q_DECLARE_METATYPE(talpora::InterfaceLanguage)

namespace {

QByteArray customUiPart(const char* customUiNamespace, const QByteArray& tabs)
{
    return "<customUI xmlns=\"" + QByteArray(customUiNamespace) + "\">\n<ribbon><tabs>" + tabs +
           "</tabs></ribbon>\n</customUI>\n";
}

// What a file manager's drag carries: the files as URLs.
std::unique_ptr<QMimeData> draggedUrls(const QList<QUrl>& urls)
{
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

} // namespace

// Opening a file from outside the window's own menu: the command line and a drop.
class TestOpening : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void commandLine_data();
    void commandLine();
    void fileArgumentOpensLikeTheMenu_data();
    void fileArgumentOpensLikeTheMenu();
    void droppedFilesOpenTheFirst();
    void packagesShowTheirCustomUiPart_data();
    void packagesShowTheirCustomUiPart();
    void authorsDocumentComesBackAsLeft_data();
    void authorsDocumentComesBackAsLeft();

private:
    QTemporaryDir m_dir;
};

void TestOpening::initTestCase()
{
    QCoreApplication::setApplicationName(u"Talpora"_s);
    QCoreApplication::setApplicationVersion(u"1.00"_s);
    QVERIFY(m_dir.isValid());
}

void TestOpening::cleanup()
{
    installInterfaceLanguage(InterfaceLanguage::English);
}

void TestOpening::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program name
    QTest::addColumn<int>("exitStatus");        // -1: the window opens
    QTest::addColumn<QString>("message");       // a part of the message; empty: none
    QTest::addColumn<QString>("fileToOpen");

    QTest::newRow("nothing") << QStringList() << -1 << QString() << QString();
    QTest::newRow("a file") << QStringList{u"本地.xml"_s} << -1 << QString() << u"本地.xml"_s;
    QTest::newRow("a file after --")
        << QStringList{u"--"_s, u"--version"_s} << -1 << QString() << u"--version"_s;
    const QString version = u"Talpora 1.00\nCopyright (c) 2026 the Talpora developers\n"
                            "Licence: MIT <https://opensource.org/license/mit>\n"_s;
    QTest::newRow("--version") << QStringList{u"--version"_s} << 0 << version << QString();
    QTest::newRow("-V") << QStringList{u"-V"_s} << 0 << version << QString();
    QTest::newRow("Qt's own options are left to Qt")
        << QStringList{u"-platform"_s, u"offscreen"_s, u"-reverse"_s, u"a.xml"_s} << -1 << QString()
        << u"a.xml"_s;
    QTest::newRow("--help") << QStringList{u"--help"_s} << 0 << u"[file]"_s << QString();
    QTest::newRow("-h with a file")
        << QStringList{u"a.xml"_s, u"-h"_s} << 0 << u"--version"_s << QString();
    // One line in English (no translation is installed yet), then where the help is.
    QTest::newRow("unknown option")
        << QStringList{u"--bogus"_s} << 2
        << u"Talpora: Unknown option 'bogus'.\nTry 'Talpora --help' for more information.\n"_s
        << QString();
    QTest::newRow("two files") << QStringList{u"a.xml"_s, u"b.xml"_s} << 2
                               << u"Talpora: Only one file can be opened at start.\n"_s
                               << QString();
}

void TestOpening::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitStatus);
    QFETCH(QString, message);
    QFETCH(QString, fileToOpen);
    const StartupRequest request = parseStartupArguments(QStringList{u"Talpora"_s} + arguments);
    QCOMPARE(request.exitStatus.value_or(-1), exitStatus);
    if (message.isEmpty())
        QVERIFY2(request.message.isEmpty(), qPrintable(request.message));
    QVERIFY2(request.message.contains(message), qPrintable(request.message));
    if (exitStatus == 0 && message.endsWith(u'\n'))
        QCOMPARE(request.message, message);
    if (exitStatus == 2)
        QVERIFY(request.message.startsWith(message));
    QCOMPARE(request.fileToOpen, fileToOpen);
}

void TestOpening::fileArgumentOpensLikeTheMenu_data()
{
    QTest::addColumn<InterfaceLanguage>("language");
    QTest::addColumn<QString>("failure"); // %1: the file
    QTest::newRow("Chinese") << InterfaceLanguage::Chinese << u"无法加载“%1”：\n找不到文件"_s;
    QTest::newRow("English") << InterfaceLanguage::English
                             << u"Cannot load “%1”:\nfile not found"_s;
    QTest::newRow("Japanese") << InterfaceLanguage::Japanese
                              << u"「%1」を読み込めません:\nファイルが見つかりません"_s;
}

void TestOpening::fileArgumentOpensLikeTheMenu()
{
    QFETCH(InterfaceLanguage, language);
    QFETCH(QString, failure);
    QVERIFY(installInterfaceLanguage(language));
    const QString path = writeFile(m_dir, u"start.xml"_s, "<tabs><tab idMso=\"TabHome\"/></tabs>");
    {
        const std::unique_ptr<Form1> form(startMainWindow(path));
        QVERIFY(form->isVisible());
        QTRY_COMPARE(form->windowTitle(),
                     executableName() + u" - "_s + QDir::toNativeSeparators(path));
        QCOMPARE(allIndexes(*form->treeModel()).size(), 2);
    }

    // A file that cannot be opened, named relative to the current folder: the
    // window stays, with the box that File > Open shows for the full path.
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    ModalDialogs dialogs;
    const std::unique_ptr<Form1> form(startMainWindow(u"missing.xml"_s));
    QVERIFY(QDir::setCurrent(current));
    QTRY_COMPARE(dialogs.seen().size(), 1);
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), texts::programTitle());
    QCOMPARE(form->treeModel()->rowCount(), 0);
    form->openFile(m_dir.filePath(u"missing.xml"_s));
    QCOMPARE(dialogs.seen().size(), 2);
    QCOMPARE(dialogs.seen()[0].text,
             failure.arg(QDir::toNativeSeparators(m_dir.filePath(u"missing.xml"_s))));
    QCOMPARE(dialogs.seen()[1].text, dialogs.seen()[0].text);
    QCOMPARE(dialogs.seen()[1].title, dialogs.seen()[0].title);
    QCOMPARE(dialogs.seen()[0].cutOff, QStringList());
}

void TestOpening::droppedFilesOpenTheFirst()
{
    const QString first =
        writeFile(m_dir, u"首个 dropped 😀.xml"_s, "<qat><button idMso=\"A\"/></qat>");
    const QString second = writeFile(m_dir, u"second.xml"_s, "<tabs/>");
    ModalDialogs unexpected;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Drops over the list or the tree reach the window only while no child takes drops itself.
    for (const QWidget* child : form.findChildren<QWidget*>())
        QVERIFY2(!child->acceptDrops(), qPrintable(child->objectName()));

    const QPoint centre = form.rect().center();
    const auto text = std::make_unique<QMimeData>();
    text->setText(first);
    QDragEnterEvent textEnter(centre, Qt::CopyAction, text.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(&form, &textEnter);
    QVERIFY(!textEnter.isAccepted());

    const auto files = draggedUrls({QUrl(u"https://example.org/remote.xml"_s),
                                    QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    // Shift proposes a move; the file must stay where it is.
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(centre, actions, files.get(), Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&form, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(centre, actions, files.get(), Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(drop.proposedAction(), Qt::MoveAction);
    QCoreApplication::sendEvent(&form, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QTRY_COMPARE(form.windowTitle(), executableName() + u" - "_s + QDir::toNativeSeparators(first));
    QCOMPARE(form.treeModel()->index(0, 0).data().toString(), u"<qat>"_s);
    QVERIFY(QFileInfo::exists(first));
    QVERIFY2(unexpected.seen().isEmpty(), qPrintable(unexpected.seen().value(0).text));
}

void TestOpening::packagesShowTheirCustomUiPart_data()
{
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<bool>("choose");         // false: the chooser is cancelled
    QTest::addColumn<QString>("typed");       // the chooser's answer; empty: the one it proposed
    QTest::addColumn<QStringList>("offered"); // the chooser's items, the proposed one first
    QTest::addColumn<QString>("shown");       // the part on screen; empty: the document stays
    QTest::addColumn<QString>("root");        // its root's text
    QTest::addColumn<QString>("failure");     // the box's reason; empty: no box

    const char* ns2009 = "http://schemas.microsoft.com/office/2009/07/customui";
    const char* ns2006 = "http://schemas.microsoft.com/office/2006/01/customui";
    const QByteArray ribbon2010 = customUiPart(ns2009, "<tab idMso=\"TabHome\"/>");
    const QByteArray ribbon2007 = customUiPart(ns2006, "<tab idMso=\"TabInsert\"/>");
    const QString root2010 = u"<customUI xmlns=\"%1\">"_s.arg(QLatin1StringView(ns2009));
    const QString root2007 = u"<customUI xmlns=\"%1\">"_s.arg(QLatin1StringView(ns2006));
    const QString item2010 = u"customUI/customUI14.xml (the Ribbon of Office 2010 and later)"_s;
    const QString item2007 = u"customUI/customUI.xml (the Ribbon of Office 2007)"_s;
    const QByteArray both = excelWorkbook(
        {{u"customUI/customUI.xml"_s, ribbon2007}, {u"customUI/customUI14.xml"_s, ribbon2010}});

    QTest::newRow("one part, shown at once")
        << excelWorkbook({{u"customUI/customUI14.xml"_s, ribbon2010}}) << true << QString()
        << QStringList() << u"customUI/customUI14.xml"_s << root2010 << QString();
    QTest::newRow("two parts: the chooser proposes customUI14.xml")
        << both << true << QString() << QStringList{item2010, item2007, item2010}
        << u"customUI/customUI14.xml"_s << root2010 << QString();
    QTest::newRow("two parts: the other one chosen")
        << both << true << item2007 << QStringList{item2010, item2007, item2010}
        << u"customUI/customUI.xml"_s << root2007 << QString();
    QTest::newRow("two parts: the chooser cancelled")
        << both << false << QString() << QStringList{item2010, item2007, item2010} << QString()
        << QString() << QString();
    QTest::newRow("no customUI part")
        << excelWorkbook({}) << true << QString() << QStringList() << QString() << QString()
        << u"the package has no customUI part"_s;
    QTest::newRow("a part that is not well-formed")
        << excelWorkbook({{u"customUI/customUI14.xml"_s, "<customUI>\n<ribbon></customUI>"}})
        << true << QString() << QStringList() << QString() << QString()
        << u"line 2, column 11: mismatched tag"_s;
    QTest::newRow("no zip archive, named like one")
        << QByteArray("<customUI/>") << true << QString() << QStringList() << QString() << QString()
        << u"not an Office Open XML package: "_s;
}

void TestOpening::packagesShowTheirCustomUiPart()
{
    QFETCH(QByteArray, package);
    QFETCH(bool, choose);
    QFETCH(QString, typed);
    QFETCH(QStringList, offered);
    QFETCH(QString, shown);
    QFETCH(QString, root);
    QFETCH(QString, failure);
    QVERIFY(!package.isEmpty());
    const QString path = writeFile(m_dir, u"预算 Budget.xlsm"_s, package);
    const QString before = writeFile(m_dir, u"before.xml"_s, "<tabs/>");
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.openFile(before);
    const QString caption = form.windowTitle();

    ModalDialogs dialogs(choose ? ModalDialogs::Answer::Accept : ModalDialogs::Answer::Reject,
                         typed.isEmpty() ? std::nullopt : std::optional<QString>(typed));
    form.openFile(path);
    QList<SeenDialog> seen = dialogs.seen();
    if (!offered.isEmpty()) {
        QVERIFY(!seen.isEmpty());
        const SeenDialog chooser = seen.takeFirst();
        QCOMPARE(chooser.kind, u"input"_s);
        QVERIFY2(chooser.text.contains(QDir::toNativeSeparators(path)), qPrintable(chooser.text));
        QCOMPARE(QStringList(chooser.value) + chooser.items, offered);
        QCOMPARE(chooser.cutOff, QStringList());
    }
    if (failure.isEmpty()) {
        QVERIFY2(seen.isEmpty(), qPrintable(seen.value(0).text));
    } else {
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].kind, u"message"_s);
        QVERIFY2(seen[0].text.contains(failure), qPrintable(seen[0].text));
        QVERIFY2(seen[0].text.contains(QFileInfo(path).fileName()), qPrintable(seen[0].text));
    }
    if (shown.isEmpty()) {
        QCOMPARE(form.windowTitle(), caption);
        QCOMPARE(form.treeModel()->index(0, 0).data().toString(), u"<tabs>"_s);
        return;
    }
    QCOMPARE(form.windowTitle(),
             executableName() + u" - "_s + QDir::toNativeSeparators(path) + u'!' + shown);
    QCOMPARE(form.treeModel()->index(0, 0).data().toString(), root);
    QCOMPARE(form.session().source(), DocumentSource::packagePart(path, shown));
}

namespace {

QByteArray ribbonWithCopy(const QByteArray& before)
{
    return "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">\n"
           "<ribbon><tabs>\n<tab idMso=\"TabHome\">\n<group id=\"Mine\" label=\"Mine\">\n" +
           before +
           "<button id=\"b1\" label=\"B1\"/>\n<button idMso=\"Copy\"/>\n"
           "</group>\n</tab>\n</tabs></ribbon>\n</customUI>\n";
}

} // namespace

void TestOpening::authorsDocumentComesBackAsLeft_data()
{
    QTest::addColumn<QString>("how");      // "in place", "by rename", "catalogue"
    QTest::addColumn<QByteArray>("saved"); // the file as saved anew
    QTest::addColumn<int>("nodes");        // the tree's nodes afterwards
    QTest::addColumn<QString>("problem");  // in the Findings window; empty: none

    const QByteArray added = ribbonWithCopy("<button id=\"b0\" label=\"B0\"/>\n");
    QTest::newRow("saved in place: the selection follows its node")
        << u"in place"_s << added << 8 << QString();
    QTest::newRow("saved by a rename over it, as editors save")
        << u"by rename"_s << added << 8 << QString();
    QTest::newRow("saved broken: the last good tree stays, the error is listed")
        << u"in place"_s << QByteArray("<customUI xmlns=\"x\">\n<ribbon>") << 7
        << u"line 2, column 9: no element found"_s;
    QTest::newRow("shown in the catalogue, saved meanwhile, and back")
        << u"catalogue"_s << added << 8 << QString();
}

// The author's file, followed on disk and left for the catalogue, comes back
// with its selected node found again by its chain of names, without a box
// and without taking the keyboard from the window that has it.
void TestOpening::authorsDocumentComesBackAsLeft()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, saved);
    QFETCH(int, nodes);
    QFETCH(QString, problem);
    const QString path = writeFile(m_dir, u"功能区 %1.xml"_s.arg(how), ribbonWithCopy({}));
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy listed(&form, &Form1::findingsListed);
    QSignalSpy reloaded(&form, &Form1::documentReloaded);
    form.openFile(path);
    QTRY_COMPARE(listed.size(), 1);
    const QString caption = form.windowTitle();
    NodeTreeModel* model = form.treeModel();
    const QModelIndex copy = model->indexOf(7);
    QCOMPARE(copy.data().toString(), u"<button idMso=\"Copy\">"_s);
    form.TreeView1->scrollTo(copy);
    form.TreeView1->setCurrentIndex(copy);
    form.nodeSelectedByMove(copy);
    form.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &form);
    form.TreeView1->setFocus();

    ModalDialogs unexpected(ModalDialogs::Answer::Accept);
    if (how == u"catalogue"_s) {
        form.findingsWindow()->applicationBox->setCurrentText(u"Excel"_s);
        QTRY_COMPARE(listed.size(), 2);
        QVERIFY(form.menuShowInCatalogue->isEnabled());
        form.menuShowInCatalogue->trigger();
        QCOMPARE(form.session().source().kind, DocumentSourceKind::CatalogueEntry);
        QVERIFY2(form.windowTitle().contains(u"Excel_2013_tabs_"_s),
                 qPrintable(form.windowTitle()));
        const NodeTree::Position control =
            form.treeModel()->positionOf(form.TreeView1->currentIndex());
        QVERIFY(form.session().tree()->idMsoUtf8(control) == "Copy");
        QVERIFY(form.menuBack->isEnabled());
    }
    const qsizetype reloads = reloaded.size();
    if (how == u"by rename"_s) {
        const QString temporary = writeFile(m_dir, u"~功能区.tmp"_s, saved);
        std::filesystem::rename(std::filesystem::path(temporary.toStdU16String()),
                                std::filesystem::path(path.toStdU16String()));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(saved);
    }
    if (how == u"catalogue"_s) {
        // The catalogue stays on screen until the user goes back.
        QTest::qWait(3 * FileFollower::settleMilliseconds);
        QCOMPARE(form.session().source().kind, DocumentSourceKind::CatalogueEntry);
        form.menuBack->trigger();
        QCOMPARE(form.windowTitle(), caption);
    }
    QTRY_COMPARE_WITH_TIMEOUT(reloaded.size(), reloads + 1, 10000);
    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(form.session().tree()->size(), static_cast<std::size_t>(nodes));
    QCOMPARE(form.TreeView1->currentIndex().data().toString(), u"<button idMso=\"Copy\">"_s);
    QCOMPARE(form.statusPanel1->text(),
             form.session().statusTextOf(model->positionOf(form.TreeView1->currentIndex())));
    QLabel* problemLine = form.findingsWindow()->problemLine;
    QCOMPARE(problemLine->isVisibleTo(form.findingsWindow()), !problem.isEmpty());
    QVERIFY2(problemLine->text().contains(problem), qPrintable(problemLine->text()));
    QCOMPARE(QApplication::activeWindow(), &form);
    QCOMPARE(QApplication::focusWidget(), form.TreeView1);
    QVERIFY2(unexpected.seen().isEmpty(), qPrintable(unexpected.seen().value(0).text));
    // The reload is not followed by another one of its own making.
    QTest::qWait(3 * FileFollower::settleMilliseconds);
    QCOMPARE(reloaded.size(), reloads + 1);
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
