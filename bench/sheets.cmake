# The PDF documentation: each module's document filled and written to memory.
setrix_add_bench(sheets_bench OWN_MAIN SOURCES ${CMAKE_CURRENT_LIST_DIR}/sheets_bench.cpp LIBS setrix_sheets)
