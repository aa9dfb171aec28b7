#include "viewer/ListBuilders.h"


#include "common/SystemHelpers.h"
#include "reports/Buckets.h"
#include "reports/Compare.h"
#include "reports/FileCategories.h"
#include "viewer/Duplicates.h"
#include "viewer/ViewOrder.h"

namespace fscope {

namespace {

void SortForView(TFileList& list, const TReportScope& source, const TOptions& options) {
    if (!source.Empty()) SortViewItems(list.files, *source.report, options.VSort, options.VSortOrder);
}

// The build sequence: collect the files that pass `pred` in walk order, then order them.
template <class Pred>
TFileList BuildList(const TReportScope& source, std::string title, const TOptions& options,
                    Pred&& pred) {
    TFileList list{std::move(title), {}};
    ForEachFile(source, [&](TFoldInfo* file) {
        if (pred(*file)) list.files.push_back(file);
    });
    SortForView(list, source, options);
    return list;
}

// As BuildList, for predicates on the folder path of the file (ending in '/').
template <class Pred>
TFileList BuildListByPath(const TReportScope& source, std::string title, const TOptions& options,
                          Pred&& pred) {
    TFileList list{std::move(title), {}};
    ForEachFileWithPath(source, [&](TFoldInfo* file, const std::string& folderPath) {
        if (pred(folderPath)) list.files.push_back(file);
    });
    SortForView(list, source, options);
    return list;
}

TFileList MaskList(const TReportScope& source, std::string title, std::string_view masks,
                   const TOptions& options) {
    const TTypeMatcher matcher(masks);
    return BuildList(source, std::move(title), options,
                     [&](const TFoldInfo& f) { return matcher.Matches(f); });
}

TFileList DuplicateList(const TReportScope& source, std::string title, TDupKind kind) {
    TFileList list{std::move(title), {}};
    ForEachFile(source, [&](TFoldInfo* file) { list.files.push_back(file); });
    list.files = FindDuplicates(std::move(list.files), kind);
    return list;
}

}  // namespace

TFileList FilesByExt(const TReportScope& source, std::string_view ext, const TOptions& options) {
    return BuildList(source, "Files with extension " + std::string(ext), options,
                     [&](const TFoldInfo& f) { return CompareUpper(f.FExt(), ext) == 0; });
}

TFileList FilesByAttr(const TReportScope& source, std::string_view caption,
                      const TOptions& options) {
    const int bucket = AttrBucketIndex(caption);
    return BuildList(source, std::string(caption), options, [&](const TFoldInfo& f) {
        return bucket >= 0 && (AttrBucketsOf(f.FAttr) & (1u << bucket)) != 0;
    });
}

TFileList FilesBySize(const TReportScope& source, int index, std::string_view caption,
                      const TOptions& options) {
    return BuildList(source, "Files with size between " + std::string(caption), options,
                     [&](const TFoldInfo& f) { return SizeBucketOf(f.FSize) == index; });
}

TFileList FilesByDate(const TReportScope& source, int dateKind, int index,
                      std::string_view caption, const TOptions& options, TDateTime now) {
    static const char* const kPrefixes[] = {"Files Created ", "Files Modified ",
                                            "Files Last Accessed "};
    const std::string prefix = kPrefixes[dateKind >= 0 && dateKind <= 2 ? dateKind : 0];
    const TDateRanges ranges(now);
    const bool valid = index >= 0 && index < kDateBucketCount;
    return BuildList(source, prefix + std::string(caption), options, [&](const TFoldInfo& f) {
        return valid && (ranges.BucketsOf(StampOf(f, dateKind)) & (1u << index)) != 0;
    });
}

TFileList FilesByTime(const TReportScope& source, int dateKind, int index,
                      std::string_view caption, const TOptions& options) {
    return BuildList(source, "Files having file time between " + std::string(caption), options,
                     [&](const TFoldInfo& f) { return HourBucketOf(StampOf(f, dateKind)) == index; });
}

TFileList FilesByOwner(const TReportScope& source, std::string_view owner,
                       const TOptions& options) {
    return BuildList(source, "Files of " + std::string(owner), options,
                     [&](const TFoldInfo& f) { return f.FOwner() == owner; });
}

TListOutcome SpecialFiles(bool reportsLoaded, const TReportScope& source, std::string_view key,
                          const TOptions& options, const TListEnvironment& env) {
    if (!reportsLoaded) return TListOutcome::Message(std::string(kNoReportMessage));
    if (source.Empty()) return TListOutcome::Nothing();
    const TReginfo& reg = options.Reginfo;
    if (key == "JUNK") return TListOutcome::Show(MaskList(source, "Junk Files", reg.JunkFiles, options));
    if (key == "TEMP")
        return TListOutcome::Show(MaskList(source, "Temporary Files", reg.TempFiles, options));
    if (key == "COMPRESSED")
        return TListOutcome::Show(MaskList(source, "Compressed Files", reg.CompFiles, options));
    if (key == "IMAGE")
        return TListOutcome::Show(MaskList(source, "Image/Graphics Files", reg.ImageFiles, options));
    if (key == "AUD")
        return TListOutcome::Show(MaskList(source, "Audio and Music Files", reg.AudioFiles, options));
    if (key == "VID")
        return TListOutcome::Show(MaskList(source, "Video Files", reg.VideoFiles, options));
    if (key == "ZFILES")
        return TListOutcome::Show(BuildList(source, "Zero Size Files", options,
                                            [](const TFoldInfo& f) { return f.FSize == 0; }));
    if (key == "FILESWE")
        return TListOutcome::Show(BuildList(source, "Files without Extension", options,
                                            [](const TFoldInfo& f) { return f.FExt().empty(); }));
    if (key == "ALLFILES")
        return TListOutcome::Show(BuildList(source, "All Files (including subfolders files)",
                                            options, [](const TFoldInfo&) { return true; }));
    if (key == "BIG") {
        const double threshold = BigFileThreshold(reg.BigFileSize, reg.BigFileUnit);
        return TListOutcome::Show(BuildList(source, "Big Size Files", options, [&](const TFoldInfo& f) {
            return f.FSize >= threshold;
        }));
    }
    if (key == "OLD") {
        const TOldFileTest test(reg.OldFilesDType, reg.OldFilesTime, reg.OldFilesUnit,
                                env.now ? env.now() : CurrentDateTime());
        return TListOutcome::Show(BuildList(source, "Oldest Files", options,
                                            [&](const TFoldInfo& f) { return test.IsOld(f); }));
    }
    if (key == "NETTEMP") {
        const std::string cache = env.internetCachePath
                                      ? env.internetCachePath()
                                      : GetSpecialFolderPath(CSIDL_INTERNET_CACHE);
        return TListOutcome::Show(
            BuildListByPath(source, "Internet Temporary Files", options,
                            [&](const std::string& path) { return InInternetCache(path, cache); }));
    }
    if (key == "DUPSN")
        return TListOutcome::Show(
            DuplicateList(source, "Duplicate Files (Same Name)", TDupKind::Name));
    if (key == "DUPSS")
        return TListOutcome::Show(
            DuplicateList(source, "Duplicate Files (Same Name && Size)", TDupKind::NameSize));
    if (key == "DUPSD")
        return TListOutcome::Show(
            DuplicateList(source, "Duplicate Files (Same Name && Date)", TDupKind::NameDate));
    return TListOutcome::Nothing();
}

TFileList CustomTypeFiles(const TReportScope& source, std::string_view typeName,
                          std::string_view masks, const TOptions& options) {
    return MaskList(source, std::string(typeName), masks, options);
}

TListOutcome AllFilesFrom(bool reportsLoaded, const TReportScope& source,
                          std::string_view folderPath, const TOptions& options) {
    if (!reportsLoaded) return TListOutcome::Message(std::string(kScanFirstMessage));
    if (source.Empty()) return TListOutcome::Nothing();
    return TListOutcome::Show(BuildListByPath(
        source, "All Files from " + std::string(folderPath), options,
        [&](const std::string& path) { return std::string_view(path).starts_with(folderPath); }));
}

}  // namespace fscope
