#include "TestDocuments.h"
#include "TreeText.h"
#include "catalogue/CatalogueEntries.h"
#include "viewer/core/CatalogueLocation.h"
#include "viewer/core/NodeChain.h"
#include "viewer/core/NodePictures.h"
#include "viewer/core/TreeOutline.h"
#include "viewer/core/ViewerSession.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

namespace {

// Positions: 1 r, 2 a, 3 b, 4 c, 5 d.
const QByteArray threeLevels = R"(<r><a idMso="A"><b idMso="B"><c/></b></a><d/></r>)";

std::shared_ptr<const NodeTree> catalogueTree(int index)
{
    ViewerSession session(u"Talpora"_s);
    return !session.loadCatalogueEntry(index) ? session.tree() : nullptr;
}

} // namespace

class TestNodeTree : public QObject
{
    Q_OBJECT

private slots:
    void elementText_data();
    void elementText();
    void tags_data();
    void tags();
    void onlyElementsBecomeNodes();
    void keysColoursAndPictures();
    void fullPathAndTagsUpToRoot();

    void accessQuickAccessToolbar();
    void catalogueRoots_data();
    void catalogueRoots();
    void languagesGiveTheSameShape_data();
    void languagesGiveTheSameShape();

    void picturesFollowExpandAndCollapse();
    void outlineShowsTheRowsOfOpenBranches();

    void nodesFoundAgainInASavedDocument_data();
    void nodesFoundAgainInASavedDocument();
    void controlsLocatedInTheCatalogue_data();
    void controlsLocatedInTheCatalogue();
};

void TestNodeTree::elementText_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("text"); // of the last node

    QTest::newRow("attributes in file order")
        << QByteArray(R"(<r><button idMso="FileSave" label="Save"/></r>)")
        << u"<button idMso=\"FileSave\" label=\"Save\">"_s;
    QTest::newRow("label before idMso stays first")
        << QByteArray(R"(<r><b label="L" idMso="I"/></r>)") << u"<b label=\"L\" idMso=\"I\">"_s;
    QTest::newRow("empty element has no slash") << QByteArray("<r><menu/></r>") << u"<menu>"_s;
    QTest::newRow("start and end tag")
        << QByteArray(R"(<r><group idMso="G"></group></r>)") << u"<group idMso=\"G\">"_s;
    QTest::newRow("namespace declarations count as attributes")
        << QByteArray(R"(<tabs xmlns="x" xmlns:p="y" p:a="1"/>)")
        << u"<tabs xmlns=\"x\" xmlns:p=\"y\" p:a=\"1\">"_s;
    QTest::newRow("&amp; shows as &")
        << QByteArray(R"(<r><b label="Cut &amp; Paste"/></r>)") << u"<b label=\"Cut & Paste\">"_s;
    QTest::newRow("references resolved and not escaped again")
        << QByteArray(R"(<r a="&lt;&gt;&quot;&apos;&#x4E2D;&#25991;&amp;amp;"/>)")
        << u"<r a=\"<>\"'中文&amp;\">"_s;
    QTest::newRow("single quotes around a double quote")
        << QByteArray(R"(<r a='say "hi"'/>)") << u"<r a=\"say \"hi\"\">"_s;
    QTest::newRow("blanks inside a value are kept")
        << QByteArray(R"(<r a="  two  blanks "/>)") << u"<r a=\"  two  blanks \">"_s;
    QTest::newRow("line breaks and tabs in a value read as blanks")
        << QByteArray("<r a=\"x\r\ny\tz\nw\"/>") << u"<r a=\"x y z w\">"_s;
    QTest::newRow("references to tab and line breaks are kept")
        << QByteArray(R"(<r a="x&#9;y&#10;z&#13;"/>)") << u"<r a=\"x\ty\nz\r\">"_s;
    QTest::newRow("blanks around = and between attributes")
        << QByteArray("<r  a = \"1\"\n\tb='2' />") << u"<r a=\"1\" b=\"2\">"_s;
    QTest::newRow("non-ASCII names and values")
        << u"<根><标签 属性=\"值\"/></根>"_s.toUtf8() << u"<标签 属性=\"值\">"_s;
    QTest::newRow("empty value") << QByteArray(R"(<r><tab idMso=""/></r>)")
                                 << u"<tab idMso=\"\">"_s;
}

void TestNodeTree::elementText()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, text);
    const auto tree = treeOf(xml);
    QVERIFY(tree);
    QCOMPARE(tree->text(tree->size()), text);
}

void TestNodeTree::tags_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("tag"); // of the last node

    QTest::newRow("root is the bare name, even with idMso")
        << QByteArray(R"(<tabs idMso="X"/>)") << u"tabs"_s;
    QTest::newRow("idMso") << QByteArray(R"(<r><tab idMso="TabHome"/></r>)") << u"tab|TabHome"_s;
    QTest::newRow("no attribute") << QByteArray("<r><menu/></r>") << u"menu|"_s;
    QTest::newRow("label only") << QByteArray(R"(<r><button label="B"/></r>)") << u"button|"_s;
    QTest::newRow("empty idMso") << QByteArray(R"(<r><tab idMso=""/></r>)") << u"tab|"_s;
    QTest::newRow("idMso holding a bar")
        << QByteArray(R"(<r><tab idMso="A|B"/></r>)") << u"tab|A|B"_s;
    QTest::newRow("idMso after label")
        << QByteArray(R"(<r><b label="L" idMso="I"/></r>)") << u"b|I"_s;
    QTest::newRow("idMso with a reference")
        << QByteArray(R"(<r><b idMso="a&amp;b"/></r>)") << u"b|a&b"_s;
    QTest::newRow("attribute names are case-sensitive")
        << QByteArray(R"(<r><tab IDMSO="X"/></r>)") << u"tab|"_s;
    QTest::newRow("prefixed idMso is another attribute")
        << QByteArray(R"(<r xmlns:p="u"><tab p:idMso="X"/></r>)") << u"tab|"_s;
}

void TestNodeTree::tags()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, tag);
    const auto tree = treeOf(xml);
    QVERIFY(tree);
    QCOMPARE(tree->tag(tree->size()), tag);
}

void TestNodeTree::onlyElementsBecomeNodes()
{
    const auto tree = treeOf(R"(<?xml version="1.0"?>
<!-- before -->
<?pi before?>
<root>
  text
  <!-- c --><a idMso="A">inner text<b/><![CDATA[<notAnElement/>]]><?pi x?></a>
  <c>
    <d/>
    more text
    <e><f/></e>
    <g>only text</g>
  </c>
</root>
<!-- after -->
)");
    QVERIFY(tree);
    QCOMPARE(printTree(*tree), u"<root>\n"
                               "  <a idMso=\"A\">\n"
                               "    <b>\n"
                               "  <c>\n"
                               "    <d>\n"
                               "    <e>\n"
                               "      <f>\n"
                               "    <g>"_s);
    QCOMPARE(treeLinkFault(*tree), QString());
    QCOMPARE(tree->size(), 8u);
    QCOMPARE(tree->text(4), u"<c>"_s);
    QCOMPARE(tree->row(4), 1u);
    QCOMPARE(tree->childCount(4), 3u);
    QCOMPARE(tree->child(4, 1), 6u);
    QCOMPARE(tree->childCount(8), 0u);
    QCOMPARE(tree->depth(7), 3u);
}

void TestNodeTree::keysColoursAndPictures()
{
    const auto tree = treeOf(threeLevels);
    QVERIFY(tree);
    QCOMPARE(printTree(*tree, TreeLine::Everything), u"k_1 pic1 red [r] <r>\n"
                                                     "  k_2 pic2 blue [a|A] <a idMso=\"A\">\n"
                                                     "    k_3 pic2 default [b|B] <b idMso=\"B\">\n"
                                                     "      k_4 pic2 default [c|] <c>\n"
                                                     "  k_5 pic2 blue [d|] <d>"_s);
}

void TestNodeTree::fullPathAndTagsUpToRoot()
{
    const auto tree = treeOf(threeLevels);
    QVERIFY(tree);
    QCOMPARE(tree->fullPath(1), u"<r>"_s);
    QCOMPARE(tree->fullPath(4), u"<r>/<a idMso=\"A\">/<b idMso=\"B\">/<c>"_s);
    QCOMPARE(tree->fullPath(5), u"<r>/<d>"_s);
    QCOMPARE(tree->tagsUpToRoot(1), QStringList());
    QCOMPARE(tree->tagsUpToRoot(2), QStringList{u"a|A"_s});
    QCOMPARE(tree->tagsUpToRoot(4), (QStringList{u"c|"_s, u"b|B"_s, u"a|A"_s}));
    QCOMPARE(tree->tagsUpToRoot(5), QStringList{u"d|"_s});

    const auto slashes = treeOf(R"(<r a="x/y"><b/></r>)");
    QVERIFY(slashes);
    QCOMPARE(slashes->fullPath(2), u"<r a=\"x/y\">/<b>"_s);
}

void TestNodeTree::accessQuickAccessToolbar()
{
    const auto tree = catalogueTree(4);
    QVERIFY(tree);
    QVERIFY(tree->size() > 3);
    QCOMPARE(tree->text(1), u"<qat>"_s);
    QCOMPARE(tree->tag(1), u"qat"_s);
    QCOMPARE(tree->colour(1), NodeColour::Red);
    QCOMPARE(tree->initialPicture(1), NodePicture::Globe);
    QCOMPARE(tree->childCount(1), 1u);
    QCOMPARE(tree->text(2), u"<sharedControls>"_s);
    QCOMPARE(tree->tag(2), u"sharedControls|"_s);
    QCOMPARE(tree->colour(2), NodeColour::Blue);
    QCOMPARE(tree->initialPicture(2), NodePicture::ClosedFolder);
    QCOMPARE(tree->childCount(2), tree->size() - 2);
    QCOMPARE(tree->key(3), u"k_3"_s);
    for (NodeTree::Position position = 3; position <= tree->size(); ++position) {
        QCOMPARE(tree->parent(position), 2u);
        QCOMPARE(tree->colour(position), NodeColour::Default);
        QCOMPARE(tree->initialPicture(position), NodePicture::ClosedFolder);
        QVERIFY2(tree->tag(position).contains(u'|') && !tree->tag(position).endsWith(u'|'),
                 qPrintable(tree->tag(position)));
    }
}

void TestNodeTree::catalogueRoots_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("root");
    QTest::newRow("Access_2013_backstage_cn") << 0 << u"<backstage>"_s;
    QTest::newRow("Access_2013_tabSet_en") << 7 << u"<contextualTabs>"_s;
    QTest::newRow("Excel_2013_contextMenus_cn") << 15 << u"<contextMenus>"_s;
    QTest::newRow("Excel_2013_tabs_cn (byte-order mark)") << 24 << u"<tabs>"_s;
    QTest::newRow("Word_2013_tabs_jp") << 56 << u"<tabs>"_s;
}

void TestNodeTree::catalogueRoots()
{
    QFETCH(int, index);
    QFETCH(QString, root);
    const auto tree = catalogueTree(index);
    QVERIFY(tree);
    QCOMPARE(tree->text(1), root);
    QCOMPARE(tree->tag(1), root.mid(1, root.size() - 2));
    QCOMPARE(treeLinkFault(*tree), QString());
    for (NodeTree::Position position = 2; position <= tree->size(); ++position)
        QVERIFY(tree->tag(position).contains(u'|'));
}

void TestNodeTree::languagesGiveTheSameShape_data()
{
    QTest::addColumn<int>("cn");
    for (int cn = 0; cn < 57; cn += 3)
        QTest::newRow(qPrintable(QString::number(cn))) << cn;
}

void TestNodeTree::languagesGiveTheSameShape()
{
    QFETCH(int, cn);
    const auto chinese = catalogueTree(cn);
    const auto english = catalogueTree(cn + 1);
    const auto japanese = catalogueTree(cn + 2);
    QVERIFY(chinese && english && japanese);
    const QString shape = printTree(*english, TreeLine::Tag);
    QCOMPARE(printTree(*chinese, TreeLine::Tag), shape);
    QCOMPARE(printTree(*japanese, TreeLine::Tag), shape);
}

void TestNodeTree::picturesFollowExpandAndCollapse()
{
    const auto tree = treeOf(threeLevels);
    QVERIFY(tree);
    NodePictures pictures(tree->size());
    const auto all = [&] {
        QList<int> numbers;
        for (NodeTree::Position position = 1; position <= tree->size(); ++position)
            numbers.append(static_cast<int>(pictures.picture(position)));
        return numbers;
    };
    QCOMPARE(all(), (QList<int>{1, 2, 2, 2, 2}));

    pictures.expanded(1);
    pictures.collapsed(1);
    QCOMPARE(all(), (QList<int>{1, 2, 2, 2, 2}));
    pictures.expanded(2);
    pictures.expanded(3);
    QCOMPARE(all(), (QList<int>{1, 3, 3, 2, 2}));
    pictures.collapsed(2); // the open child keeps its picture
    QCOMPARE(all(), (QList<int>{1, 2, 3, 2, 2}));
    pictures.expanded(2);
    QCOMPARE(all(), (QList<int>{1, 3, 3, 2, 2}));
    pictures.expanded(2); // the same notification twice changes nothing
    pictures.collapsed(3);
    pictures.collapsed(3);
    QCOMPARE(all(), (QList<int>{1, 3, 2, 2, 2}));
    pictures.expanded(1);
    QCOMPARE(all(), (QList<int>{1, 3, 2, 2, 2}));

    // Positions the tree does not have are ignored.
    pictures.expanded(0);
    pictures.expanded(6);
    pictures.collapsed(1000);
    QCOMPARE(all(), (QList<int>{1, 3, 2, 2, 2}));
}

void TestNodeTree::outlineShowsTheRowsOfOpenBranches()
{
    // Positions: 1 r, 2 a, 3 b, 4 c, 5 e, 6 d.
    const auto tree = treeOf("<r><a><b><c/></b><e/></a><d/></r>");
    QVERIFY(tree);
    TreeOutline outline;
    const auto rows = [&] {
        std::vector<NodeTree::Position> shown;
        for (std::size_t row = 0; row < outline.rowCount(); ++row)
            shown.push_back(outline.positionAt(row));
        return shown;
    };
    using Positions = std::vector<NodeTree::Position>;
    outline.setTree(tree.get());
    QCOMPARE(rows(), (Positions{1}));
    QVERIFY(outline.open(1));
    QCOMPARE(rows(), (Positions{1, 2, 6}));
    QVERIFY(outline.open(3)); // hidden under a closed branch: opens, shows nothing yet
    QCOMPARE(rows(), (Positions{1, 2, 6}));
    QVERIFY(outline.open(2));
    QCOMPARE(rows(), (Positions{1, 2, 3, 4, 5, 6}));
    QVERIFY(!outline.open(4)); // no children: never opens
    QVERIFY(!outline.isOpen(4));
    QVERIFY(outline.close(2));
    QCOMPARE(rows(), (Positions{1, 2, 6}));
    QVERIFY(outline.isOpen(3));
    QCOMPARE(outline.rowOf(4), TreeOutline::noRow);

    QVERIFY(outline.close(1));
    QCOMPARE(outline.openAncestorsOf(4), (Positions{1, 2})); // b was open already
    QCOMPARE(rows(), (Positions{1, 2, 3, 4, 5, 6}));
    QCOMPARE(outline.rowOf(4), std::size_t{3});

    outline.setTree(tree.get());
    QCOMPARE(outline.openBranch(1, 2), (Positions{1, 2}));
    QCOMPARE(rows(), (Positions{1, 2, 3, 5, 6}));
    QCOMPARE(outline.openBranch(2, 64), (Positions{3}));
    QCOMPARE(rows(), (Positions{1, 2, 3, 4, 5, 6}));
}

QTEST_APPLESS_MAIN(TestNodeTree)
void TestNodeTree::nodesFoundAgainInASavedDocument_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("node");    // in before
    QTest::addColumn<int>("found");   // in after; 0: gone
    QTest::addColumn<int>("nearest"); // in after

    // Positions before: 1 c, 2 tabs, 3 tab t, 4 group g, 5 button b1, 6 button b2.
    const QByteArray saved = R"(<c><tabs><tab id="t"><group id="g"><button id="b1"/>)"
                             R"(<button id="b2"/></group></tab></tabs></c>)";
    QTest::newRow("unchanged") << saved << saved << 6 << 6 << 6;
    QTest::newRow("a tab inserted before: found by its id")
        << saved
        << QByteArray(R"(<c><tabs><tab id="new"/><tab id="t"><group id="g"><button id="b1"/>)"
                      R"(<button id="b2"/></group></tab></tabs></c>)")
        << 6 << 7 << 7;
    QTest::newRow("an attribute added keeps the node")
        << saved
        << QByteArray(R"(<c><tabs><tab label="T" id="t"><group id="g"><button id="b1"/>)"
                      R"(<button id="b2" label="x"/></group></tab></tabs></c>)")
        << 6 << 6 << 6;
    QTest::newRow("renamed id: gone, the group stays")
        << saved
        << QByteArray(R"(<c><tabs><tab id="t"><group id="g"><button id="b1"/>)"
                      R"(<button id="b3"/></group></tab></tabs></c>)")
        << 6 << 0 << 4;
    QTest::newRow("siblings without identity: by rank")
        << QByteArray("<c><menu/><menu/><menu><x/></menu></c>")
        << QByteArray("<c><menu/><menu/><menu><x/></menu><menu/></c>") << 4 << 4 << 4;
    QTest::newRow("idMso when there is no id")
        << QByteArray(R"(<tabs><tab idMso="TabHome"/><tab idMso="TabInsert"/></tabs>)")
        << QByteArray(R"(<tabs><tab idMso="TabInsert"/></tabs>)") << 3 << 2 << 2;
    QTest::newRow("an id spelt inside another value is no id")
        << QByteArray(R"(<c><b tag=' id="a"'/><b id="a"/></c>)")
        << QByteArray(R"(<c><b id="a"/></c>)") << 3 << 2 << 2;
    QTest::newRow("another root: nothing")
        << saved << QByteArray("<other><tabs/></other>") << 2 << 0 << 0;
}

void TestNodeTree::nodesFoundAgainInASavedDocument()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, node);
    QFETCH(int, found);
    QFETCH(int, nearest);
    const auto beforeTree = treeOf(before);
    const auto afterTree = treeOf(after);
    QVERIFY(beforeTree && afterTree);
    NodeChain chain(*beforeTree, *afterTree);
    QCOMPARE(chain.find(NodeTree::Position(node)), NodeTree::Position(found));
    QCOMPARE(chain.findNearest(NodeTree::Position(node)), NodeTree::Position(nearest));
}

void TestNodeTree::controlsLocatedInTheCatalogue_data()
{
    QTest::addColumn<QByteArray>("identifier");
    QTest::addColumn<int>("application");
    QTest::addColumn<QByteArray>("area");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("entry");        // empty: not in the catalogue
    QTest::addColumn<QString>("nodeText");     // of the node found
    QTest::addColumn<QByteArray>("placement"); // the first placement otherwise

    using catalogue::Application;
    QTest::newRow("on the Home tab, in the area asked for")
        << QByteArray("FormatPainter") << int(Application::Excel) << QByteArray("tabs")
        << int(CatalogueLanguage::Japanese) << u"Excel_2013_tabs_jp"_s
        << u"<control idMso=\"FormatPainter\">"_s << QByteArray();
    QTest::newRow("a context menu's control from a tab")
        << QByteArray("ContextMenuCell") << int(Application::Excel) << QByteArray("tabs")
        << int(CatalogueLanguage::Chinese) << u"Excel_2013_contextMenus_cn"_s
        << u"<contextMenu idMso=\"ContextMenuCell\">"_s << QByteArray();
    QTest::newRow("another application: where the index places it")
        << QByteArray("TabMail") << int(Application::Excel) << QByteArray("tabs")
        << int(CatalogueLanguage::English) << QString() << QString()
        << QByteArray("None (Core Tab)");
    QTest::newRow("identifiers keep their case")
        << QByteArray("formatpainter") << int(Application::Excel) << QByteArray("tabs")
        << int(CatalogueLanguage::English) << QString() << QString() << QByteArray();
}

void TestNodeTree::controlsLocatedInTheCatalogue()
{
    QFETCH(QByteArray, identifier);
    QFETCH(int, application);
    QFETCH(QByteArray, area);
    QFETCH(int, language);
    QFETCH(QString, entry);
    QFETCH(QString, nodeText);
    QFETCH(QByteArray, placement);
    const ControlWhereabouts where = locateControl(
        catalogue::IdentifierIndex::builtIn(), identifier.toStdString(),
        catalogue::Application(application), area.toStdString(), CatalogueLanguage(language));
    if (entry.isEmpty()) {
        QVERIFY(!where.place);
        QCOMPARE(where.known(), !placement.isEmpty());
        if (!placement.isEmpty())
            QCOMPARE(QByteArray(where.placements.front().place.data(),
                                qsizetype(where.placements.front().place.size())),
                     placement);
        return;
    }
    QVERIFY(where.place);
    QCOMPARE(catalogue::catalogueEntries()[std::size_t(where.place->entryIndex)].displayName(),
             entry);
    const auto tree = catalogueTree(where.place->entryIndex);
    QVERIFY(tree);
    QCOMPARE(tree->text(where.place->position), nodeText);
}

#include "tst_nodetree.moc"
