# Whole conversions (validate, text, PDF, SVG) of one document against
# libxml2's DOM parse of the same bytes, in the same run.
lorp_bench(convert_bench ${CMAKE_CURRENT_LIST_DIR}/convert_bench.cpp lorp_convert)
