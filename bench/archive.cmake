# Disk report archive: fscopecmd /S and the archive load on a generated tree, next to gdu and
# ncdu writing and reading their own exports of the same tree.
#   fscope_bench_archive [file count = 1000000] [runs = 1]
add_executable(fscope_bench_archive ${CMAKE_CURRENT_LIST_DIR}/bench_archive.cpp)
target_link_libraries(fscope_bench_archive PRIVATE fscope_engine fscope_bench_fixture)
target_compile_definitions(fscope_bench_archive PRIVATE FSCOPECMD_PATH="$<TARGET_FILE:fscopecmd>")
add_dependencies(fscope_bench_archive fscopecmd)
