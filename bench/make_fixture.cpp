// Builds a fixture tree: fscope_make_fixture <root> <file count> [seed]
#include <cstdio>
#include <cstdlib>

#include "FixtureTree.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <root> <file count> [seed]\n", argv[0]);
        return 2;
    }
    auto stats =
        fscope::bench::GenerateFixtureTree(argv[1], std::strtoull(argv[2], nullptr, 10),
                                           argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1);
    std::printf("%llu files, %llu folders, %llu links, %llu bytes\n",
                static_cast<unsigned long long>(stats.files),
                static_cast<unsigned long long>(stats.folders),
                static_cast<unsigned long long>(stats.links),
                static_cast<unsigned long long>(stats.bytes));
}
