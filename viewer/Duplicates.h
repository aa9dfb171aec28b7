#pragma once
// Duplicate file lists: every file whose key (name; name and size; name and creation time)
// occurs more than once, grouped together and in name order.

#include <vector>

#include "engine/FoldInfo.h"

namespace fscope {

enum class TDupKind {
    Name,      // names equal byte for byte
    NameSize,  // and FSize equal
    NameDate,  // and FCreated exactly equal
};

// The files of `files` whose key occurs at least twice. Order: by name without regard to ASCII
// letter case, then by the exact name bytes (names differing only in case are different keys
// but sort next to each other), then by size or creation time; files with equal keys keep
// their order in `files`.
std::vector<TFoldInfo*> FindDuplicates(std::vector<TFoldInfo*> files, TDupKind kind);

inline std::vector<TFoldInfo*> FindDupsByName(std::vector<TFoldInfo*> files) {
    return FindDuplicates(std::move(files), TDupKind::Name);
}
inline std::vector<TFoldInfo*> FindDupsByNameSize(std::vector<TFoldInfo*> files) {
    return FindDuplicates(std::move(files), TDupKind::NameSize);
}
inline std::vector<TFoldInfo*> FindDupsByNameDate(std::vector<TFoldInfo*> files) {
    return FindDuplicates(std::move(files), TDupKind::NameDate);
}

}  // namespace fscope
