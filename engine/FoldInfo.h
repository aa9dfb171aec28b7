#pragma once
// The report model: one TFoldInfo per file or folder, TExtInfo totals per extension.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/NodeArena.h"
#include "engine/SharedStrings.h"
#include "platform/DirEntry.h"
#include "platform/FileTime.h"

namespace fscope {

class TFoldInfo;

inline constexpr const char* kFolderTypeName = "File Folder";

// A folder's children in listing order, plus the folder-only state the tree panel computes.
// Holds references: the nodes live in their report's arena.
class TFoldList {
public:
    using Items = std::vector<TFoldInfo*>;
    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    TFoldInfo* operator[](size_t i) const { return items_[i]; }
    Items::const_iterator begin() const { return items_.begin(); }
    Items::const_iterator end() const { return items_.end(); }
    Items& items() { return items_; }
    const Items& items() const { return items_; }
    void push_back(TFoldInfo* node) { items_.push_back(node); }
    void reserve(size_t n) { items_.reserve(n); }

    double FPercent = 0;  // share of this folder in its level's total (tree panel)
    bool FPercentDone = false;
    bool FTotalsDone = false;  // FSize/FAllocSize/FFileCount/FFolderCount hold subtree totals

private:
    Items items_;
};

// One file or folder. A node is a folder exactly when it has a child list (FItems non-null);
// that is the one folder test everywhere. Created only by its report (TFolioscope::NewFile,
// NewFolder); the report frees every node and child list at once.
class TFoldInfo {
public:
    TFoldInfo* FParent = nullptr;  // the folder holding this node; null at top level
    TFoldList* FItems = nullptr;   // children of a folder (owned by the report); null for files
    TNodeName FName;               // bytes as listed
    double FSize = 0;              // file: length; folder: 0, or the subtree total once computed
    double FAllocSize = 0;         // whole clusters on disk; folder: as FSize
    TDateTime FAccessed = kInvalidDateTime;
    TDateTime FModified = kInvalidDateTime;
    TDateTime FCreated = kInvalidDateTime;
    uint32_t FAttr = 0;
    int32_t FFileCount = 0;    // folder: files directly inside, or subtree total once computed
    int32_t FFolderCount = 0;  // folder: 0, or folders in the subtree once computed
    uint32_t FTypeId = 0;      // type name + icon index, see TypeTable()
    uint32_t FOwnerId = 0;     // owner + domain, see OwnerTable(); 0 = not determined
    // The owner's user id as the scan saw it, so owner reports need not touch the disk;
    // kUnknownUid for nodes read from a saved report.
    uint32_t FUid = kUnknownUid;

    bool IsFolder() const { return FItems != nullptr; }
    const std::string& FTypeName() const { return TypeTable().Get(FTypeId).typeName; }
    int FImageIndex() const { return TypeTable().Get(FTypeId).imageIndex; }
    // Extension from the last '.' of the name, dot included; "" for folders and dot-less names.
    std::string_view FExt() const;
    const std::string& FOwner() const { return OwnerTable().Get(FOwnerId).owner; }
    const std::string& FDomain() const { return OwnerTable().Get(FOwnerId).domain; }
    void SetOwner(const std::string& owner, const std::string& domain) {
        FOwnerId = InternOwner(owner, domain);
    }
    void SetType(const std::string& typeName, int imageIndex) {
        FTypeId = InternType(typeName, imageIndex);
    }
    // Folder-only state kept in the child list; files answer false / 0.
    bool FTotalsDone() const { return FItems && FItems->FTotalsDone; }
    bool FPercentDone() const { return FItems && FItems->FPercentDone; }
    double FPercent() const { return FItems ? FItems->FPercent : 0.0; }
};
static_assert(sizeof(TFoldInfo) <= 88, "a node must stay small: the memory target is per entry");

// Copies what a listing says of an entry into its node: attributes, owner id and the three
// times in local time.
void CopyEntryDetails(TFoldInfo& node, const TDirEntry& entry);

// Extension of a file name: from the last '.', dot included; "" when there is none.
std::string_view ExtOfName(std::string_view name);

// Totals for one extension.
struct TExtInfo {
    std::string FTypeName;
    std::string FExt;
    int FImageIndex = 0;
    int32_t FCount = 0;
    double FSize = 0;
    double FAllocSize = 0;
    uint32_t FTypeId = 0;  // FTypeName + FImageIndex interned, handed to the files of this type
};

// Type totals in the order the extensions were first met, indexed by the upper-cased
// extension so a look-up costs the same however many extensions there are.
class TExtList {
public:
    using Items = std::vector<std::unique_ptr<TExtInfo>>;
    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    TExtInfo* operator[](size_t i) const { return items_[i].get(); }
    Items::const_iterator begin() const { return items_.begin(); }
    Items::const_iterator end() const { return items_.end(); }
    // The first entry whose FExt equals `ext` without regard to ASCII letter case, or null.
    TExtInfo* Find(std::string_view ext) const;
    // Appends an entry (whose FExt must not be found yet) and returns it.
    TExtInfo* Append(std::unique_ptr<TExtInfo> info);
    void Clear();

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    Items items_;
    std::unordered_map<std::string, TExtInfo*, Hash, std::equal_to<>> index_;
};

}  // namespace fscope
