#include "TestDocuments.h"
#include "viewer/core/SnippetBuilder.h"
#include "viewer/core/ViewerSession.h"
#include "xml/DisplayText.h"

#include <QTemporaryDir>
#include <QTest>
#include <pugixml.hpp>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

namespace {

const QString customUiLine =
    u"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">"_s;

// The snippet's lines for a chain below `<ribbon startFromScratch="false"><tabs>`.
QString inTabs(const QStringList& innerLines)
{
    QStringList lines{customUiLine, u"\t<ribbon startFromScratch=\"false\">"_s, u"\t\t<tabs>"_s};
    for (const QString& line : innerLines)
        lines.append(u"\t\t\t"_s + line);
    lines += QStringList{u"\t\t</tabs>"_s, u"\t</ribbon>"_s, u"</customUI>"_s};
    return lines.join(u'\n');
}

struct Parsed
{
    pugi::xml_document document;
    pugi::xml_parse_result result;
};

std::unique_ptr<Parsed> parse(const QString& text)
{
    auto parsed = std::make_unique<Parsed>();
    const QByteArray utf8 = text.toUtf8();
    parsed->result = parsed->document.load_buffer(utf8.constData(), std::size_t(utf8.size()));
    return parsed;
}

// The only element child of `node`, or an empty node when it has none or several.
pugi::xml_node onlyChild(pugi::xml_node node)
{
    const pugi::xml_node first = node.first_child();
    return first && !first.next_sibling() && first.type() == pugi::node_element ? first
                                                                                : pugi::xml_node();
}

// Checks one catalogue snippet against the node it was made for; returns what
// is wrong, or an empty string.
QString snippetFault(const NodeTree& tree, NodeTree::Position position, const QString& snippet)
{
    if (snippet.startsWith(u"<?xml"_s) || snippet.endsWith(u'\n'))
        return u"declaration or trailing line break"_s;
    const auto parsed = parse(snippet);
    if (!parsed->result)
        return u"not well-formed: "_s + QString::fromUtf8(parsed->result.description());
    const pugi::xml_node customUi = onlyChild(parsed->document);
    if (QLatin1StringView(customUi.name()) != "customUI"_L1 ||
        QLatin1StringView(customUi.attribute("xmlns").value()) !=
            "http://schemas.microsoft.com/office/2009/07/customui"_L1 ||
        customUi.first_attribute().next_attribute())
        return u"customUI is wrong"_s;

    const QByteArray root(tree.nameUtf8(1).data(), qsizetype(tree.nameUtf8(1).size()));
    pugi::xml_node area = onlyChild(customUi);
    if (root == "qat" || root == "tabs" || root == "contextualTabs") {
        const char* scratch = root == "qat" ? "true" : "false";
        if (QLatin1StringView(area.name()) != "ribbon"_L1 ||
            QLatin1StringView(area.attribute("startFromScratch").value()) !=
                QLatin1StringView(scratch) ||
            area.first_attribute().next_attribute())
            return u"ribbon is wrong"_s;
        area = onlyChild(area);
    }
    if (root != area.name() || area.first_attribute())
        return u"area element is wrong"_s;

    QList<NodeTree::Position> chain; // ancestors below the root, outermost first
    for (NodeTree::Position node = position; node != 1; node = tree.parent(node))
        chain.prepend(node);
    pugi::xml_node element = area;
    for (const NodeTree::Position node : chain) {
        element = onlyChild(element);
        const std::string_view idMso = tree.idMsoUtf8(node);
        const pugi::xml_attribute attribute = element.first_attribute();
        if (!element || element.name() != tree.nameUtf8(node))
            return u"chain element for node %1 is missing or misnamed"_s.arg(node);
        if (!idMso.empty() ? (std::strcmp(attribute.name(), "idMso") != 0 ||
                              attribute.value() != idMso || attribute.next_attribute())
                           : bool(attribute))
            return u"chain element for node %1 has the wrong attributes"_s.arg(node);
    }
    if (element.first_child())
        return u"the innermost element has children"_s;
    return {};
}

} // namespace

class TestSnippet : public QObject
{
    Q_OBJECT

private slots:
    void buildSnippet_data();
    void buildSnippet();
    void rootWithoutArea_data();
    void rootWithoutArea();
    void labelsNeverReachTheSnippet();
    void prefixedElementsDeclareTheirNamespace_data();
    void prefixedElementsDeclareTheirNamespace();
    void rootNameInOtherCase();
    void rootWithNamespaceHasNoArea();
    void idMsoIsEscaped();
    void nameOrIdMsoTooLongForAWindowIsRefused();
    void everyCatalogueNode_data();
    void everyCatalogueNode();
};

void TestSnippet::buildSnippet_data()
{
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QString>("rootText");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Paste gallery on the Home tab")
        << QStringList{u"gallery|PasteGallery"_s, u"menu|"_s, u"splitButton|PasteMenu"_s,
                       u"group|GroupClipboard"_s, u"tab|TabHome"_s}
        << u"<tabs>"_s
        << u"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">\n"
           "\t<ribbon startFromScratch=\"false\">\n"
           "\t\t<tabs>\n"
           "\t\t\t<tab idMso=\"TabHome\">\n"
           "\t\t\t\t<group idMso=\"GroupClipboard\">\n"
           "\t\t\t\t\t<splitButton idMso=\"PasteMenu\">\n"
           "\t\t\t\t\t\t<menu>\n"
           "\t\t\t\t\t\t\t<gallery idMso=\"PasteGallery\"/>\n"
           "\t\t\t\t\t\t</menu>\n"
           "\t\t\t\t\t</splitButton>\n"
           "\t\t\t\t</group>\n"
           "\t\t\t</tab>\n"
           "\t\t</tabs>\n"
           "\t</ribbon>\n"
           "</customUI>"_s;
    QTest::newRow("button of a context menu")
        << QStringList{u"button|SheetInsertPage"_s, u"contextMenu|ContextMenuWorkbookPly"_s}
        << u"<contextMenus>"_s
        << u"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">\n"
           "\t<contextMenus>\n"
           "\t\t<contextMenu idMso=\"ContextMenuWorkbookPly\">\n"
           "\t\t\t<button idMso=\"SheetInsertPage\"/>\n"
           "\t\t</contextMenu>\n"
           "\t</contextMenus>\n"
           "</customUI>"_s;
    QTest::newRow("Save on the Quick Access Toolbar")
        << QStringList{u"button|FileSave"_s, u"sharedControls|"_s} << u"<qat>"_s
        << u"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">\n"
           "\t<ribbon startFromScratch=\"true\">\n"
           "\t\t<qat>\n"
           "\t\t\t<sharedControls>\n"
           "\t\t\t\t<button idMso=\"FileSave\"/>\n"
           "\t\t\t</sharedControls>\n"
           "\t\t</qat>\n"
           "\t</ribbon>\n"
           "</customUI>"_s;

    const auto ribbonRoot = [](const char* name, const QString& root, const QString& scratch,
                               const QString& area) {
        QTest::newRow(name) << QStringList() << root
                            << customUiLine + u"\n\t<ribbon startFromScratch=\""_s + scratch +
                                   u"\">\n\t\t<"_s + area + u"/>\n\t</ribbon>\n</customUI>"_s;
    };
    ribbonRoot("root <qat>", u"<qat>"_s, u"true"_s, u"qat"_s);
    ribbonRoot("root <tabs>", u"<tabs>"_s, u"false"_s, u"tabs"_s);
    ribbonRoot("root <contextualTabs>", u"<contextualTabs>"_s, u"false"_s, u"contextualTabs"_s);
    ribbonRoot("root <QAT>", u"<QAT>"_s, u"true"_s, u"qat"_s);
    ribbonRoot("root <ContextualTABS>", u"<ContextualTABS>"_s, u"false"_s, u"contextualTabs"_s);
    QTest::newRow("root <backstage>")
        << QStringList() << u"<backstage>"_s << customUiLine + u"\n\t<backstage/>\n</customUI>"_s;
    QTest::newRow("root <contextMenus>") << QStringList() << u"<contextMenus>"_s
                                         << customUiLine + u"\n\t<contextMenus/>\n</customUI>"_s;
    QTest::newRow("root <BackStage>")
        << QStringList() << u"<BackStage>"_s << customUiLine + u"\n\t<backstage/>\n</customUI>"_s;

    const auto chain = [](const char* name, const QStringList& tags, const QStringList& lines) {
        QTest::newRow(name) << tags << u"<tabs>"_s << inTabs(lines);
    };
    chain("node without idMso", {u"menu|"_s, u"tab|T"_s},
          {u"<tab idMso=\"T\">"_s, u"\t<menu/>"_s, u"</tab>"_s});
    chain("empty idMso", {u"tab|"_s}, {u"<tab/>"_s});
    chain("idMso holding a bar is kept whole", {u"tab|Tab|Home"_s},
          {u"<tab idMso=\"Tab|Home\"/>"_s});
    chain("idMso ending in a bar", {u"tab|A|"_s}, {u"<tab idMso=\"A|\"/>"_s});
    chain("idMso starting with a bar", {u"tab||B"_s}, {u"<tab idMso=\"|B\"/>"_s});
    chain("special characters are escaped", {u"tab|a&b<c\"d>e'f"_s},
          {u"<tab idMso=\"a&amp;b&lt;c&quot;d>e'f\"/>"_s});
    chain("non-ASCII names and values", {u"按钮|粘贴"_s, u"组|剪贴板"_s},
          {u"<组 idMso=\"剪贴板\">"_s, u"\t<按钮 idMso=\"粘贴\"/>"_s, u"</组>"_s});
}

void TestSnippet::buildSnippet()
{
    QFETCH(QStringList, tags);
    QFETCH(QString, rootText);
    QFETCH(QString, expected);

    const SnippetResult snippet = BuildSnippet(tags, rootText);
    QVERIFY2(snippet, qPrintable(describe(snippet.failure)));
    QCOMPARE(snippet.text, expected);
    QVERIFY(parse(snippet.text)->result);
}

void TestSnippet::rootWithoutArea_data()
{
    QTest::addColumn<QString>("rootText");
    QTest::newRow("namespace declaration") << u"<tabs xmlns=\"x\">"_s;
    QTest::newRow("blank before >") << u"<tabs >"_s;
    QTest::newRow("no brackets") << u"tabs"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("tab set element") << u"<tabSet>"_s;
    QTest::newRow("customUI itself") << u"<customUI>"_s;
    QTest::newRow("ribbon") << u"<ribbon>"_s;
    QTest::newRow("dotted capital I") << u"<\u0130ABS>"_s;
    QTest::newRow("start tag of megabytes")
        << u"<tabs label=\""_s + QString(2 * 1024 * 1024, u'x') + u"\">"_s;
}

void TestSnippet::rootWithoutArea()
{
    QFETCH(QString, rootText);
    for (const QStringList& tags : {QStringList(), QStringList{u"tab|TabHome"_s}}) {
        const SnippetResult snippet = BuildSnippet(tags, rootText);
        QVERIFY(!snippet);
        QCOMPARE(snippet.text, QString());
        // A long root text is cut as a tree row shows it.
        const QString reason = describe(snippet.failure);
        QVERIFY2(reason.contains(displayLine(rootText)), qPrintable(reason));
        QVERIFY(reason.size() < 2 * maximumDisplayLength);
        for (const QString& area :
             {u"qat"_s, u"tabs"_s, u"contextualTabs"_s, u"backstage"_s, u"contextMenus"_s})
            QVERIFY2(reason.contains(area), qPrintable(reason));
    }
}

void TestSnippet::labelsNeverReachTheSnippet()
{
    QTemporaryDir dir;
    ViewerSession session(u"Talpora"_s);
    const QByteArray xml = "<tabs>\n"
                           "  <tab idMso=\"TabHome\" label=\"Home &amp; more\">\n"
                           "    <group label=\"Only a label\" idMso=\"GroupClipboard\">\n"
                           "      <button label=\"Paste\" idMso=\"Paste\" size=\"large\"/>\n"
                           "      <button label=\"No identifier\"/>\n"
                           "    </group>\n"
                           "  </tab>\n"
                           "</tabs>\n";
    QCOMPARE(describe(session.loadFile(writeFile(dir, u"labels.xml"_s, xml))), QString());
    QCOMPARE(session.snippetFor(4).text,
             inTabs({u"<tab idMso=\"TabHome\">"_s, u"\t<group idMso=\"GroupClipboard\">"_s,
                     u"\t\t<button idMso=\"Paste\"/>"_s, u"\t</group>"_s, u"</tab>"_s}));
    QCOMPARE(session.snippetFor(5).text,
             inTabs({u"<tab idMso=\"TabHome\">"_s, u"\t<group idMso=\"GroupClipboard\">"_s,
                     u"\t\t<button/>"_s, u"\t</group>"_s, u"</tab>"_s}));
}

void TestSnippet::prefixedElementsDeclareTheirNamespace_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("lines");
    // Each element keeps the namespace it has in the document.
    QTest::newRow("declared on the element and above")
        << QByteArray("<tabs>\n"
                      "  <x:tab xmlns:x=\"urn:outer\" idMso=\"Tab|Home\" xmlns:y=\"urn:y\">\n"
                      "    <y:group xmlns:x=\"urn:inner\"><x:button/></y:group>\n"
                      "  </x:tab>\n"
                      "</tabs>\n")
        << 4
        << QStringList{u"<x:tab xmlns:x=\"urn:outer\" idMso=\"Tab|Home\">"_s,
                       u"\t<y:group xmlns:y=\"urn:y\">"_s,
                       u"\t\t<x:button xmlns:x=\"urn:inner\"/>"_s, u"\t</y:group>"_s,
                       u"</x:tab>"_s};
    // What an attribute value spells is no declaration.
    QTest::newRow("declaration spelt inside a value")
        << QByteArray("<tabs><tab idMso=\"TabHome\" xmlns:p=\"urn:real\"><group idMso=\"G\" "
                      "tag=' xmlns:p=\"urn:fake\"'><p:x idMso=\"Foo\"/></group></tab></tabs>")
        << 4
        << QStringList{u"<tab idMso=\"TabHome\">"_s, u"\t<group idMso=\"G\">"_s,
                       u"\t\t<p:x xmlns:p=\"urn:real\" idMso=\"Foo\"/>"_s, u"\t</group>"_s,
                       u"</tab>"_s};
}

void TestSnippet::prefixedElementsDeclareTheirNamespace()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, position);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadFile(writeFile(dir, u"prefixes.xml"_s, xml))), QString());
    const SnippetResult snippet = session.snippetFor(NodeTree::Position(position));
    QCOMPARE(snippet.text, inTabs(lines));
    // The loader refuses a prefix that is not declared.
    QCOMPARE(describe(ViewerSession(u"Talpora"_s)
                          .loadFile(writeFile(dir, u"snippet.xml"_s, snippet.text.toUtf8()))),
             QString());
}

void TestSnippet::rootNameInOtherCase()
{
    QTemporaryDir dir;
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadFile(writeFile(
                 dir, u"capitals.xml"_s, "<TABS><Tab idMso=\"TabHome\"><Group/></Tab></TABS>"))),
             QString());
    QCOMPARE(session.snippetFor(3).text,
             inTabs({u"<Tab idMso=\"TabHome\">"_s, u"\t<Group/>"_s, u"</Tab>"_s}));
}

void TestSnippet::rootWithNamespaceHasNoArea()
{
    QTemporaryDir dir;
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadFile(
                 writeFile(dir, u"namespace.xml"_s,
                           "<tabs xmlns=\"http://schemas.microsoft.com/office/2009/"
                           "07/customui\"><tab idMso=\"TabHome\"/></tabs>"))),
             QString());
    for (const NodeTree::Position position : {1u, 2u}) {
        const SnippetResult snippet = session.snippetFor(position);
        QVERIFY(!snippet);
        QCOMPARE(snippet.failure.kind, SnippetFailureKind::RootNamesNoArea);
        QVERIFY2(describe(snippet.failure).contains(session.tree()->text(1)),
                 qPrintable(describe(snippet.failure)));
    }
}

void TestSnippet::idMsoIsEscaped()
{
    QTemporaryDir dir;
    ViewerSession session(u"Talpora"_s);
    const QByteArray xml = R"(<contextMenus><contextMenu idMso="a&amp;b&lt;c&quot;d">)"
                           R"(<button idMso="x&#9;y&#10;z&#13;'&gt;"/>)"
                           "</contextMenu></contextMenus>";
    QCOMPARE(describe(session.loadFile(writeFile(dir, u"escapes.xml"_s, xml))), QString());
    const SnippetResult snippet = session.snippetFor(3);
    QVERIFY2(snippet, qPrintable(describe(snippet.failure)));
    const auto parsed = parse(snippet.text);
    QVERIFY2(parsed->result, qPrintable(snippet.text));
    const pugi::xml_node menu =
        parsed->document.first_element_by_path("customUI/contextMenus/contextMenu");
    QCOMPARE(QString::fromUtf8(menu.attribute("idMso").value()), u"a&b<c\"d"_s);
    QCOMPARE(QString::fromUtf8(menu.child("button").attribute("idMso").value()), u"x\ty\nz\r'>"_s);
}

void TestSnippet::nameOrIdMsoTooLongForAWindowIsRefused()
{
    const QString huge(maximumDisplayLength + 1, u'x');
    const QList<std::pair<QStringList, QString>> cases = {
        {{u"button|"_s + huge, u"tab|T"_s}, u"level 2 "_s}, // an idMso
        {{u"button|B"_s, huge + u"|"_s}, u"level 1 "_s},    // a name
    };
    for (const auto& [tags, level] : cases) {
        const SnippetResult snippet = BuildSnippet(tags, u"<tabs>"_s);
        QVERIFY(!snippet);
        QCOMPARE(snippet.failure.kind, SnippetFailureKind::NameTooLong);
        QVERIFY2(describe(snippet.failure).contains(level), qPrintable(describe(snippet.failure)));
    }
}

void TestSnippet::everyCatalogueNode_data()
{
    QTest::addColumn<int>("index");
    for (int index = 0; index < 57; ++index)
        QTest::newRow(qPrintable(QString::number(index))) << index;
}

void TestSnippet::everyCatalogueNode()
{
    QFETCH(int, index);
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadCatalogueEntry(index)), QString());
    const NodeTree& tree = *session.tree();
    for (NodeTree::Position position = 1; position <= tree.size(); ++position) {
        const SnippetResult snippet = session.snippetFor(position);
        QVERIFY2(snippet, qPrintable(describe(snippet.failure)));
        const QString fault = snippetFault(tree, position, snippet.text);
        QVERIFY2(fault.isEmpty(),
                 qPrintable(u"node %1: %2\n%3"_s.arg(position).arg(fault, snippet.text)));
    }
}

QTEST_APPLESS_MAIN(TestSnippet)
#include "tst_snippet.moc"
