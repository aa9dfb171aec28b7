// The scan: walks a folder depth first and records every entry in listing order.

#include <cmath>

#include "engine/Folioscope.h"
#include "engine/TreeWalk.h"
#include "platform/TypeNames.h"
#include "platform/Volume.h"

namespace fscope {

uint32_t ClusterSizeFor(const std::string& fs, double total) {
    const double mb = total / 1048576.0;
    const double gb = total / 1073741824.0;
    const double tb = gb / 1024.0;
    if (fs == "FAT32" || fs == "FAT16") {
        if (gb <= 8) return 4096;
        if (gb <= 16) return 8192;
        if (gb <= 32) return 16384;
        return 32768;
    }
    if (fs == "NTFS") {
        if (mb >= 512 && tb <= 16) return 4096;
        if (tb > 16 && tb <= 32) return 8192;
        if (tb > 32 && tb <= 64) return 16384;
        if (tb > 64 && tb <= 128) return 32768;
        return 65536;
    }
    if (fs == "ExFAT") {
        if (mb >= 7 && mb <= 256) return 4096;
        if (mb > 256 && gb <= 32) return 32768;
        if (gb > 32 && tb <= 256) return 131072;
        return 0;
    }
    return 0;
}

uint32_t GetClusterSize(const std::string& path) {
    TVolumeInfo v = QueryVolume(path);
    if (!v.ok) return 0;
    return ClusterSizeFor(v.fileSystem, static_cast<double>(v.totalBytes));
}

double TFolioscope::AllocSizeOf(double size) const {
    // Whole clusters, rounded up: an empty file takes none, a full cluster exactly one.
    return std::ceil(size / FClusterSize) * FClusterSize;
}

bool TFolioscope::IsExcludedPath(const std::string& folderPath) const {
    for (const std::string& p : excludedPaths_)
        if (p == folderPath) return true;
    return false;
}

void TFolioscope::PrepareScan(const std::string& path) {
    FItems.items().clear();
    FExtList.Clear();
    FRootPath = path;
    uint32_t cluster = GetClusterSize(path);
    FClusterSize = cluster ? cluster : 4096;
    FSIcons = settings_.SIcons;
    FLoaded = false;
    FFileCount = 0;
    FFolderCount = 0;
}

bool TFolioscope::Scan(const std::string& path) {
    PrepareScan(path);
    return ScanFolder(FRootPath, FItems, nullptr);
}

bool TFolioscope::ScanFolder(const std::string& path, TFoldList& list, TFoldInfo* parent) {
    (void)list;  // entries go to the parent's own list (FItems at top level)
    return Walk(path, parent, false);
}

bool TFolioscope::Walk(const std::string& rootPath, TFoldInfo* rootParent, bool custom) {
    std::unique_ptr<IFolderReader> rootReader = source_->OpenRoot(rootPath);
    if (rootReader)
        TTreeWalk(*this, custom, walkThreads_).Run(std::move(rootReader), rootPath, rootParent);
    return true;
}

void TFolioscope::WalkReader(std::unique_ptr<IFolderReader> reader, const std::string& path,
                             TFoldInfo* parent, bool custom) {
    TTreeWalk(*this, custom, walkThreads_).Run(std::move(reader), path, parent);
}

}  // namespace fscope
