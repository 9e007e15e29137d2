#include "CliRun.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace talpora::test;

class TestLookup : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
};

void TestLookup::lookup_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("outLines"); // lines that must be in the output
    QTest::addColumn<QString>("absent");       // text that must not be in the output
    QTest::addColumn<QString>("err");          // text that standard error must hold

    const QString painter = u"control\tword\tFormatPainter\tcontrol\t2013,2016,2019,365\t"
                            "None (Core Tab) > TabHome > GroupClipboard"_s;
    const QString painterNode =
        u"catalogue\tWord_2013_tabs_en\t12\ttabs > TabHome > GroupClipboard > FormatPainter"_s;
    QTest::newRow("exact") << QStringList{u"FormatPainter"_s, u"--app"_s, u"word"_s} << 0
                           << QStringList{painter, painterNode} << u"\texcel\t"_s << QString();
    QTest::newRow("other case, application in capitals")
        << QStringList{u"formatPAINTER"_s, u"--app=Word"_s} << 0
        << QStringList{painter, painterNode} << u"formatPAINTER"_s << QString();
    QTest::newRow("every application")
        << QStringList{u"Paste"_s} << 0
        << QStringList{u"control\texcel\tPaste\tbutton\t2013,2016,2019,365\tnot on the Ribbon"_s,
                       u"catalogue\tPowerPoint_2013_tabs_jp\t5\t"
                       "tabs > TabHome > GroupClipboard > PasteMenu > Paste"_s}
        << QString() << QString();
    QTest::newRow("not on the Ribbon")
        << QStringList{u"FileSaveAs"_s, u"--app"_s, u"word"_s} << 0
        << QStringList{u"control\tword\tFileSaveAs\tbutton\t2013,2016,2019,365\tnot on the Ribbon"_s}
        << u"catalogue"_s << QString();
    QTest::newRow("newer identifier, Office 365")
        << QStringList{u"AutoSaveSwitch"_s, u"--version"_s, u"365"_s, u"--app"_s, u"excel"_s} << 0
        << QStringList{u"control\texcel\tAutoSaveSwitch\ttoggleButton\t2019,365\t"
                       "None (Quick Access Toolbar) > Quick Access Toolbar"_s}
        << QString() << QString();
    QTest::newRow("newer identifier, Office 2013")
        << QStringList{u"AutoSaveSwitch"_s, u"--app"_s, u"excel"_s, u"--version"_s, u"2013"_s} << 1
        << QStringList() << u"AutoSaveSwitch"_s
        << u"\"AutoSaveSwitch\" is not a known identifier of Excel in Office 2013 (it is in 2019,365)"_s;
    QTest::newRow("version filters the catalogue and placements")
        << QStringList{u"FormatPainter"_s, u"--app"_s, u"word"_s, u"--version"_s, u"2019"_s} << 0
        << QStringList{painter} << u"catalogue"_s << QString();
    QTest::newRow("unknown, with its nearest")
        << QStringList{u"FormatPainterr"_s} << 1 << QStringList() << u"control"_s
        << u"\"FormatPainterr\" is not a known identifier; did you mean \"FormatPainter\"?\n"_s;
    QTest::newRow("known elsewhere, not in this application")
        << QStringList{u"TabHome"_s, u"--app"_s, u"access"_s} << 1 << QStringList() << u"control"_s
        << u"did you mean \"TabHomeAccess\"?\n"_s;
    QTest::newRow("Outlook, every placement naming its window")
        << QStringList{u"TabMail"_s} << 0
        << QStringList{u"control\toutlook\tTabMail\ttab\t2013,2016,2019,365\t"
                       "explorer window: None (Core Tab)"_s}
        << u"mailitem window"_s << QString();
    QTest::newRow("application that ended before the version")
        << QStringList{u"TabWorkflowVisualDesigner"_s, u"--app"_s, u"SharePointDesigner"_s,
                       u"--version"_s, u"2019"_s}
        << 1 << QStringList() << u"control"_s
        << u"\"TabWorkflowVisualDesigner\" is not a known identifier of SharePoint Designer in "
           "Office 2019 (it is in 2013,2016)"_s;
    QTest::newRow("nothing near") << QStringList{u"Qqqqqqqqqqqqqq"_s} << 1 << QStringList()
                                  << u"control"_s << u"is not a known identifier\n"_s;
    QTest::newRow("control character in the name is escaped, not sent to the terminal")
        << QStringList{u"Bo\x1b[2Jld"_s} << 1 << QStringList() << u"control"_s
        << u"talpora-cli: \"Bo\\x1b[2Jld\" is not a known identifier"_s;
    QTest::newRow("no identifier")
        << QStringList() << 2 << QStringList() << u"control"_s
        << u"talpora-cli: lookup: give one identifier\nTry 'talpora-cli --help'"_s;
    QTest::newRow("unknown application")
        << QStringList{u"Paste"_s, u"--app"_s, u"outlok"_s} << 2 << QStringList() << u"control"_s
        << u"talpora-cli: lookup: --app: unknown application 'outlok'\n"_s;
    QTest::newRow("unknown version")
        << QStringList{u"Paste"_s, u"--version=2010"_s} << 2 << QStringList() << u"control"_s
        << u"talpora-cli: lookup: --version: unknown version '2010'\n"_s;
    QTest::newRow("option twice") << QStringList{u"Paste"_s, u"--app"_s, u"word"_s, u"--app"_s,
                                                 u"excel"_s}
                                  << 2 << QStringList() << u"control"_s
                                  << u"talpora-cli: lookup: --app given twice\n"_s;
}

void TestLookup::lookup()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, outLines);
    QFETCH(QString, absent);
    QFETCH(QString, err);

    const CliRun result = runCli(QStringList{u"lookup"_s} + arguments);
    QCOMPARE(result.status, status);
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : outLines)
        QVERIFY2(lines.contains(line), qPrintable(line + u"\nnot in\n"_s + result.out));
    if (!absent.isEmpty())
        QVERIFY2(!result.out.contains(absent), qPrintable(result.out));
    QVERIFY2(err.isEmpty() ? result.err.isEmpty() : result.err.contains(err),
             qPrintable(result.err));

    // Every catalogue position leads to a snippet that ends at the identifier.
    for (const QString& line : lines) {
        const QStringList fields = line.split(u'\t');
        QCOMPARE(fields.size(), fields[0] == u"control"_s ? 6 : 4);
        if (fields[0] != u"catalogue"_s)
            continue;
        const CliRun snippet = runCli({u"snippet"_s, fields[1], fields[2]});
        QCOMPARE(snippet.status, 0);
        const QString identifier = fields[3].section(u" > "_s, -1);
        const QString lastElement = snippet.out.section(u"idMso=\""_s, -1).section(u'"', 0, 0);
        QCOMPARE(lastElement, identifier);
        QVERIFY(arguments[0].compare(identifier, Qt::CaseInsensitive) == 0);
    }
}

QTEST_APPLESS_MAIN(TestLookup)
#include "tst_lookup.moc"
