# The DC isolator calculation and the number formatter.
setrix_add_bench(dc_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/dc_bench.cpp LIBS setrix_modules)
