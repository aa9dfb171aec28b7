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
    // Level by level on an explicit stack: a kept folder's children are re-read, then what is
    // new in it is added, before its next sibling; a tree of any depth keeps the call stack flat.
    struct Level {
        TFoldList* list;
        size_t next;
        TFoldInfo* folder;     // the folder owning `list` (null for the list passed in)
        std::string ownPath;   // its path, for adding what is new once its children are done
    };
    std::vector<Level> stack{{&list, 0, nullptr, {}}};
    TDirEntry e;
    std::string nameStore;
    while (!stack.empty()) {
        Level& level = stack.back();
        auto& items = level.list->items();
        if (level.next == items.size() || FStop.load(std::memory_order_relaxed)) {
            // Pack the emptied places; survivors keep their order.
            std::erase(items, nullptr);
            items.shrink_to_fit();
            Level done = std::move(level);
            stack.pop_back();
            if (done.folder) {
                RefreshFolder(*done.list, done.ownPath, done.folder);
                if (FMessagePump) FMessagePump();
            }
            continue;
        }
        const size_t i = level.next++;
        TFoldInfo* node = items[i];
        if (!node->IsFolder()) {
            const std::string full = GetItemPath(node) + node->FName.str();
            const int err = source_->StatEntry(full, e, nameStore);
            if (err == 0 && !e.IsDirectory()) {
                node->FSize = static_cast<double>(e.size);
                node->FAllocSize = AllocSizeOf(node->FSize);
                CopyEntryDetails(*node, e);
            } else if (err == 0 || IsGone(err)) {
                items[i] = nullptr;  // gone (or no longer a file): its place is packed later
                continue;
            }
            CountIntoTotals(node);
            if (FMessagePump) FMessagePump();
            continue;
        }
        std::string own = GetItemPath(node);
        const int err = source_->StatEntry(own, e, nameStore);
        if ((err == 0 && !e.IsDirectory()) || IsGone(err)) {
            items[i] = nullptr;
            continue;
        }
        stack.push_back({node->FItems, 0, node, std::move(own)});  // `level` is stale now
    }
}

namespace {
// Hands out only the entries a folder's list does not hold yet (a file by name, a folder by
// name among folders), counting the folders it skips, so the walk adds exactly what is new.
// Name sets instead of a linear ItemExists per entry keep a large folder's update linear;
// they hold views of names stored in the report, which do not move.
class TNewEntriesReader final : public IFolderReader {
public:
    TNewEntriesReader(std::unique_ptr<IFolderReader> inner, const TFoldList& list,
                      int32_t& folderCount)
        : inner_(std::move(inner)), folderCount_(folderCount) {
        for (const TFoldInfo* n : list) {
            names_.insert(n->FName.view());
            if (n->IsFolder()) folderNames_.insert(n->FName.view());
        }
    }
    bool Next(TDirEntry& e) override {
        while (inner_->Next(e)) {
            if (e.IsDirectory() ? !folderNames_.contains(e.name) : !names_.contains(e.name))
                return true;
            if (e.IsDirectory()) ++folderCount_;
        }
        return false;
    }
    std::unique_ptr<IFolderReader> OpenChild(const TDirEntry& e) override {
        return inner_->OpenChild(e);
    }

private:
    std::unique_ptr<IFolderReader> inner_;
    int32_t& folderCount_;
    std::unordered_set<std::string_view> names_, folderNames_;
};
}  // namespace

void TFolioscope::RefreshFolder(TFoldList& list, const std::string& path, TFoldInfo* parent) {
    std::unique_ptr<IFolderReader> reader = source_->OpenRoot(path);
    if (!reader) return;
    WalkReader(std::make_unique<TNewEntriesReader>(std::move(reader), list, FFolderCount), path,
               parent, false);
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
