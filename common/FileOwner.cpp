#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/SystemHelpers.h"

namespace fscope {

namespace {

// Account names per uid: a report asks once per file, the account database once per owner.
// nullopt records a uid without an account.
class TOwnerCache {
public:
    std::optional<std::string> Lookup(uid_t uid) {
        std::lock_guard lock(mutex_);
        auto it = names_.find(uid);
        if (it == names_.end()) it = names_.emplace(uid, AccountName(uid)).first;
        return it->second;
    }

private:
    static std::optional<std::string> AccountName(uid_t uid) {
        long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
        std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 1024);
        for (;;) {
            struct passwd entry;
            struct passwd* found = nullptr;
            const int rc = ::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found);
            if (rc == ERANGE && buffer.size() < (1u << 20)) {
                buffer.resize(buffer.size() * 2);
                continue;
            }
            if (rc != 0 || !found || !found->pw_name) return std::nullopt;
            return std::string(found->pw_name);
        }
    }

    std::mutex mutex_;
    std::unordered_map<uid_t, std::optional<std::string>> names_;
};

TOwnerCache& OwnerCache() {
    static TOwnerCache cache;
    return cache;
}

}  // namespace

std::string SidToText(uid_t uid) { return std::to_string(uid); }

std::string HostDomainName() {
    static const std::string name = [] {
        char host[256] = {};
        if (::gethostname(host, sizeof host - 1) != 0) return std::string();
        return std::string(host);
    }();
    return name;
}

bool OwnerOfUid(uid_t uid, std::string& domain, std::string& owner) {
    try {
        const std::optional<std::string> name = OwnerCache().Lookup(uid);
        if (!name) {
            domain.clear();
            owner = SidToText(uid);
            return false;
        }
        domain = HostDomainName();
        owner = *name;
        return true;
    } catch (...) {  // out of memory: the owner stays unknown, the report goes on
        return false;
    }
}

bool GetFileOwner(const std::string& path, std::string& domain, std::string& owner) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return false;
    return OwnerOfUid(st.st_uid, domain, owner);
}

}  // namespace fscope
