# The PDF engine: building and saving a document to memory.
setrix_add_bench(pdf_bench OWN_MAIN SOURCES ${CMAKE_CURRENT_LIST_DIR}/pdf_bench.cpp LIBS setrix_pdf)
