// The custom scan: the normal walk, recording only the files that pass the criteria.

#include <cmath>

#include "engine/Folioscope.h"

namespace fscope {

bool TFolioscope::CustomScan(const std::string& path) {
    PrepareScan(path);
    FCriteriaMasks = SplitText(Criteria, " ");
    criteriaMaskList_ = TMaskList(FCriteriaMasks);
    return ScanFolderCustom(FRootPath, FItems, nullptr);
}

bool TFolioscope::Rescan() {
    FreeTree();
    const std::string root = FRootPath;
    PrepareScan(root);
    FCriteriaMasks = SplitText(Criteria, " ");
    criteriaMaskList_ = TMaskList(FCriteriaMasks);
    ScanFolderCustom(FRootPath, FItems, nullptr);
    return true;
}

bool TFolioscope::ScanFolderCustom(const std::string& path, TFoldList& list, TFoldInfo* parent) {
    (void)list;  // entries go to the parent's own list (FItems at top level)
    return Walk(path, parent, true);
}

bool TFolioscope::MatchesCriteria(const TDirEntry& e) const {
    // 1. Name: at least one mask; a malformed mask raises its error at the first file tested.
    if (criteriaMaskList_.Empty() || !criteriaMaskList_.Matches(e.name)) return false;
    // 2. Size, in the chosen unit, not rounded.
    if (!FAllFiles) {
        double divisor;
        if (FileUnit == "KB")
            divisor = 1024.0;
        else if (FileUnit == "MB")
            divisor = 1048576.0;
        else if (FileUnit == "GB")
            divisor = 1073741824.0;
        else
            return false;  // a unit the dialog never offers: no file can be measured in it
        const double v = static_cast<double>(e.size) / divisor;
        bool ok;
        if (FileGLE == "=")
            ok = v == FileSize;
        else if (FileGLE == ">")
            ok = v > FileSize;
        else if (FileGLE == "<")
            ok = v < FileSize;
        else if (FileGLE == ">=")
            ok = v >= FileSize;
        else if (FileGLE == "<=")
            ok = v <= FileSize;
        else
            ok = false;
        if (!ok) return false;
    }
    // 3. Date: whole local days, both ends inclusive.
    if (!DAllFiles) {
        const TFileTime* t;
        if (DateType == "LM")
            t = &e.modified;
        else if (DateType == "LC")
            t = &e.created;
        else if (DateType == "LA")
            t = &e.accessed;
        else
            return false;
        const double day = std::floor(FileTimeToDateTime(t->seconds, t->nanoseconds));
        if (day < std::floor(FromDate) || day > std::floor(ToDate)) return false;
    }
    // 4. Required attributes.
    if (!AAllFiles) {
        uint32_t need = 0;
        if (AReadOnly) need |= kAttrReadOnly;
        if (AHidden) need |= kAttrHidden;
        if (ASystem) need |= kAttrSystem;
        if (AArchive) need |= kAttrArchive;
        if (ACompressed) need |= kAttrCompressed;
        if (ATemporary) need |= kAttrTemporary;
        if (AOffline) need |= kAttrOffline;
        if ((e.attr & need) != need) return false;
    }
    return true;
}

}  // namespace fscope
