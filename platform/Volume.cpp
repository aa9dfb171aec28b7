#include "platform/Volume.h"

#include <sys/statvfs.h>

#include <fstream>
#include <sstream>

namespace fscope {

namespace {
// Undoes the octal escapes (\040 for a space) of /proc/self/mountinfo.
std::string Unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size()) {
            int v = 0;
            bool ok = true;
            for (int k = 1; k <= 3; ++k) {
                char c = s[i + k];
                if (c < '0' || c > '7') ok = false;
                v = v * 8 + (c - '0');
            }
            if (ok) {
                out.push_back(static_cast<char>(v));
                i += 3;
                continue;
            }
        }
        out.push_back(s[i]);
    }
    return out;
}

// The type of the mount whose mount point is the longest prefix of `path`.
std::string MountTypeOf(const std::string& path) {
    std::ifstream in("/proc/self/mountinfo");
    std::string line, best, bestType;
    while (std::getline(in, line)) {
        std::istringstream ls(line);
        std::string id, parent, devno, root, mountPoint, field;
        ls >> id >> parent >> devno >> root >> mountPoint;
        while (ls >> field && field != "-") {
        }
        std::string type;
        ls >> type;
        mountPoint = Unescape(mountPoint);
        std::string prefix = mountPoint == "/" ? "/" : mountPoint + "/";
        if ((path.compare(0, prefix.size(), prefix) == 0 || path == mountPoint) &&
            mountPoint.size() >= best.size()) {
            best = mountPoint;
            bestType = type;
        }
    }
    return bestType;
}
}  // namespace

std::string WindowsFileSystemName(const std::string& t) {
    if (t == "ntfs" || t == "ntfs3" || t == "ntfs-3g" || t == "fuseblk") return "NTFS";
    if (t == "vfat" || t == "msdos") return "FAT32";
    if (t == "exfat") return "exFAT";
    return t;
}

TVolumeInfo QueryVolume(const std::string& path) {
    TVolumeInfo info;
    struct statvfs sv;
    if (statvfs(path.c_str(), &sv) != 0) return info;
    info.ok = true;
    info.totalBytes = static_cast<uint64_t>(sv.f_blocks) * sv.f_frsize;
    info.freeBytes = static_cast<uint64_t>(sv.f_bavail) * sv.f_frsize;
    std::string p = path;
    if (p.size() > 1 && p.back() == '/') p.pop_back();
    info.fileSystem = WindowsFileSystemName(MountTypeOf(p));
    return info;
}

}  // namespace fscope
