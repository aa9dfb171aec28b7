#pragma once
// Subtree totals of folders, shared by the folder tree, the File Explorer and the all-folders
// list. One pass over the subtree, with an explicit stack (trees may be thousands of levels
// deep); every folder met on the way gets its own totals stored too, so each folder is summed
// once however the callers ask.

#include <cstdint>

#include "engine/FoldInfo.h"

namespace fscope {

struct TFolderTotals {
    double size = 0;    // FSize of every file in the list and below it
    double alloc = 0;   // FAllocSize of the same files
    double wasted = 0;  // alloc - size
    int32_t files = 0;
    int32_t folders = 0;  // folders in the list and below it
};

// Totals over `list` and everything below it. Stores the subtree totals into every folder below
// that has none yet (FSize, FAllocSize, FFileCount, FFolderCount, FItems->FTotalsDone); a folder
// whose FTotalsDone is set is taken at its stored values without being walked again.
TFolderTotals FolderTotals(const TFoldList& list);

// Makes sure `folder` (a folder node) holds its subtree totals; nothing when already done.
void FolderTotals(TFoldInfo* folder);

}  // namespace fscope
