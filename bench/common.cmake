# Owner look-ups per file, as the owner report makes them over a large tree.
add_executable(bench_owner ${CMAKE_CURRENT_LIST_DIR}/bench_owner.cpp)
target_link_libraries(bench_owner PRIVATE fscope_common)
