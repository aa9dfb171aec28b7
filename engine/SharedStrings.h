#pragma once
// Process-wide tables of the strings that repeat across nodes (type names with their icon
// index, owners with their domain). A node keeps a 32-bit id instead of its own copies.
// Entries are never removed; interning is thread-safe and reading an entry is lock-free.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace fscope {

struct TTypeRecord {
    std::string typeName;
    int imageIndex = 0;
};

struct TOwnerRecord {
    std::string owner;
    std::string domain;
};

template <class Record>
class TInternTable {
public:
    // Id of the record equal to `r`, adding it when new.
    uint32_t Intern(const Record& r, const std::string& key);
    const Record& Get(uint32_t id) const {
        return chunks_[id >> kChunkBits].load(std::memory_order_acquire)[id & kChunkMask];
    }

private:
    static constexpr unsigned kChunkBits = 10;
    static constexpr uint32_t kChunkMask = (1u << kChunkBits) - 1;
    static constexpr size_t kMaxChunks = 1 << 12;
    std::mutex mutex_;
    std::unordered_map<std::string, uint32_t> ids_;
    uint32_t count_ = 0;
    std::atomic<Record*> chunks_[kMaxChunks] = {};
};

TInternTable<TTypeRecord>& TypeTable();
TInternTable<TOwnerRecord>& OwnerTable();

uint32_t InternType(const std::string& typeName, int imageIndex);
uint32_t InternOwner(const std::string& owner, const std::string& domain);

}  // namespace fscope
