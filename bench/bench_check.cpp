// "talpora-cli check" on hostile input: a small package whose customUI part
// inflates to tens of MiB of faults, the same part named by ten relationships,
// 20,000 relationships in a package of 65,000 entries, ten parts of 60 MiB
// each, a file of 100,000 distinct unknown identifiers, a file with one
// attribute value of 100 MB and a button with 1,000,000 attributes;
// "talpora-cli callbacks" of a package of 40,000 customUI parts, each naming a
// callback of its own. Each case is timed as a whole process, output thrown
// away; its peak memory is taken from a run of the same command inside a
// child of this program.
//
//   bench_check [--no-memory] [Google Benchmark flags]

#include "BestTimeReporter.h"
#include "PeakMemoryProbe.h"
#include "ZipWriter.h"
#include "catalogue/IdentifierIndex.h"
#include "cli/CliCommands.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

using namespace talpora;

constexpr std::string_view childFlag = "--child-command=";
constexpr std::string_view noMemoryFlag = "--no-memory";

constexpr char customUiOpen[] =
    "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">"
    "<ribbon><tabs><tab id=\"t\"><group id=\"g\">\n";
constexpr char customUiClose[] = "</group></tab></tabs></ribbon></customUI>\n";
constexpr char customUiType[] =
    "http://schemas.microsoft.com/office/2007/relationships/ui/extensibility";

std::string relationships(const std::vector<std::string>& customUiTargets)
{
    std::string text = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                       "relationships\"><Relationship Id=\"rId0\" Type=\"http://schemas."
                       "openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
                       "Target=\"xl/workbook.xml\"/>";
    for (std::size_t i = 0; i < customUiTargets.size(); ++i)
        text += "<Relationship Id=\"rId" + std::to_string(i + 1) + "\" Type=\"" + customUiType +
                "\" Target=\"" + customUiTargets[i] + "\"/>";
    return text + "</Relationships>";
}

// About 63 MiB of faults: an id used again and again, a misspelt built-in one.
std::string faultPart()
{
    std::string part = customUiOpen;
    while (part.size() < (std::size_t(63) << 20))
        part += "<button id=\"a\"/>\n<button idMso=\"Pastee\"/>\n";
    return part + customUiClose;
}

bool writeFaultPackage(const std::string& path, int references)
{
    return bench::writeZip(path, {{"xl/workbook.xml", "<workbook/>"},
                                  {"_rels/.rels", relationships(std::vector<std::string>(
                                                      references, "customUI/customUI14.xml"))},
                                  {"customUI/customUI14.xml", faultPart()}});
}

// 65,000 entries, 20,000 of them customUI parts named by a relationship each.
bool writeManyRelationships(const std::string& path)
{
    std::vector<std::pair<std::string, std::string>> parts{{"xl/workbook.xml", "<workbook/>"}};
    std::vector<std::string> targets;
    const std::string clean = std::string(customUiOpen) + customUiClose;
    for (int i = 0; i < 20'000; ++i) {
        targets.push_back("customUI/part" + std::to_string(i) + ".xml");
        parts.emplace_back(targets.back(), clean);
    }
    for (int i = 0; parts.size() < 64'999; ++i)
        parts.emplace_back("xl/media/image" + std::to_string(i) + ".png", "png");
    parts.emplace_back("_rels/.rels", relationships(targets));
    return bench::writeZip(path, parts);
}

// 40,000 customUI parts, each named by a relationship and naming a callback.
bool writeManyCallbackParts(const std::string& path)
{
    std::vector<std::pair<std::string, std::string>> parts{{"xl/workbook.xml", "<workbook/>"}};
    std::vector<std::string> targets;
    for (int i = 0; i < 40'000; ++i) {
        targets.push_back("customUI/part" + std::to_string(i) + ".xml");
        parts.emplace_back(targets.back(), std::string(customUiOpen) +
                                               "<button id=\"b\" onAction=\"OnButton" +
                                               std::to_string(i) + "\"/>" + customUiClose);
    }
    parts.emplace_back("_rels/.rels", relationships(targets));
    return bench::writeZip(path, parts);
}

// Ten parts of 60 MiB of blanks each, which only the package's total refuses.
bool writeLargeParts(const std::string& path)
{
    const std::string large =
        std::string(customUiOpen) + customUiClose + std::string(std::size_t(60) << 20, ' ');
    std::vector<std::pair<std::string, std::string>> parts{{"xl/workbook.xml", "<workbook/>"}};
    std::vector<std::string> targets;
    for (int i = 0; i < 10; ++i) {
        targets.push_back("customUI/part" + std::to_string(i) + ".xml");
        parts.emplace_back(targets.back(), large);
    }
    parts.emplace_back("_rels/.rels", relationships(targets));
    return bench::writeZip(path, parts);
}

// A label of 100 MB, far past the 1,024 characters its type allows.
bool writeHugeValue(const std::string& path)
{
    std::ofstream file(path, std::ios::binary);
    file << customUiOpen << "<button id=\"b\" label=\"" << std::string(100'000'000, 'A') << "\"/>\n"
         << customUiClose;
    return bool(file);
}

// 100,000 distinct identifiers, each a real one with two letters put in.
bool writeUnknownIdentifiers(const std::string& path)
{
    std::vector<std::string_view> names;
    std::unordered_set<std::string> known;
    for (const catalogue::Application application : catalogue::allApplications) {
        for (const catalogue::IdentifierRecord& record :
             catalogue::IdentifierIndex::builtIn().records(application)) {
            names.push_back(record.name);
            known.emplace(record.name);
        }
    }
    std::ofstream file(path, std::ios::binary);
    file << customUiOpen;
    std::unordered_set<std::string> written;
    for (std::size_t i = 0; written.size() < 100'000; ++i) {
        std::string name(names[(i * 7919) % names.size()]);
        name.insert((i / 7) % (name.size() + 1), 1, "qxzjkvw"[i % 7]);
        name.insert((i / 11) % (name.size() + 1), 1, char('0' + i % 10));
        if (known.count(name) || !written.insert(name).second)
            continue;
        file << "<button idMso=\"" << name << "\"/>\n";
    }
    file << customUiClose;
    return bool(file);
}

// One button with a million unknown attributes: each is a finding, and each
// shown one is placed in a start tag of 17 MB.
bool writeManyAttributes(const std::string& path)
{
    std::ofstream file(path, std::ios::binary);
    file << customUiOpen << "<button id=\"b\" label=\"B\"";
    for (int i = 0; i < 1'000'000; ++i)
        file << " a" << i << "=\"v\"";
    file << "/>\n" << customUiClose;
    return bool(file);
}

int runProcess(const QString& command, const QString& path)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QStringLiteral(TALPORA_CLI_PATH), {command, path});
    if (!process.waitForFinished(600'000))
        return -1;
    return process.exitCode();
}

void commandProcess(benchmark::State& state, QString command, QString path, int expectedStatus)
{
    for (auto _ : state) {
        if (runProcess(command, path) != expectedStatus) {
            state.SkipWithError("talpora-cli does not end as it should");
            return;
        }
    }
}

// The child: the command as talpora-cli runs it, output thrown away, then the peak.
int childCommand(const std::string& commandAndPath)
{
    std::FILE* null = std::fopen("/dev/null", "w");
    if (!null)
        return 1;
    const std::size_t colon = commandAndPath.find(':');
    cli::runCommand({QString::fromStdString(commandAndPath.substr(0, colon)),
                     QString::fromStdString(commandAndPath.substr(colon + 1))},
                    null, null, stdin);
    std::fclose(null);
    bench::printPeakMemoryLine();
    return 0;
}

struct Case
{
    std::string command;
    std::string name;
    std::string file;
    int status;
};

} // namespace

int main(int argc, char** argv)
{
    bool measureMemory = true;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with(childFlag))
            return childCommand(std::string(argument.substr(childFlag.size())));
        if (argument == noMemoryFlag)
            measureMemory = false;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir folder;
    const auto at = [&](const char* name) {
        return folder.filePath(QString::fromLatin1(name)).toStdString();
    };
    const std::vector<Case> cases{{"check", "findings_package", at("findings.xlsm"), 1},
                                  {"check", "ten_references", at("ten.xlsm"), 1},
                                  {"check", "relationships_20000", at("relationships.xlsm"), 0},
                                  {"check", "large_parts_10x60MiB", at("large.xlsm"), 2},
                                  {"check", "unknown_identifiers_100000", at("unknown.xml"), 1},
                                  {"check", "huge_value_100MB", at("value.xml"), 1},
                                  {"check", "attributes_1000000", at("attributes.xml"), 1},
                                  {"callbacks", "callback_parts_40000", at("callbacks.xlsm"), 0}};
    if (!folder.isValid() || !writeFaultPackage(cases[0].file, 1) ||
        !writeFaultPackage(cases[1].file, 10) || !writeManyRelationships(cases[2].file) ||
        !writeLargeParts(cases[3].file) || !writeUnknownIdentifiers(cases[4].file) ||
        !writeHugeValue(cases[5].file) || !writeManyAttributes(cases[6].file) ||
        !writeManyCallbackParts(cases[7].file)) {
        std::fprintf(stderr, "cannot write the files to check\n");
        return 1;
    }
    for (const Case& subject : cases) {
        benchmark::RegisterBenchmark((subject.command + "_process/" + subject.name).c_str(),
                                     commandProcess, QString::fromStdString(subject.command),
                                     QString::fromStdString(subject.file), subject.status)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(3)
            ->ComputeStatistics("min", &bench::fastest)
            ->DisplayAggregatesOnly(true);
    }
    bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-28s %12s %10s %14s\n", "case", "file bytes", "wall ms", "peak memory");
    for (const Case& subject : cases) {
        const std::optional<bench::BestTime> time =
            reporter.best(subject.command + "_process/" + subject.name);
        if (!time)
            continue;
        std::string peak = "-";
        if (measureMemory) {
            const bench::PeakMemory memory = bench::peakMemoryOfSelf(
                {std::string(childFlag) + subject.command + ":" + subject.file});
            peak = memory ? std::to_string(memory.kilobytes / 1024) + " MiB" : memory.error;
        }
        std::printf("%-28s %12lld %10.0f %14s\n", subject.name.c_str(),
                    static_cast<long long>(QFileInfo(QString::fromStdString(subject.file)).size()),
                    time->wall, peak.c_str());
    }
    benchmark::Shutdown();
    return 0;
}
