#include "CliRun.h"
#include "TestFiles.h"
#include "TestPackages.h"
#include "checker/FindingTexts.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace talpora::test;
using namespace talpora::checker;

namespace {

QByteArray customUi(const QByteArray& ribbonBody)
{
    return "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">\n"
           "<ribbon><tabs>\n" +
           ribbonBody + "\n</tabs></ribbon>\n</customUI>\n";
}

QByteArray customUi2006(const QByteArray& ribbonBody)
{
    return "<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\">\n"
           "<ribbon><tabs>\n" +
           ribbonBody + "\n</tabs></ribbon>\n</customUI>\n";
}

// Positions in these parts: the third line holds the tested element.
const QByteArray cleanPart = customUi("<tab idMso=\"TabHome\"><group idMso=\"GroupFont\"/></tab>");
const QByteArray excelOnlyPart =
    customUi("<tab id=\"t\"><group id=\"g\"><button idMso=\"PivotTableInsert\"/></group></tab>");
const QByteArray typoPart =
    customUi("<tab idMso=\"TabHome\"><group id=\"g\" insertBeforeMso=\"GroupFnt\"/></tab>");

// The columns of every table of talpora-cli check calls.
void addColumns()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // exact; %1 stands for the path
    QTest::addColumn<QString>("err"); // part of standard error; empty: nothing there
}

} // namespace

class TestCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void check_data();
    void check();
    void schema_data();
    void schema() { check(); }
    void officeRules_data();
    void officeRules() { check(); }
    void texts_data();
    void texts();

private:
    QString file(const QString& name, const QByteArray& bytes)
    {
        const QString path = writeFile(m_dir, name, bytes);
        if (path.isEmpty())
            qFatal("cannot write %s", qPrintable(name));
        return path;
    }
    QString package(const QString& name, const QString& mainPart,
                    const std::vector<std::pair<QString, QByteArray>>& customUiParts,
                    std::vector<PackagePart> extra = {})
    {
        std::vector<std::pair<QString, QString>> relationships{{officeDocumentType, mainPart}};
        std::vector<PackagePart> parts{{mainPart, "<main/>"}};
        for (const auto& [target, bytes] : customUiParts) {
            relationships.push_back(
                {target.contains(u"14"_s) ? customUi14Type : customUiType, target});
            if (!bytes.isNull())
                parts.push_back({target.section(u'/', 0, -1, QString::SectionSkipEmpty), bytes});
        }
        parts.push_back({u"_rels/.rels"_s, packageRelationships(relationships)});
        for (PackagePart& part : extra)
            parts.push_back(std::move(part));
        return file(name, zipArchive(parts));
    }

    QTemporaryDir m_dir;
};

void TestCheck::check_data()
{
    addColumns();

    QTest::newRow("clean file") << file(u"clean.xml"_s, cleanPart) << QStringList() << 0
                                << QString() << QString();
    QTest::newRow("unknown idMso, did you mean")
        << file(u"typo.xml"_s, customUi("  <tab idMso=\"TabHome\"><group idMso=\"GroupFont\">"
                                        "<button idMso=\"FormatPainterr\"/></group></tab>"))
        << QStringList{u"--app"_s, u"word"_s} << 1
        << u"%1:3:64: error: idMso: \"FormatPainterr\" is not a known identifier of Word; "
           "did you mean \"FormatPainter\"?\n"_s
        << QString();
    QTest::newRow("unknown insertBeforeMso and insertAfterMso, other case")
        << file(u"insert.xml"_s,
                customUi("<tab idMso=\"TabHome\"><group id=\"a\" insertBeforeMso=\"GroupFnt\"/>"
                         "<group id=\"b\" insertAfterMso=\"groupfont\"/></tab>"))
        << QStringList{u"--app"_s, u"excel"_s} << 1
        << u"%1:3:53: error: insertBeforeMso: \"GroupFnt\" is not a known identifier of Excel; "
           "did you mean \"GroupFont\", \"GroupInk\" or \"GroupForecast\"?\n"
           "%1:3:94: error: insertAfterMso: \"groupfont\" is not a known identifier of Excel; "
           "did you mean \"GroupFont\"?\n"_s
        << QString();
    QTest::newRow("id and idMso, id twice, across lines, columns in characters")
        << file(u"ids.xml"_s, customUi("<tab id=\"mine\" label=\"开始\">\n"
                                       "<group id=\"g\" label=\"字体\"\n"
                                       "\tidMso=\"GroupFont\"/>\n"
                                       "<group label=\"中\" id=\"mine\"/></tab>"))
        << QStringList() << 1
        << u"%1:5:2: error: <group> has both id and idMso; a control is either your own or a "
           "built-in one\n"
           "%1:6:22: error: id \"mine\" is already used at line 3, column 10; Office rejects the "
           "whole customisation\n"_s
        << QString();
    const QString utf16 =
        u"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">"
        "<ribbon><tabs>\r\n<tab label=\"𝄞 開始\" idMso=\"TabHomee\"/>"
        "</tabs></ribbon></customUI>"_s;
    QTest::newRow("UTF-16 file, CR LF, columns in characters")
        << file(u"utf16.xml"_s,
                QByteArray("\xff\xfe") +
                    QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2))
        << QStringList{u"--app"_s, u"excel"_s} << 1
        << u"%1:2:26: error: idMso: \"TabHomee\" is not a known identifier of Excel; did you "
           "mean \"TabHome\"?\n"_s
        << QString();
    QTest::newRow("identifiers of the wrong kind are warnings")
        << file(u"kinds.xml"_s, customUi("<tab idMso=\"GroupFont\"><group idMso=\"TabHome\">"
                                         "<button idMso=\"GroupClipboard\"/><gallery "
                                         "idMso=\"TabInsert\"/><button idMso=\"Bold\"/>"
                                         "<control idMso=\"GroupFont\"/>"
                                         "</group></tab>"))
        << QStringList() << 0
        << u"%1:3:13: warning: \"GroupFont\" is the identifier of a group, not of a tab\n"
           "%1:3:38: warning: \"TabHome\" is the identifier of a tab, not of a group\n"
           "%1:3:62: warning: \"GroupClipboard\" is the identifier of a group, not of a control\n"
           "%1:3:95: warning: \"TabInsert\" is the identifier of a tab, not of a control\n"_s
        << QString();
    const QString newer =
        file(u"newer.xml"_s, customUi("<tab idMso=\"TabHome\"><group "
                                      "idMso=\"GroupFont\"><toggleButton "
                                      "idMso=\"AutoSaveSwitch\"/></group></tab>"));
    QTest::newRow("newer identifier, any version")
        << newer << QStringList() << 0 << QString() << QString();
    QTest::newRow("newer identifier, Office 2016")
        << newer << QStringList{u"--version"_s, u"2016"_s} << 1
        << u"%1:3:68: error: idMso: \"AutoSaveSwitch\" is not a known identifier in Office 2016 "
           "(it is in 2019,365)\n"_s
        << QString();
    QTest::newRow("identifier of another application")
        << file(u"excel.xml"_s, excelOnlyPart) << QStringList{u"--app"_s, u"powerpoint"_s} << 1
        << u"%1:3:42: error: idMso: \"PivotTableInsert\" is not a known identifier of PowerPoint"
           "; known in Excel; use --app excel; did you mean \"TableInsert\"?\n"_s
        << QString();
    QTest::newRow("Outlook's identifiers: Outlook assumed, another application's named")
        << file(u"outlook.xml"_s,
                customUi("<tab idMso=\"TabMail\"><group id=\"g\" insertAfterMso=\"GroupMailNew\">"
                         "<control idMso=\"GroupMailMergeStart\"/></group></tab>"))
        << QStringList() << 1
        << u"%1:3:82: error: idMso: \"GroupMailMergeStart\" is not a known identifier of "
           "Outlook (assumed from \"TabMail\"); known in Word; use --app word\n"
           "%1: note: checked against Outlook, assumed from its identifiers; --app chooses "
           "another\n"_s
        << QString();
    QTest::newRow("Outlook's identifier, another application chosen")
        << file(u"mail.xml"_s, customUi("<tab idMso=\"TabMail\"/>"))
        << QStringList{u"--app"_s, u"word"_s} << 1
        << u"%1:3:13: error: idMso: \"TabMail\" is not a known identifier of Word; known in "
           "Outlook; use --app outlook; did you mean \"TabMailings\"?\n"_s
        << QString();
    QTest::newRow("not well-formed file")
        << file(u"broken.xml"_s, customUi("<tab idMso=\"Bold\"><group idMso=\"GroupFnt\"></tab>"))
        << QStringList() << 2
        << u"%1:3:33: error: idMso: \"GroupFnt\" is not a known identifier; did you mean "
           "\"GroupFont\", \"GroupInk\" or \"Grouping\"?\n"
           "%1:3:45: error: mismatched tag: the open element is <group>, started on line 3\n"_s
        << QString();
    QTest::newRow("missing file") << m_dir.filePath(u"missing.xml"_s) << QStringList() << 2
                                  << u"%1: error: file not found\n"_s << QString();

    const std::vector<std::pair<QString, QByteArray>> bothParts = {
        {u"customUI/customUI.xml"_s, typoPart}, {u"/customUI/customUI14.xml"_s, excelOnlyPart}};
    QTest::newRow(".xlsm with both customUI parts")
        << package(u"book.xlsm"_s, u"xl/workbook.xml"_s, bothParts) << QStringList() << 1
        << u"%1!customUI/customUI.xml:3:53: error: insertBeforeMso: \"GroupFnt\" is not a known "
           "identifier of Excel; did you mean \"GroupFont\", \"GroupInk\" or \"GroupForecast\"?\n"_s
        << QString();
    QTest::newRow(".docm with both customUI parts: Word's identifiers")
        << package(u"letter.docm"_s, u"word/document.xml"_s, bothParts) << QStringList() << 1
        << u"%1!customUI/customUI.xml:3:53: error: insertBeforeMso: \"GroupFnt\" is not a known "
           "identifier of Word; did you mean \"GroupFont\", \"GroupInk\" or \"GroupFootnotes\"?\n"
           "%1!customUI/customUI14.xml:3:42: error: idMso: \"PivotTableInsert\" is not a known "
           "identifier of Word; known in Excel; use --app excel\n"_s
        << QString();
    QTest::newRow("package without customUI")
        << package(u"plain.xlsx"_s, u"xl/workbook.xml"_s, {}) << QStringList() << 0
        << u"%1: note: the package has no customUI part\n"_s << QString();
    QTest::newRow("zip bomb")
        << package(u"bomb.pptm"_s, u"ppt/presentation.xml"_s,
                   {{u"customUI/customUI14.xml"_s, customUi({}) + QByteArray(65 << 20, ' ')}})
        << QStringList() << 2
        << u"%1!customUI/customUI14.xml: error: refused: the part inflates to more than 64 MiB "
           "(a zip bomb?)\n"_s
        << QString();
    // Far below the cap each, so only the package's total refuses the fifth;
    // the small sixth would show its finding if it were still read.
    const QByteArray nearCap = cleanPart + QByteArray(60 << 20, ' ');
    std::vector<std::pair<QString, QString>> sixParts;
    std::vector<PackagePart> sixPartsArchive{{u"xl/workbook.xml"_s, "<w/>"}};
    for (int i = 1; i <= 6; ++i) {
        sixParts.push_back({customUiType, u"customUI/part%1.xml"_s.arg(i)});
        sixPartsArchive.push_back({sixParts.back().second, i < 6 ? nearCap : typoPart});
    }
    sixPartsArchive.push_back({u"_rels/.rels"_s, packageRelationships(sixParts)});
    QTest::newRow("parts past the package's total: refused, and no more is read")
        << file(u"bombs.xlsm"_s, zipArchive(sixPartsArchive)) << QStringList() << 2
        << u"%1!customUI/part5.xml: error: refused: the parts read from the package inflate to "
           "more than 256 MiB together (a zip bomb?)\n"_s
        << QString();
    const QByteArray workbookAndPart =
        packageRelationships({{officeDocumentType, u"xl/workbook.xml"_s},
                              {customUi14Type, u"customUI/customUI14.xml"_s}});
    const std::vector<RawZipEntry> soundRaw{{"xl/workbook.xml", "<w/>"},
                                            {"_rels/.rels", workbookAndPart},
                                            {"customUI/customUI14.xml", typoPart, 0x0008}};
    const QString typoFinding =
        u"%1!customUI/customUI14.xml:3:53: error: insertBeforeMso: \"GroupFnt\" is not a known "
        "identifier of Excel; did you mean \"GroupFont\", \"GroupInk\" or \"GroupForecast\"?\n"_s;
    QTest::newRow("sizes in a data descriptor: the archive is sound")
        << file(u"descriptor.xlsm"_s, rawZipArchive(soundRaw)) << QStringList() << 1 << typoFinding
        << QString();
    // The third entry's bytes, which start where the first two entries end,
    // have a second central record.
    std::vector<RawZipEntry> overlapping = soundRaw;
    overlapping.push_back({"customUI/customUI14.xml", typoPart, 0x0008, 0, 2});
    const qsizetype sharedStart = rawZipArchive({soundRaw[0], soundRaw[1]}).indexOf("PK\x01\x02");
    QTest::newRow("two entries in the same bytes: refused as inconsistent")
        << file(u"overlap.xlsm"_s, rawZipArchive(overlapping)) << QStringList() << 2
        << u"%1: error: refused: the package's zip structure is inconsistent at byte %2, so zip "
           "readers may find different parts in it\n"_s.replace(u"%2"_s,
                                                                QString::number(sharedStart))
        << QString();
    const QByteArray first =
        rawZipArchive({soundRaw[0], soundRaw[1], {"customUI/customUI14.xml", cleanPart}});
    const QByteArray second = rawZipArchive(soundRaw);
    QTest::newRow("two archives one after the other: refused as inconsistent")
        << file(u"concatenated.xlsm"_s, first + second) << QStringList() << 2
        << u"%1: error: refused: the package's zip structure is inconsistent at byte %2, so zip "
           "readers may find different parts in it\n"_s.replace(
               u"%2"_s, QString::number(first.size() + second.size() - 22))
        << QString();
    const QByteArray imagePart =
        customUi("<tab id=\"t\" label=\"T\"><group id=\"g\" label=\"G\"><button id=\"b\" "
                 "label=\"B\" image=\"pic\"/></group></tab>");
    const QByteArray imageRels =
        packageRelationships({{u"http://schemas.openxmlformats.org/officeDocument/2006/"
                               "relationships/image"_s,
                               u"images/pic.png"_s}});
    QTest::newRow("a part's relationships that cannot be read: named, its images not judged")
        << file(u"images.xlsm"_s,
                rawZipArchive(
                    {{"xl/workbook.xml", "<w/>"},
                     {"_rels/.rels",
                      packageRelationships({{customUiType, u"customUI/customUI.xml"_s},
                                            {customUi14Type, u"customUI/customUI14.xml"_s}})},
                     {"customUI/customUI.xml", imagePart},
                     {"customUI/_rels/customUI.xml.rels", imageRels, 0, 1},
                     {"customUI/customUI14.xml", imagePart},
                     {"customUI/_rels/customUI14.xml.rels", imageRels.chopped(3)}}))
        << QStringList() << 2
        << u"%1!customUI/_rels/customUI.xml.rels: error: cannot read the part: CRC error\n"
           "%1!customUI/_rels/customUI14.xml.rels:2:215: error: unclosed token\n"_s
        << QString();
    QTest::newRow("percent-escapes that decode to no name: refused, the target as written")
        << file(u"escapes.xlsm"_s,
                zipArchive({{u"xl/workbook.xml"_s, "<w/>"},
                            {u"_rels/.rels"_s,
                             packageRelationships({{customUiType, u"customUI/a%ZZ.xml"_s},
                                                   {customUi14Type, u"customUI/b%FF.xml"_s}})},
                            {u"customUI/a%ZZ.xml"_s, typoPart}}))
        << QStringList() << 2
        << u"%1!_rels/.rels: error: refused: the customUI target \"customUI/a%ZZ.xml\" has a "
           "malformed percent-escape\n"
           "%1!_rels/.rels: error: refused: the customUI target \"customUI/b%FF.xml\" has a "
           "malformed percent-escape\n"
           "%1!customUI/a%ZZ.xml: warning: no relationship in _rels/.rels names this customUI "
           "part; Office ignores it\n"_s
        << QString();
    QTest::newRow("an entry name that is not UTF-8: shown escaped, the other parts read")
        << file(u"latin1.xlsm"_s, rawZipArchive({soundRaw[0],
                                                 soundRaw[1],
                                                 {"customUI/\xe9t\xe9.xml", cleanPart, 0x0800},
                                                 {"customUI/customUI14.xml", typoPart}}))
        << QStringList() << 1
        << u"%1!customUI/\\xe9t\\xe9.xml: warning: the entry's name is not UTF-8, so it is no part "
           "of the package and is not read\n"_s +
               typoFinding
        << QString();
    QTest::newRow("names equal only in full case folding: distinct parts")
        << file(u"folding.xlsm"_s,
                zipArchive({{u"xl/workbook.xml"_s, "<w/>"},
                            {u"_rels/.rels"_s,
                             packageRelationships({{customUi14Type, u"customUI/customUI14.xml"_s},
                                                   {customUiType, u"customUI/\u212Aey.xml"_s}})},
                            {u"customUI/customUI14.xml"_s, typoPart},
                            {u"customUI/cu\u017FtomUI14.xml"_s, cleanPart},
                            {u"customUI/key.xml"_s, typoPart}}))
        << QStringList() << 2
        << typoFinding +
               u"%1: error: the customUI part \"customUI/\u212Aey.xml\" named in _rels/.rels is "
               "missing\n"
               "%1!customUI/cu\u017FtomUI14.xml: warning: no relationship in _rels/.rels names "
               "this customUI part; Office ignores it\n"
               "%1!customUI/key.xml: warning: no relationship in _rels/.rels names this customUI "
               "part; Office ignores it\n"_s
        << QString();
    QTest::newRow("target leaves the package")
        << package(u"escape.xlsm"_s, u"xl/workbook.xml"_s,
                   {{u"customUI/../../customUI.xml"_s, QByteArray()},
                    {u"customUI/customUI14.xml"_s, cleanPart}})
        << QStringList() << 2
        << u"%1!_rels/.rels: error: refused: the customUI target \"customUI/../../customUI.xml\" "
           "leaves the package\n"_s
        << QString();
    QTest::newRow("customUI part missing")
        << package(u"missing.docm"_s, u"word/document.xml"_s,
                   {{u"customUI/customUI14.xml"_s, QByteArray()}})
        << QStringList() << 2
        << u"%1: error: the customUI part \"customUI/customUI14.xml\" named in _rels/.rels is "
           "missing\n"_s
        << QString();
    QTest::newRow("not a zip, Office extension")
        << file(u"fake.xlsm"_s, cleanPart) << QStringList() << 2
        << u"%1: error: not an Office Open XML package: Not a zip archive\n"_s << QString();
    QTest::newRow("part not well-formed")
        << package(u"broken.docm"_s, u"word/document.xml"_s,
                   {{u"customUI/customUI14.xml"_s,
                     "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">\n"
                     "<ribbon></customUI>"}})
        << QStringList() << 2
        << u"%1!customUI/customUI14.xml:2:11: error: mismatched tag: the open element is "
           "<ribbon>, started on line 2\n"_s
        << QString();
    QTest::newRow("several files: the worst status, standard input as -")
        << m_dir.filePath(u"clean.xml"_s)
        << QStringList{u"-"_s, m_dir.filePath(u"missing.xml"_s), u"--app=word"_s} << 2
        << u"<stdin>:3:64: error: idMso: \"FormatPainterr\" is not a known identifier of Word; "
           "did you mean \"FormatPainter\"?\n"_s +
               m_dir.filePath(u"missing.xml"_s) + u": error: file not found\n"_s
        << QString();
    QTest::newRow("an id holding %2 used twice: the id stays as written")
        << file(u"percentid.xml"_s,
                customUi("<tab id=\"a%2b\" label=\"T\"/><tab id=\"a%2b\" label=\"U\"/>"))
        << QStringList() << 1
        << u"%1:3:10: error: id: \"a%2b\" is not allowed; use a name of letters, digits, '_', '-' "
           "and '.' that starts with a letter or '_'\n"
           "%1:3:36: error: id: \"a%2b\" is not allowed; use a name of letters, digits, '_', '-' "
           "and '.' that starts with a letter or '_'\n"
           "%1:3:36: error: id \"a%2b\" is already used at line 3, column 10; Office rejects the "
           "whole customisation\n"_s
        << QString();
    QTest::newRow("control characters in a finding are escaped; not a name, nor known: one finding")
        << file(u"forged.xml"_s, customUi("<tab idMso=\"Tab&#10;x.xml:1:1: error: x&#133;\"/>"))
        << QStringList() << 1
        << u"%1:3:13: error: idMso: \"Tab\\nx.xml:1:1: error: x\\x85\" is not a known "
           "identifier, nor a name of letters, digits, '_', '-' and '.' that starts with a letter "
           "or '_'\n"_s
        << QString();
    const auto rels = [](const QString& type, const QString& target, int count = 1) {
        return std::vector<std::pair<QString, QString>>(count, {type, target});
    };
    const QByteArray workbookRels = packageRelationships(
        {{officeDocumentType, u"xl/workbook.xml"_s}, {customUiType, u"customUI/customUI.xml"_s}});
    QTest::newRow("names equal ignoring case: ambiguous, none is read")
        << file(u"ambiguous.xlsm"_s, zipArchive({{u"xl/workbook.xml"_s, "<w/>"},
                                                 {u"_rels/.rels"_s, workbookRels},
                                                 {u"CUSTOMUI/CUSTOMUI.XML"_s, cleanPart},
                                                 {u"customUI/customUI.xml"_s, typoPart}}))
        << QStringList() << 2
        << u"%1: error: ambiguous part name: \"CUSTOMUI/CUSTOMUI.XML\" and "
           "\"customUI/customUI.xml\" are one name to Office, which may read any of them\n"_s
        << QString();
    QTest::newRow("percent-encoded target")
        << file(u"percent.xlsm"_s,
                zipArchive({{u"xl/workbook.xml"_s, "<w/>"},
                            {u"_rels/.rels"_s,
                             packageRelationships(rels(customUiType, u"customUI/my%20UI.xml"_s))},
                            {u"customUI/my UI.xml"_s, typoPart}}))
        << QStringList() << 1
        << u"%1!customUI/my UI.xml:3:53: error: insertBeforeMso: \"GroupFnt\" is not a known "
           "identifier of Excel; did you mean \"GroupFont\", \"GroupInk\" or \"GroupForecast\"?\n"_s
        << QString();
    auto tenAndToolbar = rels(customUi14Type, u"customUI/customUI14.xml"_s, 10);
    tenAndToolbar.push_back(
        {u"http://schemas.microsoft.com/office/2006/relationships/ui/userCustomization"_s,
         u"userCustomization/customUI.xml"_s});
    QTest::newRow("part named ten times is checked once; Quick Access Toolbar part")
        << file(u"toolbar.xlsm"_s,
                zipArchive({{u"xl/workbook.xml"_s, "<w/>"},
                            {u"_rels/.rels"_s, packageRelationships(tenAndToolbar)},
                            {u"customUI/customUI14.xml"_s, typoPart},
                            {u"userCustomization/customUI.xml"_s, excelOnlyPart}}))
        << QStringList{u"--app"_s, u"word"_s} << 1
        << u"%1!customUI/customUI14.xml:3:53: error: insertBeforeMso: \"GroupFnt\" is not a "
           "known identifier of Word; did you mean \"GroupFont\", \"GroupInk\" or "
           "\"GroupFootnotes\"?\n"
           "%1!userCustomization/customUI.xml:3:42: error: idMso: \"PivotTableInsert\" is not a "
           "known identifier of Word; known in Excel; use --app excel\n"_s
        << QString();
    QTest::newRow("customUI part without a relationship")
        << package(u"orphan.xlsm"_s, u"xl/workbook.xml"_s, {},
                   {{u"customUI/customUI14.xml"_s, typoPart}})
        << QStringList() << 0
        << u"%1!customUI/customUI14.xml: warning: no relationship in _rels/.rels names this "
           "customUI part; Office ignores it\n"_s
        << QString();
    QByteArray manyIds = "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">"
                         "<ribbon><tabs><tab id=\"t\"><group id=\"g\"><menu id=\"m\">\n";
    QString manyFindings;
    for (int line = 2; line <= 10'003; ++line) {
        manyIds += "<button id=\"a\"/>";
        // A menu holds at most 1,000 items: a new menu every 1,000 lines.
        if (line % 1000 == 0)
            manyIds += "</menu><menu id=\"m" + QByteArray::number(line) + "\">";
        manyIds += '\n';
        if (line > 2 && line <= 10'002)
            manyFindings += u"%1:"_s + QString::number(line) +
                            u":13: error: id \"a\" is already used at line 2, column 13; "
                            "Office rejects the whole customisation\n"_s;
    }
    manyIds += "</menu></group></tab></tabs></ribbon></customUI>\n";
    QTest::newRow("at most 10,000 findings a part, then how many more")
        << file(u"many.xml"_s, manyIds) << QStringList() << 1
        << manyFindings +
               u"%1: note: 1 more findings in the file not shown (at most 10000 a part)\n"_s
        << QString();
    // The part's name holds "%3" (from "%253"): the note's arguments must not
    // be read as placeholders.
    QTest::newRow("at most 10,000 findings a package part, the note names the part")
        << file(u"many.xlsm"_s,
                zipArchive({{u"xl/workbook.xml"_s, "<w/>"},
                            {u"_rels/.rels"_s, packageRelationships(rels(
                                                   customUi14Type, u"customUI/many%253.xml"_s))},
                            {u"customUI/many%3.xml"_s, manyIds}}))
        << QStringList() << 1
        << QString(manyFindings).replace(u"%1:"_s, u"%1!customUI/many%3.xml:"_s) +
               u"%1: note: 1 more findings in customUI/many%3.xml not shown (at most 10000 a "
               "part)\n"_s
        << QString();
    QByteArray manyAttributes =
        "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" "
        "xmlns:x=\"urn:x\">\n<ribbon startFromScratch=\"true\"";
    QString attributeFindings;
    for (int line = 3; line <= 10'003; ++line) {
        const QByteArray name = "x:a" + QByteArray::number(line);
        manyAttributes += "\n " + name + "=\"v\"";
        if (line <= 10'002)
            attributeFindings += u"%1:"_s + QString::number(line) + u":2: error: "_s +
                                 QString::fromLatin1(name) +
                                 u" is not an attribute of the customUI schema (it is in "
                                 "namespace \"urn:x\"); remove it from <ribbon>\n"_s;
    }
    manyAttributes += "/></customUI>\n";
    QTest::newRow("at most 10,000 findings a part, also in one start tag")
        << file(u"attributes.xml"_s, manyAttributes) << QStringList() << 1
        << attributeFindings +
               u"%1: note: 1 more findings in the file not shown (at most 10000 a part)\n"_s
        << QString();
    QTest::newRow("no file") << QString() << QStringList() << 2 << QString()
                             << u"talpora-cli: check: no file given\nTry 'talpora-cli --help'"_s;
    QTest::newRow("unknown option")
        << m_dir.filePath(u"clean.xml"_s) << QStringList{u"--strict"_s} << 2 << QString()
        << u"talpora-cli: check: unknown option '--strict'\n"_s;
    QTest::newRow("--accept without an identifier")
        << m_dir.filePath(u"clean.xml"_s) << QStringList{u"--accept=,"_s} << 2 << QString()
        << u"talpora-cli: check: --accept needs an identifier\n"_s;
}

void TestCheck::schema_data()
{
    addColumns();

    const QString seeds = QStringLiteral(TALPORA_CHECK_SEEDS);
    QTest::newRow("2006/01 add-in with every kind of ribbon control")
        << seeds + u"/addin2006.xml"_s << QStringList{u"--app"_s, u"excel"_s} << 0 << QString()
        << QString();
    QTest::newRow("2009/07 add-in with qat, backstage and context menus")
        << seeds + u"/addin2009.xml"_s << QStringList{u"--app"_s, u"excel"_s} << 0 << QString()
        << QString();
    const QByteArray group = "<tab id=\"t\" label=\"T\"><group id=\"g\" label=\"G\">";
    QTest::newRow("2009/07 unknown attribute in another case")
        << file(u"case.xml"_s, customUi(group + "<button id=\"b\" onaction=\"Go\"/></group></tab>"))
        << QStringList() << 1
        << u"%1:3:62: error: unknown attribute \"onaction\" on <button>; did you mean "
           "\"onAction\"?\n"_s
        << QString();
    QTest::newRow("2006/01 unknown attribute misspelt")
        << file(u"spelling.xml"_s,
                customUi2006(group + "<button id=\"b\" lable=\"Go\"/></group></tab>"))
        << QStringList() << 1
        << u"%1:3:62: error: unknown attribute \"lable\" on <button>; did you mean "
           "\"label\"?\n"_s
        << QString();
    QTest::newRow("2009/07 value outside an enumeration")
        << file(u"enumeration.xml"_s,
                customUi(group + "<button id=\"b\" size=\"big\"/></group></tab>"))
        << QStringList() << 1
        << u"%1:3:68: error: size: \"big\" is not allowed; use \"normal\" or \"large\"\n"_s
        << QString();
    QTest::newRow("2009/07 text in a button, a no-break space in a group")
        << file(u"text.xml"_s, customUi(group + "<button id=\"b\" label=\"Go\">Click</button>"
                                                "\xc2\xa0\n<separator id=\"s\"/></group></tab>"))
        << QStringList() << 1
        << u"%1:3:73: error: text is not allowed in <button>; remove \"Click\"\n"
           "%1:3:87: error: text is not allowed in <group>; remove \"\\u00a0\"\n"_s
        << QString();
    QTest::newRow("2009/07 prefixed attributes: customUI's, xml's, another namespace's")
        << file(u"prefixed.xml"_s,
                "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" "
                "xmlns:mso=\"http://schemas.microsoft.com/office/2009/07/customui\" "
                "xmlns:x=\"urn:x\">\n<ribbon><tabs>\n"
                "<tab id=\"t\" xml:lang=\"en\" mso:label=\"T\" x:foo=\"1\"><group id=\"g\" "
                "label=\"G\"><button id=\"b\" mso:size=\"big\"/></group></tab>\n"
                "</tabs></ribbon></customUI>\n")
        << QStringList() << 1
        << u"%1:3:13: error: xml:lang is not an attribute of the customUI schema (it is in "
           "namespace \"http://www.w3.org/XML/1998/namespace\"); remove it from <tab>\n"
           "%1:3:27: error: mso:label: customUI attributes take no prefix; write label\n"
           "%1:3:41: error: x:foo is not an attribute of the customUI schema (it is in namespace "
           "\"urn:x\"); remove it from <tab>\n"
           "%1:3:90: error: mso:size: customUI attributes take no prefix; write size\n"
           "%1:3:100: error: mso:size: \"big\" is not allowed; use \"normal\" or \"large\"\n"_s
        << QString();
    QTest::newRow("2006/01 values outside a boolean, a range and a length")
        << file(u"values.xml"_s,
                customUi2006(group + "<gallery id=\"b\" visible=\"yes\" columns=\"0\" "
                                     "keytip=\"ABCD\"/></group></tab>"))
        << QStringList() << 1
        << u"%1:3:72: error: visible: \"yes\" is not allowed; use true, false, 1 or 0\n"
           "%1:3:86: error: columns: \"0\" is not allowed; use a whole number from 1 to 1024\n"
           "%1:3:97: error: keytip: \"ABCD\" is not allowed; use 1 to 3 characters\n"_s
        << QString();
    QTest::newRow("2009/07 missing required attribute")
        << file(u"required.xml"_s,
                customUi(group + "<dynamicMenu id=\"m\" label=\"M\"/></group></tab>"))
        << QStringList() << 1 << u"%1:3:47: error: <dynamicMenu> needs the attribute getContent\n"_s
        << QString();
    QTest::newRow("2006/01 missing required attribute")
        << file(u"required2006.xml"_s,
                "<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\">\n"
                "<ribbon><contextualTabs>\n<tabSet visible=\"true\"/>\n"
                "</contextualTabs></ribbon></customUI>\n")
        << QStringList() << 1 << u"%1:3:1: error: <tabSet> needs the attribute idMso\n"_s
        << QString();
    QTest::newRow("2009/07 element not allowed, misspelt ones with what was meant")
        << file(u"misplaced.xml"_s,
                customUi(group + "<item id=\"i\"/><Buton/></group></tab><tabs/><Tab/>"))
        << QStringList() << 1
        << u"%1:3:47: error: <item> is not allowed in <group>; it may hold <control>, "
           "<labelControl>, <button>, <toggleButton>, <checkBox>, <editBox>, <comboBox>, "
           "<dropDown>, <gallery>, <menu>, <dynamicMenu>, <splitButton>, <box>, <buttonGroup>, "
           "<separator> or <dialogBoxLauncher>\n"
           "%1:3:61: error: <Buton> is not allowed in <group>; it may hold <control>, "
           "<labelControl>, <button>, <toggleButton>, <checkBox>, <editBox>, <comboBox>, "
           "<dropDown>, <gallery>, <menu>, <dynamicMenu>, <splitButton>, <box>, <buttonGroup>, "
           "<separator> or <dialogBoxLauncher>; did you mean <button>?\n"
           "%1:3:83: error: <tabs> is not allowed in <tabs>; it may hold <tab>\n"
           "%1:3:90: error: <Tab> is not allowed in <tabs>; it may hold <tab>; did you mean "
           "<tab>?\n"_s
        << QString();
    QTest::newRow("2006/01 element too early: it alone is named, not the siblings after it")
        << file(u"order.xml"_s,
                customUi2006(group + "<dialogBoxLauncher><button id=\"d\"/></dialogBoxLauncher>"
                                     "<button id=\"b\"/><button id=\"c\"/></group></tab>"))
        << QStringList() << 1
        << u"%1:3:47: error: <dialogBoxLauncher> must be the last child of <group>\n"_s
        << QString();
    QTest::newRow("2009/07 elements too early and too late")
        << file(u"late.xml"_s,
                "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">\n"
                "<ribbon><tabs><tab id=\"t\" label=\"T\"><group id=\"g\" label=\"G\">"
                "<gallery id=\"y\" label=\"Y\"><button id=\"a\"/><item id=\"i\"/><item id=\"j\"/>"
                "</gallery></group></tab></tabs></ribbon>\n"
                "<commands><command idMso=\"Bold\" enabled=\"false\"/></commands>\n</customUI>\n")
        << QStringList() << 1
        << u"%1:2:87: error: <button> must come after <item> in <gallery>\n"
           "%1:3:1: error: <commands> must come before <ribbon> in <customUI>\n"_s
        << QString();
    QTest::newRow("2009/07 too many, too few")
        << file(u"count.xml"_s,
                customUi(group + "<dialogBoxLauncher/><dialogBoxLauncher/></group></tab>"))
        << QStringList() << 1
        << u"%1:3:47: error: <dialogBoxLauncher> needs at least one <button>\n"
           "%1:3:67: error: too many <dialogBoxLauncher> in <group>: at most 1\n"_s
        << QString();
    QTest::newRow("2006/01 too many, said once")
        << file(u"count2006.xml"_s,
                customUi2006(group + "<splitButton id=\"s\"><menu/><menu/><menu/></splitButton>"
                                     "</group></tab>"))
        << QStringList() << 1 << u"%1:3:74: error: too many <menu> in <splitButton>: at most 1\n"_s
        << QString();
    QTest::newRow("2009/07 element and attribute in a 2006/01 part")
        << file(u"newer.xml"_s,
                "<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\">\n"
                "<ribbon><tabs><tab id=\"t\" label=\"T\"><group id=\"g\" label=\"G\" "
                "autoScale=\"true\"/></tab></tabs></ribbon>\n<backstage/>\n</customUI>\n")
        << QStringList() << 1
        << u"%1:2:61: error: attribute autoScale is not allowed on <group> in the 2006/01 "
           "namespace; the 2009/07 namespace "
           "(http://schemas.microsoft.com/office/2009/07/customui) "
           "has it\n"
           "%1:3:1: error: <backstage> is not allowed in <customUI> in the 2006/01 namespace; the "
           "2009/07 namespace (http://schemas.microsoft.com/office/2009/07/customui) has it\n"_s
        << QString();
    QTest::newRow("2006/01 element in a 2009/07 part, foreign element, element in no namespace")
        << file(u"older.xml"_s,
                "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" "
                "xmlns:x=\"urn:x\">\n<ribbon><officeMenu/></ribbon>\n<x:note x:text=\"a\"/>\n"
                "<backstage xmlns=\"\"/></customUI>\n")
        << QStringList() << 1
        << u"%1:2:9: error: <officeMenu> is not allowed in <ribbon> in the 2009/07 namespace; the "
           "2006/01 namespace (http://schemas.microsoft.com/office/2006/01/customui) has it\n"
           "%1:3:1: error: <x:note> is in namespace \"urn:x\", not in this part's customUI "
           "namespace; the schema allows no other elements\n"
           "%1:4:1: error: <backstage> is in no namespace, not in this part's customUI namespace "
           "http://schemas.microsoft.com/office/2009/07/customui; the schema allows no other "
           "elements\n"_s
        << QString();
}

void TestCheck::officeRules_data()
{
    addColumns();

    QTest::newRow("none of id, idQ and idMso; separators need none")
        << file(u"noid.xml"_s, customUi("<tab id=\"t\" label=\"T\"><group label=\"G\">"
                                        "<separator/><button label=\"B\"/></group></tab>"))
        << QStringList() << 1
        << u"%1:3:23: error: <group> has none of id, idQ and idMso; Office needs one to tell it "
           "apart\n"
           "%1:3:52: error: <button> has none of id, idQ and idMso; Office needs one to tell it "
           "apart\n"_s
        << QString();
    QTest::newRow("id with idQ")
        << file(u"idq.xml"_s, "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/"
                              "customui\" xmlns:x=\"urn:x\">\n<ribbon><tabs>\n"
                              "<tab id=\"t\" idQ=\"x:t\" label=\"T\"/>\n"
                              "</tabs></ribbon></customUI>\n")
        << QStringList() << 1
        << u"%1:3:13: error: <tab> has both id and idQ; a control takes one of id, idQ and "
           "idMso\n"_s
        << QString();
    QTest::newRow("static attribute beside its callback")
        << file(u"getters.xml"_s,
                customUi("<tab id=\"t\" getLabel=\"L\" label=\"T\"><group id=\"g\" "
                         "label=\"G\"><button id=\"b\" imageMso=\"Bold\" "
                         "getImage=\"I\"/></group></tab>"))
        << QStringList() << 1
        << u"%1:3:26: error: <tab> has both label and getLabel; Office takes one or the other\n"
           "%1:3:91: error: <button> has both imageMso and getImage; Office takes one or the "
           "other\n"_s
        << QString();
    QTest::newRow("qualified identifiers: built-in, undeclared prefix, shared")
        << file(u"qualified.xml"_s,
                "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" "
                "xmlns:mso=\"http://schemas.microsoft.com/office/2009/07/customui\" "
                "xmlns:x=\"urn:x\">\n<ribbon><tabs>\n"
                "<tab idQ=\"x:t\" label=\"T\" insertAfterQ=\"mso:TabHomee\"/>"
                "<tab idQ=\"y:t\" label=\"T\" insertBeforeQ=\"x:other\"/>\n"
                "</tabs></ribbon></customUI>\n")
        << QStringList{u"--app"_s, u"excel"_s} << 1
        << u"%1:3:40: error: insertAfterQ: \"TabHomee\" is not a known identifier of Excel; did "
           "you mean \"TabHome\"?\n"
           "%1:3:65: error: idQ: the prefix \"y\" is not declared; declare it with xmlns:y=\"...\" "
           "on this element or one around it\n"_s
        << QString();
    QTest::newRow("built-in identifier that is an id of the part, before and after")
        << file(u"ownid.xml"_s,
                customUi("<tab id=\"R01\" label=\"T\"/><tab id=\"t\" label=\"U\" "
                         "insertAfterMso=\"R01\" insertBeforeMso=\"R02\"/><tab id=\"R02\" "
                         "label=\"V\"/>"))
        << QStringList{u"--app"_s, u"excel"_s} << 1
        << u"%1:3:64: error: insertAfterMso: \"R01\" is not a built-in identifier but the id at "
           "line 3, column 10; to name your own element, use insertAfter\n"
           "%1:3:86: error: insertBeforeMso: \"R02\" is not a built-in identifier but the id at "
           "line 3, column 101; to name your own element, use insertBefore\n"_s
        << QString();
    const QByteArray toolbar =
        "<?xml version=\"1.0\"?>\n<!-- talpora-cli: accept FileSaveAs -->\n"
        "<mso:customUI xmlns:mso=\"http://schemas.microsoft.com/office/2009/07/customui\">"
        "<mso:ribbon><mso:qat><mso:sharedControls>\n<mso:control idQ=\"mso:FileSaveAs\" "
        "visible=\"true\"/><mso:control idQ=\"mso:MyMacro\"/>\n</mso:sharedControls></mso:qat>"
        "</mso:ribbon></mso:customUI>\n<!-- talpora-cli: accept MyMacro -->\n";
    QTest::newRow("identifiers accepted by a comment before the root and by --accept, said")
        << file(u"accepted.xml"_s, toolbar)
        << QStringList{u"--app"_s, u"onenote"_s, u"--accept"_s, u"Other,MyMacro"_s} << 0
        << u"%1:6:1: warning: a \"talpora-cli: accept\" comment counts only before the root "
           "element; move it there\n"
           "%1: note: accepted as known identifiers: \"MyMacro\" (by --accept) and "
           "\"FileSaveAs\" (by a \"talpora-cli: accept\" comment)\n"_s
        << QString();
    QTest::newRow("root in a namespace of another case")
        << file(u"root.xml"_s,
                "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customUI\">"
                "<ribbon/></customUI>")
        << QStringList() << 1
        << u"%1:1:1: error: Office ignores this part: its root is <customUI> in namespace "
           "\"http://schemas.microsoft.com/office/2009/07/customUI\", not <customUI> in "
           "http://schemas.microsoft.com/office/2006/01/customui or "
           "http://schemas.microsoft.com/office/2009/07/customui\n"_s
        << QString();
    const QByteArray images =
        customUi("<tab id=\"t\" label=\"T\"><group id=\"g\" label=\"G\"><button id=\"a\" "
                 "image=\"rId1\"/><button id=\"b\" image=\"logo\"/></group></tab>");
    QTest::newRow("image without an image relationship")
        << package(u"images.xlsm"_s, u"xl/workbook.xml"_s, {{u"customUI/customUI14.xml"_s, images}},
                   {{u"customUI/_rels/customUI14.xml.rels"_s,
                     packageRelationships({{u"http://schemas.openxmlformats.org/officeDocument/"
                                            "2006/relationships/image"_s,
                                            u"images/a.png"_s}})}})
        << QStringList() << 1
        << u"%1!customUI/customUI14.xml:3:98: error: image: the part has no image relationship "
           "with the id \"logo\" and the root no loadImage callback, so the control shows no "
           "image\n"_s
        << QString();
    QTest::newRow("image with loadImage")
        << package(u"loadimage.xlsm"_s, u"xl/workbook.xml"_s,
                   {{u"customUI/customUI14.xml"_s,
                     QByteArray(images).replace("customui\">", "customui\" loadImage=\"Load\">")}})
        << QStringList() << 0 << QString() << QString();
}

enum Family
{
    Findings,
    Hints,
    Notes,
    PackageErrors
};

void TestCheck::texts_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");

    QTest::newRow("finding kinds") << int(Findings) << 0 << findingKindCount;
    QTest::newRow("hint kinds") << int(Hints) << 0 << hintKindCount;
    QTest::newRow("note kinds") << int(Notes) << 0 << noteKindCount;
    QTest::newRow("package error kinds, None aside")
        << int(PackageErrors) << 1 << packageErrorKindCount;
}

// Every kind is worded, with each argument its text takes in the place of a
// placeholder: a kind without a text, a placeholder left unfilled or an
// argument the text drops shows here.
void TestCheck::texts()
{
    QFETCH(int, family);
    QFETCH(int, first);
    QFETCH(int, count);

    const PackageError damaged{PackageErrorKind::CannotOpenPackage, {}, {u"«package»"_s}, {}};
    talpora::LoadError notFound;
    notFound.kind = talpora::LoadErrorKind::FileNotFound;
    const auto unknownName = [](std::vector<FindingHint> hints) {
        return describeFinding({{},
                                0,
                                0,
                                Severity::Error,
                                FindingKind::UnknownName,
                                {u"X"_s},
                                std::move(hints),
                                {},
                                {}});
    };
    const QString bare = unknownName({});
    for (int kind = first; kind < count; ++kind) {
        MessageArguments arguments;
        QStringList markers;
        const auto fill = [&](int argumentCount) {
            for (int i = 0; i < argumentCount; ++i) {
                markers.append(u"«%1»"_s.arg(i));
                arguments.push_back(markers.last());
            }
        };
        QString text;
        switch (family) {
        case Findings:
            fill(argumentCount(FindingKind(kind)));
            text = describeFinding(
                {{}, 0, 0, Severity::Error, FindingKind(kind), arguments, {}, notFound, damaged});
            break;
        case Hints:
            // What the hint adds to the finding's own text.
            fill(argumentCount(HintKind(kind)));
            text = unknownName({{HintKind(kind), arguments}});
            QVERIFY2(text.startsWith(bare), qPrintable(text));
            text = text.mid(bare.size());
            break;
        case Notes:
            fill(argumentCount(NoteKind(kind)));
            text = describeNote({NoteKind(kind), arguments});
            break;
        case PackageErrors:
            fill(argumentCount(PackageErrorKind(kind)));
            text = describePackageError({PackageErrorKind(kind), {}, arguments, notFound});
            break;
        }
        const QString where = u"kind %1: %2"_s.arg(kind).arg(text);
        QVERIFY2(!text.isEmpty(), qPrintable(where));
        QVERIFY2(!text.contains(QRegularExpression(u"%\\d"_s)), qPrintable(where));
        for (const QString& marker : markers)
            QVERIFY2(text.contains(marker), qPrintable(where));
    }
}

void TestCheck::check()
{
    QFETCH(QString, path);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QStringList arguments{u"check"_s};
    if (!path.isEmpty())
        arguments << path;
    // What "-" reads: a customUI part with an unknown idMso.
    const CliRun result =
        runCli(arguments + options, customUi("  <tab idMso=\"TabHome\"><group idMso=\"GroupFont\">"
                                             "<button idMso=\"FormatPainterr\"/></group></tab>"));
    QCOMPARE(result.out, QString(out).replace(u"%1"_s, path));
    QCOMPARE(result.status, status);
    QVERIFY2(err.isEmpty() ? result.err.isEmpty() : result.err.contains(err),
             qPrintable(result.err));
}

QTEST_APPLESS_MAIN(TestCheck)
#include "tst_check.moc"
