#include "engine/NodeArena.h"

#include <cstdint>
#include <cstring>

namespace fscope {

void* TNodeArena::Allocate(size_t bytes, size_t align) {
    size_t pad = (align - reinterpret_cast<uintptr_t>(cur_) % align) % align;
    if (!cur_ || pad + bytes > left_) {
        size_t size = bytes + align > kBlockSize ? bytes + align : kBlockSize;
        blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(size));
        cur_ = blocks_.back().get();
        left_ = size;
        reserved_ += size;
        pad = (align - reinterpret_cast<uintptr_t>(cur_) % align) % align;
    }
    std::byte* p = cur_ + pad;
    cur_ = p + bytes;
    left_ -= pad + bytes;
    return p;
}

const char* TNodeArena::StoreName(std::string_view name) {
    const size_t prefix = name.size() < 255 ? 1 : 5;
    char* p = static_cast<char*>(Allocate(prefix + name.size(), 1));
    if (prefix == 1) {
        p[0] = static_cast<char>(name.size());
    } else {
        p[0] = static_cast<char>(0xFF);
        uint32_t len = static_cast<uint32_t>(name.size());
        std::memcpy(p + 1, &len, 4);
    }
    if (!name.empty()) std::memcpy(p + prefix, name.data(), name.size());
    return p;
}

void TNodeArena::Adopt(TNodeArena&& other) {
    for (auto& b : other.blocks_) blocks_.push_back(std::move(b));
    reserved_ += other.reserved_;
    other.blocks_.clear();
    other.cur_ = nullptr;
    other.left_ = 0;
    other.reserved_ = 0;
}

void TNodeArena::Clear() {
    blocks_.clear();
    cur_ = nullptr;
    left_ = 0;
    reserved_ = 0;
}

std::string_view TNodeName::view() const {
    if (!p_) return {};
    auto n = static_cast<unsigned char>(p_[0]);
    if (n < 255) return {p_ + 1, n};
    uint32_t len;
    std::memcpy(&len, p_ + 1, 4);
    return {p_ + 5, len};
}

}  // namespace fscope
