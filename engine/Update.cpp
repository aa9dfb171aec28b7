// The in-place update of a normal report: re-read what is there, drop what is gone, add
// what is new.

#include <cerrno>
#include <unordered_set>

#include "engine/Folioscope.h"

namespace fscope {

namespace {
// Only these errors mean the entry is gone; anything else (permission, a name too long) keeps
// the node as it was rather than dropping data we merely could not read.
bool IsGone(int error) { return error == ENOENT || error == ENOTDIR; }
}  // namespace

bool TFolioscope::ItemExists(std::string_view name, const TFoldList& list, TItemKind kind) {
    for (const TFoldInfo* n : list)
        if (n->FName == name && (kind == TItemKind::File || n->IsFolder())) return true;
    return false;
}

void TFolioscope::CountIntoTotals(const TFoldInfo* node) {
    if (TExtInfo* info = FExtList.Find(node->FExt())) {
        ++info->FCount;
        info->FSize += node->FSize;
        info->FAllocSize += node->FAllocSize;
        return;
    }
    auto fresh = std::make_unique<TExtInfo>();
    fresh->FTypeName = node->FTypeName();
    fresh->FExt = std::string(node->FExt());
    fresh->FImageIndex = node->FImageIndex();
    fresh->FTypeId = node->FTypeId;
    fresh->FCount = 1;
    fresh->FSize = node->FSize;
    fresh->FAllocSize = node->FAllocSize;
    FExtList.Append(std::move(fresh));
}

void TFolioscope::RefreshItems(TFoldList& list) {
    auto& items = list.items();
    TDirEntry e;
    std::string nameStore;
    size_t i = 0;
    for (; i < items.size(); ++i) {
        if (FStop.load(std::memory_order_relaxed)) break;
        TFoldInfo* node = items[i];
        if (!node->IsFolder()) {
            const std::string full = GetItemPath(node) + node->FName.str();
            const int err = source_->StatEntry(full, e, nameStore);
            if (err == 0 && !e.IsDirectory()) {
                node->FSize = static_cast<double>(e.size);
                node->FAllocSize = AllocSizeOf(node->FSize);
                node->FAttr = e.attr;
                node->FAccessed = FileTimeToDateTime(e.accessed.seconds, e.accessed.nanoseconds);
                node->FModified = FileTimeToDateTime(e.modified.seconds, e.modified.nanoseconds);
                node->FCreated = FileTimeToDateTime(e.created.seconds, e.created.nanoseconds);
            } else if (err == 0 || IsGone(err)) {
                items[i] = nullptr;  // gone (or no longer a file): its place is packed below
                continue;
            }
            CountIntoTotals(node);
        } else {
            const std::string own = GetItemPath(node);
            const int err = source_->StatEntry(own, e, nameStore);
            if ((err == 0 && !e.IsDirectory()) || IsGone(err)) {
                items[i] = nullptr;
                continue;
            }
            RefreshItems(*node->FItems);
            RefreshFolder(*node->FItems, own, node);
        }
        if (FProgressLabel) FProgressLabel->files.store(FFileCount, std::memory_order_relaxed);
        if (FMessagePump) FMessagePump();
    }
    // Pack the emptied places; survivors keep their order.
    std::erase(items, nullptr);
    items.shrink_to_fit();
}

void TFolioscope::RefreshFolder(TFoldList& list, const std::string& path, TFoldInfo* parent) {
    std::unique_ptr<IFolderReader> reader = source_->OpenRoot(path);
    if (!reader) return;
    // Name sets instead of a linear ItemExists per entry: an update of a large folder stays
    // linear. The sets hold views of names stored in the arena, which do not move.
    std::unordered_set<std::string_view> names, folderNames;
    for (const TFoldInfo* n : list) {
        names.insert(n->FName.view());
        if (n->IsFolder()) folderNames.insert(n->FName.view());
    }
    const uint32_t folderType = FolderTypeId();
    TDirEntry e;
    bool first = true;
    for (;;) {
        const bool got = reader->Next(e);
        if (!first && FStop.load(std::memory_order_relaxed)) break;
        first = false;
        if (!got) break;
        if (e.IsDirectory()) {
            ++FFolderCount;
            const std::string childPath = path + std::string(e.name) + '/';
            if (!folderNames.contains(e.name) && !IsExcludedPath(childPath)) {
                TFoldInfo* node = NewFolder(parent, e.name);
                node->FTypeId = folderType;
                node->FAttr = e.attr;
                node->FAccessed = FileTimeToDateTime(e.accessed.seconds, e.accessed.nanoseconds);
                node->FModified = FileTimeToDateTime(e.modified.seconds, e.modified.nanoseconds);
                node->FCreated = FileTimeToDateTime(e.created.seconds, e.created.nanoseconds);
                WalkReader(reader->OpenChild(e), childPath, node, false);
            }
        } else if (!names.contains(e.name)) {
            AddFileEntry(e, parent, false);
        }
        if (FMessagePump) FMessagePump();
    }
}

void TFolioscope::UpdateReport() {
    if (CustScan) {
        Rescan();
        return;
    }
    FExtList.Clear();
    FFileCount = 0;
    FFolderCount = 0;
    RefreshItems(FItems);
    RefreshFolder(FItems, FRootPath, nullptr);
}

}  // namespace fscope
