#include "CliRun.h"
#include "TestFiles.h"
#include "TestPackages.h"
#include "checker/CallbackSignatures.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace talpora::test;
using namespace talpora::checker;

namespace {

// The signatures Microsoft documents for each callback attribute, the
// elements that take it with that signature, and the first line of a callback
// named "F" in VBA, C# and VB.NET.
struct Expected
{
    const char* attribute;
    QStringList elements;
    const char* vba;
    const char* csharp;
    const char* vbnet;
};

const QStringList tipped{u"button"_s,      u"checkBox"_s,    u"comboBox"_s,     u"control"_s,
                         u"dropDown"_s,    u"dynamicMenu"_s, u"editBox"_s,      u"gallery"_s,
                         u"group"_s,       u"hyperlink"_s,   u"labelControl"_s, u"menu"_s,
                         u"splitButton"_s, u"toggleButton"_s};
const QStringList lists{u"comboBox"_s, u"dropDown"_s, u"gallery"_s, u"radioGroup"_s};
const QStringList pictureLists{u"comboBox"_s, u"dropDown"_s, u"gallery"_s};

const std::vector<Expected>& expectations()
{
    static const std::vector<Expected> table = {
        {"onAction",
         {u"button"_s, u"control"_s, u"hyperlink"_s, u"task"_s},
         "Sub F(control As IRibbonControl)",
         "public void F(IRibbonControl control)",
         "Public Sub F(control As IRibbonControl)"},
        {"onAction",
         {u"toggleButton"_s, u"checkBox"_s},
         "Sub F(control As IRibbonControl, pressed As Boolean)",
         "public void F(IRibbonControl control, bool pressed)",
         "Public Sub F(control As IRibbonControl, pressed As Boolean)"},
        {"onAction",
         {u"dropDown"_s, u"gallery"_s, u"radioGroup"_s},
         "Sub F(control As IRibbonControl, selectedId As String, selectedIndex As Integer)",
         "public void F(IRibbonControl control, string selectedId, int selectedIndex)",
         "Public Sub F(control As IRibbonControl, selectedId As String, selectedIndex As Integer)"},
        {"onAction",
         {u"command"_s},
         "Sub F(control As IRibbonControl, ByRef cancelDefault)",
         "public void F(IRibbonControl control, ref bool cancelDefault)",
         "Public Sub F(control As IRibbonControl, ByRef cancelDefault As Boolean)"},
        {"onChange",
         {u"comboBox"_s, u"editBox"_s},
         "Sub F(control As IRibbonControl, text As String)",
         "public void F(IRibbonControl control, string text)",
         "Public Sub F(control As IRibbonControl, text As String)"},
        {"onLoad",
         {u"customUI"_s},
         "Sub F(ribbon As IRibbonUI)",
         "public void F(IRibbonUI ribbon)",
         "Public Sub F(ribbon As IRibbonUI)"},
        {"loadImage",
         {u"customUI"_s},
         "Sub F(imageId As String, ByRef image)",
         "public IPictureDisp F(string imageId)",
         "Public Function F(imageId As String) As IPictureDisp"},
        {"onShow",
         {u"backstage"_s},
         "Sub F(contextObject As Object)",
         "public void F(object contextObject)",
         "Public Sub F(contextObject As Object)"},
        {"onHide",
         {u"backstage"_s},
         "Sub F(contextObject As Object)",
         "public void F(object contextObject)",
         "Public Sub F(contextObject As Object)"},
        {"getLabel",
         {u"button"_s,    u"category"_s,      u"checkBox"_s,   u"comboBox"_s,     u"control"_s,
          u"dropDown"_s,  u"dynamicMenu"_s,   u"editBox"_s,    u"gallery"_s,      u"group"_s,
          u"groupBox"_s,  u"hyperlink"_s,     u"item"_s,       u"labelControl"_s, u"menu"_s,
          u"menuGroup"_s, u"radioButton"_s,   u"radioGroup"_s, u"splitButton"_s,  u"tab"_s,
          u"task"_s,      u"taskFormGroup"_s, u"taskGroup"_s,  u"toggleButton"_s},
         "Sub F(control As IRibbonControl, ByRef label)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getKeytip",
         {u"button"_s, u"checkBox"_s, u"comboBox"_s, u"control"_s, u"dropDown"_s, u"dynamicMenu"_s,
          u"editBox"_s, u"gallery"_s, u"group"_s, u"hyperlink"_s, u"labelControl"_s, u"menu"_s,
          u"radioGroup"_s, u"splitButton"_s, u"tab"_s, u"task"_s, u"toggleButton"_s},
         "Sub F(control As IRibbonControl, ByRef keytip)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getScreentip", tipped, "Sub F(control As IRibbonControl, ByRef screentip)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getSupertip", tipped, "Sub F(control As IRibbonControl, ByRef supertip)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getDescription",
         {u"button"_s, u"checkBox"_s, u"control"_s, u"dynamicMenu"_s, u"gallery"_s, u"menu"_s,
          u"task"_s, u"toggleButton"_s},
         "Sub F(control As IRibbonControl, ByRef description)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getTitle",
         {u"menu"_s, u"menuSeparator"_s, u"tab"_s},
         "Sub F(control As IRibbonControl, ByRef title)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getHelperText",
         {u"group"_s, u"taskFormGroup"_s, u"taskGroup"_s},
         "Sub F(control As IRibbonControl, ByRef helperText)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getTarget",
         {u"hyperlink"_s},
         "Sub F(control As IRibbonControl, ByRef target)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getAltText",
         {u"imageControl"_s},
         "Sub F(control As IRibbonControl, ByRef altText)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getText",
         {u"comboBox"_s, u"editBox"_s},
         "Sub F(control As IRibbonControl, ByRef text)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getContent",
         {u"dynamicMenu"_s},
         "Sub F(control As IRibbonControl, ByRef content)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getSelectedItemID",
         {u"dropDown"_s, u"gallery"_s},
         "Sub F(control As IRibbonControl, ByRef id)",
         "public string F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As String"},
        {"getEnabled",
         {u"button"_s, u"checkBox"_s, u"comboBox"_s, u"command"_s, u"control"_s, u"dropDown"_s,
          u"dynamicMenu"_s, u"editBox"_s, u"gallery"_s, u"hyperlink"_s, u"imageControl"_s,
          u"labelControl"_s, u"menu"_s, u"radioGroup"_s, u"splitButton"_s, u"tab"_s, u"task"_s,
          u"toggleButton"_s},
         "Sub F(control As IRibbonControl, ByRef enabled)",
         "public bool F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As Boolean"},
        {"getVisible",
         {u"box"_s,      u"button"_s,     u"buttonGroup"_s,   u"category"_s,     u"checkBox"_s,
          u"comboBox"_s, u"control"_s,    u"dropDown"_s,      u"dynamicMenu"_s,  u"editBox"_s,
          u"gallery"_s,  u"group"_s,      u"hyperlink"_s,     u"imageControl"_s, u"labelControl"_s,
          u"menu"_s,     u"radioGroup"_s, u"separator"_s,     u"splitButton"_s,  u"tab"_s,
          u"tabSet"_s,   u"task"_s,       u"taskFormGroup"_s, u"taskGroup"_s,    u"toggleButton"_s},
         "Sub F(control As IRibbonControl, ByRef visible)",
         "public bool F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As Boolean"},
        {"getShowImage",
         {u"button"_s, u"checkBox"_s, u"comboBox"_s, u"control"_s, u"dropDown"_s, u"dynamicMenu"_s,
          u"editBox"_s, u"gallery"_s, u"labelControl"_s, u"menu"_s, u"splitButton"_s,
          u"toggleButton"_s},
         "Sub F(control As IRibbonControl, ByRef showImage)",
         "public bool F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As Boolean"},
        {"getShowLabel",
         {u"button"_s, u"checkBox"_s, u"comboBox"_s, u"control"_s, u"dropDown"_s, u"dynamicMenu"_s,
          u"editBox"_s, u"gallery"_s, u"group"_s, u"labelControl"_s, u"menu"_s, u"splitButton"_s,
          u"taskFormGroup"_s, u"taskGroup"_s, u"toggleButton"_s},
         "Sub F(control As IRibbonControl, ByRef showLabel)",
         "public bool F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As Boolean"},
        {"getPressed",
         {u"checkBox"_s, u"toggleButton"_s},
         "Sub F(control As IRibbonControl, ByRef pressed)",
         "public bool F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As Boolean"},
        {"getImage",
         {u"button"_s, u"checkBox"_s, u"comboBox"_s, u"control"_s, u"dropDown"_s, u"dynamicMenu"_s,
          u"editBox"_s, u"gallery"_s, u"group"_s, u"hyperlink"_s, u"imageControl"_s,
          u"labelControl"_s, u"menu"_s, u"splitButton"_s, u"task"_s, u"toggleButton"_s},
         "Sub F(control As IRibbonControl, ByRef image)",
         "public IPictureDisp F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As IPictureDisp"},
        {"getSize",
         {u"button"_s, u"control"_s, u"dynamicMenu"_s, u"gallery"_s, u"menu"_s, u"splitButton"_s,
          u"toggleButton"_s},
         "Sub F(control As IRibbonControl, ByRef size)",
         "public RibbonControlSize F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As RibbonControlSize"},
        {"getStyle",
         {u"group"_s},
         "Sub F(control As IRibbonControl, ByRef style)",
         "public BackstageGroupStyle F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As BackstageGroupStyle"},
        {"getItemCount", lists, "Sub F(control As IRibbonControl, ByRef count)",
         "public int F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As Integer"},
        {"getItemHeight",
         {u"gallery"_s},
         "Sub F(control As IRibbonControl, ByRef height)",
         "public int F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As Integer"},
        {"getItemWidth",
         {u"gallery"_s},
         "Sub F(control As IRibbonControl, ByRef width)",
         "public int F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As Integer"},
        {"getSelectedItemIndex",
         {u"dropDown"_s, u"gallery"_s, u"radioGroup"_s},
         "Sub F(control As IRibbonControl, ByRef index)",
         "public int F(IRibbonControl control)",
         "Public Function F(control As IRibbonControl) As Integer"},
        {"getItemID", lists, "Sub F(control As IRibbonControl, index As Integer, ByRef id)",
         "public string F(IRibbonControl control, int index)",
         "Public Function F(control As IRibbonControl, index As Integer) As String"},
        {"getItemLabel", lists, "Sub F(control As IRibbonControl, index As Integer, ByRef label)",
         "public string F(IRibbonControl control, int index)",
         "Public Function F(control As IRibbonControl, index As Integer) As String"},
        {"getItemScreentip", pictureLists,
         "Sub F(control As IRibbonControl, index As Integer, ByRef screentip)",
         "public string F(IRibbonControl control, int index)",
         "Public Function F(control As IRibbonControl, index As Integer) As String"},
        {"getItemSupertip", pictureLists,
         "Sub F(control As IRibbonControl, index As Integer, ByRef supertip)",
         "public string F(IRibbonControl control, int index)",
         "Public Function F(control As IRibbonControl, index As Integer) As String"},
        {"getItemImage", pictureLists,
         "Sub F(control As IRibbonControl, index As Integer, ByRef image)",
         "public IPictureDisp F(IRibbonControl control, int index)",
         "Public Function F(control As IRibbonControl, index As Integer) As IPictureDisp"},
    };
    return table;
}

QString pair(std::string_view element, std::string_view attribute)
{
    return QString::fromUtf8(element.data(), qsizetype(element.size())) + u' ' +
           QString::fromUtf8(attribute.data(), qsizetype(attribute.size()));
}

} // namespace

class TestCallbacks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void signatures_data();
    void signatures();
    void everyCallbackIsExpected();
    void command_data();
    void command();

private:
    QTemporaryDir m_dir;
};

void TestCallbacks::signatures_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<bool>("toggleCommand");
    QTest::addColumn<QStringList>("lines"); // VBA, C#, VB.NET

    for (const Expected& expected : expectations()) {
        for (const QString& element : expected.elements) {
            QTest::addRow("%s %s", qPrintable(element), expected.attribute)
                << element << QString::fromLatin1(expected.attribute) << false
                << QStringList{QString::fromLatin1(expected.vba),
                               QString::fromLatin1(expected.csharp),
                               QString::fromLatin1(expected.vbnet)};
        }
    }
    QTest::newRow("command onAction, repurposing a toggle button")
        << u"command"_s << u"onAction"_s << true
        << QStringList{
               u"Sub F(control As IRibbonControl, pressed As Boolean, ByRef cancelDefault)"_s,
               u"public void F(IRibbonControl control, bool pressed, ref bool cancelDefault)"_s,
               u"Public Sub F(control As IRibbonControl, pressed As Boolean, "
               "ByRef cancelDefault As Boolean)"_s};
    QTest::newRow("no callback: label is static")
        << u"button"_s << u"label"_s << false << QStringList();
    QTest::newRow("no callback: getPressed of a button")
        << u"button"_s << u"getPressed"_s << false << QStringList();
}

void TestCallbacks::signatures()
{
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(bool, toggleCommand);
    QFETCH(QStringList, lines);

    const std::optional<CallbackSignature> signature =
        callbackSignature(element.toStdString(), attribute.toStdString(), toggleCommand);
    QCOMPARE(signature.has_value(), !lines.isEmpty());
    if (!signature)
        return;
    const CallbackLanguage languages[] = {CallbackLanguage::Vba, CallbackLanguage::CSharp,
                                          CallbackLanguage::VbNet};
    for (std::size_t i = 0; i < std::size(languages); ++i)
        QCOMPARE(QString::fromStdString(signatureLine(*signature, "F", languages[i])),
                 lines[qsizetype(i)]);
}

// A callback the program knows but the table above does not would go untested.
void TestCallbacks::everyCallbackIsExpected()
{
    QSet<QString> expected;
    for (const Expected& row : expectations()) {
        for (const QString& element : row.elements)
            expected.insert(pair(element.toStdString(), row.attribute));
    }
    QSet<QString> known;
    for (const CallbackUse& use : callbackUses()) {
        for (const std::string_view element : use.elements) {
            QVERIFY2(!known.contains(pair(element, use.attribute)),
                     qPrintable(pair(element, use.attribute) + u" has two signatures"_s));
            known.insert(pair(element, use.attribute));
        }
    }
    QCOMPARE(known, expected);
}

void TestCallbacks::command_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // exact
    QTest::addColumn<QString>("err"); // part of standard error; empty: nothing there

    const QByteArray ribbon =
        "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" "
        "onLoad=\"Ribbon_Load\">\n"
        "<commands><command idMso=\"Bold\" onAction=\"OnBold\"/></commands>\n"
        "<ribbon><tabs><tab id=\"t\" getLabel=\"GetLabel\"><group id=\"g\" getLabel=\"GetLabel\">\n"
        "<button id=\"b\" onAction=\"Module1.OnClick\"/>\n"
        "<toggleButton id=\"c\" onAction=\"Module1.OnClick\"/>\n"
        "</group></tab></tabs></ribbon></customUI>\n";
    const QString file = writeFile(m_dir, u"ribbon.xml"_s, ribbon);
    QTest::newRow("first-use order, each name once, a name needing two signatures")
        << file << QStringList() << 0
        << u"' onLoad of <customUI>, line 1\n"
           "Sub Ribbon_Load(ribbon As IRibbonUI)\nEnd Sub\n\n"
           "' onAction of <command>, line 2\n"
           "Sub OnBold(control As IRibbonControl, pressed As Boolean, ByRef cancelDefault)\n"
           "End Sub\n\n"
           "' getLabel of <tab>, line 3\n"
           "Sub GetLabel(control As IRibbonControl, ByRef label)\nEnd Sub\n\n"
           "' onAction of <button>, line 4\n"
           "' warning: \"Module1.OnClick\" is also the onAction of <toggleButton>, line 5, which "
           "needs: Sub OnClick(control As IRibbonControl, pressed As Boolean)\n"
           "Sub OnClick(control As IRibbonControl)\nEnd Sub\n"_s
        << QString();

    const QByteArray part =
        "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">"
        "<ribbon><tabs><tab id=\"t\"><group id=\"g\"><dynamicMenu id=\"m\" getContent=\"Fill\"/>"
        "</group></tab></tabs></ribbon></customUI>";
    const QByteArray package =
        zipArchive({{u"customUI/customUI14.xml"_s, part},
                    {u"_rels/.rels"_s,
                     packageRelationships({{customUi14Type, u"customUI/customUI14.xml"_s}})}});
    QTest::newRow("package, C#")
        << writeFile(m_dir, u"book.xlsm"_s, package) << QStringList{u"--language"_s, u"csharp"_s}
        << 0
        << u"// getContent of <dynamicMenu>, customUI/customUI14.xml line 1\n"
           "public string Fill(IRibbonControl control)\n{\n    return default;\n}\n"_s
        << QString();
    // Blanks after the root are well-formed: read whole, the part would give its stub.
    QTest::newRow("package part over the cap is refused, as check refuses it")
        << writeFile(m_dir, u"bomb.xlsm"_s,
                     zipArchive({{u"customUI/customUI14.xml"_s, part + QByteArray(65 << 20, ' ')},
                                 {u"_rels/.rels"_s,
                                  packageRelationships(
                                      {{customUi14Type, u"customUI/customUI14.xml"_s}})}}))
        << QStringList() << 2 << QString()
        << u"bomb.xlsm!customUI/customUI14.xml: refused: the part inflates to more than 64 MiB "
           "(a zip bomb?)\n"_s;
    // Two central records over one entry's bytes: the start of an overlapping zip bomb.
    QTest::newRow("entries sharing their bytes are refused, as check refuses them")
        << writeFile(m_dir, u"overlap.xlsm"_s,
                     rawZipArchive(
                         {{"customUI/customUI14.xml", part},
                          {"_rels/.rels",
                           packageRelationships({{customUi14Type, u"customUI/customUI14.xml"_s}})},
                          {"customUI/customUI14.xml", part, 0, 0, 0}}))
        << QStringList() << 2 << QString()
        << u"overlap.xlsm: refused: the package's zip structure is inconsistent at byte 0,"_s;
    QTest::newRow("no callbacks") << writeFile(m_dir, u"plain.xml"_s, "<customUI/>")
                                  << QStringList() << 1 << QString() << u"no callbacks"_s;
    QTest::newRow("unknown language")
        << file << QStringList{u"--language"_s, u"java"_s} << 2 << QString()
        << u"talpora-cli: callbacks: unknown language 'java' (vba, csharp or vbnet)\nTry"_s;
    QTest::newRow("not well-formed") << writeFile(m_dir, u"broken.xml"_s, "<customUI onLoad=\"x\">")
                                     << QStringList() << 2 << QString() << u"broken.xml"_s;
}

void TestCallbacks::command()
{
    QFETCH(QString, path);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QVERIFY(!path.isEmpty());
    const CliRun result = runCli(QStringList{u"callbacks"_s, path} + options);
    QCOMPARE(result.out, out);
    QCOMPARE(result.status, status);
    QVERIFY2(err.isEmpty() ? result.err.isEmpty() : result.err.contains(err),
             qPrintable(result.err));
}

QTEST_APPLESS_MAIN(TestCallbacks)
#include "tst_callbacks.moc"
