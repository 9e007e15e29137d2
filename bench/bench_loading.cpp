// Loading benchmark: talpora's load (loadXmlFile or loadStoredDocument, which
// build the node table as they parse) followed by one search over every node,
// next to a bare Expat parse of the same bytes with no handlers, fed in 1 MiB
// chunks (the floor for a conforming parser), the same parse with element
// handlers that look at every name and attribute (what any program that
// reads the elements pays), and, for the record, a pugixml parse and walk. Subjects: the largest
// catalogue document, generated catalogue-like files, and hostile shapes (100,000 attributes on one
// element, 100,000 levels, a 100 MB attribute value, a 100 MB comment and 100 MB of text to compare
// them with, binary data, a 2 GB sparse file), written to a temporary folder at start-up.
//
// After the timings, every case runs once more in a child process of its own,
// which reports its own peak resident set size; a summary table then gives
// the ratios that matter: load+search time over bare Expat time, and peak
// memory over file size.
//
//   bench_loading [--no-memory] [Google Benchmark flags, e.g. --benchmark_filter=catalogue]

#include "BestTimeReporter.h"
#include "GeneratedDocument.h"
#include "HostileDocuments.h"
#include "PeakMemoryProbe.h"
#include "catalogue/StoredDocuments.h"
#include "viewer/core/DocumentLoader.h"
#include "viewer/core/NodeTree.h"
#include "viewer/core/TreeSearch.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <expat.h>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using talpora::bench::GeneratedDocument;

constexpr int repetitions = 5;
constexpr double timeRatioTarget = 1.3;
constexpr double memoryRatioTarget = 2.0;
// The targets are set for 100 MB holding 1.3 million elements, about 77 bytes
// an element; labels like "Label 12 &amp; more formatting" give that. The plain "Label 12
// &amp; more" makes the same elements in fewer bytes, which shows how the
// memory ratio depends on how dense the markup is.
constexpr std::size_t mediumElements = 130'000;
constexpr std::size_t largeElements = 1'300'000;
constexpr std::string_view catalogueDensityTail = " &amp; more formatting";
constexpr std::string_view denseTail = " &amp; more";
constexpr std::string_view childFlag = "--memory-child=";
constexpr std::string_view noMemoryFlag = "--no-memory";
constexpr const char* idleCase = "idle";

// One document the benchmarks load, from the catalogue or from a file.
struct Subject
{
    std::string name;
    int storedIdentifier = 0; // 0: the document is `file`
    std::filesystem::path file;
    std::size_t bytes = 0;
    std::size_t elements = 0;
    std::string labelTail; // of the generated buttons' labels
    bool isTarget = false; // the case the targets are set for
    talpora::bench::HostileShape hostile = talpora::bench::HostileShape::None;
    bool refused = false; // the program must refuse the file
};

std::string loadCase(const Subject& subject)
{
    return "load_search/" + subject.name;
}

std::string expatCase(const Subject& subject)
{
    return "expat/" + subject.name;
}

std::string expatHandlersCase(const Subject& subject)
{
    return "expat_handlers/" + subject.name;
}

std::string pugixmlCase(const Subject& subject)
{
    return "pugixml/" + subject.name;
}

// Pre-order walk over every element, as plain as pugixml allows.
std::size_t countElements(const pugi::xml_document& document)
{
    std::size_t count = 0;
    pugi::xml_node node = document.first_child();
    while (node) {
        if (node.type() == pugi::node_element)
            ++count;
        if (pugi::xml_node child = node.first_child()) {
            node = child;
            continue;
        }
        while (node && !node.next_sibling())
            node = node.parent();
        if (node)
            node = node.next_sibling();
    }
    return count;
}

// The raw bytes of a subject in a buffer pugixml may parse in place: the
// file as read, or the stored document without its byte-order mark and the
// NUL padding after it.
class RawBytes
{
public:
    explicit RawBytes(const Subject& subject)
    {
        if (subject.storedIdentifier != 0) {
            m_stored = talpora::catalogue::storedDocument(subject.storedIdentifier).bytes;
            m_data = m_stored.data();
            m_size = static_cast<std::size_t>(m_stored.size());
            if (m_size >= 3 && std::memcmp(m_data, "\xEF\xBB\xBF", 3) == 0) {
                m_data += 3;
                m_size -= 3;
            }
            while (m_size > 0 && m_data[m_size - 1] == '\0')
                --m_size;
            return;
        }
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
            std::fopen(subject.file.c_str(), "rb"), &std::fclose);
        const std::size_t size = file ? std::filesystem::file_size(subject.file) : 0;
        m_file = std::make_unique_for_overwrite<char[]>(size + 1);
        m_data = m_file.get();
        m_size = file ? std::fread(m_data, 1, size, file.get()) : 0;
    }

    char* data() { return m_data; }
    std::size_t size() const { return m_size; }

private:
    QByteArray m_stored;
    std::unique_ptr<char[]> m_file;
    char* m_data = nullptr;
    std::size_t m_size = 0;
};

talpora::LoadResult loadSubject(const Subject& subject)
{
    if (subject.storedIdentifier != 0)
        return talpora::loadStoredDocument(subject.storedIdentifier);
    return talpora::loadXmlFile(QString::fromStdString(subject.file.string()));
}

// A keyword no node holds, so that the search reads every node text.
const QString absentKeyword = QStringLiteral("no node holds this");

void loadAndSearch(benchmark::State& state, const Subject& subject)
{
    for (auto _ : state) {
        talpora::LoadResult loaded = loadSubject(subject);
        if (subject.refused) {
            if (loaded) {
                state.SkipWithError("a file that must be refused loaded");
                break;
            }
            continue;
        }
        if (!loaded) {
            state.SkipWithError(talpora::describe(loaded.error).toStdString().c_str());
            break;
        }
        // Loading builds the node table as it goes; then one full scan.
        benchmark::DoNotOptimize(talpora::FindNext(*loaded.tree, 1, absentKeyword));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * subject.bytes));
}

// What the element handlers of expatParse() saw, so that none of it is optimised away.
struct ElementTally
{
    std::size_t elements = 0;
    std::size_t bytes = 0;
};

void XMLCALL tallyStart(void* userData, const XML_Char* name, const XML_Char** attributes)
{
    auto* tally = static_cast<ElementTally*>(userData);
    ++tally->elements;
    tally->bytes += std::strlen(name);
    for (; *attributes; ++attributes)
        tally->bytes += std::strlen(*attributes);
}

void XMLCALL tallyEnd(void* userData, const XML_Char*)
{
    ++static_cast<ElementTally*>(userData)->bytes;
}

// Expat with no handlers at all, as a conforming parser's floor, or with
// element handlers that read every name and attribute: the file is read in
// 1 MiB chunks and each is fed as it comes.
bool expatParse(const Subject& subject, bool withHandlers = false)
{
    XML_Parser parser = XML_ParserCreate("UTF-8");
    ElementTally tally;
    if (withHandlers) {
        XML_SetUserData(parser, &tally);
        XML_SetElementHandler(parser, &tallyStart, &tallyEnd);
    }
    bool parsed = true;
    if (subject.storedIdentifier != 0) {
        RawBytes bytes(subject);
        parsed = XML_Parse(parser, bytes.data(), int(bytes.size()), 1) == XML_STATUS_OK;
    } else {
        const int fd = ::open(subject.file.c_str(), O_RDONLY | O_CLOEXEC);
        const auto chunk = std::make_unique_for_overwrite<char[]>(1 << 20);
        for (ssize_t count = 1; parsed && count > 0;) {
            count = fd >= 0 ? ::read(fd, chunk.get(), 1 << 20) : -1;
            parsed = count >= 0 &&
                     XML_Parse(parser, chunk.get(), int(count), count == 0) == XML_STATUS_OK;
        }
        if (fd >= 0)
            ::close(fd);
    }
    XML_ParserFree(parser);
    benchmark::DoNotOptimize(tally);
    return parsed && (!withHandlers || tally.elements == subject.elements);
}

void expatBare(benchmark::State& state, const Subject& subject)
{
    for (auto _ : state) {
        if (!expatParse(subject)) {
            state.SkipWithError("Expat cannot parse the document");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * subject.bytes));
}

void expatWithHandlers(benchmark::State& state, const Subject& subject)
{
    for (auto _ : state) {
        if (!expatParse(subject, true)) {
            state.SkipWithError("Expat cannot parse the document, or counts other elements");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * subject.bytes));
}

void pugixmlParseAndWalk(benchmark::State& state, const Subject& subject)
{
    for (auto _ : state) {
        RawBytes bytes(subject);
        pugi::xml_document document;
        if (!document.load_buffer_inplace(bytes.data(), bytes.size())) {
            state.SkipWithError("pugixml cannot parse the document");
            break;
        }
        benchmark::DoNotOptimize(countElements(document));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * subject.bytes));
}

int largestStoredDocument()
{
    int largest = 0;
    qsizetype largestSize = -1;
    for (int identifier = 101; identifier <= 157; ++identifier) {
        const qsizetype size = talpora::catalogue::storedDocument(identifier).bytes.size();
        if (size > largestSize) {
            largest = identifier;
            largestSize = size;
        }
    }
    return largest;
}

Subject storedSubject(int identifier)
{
    Subject subject;
    subject.name = "catalogue_" + std::to_string(identifier);
    subject.storedIdentifier = identifier;
    RawBytes bytes(subject);
    subject.bytes = bytes.size();
    pugi::xml_document document;
    if (document.load_buffer_inplace(bytes.data(), bytes.size()))
        subject.elements = countElements(document);
    return subject;
}

Subject fileSubject(std::string name, const std::filesystem::path& folder, std::size_t elements,
                    std::string_view labelTail)
{
    Subject subject;
    subject.file = folder / (name + ".xml");
    subject.name = std::move(name);
    subject.elements = elements;
    subject.labelTail = labelTail;
    return subject;
}

// Whether --benchmark_filter lets any case of the subject run, so that files
// no case reads are not written.
bool wanted(const Subject& subject)
{
    std::string filter = benchmark::GetBenchmarkFilter();
    if (filter.empty() || filter == "all")
        return true;
    const bool negative = filter.front() == '-';
    if (negative)
        filter.erase(0, 1);
    const std::regex pattern(filter);
    const auto matches = [&](const std::string& name) {
        return std::regex_search(name, pattern) != negative;
    };
    return matches(loadCase(subject)) || matches(expatCase(subject)) ||
           matches(expatHandlersCase(subject)) || matches(pugixmlCase(subject));
}

// Writes the generated file and checks that the program reads back exactly
// the elements that were written (or refuses what it must refuse); a
// benchmark of a wrong document is worthless.
bool generate(Subject& subject)
{
    const bool written =
        subject.hostile == talpora::bench::HostileShape::None
            ? GeneratedDocument(subject.elements, "Label", subject.labelTail).saveAs(subject.file)
            : talpora::bench::writeHostileDocument(subject.hostile, subject.file);
    if (!written) {
        std::fprintf(stderr, "cannot write %s\n", subject.file.c_str());
        return false;
    }
    subject.bytes = std::filesystem::file_size(subject.file);
    talpora::LoadResult loaded = loadSubject(subject);
    if (subject.refused) {
        if (loaded) {
            std::fprintf(stderr, "%s: loaded, but must be refused\n", subject.file.c_str());
            return false;
        }
    } else {
        const std::size_t built = loaded ? loaded.tree->size() : 0;
        if (built != subject.elements) {
            std::fprintf(stderr, "%s: expected %zu elements, the program built %zu (%s)\n",
                         subject.file.c_str(), subject.elements, built,
                         talpora::describe(loaded.error).toStdString().c_str());
            return false;
        }
    }
    std::printf("wrote %s: %.1f MB, %zu elements%s\n", subject.file.c_str(), subject.bytes / 1e6,
                subject.elements, subject.refused ? ", refused as it must be" : "");
    return true;
}

void registerCases(const std::vector<Subject>& subjects, bool child)
{
    const auto configure = [child](benchmark::internal::Benchmark* benchmark) {
        benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
        if (child)
            benchmark->Iterations(1); // one load, as a person opening a file does
        else
            benchmark->Repetitions(repetitions)
                ->ComputeStatistics("min", &talpora::bench::fastest)
                ->DisplayAggregatesOnly(true);
    };
    for (const Subject& subject : subjects) {
        configure(benchmark::RegisterBenchmark(loadCase(subject).c_str(), loadAndSearch, subject));
        if (subject.refused)
            continue;
        configure(benchmark::RegisterBenchmark(expatCase(subject).c_str(), expatBare, subject));
        if (subject.hostile != talpora::bench::HostileShape::None)
            continue;
        configure(benchmark::RegisterBenchmark(expatHandlersCase(subject).c_str(),
                                               expatWithHandlers, subject));
        configure(benchmark::RegisterBenchmark(pugixmlCase(subject).c_str(), pugixmlParseAndWalk,
                                               subject));
    }
    if (child) // what the process costs before it loads anything
        configure(benchmark::RegisterBenchmark(idleCase, [](benchmark::State& state) {
            for (auto _ : state)
                benchmark::ClobberMemory();
        }));
}

// Peak resident set size in bytes of one run of `name` in a fresh process.
std::optional<double> peakBytes(const std::string& folder, const std::string& name)
{
    const talpora::bench::PeakMemory peak = talpora::bench::peakMemoryOfSelf(
        {std::string(childFlag) + folder, "--benchmark_filter=^" + name + "(/|$)"});
    if (!peak) {
        std::fprintf(stderr, "peak memory of %s: %s\n", name.c_str(), peak.error.c_str());
        return std::nullopt;
    }
    return static_cast<double>(peak.kilobytes) * 1024.0;
}

std::optional<double> ratio(std::optional<double> numerator, std::optional<double> denominator)
{
    if (!numerator || !denominator || *denominator <= 0)
        return std::nullopt;
    return *numerator / *denominator;
}

std::string formatted(std::optional<double> value, const char* format)
{
    if (!value)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, format, *value);
    return text;
}

// What one subject measured; absent figures were filtered out or failed.
struct Figures
{
    std::optional<talpora::bench::BestTime> load;
    std::optional<talpora::bench::BestTime> expat;
    std::optional<talpora::bench::BestTime> expatHandlers;
    std::optional<talpora::bench::BestTime> pugixml;
    std::optional<double> loadPeak;
    std::optional<double> expatPeak;

    std::optional<double> wallRatio() const
    {
        return load && expat ? ratio(load->wall, expat->wall) : std::nullopt;
    }
    std::optional<double> cpuRatio() const
    {
        return load && expat ? ratio(load->cpu, expat->cpu) : std::nullopt;
    }
};

void printVerdict(const char* what, std::optional<double> value, double target, bool inclusive)
{
    if (!value) {
        std::printf("  %-46s not measured\n", what);
        return;
    }
    const bool met = inclusive ? *value <= target : *value < target;
    std::printf("  %-46s %5.2f (target %s %.1f): %s\n", what, *value, inclusive ? "<=" : "<",
                target, met ? "met" : "MISSED");
}

void printTimes(const Subject& subject, const Figures& figures)
{
    const auto wall = [](const std::optional<talpora::bench::BestTime>& time) {
        return time ? std::optional<double>(time->wall) : std::nullopt;
    };
    const auto cpu = [](const std::optional<talpora::bench::BestTime>& time) {
        return time ? std::optional<double>(time->cpu) : std::nullopt;
    };
    std::printf("%-16s %8.2f %8zu | %8s %8s | %8s %8s | %5s %5s | %8s | %8s\n",
                subject.name.c_str(), static_cast<double>(subject.bytes) / 1e6, subject.elements,
                formatted(wall(figures.load), "%.2f").c_str(),
                formatted(cpu(figures.load), "%.2f").c_str(),
                formatted(wall(figures.expat), "%.2f").c_str(),
                formatted(cpu(figures.expat), "%.2f").c_str(),
                formatted(figures.wallRatio(), "%.2f").c_str(),
                formatted(figures.cpuRatio(), "%.2f").c_str(),
                formatted(wall(figures.expatHandlers), "%.2f").c_str(),
                formatted(wall(figures.pugixml), "%.2f").c_str());
}

void printMemory(const Subject& subject, const Figures& figures, std::optional<double> idle)
{
    const double file = static_cast<double>(subject.bytes);
    std::optional<double> perElement;
    if (figures.loadPeak && idle && subject.elements > 0)
        perElement = (*figures.loadPeak - *idle) / static_cast<double>(subject.elements);
    std::printf("%-16s | %8s %6s %9s | %8s %6s\n", subject.name.c_str(),
                formatted(ratio(figures.loadPeak, 1e6), "%.1f").c_str(),
                formatted(ratio(figures.loadPeak, file), "%.2f").c_str(),
                formatted(perElement, "%.0f").c_str(),
                formatted(ratio(figures.expatPeak, 1e6), "%.1f").c_str(),
                formatted(ratio(figures.expatPeak, file), "%.2f").c_str());
}

void printSummary(const std::vector<Subject>& subjects,
                  const talpora::bench::BestTimeReporter& times, const std::string& folder,
                  bool measureMemory)
{
    std::vector<std::pair<const Subject*, Figures>> measured;
    for (const Subject& subject : subjects) {
        Figures figures{times.best(loadCase(subject)),
                        times.best(expatCase(subject)),
                        times.best(expatHandlersCase(subject)),
                        times.best(pugixmlCase(subject)),
                        {},
                        {}};
        if (!figures.load && !figures.expat)
            continue; // filtered out
        if (measureMemory) {
            figures.loadPeak = peakBytes(folder, loadCase(subject));
            if (figures.expat)
                figures.expatPeak = peakBytes(folder, expatCase(subject));
        }
        measured.emplace_back(&subject, figures);
    }
    if (measured.empty())
        return;

    std::printf("\nTimes in ms per load, fastest of %d repetitions (ratio: load+search / "
                "bare Expat)\n",
                repetitions);
    std::printf("%-16s %8s %8s | %17s | %17s | %11s | %8s | %8s\n", "document", "file MB",
                "elements", "load+search", "bare Expat", "ratio", "Expat+", "pugixml");
    std::printf("%-16s %8s %8s | %8s %8s | %8s %8s | %5s %5s | %8s | %8s\n", "", "", "", "wall",
                "cpu", "wall", "cpu", "wall", "cpu", "handlers", "wall");
    for (const auto& [subject, figures] : measured)
        printTimes(*subject, figures);

    if (measureMemory) {
        const std::optional<double> idle = peakBytes(folder, idleCase);
        std::printf("\nPeak RSS of one load in a fresh process, in MB and as a multiple of the "
                    "file size; an idle process peaks at %s MB\n",
                    formatted(ratio(idle, 1e6), "%.1f").c_str());
        std::printf("%-16s | %8s %6s %9s | %8s %6s\n", "document", "load+", "x file", "B/element",
                    "Expat", "x file");
        std::printf("%-16s | %8s %6s %9s | %8s %6s\n", "", "search", "", "over idle", "", "");
        for (const auto& [subject, figures] : measured)
            printMemory(*subject, figures, idle);
    }

    for (const auto& [subject, figures] : measured) {
        if (!subject->isTarget)
            continue;
        std::printf("\nTargets for %s:\n", subject->name.c_str());
        printVerdict("load+search time / bare Expat time (wall)", figures.wallRatio(),
                     timeRatioTarget, true);
        printVerdict("load+search time / bare Expat time (cpu)", figures.cpuRatio(),
                     timeRatioTarget, true);
        printVerdict("peak memory of load+search / file size",
                     ratio(figures.loadPeak, static_cast<double>(subject->bytes)),
                     memoryRatioTarget, true);
    }
}

// Takes this program's own flags out of argv before Google Benchmark reads it.
struct OwnFlags
{
    std::optional<std::string> childFolder; // set in a child run: the files are there
    bool measureMemory = true;
};

OwnFlags takeOwnFlags(int& argc, char** argv)
{
    OwnFlags flags;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with(childFlag))
            flags.childFolder = std::string(argument.substr(childFlag.size()));
        else if (argument == noMemoryFlag)
            flags.measureMemory = false;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    return flags;
}

} // namespace

int main(int argc, char** argv)
{
    const OwnFlags flags = takeOwnFlags(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    const bool child = flags.childFolder.has_value();
    // Removed with everything in it when main returns.
    std::optional<QTemporaryDir> temporary;
    std::string folder;
    if (child) {
        folder = *flags.childFolder;
    } else {
        temporary.emplace(QDir::tempPath() + QStringLiteral("/talpora-bench-XXXXXX"));
        if (!temporary->isValid()) {
            std::fprintf(stderr, "cannot make a temporary folder\n");
            return 1;
        }
        folder = temporary->path().toStdString();
    }

    std::vector<Subject> subjects{
        storedSubject(largestStoredDocument()),
        fileSubject("generated_10MB", folder, mediumElements, catalogueDensityTail),
        fileSubject("generated_100MB", folder, largeElements, catalogueDensityTail),
        fileSubject("generated_dense", folder, largeElements, denseTail)};
    subjects[2].isTarget = true;
    for (const talpora::bench::HostileSubject& hostile : talpora::bench::hostileSubjects()) {
        Subject subject = fileSubject(hostile.name, folder, hostile.elements, {});
        subject.hostile = hostile.shape;
        subject.refused = hostile.refused;
        subjects.push_back(std::move(subject));
    }
    if (!child) {
        std::printf("largest catalogue document: %d (%zu bytes, %zu elements)\n",
                    subjects.front().storedIdentifier, subjects.front().bytes,
                    subjects.front().elements);
        for (Subject& subject : subjects)
            if (subject.storedIdentifier == 0 && wanted(subject) && !generate(subject))
                return 1;
        std::fflush(stdout);
    }

    registerCases(subjects, child);
    if (child) {
        // Only the peak goes to the parent; the child's report is not wanted.
        talpora::bench::BestTimeReporter reporter;
        std::ostringstream discarded;
        reporter.SetOutputStream(&discarded);
        reporter.SetErrorStream(&discarded);
        benchmark::RunSpecifiedBenchmarks(&reporter);
        if (!reporter.anySucceeded())
            return 1;
        talpora::bench::printPeakMemoryLine();
    } else {
        talpora::bench::BestTimeReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        printSummary(subjects, reporter, folder, flags.measureMemory);
    }
    benchmark::Shutdown();
    return 0;
}
