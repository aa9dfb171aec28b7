#include "common/AppPaths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace fscope {

namespace {

bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::string WithoutTrailingDelims(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

std::string XdgBaseFolder(const char* variable, std::string_view homeRelative) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return WithoutTrailingDelims(value);
    const char* home = std::getenv("HOME");
    std::string base = WithoutTrailingDelims(home && *home ? home : "/");
    if (base == "/") base.clear();
    return WithoutTrailingDelims(base + "/" + std::string(homeRelative));
}

std::string ConfigFolder() {
    const std::string base = XdgBaseFolder("XDG_CONFIG_HOME", ".config");
    return (base == "/" ? "" : base) + "/Folioscope";
}

std::string ExecutableFolder() {
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0 || static_cast<size_t>(n) >= path.size()) return "";
    path.resize(static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string DataFilePath(std::string_view name, const std::string& exeFolder) {
    if (exeFolder.empty()) return "";
    const std::string folder = exeFolder.back() == '/' ? exeFolder : exeFolder + "/";
    const std::string beside = folder + std::string(name);
    if (Exists(beside)) return beside;
    const std::string installed = folder + "../share/folioscope/" + std::string(name);
    if (Exists(installed)) return installed;
    return "";
}

std::string DataFilePath(std::string_view name) { return DataFilePath(name, ExecutableFolder()); }

bool EnsureFolder(const std::string& folder, std::string& error) {
    for (size_t end = 1; end <= folder.size(); ++end) {
        if (end < folder.size() && folder[end] != '/') continue;
        const std::string part = folder.substr(0, end);
        struct stat st;
        if (::stat(part.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) continue;
            error = part + " is not a folder";
            return false;
        }
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            error = "Cannot create the folder " + part + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

}  // namespace fscope
