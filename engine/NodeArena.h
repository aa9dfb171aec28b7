#pragma once
// Bump allocator for a report's nodes and names. Nodes are never freed one by one: a removed
// node's bytes stay until the whole report is freed, which keeps a node free of per-allocation
// overhead (the memory target is 128 bytes per recorded entry, names included).

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace fscope {

class TNodeArena {
public:
    TNodeArena() = default;
    TNodeArena(const TNodeArena&) = delete;
    TNodeArena& operator=(const TNodeArena&) = delete;

    void* Allocate(size_t bytes, size_t align);
    // Copies `name` with a length prefix; returns the prefix's address (see TNodeName).
    const char* StoreName(std::string_view name);
    // Takes over every block of `other` (the blocks of a helper thread's arena).
    void Adopt(TNodeArena&& other);
    void Clear();
    size_t BytesReserved() const { return reserved_; }

private:
    static constexpr size_t kBlockSize = 1 << 20;
    std::vector<std::unique_ptr<std::byte[]>> blocks_;
    std::byte* cur_ = nullptr;
    size_t left_ = 0;
    size_t reserved_ = 0;
};

// A node's name: bytes exactly as the listing returned them, stored in the arena behind a
// length prefix (one byte below 255, else 0xFF and four bytes).
class TNodeName {
public:
    TNodeName() = default;
    explicit TNodeName(const char* stored) : p_(stored) {}
    std::string_view view() const;
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    size_t size() const { return view().size(); }
    bool empty() const { return view().empty(); }
    friend bool operator==(const TNodeName& a, std::string_view b) { return a.view() == b; }

private:
    const char* p_ = nullptr;
};

}  // namespace fscope
