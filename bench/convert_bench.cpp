// End-to-end benchmark: validate, convert_to_text, convert_to_pdf and
// convert_to_svg over one document, and libxml2's xmlReadMemory (a full DOM)
// over the same bytes, in the same run. The PDF conversion should stay within
// 2.5 times libxml2's DOM parse, and SVG no slower than PDF.
//
//   LORP_BENCH_FO=/tmp/big.fo convert_bench
//
// Peak memory of one conversion (the document counts once):
//
//   LORP_BENCH_FO=/tmp/big.fo /usr/bin/time -v convert_bench --benchmark_filter=Pdf
//
// Without LORP_BENCH_FO a document of about 3 MB is generated in memory.

#include <benchmark/benchmark.h>
#include <libxml/parser.h>

#include <iostream>
#include <string>

#include "bench_document.h"
#include "convert/conversion.h"
#include "convert/validation.h"

namespace {

using Conversion = lorp::Result<std::string> (*)(std::string_view);

void run_conversion(benchmark::State& state, Conversion conversion) {
    const std::string& text = lorp_bench::bench_document();
    std::size_t output = 0;
    for (auto _ : state) {
        lorp::Result<std::string> result = conversion(text);
        if (!result.ok()) {
            state.SkipWithError(lorp::display(result.error()).c_str());
            return;
        }
        output = result->size();
        benchmark::DoNotOptimize(result->data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["output_bytes"] = static_cast<double>(output);
}

void BM_Validate(benchmark::State& state) {
    const std::string& text = lorp_bench::bench_document();
    for (auto _ : state) {
        lorp::ValidationResult result = lorp::validate(text);
        if (!result.valid) {
            state.SkipWithError(result.error->c_str());
            return;
        }
        benchmark::DoNotOptimize(result.nodes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_ConvertToText(benchmark::State& state) { run_conversion(state, lorp::convert_to_text); }
void BM_ConvertToPdf(benchmark::State& state) { run_conversion(state, lorp::convert_to_pdf); }
void BM_ConvertToSvg(benchmark::State& state) { run_conversion(state, lorp::convert_to_svg); }

BENCHMARK(lorp_bench::BM_LibXml2ReadMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Validate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertToText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertToSvg)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    xmlInitParser();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    std::cerr << "document: " << lorp_bench::bench_document().size() << " bytes\n";
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    xmlCleanupParser();
    return 0;
}
