#include "CliRun.h"
#include "TestFiles.h"
#include "TestPackages.h"
#include "checker/CallbackSignatures.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace talpora::test;
using namespace talpora::checker;

namespace {

// What a signature line says, whatever the procedure and its parameters are
// called: "public string F(IRibbonControl control)" and the documented
// "string GetLabel(IRibbonControl control)" are both "string (IRibbonControl)".
// A Visual Basic parameter documented without a type ("ByRef cancelDefault")
// says only "ByRef".
QString shape(const QString& line, int language)
{
    static const QRegularExpression parts(u"^(?:Public )?(?:public )?(.*?)\\w+\\((.*)\\)(.*)$"_s);
    const QRegularExpressionMatch match = parts.match(line);
    if (!match.hasMatch())
        return u"unreadable: "_s + line;
    QStringList parameters;
    for (const QString& parameter : match.captured(2).split(u", "_s, Qt::SkipEmptyParts)) {
        QStringList words = parameter.split(u' ');
        if (language == 0) // C#: "ref bool cancelDefault"
            words.removeLast();
        else // VBA and VB.NET: "ByRef cancelDefault As Boolean"
            words.removeAt(words.front() == u"ByRef"_s || words.front() == u"ByVal"_s ? 1 : 0);
        parameters.append(words.join(u' '));
    }
    return match.captured(1).trimmed() + u" ("_s + parameters.join(u", "_s) + u")"_s +
           match.captured(3);
}

// Visual Basic parameters documented without a type ("ByRef cancelDefault")
// take any.
bool sameShape(QString ours, const QString& theirs, int language)
{
    static const QRegularExpression typedByRef(u"ByRef As \\w+"_s);
    return ours == theirs || (language == 2 && ours.replace(typedByRef, u"ByRef"_s) == theirs);
}

QStringList shapes(const QStringList& lines)
{
    QStringList result;
    for (int language = 0; language < lines.size(); ++language)
        result.append(shape(lines[language], language));
    return result;
}

// One documented signature: the first line of the callback in C#, VBA and
// Visual Basic .NET.
using Documented = QStringList;

// tests/data/callback-signatures.tsv: element (or "*" for every control)
// and callback, then the documented lines.
QHash<QString, Documented> documentedSignatures()
{
    QHash<QString, Documented> table;
    QFile file(QStringLiteral(TALPORA_TEST_DATA "/callback-signatures.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return table;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() == 5)
            table.insert(fields[0] + u' ' + fields[1], fields.mid(2));
    }
    return table;
}

// The documented lines of `callback` on `element`: its own row, else the row
// for every control, else the one signature documented for the callback on
// other controls; empty when there is none or they differ.
Documented documentedFor(const QHash<QString, Documented>& table, const QString& element,
                         const QString& callback)
{
    if (const auto own = table.constFind(element + u' ' + callback); own != table.constEnd())
        return *own;
    if (const auto every = table.constFind(u"* "_s + callback); every != table.constEnd())
        return *every;
    Documented found;
    for (auto row = table.constBegin(); row != table.constEnd(); ++row) {
        if (!row.key().endsWith(u' ' + callback) || row.key().startsWith(u"command (toggle)"_s))
            continue;
        if (!found.isEmpty() && shapes(found) != shapes(*row))
            return {};
        found = *row;
    }
    return found;
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
    void command_data();
    void command();

private:
    QTemporaryDir m_dir;
};

// Every callback the schemas know on every element, and the callbacks the
// documentation names on elements, each held to what Microsoft documents.
void TestCallbacks::signatures_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<bool>("toggleCommand");
    QTest::addColumn<QStringList>("documented"); // C#, VBA, VB.NET; empty: no callback

    const QHash<QString, Documented> table = documentedSignatures();
    QVERIFY2(!table.isEmpty(), "tests/data/callback-signatures.tsv cannot be read");
    QSet<QString> pairs;
    for (const CallbackAttribute& callback : schemaCallbacks())
        pairs.insert(pair(callback.element, callback.attribute));
    for (auto row = table.constBegin(); row != table.constEnd(); ++row) {
        if (!row.key().startsWith(u'*') && !row.key().startsWith(u"command (toggle)"_s))
            pairs.insert(row.key());
    }
    for (const QString& key : pairs) {
        const QString element = key.section(u' ', 0, 0);
        const QString attribute = key.section(u' ', 1, 1);
        QTest::newRow(qPrintable(key))
            << element << attribute << false << documentedFor(table, element, attribute);
    }
    QTest::newRow("command onAction, repurposing a toggle button")
        << u"command"_s << u"onAction"_s << true << table.value(u"command (toggle) onAction"_s);
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
    QFETCH(QStringList, documented);

    const std::optional<CallbackSignature> signature =
        callbackSignature(element.toStdString(), attribute.toStdString(), toggleCommand);
    QVERIFY2(signature.has_value() || documented.isEmpty(), "documented, but no callback here");
    QVERIFY2(!signature.has_value() || !documented.isEmpty(),
             "a callback Microsoft documents nowhere");
    if (!signature)
        return;
    const CallbackLanguage languages[] = {CallbackLanguage::CSharp, CallbackLanguage::Vba,
                                          CallbackLanguage::VbNet};
    for (int i = 0; i < 3; ++i) {
        const QString ours =
            shape(QString::fromStdString(signatureLine(*signature, "F", languages[i])), i);
        const QString theirs = shape(documented[i], i);
        QVERIFY2(sameShape(ours, theirs, i), qPrintable(ours + u" instead of "_s + theirs));
    }
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
    const QByteArray hostile =
        "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\"\n"
        "onLoad=\"X(): Shell Environ(&quot;COMSPEC&quot;): End Sub: Sub Y\">\n"
        "<ribbon><tabs><tab id=\"t\" getLabel=\"End\"><group id=\"g\" getLabel=\" \">\n"
        "<button id=\"b\" onAction=\"Module1.OnGood\" getImage=\"A&#x202E;B\"/>\n"
        "</group></tab></tabs></ribbon></customUI>\n";
    const QString hostileFile = writeFile(m_dir, u"hostile.xml"_s, hostile);
    QTest::newRow("VBA: a name that is code, a keyword, a blank: reported, no stub")
        << hostileFile << QStringList() << 1
        << u"' onAction of <button>, line 4\nSub OnGood(control As IRibbonControl)\nEnd Sub\n"_s
        << u"hostile.xml:1: onLoad of <customUI>: \"X(): Shell Environ(\"COMSPEC\"): End Sub: Sub "
           "Y\" is no VBA name: a letter, then letters, digits and _; no stub written\n"_s;
    QTest::newRow("C#: a right-to-left override in a name is reported escaped")
        << hostileFile << QStringList{u"--language=csharp"_s} << 1
        << u"// getLabel of <tab>, line 3\npublic string End(IRibbonControl control)\n"
           "{\n    return default;\n}\n\n"
           "// onAction of <button>, line 4\npublic void OnGood(IRibbonControl control)\n{\n}\n"_s
        << u"hostile.xml:4: getImage of <button>: \"A\\u202eB\" is no C# name"_s;
    const QByteArray button =
        "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">"
        "<ribbon><tabs><tab id=\"t\"><group id=\"g\"><button id=\"b\" onAction=\"Go\"/>"
        "</group></tab></tabs></ribbon></customUI>";
    const QString lineInName = u"customUI/x\nSub AutoOpen()\nMsgBox 1.xml"_s;
    QTest::newRow("package part name with line breaks stays in its comment")
        << writeFile(m_dir, u"names.xlsm"_s,
                     zipArchive({{lineInName, button},
                                 {u"_rels/.rels"_s,
                                  packageRelationships(
                                      {{customUi14Type,
                                        u"customUI/x%0ASub%20AutoOpen()%0AMsgBox%201.xml"_s}})}}))
        << QStringList() << 0
        << u"' onAction of <button>, customUI/x\\nSub AutoOpen()\\nMsgBox 1.xml line 1\n"
           "Sub Go(control As IRibbonControl)\nEnd Sub\n"_s
        << QString();
    QTest::newRow("file name escaped in a message")
        << writeFile(m_dir, u"evil\u202Egpj.xml"_s, "<customUI onLoad=\"x\">") << QStringList() << 2
        << QString() << u"evil\\u202egpj.xml: line 1"_s;
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
