// Directory listing on Linux: getdents64 + statx relative to the folder's descriptor.

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/DirEntry.h"

#ifndef STATX_ATTR_NODUMP
#define STATX_ATTR_NODUMP 0x00000040
#endif

namespace fscope {

namespace {

// Folders deeper than this release their descriptor while a child is walked and reopen it
// through the child's "..", so any depth stays under the open-file limit.
constexpr int kKeepOpenDepth = 200;

constexpr unsigned kStatxMask = STATX_TYPE | STATX_MODE | STATX_UID | STATX_SIZE | STATX_BLOCKS |
                                STATX_ATIME | STATX_MTIME | STATX_CTIME | STATX_BTIME;

struct LinuxDirent64 {
    uint64_t d_ino;
    int64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

bool IsPseudoFileSystem(int fd) {
    struct statfs sfs;
    if (fstatfs(fd, &sfs) != 0) return false;
    switch (static_cast<unsigned long>(sfs.f_type)) {
        case PROC_SUPER_MAGIC:
        case SYSFS_MAGIC:
        case CGROUP_SUPER_MAGIC:
        case CGROUP2_SUPER_MAGIC:
        case DEBUGFS_MAGIC:
        case TRACEFS_MAGIC:
        case SECURITYFS_MAGIC:
        case PSTOREFS_MAGIC:
        case BPF_FS_MAGIC:
        case 0x62656570:  // configfs
        case EFIVARFS_MAGIC:
        case AUTOFS_SUPER_MAGIC:
        case 0x19800202:  // mqueue
        case HUGETLBFS_MAGIC:
        case 0x65735543:  // fusectl
        case 0x42494e4d:  // binfmt_misc
            return true;
        default:
            return false;
    }
}

uint32_t AttributesOf(std::string_view name, const struct statx& st) {
    uint32_t attr = 0;
    const unsigned type = st.stx_mode & S_IFMT;
    if (type == S_IFDIR)
        attr |= kAttrDirectory;
    else if (type == S_IFLNK)
        attr |= kAttrReparsePoint;
    else if (type != S_IFREG)
        attr |= kAttrSystem;
    if (!(st.stx_mode & S_IWUSR) || (st.stx_attributes & STATX_ATTR_IMMUTABLE))
        attr |= kAttrReadOnly;
    if (!name.empty() && name.front() == '.') attr |= kAttrHidden;
    if (type == S_IFREG) {
        if (!(st.stx_attributes & STATX_ATTR_NODUMP)) attr |= kAttrArchive;
        if ((st.stx_mask & STATX_BLOCKS) && st.stx_blocks * 512 < st.stx_size) attr |= kAttrSparse;
    }
    if (st.stx_attributes & STATX_ATTR_COMPRESSED) attr |= kAttrCompressed;
    if (st.stx_attributes & STATX_ATTR_ENCRYPTED) attr |= kAttrEncrypted;
    if (attr == 0) attr = kAttrNormal;
    return attr;
}

void FillEntry(std::string_view name, const struct statx& st, TDirEntry& e) {
    e.name = name;
    e.attr = AttributesOf(name, st);
    e.size = e.IsDirectory() ? 0 : st.stx_size;
    e.uid = (st.stx_mask & STATX_UID) ? st.stx_uid : kUnknownUid;
    e.accessed = {st.stx_atime.tv_sec, st.stx_atime.tv_nsec};
    e.modified = {st.stx_mtime.tv_sec, st.stx_mtime.tv_nsec};
    e.created = (st.stx_mask & STATX_BTIME) ? TFileTime{st.stx_btime.tv_sec, st.stx_btime.tv_nsec}
                                            : TFileTime{st.stx_ctime.tv_sec, st.stx_ctime.tv_nsec};
}

class EmptyReader final : public IFolderReader {
public:
    bool Next(TDirEntry&) override { return false; }
    std::unique_ptr<IFolderReader> OpenChild(const TDirEntry&) override {
        return EmptyFolderReader();
    }
};

class DiskFolderReader final : public IFolderReader {
public:
    DiskFolderReader(int fd, int depth, DiskFolderReader* parent)
        : fd_(fd), depth_(depth), parent_(parent) {
        struct stat st;
        if (fstat(fd_, &st) == 0) {
            dev_ = st.st_dev;
            ino_ = st.st_ino;
        }
        ReadListing();
    }
    ~DiskFolderReader() override {
        if (parent_ && parent_->fd_ < 0 && fd_ >= 0) parent_->ReopenFrom(fd_);
        if (fd_ >= 0) close(fd_);
    }

    bool Next(TDirEntry& entry) override {
        while (pos_ < names_.size()) {
            const char* name = names_.data() + pos_;
            size_t len = std::strlen(name);
            pos_ += len + 1;
            if (fd_ < 0) return false;  // lost our folder (moved away while we were below it)
            struct statx st;
            if (statx(fd_, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kStatxMask, &st) != 0)
                continue;  // vanished between listing and look-up
            FillEntry(std::string_view(name, len), st, entry);
            lastDev_ = makedev(st.stx_dev_major, st.stx_dev_minor);
            return true;
        }
        return false;
    }

    size_t SizeHint() const override { return count_; }
    void Detach() override { parent_ = nullptr; }

    std::unique_ptr<IFolderReader> OpenChild(const TDirEntry& entry) override {
        if (fd_ < 0) return EmptyFolderReader();
        // entry.name points into names_, which stays valid: the listing is read once.
        std::string name(entry.name);
        int child = openat(fd_, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child < 0) return EmptyFolderReader();
        if (lastDev_ != dev_ && IsPseudoFileSystem(child)) {
            close(child);
            return EmptyFolderReader();
        }
        auto reader = std::make_unique<DiskFolderReader>(child, depth_ + 1, this);
        if (depth_ >= kKeepOpenDepth) {
            close(fd_);
            fd_ = -1;
        }
        return reader;
    }

private:
    void ReadListing() {
        alignas(8) char buf[32768];
        for (;;) {
            long n = syscall(SYS_getdents64, fd_, buf, sizeof buf);
            if (n <= 0) break;
            for (long off = 0; off < n;) {
                auto* d = reinterpret_cast<LinuxDirent64*>(buf + off);
                off += d->d_reclen;
                const char* nm = d->d_name;
                if (nm[0] == '.' && (nm[1] == 0 || (nm[1] == '.' && nm[2] == 0))) continue;
                names_.insert(names_.end(), nm, nm + std::strlen(nm) + 1);
                ++count_;
            }
        }
    }
    // Called by a finished child: reopen this folder as the child's "..", if it is still us.
    void ReopenFrom(int childFd) {
        int fd = openat(childFd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return;
        struct stat st;
        if (fstat(fd, &st) == 0 && st.st_dev == dev_ && st.st_ino == ino_) {
            fd_ = fd;
        } else {
            close(fd);
        }
    }

    int fd_;
    int depth_;
    DiskFolderReader* parent_;
    dev_t dev_ = 0;
    ino_t ino_ = 0;
    dev_t lastDev_ = 0;
    std::vector<char> names_;
    size_t count_ = 0;
    size_t pos_ = 0;
};

class DiskEntrySourceImpl final : public IEntrySource {
public:
    std::unique_ptr<IFolderReader> OpenRoot(const std::string& path) override {
        int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return nullptr;
        if (IsPseudoFileSystem(fd)) {
            close(fd);
            return EmptyFolderReader();
        }
        return std::make_unique<DiskFolderReader>(fd, 0, nullptr);
    }

    int StatEntry(const std::string& fullPath, TDirEntry& entry, std::string& nameStore) override {
        std::string p = fullPath;
        while (p.size() > 1 && p.back() == '/') p.pop_back();
        struct statx st;
        if (statx(AT_FDCWD, p.c_str(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kStatxMask, &st) != 0)
            return errno;
        size_t slash = p.rfind('/');
        nameStore = slash == std::string::npos ? p : p.substr(slash + 1);
        FillEntry(nameStore, st, entry);
        return 0;
    }
};

}  // namespace

std::unique_ptr<IFolderReader> EmptyFolderReader() { return std::make_unique<EmptyReader>(); }

IEntrySource& DiskEntrySource() {
    static DiskEntrySourceImpl source;
    return source;
}

}  // namespace fscope
