// Runs the real Quillet without a display, in a folder of its own, against a stand-in
// regsvr32 that records how it was called.
#include "registrar/platform/posix/PosixCommandRunner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

const QString standInScript = uR"sh(#!/bin/sh
# One line per call: working directory, then each argument after a "|".
{ printf '%s' "$(pwd -P)"; for argument in "$@"; do printf '|%s' "$argument"; done; echo; } >> "$STANDIN_LOG"
# Nothing is registered yet, so every unregistration fails.
[ "$1" = /u ] && exit 3
[ "$2" = "$STANDIN_FAIL" ] && exit 5
exit 0
)sh"_s;

// A tool of the same name lying in the component folder, reached only through a relative
// entry of the PATH.
const QString plantedScript = uR"sh(#!/bin/sh
echo "planted tool ran" >> "$STANDIN_LOG"
)sh"_s;

// A tool that never ends, with a child of its own that must end with it.
const QString hangingScript = uR"sh(#!/bin/sh
sleep 30 &
echo $! > "$1"
wait
)sh"_s;

bool writeScript(const QString& path, const QString& text)
{
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly) || script.write(text.toUtf8()) < 0)
        return false;
    return script.setPermissions(script.permissions() | QFile::ExeOwner | QFile::ExeGroup |
                                 QFile::ExeOther);
}

struct Outcome
{
    int exitCode = -1;
    QStringList out;
    QStringList err;
};

QStringList linesOf(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class TestRegistrarEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void registersTheFilesOfItsOwnFolder();
    void emptyFolderDoesNothing();
    void missingToolIsReportedOnce_data();
    void missingToolIsReportedOnce();
    void argumentsOnlyShowTheUsage_data();
    void argumentsOnlyShowTheUsage();
    void hungToolIsEndedWithItsChildren();

private:
    QString path(const QString& name) const { return root_.filePath(name); }
    // A folder holding a copy of Quillet and empty files with the given names.
    QString makeProgramFolder(const QString& name, const QStringList& files) const;
    QString makeStandInFolder() const;
    // Runs with no language set (the C locale) unless `language` sets LANGUAGE.
    Outcome runQuillet(const QString& folder, const QString& searchPath,
                       const QStringList& arguments = {}, const QString& language = {}) const;
    QStringList recordedCalls() const;

    QTemporaryDir root_;
};

void TestRegistrarEndToEnd::initTestCase()
{
    QVERIFY(root_.isValid());
    QVERIFY2(QFile::exists(QStringLiteral(QUILLET_EXECUTABLE)), QUILLET_EXECUTABLE);
    QVERIFY(QDir(root_.path()).mkdir(u"elsewhere"_s));
}

QString TestRegistrarEndToEnd::makeProgramFolder(const QString& name,
                                                 const QStringList& files) const
{
    const QString folder = path(name);
    if (!QDir().mkpath(folder) ||
        !QFile::copy(QStringLiteral(QUILLET_EXECUTABLE), folder + u"/Quillet"_s))
        return {};
    for (const QString& file : files) {
        QFile component(folder + u'/' + file);
        if (!component.open(QIODevice::WriteOnly))
            return {};
    }
    return QDir(folder).canonicalPath();
}

QString TestRegistrarEndToEnd::makeStandInFolder() const
{
    const QString folder = path(u"bin"_s);
    QDir().mkpath(folder);
    return writeScript(folder + u"/regsvr32"_s, standInScript) ? folder : QString();
}

Outcome TestRegistrarEndToEnd::runQuillet(const QString& folder, const QString& searchPath,
                                          const QStringList& arguments,
                                          const QString& language) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    // The system's messages stay in English whatever LANGUAGE says.
    for (const QString& variable : {u"LANGUAGE"_s, u"LC_MESSAGES"_s, u"LANG"_s})
        environment.remove(variable);
    environment.insert(u"LC_ALL"_s, u"C"_s);
    if (!language.isEmpty())
        environment.insert(u"LANGUAGE"_s, language);
    environment.insert(u"PATH"_s, searchPath);
    environment.insert(u"STANDIN_LOG"_s, path(u"calls.log"_s));
    environment.insert(u"STANDIN_FAIL"_s, u"./e.dll"_s);

    // A test that failed halfway may have left calls behind.
    QFile::remove(path(u"calls.log"_s));
    QProcess quillet;
    quillet.setProcessEnvironment(environment);
    quillet.setWorkingDirectory(path(u"elsewhere"_s));
    quillet.start(folder + u"/Quillet"_s, arguments);
    Outcome outcome;
    if (!quillet.waitForFinished(60'000) || quillet.exitStatus() != QProcess::NormalExit)
        return outcome;
    outcome.exitCode = quillet.exitCode();
    outcome.out = linesOf(quillet.readAllStandardOutput());
    outcome.err = linesOf(quillet.readAllStandardError());
    return outcome;
}

QStringList TestRegistrarEndToEnd::recordedCalls() const
{
    QFile log(path(u"calls.log"_s));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    const QStringList calls = linesOf(log.readAll());
    log.close();
    log.remove();
    return calls;
}

void TestRegistrarEndToEnd::registersTheFilesOfItsOwnFolder()
{
    const QString app = makeProgramFolder(
        u"app"_s, {u"e.dll"_s, u"b c.ocx"_s, u"D.DLL"_s, u"a.ocx"_s, u".hidden.ocx"_s,
                   u"notes.txt"_s, u"a.ocx.bak"_s, u"-u.dll"_s, u"esc\x1b[2K.ocx"_s});
    QVERIFY(!app.isEmpty());
    QVERIFY(QDir(app).mkdir(u"folder.dll"_s));
    QVERIFY(QFile::link(app + u"/missing"_s, app + u"/broken.ocx"_s));
    QVERIFY(writeScript(app + u"/regsvr32"_s, plantedScript));
    const QString standIn = makeStandInFolder();
    QVERIFY(!standIn.isEmpty());

    // Empty and relative entries would name the component folder once Quillet is in it.
    const Outcome outcome =
        runQuillet(app, u":.:"_s + standIn + u':' + qEnvironmentVariable("PATH"));

    QCOMPARE(outcome.exitCode, 1);
    QStringList expectedCalls;
    for (const QString& name :
         {u"a.ocx"_s, u"b c.ocx"_s, u"esc\x1b[2K.ocx"_s, u"-u.dll"_s, u"D.DLL"_s, u"e.dll"_s})
        expectedCalls << app + u"|/u|/s|./"_s + name << app + u"|/s|./"_s + name;
    QCOMPARE(recordedCalls(), expectedCalls);
    QCOMPARE(outcome.out,
             (QStringList{u"注册a.ocx成功!"_s, u"注册b c.ocx成功!"_s, u"注册esc\\x1b[2K.ocx成功!"_s,
                          u"注册-u.dll成功!"_s, u"注册D.DLL成功!"_s}));
    QCOMPARE(outcome.err, QStringList{u"注册e.dll失败!（Regsvr32 退出代码 5）"_s});
}

void TestRegistrarEndToEnd::emptyFolderDoesNothing()
{
    const QString app = makeProgramFolder(u"empty"_s, {u"readme.txt"_s});
    QVERIFY(!app.isEmpty());
    const QString standIn = makeStandInFolder();
    QVERIFY(!standIn.isEmpty());

    const Outcome outcome = runQuillet(app, standIn + u':' + qEnvironmentVariable("PATH"));

    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(recordedCalls(), QStringList());
    QCOMPARE(outcome.out, QStringList());
    QCOMPARE(outcome.err, QStringList());
}

void TestRegistrarEndToEnd::missingToolIsReportedOnce_data()
{
    QTest::addColumn<QString>("language"); // LANGUAGE
    QTest::addColumn<QString>("report");
    QTest::newRow("no language") << QString()
                                 << u"无法启动注册工具 Regsvr32：No such file or directory"_s;
    QTest::newRow("English") << u"en_GB"_s
                             << u"Cannot start the registration tool Regsvr32: No such file or "
                                "directory"_s;
    QTest::newRow("Japanese, then English")
        << u"ja:en"_s << u"登録ツール Regsvr32 を起動できません: No such file or directory"_s;
}

void TestRegistrarEndToEnd::missingToolIsReportedOnce()
{
    QFETCH(QString, language);
    QFETCH(QString, report);
    const QString app =
        makeProgramFolder(u"notool "_s + QString::fromLatin1(QTest::currentDataTag()),
                          {u"a.ocx"_s, u"b.ocx"_s, u"c.dll"_s});
    QVERIFY(!app.isEmpty());
    const QString noTools = path(u"nothing"_s);
    QVERIFY(QDir().mkpath(noTools));

    const Outcome outcome = runQuillet(app, noTools, {}, language);

    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QStringList());
    // The tool is named once, by the report; the reason is the system's.
    QCOMPARE(outcome.err, QStringList{report});
}

void TestRegistrarEndToEnd::argumentsOnlyShowTheUsage_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("--help") << QStringList{u"--help"_s};
    QTest::newRow("a component's name") << QStringList{u"a.ocx"_s};
    QTest::newRow("an empty argument") << QStringList{QString()};
}

void TestRegistrarEndToEnd::argumentsOnlyShowTheUsage()
{
    QFETCH(QStringList, arguments);
    const QString app =
        makeProgramFolder(u"usage "_s + QString::fromLatin1(QTest::currentDataTag()), {u"a.ocx"_s});
    QVERIFY(!app.isEmpty());
    const QString standIn = makeStandInFolder();
    QVERIFY(!standIn.isEmpty());

    const Outcome outcome =
        runQuillet(app, standIn + u':' + qEnvironmentVariable("PATH"), arguments);

    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(recordedCalls(), QStringList());
    QCOMPARE(outcome.out, QStringList());
    QVERIFY(!outcome.err.isEmpty());
    QVERIFY2(outcome.err.first().startsWith(u"Usage: Quillet"_s), qPrintable(outcome.err.first()));
}

void TestRegistrarEndToEnd::hungToolIsEndedWithItsChildren()
{
    const QString bin = path(u"hanging"_s);
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(writeScript(bin + u"/regsvr32"_s, hangingScript));
    const QString pidFile = path(u"child.pid"_s);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", (bin + u':' + QString::fromLocal8Bit(oldPath)).toLocal8Bit());

    quillet::PosixCommandRunner runner(std::chrono::milliseconds(300));
    const quillet::CommandResult result =
        runner.run({"Regsvr32", {pidFile.toStdString()}, root_.path().toStdString()});
    qputenv("PATH", oldPath);

    QVERIFY(result.timedOut);
    QVERIFY2(result.error.empty(), result.error.c_str());
    QFile pid(pidFile);
    QVERIFY(pid.open(QIODevice::ReadOnly));
    const pid_t child = pid.readAll().trimmed().toInt();
    QVERIFY(child > 0);
    // Its own child is ended too; init reaps it soon after.
    for (int i = 0; i < 100 && ::kill(child, 0) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QCOMPARE(::kill(child, 0), -1);
}

QTEST_GUILESS_MAIN(TestRegistrarEndToEnd)

#include "tst_registrarendtoend.moc"
