#pragma once
// A deterministic generator of realistic fixture trees for benchmarks: nested folders, mixed
// extensions (with letter-case variants), log-normal file sizes (large files are sparse, so a
// million files fit on a small disk), dotfiles, empty folders and a symbolic-link loop.

#include <cstdint>
#include <string>

namespace fscope::bench {

struct TFixtureStats {
    uint64_t files = 0;
    uint64_t folders = 0;
    uint64_t links = 0;
    uint64_t bytes = 0;  // sum of file lengths
};

// Builds the tree under `root` (created; must not exist or be a tree made by an earlier call
// with the same arguments, which is then reused as it is). Same arguments, same tree.
TFixtureStats GenerateFixtureTree(const std::string& root, uint64_t fileCount, uint64_t seed);

// The default location of a shared benchmark tree of `fileCount` files:
// $FSCOPE_BENCH_DIR (default /tmp/fscope-bench) + "/tree-<fileCount>".
std::string DefaultFixturePath(uint64_t fileCount);

}  // namespace fscope::bench
