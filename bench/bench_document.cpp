#include "bench_document.h"

#include <libxml/parser.h>

#include <cstdlib>
#include <fstream>
#include <iostream>

namespace lorp_bench {

// Blocks with text and references, inlines, links, citations, leaders,
// markers, footnotes and containers, with a spread of properties.
std::string generate_bench_document(int blocks) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\n"
        "<fo:layout-master-set><fo:simple-page-master master-name=\"A4\" page-width=\"210mm\" "
        "page-height=\"297mm\" margin=\"2cm\"><fo:region-body margin-top=\"1cm\"/>"
        "</fo:simple-page-master></fo:layout-master-set>\n"
        "<fo:page-sequence master-reference=\"A4\"><fo:flow flow-name=\"xsl-region-body\">\n";
    for (int i = 0; i < blocks; ++i) {
        const std::string n = std::to_string(i);
        switch (i % 8) {
            case 0:
                out += "<fo:block id=\"b" + n +
                       "\" font-size=\"12pt\" space-before=\"3pt\">Paragraph " + n +
                       ": Fish &amp; Chips &#x41;&#66; and some plain text to fill the "
                       "line.</fo:block>";
                break;
            case 1:
                out +=
                    "<fo:block background-color=\"#eeeeee\" border=\"0.5pt solid black\" "
                    "padding=\"2pt\">Block " +
                    n +
                    " with <fo:inline color=\"red\" "
                    "font-weight=\"bold\">inline " +
                    n + "</fo:inline> text.</fo:block>";
                break;
            case 2:
                out +=
                    "<fo:block start-indent=\"1cm\" end-indent=\"5mm\" text-indent=\"12pt\">"
                    "<fo:basic-link external-destination=\"https://example.org/" +
                    n + "\">link " + n +
                    "</fo:basic-link> see page <fo:page-number-citation ref-id=\"b0\"/></fo:block>";
                break;
            case 3:
                out += "<fo:block>Chapter " + n +
                       "<fo:leader leader-pattern=\"dots\"/>"
                       "<fo:page-number/></fo:block>";
                break;
            case 4:
                out +=
                    "<fo:block font-family=\"Helvetica, sans-serif\" font-size=\"10pt\" "
                    "color=\"#336699\" border-bottom=\"1pt dashed blue\"><fo:marker "
                    "marker-class-name=\"head\">Section " +
                    n + "</fo:marker>Section " + n + " text</fo:block>";
                break;
            case 5:
                out += "<fo:block>Note " + n +
                       "<fo:footnote><fo:inline>*</fo:inline><fo:footnote-body>"
                       "<fo:block font-size=\"8pt\">Footnote " +
                       n +
                       "</fo:block></fo:footnote-body>"
                       "</fo:footnote></fo:block>";
                break;
            case 6:
                out +=
                    "<fo:block-container overflow=\"hidden\" background-color=\"yellow\"><fo:block>"
                    "Container " +
                    n + "</fo:block></fo:block-container>";
                break;
            default:
                out +=
                    "<fo:block font=\"italic bold 11pt/1.2 Times, serif\" margin=\"1pt 2pt\">Rule "
                    "<fo:leader leader-pattern=\"rule\" rule-thickness=\"1pt\" "
                    "rule-style=\"dashed\"/> " +
                    n + "</fo:block>";
                break;
        }
        out += '\n';
    }
    out += "</fo:flow></fo:page-sequence>\n</fo:root>\n";
    return out;
}

const std::string& bench_document() {
    static const std::string text = [] {
        if (const char* path = std::getenv("LORP_BENCH_FO"); path != nullptr && *path != '\0') {
            // Read straight into one string of the file's size, so the
            // document costs its own size once in the peak memory.
            std::ifstream in(path, std::ios::binary | std::ios::ate);
            if (!in) {
                std::cerr << "cannot read LORP_BENCH_FO=" << path << '\n';
                std::exit(1);
            }
            std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
            in.seekg(0);
            in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            return bytes;
        }
        return generate_bench_document(20000);
    }();
    return text;
}

void BM_LibXml2ReadMemory(benchmark::State& state) {
    const std::string& text = bench_document();
    for (auto _ : state) {
        xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), "bench.fo",
                                      nullptr, XML_PARSE_NONET | XML_PARSE_HUGE);
        if (doc == nullptr) {
            state.SkipWithError("xmlReadMemory failed");
            return;
        }
        benchmark::DoNotOptimize(doc);
        xmlFreeDoc(doc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

}  // namespace lorp_bench
