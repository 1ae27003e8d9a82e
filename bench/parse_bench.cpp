// Parse-stage benchmark: build_fo_tree over one document, and libxml2's
// xmlReadMemory (a full DOM) over the same bytes in the same run.
//
//   LORP_BENCH_FO=/tmp/big.fo parse_bench
//
// Without LORP_BENCH_FO a document of about 3 MB with the same mix of content
// is generated in memory.
//
// Peak memory of the parse alone (the document counts once):
//
//   LORP_BENCH_FO=/tmp/big.fo /usr/bin/time -v parse_bench --benchmark_filter=BM_BuildFoTree

#include <benchmark/benchmark.h>
#include <libxml/parser.h>

#include <iostream>
#include <string>

#include "bench_document.h"
#include "fo/builder.h"

namespace {

const std::string& document() { return lorp_bench::bench_document(); }

void BM_BuildFoTree(benchmark::State& state) {
    const std::string& text = document();
    std::size_t nodes = 0;
    for (auto _ : state) {
        lorp::Result<lorp::FoTree> tree = lorp::build_fo_tree(text);
        if (!tree) {
            state.SkipWithError(lorp::display(tree.error()).c_str());
            return;
        }
        nodes = tree->node_count();
        benchmark::DoNotOptimize(nodes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["nodes"] = static_cast<double>(nodes);
}

BENCHMARK(BM_BuildFoTree)->Unit(benchmark::kMillisecond);
BENCHMARK(lorp_bench::BM_LibXml2ReadMemory)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    xmlInitParser();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    std::cerr << "document: " << document().size() << " bytes\n";
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    xmlCleanupParser();
    return 0;
}
