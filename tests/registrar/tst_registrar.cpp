#include "registrar/core/ComponentSelection.h"
#include "registrar/core/ProgramLocation.h"
#include "registrar/core/RegistrationRun.h"
#include "registrar/core/RegistrationTexts.h"
#include "registrar/reporting/ReportText.h"
#include "registrar/reporting/TerminalReporter.h"
#include "translations/Translations.h"

#include <QTest>
#include <map>
#include <set>
#include <sstream>

using namespace quillet;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(talpora::InterfaceLanguage)

namespace {

const ProgramLocation program{"/opt/tools", "Quillet"};

// Everything the run does, in order, as one log: listings, commands and reports.
struct EventLog
{
    QStringList events;

    void add(const std::string& event) { events.append(QString::fromStdString(event)); }
};

class FakeLister : public DirectoryLister
{
public:
    explicit FakeLister(EventLog& log) : log_(log) {}

    Listing list(const std::string& folder) override
    {
        log_.add("list " + folder);
        return listing;
    }

    Listing listing;

private:
    EventLog& log_;
};

class FakeRunner : public CommandRunner
{
public:
    explicit FakeRunner(EventLog& log) : log_(log) {}

    CommandResult run(const Command& command) override
    {
        log_.add("run " + command.text() + " @" + command.workingDirectory);
        commands.push_back(command);
        if (startsLeft == 0)
            return {0, "No such file or directory"};
        --startsLeft;
        if (hanging.contains(command.text()))
            return {0, {}, true};
        const auto code = exitCodes.find(command.text());
        return {code == exitCodes.end() ? 0 : code->second, {}};
    }

    std::map<std::string, int> exitCodes;
    // Commands that do not end within the time limit.
    std::set<std::string> hanging;
    // How many commands start before the tool disappears.
    int startsLeft = 1000;
    std::vector<Command> commands;

private:
    EventLog& log_;
};

class FakeReporter : public Reporter
{
public:
    explicit FakeReporter(EventLog& log) : log_(log) {}

    void show(const Report& report) override
    {
        log_.add("show " + reportText(report));
        reports.push_back(report);
    }

    std::vector<Report> reports;

private:
    EventLog& log_;
};

DirectoryEntry file(const std::string& name)
{
    return {name, EntryKind::RegularFile, false, false};
}

// A run over fakes that share one event log.
struct Harness
{
    EventLog log;
    FakeLister lister{log};
    FakeRunner runner{log};
    FakeReporter reporter{log};

    RunSummary run() { return RegistrationRun(lister, runner, reporter).run(program); }
};

QStringList filesHandled(const std::string& name, const std::string& report)
{
    return {QString::fromStdString("run Regsvr32 /u /s ./" + name + " @/opt/tools"),
            QString::fromStdString("run Regsvr32 /s ./" + name + " @/opt/tools"),
            QString::fromStdString("show " + report)};
}

} // namespace

class TestRegistrar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void handlesOcxFilesFirstThenDll();
    void emptyFolderShowsNothing();
    void nameWithSpacesStaysOneArgument();
    void failedRegistrationIsReportedAsFailure();
    void failedUnregistrationIsHarmless();
    void missingToolStopsWithOneMessage_data();
    void missingToolStopsWithOneMessage();
    void unreadableFolderStopsTheRun();

    void selectsOrdinaryComponentFiles_data();
    void selectsOrdinaryComponentFiles();
    void quotesArgumentsForTheWindowsCommandLine_data();
    void quotesArgumentsForTheWindowsCommandLine();
    void reportTexts_data();
    void reportTexts();
    void locatesProgramFolder_data();
    void locatesProgramFolder();
    void terminalReporterSendsFailuresToErrorStream();
};

// Quillet speaks Chinese where the system names no language, as these tests' texts do.
void TestRegistrar::initTestCase()
{
    QVERIFY(talpora::installTranslations(talpora::InterfaceLanguage::Chinese, {u"quillet"_s}));
}

void TestRegistrar::cleanup()
{
    talpora::installTranslations(talpora::InterfaceLanguage::Chinese, {u"quillet"_s});
}

void TestRegistrar::handlesOcxFilesFirstThenDll()
{
    Harness harness;
    harness.lister.listing.entries = {file("x.dll"), file("MSCOMCTL.OCX"), file("c.Dll"),
                                      file("VsMenu.ocx")};

    const RunSummary summary = harness.run();

    QStringList expected{u"list /opt/tools"_s};
    expected << filesHandled("MSCOMCTL.OCX", "注册MSCOMCTL.OCX成功!")
             << filesHandled("VsMenu.ocx", "注册VsMenu.ocx成功!") << u"list /opt/tools"_s
             << filesHandled("x.dll", "注册x.dll成功!") << filesHandled("c.Dll", "注册c.Dll成功!");
    QCOMPARE(harness.log.events, expected);
    QCOMPARE(summary.registered, 4);
    QCOMPARE(summary.exitCode(), 0);
}

void TestRegistrar::emptyFolderShowsNothing()
{
    Harness harness;
    harness.lister.listing.entries = {file("readme.txt"), file("Quillet")};

    const RunSummary summary = harness.run();

    QVERIFY(harness.runner.commands.empty());
    QVERIFY(harness.reporter.reports.empty());
    QCOMPARE(summary.exitCode(), 0);
}

void TestRegistrar::nameWithSpacesStaysOneArgument()
{
    Harness harness;
    harness.lister.listing.entries = {file("b c.ocx")};

    harness.run();

    QCOMPARE(harness.runner.commands.size(), 2u);
    const Command& unregister = harness.runner.commands[0];
    const Command& registration = harness.runner.commands[1];
    QCOMPARE(unregister.arguments, (std::vector<std::string>{"/u", "/s", "./b c.ocx"}));
    QCOMPARE(registration.arguments, (std::vector<std::string>{"/s", "./b c.ocx"}));
    QCOMPARE(registration.text(), std::string("Regsvr32 /s \"./b c.ocx\""));
    QCOMPARE(reportText(harness.reporter.reports.at(0)), std::string("注册b c.ocx成功!"));
}

void TestRegistrar::failedRegistrationIsReportedAsFailure()
{
    Harness harness;
    harness.lister.listing.entries = {file("a.ocx"), file("e.dll"), file("h.dll"), file("f.dll")};
    harness.runner.exitCodes["Regsvr32 /s ./e.dll"] = 5;
    harness.runner.hanging.insert("Regsvr32 /u /s ./h.dll");

    const RunSummary summary = harness.run();

    const std::vector<Report>& reports = harness.reporter.reports;
    QCOMPARE(reports.size(), 4u);
    QCOMPARE(reports[0].kind, ReportKind::Registered);
    QCOMPARE(reports[1].kind, ReportKind::RegistrationFailed);
    QCOMPARE(reportText(reports[1]), std::string("注册e.dll失败!（Regsvr32 退出代码 5）"));
    // A hung tool fails its file; nothing more is tried with it.
    QCOMPARE(reports[2].kind, ReportKind::RegistrationTimedOut);
    QVERIFY(reports[2].isFailure());
    QCOMPARE(reportText(reports[2]),
             std::string("注册h.dll失败!（Regsvr32 超过 60 秒没有结束，已被终止）"));
    QVERIFY(!harness.log.events.contains(u"run Regsvr32 /s ./h.dll @/opt/tools"_s));
    // The files after a failure are still handled.
    QCOMPARE(reportText(reports[3]), std::string("注册f.dll成功!"));
    QCOMPARE(summary.registered, 2);
    QCOMPARE(summary.failed, 2);
    QCOMPARE(summary.exitCode(), 1);
}

void TestRegistrar::failedUnregistrationIsHarmless()
{
    Harness harness;
    harness.lister.listing.entries = {file("new.ocx")};
    harness.runner.exitCodes["Regsvr32 /u /s ./new.ocx"] = 3;

    const RunSummary summary = harness.run();

    QCOMPARE(harness.log.events, QStringList{u"list /opt/tools"_s}
                                     << filesHandled("new.ocx", "注册new.ocx成功!")
                                     << u"list /opt/tools"_s);
    QCOMPARE(summary.exitCode(), 0);
}

void TestRegistrar::missingToolStopsWithOneMessage_data()
{
    QTest::addColumn<int>("startsLeft");
    QTest::addColumn<QStringList>("reportsBefore");
    QTest::addColumn<int>("commandsTried");

    QTest::newRow("missing from the start") << 0 << QStringList() << 1;
    QTest::newRow("gone before a registration") << 1 << QStringList() << 2;
    QTest::newRow("gone after the first file") << 2 << QStringList{u"注册a.ocx成功!"_s} << 3;
}

void TestRegistrar::missingToolStopsWithOneMessage()
{
    QFETCH(int, startsLeft);
    QFETCH(QStringList, reportsBefore);
    QFETCH(int, commandsTried);

    Harness harness;
    harness.lister.listing.entries = {file("a.ocx"), file("b.ocx"), file("c.dll")};
    harness.runner.startsLeft = startsLeft;

    const RunSummary summary = harness.run();

    QCOMPARE(static_cast<int>(harness.runner.commands.size()), commandsTried);
    const std::vector<Report>& reports = harness.reporter.reports;
    QCOMPARE(static_cast<int>(reports.size()), reportsBefore.size() + 1);
    for (int i = 0; i < reportsBefore.size(); ++i)
        QCOMPARE(QString::fromStdString(reportText(reports[static_cast<std::size_t>(i)])),
                 reportsBefore[i]);
    QCOMPARE(reports.back().kind, ReportKind::ToolUnavailable);
    QCOMPARE(reportText(reports.back()),
             std::string("无法启动注册工具 Regsvr32：No such file or directory"));
    // The ".dll" pass never begins.
    QCOMPARE(harness.log.events.count(u"list /opt/tools"_s), 1);
    QVERIFY(summary.aborted);
    QVERIFY(summary.exitCode() != 0);
}

void TestRegistrar::unreadableFolderStopsTheRun()
{
    Harness harness;
    harness.lister.listing.error = "Permission denied";

    const RunSummary summary = harness.run();

    QVERIFY(harness.runner.commands.empty());
    QCOMPARE(harness.reporter.reports.size(), 1u);
    QCOMPARE(harness.reporter.reports[0].kind, ReportKind::FolderUnreadable);
    QCOMPARE(reportText(harness.reporter.reports[0]),
             std::string("无法读取文件夹 /opt/tools：Permission denied"));
    QVERIFY(summary.exitCode() != 0);
}

void TestRegistrar::selectsOrdinaryComponentFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("system");
    QTest::addColumn<bool>("selected");

    const int regular = static_cast<int>(EntryKind::RegularFile);
    QTest::newRow("plain") << u"a.ocx"_s << regular << false << false << true;
    QTest::newRow("upper case") << u"A.OCX"_s << regular << false << false << true;
    QTest::newRow("mixed case") << u"a.oCx"_s << regular << false << false << true;
    QTest::newRow("other extension") << u"a.dll"_s << regular << false << false << false;
    QTest::newRow("longer extension") << u"a.ocxx"_s << regular << false << false << false;
    QTest::newRow("no dot") << u"aocx"_s << regular << false << false << false;
    QTest::newRow("ocx inside the name") << u"a.ocx.bak"_s << regular << false << false << false;
    QTest::newRow("hidden") << u"a.ocx"_s << regular << true << false << false;
    QTest::newRow("system") << u"a.ocx"_s << regular << false << true << false;
    QTest::newRow("folder") << u"a.ocx"_s << static_cast<int>(EntryKind::Directory) << false
                            << false << false;
    QTest::newRow("device or broken link")
        << u"a.ocx"_s << static_cast<int>(EntryKind::Other) << false << false << false;
    QTest::newRow("the program itself") << u"quillet.OCX"_s << regular << false << false << false;
}

void TestRegistrar::selectsOrdinaryComponentFiles()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(bool, hidden);
    QFETCH(bool, system);
    QFETCH(bool, selected);

    const std::vector<DirectoryEntry> entries{
        {name.toStdString(), static_cast<EntryKind>(kind), hidden, system}};
    const std::vector<std::string> names = selectComponents(entries, ".ocx", "Quillet.ocx");

    QCOMPARE(names.size(), selected ? 1u : 0u);
}

void TestRegistrar::quotesArgumentsForTheWindowsCommandLine_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("quoted");

    QTest::newRow("plain") << u"MSCOMCTL.OCX"_s << u"MSCOMCTL.OCX"_s;
    QTest::newRow("backslashes alone") << u"a\\b\\"_s << u"a\\b\\"_s;
    QTest::newRow("space") << u"b c.ocx"_s << u"\"b c.ocx\""_s;
    QTest::newRow("tab") << u"b\tc.ocx"_s << u"\"b\tc.ocx\""_s;
    QTest::newRow("empty") << QString() << u"\"\""_s;
    QTest::newRow("quote") << u"say \"hi\""_s << u"\"say \\\"hi\\\"\""_s;
    QTest::newRow("backslash before quote") << u"a\\\"b"_s << u"\"a\\\\\\\"b\""_s;
    QTest::newRow("trailing backslash") << u"C:\\my dir\\"_s << u"\"C:\\my dir\\\\\""_s;
    QTest::newRow("chinese") << u"控件 一.ocx"_s << u"\"控件 一.ocx\""_s;
}

void TestRegistrar::quotesArgumentsForTheWindowsCommandLine()
{
    QFETCH(QString, argument);
    QFETCH(QString, quoted);

    QCOMPARE(QString::fromStdString(quoteArgument(argument.toStdString())), quoted);
}

void TestRegistrar::reportTexts_data()
{
    QTest::addColumn<talpora::InterfaceLanguage>("language");
    QTest::addColumn<QStringList>("texts"); // registered, failed, timed out, no tool, no folder

    QTest::newRow("Chinese") << talpora::InterfaceLanguage::Chinese
                             << QStringList{
                                    u"注册VsMenu.OCX成功!"_s,
                                    u"注册x.dll失败!（Regsvr32 退出代码 -1）"_s,
                                    u"注册h.dll失败!（Regsvr32 超过 60 秒没有结束，已被终止）"_s,
                                    u"无法启动注册工具 Regsvr32：not found"_s,
                                    u"无法读取文件夹 C:\\App：denied"_s};
    QTest::newRow("English") << talpora::InterfaceLanguage::English
                             << QStringList{
                                    u"Registered VsMenu.OCX."_s,
                                    u"Registering x.dll failed (Regsvr32 exit code -1)."_s,
                                    u"Registering h.dll failed (Regsvr32 did not end within 60 "
                                    "seconds and was ended)."_s,
                                    u"Cannot start the registration tool Regsvr32: not found"_s,
                                    u"Cannot read the folder C:\\App: denied"_s};
    QTest::newRow("Japanese") << talpora::InterfaceLanguage::Japanese
                              << QStringList{
                                     u"VsMenu.OCX を登録しました。"_s,
                                     u"x.dll の登録に失敗しました (Regsvr32 の終了コード -1)。"_s,
                                     u"h.dll の登録に失敗しました (Regsvr32 が 60 秒以内に終了しな"
                                     "かったため、強制終了しました)。"_s,
                                     u"登録ツール Regsvr32 を起動できません: not found"_s,
                                     u"フォルダー C:\\App を読み取れません: denied"_s};
}

void TestRegistrar::reportTexts()
{
    QFETCH(talpora::InterfaceLanguage, language);
    QFETCH(QStringList, texts);
    QVERIFY(talpora::installTranslations(language, {u"quillet"_s}));

    const ProgramLocation windowsProgram{"C:\\App", "Quillet.exe", '\\'};
    QCOMPARE(unregisterCommand(windowsProgram, "VsMenu.OCX").text(),
             std::string("Regsvr32 /u /s .\\VsMenu.OCX"));
    // A name that looks like a switch is still a file.
    QCOMPARE(registerCommand(windowsProgram, "-u.dll").text(),
             std::string("Regsvr32 /s .\\-u.dll"));
    QCOMPARE(registerCommand(windowsProgram, "VsMenu.OCX").workingDirectory,
             std::string("C:\\App"));
    const QStringList shown{
        QString::fromStdString(reportText(registeredReport("VsMenu.OCX"))),
        QString::fromStdString(reportText(registrationFailedReport("x.dll", -1))),
        QString::fromStdString(reportText(registrationTimedOutReport("h.dll"))),
        QString::fromStdString(reportText(toolUnavailableReport("not found"))),
        QString::fromStdString(reportText(folderUnreadableReport("C:\\App", "denied")))};
    QCOMPARE(shown, texts);
    // A name cannot forge a second report line or send terminal controls, nor
    // take the place of the next argument.
    QCOMPARE(QString::fromStdString(reportText(registeredReport("a\n%2\x1b[2K.dll"))),
             QString(texts[0]).replace(u"VsMenu.OCX"_s, u"a\\n%2\\x1b[2K.dll"_s));
}

void TestRegistrar::locatesProgramFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("separators");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("posix") << u"/opt/app/Quillet"_s << u"/"_s << u"/opt/app"_s << u"Quillet"_s;
    QTest::newRow("posix root") << u"/Quillet"_s << u"/"_s << u"/"_s << u"Quillet"_s;
    QTest::newRow("windows") << u"C:\\Program Files\\T\\Quillet.exe"_s << u"\\/"_s
                             << u"C:\\Program Files\\T"_s << u"Quillet.exe"_s;
    QTest::newRow("drive root") << u"C:\\Quillet.exe"_s << u"\\/"_s << u"C:\\"_s
                                << u"Quillet.exe"_s;
    QTest::newRow("mixed separators")
        << u"D:\\a/b\\Quillet.exe"_s << u"\\/"_s << u"D:\\a/b"_s << u"Quillet.exe"_s;
    QTest::newRow("backslash is a name character on posix")
        << u"/opt/a\\b/Quillet"_s << u"/"_s << u"/opt/a\\b"_s << u"Quillet"_s;
    QTest::newRow("bare name") << u"Quillet"_s << u"/"_s << u"."_s << u"Quillet"_s;
}

void TestRegistrar::locatesProgramFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, separators);
    QFETCH(QString, folder);
    QFETCH(QString, fileName);

    const ProgramLocation location =
        ProgramLocation::fromExecutablePath(path.toStdString(), separators.toStdString());
    QCOMPARE(QString::fromStdString(location.folder), folder);
    QCOMPARE(QString::fromStdString(location.fileName), fileName);
    QCOMPARE(location.separator, separators.front().toLatin1());
}

void TestRegistrar::terminalReporterSendsFailuresToErrorStream()
{
    std::ostringstream out;
    std::ostringstream err;
    TerminalReporter reporter(out, err);

    reporter.show(registeredReport("a.ocx"));
    reporter.show(registrationFailedReport("e.dll", 5));
    reporter.show(registeredReport("b.dll"));
    reporter.show(toolUnavailableReport("gone"));

    QCOMPARE(out.str(), std::string("注册a.ocx成功!\n注册b.dll成功!\n"));
    QCOMPARE(
        err.str(),
        std::string("注册e.dll失败!（Regsvr32 退出代码 5）\n无法启动注册工具 Regsvr32：gone\n"));
}

QTEST_GUILESS_MAIN(TestRegistrar)

#include "tst_registrar.moc"
