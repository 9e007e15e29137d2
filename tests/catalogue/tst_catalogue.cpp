#include "catalogue/CatalogueEntries.h"
#include "catalogue/StoredDocuments.h"

#include <QByteArrayList>
#include <QRegularExpression>
#include <QTest>
#include <map>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;
using talpora::catalogue::catalogueEntries;
using talpora::catalogue::CatalogueEntry;
using talpora::catalogue::findEntryByName;
using talpora::catalogue::storedDocument;

namespace {

constexpr int byteOrderMarkIdentifier = 125;
const QByteArray byteOrderMark("\xEF\xBB\xBF");

// The document text of stored bytes: byte-order mark and NUL padding removed.
QByteArray documentText(QByteArray bytes)
{
    if (bytes.startsWith(byteOrderMark))
        bytes.remove(0, byteOrderMark.size());
    while (bytes.endsWith('\0'))
        bytes.chop(1);
    return bytes;
}

// "Excel_2013_tabSet_cn" -> "tabSet"
QString areaOf(const CatalogueEntry& entry)
{
    return entry.displayName().section(u'_', 2, 2);
}

QString rootElementOf(const QString& area)
{
    static const std::map<QString, QString> roots = {
        {u"backstage"_s, u"backstage"_s},
        {u"contextMenus"_s, u"contextMenus"_s},
        {u"qat"_s, u"qat"_s},
        {u"tabSet"_s, u"contextualTabs"_s},
        {u"tabs"_s, u"tabs"_s},
    };
    const auto found = roots.find(area);
    return found == roots.end() ? QString() : found->second;
}

int maximumDepthOf(const QString& rootElement)
{
    static const std::map<QString, int> depths = {
        {u"backstage"_s, 7},    {u"tabs"_s, 7}, {u"contextualTabs"_s, 8},
        {u"contextMenus"_s, 5}, {u"qat"_s, 3},
    };
    return depths.at(rootElement);
}

using NameSet = std::set<std::string>;

const NameSet& vocabulary()
{
    static const NameSet names = {
        "backstage",        "qat",          "sharedControls", "tabs",          "contextualTabs",
        "tabSet",           "tab",          "firstColumn",    "taskFormGroup", "taskGroup",
        "category",         "task",         "group",          "contextMenus",  "contextMenu",
        "button",           "toggleButton", "checkBox",       "comboBox",      "dropDown",
        "gallery",          "menu",         "splitButton",    "control",       "labelControl",
        "dialogBoxLauncher"};
    return names;
}

// Which children a parent may hold. `tab` and `group` follow other rules in
// the Backstage view than on the ribbon.
const NameSet& allowedChildren(const std::string& parent, bool inBackstage)
{
    static const NameSet none;
    static const NameSet backstageTab = {"firstColumn"};
    static const std::map<std::string, NameSet> rules = {
        {"backstage", {"tab", "button"}},
        {"firstColumn", {"group", "taskFormGroup", "taskGroup"}},
        {"taskFormGroup", {"category"}},
        {"taskGroup", {"category"}},
        {"category", {"task"}},
        {"task", {"group"}},
        {"qat", {"sharedControls"}},
        {"sharedControls", {"button", "control"}},
        {"tabs", {"tab"}},
        {"contextualTabs", {"tabSet"}},
        {"tabSet", {"tab"}},
        {"tab", {"group"}},
        {"group",
         {"button", "checkBox", "comboBox", "control", "dialogBoxLauncher", "dropDown", "gallery",
          "labelControl", "menu", "splitButton", "toggleButton"}},
        {"contextMenus", {"contextMenu"}},
        {"contextMenu", {"button", "checkBox", "gallery", "menu", "splitButton", "toggleButton"}},
        {"menu", {"button", "checkBox", "control", "gallery", "menu", "toggleButton"}},
        {"splitButton", {"button", "menu", "toggleButton"}},
        {"gallery", {"button"}},
        {"dialogBoxLauncher", {"button"}},
    };
    if (inBackstage && parent == "tab")
        return backstageTab;
    if (inBackstage && parent == "group")
        return none;
    const auto found = rules.find(parent);
    return found == rules.end() ? none : found->second;
}

bool mustLackIdMso(const pugi::xml_node& element)
{
    static const NameSet attributeLess = {"backstage",    "qat",
                                          "tabs",         "contextualTabs",
                                          "contextMenus", "sharedControls",
                                          "firstColumn",  "dialogBoxLauncher"};
    const std::string name = element.name();
    if (attributeLess.count(name))
        return true;
    return name == "menu" && std::string(element.parent().name()) == "splitButton";
}

QString pathOf(pugi::xml_node element)
{
    QStringList parts;
    for (; element.type() == pugi::node_element; element = element.parent()) {
        const char* id = element.attribute("idMso").value();
        parts.prepend(QString::fromUtf8(element.name()) +
                      (*id ? u"[%1]"_s.arg(QString::fromUtf8(id)) : QString()));
    }
    return parts.join(u'/');
}

// Element name, idMso and depth of every element in document order.
QStringList shapeOf(const pugi::xml_node& element, int depth = 1)
{
    QStringList shape{u"%1 %2 %3"_s.arg(depth).arg(
        QString::fromUtf8(element.name()), QString::fromUtf8(element.attribute("idMso").value()))};
    for (const pugi::xml_node& child : element.children())
        shape += shapeOf(child, depth + 1);
    return shape;
}

bool parse(int identifier, pugi::xml_document& document, QString& error)
{
    const auto stored = storedDocument(identifier);
    if (!stored) {
        error = u"identifier %1: no stored document"_s.arg(identifier);
        return false;
    }
    const QByteArray text = documentText(stored.bytes);
    const pugi::xml_parse_result result = document.load_buffer(
        text.constData(), size_t(text.size()), pugi::parse_full, pugi::encoding_utf8);
    if (!result)
        error = u"identifier %1: %2 at offset %3"_s.arg(identifier)
                    .arg(QString::fromUtf8(result.description()))
                    .arg(result.offset);
    return bool(result);
}

void addEntryRows()
{
    QTest::addColumn<int>("identifier");
    QTest::addColumn<QString>("area");
    for (const CatalogueEntry& entry : catalogueEntries())
        QTest::addRow("%d %s", entry.identifier(), entry.name)
            << entry.identifier() << areaOf(entry);
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void entriesAreInListOrder();
    void tabSetComesBeforeTabsDespiteCaseInsensitiveOrder();
    void entriesGroupByApplicationAreaAndLanguage();
    void findEntryByNameIsExact();

    void storedBytesFollowTheFormat_data();
    void storedBytesFollowTheFormat();
    void indentationMatchesNesting_data();
    void indentationMatchesNesting();
    void documentsKeepTheVocabularyAndNesting_data();
    void documentsKeepTheVocabularyAndNesting();
    void languagesOfOneGroupHaveTheSameShape_data();
    void languagesOfOneGroupHaveTheSameShape();

    void lookupOutsideTheCatalogueFails_data();
    void lookupOutsideTheCatalogueFails();
};

void TestCatalogue::entriesAreInListOrder()
{
    const auto entries = catalogueEntries();
    QCOMPARE(entries.size(), std::size_t(57));
    QCOMPARE(entries.front().displayName(), u"Access_2013_backstage_cn"_s);
    QCOMPARE(entries.front().identifier(), 101);
    QCOMPARE(entries.back().displayName(), u"Word_2013_tabs_jp"_s);
    QCOMPARE(entries.back().identifier(), 157);
    QCOMPARE(entries[7].displayName(), u"Access_2013_tabSet_en"_s);
    QCOMPARE(entries[24].displayName(), u"Excel_2013_tabs_cn"_s);
    QCOMPARE(entries[24].identifier(), byteOrderMarkIdentifier);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i].index, int(i));
        QCOMPARE(entries[i].identifier(), int(i) + 101);
    }
}

void TestCatalogue::tabSetComesBeforeTabsDespiteCaseInsensitiveOrder()
{
    const auto entries = catalogueEntries();
    for (const QString& application : {u"Access"_s, u"Excel"_s, u"PowerPoint"_s, u"Word"_s}) {
        const auto lastTabSet = findEntryByName(application + u"_2013_tabSet_jp"_s);
        const auto firstTabs = findEntryByName(application + u"_2013_tabs_cn"_s);
        QVERIFY(lastTabSet && firstTabs);
        QCOMPARE(firstTabs->index, lastTabSet->index + 1);
        // A case-insensitive sort would put "tabs" first; the list must not.
        QVERIFY(QString::compare(entries[firstTabs->index].displayName(),
                                 entries[lastTabSet->index].displayName(),
                                 Qt::CaseInsensitive) < 0);
    }
}

void TestCatalogue::entriesGroupByApplicationAreaAndLanguage()
{
    const QStringList areas{u"backstage"_s, u"contextMenus"_s, u"qat"_s, u"tabSet"_s, u"tabs"_s};
    const QStringList languages{u"cn"_s, u"en"_s, u"jp"_s};
    const QRegularExpression pattern(u"^(Access|Excel|PowerPoint|Word)_2013_(\\w+)_(cn|en|jp)$"_s);
    std::map<QString, int> perApplication;
    QString previousKey;
    for (const CatalogueEntry& entry : catalogueEntries()) {
        const auto match = pattern.match(entry.displayName());
        QVERIFY2(match.hasMatch(), entry.name);
        ++perApplication[match.captured(1)];
        QVERIFY2(areas.contains(match.captured(2)), entry.name);
        QCOMPARE(match.captured(3), languages.at(entry.index % 3));
        // application, area index, language: strictly increasing along the list
        const QString key = u"%1 %2 %3"_s.arg(match.captured(1))
                                .arg(areas.indexOf(match.captured(2)))
                                .arg(match.captured(3));
        QVERIFY2(previousKey < key, entry.name);
        previousKey = key;
    }
    QCOMPARE(perApplication[u"Access"_s], 12);
    QCOMPARE(perApplication[u"Excel"_s], 15);
    QCOMPARE(perApplication[u"PowerPoint"_s], 15);
    QCOMPARE(perApplication[u"Word"_s], 15);
    QVERIFY(!findEntryByName(u"Access_2013_contextMenus_cn"_s));
    QVERIFY(findEntryByName(u"Excel_2013_contextMenus_cn"_s));
}

void TestCatalogue::findEntryByNameIsExact()
{
    const auto found = findEntryByName(u"PowerPoint_2013_qat_en"_s);
    QVERIFY(found);
    QCOMPARE(found->index, 34);
    QVERIFY(!findEntryByName(u"powerpoint_2013_qat_en"_s));
    QVERIFY(!findEntryByName(u"PowerPoint_2013_qat_en "_s));
    QVERIFY(!findEntryByName(QString()));

    const auto ignoringCase = findEntryByName(u"POWERPOINT_2013_QAT_EN"_s, Qt::CaseInsensitive);
    QVERIFY(ignoringCase);
    QCOMPARE(ignoringCase->index, 34);
    QCOMPARE(findEntryByName(u"excel_2013_tabset_cn"_s, Qt::CaseInsensitive)->index, 21);
    QVERIFY(!findEntryByName(u"powerpoint_2013_qat"_s, Qt::CaseInsensitive));
}

void TestCatalogue::storedBytesFollowTheFormat_data()
{
    addEntryRows();
}

void TestCatalogue::storedBytesFollowTheFormat()
{
    QFETCH(int, identifier);
    QFETCH(QString, area);
    const auto stored = storedDocument(identifier);
    QVERIFY(stored);
    const QByteArray& bytes = stored.bytes;

    QCOMPARE(bytes.size() % 4, 0);
    const QByteArray text = documentText(bytes);
    const qsizetype markSize = bytes.startsWith(byteOrderMark) ? byteOrderMark.size() : 0;
    const qsizetype padding = bytes.size() - markSize - text.size();
    QVERIFY2(padding >= 0 && padding <= 3, qPrintable(u"padding %1"_s.arg(padding)));
    QVERIFY2(!text.contains('\0'), "NUL byte inside the document");
    QCOMPARE(bytes.startsWith(byteOrderMark), identifier == byteOrderMarkIdentifier);
    QVERIFY(!text.startsWith(byteOrderMark));

    QVERIFY(text.startsWith('<' + rootElementOf(area).toLatin1()));
    QVERIFY(!text.contains("<?"));
    QVERIFY(!text.contains("<!"));
    QVERIFY2(text.endsWith("\r\n"), "the last line must end with CR LF");
    QCOMPARE(text.count('\n'), text.count("\r\n"));
    QCOMPARE(text.count('\r'), text.count("\r\n"));
}

void TestCatalogue::indentationMatchesNesting_data()
{
    addEntryRows();
}

void TestCatalogue::indentationMatchesNesting()
{
    QFETCH(int, identifier);
    QFETCH(QString, area);
    const auto stored = storedDocument(identifier);
    QVERIFY(stored);
    QByteArrayList lines = documentText(stored.bytes).split('\n');
    QCOMPARE(lines.takeLast(), QByteArray()); // after the final CR LF
    static const QRegularExpression line(
        u"^(\\t*)<(/?)([A-Za-z]+)((?: [A-Za-z]+=\"[^\"<&]*(?:&(?:amp|lt|gt|quot|apos);[^\"<&]*)*\")*)(/?)>\\r$"_s);
    const bool backstage = area == u"backstage"_s;
    int depth = 0;
    QString openName;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = QString::fromUtf8(lines[i]);
        const auto match = line.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(u"line %1: %2"_s.arg(i + 1).arg(text)));
        const bool closing = !match.captured(2).isEmpty();
        const bool empty = !match.captured(5).isEmpty();
        QVERIFY2(!(closing && (empty || !match.captured(4).isEmpty())), qPrintable(text));
        if (closing)
            --depth;
        QVERIFY2(match.capturedLength(1) == depth,
                 qPrintable(u"line %1 is indented %2, expected %3"_s.arg(i + 1)
                                .arg(match.capturedLength(1))
                                .arg(depth)));
        const QString name = match.captured(3);
        // A start tag followed directly by its end tag is kept for childless
        // Backstage groups and categories only; everything else uses "/>".
        if (closing && !openName.isEmpty()) {
            QCOMPARE(name, openName);
            QVERIFY2(backstage && (name == u"group"_s || name == u"category"_s),
                     qPrintable(u"line %1: empty <%2> written with an end tag"_s.arg(i).arg(name)));
        }
        if (empty)
            QVERIFY2(!(backstage && (name == u"group"_s || name == u"category"_s)),
                     qPrintable(u"line %1: %2"_s.arg(i + 1).arg(text)));
        openName = (!closing && !empty) ? name : QString();
        if (!closing && !empty)
            ++depth;
        QVERIFY2(depth > 0 || i == lines.size() - 1, "content after the root element closed");
    }
    QCOMPARE(depth, 0);
}

void TestCatalogue::documentsKeepTheVocabularyAndNesting_data()
{
    addEntryRows();
}

void TestCatalogue::documentsKeepTheVocabularyAndNesting()
{
    QFETCH(int, identifier);
    QFETCH(QString, area);
    pugi::xml_document document;
    QString error;
    QVERIFY2(parse(identifier, document, error), qPrintable(error));

    int topLevelNodes = 0;
    for (const pugi::xml_node& node : document.children()) {
        ++topLevelNodes;
        QCOMPARE(int(node.type()), int(pugi::node_element));
    }
    QCOMPARE(topLevelNodes, 1);
    const pugi::xml_node root = document.document_element();
    QCOMPARE(QString::fromUtf8(root.name()), rootElementOf(area));
    const bool inBackstage = area == u"backstage"_s;

    int sharedControls = 0;
    int deepest = 0;
    std::vector<std::pair<pugi::xml_node, int>> pending{{root, 1}};
    while (!pending.empty()) {
        const auto [element, depth] = pending.back();
        pending.pop_back();
        const QString where = pathOf(element);
        deepest = std::max(deepest, depth);
        QVERIFY2(vocabulary().count(element.name()), qPrintable(where));
        if (std::string(element.name()) == "sharedControls")
            ++sharedControls;

        const pugi::xml_attribute first = element.first_attribute();
        if (mustLackIdMso(element)) {
            QVERIFY2(!first, qPrintable(u"%1 must have no attributes"_s.arg(where)));
        } else {
            QVERIFY2(first && std::string(first.name()) == "idMso" && *first.value(),
                     qPrintable(u"%1 must start with a non-empty idMso"_s.arg(where)));
            for (pugi::xml_attribute other = first.next_attribute(); other;
                 other = other.next_attribute())
                QVERIFY2(std::string(other.name()) == "label", qPrintable(where));
        }

        int children = 0;
        for (const pugi::xml_node& child : element.children()) {
            ++children;
            QVERIFY2(child.type() == pugi::node_element,
                     qPrintable(u"%1 holds text, a comment or an instruction"_s.arg(where)));
            QVERIFY2(
                allowedChildren(element.name(), inBackstage).count(child.name()),
                qPrintable(u"%1 may not hold <%2>"_s.arg(where, QString::fromUtf8(child.name()))));
            pending.emplace_back(child, depth + 1);
        }
        if (std::string(element.name()) == "dialogBoxLauncher")
            QVERIFY2(children == 1, qPrintable(where));
        if (std::string(element.name()) == "tab" && inBackstage)
            QVERIFY2(children == 1, qPrintable(u"%1 needs exactly one firstColumn"_s.arg(where)));
    }
    QCOMPARE(sharedControls, area == u"qat"_s ? 1 : 0);
    QVERIFY2(deepest <= maximumDepthOf(QString::fromUtf8(root.name())),
             qPrintable(u"depth %1"_s.arg(deepest)));
    QVERIFY2(root.first_child(), "the document lists no controls");
}

void TestCatalogue::languagesOfOneGroupHaveTheSameShape_data()
{
    QTest::addColumn<int>("firstIdentifier");
    for (const CatalogueEntry& entry : catalogueEntries()) {
        if (entry.index % 3 == 0)
            QTest::addRow("%s", qPrintable(entry.displayName().chopped(3))) << entry.identifier();
    }
}

void TestCatalogue::languagesOfOneGroupHaveTheSameShape()
{
    QFETCH(int, firstIdentifier);
    QStringList shapes[3];
    for (int language = 0; language < 3; ++language) {
        pugi::xml_document document;
        QString error;
        QVERIFY2(parse(firstIdentifier + language, document, error), qPrintable(error));
        shapes[language] = shapeOf(document.document_element());
    }
    QVERIFY(shapes[0].size() > 1);
    QCOMPARE(shapes[1], shapes[0]);
    QCOMPARE(shapes[2], shapes[0]);
}

void TestCatalogue::lookupOutsideTheCatalogueFails_data()
{
    QTest::addColumn<int>("identifier");
    QTest::newRow("just below") << 100;
    QTest::newRow("just above") << 158;
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
}

void TestCatalogue::lookupOutsideTheCatalogueFails()
{
    QFETCH(int, identifier);
    const auto stored = storedDocument(identifier);
    QVERIFY(!stored);
    QVERIFY(stored.bytes.isEmpty());
}

QTEST_APPLESS_MAIN(TestCatalogue)

#include "tst_catalogue.moc"
