// Talpora's window on an author's file, as a whole process: start, the file
// opened from the command line as "Open with" opens it, its customUI checked
// off the GUI thread and the findings listed, then exit. Two files: a 400 KB
// Excel add-in (a small ribbon and a macro project that does not compress)
// and a 1 MB customUI file with more than 10,000 findings. Beside the time,
// the longest the window's event loop went without turning while the file
// loaded and its findings were listed: how long the window was unresponsive.
// Then the same 1 MB file saved anew (written in place) while the window
// shows it: the time from the save to its findings listed again, the file
// watch's settling included.
//
//   bench_window [Google Benchmark flags]
//
// Runs each child with the "offscreen" platform unless QT_QPA_PLATFORM says otherwise.

#include "BestTimeReporter.h"
#include "ZipWriter.h"
#include "viewer/ui/FindingsWindow.h"
#include "viewer/ui/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace talpora;

constexpr std::string_view childFlag = "--child-open=";
constexpr std::string_view reloadFlag = "--child-reload=";

constexpr char customUiOpen[] =
    "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">\n<ribbon><tabs>\n";
constexpr char customUiClose[] = "</tabs></ribbon>\n</customUI>\n";

// Groups of 20 buttons; every `faultEvery`th a misspelt built-in one.
std::string ribbon(std::size_t bytes, int faultEvery)
{
    std::string text = customUiOpen;
    int button = 0;
    for (int tab = 0; text.size() < bytes; ++tab) {
        text +=
            "<tab id=\"t" + std::to_string(tab) + "\" label=\"Tab " + std::to_string(tab) + "\">\n";
        for (int group = 0; group < 10 && text.size() < bytes; ++group) {
            text += "<group id=\"g" + std::to_string(tab) + "_" + std::to_string(group) +
                    "\" label=\"Group\">\n";
            for (int i = 0; i < 20; ++i, ++button) {
                if (button % faultEvery == 0)
                    text += "<button idMso=\"Pastee\"/>\n";
                else
                    text += "<button id=\"b" + std::to_string(button) +
                            "\" label=\"Button\" onAction=\"OnButton\"/>\n";
            }
            text += "</group>\n";
        }
        text += "</tab>\n";
    }
    return text + customUiClose;
}

bool writeAddIn(const std::string& path)
{
    std::string project(395'000, '\0');
    std::mt19937 random(7);
    for (char& byte : project)
        byte = static_cast<char>(random());
    const std::vector<std::pair<std::string, std::string>> parts{
        {"[Content_Types].xml",
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
        {"_rels/.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
         "relationships/officeDocument\" Target=\"xl/workbook.xml\"/>"
         "<Relationship Id=\"rId2\" Type=\"http://schemas.microsoft.com/office/2007/relationships/"
         "ui/extensibility\" Target=\"customUI/customUI14.xml\"/></Relationships>"},
        {"xl/workbook.xml", "<workbook/>"},
        {"xl/vbaProject.bin", project},
        {"customUI/customUI14.xml", ribbon(60'000, 50)}};
    return bench::writeZip(path, parts);
}

bool writeFaultyRibbon(const std::string& path)
{
    std::ofstream file(path, std::ios::binary);
    file << ribbon(1'000'000, 2);
    return bool(file);
}

// The child: the window, the file opened, the findings listed; then it says
// how many rows the Findings window holds and the longest stall, and exits.
int childOpen(int argc, char** argv, const QString& path, bool saveAgain)
{
    QApplication application(argc, argv);
    Form1 form;
    form.show();
    QElapsedTimer sinceTick;
    qint64 longestStall = 0;
    QTimer ticks;
    ticks.setInterval(5);
    QObject::connect(&ticks, &QTimer::timeout,
                     [&] { longestStall = std::max(longestStall, sinceTick.restart()); });
    QElapsedTimer sinceSave;
    QObject::connect(&form, &Form1::findingsListed, [&] {
        if (saveAgain && !sinceSave.isValid()) {
            QFile file(path);
            if (!file.open(QIODevice::ReadWrite))
                QApplication::exit(1);
            const QByteArray bytes = file.readAll();
            file.seek(0);
            file.write(bytes.left(bytes.size() - 1) + "\n\n");
            file.close();
            sinceSave.start();
            return;
        }
        if (saveAgain)
            longestStall = sinceSave.elapsed(); // reported in place of the stall
        std::printf("rows %d stall %lld\n", form.findingsWindow()->List1->model()->rowCount(),
                    static_cast<long long>(longestStall));
        QApplication::exit(0);
    });
    QTimer::singleShot(0, [&] {
        sinceTick.start();
        ticks.start();
        form.openFile(path);
    });
    return QApplication::exec();
}

void openProcess(benchmark::State& state, QString self, QString path, bool saveAgain)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    long long rows = 0;
    long long stall = 0;
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(self, {QString::fromUtf8(saveAgain ? reloadFlag : childFlag) + path});
        if (!process.waitForFinished(60'000) || process.exitCode() != 0 ||
            std::sscanf(process.readAllStandardOutput().constData(), "rows %lld stall %lld", &rows,
                        &stall) != 2) {
            state.SkipWithError("Talpora's window does not list the findings");
            return;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters[saveAgain ? "save_to_listed_ms" : "stall_ms"] = static_cast<double>(stall);
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        for (const std::string_view flag : {childFlag, reloadFlag}) {
            if (argument.starts_with(flag))
                return childOpen(1, argv,
                                 QString::fromStdString(std::string(argument.substr(flag.size()))),
                                 flag == reloadFlag);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir folder;
    const std::string addIn = folder.filePath(QStringLiteral("Budget tools.xlam")).toStdString();
    const std::string faulty = folder.filePath(QStringLiteral("faulty.xml")).toStdString();
    if (!folder.isValid() || !writeAddIn(addIn) || !writeFaultyRibbon(faulty)) {
        std::fprintf(stderr, "cannot write the files to open\n");
        return 1;
    }
    const QString self = QString::fromLocal8Bit(argv[0]);
    struct Case
    {
        const char* name;
        std::string file;
        bool saveAgain;
    };
    for (const Case& subject :
         {Case{"open_and_list_process/addin_400KB", addIn, false},
          Case{"open_and_list_process/customUI_1MB_10000_findings", faulty, false},
          Case{"saved_and_listed_again/customUI_1MB_10000_findings", faulty, true}}) {
        benchmark::RegisterBenchmark(subject.name, openProcess, self,
                                     QString::fromStdString(subject.file), subject.saveAgain)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(5)
            ->ComputeStatistics("min", &bench::fastest)
            ->DisplayAggregatesOnly(true);
    }
    bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nfiles: %s %lld bytes, %s %lld bytes\n", addIn.c_str(),
                static_cast<long long>(QFileInfo(QString::fromStdString(addIn)).size()),
                faulty.c_str(),
                static_cast<long long>(QFileInfo(QString::fromStdString(faulty)).size()));
    benchmark::Shutdown();
    return 0;
}
