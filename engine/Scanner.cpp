// The scan: walks a folder depth first and records every entry in listing order.

#include <cmath>

#include "engine/Folioscope.h"
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

void TFolioscope::AddFileEntry(const TDirEntry& e, TFoldInfo* parent, bool custom) {
    if (custom) {
        if (!MatchesCriteria(e)) return;
    } else if (!excludeMaskList_.Empty() && excludeMaskList_.Matches(e.name)) {
        return;
    }
    ++FFileCount;
    const double size = static_cast<double>(e.size);
    const double alloc = AllocSizeOf(size);
    TFoldInfo* node = NewFile(parent, e.name);
    const std::string_view ext = ExtOfName(e.name);
    TExtInfo* info = FExtList.Find(ext);
    if (info) {
        ++info->FCount;
        info->FSize += size;
        info->FAllocSize += alloc;
    } else {
        auto fresh = std::make_unique<TExtInfo>();
        TShellTypeInfo shell = ShellTypeInfo(ext);
        fresh->FTypeName = shell.typeName;
        fresh->FExt = std::string(ext);
        fresh->FImageIndex = FSIcons == "1" ? kFileIconIndex : shell.iconIndex;
        fresh->FTypeId = InternType(fresh->FTypeName, fresh->FImageIndex);
        fresh->FCount = 1;
        fresh->FSize = size;
        fresh->FAllocSize = alloc;
        info = FExtList.Append(std::move(fresh));
    }
    node->FTypeId = info->FTypeId;
    node->FSize = size;
    node->FAllocSize = alloc;
    node->FAttr = e.attr;
    node->FAccessed = FileTimeToDateTime(e.accessed.seconds, e.accessed.nanoseconds);
    node->FModified = FileTimeToDateTime(e.modified.seconds, e.modified.nanoseconds);
    node->FCreated = FileTimeToDateTime(e.created.seconds, e.created.nanoseconds);
    if (parent) ++parent->FFileCount;
}

bool TFolioscope::Walk(const std::string& rootPath, TFoldInfo* rootParent, bool custom) {
    std::unique_ptr<IFolderReader> rootReader = source_->OpenRoot(rootPath);
    if (rootReader) WalkReader(std::move(rootReader), rootPath, rootParent, custom);
    return true;
}

void TFolioscope::WalkReader(std::unique_ptr<IFolderReader> rootReader, const std::string& rootPath,
                             TFoldInfo* rootParent, bool custom) {
    // An explicit stack instead of recursion: a tree of any depth neither overflows the call
    // stack nor holds a descriptor per level (the reader releases deep ones).
    struct Frame {
        std::unique_ptr<IFolderReader> reader;
        TFoldInfo* parent;
        std::string path;
        bool first;
    };
    const uint32_t folderType = FolderTypeId();
    std::vector<Frame> stack;
    // Readers must close child first (a deep child reopens its parent's descriptor), also
    // when a mask error unwinds the walk.
    struct PopInOrder {
        std::vector<Frame>& s;
        ~PopInOrder() {
            while (!s.empty()) s.pop_back();
        }
    } popInOrder{stack};
    stack.push_back({std::move(rootReader), rootParent, rootPath, true});
    TDirEntry e;
    while (!stack.empty()) {
        Frame& f = stack.back();
        const bool got = f.reader->Next(e);
        if (!f.first && FStop.load(std::memory_order_relaxed)) {
            stack.pop_back();  // the entry fetched now is not recorded
            continue;
        }
        f.first = false;
        if (!got) {
            stack.pop_back();
            continue;
        }
        if (!e.IsDirectory()) {
            AddFileEntry(e, f.parent, custom);
            if (FProgressLabel) FProgressLabel->files.store(FFileCount, std::memory_order_relaxed);
            if (FMessagePump) FMessagePump();
            continue;
        }
        std::string childPath;
        childPath.reserve(f.path.size() + e.name.size() + 1);
        childPath.append(f.path).append(e.name).push_back('/');
        if (FProgressLabel) {
            FProgressLabel->SetFolder(childPath);
            FProgressLabel->folders.store(FFolderCount + 1, std::memory_order_relaxed);
        }
        ++FFolderCount;
        if (!excludedPaths_.empty() && IsExcludedPath(childPath)) {
            if (FMessagePump) FMessagePump();
            continue;
        }
        TFoldInfo* node = NewFolder(f.parent, e.name);
        node->FTypeId = folderType;
        node->FAttr = e.attr;
        node->FAccessed = FileTimeToDateTime(e.accessed.seconds, e.accessed.nanoseconds);
        node->FModified = FileTimeToDateTime(e.modified.seconds, e.modified.nanoseconds);
        node->FCreated = FileTimeToDateTime(e.created.seconds, e.created.nanoseconds);
        std::unique_ptr<IFolderReader> child = f.reader->OpenChild(e);
        if (FMessagePump) FMessagePump();
        stack.push_back({std::move(child), node, std::move(childPath), true});
    }
}

}  // namespace fscope
