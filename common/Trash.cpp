#include "common/Trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "common/AppPaths.h"
#include "platform/Paths.h"

namespace fscope {

namespace {

std::string Errno(const std::string& what) { return what + ": " + std::strerror(errno); }

// Percent-encodes a path for the Path= key (RFC 2396 escaping; '/' kept).
std::string TrashInfoPath(std::string_view path) {
    static const char* hex = "0123456789ABCDEF";
    std::string text;
    for (const unsigned char c : path) {
        if (std::isalnum(c) || std::strchr("/-_.~!*'()", c)) {
            text += static_cast<char>(c);
        } else {
            text += '%';
            text += hex[c >> 4];
            text += hex[c & 15];
        }
    }
    return text;
}

std::string DeletionDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// Creates `folder` with mode 0700 when missing; it must then be a folder, not a link.
bool EnsurePrivateFolder(const std::string& folder, std::string& error) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = Errno("Cannot create the trash folder " + folder);
        return false;
    }
    struct stat st;
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        error = "The trash folder " + folder + " is not a folder.";
        return false;
    }
    return true;
}

// The mount point holding `path`: the highest ancestor on the same device.
std::string TopDirOf(const std::string& path, dev_t device) {
    std::string top = path;
    for (;;) {
        const size_t slash = top.rfind('/');
        const std::string parent = slash == 0 ? "/" : top.substr(0, slash);
        struct stat st;
        if (parent == top || ::stat(parent.c_str(), &st) != 0 || st.st_dev != device) return top;
        top = parent;
    }
}

// Moves `path` into trash folder `trash` ("files" and "info" inside), recording `infoPath`.
bool MoveIntoTrash(const std::string& path, const std::string& trash, const std::string& infoPath,
                   std::string& error) {
    if (!EnsurePrivateFolder(trash, error) || !EnsurePrivateFolder(trash + "/files", error) ||
        !EnsurePrivateFolder(trash + "/info", error))
        return false;
    const std::string base(BaseName(path));
    // Reserve a free name by creating its .trashinfo exclusively.
    for (int n = 1; n < 100000; ++n) {
        const std::string name = n == 1 ? base : base + "." + std::to_string(n);
        const std::string info = trash + "/info/" + name + ".trashinfo";
        const int fd = ::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            error = Errno("Cannot write " + info);
            return false;
        }
        struct stat st;
        if (::lstat((trash + "/files/" + name).c_str(), &st) == 0) {  // left over: next name
            ::close(fd);
            continue;
        }
        const std::string text = "[Trash Info]\nPath=" + TrashInfoPath(infoPath) +
                                 "\nDeletionDate=" + DeletionDate() + "\n";
        const bool written =
            ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        const bool closed = ::close(fd) == 0;
        if (!written || !closed) {
            error = Errno("Cannot write " + info);
            ::unlink(info.c_str());
            return false;
        }
        if (::rename(path.c_str(), (trash + "/files/" + name).c_str()) != 0) {
            error = Errno("Cannot move " + path + " to the trash");
            ::unlink(info.c_str());
            return false;
        }
        return true;
    }
    error = "No free name in the trash for " + path;
    return false;
}

}  // namespace

std::string HomeTrashFolder() {
    const std::string base = XdgBaseFolder("XDG_DATA_HOME", ".local/share");
    return (base == "/" ? "" : base) + "/Trash";
}

bool MoveToTrash(const std::string& path, std::string& error) {
    if (path.empty() || path[0] != '/') {
        error = "Not an absolute path: " + path;
        return false;
    }
    const std::string full = NormalisePath(path);
    struct stat entry;
    if (::lstat(full.c_str(), &entry) != 0) {
        error = Errno("Cannot move " + full + " to the trash");
        return false;
    }
    if (full == "/") {
        error = "The root folder cannot be moved to the trash.";
        return false;
    }
    const std::string homeTrash = HomeTrashFolder();
    const std::string dataFolder = homeTrash.substr(0, homeTrash.rfind('/'));
    if (!EnsureFolder(dataFolder, error)) return false;
    struct stat data;
    if (::stat(dataFolder.c_str(), &data) != 0) {
        error = Errno("Cannot reach " + dataFolder);
        return false;
    }
    if (data.st_dev == entry.st_dev) return MoveIntoTrash(full, homeTrash, full, error);

    // Another file system: its own trash at its top folder, the path recorded relative to it.
    const std::string top = TopDirOf(full, entry.st_dev);
    const std::string trash = (top == "/" ? "" : top) + "/.Trash-" + std::to_string(::getuid());
    const std::string relative = full.substr(top == "/" ? 1 : top.size() + 1);
    return MoveIntoTrash(full, trash, relative, error);
}

}  // namespace fscope
