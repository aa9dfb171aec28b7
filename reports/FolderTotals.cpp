#include "reports/FolderTotals.h"

#include <vector>

namespace fscope {

namespace {

struct Frame {
    TFoldInfo* folder;  // whose totals this frame sums; null for the list asked about
    const TFoldList* list;
    size_t index;
    TFolderTotals sum;
};

void AddFolder(TFolderTotals& to, const TFolderTotals& sub) {
    to.size += sub.size;
    to.alloc += sub.alloc;
    to.files += sub.files;
    to.folders += sub.folders + 1;  // the folder itself and those below it
}

TFolderTotals StoredTotals(const TFoldInfo& folder) {
    TFolderTotals t;
    t.size = folder.FSize;
    t.alloc = folder.FAllocSize;
    t.files = folder.FFileCount;
    t.folders = folder.FFolderCount;
    return t;
}

// Post-order walk: a folder's totals are complete when its frame is popped.
TFolderTotals SumSubtree(TFoldInfo* top, const TFoldList& list) {
    std::vector<Frame> stack;
    stack.push_back({top, &list, 0, {}});
    for (;;) {
        Frame& frame = stack.back();
        if (frame.index < frame.list->size()) {
            TFoldInfo* node = (*frame.list)[frame.index++];
            if (!node->IsFolder()) {
                frame.sum.size += node->FSize;
                frame.sum.alloc += node->FAllocSize;
                frame.sum.files += 1;
            } else if (node->FItems->FTotalsDone) {
                AddFolder(frame.sum, StoredTotals(*node));
            } else {
                stack.push_back({node, node->FItems, 0, {}});  // `frame` is stale from here
            }
            continue;
        }
        const Frame done = frame;
        stack.pop_back();
        if (done.folder) {
            done.folder->FSize = done.sum.size;
            done.folder->FAllocSize = done.sum.alloc;
            done.folder->FFileCount = done.sum.files;
            done.folder->FFolderCount = done.sum.folders;
            done.folder->FItems->FTotalsDone = true;
        }
        if (stack.empty()) {
            TFolderTotals result = done.sum;
            result.wasted = result.alloc - result.size;
            return result;
        }
        AddFolder(stack.back().sum, done.sum);
    }
}

}  // namespace

TFolderTotals FolderTotals(const TFoldList& list) { return SumSubtree(nullptr, list); }

void FolderTotals(TFoldInfo* folder) {
    if (folder == nullptr || !folder->IsFolder() || folder->FItems->FTotalsDone) return;
    SumSubtree(folder, *folder->FItems);
}

}  // namespace fscope
