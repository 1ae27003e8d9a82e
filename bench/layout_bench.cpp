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
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "fo/builder.h"
#include "layout/layout.h"
#include "render/text/text_renderer.h"

namespace {

std::string generate_document(int blocks) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\n"
        "<fo:layout-master-set><fo:simple-page-master master-name=\"A4\" page-width=\"210mm\" "
        "page-height=\"297mm\" margin=\"2cm\"><fo:region-body margin-top=\"1cm\" "
        "margin-bottom=\"1cm\"/><fo:region-before extent=\"1cm\"/><fo:region-after "
        "extent=\"1cm\"/></fo:simple-page-master></fo:layout-master-set>\n"
        "<fo:page-sequence master-reference=\"A4\" id=\"seq0\">\n"
        "<fo:static-content flow-name=\"xsl-region-before\"><fo:block><fo:retrieve-marker "
        "retrieve-class-name=\"head\"/></fo:block></fo:static-content>\n"
        "<fo:static-content flow-name=\"xsl-region-after\"><fo:block>Page <fo:page-number/>"
        "</fo:block></fo:static-content>\n"
        "<fo:flow flow-name=\"xsl-region-body\">\n";
    for (int i = 0; i < blocks; ++i) {
        const std::string n = std::to_string(i);
        switch (i % 8) {
            case 0:
                out += "<fo:block id=\"b" + n +
                       "\" font-size=\"12pt\" space-before=\"3pt\">"
                       "Paragraph " +
                       n +
                       ": Fish &amp; Chips &#x41;&#66; and some plain text "
                       "to fill the line.</fo:block>\n";
                break;
            case 1:
                out +=
                    "<fo:block background-color=\"#eeeeee\" border=\"0.5pt solid black\" "
                    "padding=\"2pt\">Block " +
                    n +
                    " with <fo:inline color=\"red\" "
                    "font-weight=\"bold\">inline " +
                    n + "</fo:inline> text.</fo:block>\n";
                break;
            case 2:
                out +=
                    "<fo:block start-indent=\"1cm\" end-indent=\"5mm\" text-indent=\"12pt\">"
                    "<fo:basic-link external-destination=\"https://example.org/" +
                    n + "\">link " + n +
                    "</fo:basic-link> see page <fo:page-number-citation "
                    "ref-id=\"b" +
                    std::to_string(i - 2) + "\"/></fo:block>\n";
                break;
            case 3:
                out += "<fo:block>Chapter " + n +
                       "<fo:leader leader-pattern=\"dots\"/>"
                       "<fo:page-number/></fo:block>\n";
                break;
            case 4:
                out +=
                    "<fo:block font-family=\"Helvetica, sans-serif\" font-size=\"10pt\" "
                    "color=\"#336699\" border-bottom=\"1pt dashed blue\" "
                    "x-border-radius=\"2pt\"><fo:marker marker-class-name=\"head\">Section " +
                    n + "</fo:marker>Section " + n + " text</fo:block>\n";
                break;
            case 5:
                out += "<fo:block>Note " + n +
                       "<fo:footnote><fo:inline>*</fo:inline>"
                       "<fo:footnote-body><fo:block font-size=\"8pt\">Footnote " +
                       n + "</fo:block></fo:footnote-body></fo:footnote></fo:block>\n";
                break;
            case 6:
                out +=
                    "<fo:block-container overflow=\"hidden\" background-color=\"yellow\">"
                    "<fo:block>Container " +
                    n + "</fo:block></fo:block-container>\n";
                break;
            default:
                out +=
                    "<fo:block font=\"italic bold 11pt/1.2 Times, serif\" margin=\"1pt 2pt\">"
                    "Rule <fo:leader leader-pattern=\"rule\" rule-thickness=\"1pt\" "
                    "rule-style=\"dashed\"/> " +
                    n + "</fo:block>\n";
                break;
        }
    }
    out += "</fo:flow></fo:page-sequence>\n</fo:root>\n";
    return out;
}

const std::string& document() {
    static const std::string doc = [] {
        if (const char* path = std::getenv("LORP_BENCH_FO")) {
            std::ifstream in(path, std::ios::binary);
            if (!in) {
                std::cerr << "cannot read LORP_BENCH_FO=" << path << "\n";
                std::exit(1);
            }
            std::ostringstream text;
            text << in.rdbuf();
            return text.str();
        }
        return generate_document(20000);
    }();
    return doc;
}

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
