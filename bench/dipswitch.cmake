setrix_add_bench(dipswitch_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/dipswitch_bench.cpp LIBS setrix_dipswitch)
