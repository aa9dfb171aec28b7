#include "engine/SharedStrings.h"

#include <stdexcept>

namespace fscope {

template <class Record>
uint32_t TInternTable<Record>::Intern(const Record& r, const std::string& key) {
    std::lock_guard lock(mutex_);
    auto it = ids_.find(key);
    if (it != ids_.end()) return it->second;
    uint32_t id = count_;
    size_t chunk = id >> kChunkBits;
    if (chunk >= kMaxChunks) throw std::length_error("too many distinct type names or owners");
    Record* block = chunks_[chunk].load(std::memory_order_relaxed);
    if (!block) {
        block = new Record[size_t{1} << kChunkBits];  // lives as long as the program
        chunks_[chunk].store(block, std::memory_order_release);
    }
    block[id & kChunkMask] = r;
    // Publish the filled slot before anyone can learn its id.
    std::atomic_thread_fence(std::memory_order_release);
    ++count_;
    ids_.emplace(key, id);
    return id;
}

template class TInternTable<TTypeRecord>;
template class TInternTable<TOwnerRecord>;

TInternTable<TTypeRecord>& TypeTable() {
    static auto* t = [] {
        auto* table = new TInternTable<TTypeRecord>;
        table->Intern({}, std::string(1, '\0'));  // id 0: no type given yet ("", icon 0)
        return table;
    }();
    return *t;
}

TInternTable<TOwnerRecord>& OwnerTable() {
    static auto* t = [] {
        auto* table = new TInternTable<TOwnerRecord>;
        table->Intern({}, std::string(1, '\0'));  // id 0: not yet determined
        return table;
    }();
    return *t;
}

uint32_t InternType(const std::string& typeName, int imageIndex) {
    std::string key = typeName;
    key.push_back('\0');
    key += std::to_string(imageIndex);
    return TypeTable().Intern({typeName, imageIndex}, key);
}

uint32_t InternOwner(const std::string& owner, const std::string& domain) {
    if (owner.empty() && domain.empty()) return 0;
    std::string key = owner;
    key.push_back('\0');
    key += domain;
    key.push_back('\1');
    return OwnerTable().Intern({owner, domain}, key);
}

}  // namespace fscope
