# The parse stage (build_fo_tree, what validate runs) against libxml2 building
# its DOM from the same bytes. LORP_BENCH_FO names the document; without it a
# smaller one is generated in memory.
lorp_bench(parse_bench ${CMAKE_CURRENT_SOURCE_DIR}/parse_bench.cpp lorp_fo)
