// Layout and text-rendering benchmark: build_fo_tree over a document, then
// layout and render_text over the tree it built, in the same run. The goal is
// layout plus text output within half again the parse stage's time.
//
//   LORP_BENCH_FO=/tmp/big.fo layout_bench
//
// Without LORP_BENCH_FO a document of 20,000 blocks with the usual mix of
// content (text, inlines, links, citations, leaders, markers, footnotes,
// containers, static content) is generated in memory.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "fo/builder.h"
#include "layout/layout.h"
#include "render/text/text_renderer.h"
#include "bench_document.h"

namespace {

const std::string& document() { return lorp_bench::bench_document(); }

void BM_Parse(benchmark::State& state) {
    const std::string& doc = document();
    for (auto _ : state) {
        lorp::Result<lorp::FoTree> tree = lorp::build_fo_tree(doc);
        if (!tree.ok()) {
            state.SkipWithError(lorp::display(tree.error()).c_str());
            return;
        }
        benchmark::DoNotOptimize(tree->node_count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * doc.size()));
}

void BM_LayoutAndText(benchmark::State& state) {
    const std::string& doc = document();
    lorp::Result<lorp::FoTree> tree = lorp::build_fo_tree(doc);
    if (!tree.ok()) {
        state.SkipWithError(lorp::display(tree.error()).c_str());
        return;
    }
    std::size_t areas = 0;
    std::size_t text_bytes = 0;
    for (auto _ : state) {
        lorp::Result<lorp::AreaTree> laid_out = lorp::layout(*tree, lorp::LayoutConfig{});
        if (!laid_out.ok()) {
            state.SkipWithError(lorp::display(laid_out.error()).c_str());
            return;
        }
        const std::string text = lorp::render_text(*laid_out);
        areas = laid_out->size();
        text_bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["areas"] = static_cast<double>(areas);
    state.counters["text_bytes"] = static_cast<double>(text_bytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * doc.size()));
}

void BM_LayoutOnly(benchmark::State& state) {
    const std::string& doc = document();
    lorp::Result<lorp::FoTree> tree = lorp::build_fo_tree(doc);
    if (!tree.ok()) {
        state.SkipWithError(lorp::display(tree.error()).c_str());
        return;
    }
    for (auto _ : state) {
        lorp::Result<lorp::AreaTree> laid_out = lorp::layout(*tree, lorp::LayoutConfig{});
        benchmark::DoNotOptimize(laid_out.ok());
    }
}

}  // namespace

BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_LayoutAndText)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_LayoutOnly)->Unit(benchmark::kMillisecond)->MinTime(1.0);

BENCHMARK_MAIN();
