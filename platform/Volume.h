#pragma once
// Volume size and file-system name of the volume holding a path.

#include <cstdint>
#include <string>

namespace fscope {

struct TVolumeInfo {
    bool ok = false;
    uint64_t totalBytes = 0;
    uint64_t freeBytes = 0;
    // As Windows would name it where Windows has the file system ("NTFS", "FAT32", "exFAT"),
    // otherwise the Linux name ("ext4", "btrfs", "tmpfs"...).
    std::string fileSystem;
};

TVolumeInfo QueryVolume(const std::string& path);

// Maps a Linux file-system type name to the name Windows would report.
std::string WindowsFileSystemName(const std::string& linuxType);

}  // namespace fscope
