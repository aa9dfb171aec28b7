#include "common/FileCopy.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/Paths.h"

namespace fscope {

namespace {

constexpr size_t kBlockSize = 1 << 20;

std::string ErrnoText() { return std::strerror(errno); }

std::string ParentOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The names in a folder (without "." and ".."), in listing order; false when unreadable.
bool ListFolder(const std::string& folder, std::vector<std::string>& names) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return false;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    return true;
}

// Bytes of the regular files in a tree (links not followed).
uint64_t TreeBytes(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return 0;
    if (S_ISREG(st.st_mode)) return static_cast<uint64_t>(st.st_size);
    if (!S_ISDIR(st.st_mode)) return 0;
    std::vector<std::string> names;
    ListFolder(path, names);
    uint64_t total = 0;
    for (const std::string& name : names) total += TreeBytes(path + "/" + name);
    return total;
}

// A new name beside `destination` for building an entry before it is renamed into place.
std::string TempSibling(const std::string& destination) {
    static std::atomic<unsigned> counter{0};
    return ParentOf(destination) + "/.fscope-part-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++);
}

class TTransfer {
public:
    TTransfer(const TCopyCallbacks& callbacks, bool move) : callbacks_(callbacks), move_(move) {}

    TCopyResult Run(const std::vector<std::string>& sources, const std::string& destination);

private:
    bool Transfer(const std::string& source, const struct stat& st, const std::string& target);
    bool TransferFolder(const std::string& source, const struct stat& st, const std::string& target,
                        bool merge);
    bool TransferChildren(const std::string& source, const std::string& target);
    bool CopyEntry(const std::string& source, const struct stat& st, const std::string& target);
    bool CopyRegular(const std::string& source, const struct stat& st, const std::string& temp);
    void ApplyMetadata(const std::string& path, const struct stat& st);
    bool RemoveSource(const std::string& source, bool folder);
    // Asks about an existing target; true to go on and replace it.
    bool MayReplace(const std::string& source, const std::string& target);
    bool Progress(const std::string& current);
    void Error(const std::string& path, const std::string& message);
    void Notice(const std::string& path, const std::string& message);

    const TCopyCallbacks& callbacks_;
    const bool move_;
    TCopyResult result_;
    TCopyProgress progress_;
};

void TTransfer::Error(const std::string& path, const std::string& message) {
    result_.errors.push_back(message);
    if (callbacks_.notice) callbacks_.notice(path, message);
}

void TTransfer::Notice(const std::string& path, const std::string& message) {
    if (callbacks_.notice) callbacks_.notice(path, message);
}

bool TTransfer::Progress(const std::string& current) {
    progress_.current = current;
    if (callbacks_.progress && !callbacks_.progress(progress_)) result_.cancelled = true;
    return !result_.cancelled;
}

bool TTransfer::MayReplace(const std::string& source, const std::string& target) {
    const TConflictAnswer answer =
        callbacks_.conflict ? callbacks_.conflict(source, target) : TConflictAnswer::Skip;
    if (answer == TConflictAnswer::Overwrite) return true;
    if (answer == TConflictAnswer::Cancel)
        result_.cancelled = true;
    else
        ++result_.skipped;
    return false;
}

TCopyResult TTransfer::Run(const std::vector<std::string>& sources,
                           const std::string& destination) {
    const std::string folder = NormalisePath(destination);
    struct stat dst;
    if (::stat(folder.c_str(), &dst) != 0 || !S_ISDIR(dst.st_mode)) {
        Error(destination, "The destination folder " + destination + " does not exist.");
        return result_;
    }
    char resolved[PATH_MAX];
    const std::string realDestination = ::realpath(folder.c_str(), resolved) ? resolved : folder;

    std::vector<std::string> paths;
    for (const std::string& source : sources) {
        paths.push_back(NormalisePath(source));
        progress_.bytesTotal += TreeBytes(paths.back());
    }
    for (const std::string& source : paths) {
        if (result_.cancelled) break;
        struct stat st;
        if (::lstat(source.c_str(), &st) != 0) {
            Error(source, "Cannot read " + source + ": " + ErrnoText());
            continue;
        }
        if (source == "/") {
            Error(source, "The root folder cannot be copied or moved.");
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            const std::string realSource = ::realpath(source.c_str(), resolved) ? resolved : source;
            if (realDestination == realSource ||
                realDestination.compare(0, realSource.size() + 1, realSource + "/") == 0) {
                Error(source, "Cannot " + std::string(move_ ? "move" : "copy") + " the folder " +
                                  source + " into itself.");
                continue;
            }
        }
        const std::string target =
            (folder == "/" ? "" : folder) + "/" + std::string(BaseName(source));
        Transfer(source, st, target);
    }
    return result_;
}

bool TTransfer::Transfer(const std::string& source, const struct stat& st,
                         const std::string& target) {
    if (!Progress(source)) return false;
    struct stat existing;
    const bool exists = ::lstat(target.c_str(), &existing) == 0;
    if (exists && existing.st_dev == st.st_dev && existing.st_ino == st.st_ino) {
        Error(source, source + " and " + target + " are the same.");
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        const bool merge = exists && S_ISDIR(existing.st_mode);
        if (exists && !merge) {
            if (!MayReplace(source, target)) return false;
            if (::unlink(target.c_str()) != 0) {
                Error(target, "Cannot replace " + target + ": " + ErrnoText());
                return false;
            }
        }
        return TransferFolder(source, st, target, merge);
    }
    if (exists) {
        if (S_ISDIR(existing.st_mode)) {
            Error(source, "Cannot replace the folder " + target + " with a file.");
            return false;
        }
        if (!MayReplace(source, target)) return false;
    }
    if (move_) {
        if (::rename(source.c_str(), target.c_str()) == 0) {
            ++result_.filesDone;
            if (S_ISREG(st.st_mode)) progress_.bytesDone += static_cast<uint64_t>(st.st_size);
            return true;
        }
        if (errno != EXDEV) {
            Error(source, "Cannot move " + source + ": " + ErrnoText());
            return false;
        }
    }
    if (!CopyEntry(source, st, target)) return false;
    return !move_ || RemoveSource(source, false);
}

bool TTransfer::TransferFolder(const std::string& source, const struct stat& st,
                               const std::string& target, bool merge) {
    if (move_ && !merge) {
        const uint64_t bytes = TreeBytes(source);
        if (::rename(source.c_str(), target.c_str()) == 0) {
            progress_.bytesDone += bytes;
            ++result_.filesDone;
            return true;
        }
        if (errno != EXDEV) {
            Error(source, "Cannot move " + source + ": " + ErrnoText());
            return false;
        }
    }
    if (!merge && ::mkdir(target.c_str(), 0700) != 0) {
        Error(target, "Cannot create the folder " + target + ": " + ErrnoText());
        return false;
    }
    const bool complete = TransferChildren(source, target);
    ApplyMetadata(target, st);  // after the contents, which change the folder's times
    return complete && (!move_ || RemoveSource(source, true));
}

bool TTransfer::TransferChildren(const std::string& source, const std::string& target) {
    std::vector<std::string> names;
    if (!ListFolder(source, names)) {
        Error(source, "Cannot read the folder " + source + ": " + ErrnoText());
        return false;
    }
    bool complete = true;
    for (const std::string& name : names) {
        if (result_.cancelled) return false;
        const std::string child = source + "/" + name;
        struct stat st;
        if (::lstat(child.c_str(), &st) != 0) {
            Error(child, "Cannot read " + child + ": " + ErrnoText());
            complete = false;
            continue;
        }
        complete &= Transfer(child, st, target + "/" + name);
    }
    return complete && !result_.cancelled;
}

bool TTransfer::RemoveSource(const std::string& source, bool folder) {
    if ((folder ? ::rmdir(source.c_str()) : ::unlink(source.c_str())) == 0) return true;
    Error(source, "Copied, but cannot remove " + source + ": " + ErrnoText());
    return false;
}

// Builds the entry under a temporary name beside the target and renames it over the target.
bool TTransfer::CopyEntry(const std::string& source, const struct stat& st,
                          const std::string& target) {
    const std::string temp = TempSibling(target);
    const mode_t mode = st.st_mode & 07777;
    bool made = false;
    if (S_ISREG(st.st_mode)) {
        if (!CopyRegular(source, st, temp)) return false;
        made = true;
    } else if (S_ISLNK(st.st_mode)) {
        std::string link(static_cast<size_t>(st.st_size) + 1, '\0');
        const ssize_t n = ::readlink(source.c_str(), link.data(), link.size());
        if (n < 0 || static_cast<size_t>(n) >= link.size()) {
            Error(source, "Cannot read the link " + source + ": " + ErrnoText());
            return false;
        }
        link.resize(static_cast<size_t>(n));
        made = ::symlink(link.c_str(), temp.c_str()) == 0;
    } else if (S_ISFIFO(st.st_mode)) {
        made = ::mkfifo(temp.c_str(), mode) == 0;
        if (made) Notice(source, "The named pipe " + source + " was recreated, not read.");
    } else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) {
        made = ::mknod(temp.c_str(), st.st_mode, st.st_rdev) == 0;
        if (!made) {
            Notice(source, "The device " + source + " was skipped: " + ErrnoText());
            ++result_.skipped;
            return false;
        }
        Notice(source, "The device " + source + " was recreated, not read.");
    } else {
        Notice(source, "The socket " + source + " was skipped.");
        ++result_.skipped;
        return false;
    }
    if (!made) {
        Error(source, "Cannot copy " + source + ": " + ErrnoText());
        return false;
    }
    ApplyMetadata(temp, st);
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        Error(target, "Cannot write " + target + ": " + ErrnoText());
        ::unlink(temp.c_str());
        return false;
    }
    ++result_.filesDone;
    return true;
}

bool TTransfer::CopyRegular(const std::string& source, const struct stat& st,
                            const std::string& temp) {
    // O_NOFOLLOW and O_NONBLOCK: whatever replaced the file since it was listed (a link, a
    // FIFO) is never followed or waited on; it must still be the same regular file.
    const int in = ::open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (in < 0) {
        Error(source, "Cannot read " + source + ": " + ErrnoText());
        return false;
    }
    struct stat now;
    if (::fstat(in, &now) != 0 || !S_ISREG(now.st_mode) || now.st_ino != st.st_ino) {
        ::close(in);
        Error(source, source + " changed while it was being copied.");
        return false;
    }
    const int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) {
        Error(temp, "Cannot write into " + ParentOf(temp) + ": " + ErrnoText());
        ::close(in);
        return false;
    }
    std::vector<char> buffer(kBlockSize);
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            Error(source, "Cannot read " + source + ": " + ErrnoText());
            ok = false;
            break;
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(out, buffer.data() + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) {
                Error(source, "Cannot write a copy of " + source + ": " + ErrnoText());
                ok = false;
                break;
            }
            done += w;
        }
        if (!ok) break;
        progress_.bytesDone += static_cast<uint64_t>(n);
        if (!Progress(source)) {
            ok = false;
            break;
        }
    }
    ::close(in);
    if (::close(out) != 0 && ok) {
        Error(source, "Cannot write a copy of " + source + ": " + ErrnoText());
        ok = false;
    }
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

void TTransfer::ApplyMetadata(const std::string& path, const struct stat& st) {
    if (::geteuid() == 0) (void)::lchown(path.c_str(), st.st_uid, st.st_gid);
    if (!S_ISLNK(st.st_mode) && ::chmod(path.c_str(), st.st_mode & 07777) != 0)
        Notice(path, "The permissions of " + path + " could not be kept: " + ErrnoText());
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        Notice(path, "The times of " + path + " could not be kept: " + ErrnoText());
}

}  // namespace

TCopyResult ShellCopy(const std::vector<std::string>& sources, const std::string& destination,
                      const TCopyCallbacks& callbacks) {
    return TTransfer(callbacks, false).Run(sources, destination);
}

TCopyResult ShellMove(const std::vector<std::string>& sources, const std::string& destination,
                      const TCopyCallbacks& callbacks) {
    return TTransfer(callbacks, true).Run(sources, destination);
}

}  // namespace fscope
