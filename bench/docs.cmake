# The PDF documentation: each module's document filled and written to memory.
setrix_add_bench(docs_bench OWN_MAIN SOURCES ${CMAKE_CURRENT_LIST_DIR}/docs_bench.cpp LIBS setrix_docs)
