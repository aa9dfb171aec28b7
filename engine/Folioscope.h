#pragma once
// TFolioscope: one disk report (a snapshot of a drive or folder) and the operations that fill,
// update and free it. A report is built by one thread at a time; the window reads it only
// after the worker has handed it over. FStop and the progress record may be touched from
// any thread while a scan runs.

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/FoldInfo.h"
#include "engine/NodeArena.h"
#include "engine/TextHelpers.h"
#include "platform/DirEntry.h"

namespace fscope {

// The settings a scan needs, copied from the settings record when the report is created, so a
// worker never reads the global record. The console program passes an empty value.
struct TScanSettings {
    std::string ExPaths;  // "/full/path/|/other/|": folders left out of scans
    std::string ExFiles;  // "*.tmp|*.bak|": file masks left out of normal scans
    std::string SIcons;   // "1": fixed icon indices instead of per-type icons
};

// What a running scan shows: the folder being entered and the counts so far. Written by the
// worker, polled by the window about ten times a second.
class TScanProgress {
public:
    void SetFolder(const std::string& path) {
        std::lock_guard lock(mutex_);
        folder_ = path;
    }
    std::string Folder() const {
        std::lock_guard lock(mutex_);
        return folder_;
    }
    std::atomic<int64_t> files{0};
    std::atomic<int64_t> folders{0};

private:
    mutable std::mutex mutex_;
    std::string folder_;
};

class TFolioscope {
public:
    // Create: fills FExcludeMasks from settings.ExFiles (trimmed, split at "|").
    explicit TFolioscope(TScanSettings settings = {});
    ~TFolioscope();  // frees the tree as well (FreeTree before it is harmless)
    TFolioscope(const TFolioscope&) = delete;
    TFolioscope& operator=(const TFolioscope&) = delete;

    // ---- state -------------------------------------------------------------------------
    bool FInDrive = false;  // XML reader state
    std::string FFileName;  // the archive this report was loaded from, if any
    std::string FRootPath;  // ends in '/'
    TFoldList FItems;       // top-level nodes in listing order
    TExtList FExtList;      // type totals in first-met order
    uint32_t FClusterSize = 4096;
    std::atomic<bool> FStop{false};
    std::shared_ptr<TScanProgress> FProgressLabel;  // null: no progress display
    std::function<void()> FMessagePump;             // run after every entry; may be empty

    // Custom scan criteria (names as saved in the report's Filters element).
    std::string Criteria;
    bool FAllFiles = true;
    double FileSize = 0;
    std::string FileUnit = "KB";
    std::string FileGLE = ">=";
    bool DAllFiles = true;
    std::string DateType = "LM";
    TDateTime FromDate = 0;
    TDateTime ToDate = 0;
    bool AAllFiles = true;
    bool AArchive = false, AReadOnly = false, ASystem = false, AHidden = false;
    bool ACompressed = false, AOffline = false, ATemporary = false;
    std::vector<std::string> FCriteriaMasks;

    std::string FSIcons;
    bool CustScan = false;
    bool FLoaded = false;
    int32_t FFileCount = 0;    // files recorded by the last scan, load or update
    int32_t FFolderCount = 0;  // folder entries met by the last scan, load or update
    std::vector<std::string> FExcludeMasks;
    const TScanSettings& Settings() const { return settings_; }

    // ---- scanning (Scanner.cpp, CustomScan.cpp, Update.cpp) ----------------------------
    // `path` is an absolute folder path ending in '/'. Always true; callers look at FItems.
    bool Scan(const std::string& path);
    bool CustomScan(const std::string& path);
    bool Rescan();
    // Enumerates one folder into `list` (walking every subfolder, without recursion).
    bool ScanFolder(const std::string& path, TFoldList& list, TFoldInfo* parent);
    bool ScanFolderCustom(const std::string& path, TFoldList& list, TFoldInfo* parent);
    bool MatchesCriteria(const TDirEntry& entry) const;
    // The update of a normal report: RefreshItems(FItems) then RefreshFolder(FItems, FRootPath,
    // nullptr). The caller empties FExtList first.
    void RefreshItems(TFoldList& list);
    void RefreshFolder(TFoldList& list, const std::string& path, TFoldInfo* parent);
    // Search and Update: RefreshItems + RefreshFolder for a normal report (type totals rebuilt,
    // counts restarted), Rescan for a custom one.
    void UpdateReport();
    enum class TItemKind { Folder, File };
    static bool ItemExists(std::string_view name, const TFoldList& list, TItemKind kind);
    // Allocated size of a file of `size` bytes: whole clusters, rounded up.
    double AllocSizeOf(double size) const;

    // ---- model (Folioscope.cpp) --------------------------------------------------------
    void FreeTree();
    // Folder path of a node, ending in '/': the holding folder for a file, its own for a folder.
    std::string GetItemPath(const TFoldInfo* node) const;
    // Full path: GetItemPath + FName for a file, GetItemPath for a folder.
    std::string FullPathOf(const TFoldInfo* node) const;
    TExtInfo* FindExt(std::string_view ext) const { return FExtList.Find(ext); }

    // The builder both the scanner and the reader fill the tree through. The new node is
    // appended to the parent's children (or to FItems for a null parent).
    TFoldInfo* NewFolder(TFoldInfo* parent, std::string_view name);
    TFoldInfo* NewFile(TFoldInfo* parent, std::string_view name);
    void Rename(TFoldInfo* node, std::string_view newName);
    // Takes a node out of its parent's list (its bytes stay until the report is freed).
    void Unlink(TFoldInfo* node);
    TFoldList& ListOf(TFoldInfo* parent) { return parent ? *parent->FItems : FItems; }
    // Bytes held by the tree (nodes, names, child lists): for the memory benchmark.
    size_t MemoryBytes() const;

    // Threads a walk may use (1: the caller's only). A walk on several threads gives exactly
    // the one-thread result.
    void SetWalkThreads(unsigned threads) { walkThreads_ = threads ? threads : 1; }

    // The source of directory entries; the real disk unless a test injects another.
    void SetEntrySource(IEntrySource* source) { source_ = source; }
    IEntrySource& EntrySource() const { return *source_; }
    int FolderIconIndex() const;
    uint32_t FolderTypeId() const;

private:
    void PrepareScan(const std::string& path);
    bool Walk(const std::string& path, TFoldInfo* parent, bool custom);
    void WalkReader(std::unique_ptr<IFolderReader> reader, const std::string& path,
                    TFoldInfo* parent, bool custom);
    void CountIntoTotals(const TFoldInfo* file);
    bool IsExcludedPath(const std::string& folderPath) const;
    void FreeLists();
    // A node in `arena` (its child list registered in `lists`), appended to its parent's list.
    TFoldInfo* MakeNode(TNodeArena& arena, std::vector<TFoldList*>& lists, TFoldInfo* parent,
                        std::string_view name, bool folder);

    TScanSettings settings_;
    std::vector<std::string> excludedPaths_;  // ExPaths split into whole entries
    TMaskList excludeMaskList_;
    TMaskList criteriaMaskList_;
    TNodeArena arena_;
    std::vector<TFoldList*> folderLists_;  // every child list, freed with the tree
    IEntrySource* source_;
    unsigned walkThreads_;

    friend class TTreeWalk;
};

// Estimated cluster size of the volume holding `path`; 0 when unknown.
uint32_t GetClusterSize(const std::string& path);
// The table rule behind GetClusterSize, for a file-system name and a volume size.
uint32_t ClusterSizeFor(const std::string& fileSystem, double totalBytes);

}  // namespace fscope
