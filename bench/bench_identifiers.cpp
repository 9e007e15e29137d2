// Identifier benchmarks: "talpora-cli lookup" and "talpora-cli check" as a
// user runs them (a whole process each time), and the check of a 1 MB customUI
// file inside one process, with the parse of the identifier index it starts with.
// A second 1 MB file also misspells attribute names, so the schema check has
// findings of its own to word.
//
//   bench_identifiers [Google Benchmark flags, e.g. --benchmark_filter=lookup]

#include "BestTimeReporter.h"
#include "catalogue/IdentifierIndex.h"
#include "checker/FileChecker.h"

#include <QProcess>
#include <QResource>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

using namespace talpora;

constexpr double lookupTargetMilliseconds = 20.0;
constexpr double checkTargetMilliseconds = 100.0;
constexpr std::size_t customUiBytes = 1 << 20;
// One identifier in this many is misspelt, so the check has findings to word.
constexpr std::size_t typoEvery = 200;

// The Excel control identifiers, for a customUI file that names real ones.
std::vector<std::string> excelControls()
{
    std::vector<std::string> names;
    for (const catalogue::IdentifierRecord& record :
         catalogue::IdentifierIndex::builtIn().records(catalogue::Application::Excel)) {
        if (record.hasType({"button", "toggleButton"}, catalogue::VersionSet::all()))
            names.emplace_back(record.name);
    }
    return names;
}

// A customUI file of at least `size` bytes: tabs of 10 groups of 20 controls,
// half built-in buttons (idMso), half own buttons (id, label, imageMso).
// With `attributeTypos`, own buttons misspell "label" as often as built-in
// ones misspell their identifier. Returns the number of misspellings.
std::size_t writeCustomUi(const std::string& path, std::size_t size, bool attributeTypos)
{
    const std::vector<std::string> names = excelControls();
    std::ofstream file(path, std::ios::binary);
    file << "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">\r\n"
            "  <ribbon>\r\n    <tabs>\r\n";
    std::size_t written = 0, control = 0, typos = 0;
    for (std::size_t tab = 0; written < size; ++tab) {
        file << "      <tab id=\"Tab" << tab << "\" label=\"Tab " << tab
             << "\" insertAfterMso=\"TabHome\">\r\n";
        for (int group = 0; group < 10; ++group) {
            file << "        <group id=\"Group" << tab << '_' << group << "\" label=\"Group\">\r\n";
            for (int item = 0; item < 20; ++item, ++control) {
                if (item % 2 == 0) {
                    std::string name = names[control % names.size()];
                    if (control % typoEvery == 0) {
                        name += 'x';
                        ++typos;
                    }
                    file << "          <button idMso=\"" << name << "\" size=\"large\"/>\r\n";
                } else {
                    const bool typo = attributeTypos && control % typoEvery == 1;
                    typos += typo ? 1 : 0;
                    file << "          <button id=\"Button" << control
                         << (typo ? "\" lable=\"Button " : "\" label=\"Button ") << control
                         << "\" imageMso=\"Paste\" onAction=\"OnButton\"/>\r\n";
                }
            }
            file << "        </group>\r\n";
        }
        file << "      </tab>\r\n";
        written = static_cast<std::size_t>(file.tellp());
    }
    file << "    </tabs>\r\n  </ribbon>\r\n</customUI>\r\n";
    return file ? typos : 0;
}

int runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TALPORA_CLI_PATH), arguments);
    if (!process.waitForFinished(60'000))
        return -1;
    process.readAllStandardOutput();
    return process.exitCode();
}

void lookupProcess(benchmark::State& state, QString identifier, int expectedStatus)
{
    if (runCli({QStringLiteral("lookup"), identifier}) != expectedStatus) {
        state.SkipWithError("talpora-cli lookup does not answer as it should");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(runCli({QStringLiteral("lookup"), identifier}));
}

void checkProcess(benchmark::State& state, QString path)
{
    if (runCli({QStringLiteral("check"), path}) != 1) {
        state.SkipWithError("talpora-cli check does not report the typos");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(runCli({QStringLiteral("check"), path}));
}

void checkInProcess(benchmark::State& state, QString path, std::size_t typos)
{
    const auto& index = catalogue::IdentifierIndex::builtIn();
    checker::CollectingSink sink;
    checker::CheckReport report(sink);
    checker::checkFile(path, {}, index, report);
    if (sink.findings.size() != typos || report.exitStatus() != 1) {
        state.SkipWithError("the check does not find exactly the typos");
        return;
    }
    for (auto _ : state) {
        checker::CollectingSink repeatSink;
        checker::CheckReport repeat(repeatSink);
        checker::checkFile(path, {}, index, repeat);
        benchmark::DoNotOptimize(repeatSink.findings.data());
    }
}

void parseIndex(benchmark::State& state)
{
    for (auto _ : state) {
        const QResource resource(QStringLiteral(":/identifiers/identifiers.txt"));
        benchmark::DoNotOptimize(catalogue::IdentifierIndex::parse(resource.uncompressedData()));
    }
}

void printVerdict(const bench::BestTimeReporter& times, const std::string& name, double target)
{
    if (const std::optional<bench::BestTime> time = times.best(name))
        std::printf("%s: %.1f ms wall (target under %.0f ms): %s\n", name.c_str(), time->wall,
                    target, time->wall < target ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir folder;
    const QString customUi = folder.filePath(QStringLiteral("customUI14.xml"));
    const std::size_t typos = writeCustomUi(customUi.toStdString(), customUiBytes, false);
    const QString faulty = folder.filePath(QStringLiteral("faulty.xml"));
    const std::size_t faults = writeCustomUi(faulty.toStdString(), customUiBytes, true);
    if (!folder.isValid() || typos == 0 || faults <= typos)
        return 1;
    std::printf("customUI file: %lld bytes, %zu misspelt identifiers\n",
                static_cast<long long>(QFileInfo(customUi).size()), typos);

    const auto fastest = [](benchmark::internal::Benchmark* benchmark) {
        benchmark->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(5)
            ->ComputeStatistics("min", &bench::fastest)
            ->DisplayAggregatesOnly(true);
    };
    fastest(benchmark::RegisterBenchmark("lookup_process/known", lookupProcess,
                                         QStringLiteral("FormatPainter"), 0));
    fastest(benchmark::RegisterBenchmark("lookup_process/unknown", lookupProcess,
                                         QStringLiteral("FormatPainterr"), 1));
    fastest(benchmark::RegisterBenchmark("check_process/customUI_1MB", checkProcess, customUi));
    fastest(benchmark::RegisterBenchmark("check_in_process/customUI_1MB", checkInProcess, customUi,
                                         typos));
    fastest(benchmark::RegisterBenchmark("check_process/customUI_1MB_misspelt_attributes",
                                         checkProcess, faulty));
    fastest(benchmark::RegisterBenchmark("check_in_process/customUI_1MB_misspelt_attributes",
                                         checkInProcess, faulty, faults));
    fastest(benchmark::RegisterBenchmark("index_parse", parseIndex));

    bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    printVerdict(reporter, "lookup_process/known", lookupTargetMilliseconds);
    printVerdict(reporter, "lookup_process/unknown", lookupTargetMilliseconds);
    printVerdict(reporter, "check_process/customUI_1MB", checkTargetMilliseconds);
    printVerdict(reporter, "check_process/customUI_1MB_misspelt_attributes",
                 checkTargetMilliseconds);
    benchmark::Shutdown();
    return 0;
}
