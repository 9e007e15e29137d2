#include "CliRun.h"
#include "TestDocuments.h"
#include "cli/CliCommands.h"
#include "viewer/core/ViewerSession.h"
#include "xml/ByteSource.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;
using namespace talpora;
using namespace talpora::test;

namespace {

CliRun run(const QStringList& arguments)
{
    return runCli(arguments);
}

// Positions: 1 tabs, 2 tab, 3 group, 4 button.
const QByteArray ribbon = "<tabs>\n"
                          "  <tab idMso=\"TabHome\" label=\"开始\">\n"
                          "    <group idMso=\"GroupClipboard\" label=\"剪贴板\">\n"
                          "      <button idMso=\"Paste\" label=\"粘贴\"/>\n"
                          "    </group>\n"
                          "  </tab>\n"
                          "</tabs>\n";

// Runs a program as the user would: a process of its own.
struct Outcome
{
    int status;
    QString out;
    QString err;
};

Outcome start(const QStringList& arguments,
              const QString& program = QStringLiteral(TALPORA_CLI_PATH),
              const QString& outputFile = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(program, arguments);
    if (!process.waitForFinished(30'000) || process.exitStatus() != QProcess::NormalExit)
        return Outcome{-1, {}, process.errorString()};
    return Outcome{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                   QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void entries();
    void treeOfEntry();
    void treeEscapesFields();
    void unloadableSource_data();
    void unloadableSource();
    void treesAreAsRecorded_data();
    void treesAreAsRecorded();
    void snippet();
    void snippetRejects_data();
    void snippetRejects();
    void find_data();
    void find();
    void usage_data();
    void usage();
    void helpAndVersion_data();
    void helpAndVersion();
    void executable();
    void executableOnPosix();

private:
    QTemporaryDir m_dir;
    QString m_ribbon;
};

void TestCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_ribbon = writeFile(m_dir, u"ribbon.xml"_s, ribbon);
    QVERIFY(!m_ribbon.isEmpty());
}

void TestCli::entries()
{
    const CliRun result = run({u"entries"_s});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    QVERIFY(result.out.endsWith(u'\n'));
    const QStringList lines = result.out.chopped(1).split(u'\n');
    QCOMPARE(lines.size(), 57);
    const QRegularExpression format(u"^(\\d+)\\t(\\d+)\\t([A-Za-z]+_2013_[A-Za-z]+_(cn|en|jp))$"_s);
    for (int index = 0; index < lines.size(); ++index) {
        const QRegularExpressionMatch match = format.match(lines[index]);
        QVERIFY2(match.hasMatch(), qPrintable(lines[index]));
        QCOMPARE(match.captured(1).toInt(), index);
        QCOMPARE(match.captured(2).toInt(), index + 101);
    }
    QCOMPARE(lines[0], u"0\t101\tAccess_2013_backstage_cn"_s);
    QCOMPARE(lines[24], u"24\t125\tExcel_2013_tabs_cn"_s);
    QCOMPARE(lines[56], u"56\t157\tWord_2013_tabs_jp"_s);
}

void TestCli::treeOfEntry()
{
    const CliRun result = run({u"tree"_s, u"Access_2013_qat_en"_s});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    const QStringList lines = result.out.chopped(1).split(u'\n');
    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadCatalogueEntry(4)), QString());
    QCOMPARE(lines.size(), qsizetype(session.tree()->size()));
    QCOMPARE(lines[0], u"1\tk_1\t0\t1\tred\tqat\t<qat>"_s);
    QCOMPARE(lines[1], u"2\tk_2\t1\t2\tblue\tsharedControls|\t<sharedControls>"_s);
    QCOMPARE(lines[2], u"3\tk_3\t2\t2\tdefault\t%1\t%2"_s.arg(session.tree()->tag(3),
                                                              session.tree()->text(3)));
    for (const QString& line : lines)
        QCOMPARE(line.count(u'\t'), 6);

    // No file of that name exists, so any letter case means the entry.
    QCOMPARE(run({u"tree"_s, u"access_2013_QAT_EN"_s}).out, result.out);
}

void TestCli::treeEscapesFields()
{
    const QString path = writeFile(m_dir, u"escapes.xml"_s,
                                   "<r a=\"x&#9;y&#10;z&#13;w\\v&#133;&#x2028;\">"
                                   "<b idMso=\"t&#9;a\\b\" label=\"中文\"/></r>");
    const CliRun result = run({u"tree"_s, path});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out,
             u"1\tk_1\t0\t1\tred\tr\t<r a=\"x\\ty\\nz\\rw\\\\v\\x85\\u2028\">\n"
             "2\tk_2\t1\t2\tblue\tb|t\\ta\\\\b\t<b idMso=\"t\\ta\\\\b\" label=\"中文\">\n"_s);
}

void TestCli::unloadableSource_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("input"); // what "-" reads; empty: an empty file
    const QString missing = m_dir.filePath(u"missing.xml"_s);
    const QString broken = writeFile(m_dir, u"broken.xml"_s, "<tabs>\n<tab></tabs>");
    QTest::newRow("tree of a missing file")
        << QStringList{u"tree"_s, missing} << u"file not found"_s << QString();
    QTest::newRow("tree of a malformed file")
        << QStringList{u"tree"_s, broken} << u"line 2, "_s << QString();
    QTest::newRow("tree of a directory")
        << QStringList{u"tree"_s, m_dir.path()} << u"directory"_s << QString();
    QTest::newRow("snippet of a missing file")
        << QStringList{u"snippet"_s, missing, u"1"_s} << u"file not found"_s << QString();
    QTest::newRow("find in a malformed file")
        << QStringList{u"find"_s, broken, u"tab"_s} << u"line 2, "_s << QString();
    QTest::newRow("control characters of the file reach no terminal")
        << QStringList{u"tree"_s,
                       writeFile(m_dir, u"escape.xml"_s,
                                 "<?xml version=\"1.0\" encoding=\"x\x1b[2J\x07\"?><r/>")}
        << u"unsupported encoding \u201Cx\u241B[2J\u2407\u201D\n"_s << QString();
    QTest::newRow("unknown entry name")
        << QStringList{u"tree"_s, u"Excel_2013_tabs_xx"_s} << u"file not found"_s << QString();
    QTest::newRow("empty standard input")
        << QStringList{u"tree"_s, u"-"_s} << u"cannot load \u201C<stdin>\u201D: not XML"_s
        << QString();
    QTest::newRow("after --, -h is a file name")
        << QStringList{u"tree"_s, u"--"_s, u"-h"_s} << u"\u201C-h\u201D: file not found"_s
        << QString();
    QTest::newRow("endless device as standard input: refused before reading")
        << QStringList{u"tree"_s, u"-"_s} << u"\u201C<stdin>\u201D: not a regular file"_s
        << (QSysInfo::kernelType() == u"winnt"_s ? u"NUL"_s : u"/dev/zero"_s);
    if (QSysInfo::kernelType() == u"winnt"_s)
        return;
    // Sparse: larger than any document, without taking the disk's room.
    const QString huge = m_dir.filePath(u"huge.xml"_s);
    QFile hugeFile(huge);
    QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(qint64(largestDocument) + 1));
    hugeFile.close();
    QTest::newRow("file larger than any document")
        << QStringList{u"find"_s, huge, u"x"_s} << u"too large to load"_s << QString();
    QTest::newRow("standard input larger than any document")
        << QStringList{u"tree"_s, u"-"_s} << u"\u201C<stdin>\u201D: the document is too large"_s
        << huge;
    const QString fifo = m_dir.filePath(u"fifo.xml"_s);
    QCOMPARE(QProcess::execute(u"mkfifo"_s, {fifo}), 0);
    QTest::newRow("callbacks of a named pipe: refused, not waited on")
        << QStringList{u"callbacks"_s, fifo} << u"fifo.xml: not a regular file\n"_s << QString();
}

void TestCli::unloadableSource()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QFETCH(QString, input);
    using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
    const File in(input.isEmpty() ? std::tmpfile()
                                  : std::fopen(QFile::encodeName(input).constData(), "rb"),
                  &std::fclose);
    const CliRun result = runCli(arguments, in.get());
    QCOMPARE(result.status, 2);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
}

// tree-digests.tsv holds, per catalogue entry and per sample file, the
// SHA-256 of its "tree" output as recorded before the loader was rewritten:
// every node's position, key, depth, picture, colour, tag and text must stay.
void TestCli::treesAreAsRecorded_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QByteArray>("digest");
    const QDir data(QStringLiteral(TALPORA_TEST_DATA "/equivalence"));
    QFile digests(data.filePath(u"tree-digests.tsv"_s));
    QVERIFY(digests.open(QIODevice::ReadOnly | QIODevice::Text));
    int rows = 0;
    while (!digests.atEnd()) {
        const QList<QByteArray> fields = digests.readLine().trimmed().split('\t');
        QVERIFY(fields.size() == 2);
        const QString name = QString::fromUtf8(fields[0]);
        const QString source = name.endsWith(u".xml"_s) ? data.filePath(name) : name;
        QTest::newRow(fields[0].constData()) << source << fields[1];
        ++rows;
    }
    QCOMPARE(rows, 61);
}

void TestCli::treesAreAsRecorded()
{
    QFETCH(QString, source);
    QFETCH(QByteArray, digest);
    const CliRun result = run({u"tree"_s, source});
    QCOMPARE(result.status, 0);
    QCOMPARE(QCryptographicHash::hash(result.out.toUtf8(), QCryptographicHash::Sha256).toHex(),
             digest);
}

void TestCli::snippet()
{
    CliRun result = run({u"snippet"_s, m_ribbon, u"3"_s});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out,
             u"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">\n"
             "\t<ribbon startFromScratch=\"false\">\n"
             "\t\t<tabs>\n"
             "\t\t\t<tab idMso=\"TabHome\">\n"
             "\t\t\t\t<group idMso=\"GroupClipboard\"/>\n"
             "\t\t\t</tab>\n"
             "\t\t</tabs>\n"
             "\t</ribbon>\n"
             "</customUI>\n"_s);

    ViewerSession session(u"Talpora"_s);
    QCOMPARE(describe(session.loadCatalogueEntry(19)), QString());
    const NodeTree::Position last = session.tree()->size();
    result = run({u"snippet"_s, u"Excel_2013_qat_en"_s, QString::number(last)});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, session.snippetFor(last).text + u"\n"_s);
}

void TestCli::snippetRejects_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("position");
    QTest::newRow("zero") << m_ribbon << u"0"_s;
    QTest::newRow("one past the last") << m_ribbon << u"5"_s;
    QTest::newRow("negative") << m_ribbon << u"-1"_s;
    QTest::newRow("not a number") << m_ribbon << u"abc"_s;
    QTest::newRow("empty") << m_ribbon << QString();
    QTest::newRow("fraction") << m_ribbon << u"1.5"_s;
    QTest::newRow("wraps 32 bits") << m_ribbon << u"4294967297"_s;
    QTest::newRow("huge") << m_ribbon << u"99999999999999999999999"_s;
    QTest::newRow("plus sign") << m_ribbon << u"+2"_s;
    QTest::newRow("blank before") << m_ribbon << u" 2"_s;
    QTest::newRow("root without an area")
        << writeFile(m_dir, u"plain.xml"_s, "<root><a/></root>") << u"2"_s;
    // One TAB per level: 5,000 levels would need 25 million of them.
    QTest::newRow("deeper than a snippet may grow")
        << writeFile(m_dir, u"deep.xml"_s,
                     "<tabs>" + QByteArray("<e>").repeated(5000) +
                         QByteArray("</e>").repeated(5000) + "</tabs>")
        << u"5001"_s;
}

void TestCli::snippetRejects()
{
    QFETCH(QString, source);
    QFETCH(QString, position);
    const CliRun result = run({u"snippet"_s, source, position});
    QCOMPARE(result.status, 2);
    QCOMPARE(result.out, QString());
    QVERIFY(!result.err.isEmpty());
    QVERIFY(!result.err.startsWith(u"usage"_s));
}

void TestCli::find_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the source
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");

    QTest::newRow("first hit") << QStringList{u"TabHome"_s} << 0 << u"2\n"_s;
    QTest::newRow("other case") << QStringList{u"IDMSO"_s} << 0 << u"2\n"_s;
    QTest::newRow("after a position")
        << QStringList{u"idmso"_s, u"--after"_s, u"2"_s} << 0 << u"3\n"_s;
    QTest::newRow("Chinese") << QStringList{u"粘贴"_s} << 0 << u"4\n"_s;
    QTest::newRow("blank inside") << QStringList{u"button idMso"_s} << 0 << u"4\n"_s;
    QTest::newRow("no hit") << QStringList{u"nothing"_s} << 1 << QString();
    QTest::newRow("empty keyword") << QStringList{QString()} << 1 << QString();
    QTest::newRow("root is never a hit") << QStringList{u"tabs"_s} << 1 << QString();
    QTest::newRow("no wrap") << QStringList{u"group"_s, u"--after"_s, u"3"_s} << 1 << QString();
    QTest::newRow("after the last node")
        << QStringList{u"<"_s, u"--after"_s, u"4"_s} << 1 << QString();
    QTest::newRow("after a position, one argument")
        << QStringList{u"idmso"_s, u"--after=2"_s} << 0 << u"3\n"_s;
    QTest::newRow("after a position past the end")
        << QStringList{u"tab"_s, u"--after"_s, u"9"_s} << 1 << QString();
    const QString tabLine =
        u"2\tk_2\t1\t2\tblue\ttab|TabHome\t<tab idMso=\"TabHome\" label=\"开始\">\n"_s;
    const QString groupLine = u"3\tk_3\t2\t2\tdefault\tgroup|GroupClipboard\t"
                              "<group idMso=\"GroupClipboard\" label=\"剪贴板\">\n"_s;
    const QString buttonLine =
        u"4\tk_4\t3\t2\tdefault\tbutton|Paste\t<button idMso=\"Paste\" label=\"粘贴\">\n"_s;
    QTest::newRow("all hits") << QStringList{u"IDMSO"_s, u"--all"_s} << 0
                              << tabLine + groupLine + buttonLine;
    QTest::newRow("all hits after a position")
        << QStringList{u"idmso"_s, u"--all"_s, u"--after"_s, u"2"_s} << 0 << groupLine + buttonLine;
    QTest::newRow("all hits, one") << QStringList{u"paste"_s, u"--all"_s} << 0 << buttonLine;
    QTest::newRow("all hits, none") << QStringList{u"nothing"_s, u"--all"_s} << 1 << QString();
    QTest::newRow("keyword after --, though it looks like an option")
        << QStringList{u"--"_s, u"--all"_s} << 1 << QString();
    QTest::newRow("all hits, Chinese") << QStringList{u"剪贴板"_s, u"--all"_s} << 0 << groupLine;
}

void TestCli::find()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    const CliRun result = run(QStringList{u"find"_s, m_ribbon} + arguments);
    QCOMPARE(result.status, status);
    QCOMPARE(result.out, out);
    QCOMPARE(result.err, QString());
    // "-": the same document from standard input.
    const CliRun piped = runCli(QStringList{u"find"_s, u"-"_s} + arguments, ribbon);
    QCOMPARE(piped.status, status);
    QCOMPARE(piped.out, out);
    QCOMPARE(piped.err, QString());
}

void TestCli::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("what"); // the first line of standard error
    const QString source = m_ribbon;
    const QString tab = u"tab"_s;
    QTest::newRow("nothing") << QStringList() << u"no command given"_s;
    QTest::newRow("unknown command")
        << QStringList{u"frobnicate"_s} << u"unknown command 'frobnicate'"_s;
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << u"unknown option '--bogus'"_s;
    QTest::newRow("control characters of an argument reach no terminal")
        << QStringList{u"x\x1b]0;t\x07"_s} << u"unknown command 'x\\x1b]0;t\\x07'"_s;
    QTest::newRow("flag with a value")
        << QStringList{u"find"_s, source, tab, u"--all=yes"_s} << u"find: --all takes no value"_s;
    QTest::newRow("command in capitals")
        << QStringList{u"ENTRIES"_s} << u"unknown command 'ENTRIES'"_s;
    QTest::newRow("version with an argument")
        << QStringList{u"--version"_s, u"x"_s} << u"--version: give no argument"_s;
    QTest::newRow("entries with an argument")
        << QStringList{u"entries"_s, u"x"_s} << u"entries: give no argument"_s;
    QTest::newRow("tree without source") << QStringList{u"tree"_s} << u"tree: give one source"_s;
    QTest::newRow("tree with two sources")
        << QStringList{u"tree"_s, source, source} << u"tree: give one source"_s;
    QTest::newRow("snippet without position")
        << QStringList{u"snippet"_s, source} << u"snippet: give a source and a position"_s;
    QTest::newRow("snippet with two positions") << QStringList{u"snippet"_s, source, u"1"_s, u"2"_s}
                                                << u"snippet: give a source and a position"_s;
    QTest::newRow("find without keyword")
        << QStringList{u"find"_s, source} << u"find: give a source and a keyword"_s;
    QTest::newRow("find, --after without value")
        << QStringList{u"find"_s, source, tab, u"--after"_s} << u"find: --after needs a position"_s;
    QTest::newRow("find, unknown option")
        << QStringList{u"find"_s, source, tab, u"--before"_s, u"2"_s}
        << u"find: unknown option '--before'"_s;
    QTest::newRow("find, --after not a number")
        << QStringList{u"find"_s, source, tab, u"--after"_s, u"x"_s}
        << u"find: --after: invalid position 'x'"_s;
    QTest::newRow("find, --after 0: positions count from 1")
        << QStringList{u"find"_s, source, tab, u"--after"_s, u"0"_s}
        << u"find: --after: invalid position '0'"_s;
    QTest::newRow("find, --after negative")
        << QStringList{u"find"_s, source, tab, u"--after"_s, u"-1"_s}
        << u"find: --after: invalid position '-1'"_s;
    QTest::newRow("find, --after with a plus sign")
        << QStringList{u"find"_s, source, tab, u"--after=+2"_s}
        << u"find: --after: invalid position '+2'"_s;
    QTest::newRow("find, --after twice")
        << QStringList{u"find"_s, source, tab, u"--after"_s, u"1"_s, u"--after"_s, u"2"_s}
        << u"find: --after given twice"_s;
    QTest::newRow("find, --all twice")
        << QStringList{u"find"_s, source, tab, u"--all"_s, u"--all"_s}
        << u"find: --all given twice"_s;
    QTest::newRow("find, extra argument")
        << QStringList{u"find"_s, source, tab, u"--after"_s, u"1"_s, u"x"_s}
        << u"find: one argument too many: 'x'"_s;
}

void TestCli::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, what);
    const CliRun result = run(arguments);
    QCOMPARE(result.status, 2);
    QCOMPARE(result.out, QString());
    // One line that names the fault, not the whole usage.
    QCOMPARE(result.err,
             u"talpora-cli: "_s + what + u"\nTry 'talpora-cli --help' for more information.\n"_s);
}

void TestCli::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("outStart");
    QTest::newRow("--help") << QStringList{u"--help"_s} << u"usage: talpora-cli entries\n"_s;
    QTest::newRow("help") << QStringList{u"help"_s} << u"usage: talpora-cli entries\n"_s;
    QTest::newRow("-h") << QStringList{u"-h"_s} << u"usage: talpora-cli entries\n"_s;
    const QString version = u"talpora-cli 1.00\nCopyright (c) 2026 the Talpora developers\n"
                            "Licence: MIT <https://opensource.org/license/mit>\n"_s;
    QTest::newRow("tree --help: the command's own usage")
        << QStringList{u"tree"_s, u"--help"_s} << u"usage: talpora-cli tree <"_s;
    QTest::newRow("-h after operands and a wrong option")
        << QStringList{u"check"_s, u"x.xml"_s, u"--bogus"_s, u"-h"_s}
        << u"usage: talpora-cli check <"_s;
    QTest::newRow("--version") << QStringList{u"--version"_s} << version;
    QTest::newRow("-V") << QStringList{u"-V"_s} << version;
}

void TestCli::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, outStart);
    const CliRun result = run(arguments);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    QVERIFY2(result.out.startsWith(outStart), qPrintable(result.out));
    if (arguments[0].startsWith(u"--v"_s) || arguments[0] == u"-V"_s)
        QCOMPARE(result.out, outStart);
    else
        QVERIFY(result.out.contains(arguments.size() == 1 ? u"--all"_s : u"-- ends"_s));
}

void TestCli::executable()
{
    Outcome outcome = start({u"entries"_s});
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, run({u"entries"_s}).out);

    outcome = start({u"find"_s, m_ribbon, u"剪贴板"_s});
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, u"3\n"_s);

    outcome = start({u"tree"_s, m_dir.filePath(u"missing.xml"_s)});
    QCOMPARE(outcome.status, 2);
    QCOMPARE(outcome.out, QString());
    QVERIFY2(outcome.err.contains(u"file not found"_s), qPrintable(outcome.err));

    outcome = start({});
    QCOMPARE(outcome.status, 2);
    QVERIFY2(outcome.err.startsWith(u"talpora-cli: no command given\n"_s), qPrintable(outcome.err));
}

void TestCli::executableOnPosix()
{
    if (QSysInfo::kernelType() == u"winnt"_s)
        QSKIP("needs /bin/sh, file names in bytes that are not UTF-8, and /dev/full");
    Outcome outcome;
    // A name that is not UTF-8 (GBK "中文", as unpacked from a zip archive)
    // reaches the file system byte for byte; the shell's glob passes it on
    // as it is, which QProcess, encoding every argument as UTF-8, cannot.
    QVERIFY(QDir(m_dir.path()).mkdir(u"gbk"_s));
    const QByteArray gbkName = QFile::encodeName(m_dir.path()) + "/gbk/\xd6\xd0\xce\xc4.xml";
    {
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> gbkFile(
            std::fopen(gbkName.constData(), "wb"), &std::fclose);
        QVERIFY(gbkFile);
        QCOMPARE(std::fwrite(ribbon.constData(), 1, std::size_t(ribbon.size()), gbkFile.get()),
                 std::size_t(ribbon.size()));
    }
    outcome = start({u"-c"_s, u"exec \"$0\" find \"$1\"/gbk/*.xml 剪贴板"_s,
                     QStringLiteral(TALPORA_CLI_PATH), m_dir.path()},
                    u"/bin/sh"_s);
    QCOMPARE(outcome.err, QString());
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, u"3\n"_s);

    // A full disk is a write error, not a silent success.
    outcome = start({u"entries"_s}, QStringLiteral(TALPORA_CLI_PATH), u"/dev/full"_s);
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.err, u"talpora-cli: write error: No space left on device\n"_s);
}

QTEST_APPLESS_MAIN(TestCli)
#include "tst_cli.moc"
