# Start-up of the desktop program against a minimal Qt Widgets program (bench/startup.py
# runs both side by side).
if(TARGET setrix_app)
  add_executable(startup_minimal ${CMAKE_CURRENT_LIST_DIR}/startup/minimal.cpp)
  target_include_directories(startup_minimal PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(startup_minimal PRIVATE Qt6::Widgets)
  add_executable(startup_setrix ${CMAKE_CURRENT_LIST_DIR}/startup/setrix.cpp)
  target_link_libraries(startup_setrix PRIVATE setrix_app)
endif()
