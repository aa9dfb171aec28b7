#include "engine/Folioscope.h"

#include <new>

#include "engine/TreeWalk.h"
#include "platform/TypeNames.h"

namespace fscope {

TFolioscope::TFolioscope(TScanSettings settings)
    : settings_(std::move(settings)),
      source_(&DiskEntrySource()),
      walkThreads_(TTreeWalk::DefaultThreads()) {
    FExcludeMasks = SplitText(TrimBlanks(settings_.ExFiles), "|");
    excludeMaskList_ = TMaskList(FExcludeMasks);
    // Excluded folders are whole entries "/path/" + "|"; split where a '/' is followed by "|",
    // so a path that itself contains "|" still works.
    std::string_view rest = settings_.ExPaths;
    for (;;) {
        size_t at = rest.find("/|");
        if (at == std::string_view::npos) break;
        excludedPaths_.emplace_back(rest.substr(0, at + 1));
        rest.remove_prefix(at + 2);
    }
}

TFolioscope::~TFolioscope() { FreeTree(); }

void TFolioscope::FreeLists() {
    for (TFoldList* list : folderLists_) list->~TFoldList();
    folderLists_.clear();
}

void TFolioscope::FreeTree() {
    // Nodes live in the arena and child lists are registered, so freeing needs no walk and no
    // recursion, whatever the depth of the tree.
    FItems.items().clear();
    FItems.items().shrink_to_fit();
    FreeLists();
    arena_.Clear();
    FExtList.Clear();
}

int TFolioscope::FolderIconIndex() const {
    return FSIcons == "1" ? kFolderIconIndex : fscope::FolderIconIndex();
}

uint32_t TFolioscope::FolderTypeId() const {
    return InternType(kFolderTypeName, FolderIconIndex());
}

TFoldInfo* TFolioscope::MakeNode(TNodeArena& arena, std::vector<TFoldList*>& lists,
                                  TFoldInfo* parent, std::string_view name, bool folder) {
    auto* node = new (arena.Allocate(sizeof(TFoldInfo), alignof(TFoldInfo))) TFoldInfo;
    node->FName = TNodeName(arena.StoreName(name));
    node->FParent = parent;
    if (folder) {
        auto* list = new (arena.Allocate(sizeof(TFoldList), alignof(TFoldList))) TFoldList;
        lists.push_back(list);
        node->FItems = list;
    }
    ListOf(parent).push_back(node);
    return node;
}

TFoldInfo* TFolioscope::NewFolder(TFoldInfo* parent, std::string_view name) {
    return MakeNode(arena_, folderLists_, parent, name, true);
}

TFoldInfo* TFolioscope::NewFile(TFoldInfo* parent, std::string_view name) {
    return MakeNode(arena_, folderLists_, parent, name, false);
}

void TFolioscope::Rename(TFoldInfo* node, std::string_view newName) {
    node->FName = TNodeName(arena_.StoreName(newName));
}

void TFolioscope::Unlink(TFoldInfo* node) {
    auto& items = ListOf(node->FParent).items();
    for (auto it = items.begin(); it != items.end(); ++it) {
        if (*it == node) {
            items.erase(it);
            break;
        }
    }
}

std::string TFolioscope::GetItemPath(const TFoldInfo* node) const {
    // Collect the folder names from the node up, then join them root first.
    std::vector<std::string_view> names;
    size_t length = FRootPath.size();
    for (const TFoldInfo* n = node; n; n = n->FParent) {
        if (n->IsFolder()) {
            names.push_back(n->FName.view());
            length += n->FName.size() + 1;
        }
    }
    std::string path;
    path.reserve(length + 1);
    path = FRootPath;
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        path += *it;
        path += '/';
    }
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::string TFolioscope::FullPathOf(const TFoldInfo* node) const {
    std::string path = GetItemPath(node);
    if (!node->IsFolder()) path += node->FName.view();
    return path;
}

size_t TFolioscope::MemoryBytes() const {
    size_t bytes = arena_.BytesReserved();
    bytes += FItems.items().capacity() * sizeof(TFoldInfo*);
    for (const TFoldList* list : folderLists_)
        bytes += list->items().capacity() * sizeof(TFoldInfo*);
    bytes += folderLists_.capacity() * sizeof(TFoldList*);
    return bytes;
}

}  // namespace fscope
