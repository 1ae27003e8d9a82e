#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace lorp_bench {

// A document of `blocks` blocks with the usual mix of content: text with
// references, inlines, links, citations, leaders, markers, footnotes and
// containers, with a spread of properties and shorthands.
std::string generate_bench_document(int blocks);

// The benchmarks' input: the file named by LORP_BENCH_FO (for example the
// output of gen_fo.py 200000), or a generated document of about 3 MB.
const std::string& bench_document();

// The yardstick: libxml2's xmlReadMemory building its whole DOM from
// bench_document(). Call xmlInitParser() in main before running it.
void BM_LibXml2ReadMemory(benchmark::State& state);

}  // namespace lorp_bench
