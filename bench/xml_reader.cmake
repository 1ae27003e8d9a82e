# Tokenising speed of the XML pull reader, measured against libxml2's streaming
# reader over the same bytes. LORP_BENCH_FO names the document to read; without
# it a smaller FO document is generated in memory.
lorp_bench(xml_reader_bench ${CMAKE_CURRENT_LIST_DIR}/xml_reader_bench.cpp lorp_xml)
