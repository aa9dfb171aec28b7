#include "platform/Paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace fscope {

std::string NormalisePath(std::string_view path) {
    std::string full;
    if (path.empty() || path.front() != '/') {
        std::vector<char> buf(4096);
        while (!getcwd(buf.data(), buf.size())) {
            if (buf.size() > (1u << 20)) break;
            buf.resize(buf.size() * 2);
        }
        full = buf.data();
        full += '/';
    }
    full += path;
    std::vector<std::string_view> parts;
    std::string_view rest = full;
    while (!rest.empty()) {
        size_t slash = rest.find('/');
        std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out;
    for (std::string_view p : parts) {
        out += '/';
        out += p;
    }
    return out.empty() ? "/" : out;
}

std::string WithTrailingDelim(std::string_view path) {
    std::string out(path);
    if (out.empty() || out.back() != PathDelim) out += PathDelim;
    return out;
}

std::string ShortPathName(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? path : std::string();
}

std::string_view BaseName(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
    size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return path;
    return path.substr(slash + 1);
}

}  // namespace fscope
