#pragma once
// The display order of the File Viewer's lists (settings VSort and VSortOrder).

#include <cstdint>
#include <vector>

#include "engine/Folioscope.h"

namespace fscope {

// Columns: 0 name, 1 folder path, 2 extension (all three without regard to ASCII letter case),
// 3 size, 4 size on disk, 5 last modified, 6 attributes (unsigned), 7 created, 8 last accessed
// (times less than 1 ms apart are equal), 9 DOS name: the upper-cased full path (short names
// do not exist here). Any other column compares all entries equal. `order` 1 negates.
int CompareViewItems(const TFoldInfo& a, const TFoldInfo& b, const TFolioscope& report,
                     int column, int order);

// Sorts `files` (nodes of `report`) by CompareViewItems. Paths are built once per file, not
// once per comparison.
void SortViewItems(std::vector<TFoldInfo*>& files, const TFolioscope& report, int column,
                   int order);

}  // namespace fscope
