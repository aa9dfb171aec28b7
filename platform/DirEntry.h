#pragma once
// The plain entry record every directory listing yields, and the reader interface behind which
// the operating system hides, so the scanner's rules can be tested with fake entries.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace fscope {

// Attribute bits, as stored in reports (the values are part of the saved format).
enum : uint32_t {
    kAttrReadOnly = 0x1,
    kAttrHidden = 0x2,
    kAttrSystem = 0x4,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
    kAttrNormal = 0x80,
    kAttrTemporary = 0x100,
    kAttrSparse = 0x200,
    kAttrReparsePoint = 0x400,
    kAttrCompressed = 0x800,
    kAttrOffline = 0x1000,
    kAttrEncrypted = 0x4000,
};

// The owner id of an entry whose owner is not known (loaded reports, fake sources).
inline constexpr uint32_t kUnknownUid = 0xFFFFFFFFu;

struct TFileTime {
    int64_t seconds = 0;  // UTC, since 1970
    uint32_t nanoseconds = 0;
};

struct TDirEntry {
    std::string_view name;  // valid until the reader's next call
    uint32_t attr = 0;
    uint64_t size = 0;           // 0 for directories; a link's own length
    uint32_t uid = kUnknownUid;  // the owner's user id
    TFileTime accessed, modified, created;
    bool IsDirectory() const { return (attr & kAttrDirectory) != 0; }
};

// One open folder. Entries come in listing order, "." and ".." never.
// A reader is used by one thread; a child must be destroyed before its parent.
class IFolderReader {
public:
    virtual ~IFolderReader() = default;
    // False at the end of the listing (or when the folder could not be read).
    virtual bool Next(TDirEntry& entry) = 0;
    // Opens the directory `entry` just returned by Next. Returns a reader without entries when the
    // folder cannot be read or must not be entered; never null.
    virtual std::unique_ptr<IFolderReader> OpenChild(const TDirEntry& entry) = 0;
    // How many entries the listing holds, when known (0: unknown); lets callers size lists.
    virtual size_t SizeHint() const { return 0; }
    // Makes this reader independent of the reader that opened it, so another thread may use
    // it after the parent is gone. Only for readers opened at a shallow depth.
    virtual void Detach() {}
};

class IEntrySource {
public:
    virtual ~IEntrySource() = default;
    // Opens `path` (absolute, ending in '/'); null when it does not exist or cannot be read.
    virtual std::unique_ptr<IFolderReader> OpenRoot(const std::string& path) = 0;
    // Reads one entry without following links. Returns 0 on success, else the errno value.
    virtual int StatEntry(const std::string& fullPath, TDirEntry& entry,
                          std::string& nameStore) = 0;
};

// The real file system: openat/getdents64 relative to the parent's descriptor and statx with
// AT_SYMLINK_NOFOLLOW. Links are recorded, never followed; kernel pseudo file systems are
// recorded as folders but not entered. At most a few hundred descriptors are open at any depth.
IEntrySource& DiskEntrySource();

// A folder reader that yields nothing (unreadable or pseudo file-system folders).
std::unique_ptr<IFolderReader> EmptyFolderReader();

}  // namespace fscope
