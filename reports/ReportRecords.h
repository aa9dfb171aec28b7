#pragma once
// The bucket records of the summary reports and the owning list they accumulate in.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/FoldInfo.h"
#include "platform/FileTime.h"

namespace fscope {

// One row of the attribute report.
struct TAttrInfo {
    std::string FName;  // bucket label
    int32_t FCount = 0;
    double FSize = 0;
    double FAllocSize = 0;
};

// One row of the size-range, date-range and hour reports: FOrder is the bucket's index in its
// fixed table (the first column's sort key, and how the file list finds the bucket again).
struct TRangeInfo {
    std::string FName;
    int32_t FCount = 0;
    double FSize = 0;
    double FAllocSize = 0;
    int32_t FOrder = 0;
};
struct TSizeInfo : TRangeInfo {};
struct TDateInfo : TRangeInfo {};
struct TTimeInfo : TRangeInfo {};

// One row of the owner report; FDomain is the domain of the first file met with that owner.
struct TOwnerInfo {
    std::string FOwner;
    std::string FDomain;
    int32_t FCount = 0;
    double FSize = 0;
    double FAllocSize = 0;
};

// One row of the custom types summary.
struct TSpInfo {
    std::string FName;
    int32_t FCount = 0;
    double FSize = 0;
    double FAllocSize = 0;
};

// One row of the all-folders list: a folder with its subtree totals.
struct TAllFoldInfo {
    std::string FName;
    std::string FPath;  // the folder's own path, ending in '/'
    int32_t FFileCount = 0;
    int32_t FFolderCount = 0;
    double FSize = 0;
    double FAllocSize = 0;
    TDateTime FModified = kInvalidDateTime;
};

// A report list: owns its records, keeps them in the order each bucket received its first file
// until sorted, and finds a bucket by its label in constant time. Labels compare byte for byte.
template <class Record>
class TBucketList {
public:
    using Items = std::vector<std::unique_ptr<Record>>;

    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    Record* operator[](size_t i) const { return items_[i].get(); }
    typename Items::const_iterator begin() const { return items_.begin(); }
    typename Items::const_iterator end() const { return items_.end(); }
    // For sorting in place; labels must not change.
    Items& items() { return items_; }

    // ClearReportList: frees every record.
    void Clear() {
        items_.clear();
        index_.clear();
    }

    // AddToBucket: adds one file to the bucket `label`, creating the bucket (with `init`
    // applied to the new record) at the end of the list when it is new. Returns the bucket.
    template <class Init>
    Record* Add(std::string_view label, const TFoldInfo& file, Init&& init) {
        auto it = index_.find(label);
        Record* r;
        if (it != index_.end()) {
            r = it->second;
        } else {
            auto record = std::make_unique<Record>();
            r = record.get();
            init(*r);
            items_.push_back(std::move(record));
            index_.emplace(std::string(label), r);
        }
        r->FCount += 1;
        r->FSize += file.FSize;
        r->FAllocSize += file.FAllocSize;
        return r;
    }

    // Appends a record that is not a bucket (the all-folders list).
    void Append(std::unique_ptr<Record> record) { items_.push_back(std::move(record)); }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    Items items_;
    std::unordered_map<std::string, Record*, Hash, std::equal_to<>> index_;
};

// AddToBucket for the records whose label is FName (all but the owner report).
template <class Record>
Record* AddToBucket(TBucketList<Record>& list, std::string_view label, const TFoldInfo& file) {
    return list.Add(label, file, [&](Record& r) { r.FName = std::string(label); });
}

// AddToBucket for the ordered tables: a new bucket also takes its table index.
template <class Record>
Record* AddToBucket(TBucketList<Record>& list, std::string_view label, const TFoldInfo& file,
                    int order) {
    return list.Add(label, file, [&](Record& r) {
        r.FName = std::string(label);
        r.FOrder = order;
    });
}

}  // namespace fscope
