#pragma once
// A temporary folder for a test, removed with everything in it when the test ends, and small
// helpers to build fixture trees in it (names are bytes: any name the file system takes).

#include <sys/types.h>

#include <string>
#include <string_view>

namespace fscope::test {

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The folder, ending in '/'.
    const std::string& Root() const { return root_; }
    std::string Path(std::string_view relative) const { return root_ + std::string(relative); }

    // Creates a file of `size` bytes (folders on the way are created); returns its full path.
    std::string File(std::string_view relative, size_t size = 0);
    std::string Folder(std::string_view relative);
    std::string Link(std::string_view relative, std::string_view target);
    // Sets the modification and access times (UTC seconds).
    void SetTimes(std::string_view relative, int64_t seconds);

private:
    std::string root_;
};

// Removes a tree of any depth (relative to descriptors, without recursion on the call stack).
void RemoveTree(const std::string& path);

}  // namespace fscope::test
