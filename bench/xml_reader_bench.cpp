// Reads one FO document with lorp's pull reader and with libxml2's
// xmlTextReader, in the same run, and reports bytes per second for each.
//   LORP_BENCH_FO=/tmp/big.fo ./xml_reader_bench
#include <benchmark/benchmark.h>
#include <libxml/xmlreader.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "xml/attribute_list.h"
#include "xml/entity_references.h"
#include "xml/namespace_table.h"
#include "xml/xml_reader.h"
#include "bench_document.h"

namespace {

const std::string& document() { return lorp_bench::bench_document(); }

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
