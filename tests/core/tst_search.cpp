#include "EncodedText.h"
#include "TestDocuments.h"
#include "viewer/core/TreeSearch.h"
#include "viewer/core/ViewerSession.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

namespace {

using Position = NodeTree::Position;

const QString sisyphusUpper = u"\u03A3\u038A\u03A3\u03A5\u03A6\u039F\u03A3"_s; // ΣΊΣΥΦΟΣ
const QString sisyphusLower = u"\u03C3\u03AF\u03C3\u03C5\u03C6\u03BF\u03C2"_s; // σίσυφος

// Positions in the comments.
QByteArray ribbon()
{
    return (u"<tabs>\n"                                                  // 1
            "  <tab idMso=\"TabHome\" label=\"Home\">\n"                 // 2
            "    <group idMso=\"GroupClipboard\" label=\"Clipboard\">\n" // 3
            "      <button idMso=\"Paste\" label=\"Paste  Special\"/>\n" // 4
            "      <button idMso=\"Cut\" label=\""_s +
            sisyphusUpper +
            u"\"/>\n"_s                                           // 5
            u"      <button idMso=\"Copy\" label=\"STRASSE\"/>\n" // 6
            "      <button idMso=\"Font\" label=\"Шрифт\"/>\n"    // 7
            "      <menu/>\n"                                     // 8
            "    </group>\n"
            "  </tab>\n"
            "  <tab idMso=\"TabInsert\" label=\"插入 剪切板\"/>\n" // 9
            "</tabs>\n"_s)
        .toUtf8();
}

// Texts meant to meet both the ASCII and the general comparison, with
// characters whose case folding is special.
QByteArray awkwardTexts()
{
    return (u"<root>"
            "<b idMso=\"Kelvin\" label=\"kilo\"/>"
            "<b label=\"5 \u212A and 3 K\"/>"
            "<b idMso=\"Strasse\" label=\"Masse\"/>"
            "<b label=\"Stra\u00DFe STRA\u1E9EE\"/>"
            "<b label=\"\u017Ftand lang\"/>"
            "<b label=\"\u0130stanbul \u0131rmak IRMAK\"/>"
            "<b label=\"\u03A3\u03A3 \u03C3\u03C2\"/>"
            "<b label=\"\uFF21\uFF22\uFF23\"/>"
            "<b label=\"\U00010400\U00010428\"/>"
            "<b label=\"\u01C4 \u01C5 \u01C6\"/>"
            "<b label=\"plain ascii text\"/>"
            "<b label=\"&lt;&amp;&quot;\"/>"
            "<b label=\"\uFEFFbom\"/>"
            "<b label=\"GRO\u1E9E \u7C98\u8D34\"/>"
            "</root>"_s)
        .toUtf8();
}

Position bruteForce(const NodeTree& tree, Position selected, const QString& keyword)
{
    if (keyword.isEmpty() || !tree.contains(selected))
        return NodeTree::noNode;
    for (Position position = selected + 1; position <= tree.size(); ++position) {
        if (tree.text(position).contains(keyword, Qt::CaseInsensitive))
            return position;
    }
    return NodeTree::noNode;
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void findNext_data();
    void findNext();
    void keywordInCapitalsStepsNodeByNode();
    void agreesWithPlainComparison_data();
    void agreesWithPlainComparison();
    void chineseKeywordsInFiles_data();
    void chineseKeywordsInFiles();
};

void TestSearch::findNext_data()
{
    QTest::addColumn<Position>("selected");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<Position>("expected");

    QTest::newRow("first hit after the selection") << 1u << u"button"_s << 4u;
    QTest::newRow("the selection itself is skipped") << 4u << u"button"_s << 5u;
    QTest::newRow("other letter case") << 1u << u"pASTE"_s << 4u;
    QTest::newRow("IDMSO finds the first idMso") << 1u << u"IDMSO"_s << 2u;
    QTest::newRow("name and value together") << 1u << u"idMso=\"Paste"_s << 4u;
    QTest::newRow("whole start of a tag") << 3u << u"<BUTTON IDMSO=\"C"_s << 5u;
    QTest::newRow("no wrap to earlier hits") << 5u << u"Paste"_s << 0u;
    QTest::newRow("last node selected") << 9u << u"<"_s << 0u;
    QTest::newRow("root is never a hit") << 1u << u"tabs"_s << 0u;
    QTest::newRow("the root text itself") << 1u << u"<tabs>"_s << 0u;
    QTest::newRow("empty keyword") << 1u << QString() << 0u;
    QTest::newRow("nothing selected") << 0u << u"button"_s << 0u;
    QTest::newRow("selection past the end") << 10u << u"button"_s << 0u;
    QTest::newRow("largest selection") << 0xFFFFFFFFu << u"button"_s << 0u;
    QTest::newRow("two blanks") << 1u << u"  "_s << 4u;
    QTest::newRow("one blank") << 1u << u" "_s << 2u;
    QTest::newRow("blank count matters") << 1u << u"Paste Special"_s << 0u;
    QTest::newRow("Greek, lower keyword") << 1u << sisyphusLower << 5u;
    QTest::newRow("Greek, upper keyword") << 1u << sisyphusUpper << 5u;
    QTest::newRow("German capitals") << 1u << u"strasse"_s << 6u;
    QTest::newRow("Cyrillic, lower keyword") << 1u << u"шрифт"_s << 7u;
    QTest::newRow("Cyrillic, upper keyword") << 1u << u"ШРИФТ"_s << 7u;
    QTest::newRow("ASCII keyword in a Cyrillic text") << 4u << u"FONT"_s << 7u;
    QTest::newRow("Chinese") << 1u << u"剪切板"_s << 9u;
    QTest::newRow("keyword longer than every text") << 1u << QString(200, u'a') << 0u;
    QTest::newRow("text is never searched as tag or key") << 1u << u"k_4"_s << 0u;
    QTest::newRow("tag separator") << 1u << u"|"_s << 0u;
    QTest::newRow("no match across two texts") << 1u << u"\"><GROUP"_s << 0u;
}

void TestSearch::findNext()
{
    QFETCH(Position, selected);
    QFETCH(QString, keyword);
    QFETCH(Position, expected);

    const auto tree = treeOf(ribbon());
    QVERIFY(tree);
    QCOMPARE(tree->size(), 9u);
    QCOMPARE(FindNext(*tree, selected, keyword), expected);
    QCOMPARE(bruteForce(*tree, selected, keyword), expected);
}

void TestSearch::keywordInCapitalsStepsNodeByNode()
{
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadCatalogueEntry(19)), QString()); // Excel_2013_qat_en
    session.setKeyword(u"IDMSO"_s);
    const Position size = session.tree()->size();
    QVERIFY(size > 3);

    QList<Position> hits;
    for (Position at = session.FindNext(1); at != NodeTree::noNode; at = session.FindNext(at))
        hits.append(at);
    QList<Position> expected; // every node below sharedControls, in order
    for (Position position = 3; position <= size; ++position)
        expected.append(position);
    QCOMPARE(hits, expected);
}

void TestSearch::agreesWithPlainComparison_data()
{
    QTest::addColumn<QString>("keyword");
    const QStringList keywords{u"k"_s,
                               u"K"_s,
                               u"\u212A"_s,
                               u"kelvin"_s,
                               u"\u212Aelvin"_s,
                               u"s"_s,
                               u"\u017F"_s,
                               u"\u017Ftand"_s,
                               u"STAND"_s,
                               u"ss"_s,
                               u"\u00DF"_s,
                               u"\u1E9E"_s,
                               u"strasse"_s,
                               u"i"_s,
                               u"I"_s,
                               u"\u0130"_s,
                               u"\u0131"_s,
                               u"irmak"_s,
                               u"\u03C3"_s,
                               u"\u03A3\u03A3"_s,
                               u"\u03C2"_s,
                               u"\uFF41\uFF42"_s,
                               u"abc"_s,
                               u"\U00010428"_s,
                               u"\U00010400\U00010400"_s,
                               u"\u01C5"_s,
                               u"\u01C4\u01C6"_s,
                               u"<B"_s,
                               u"\"/"_s,
                               u"&"_s,
                               u"&amp;"_s,
                               u"LABEL=\""_s,
                               u" "_s,
                               u"PLAIN ASCII"_s,
                               u"5 k"_s,
                               u"\uFEFF"_s,
                               u"\uFEFFBOM"_s,
                               u"\uFEFFbom\""_s,
                               QString(QChar(0xD801)),
                               u"b"_s + QChar(0xDC00),
                               u"p\u0000"_s,
                               u"\u00DF \u7C98"_s,
                               u"\u7C98\u8D34"_s,
                               QString(QChar(0))};
    for (const QString& keyword : keywords) {
        QString name;
        for (const QChar c : keyword)
            name += c.unicode() < 0x80 ? QString(c)
                                       : u"U+%1"_s.arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
        QTest::newRow(qPrintable(name)) << keyword;
    }
}

void TestSearch::agreesWithPlainComparison()
{
    QFETCH(QString, keyword);
    const auto tree = treeOf(awkwardTexts());
    QVERIFY(tree);
    for (Position selected = 0; selected <= tree->size() + 1; ++selected) {
        const Position expected = bruteForce(*tree, selected, keyword);
        QVERIFY2(FindNext(*tree, selected, keyword) == expected,
                 qPrintable(u"from %1 expected %2 (%3)"_s.arg(selected).arg(expected).arg(
                     expected ? tree->text(expected) : u"nothing"_s)));
    }
}

void TestSearch::chineseKeywordsInFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text =
        u"<tabs><tab idMso=\"TabHome\" label=\"开始\"><group idMso=\"GroupClipboard\" "
        "label=\"剪贴板\"><button idMso=\"Paste\" label=\"粘贴\"/></group></tab>"
        "</tabs>"_s;
    QTest::newRow("UTF-8") << text.toUtf8();
    const QByteArray gbk = encodedText(text, "GBK");
    QVERIFY(!gbk.isEmpty());
    QTest::newRow("GBK") << "<?xml version=\"1.0\" encoding=\"GBK\"?>\n" + gbk;
}

void TestSearch::chineseKeywordsInFiles()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadFile(writeFile(dir, u"chinese.xml"_s, bytes))), QString());
    session.setKeyword(u"粘贴"_s);
    QCOMPARE(session.FindNext(1), 4u);
    session.setKeyword(u"剪贴板"_s);
    QCOMPARE(session.FindNext(1), 3u);
    QCOMPARE(session.FindNext(3), NodeTree::noNode);
    session.setKeyword(u"label=\"开"_s);
    QCOMPARE(session.FindNext(1), 2u);
}

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
