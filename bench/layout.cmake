# Layout plus text rendering of one document, measured against build_fo_tree
# (the parse stage) over the same bytes in the same run. LORP_BENCH_FO names
# the document; without it a smaller one is generated in memory.
lorp_bench(layout_bench ${CMAKE_CURRENT_LIST_DIR}/layout_bench.cpp lorp_render_text lorp_layout)
