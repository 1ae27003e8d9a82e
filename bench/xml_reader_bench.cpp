// Reads one FO document with lorp's pull reader and with libxml2's
// xmlTextReader, in the same run, and reports bytes per second for each.
//   LORP_BENCH_FO=/tmp/big.fo ./xml_reader_bench
#include <benchmark/benchmark.h>
#include <libxml/xmlreader.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "xml/attribute_list.h"
#include "xml/entity_references.h"
#include "xml/namespace_table.h"
#include "xml/xml_reader.h"

namespace {

// A document shaped like the generated benchmark input: blocks with
// attributes, inlines, links, references and empty elements.
std::string generate_document(int blocks) {
    std::string doc =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\n"
        "<fo:layout-master-set><fo:simple-page-master master-name=\"A4\" page-width=\"210mm\" "
        "page-height=\"297mm\"><fo:region-body margin=\"2cm\"/></fo:simple-page-master>"
        "</fo:layout-master-set>\n<fo:page-sequence master-reference=\"A4\">"
        "<fo:flow flow-name=\"xsl-region-body\">\n";
    for (int i = 0; i < blocks; ++i) {
        std::string n = std::to_string(i);
        switch (i % 4) {
            case 0:
                doc += "<fo:block id=\"b" + n +
                       "\" font-size=\"12pt\" space-before=\"3pt\">Paragraph " + n +
                       ": Fish &amp; Chips &#x41;&#66; and some plain text to fill the "
                       "line.</fo:block>\n";
                break;
            case 1:
                doc +=
                    "<fo:block background-color=\"#eeeeee\" border=\"0.5pt solid black\" "
                    "padding=\"2pt\">Block " +
                    n +
                    " with <fo:inline color=\"red\" "
                    "font-weight=\"bold\">inline " +
                    n + "</fo:inline> text.</fo:block>\n";
                break;
            case 2:
                doc +=
                    "<fo:block start-indent=\"1cm\"><fo:basic-link external-destination="
                    "\"https://example.org/" +
                    n + "\">link " + n +
                    "</fo:basic-link> see page "
                    "<fo:page-number-citation ref-id=\"b" +
                    n + "\"/></fo:block>\n";
                break;
            default:
                doc += "<fo:block>Chapter " + n +
                       "<fo:leader leader-pattern=\"dots\"/>"
                       "<fo:page-number/></fo:block>\n";
                break;
        }
    }
    doc += "</fo:flow></fo:page-sequence>\n</fo:root>\n";
    return doc;
}

const std::string& document() {
    static const std::string doc = [] {
        if (const char* path = std::getenv("LORP_BENCH_FO")) {
            std::ifstream in(path, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "cannot read LORP_BENCH_FO=%s\n", path);
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

// Every item, nothing else: the reader's own tokenising.
void BM_LorpReaderItems(benchmark::State& state) {
    const std::string& doc = document();
    for (auto _ : state) {
        lorp::XmlReader reader(doc);
        std::size_t items = 0;
        for (;;) {
            lorp::Result<lorp::XmlItem> item = reader.next();
            if (!item.ok()) {
                state.SkipWithError("lorp reader failed");
                return;
            }
            if (item->kind == lorp::XmlItemKind::EndOfDocument) {
                break;
            }
            ++items;
        }
        benchmark::DoNotOptimize(items);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

// Every item plus what the tree builder asks of each: namespace declarations,
// element resolution, the decoded attribute list and the expanded text.
void BM_LorpReaderDecoded(benchmark::State& state) {
    const std::string& doc = document();
    lorp::AttributeList attributes;
    std::string text;
    for (auto _ : state) {
        lorp::XmlReader reader(doc);
        lorp::NamespaceTable namespaces;
        std::size_t fo_elements = 0;
        for (;;) {
            lorp::Result<lorp::XmlItem> item = reader.next();
            if (!item.ok()) {
                state.SkipWithError("lorp reader failed");
                return;
            }
            if (item->kind == lorp::XmlItemKind::EndOfDocument) {
                break;
            }
            if (item->kind == lorp::XmlItemKind::StartTag) {
                namespaces.record_namespaces(*item);
                if (namespaces.resolve_element(item->name).is_fo) {
                    ++fo_elements;
                    if (!attributes.decode(*item, doc).ok()) {
                        state.SkipWithError("attribute decoding failed");
                        return;
                    }
                }
            } else if (item->kind == lorp::XmlItemKind::Text) {
                text.clear();
                if (!lorp::append_expanded(text, item->text, doc).ok()) {
                    state.SkipWithError("reference expansion failed");
                    return;
                }
            }
        }
        benchmark::DoNotOptimize(fo_elements);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

// libxml2's streaming reader, reading every node.
void BM_Libxml2TextReader(benchmark::State& state) {
    const std::string& doc = document();
    for (auto _ : state) {
        xmlTextReaderPtr reader = xmlReaderForMemory(doc.data(), static_cast<int>(doc.size()),
                                                     nullptr, nullptr, XML_PARSE_HUGE);
        int status;
        std::size_t nodes = 0;
        while ((status = xmlTextReaderRead(reader)) == 1) {
            ++nodes;
        }
        xmlFreeTextReader(reader);
        if (status != 0) {
            state.SkipWithError("libxml2 reader failed");
            return;
        }
        benchmark::DoNotOptimize(nodes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

BENCHMARK(BM_LorpReaderItems)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LorpReaderDecoded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Libxml2TextReader)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
