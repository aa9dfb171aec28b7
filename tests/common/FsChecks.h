#pragma once
// Small file-system checks shared by the common layer's tests.

#include <sys/stat.h>

#include <string>

namespace fscope::test {

inline bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// True when /dev/shm is a file system other than the one holding `path` (for the tests of what
// happens across file systems; they are skipped without one).
inline bool SecondFileSystemBeside(const std::string& path) {
    struct stat shm, here;
    return ::stat("/dev/shm", &shm) == 0 && ::stat(path.c_str(), &here) == 0 &&
           shm.st_dev != here.st_dev;
}

}  // namespace fscope::test
