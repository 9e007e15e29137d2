// Runs the real Quillet without a display, in a folder of its own, against a stand-in
// regsvr32 that records how it was called.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
    void missingToolIsReportedOnce();

private:
    QString path(const QString& name) const { return root_.filePath(name); }
    // A folder holding a copy of Quillet and empty files with the given names.
    QString makeProgramFolder(const QString& name, const QStringList& files) const;
    QString makeStandInFolder() const;
    Outcome runQuillet(const QString& folder, const QString& searchPath) const;
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
    QFile script(folder + u"/regsvr32"_s);
    if (!script.open(QIODevice::WriteOnly) || script.write(standInScript.toUtf8()) < 0)
        return {};
    script.setPermissions(script.permissions() | QFile::ExeOwner | QFile::ExeGroup |
                          QFile::ExeOther);
    return folder;
}

Outcome TestRegistrarEndToEnd::runQuillet(const QString& folder, const QString& searchPath) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.insert(u"PATH"_s, searchPath);
    environment.insert(u"STANDIN_LOG"_s, path(u"calls.log"_s));
    environment.insert(u"STANDIN_FAIL"_s, u"e.dll"_s);

    // A test that failed halfway may have left calls behind.
    QFile::remove(path(u"calls.log"_s));
    QProcess quillet;
    quillet.setProcessEnvironment(environment);
    quillet.setWorkingDirectory(path(u"elsewhere"_s));
    quillet.start(folder + u"/Quillet"_s, {});
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
    const QString app =
        makeProgramFolder(u"app"_s, {u"e.dll"_s, u"b c.ocx"_s, u"D.DLL"_s, u"a.ocx"_s,
                                     u".hidden.ocx"_s, u"notes.txt"_s, u"a.ocx.bak"_s});
    QVERIFY(!app.isEmpty());
    QVERIFY(QDir(app).mkdir(u"folder.dll"_s));
    QVERIFY(QFile::link(app + u"/missing"_s, app + u"/broken.ocx"_s));
    const QString standIn = makeStandInFolder();
    QVERIFY(!standIn.isEmpty());

    const Outcome outcome = runQuillet(app, standIn + u':' + qEnvironmentVariable("PATH"));

    QCOMPARE(outcome.exitCode, 1);
    QStringList expectedCalls;
    for (const QString& name : {u"a.ocx"_s, u"b c.ocx"_s, u"D.DLL"_s, u"e.dll"_s})
        expectedCalls << app + u"|/u|/s|"_s + name << app + u"|/s|"_s + name;
    QCOMPARE(recordedCalls(), expectedCalls);
    QCOMPARE(outcome.out,
             (QStringList{u"注册a.ocx成功!"_s, u"注册b c.ocx成功!"_s, u"注册D.DLL成功!"_s}));
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

void TestRegistrarEndToEnd::missingToolIsReportedOnce()
{
    const QString app = makeProgramFolder(u"notool"_s, {u"a.ocx"_s, u"b.ocx"_s, u"c.dll"_s});
    QVERIFY(!app.isEmpty());
    const QString noTools = path(u"nothing"_s);
    QVERIFY(QDir().mkpath(noTools));

    const Outcome outcome = runQuillet(app, noTools);

    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QStringList());
    // The tool is named once, by the report; the reason is the system's.
    QCOMPARE(outcome.err, QStringList{u"无法启动注册工具 Regsvr32：No such file or directory"_s});
}

QTEST_GUILESS_MAIN(TestRegistrarEndToEnd)

#include "tst_registrarendtoend.moc"
