#include "TestDocuments.h"
#include "TreeText.h"
#include "translations/InterfaceLanguage.h"
#include "viewer/core/ViewerSession.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

Q_DECLARE_METATYPE(talpora::InterfaceLanguage)

namespace {

constexpr int excelTabsCn = 24;
constexpr int accessQatEn = 4;
constexpr int excelTabSetJp = 23;

// Everything a window shows of a session.
struct Shown
{
    const NodeTree* tree;
    QString caption;
    QString documentName;
    QString keyword;

    bool operator==(const Shown&) const = default;
};

Shown shown(const ViewerSession& session)
{
    return {session.tree().get(), session.caption(), session.documentName(), session.keyword()};
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void startsEmpty();
    void captionOfEntry();
    void captionOfFileIsFullNativePath();
    void failedLoadChangesNothing_data();
    void failedLoadChangesNothing();
    void sameEntryTwiceGivesSameTree();
    void secondLoadRestartsKeys();
    void keywordSurvivesLoads();
    void sourceIsEntryNameOrFile();
    void clicksOutsideTheTree();
    void languageFollowsTheSystem_data();
    void languageFollowsTheSystem();

private:
    QTemporaryDir m_dir;
    QString m_smallFile;
};

void TestSession::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_smallFile = writeFile(m_dir, u"small.xml"_s, "<tabs>\n\t<tab idMso=\"TabHome\"/>\n</tabs>\n");
    QVERIFY(!m_smallFile.isEmpty());
}

void TestSession::startsEmpty()
{
    const ViewerSession session(u"Talpora"_s);
    QCOMPARE(session.tree(), nullptr);
    QCOMPARE(session.caption(), u"Talpora"_s);
    QCOMPARE(session.documentName(), QString());
    QCOMPARE(session.keyword(), QString());
    QCOMPARE(session.FindNext(1), NodeTree::noNode);
}

void TestSession::captionOfEntry()
{
    ViewerSession session(u"Renamed"_s);
    QCOMPARE(describe(session.loadCatalogueEntry(excelTabsCn)), QString());
    QCOMPARE(session.caption(), u"Renamed - Excel_2013_tabs_cn"_s);
    QCOMPARE(session.documentName(), u"Excel_2013_tabs_cn"_s);
    QCOMPARE(session.tree()->text(1), u"<tabs>"_s);
}

void TestSession::captionOfFileIsFullNativePath()
{
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadFile(m_smallFile)), QString());
    const QString full = QDir::toNativeSeparators(QFileInfo(m_smallFile).absoluteFilePath());
    QCOMPARE(session.caption(), u"Talpora - "_s + full);
    QCOMPARE(session.documentName(), full);

    // A relative path still shows in full.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    const QString error = describe(session.loadFile(u"small.xml"_s));
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(error, QString());
    QCOMPARE(session.documentName(), full);
    QVERIFY(QFileInfo(session.documentName()).isAbsolute());
}

void TestSession::failedLoadChangesNothing_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("malformed file") << writeFile(m_dir, u"broken.xml"_s, "<tabs><tab></tabs>");
    QTest::newRow("two roots") << writeFile(m_dir, u"two.xml"_s, "<tabs/><qat/>");
    QTest::newRow("missing file") << m_dir.filePath(u"missing.xml"_s);
    QTest::newRow("directory") << m_dir.path();
    QTest::newRow("entry name with a trailing blank") << u"excel_2013_tabs_cn "_s;
}

void TestSession::failedLoadChangesNothing()
{
    QFETCH(QString, source);
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadCatalogueEntry(accessQatEn)), QString());
    session.setKeyword(u"button"_s);
    const Shown before = shown(session);
    const QString printedBefore = printTree(*session.tree(), TreeLine::Everything);

    QVERIFY(bool(session.loadSource(source)));
    QVERIFY(shown(session) == before);
    QCOMPARE(printTree(*session.tree(), TreeLine::Everything), printedBefore);

    for (const int index : {-1, 57, 1000})
        QVERIFY(bool(session.loadCatalogueEntry(index)));
    QVERIFY(shown(session) == before);
}

void TestSession::sameEntryTwiceGivesSameTree()
{
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadCatalogueEntry(excelTabSetJp)), QString());
    const auto first = session.tree();
    QCOMPARE(describe(session.loadCatalogueEntry(excelTabSetJp)), QString());
    QVERIFY(session.tree() != first); // rebuilt from a fresh parse
    QCOMPARE(session.tree()->size(), first->size());
    QCOMPARE(printTree(*session.tree(), TreeLine::Everything),
             printTree(*first, TreeLine::Everything));
}

void TestSession::secondLoadRestartsKeys()
{
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadCatalogueEntry(excelTabSetJp)), QString());
    QVERIFY(session.tree()->size() > 100);
    QCOMPARE(describe(session.loadFile(m_smallFile)), QString());
    QCOMPARE(printTree(*session.tree(), TreeLine::Everything),
             u"k_1 pic1 red [tabs] <tabs>\n"
             "  k_2 pic2 blue [tab|TabHome] <tab idMso=\"TabHome\">"_s);
    QCOMPARE(session.pathOf(2), u"<tabs>/<tab idMso=\"TabHome\">"_s);
}

void TestSession::keywordSurvivesLoads()
{
    ViewerSession session(u"Talpora"_s);
    session.setKeyword(u"TABHOME"_s);
    QCOMPARE(session.FindNext(1), NodeTree::noNode); // nothing loaded yet
    QCOMPARE(describe(session.loadFile(m_smallFile)), QString());
    QCOMPARE(session.keyword(), u"TABHOME"_s);
    QCOMPARE(session.FindNext(1), 2u);
    QVERIFY(bool(session.loadFile(m_dir.filePath(u"missing.xml"_s))));
    QCOMPARE(session.keyword(), u"TABHOME"_s);
    QCOMPARE(describe(session.loadCatalogueEntry(accessQatEn)), QString());
    QCOMPARE(session.keyword(), u"TABHOME"_s);
    QCOMPARE(session.FindNext(1), NodeTree::noNode);
    session.setKeyword(QString());
    QCOMPARE(session.FindNext(1), NodeTree::noNode);
}

void TestSession::sourceIsEntryNameOrFile()
{
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadSource(u"Access_2013_tabSet_en"_s)), QString());
    QCOMPARE(session.documentName(), u"Access_2013_tabSet_en"_s);
    QCOMPARE(session.tree()->text(1), u"<contextualTabs>"_s);
    QCOMPARE(describe(session.loadSource(m_smallFile)), QString());
    QCOMPARE(session.tree()->size(), 2u);
    QCOMPARE(describe(session.loadSource(u"Nothing_2013_qat_en"_s)), u"file not found"_s);

    QCOMPARE(describe(session.loadSource(u"access_2013_TABSET_en"_s)), QString());
    QCOMPARE(session.documentName(), u"Access_2013_tabSet_en"_s);
    // A file of that name in the current folder is what the user means.
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    writeFile(m_dir, u"access_2013_tabset_en"_s, "<qat/>");
    const QString error = describe(session.loadSource(u"access_2013_tabset_en"_s));
    QVERIFY(QDir::setCurrent(current));
    QCOMPARE(error, QString());
    QCOMPARE(session.tree()->text(1), u"<qat>"_s);
}

void TestSession::clicksOutsideTheTree()
{
    ViewerSession session(u"Talpora"_s);
    QVERIFY(!session.snippetFor(1)); // nothing loaded
    QCOMPARE(session.pathOf(1), QString());
    QCOMPARE(describe(session.loadFile(m_smallFile)), QString());
    QVERIFY(!session.snippetFor(0));
    QVERIFY(!session.snippetFor(3));
    QCOMPARE(describe(session.snippetFor(3).failure), u"there is no node at position 3"_s);
    QCOMPARE(session.pathOf(3), QString());
    QVERIFY(session.snippetFor(2));
}

void TestSession::languageFollowsTheSystem_data()
{
    QTest::addColumn<QStringList>("uiLanguages"); // as QLocale::uiLanguages() lists them
    QTest::addColumn<InterfaceLanguage>("language");

    const auto chinese = InterfaceLanguage::Chinese;
    const auto english = InterfaceLanguage::English;
    const auto japanese = InterfaceLanguage::Japanese;
    QTest::newRow("C locale") << QStringList{u"C"_s} << chinese;
    QTest::newRow("nothing") << QStringList() << chinese;
    QTest::newRow("POSIX and C.UTF-8 as written")
        << QStringList{u"POSIX"_s, u"C.UTF-8"_s, u"und"_s} << chinese;
    QTest::newRow("English desktop")
        << QStringList{u"en-US"_s, u"en-Latn-US"_s, u"en"_s} << english;
    QTest::newRow("Japanese desktop")
        << QStringList{u"ja-JP"_s, u"ja-Jpan-JP"_s, u"ja"_s} << japanese;
    QTest::newRow("Traditional Chinese desktop")
        << QStringList{u"zh-TW"_s, u"zh-Hant-TW"_s} << chinese;
    // LANGUAGE=de:ja, or a display language list on Windows.
    QTest::newRow("the first language there is wins")
        << QStringList{u"de"_s, u"de-Latn-DE"_s, u"ja"_s, u"en-US"_s} << japanese;
    QTest::newRow("English before Chinese") << QStringList{u"en-GB"_s, u"zh-CN"_s} << english;
    QTest::newRow("no language there is") << QStringList{u"de-DE"_s, u"fr"_s} << english;
    QTest::newRow("as an environment variable spells it")
        << QStringList{u"JA_jp.UTF-8"_s} << japanese;
    QTest::newRow("Jamaican Creole is not Japanese") << QStringList{u"jam"_s} << english;
    QTest::newRow("Zhuang is not Chinese") << QStringList{u"zha-CN"_s} << english;
}

void TestSession::languageFollowsTheSystem()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(InterfaceLanguage, language);
    QCOMPARE(chooseInterfaceLanguage(uiLanguages), language);
}

QTEST_APPLESS_MAIN(TestSession)
#include "tst_session.moc"
