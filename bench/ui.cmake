# The window's responsiveness during a scan and the File Explorer's fill time:
#   fscope_bench_ui [files]
if(TARGET fscope_ui)
  add_executable(fscope_bench_ui ${CMAKE_CURRENT_LIST_DIR}/bench_ui.cpp)
  target_link_libraries(fscope_bench_ui PRIVATE fscope_ui fscope_bench_fixture)
endif()
