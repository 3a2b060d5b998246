# setrix-cli batch in-process: N devices documented into a folder, against one document.
setrix_add_bench(batch_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/batch_bench.cpp LIBS setrix_cli_core)
