# Report and file list computation over a scanned fixture tree.
add_executable(fscope_bench_reports ${CMAKE_CURRENT_LIST_DIR}/bench_reports.cpp)
target_link_libraries(fscope_bench_reports PRIVATE fscope_viewer fscope_bench_fixture)
target_compile_definitions(fscope_bench_reports PRIVATE
  FSCOPE_FILTERS_FILE="${PROJECT_SOURCE_DIR}/common/filters.dat")
