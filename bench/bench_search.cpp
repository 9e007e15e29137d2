// Search benchmark: one FindNext from position 1 over a tree of about a
// million nodes, built once at start-up from generated catalogue-like text
// (parsed from memory, nothing is written to disk); and what F3 does outside
// the window for a hit 100,000 levels deep: the search, then opening every
// ancestor so that the hit shows.
//
//   bench_search [Google Benchmark flags, e.g. --benchmark_filter=no_hit]

#include "BestTimeReporter.h"
#include "GeneratedDocument.h"
#include "viewer/core/DocumentLoader.h"
#include "viewer/core/NodeTree.h"
#include "viewer/core/TreeOutline.h"
#include "viewer/core/TreeSearch.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using talpora::NodeTree;
using talpora::bench::GeneratedDocument;

constexpr std::size_t treeSize = 1'000'000;
constexpr double targetMilliseconds = 100.0;

// One search and the position it must find; noNode means no hit.
struct SearchCase
{
    std::string name;
    std::shared_ptr<const NodeTree> tree;
    QString keyword;
    NodeTree::Position expected;
};

std::shared_ptr<const NodeTree> buildTree(const GeneratedDocument& generated)
{
    const std::string text = generated.text();
    talpora::LoadResult loaded =
        talpora::loadXmlBytes(QByteArrayView(text.data(), qsizetype(text.size())));
    if (!loaded) {
        std::fprintf(stderr, "the generated text does not parse: %s\n",
                     talpora::describe(loaded.error).toStdString().c_str());
        return nullptr;
    }
    return loaded.tree;
}

void findNext(benchmark::State& state, const SearchCase& search)
{
    // A benchmark of a search that finds the wrong node measures nothing.
    if (talpora::FindNext(*search.tree, 1, search.keyword) != search.expected) {
        state.SkipWithError("the search does not find what it should");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(talpora::FindNext(*search.tree, 1, search.keyword));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            (search.tree->size() - 1));
}

// F3 from the root to the innermost element of a chain: search, then open
// every ancestor, in a tree that shows only the root's row at the start.
void findAndShowDeepHit(benchmark::State& state, const std::shared_ptr<const NodeTree>& chain)
{
    const QString keyword = QStringLiteral("bottom");
    talpora::TreeOutline outline;
    for (auto _ : state) {
        outline.setTree(chain.get());
        outline.open(1);
        const NodeTree::Position hit = talpora::FindNext(*chain, 1, keyword);
        const std::size_t opened = outline.openAncestorsOf(hit).size();
        if (hit != chain->size() || opened + 2 != chain->size()) {
            state.SkipWithError("the hit is not the innermost element, or not shown");
            return;
        }
        benchmark::DoNotOptimize(outline.rowOf(hit));
    }
}

void printVerdict(const talpora::bench::BestTimeReporter& times, const std::string& name)
{
    const std::optional<talpora::bench::BestTime> time = times.best(name);
    if (!time)
        return;
    std::printf("%s: %.1f ms wall, %.1f ms cpu (target well under %.0f ms): %s\n", name.c_str(),
                time->wall, time->cpu, targetMilliseconds,
                time->wall < targetMilliseconds ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    // Labels as in "Label 12 &amp; more", and the same in Chinese, which sends
    // every node through the search's non-ASCII path.
    const auto asciiTree = buildTree(GeneratedDocument(treeSize));
    const auto chineseTree = buildTree(GeneratedDocument(treeSize, "标签", " &amp; 更多"));
    if (!asciiTree || !chineseTree)
        return 1;
    std::printf("trees of %u nodes\n", asciiTree->size());

    const QString paste = QStringLiteral("粘贴");
    const QString absent = QStringLiteral("NoSuchControl");
    const QString last = QStringLiteral("finalbutton");
    const std::vector<SearchCase> cases{
        {"find_next/ascii_tree/no_hit", asciiTree, absent, NodeTree::noNode},
        {"find_next/ascii_tree/hit_at_end", asciiTree, last, asciiTree->size()},
        {"find_next/ascii_tree/non_ascii_keyword", asciiTree, paste, NodeTree::noNode},
        {"find_next/chinese_tree/no_hit", chineseTree, absent, NodeTree::noNode},
        {"find_next/chinese_tree/non_ascii_keyword", chineseTree, paste, NodeTree::noNode},
        {"find_next/chinese_tree/hit_at_end", chineseTree, last, chineseTree->size()},
    };
    for (const SearchCase& search : cases)
        benchmark::RegisterBenchmark(search.name.c_str(), findNext, search)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(5)
            ->ComputeStatistics("min", &talpora::bench::fastest)
            ->DisplayAggregatesOnly(true);

    // A chain 100,000 elements deep whose innermost element is the only hit.
    constexpr int chainDepth = 100'000;
    std::string chainText;
    for (int level = 1; level < chainDepth; ++level)
        chainText += "<n>";
    chainText += "<n id=\"bottom\"/>";
    for (int level = 1; level < chainDepth; ++level)
        chainText += "</n>";
    const talpora::LoadResult chain =
        talpora::loadXmlBytes(QByteArrayView(chainText.data(), qsizetype(chainText.size())));
    if (!chain)
        return 1;
    benchmark::RegisterBenchmark("find_next/deep_chain/show_hit", findAndShowDeepHit, chain.tree)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(5)
        ->ComputeStatistics("min", &talpora::bench::fastest)
        ->DisplayAggregatesOnly(true);

    talpora::bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    printVerdict(reporter, "find_next/ascii_tree/no_hit");
    benchmark::Shutdown();
    return 0;
}
