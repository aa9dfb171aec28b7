# The fixture-tree generator shared by every benchmark, and a program to build a tree by hand:
#   fscope_make_fixture <root> <file count> [seed]
add_library(fscope_bench_fixture STATIC ${CMAKE_CURRENT_LIST_DIR}/FixtureTree.cpp)
target_include_directories(fscope_bench_fixture PUBLIC ${CMAKE_CURRENT_LIST_DIR})
add_executable(fscope_make_fixture ${CMAKE_CURRENT_LIST_DIR}/make_fixture.cpp)
target_link_libraries(fscope_make_fixture PRIVATE fscope_bench_fixture)
