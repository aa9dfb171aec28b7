#include "engine/ReportXmlReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/DateTimeText.h"
#include "platform/Paths.h"
#include "platform/TypeNames.h"

namespace fscope {

namespace {

// A name as shown in a message: control bytes replaced, long names cut.
std::string Printable(std::string_view text) {
    std::string out;
    for (char c : text.substr(0, 200))
        out.push_back(static_cast<unsigned char>(c) < 0x20 ? '?' : c);
    if (text.size() > 200) out += "...";
    return out;
}

bool IsValidName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

class TReportReader {
public:
    TReportReader(TFolioscope& report, TXmlTokenizer& tokenizer)
        : report_(report), tok_(tokenizer) {}

    // Reads parts until the end of the document or a stop request; one level per open Folder.
    bool ReadLevel() {
        levels_.push_back({});
        folderTypeId_ = report_.FolderTypeId();
        for (;;) {
            if (report_.FStop.load(std::memory_order_relaxed)) return false;
            if (!tok_.Next()) break;
            switch (tok_.Kind()) {
                case TXmlPart::StartTag:
                case TXmlPart::EmptyTag:
                    Tag();
                    break;
                case TXmlPart::EndTag:
                    EndTag();
                    break;
                case TXmlPart::Content:
                case TXmlPart::CData:
                    Content();
                    break;
                default:
                    break;
            }
            if (report_.FMessagePump) report_.FMessagePump();
        }
        if (levels_.size() > 1 || !rootClosed_)
            throw EReportFormatError("The disk report is incomplete: it ends before its " +
                                     std::string(levels_.size() > 1 ? "folders are" : "root is") +
                                     " closed");
        if (!driveSeen_)
            throw EReportFormatError("The disk report names no folder (its Drive is missing)");
        return true;
    }

private:
    struct TLevel {
        TFoldInfo* parent = nullptr;  // the folder that owns this level's list
        TFoldInfo* item = nullptr;    // the item detail elements apply to
        TExtInfo* type = nullptr;     // the type entry Size adds to
        bool AttrPending = false;
        bool CustScanPending = false;
    };

    [[noreturn]] void Fail(const std::string& what) const {
        throw EReportFormatError(what + " (at byte " + std::to_string(tok_.Offset()) +
                                 " of the disk report)");
    }

    std::string_view CheckedName() const {
        std::string_view name = tok_.Attribute("Name");
        if (!IsValidName(name))
            Fail("The disk report holds an invalid name \"" + Printable(name) + "\"");
        return name;
    }

    TDateTime Date(std::string_view text) {
        if (text == lastDateText_) return lastDate_;
        std::optional<TDateTime> value = TextToDateTime(text);
        if (!value) Fail("'" + Printable(text) + "' is not a valid date and time");
        lastDateText_.assign(text);
        lastDate_ = *value;
        return *value;
    }

    double Number(std::string_view text) const {
        double value = 0;
        const char* end = text.data() + text.size();
        auto r = std::from_chars(text.data(), end, value);
        if (text.empty() || r.ec != std::errc() || r.ptr != end || !std::isfinite(value) ||
            value < 0)
            Fail("'" + Printable(text) + "' is not a valid number");
        return value;
    }

    uint32_t Integer(std::string_view text) const {
        int64_t value = 0;
        const char* end = text.data() + text.size();
        auto r = std::from_chars(text.data(), end, value);
        if (text.empty() || r.ec != std::errc() || r.ptr != end || value < INT32_MIN ||
            value > UINT32_MAX)
            Fail("'" + Printable(text) + "' is not a valid integer value");
        return static_cast<uint32_t>(value);
    }

    void Tag() {
        const std::string_view name = tok_.Name();
        TLevel& level = levels_.back();
        if (name == "File") {
            File(level);
        } else if (name == "Attr") {
            level.AttrPending = true;
        } else if (name == "LAD" || name == "LMD" || name == "CreaD") {
            if (!level.item) return;
            const TDateTime value = Date(tok_.Attribute("Low"));
            if (name == "LAD")
                level.item->FAccessed = value;
            else if (name == "LMD")
                level.item->FModified = value;
            else
                level.item->FCreated = value;
        } else if (name == "Size") {
            // Sizes belong to files; folder totals are not stored.
            if (!level.item || level.item->IsFolder()) return;
            const double size = Number(tok_.Attribute("File"));
            const double alloc = Number(tok_.Attribute("Alloc"));
            level.item->FSize = size;
            level.item->FAllocSize = alloc;
            if (level.type) {
                level.type->FSize += size;
                level.type->FAllocSize += alloc;
            }
        } else if (name == "Folder") {
            Folder(level);
        } else if (name == "Drive") {
            report_.FInDrive = true;
        } else if (name == "CustScan") {
            level.CustScanPending = true;
        } else if (name == "Filters") {
            if (tok_.HasAttributes()) Filters();
        }
    }

    void File(TLevel& level) {
        const std::string_view name = CheckedName();
        const std::string_view type = tok_.Attribute("Type");
        ++report_.FFileCount;
        TFoldInfo* node = report_.NewFile(level.parent, name);
        const std::string_view ext = ExtOfName(name);
        TExtInfo* info = report_.FExtList.Find(ext);
        if (info) {
            ++info->FCount;
            node->FTypeId = type == info->FTypeName
                                ? info->FTypeId
                                : InternType(std::string(type), info->FImageIndex);
        } else {
            auto fresh = std::make_unique<TExtInfo>();
            fresh->FTypeName = type;
            fresh->FExt = ext;
            fresh->FImageIndex =
                report_.FSIcons == "1" ? kFileIconIndex : ShellTypeInfo(ext).iconIndex;
            fresh->FTypeId = InternType(fresh->FTypeName, fresh->FImageIndex);
            fresh->FCount = 1;
            info = report_.FExtList.Append(std::move(fresh));
            node->FTypeId = info->FTypeId;
        }
        level.type = info;
        if (level.parent) ++level.parent->FFileCount;
        level.item = node;
    }

    void Folder(TLevel& level) {
        const std::string_view name = CheckedName();
        const std::string_view type = tok_.Attribute("Type");
        TFoldInfo* node = report_.NewFolder(level.parent, name);
        node->FTypeId = type == kFolderTypeName
                            ? folderTypeId_
                            : InternType(std::string(type), report_.FolderIconIndex());
        ++report_.FFolderCount;
        level.item = node;
        TLevel inner;
        inner.parent = node;
        inner.item = node;
        inner.type = level.type;
        levels_.push_back(inner);  // `level` is not used after this
    }

    void Filters() {
        TFolioscope& r = report_;
        auto flag = [&](std::string_view name) { return tok_.Attribute(name) == "1"; };
        r.FAllFiles = flag("FAllFiles");
        r.FileSize = Number(tok_.Attribute("FileSize"));
        r.FileUnit = tok_.Attribute("FileUnit");
        r.FileGLE = tok_.Attribute("FileGLE");
        r.DAllFiles = flag("DAllFiles");
        r.DateType = tok_.Attribute("DateType");
        r.FromDate = std::trunc(Date(tok_.Attribute("FromDate")));
        r.ToDate = std::trunc(Date(tok_.Attribute("ToDate")));
        r.AAllFiles = flag("AAllFiles");
        r.AArchive = flag("AArchive");
        r.AReadOnly = flag("AReadOnly");
        r.ASystem = flag("ASystem");
        r.AHidden = flag("AHidden");
        r.Criteria = tok_.Attribute("Criteria");
    }

    void EndTag() {
        const std::string_view name = tok_.Name();
        if (name == "Folder") {
            if (levels_.size() == 1) Fail("The disk report closes a folder it never opened");
            levels_.pop_back();
        } else if (name == "Drive") {
            report_.FInDrive = false;
        } else if (name == "CustScan") {
            levels_.back().CustScanPending = false;
        } else if (name == "Root" && levels_.size() == 1) {
            rootClosed_ = true;
        }
    }

    void Content() {
        const std::string_view text = tok_.Content();
        TLevel& level = levels_.back();
        if (level.AttrPending) {
            const uint32_t attr = Integer(text);
            if (level.item) level.item->FAttr = attr;
            level.AttrPending = false;
        }
        if (report_.FInDrive) {
            if (text.empty() || text.front() != PathDelim ||
                text.find('\0') != std::string_view::npos)
                Fail("The disk report names no valid folder: \"" + Printable(text) + "\"");
            report_.FRootPath = WithTrailingDelim(NormalisePath(text));
            const uint32_t cluster = GetClusterSize(report_.FRootPath);
            report_.FClusterSize = cluster ? cluster : 4096;
            report_.FInDrive = false;
            driveSeen_ = true;
        }
        if (level.CustScanPending && tok_.Name() == "CustScan") {
            report_.CustScan = text == "1";
            level.CustScanPending = false;
        }
    }

    TFolioscope& report_;
    TXmlTokenizer& tok_;
    std::vector<TLevel> levels_;
    uint32_t folderTypeId_ = 0;
    bool rootClosed_ = false;
    bool driveSeen_ = false;
    std::string lastDateText_;
    TDateTime lastDate_ = 0;
};

// Closes a descriptor when the load ends, however it ends.
struct TFd {
    int fd;
    ~TFd() {
        if (fd >= 0) close(fd);
    }
};

}  // namespace

bool LoadFromXml(TFolioscope& report, TXmlTokenizer& tokenizer) {
    report.FreeTree();
    report.FRootPath.clear();
    report.FSIcons = report.Settings().SIcons;
    report.FFileCount = 0;
    report.FFolderCount = 0;
    report.FInDrive = false;
    report.FLoaded = false;
    bool complete = false;
    try {
        complete = TReportReader(report, tokenizer).ReadLevel();
    } catch (...) {
        report.FreeTree();
        report.FRootPath.clear();
        report.FFileCount = report.FFolderCount = 0;
        throw;
    }
    if (!complete) {
        report.FreeTree();
        report.FFileCount = report.FFolderCount = 0;
        return false;
    }
    report.FLoaded = true;
    return true;
}

bool LoadFromXml(TFolioscope& report, const std::string& fileName) {
    TFd file{open(fileName.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0)
        throw EFileWriteError("Cannot open file \"" + fileName + "\": " + std::strerror(errno));
    TXmlTokenizer tokenizer([&](char* buffer, size_t size) -> size_t {
        for (;;) {
            ssize_t n = read(file.fd, buffer, size);
            if (n >= 0) return static_cast<size_t>(n);
            if (errno != EINTR)
                throw EFileWriteError("Cannot read file \"" + fileName +
                                      "\": " + std::strerror(errno));
        }
    });
    return LoadFromXml(report, tokenizer);
}

}  // namespace fscope
