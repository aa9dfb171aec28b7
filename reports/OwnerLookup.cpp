#include "reports/OwnerLookup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <unordered_map>

#include "common/SystemHelpers.h"

namespace fscope {

namespace {

class TWalkOwnerLookup {
public:
    ~TWalkOwnerLookup() { CloseFolder(); }

    std::optional<TOwnerRecord> operator()(const std::string& path, uint32_t uid) {
        if (uid != kUnknownUid) return ByUid(uid);
        const size_t slash = path.rfind('/');
        if (slash == std::string::npos) return FromPath(path);
        const std::string_view folder(path.data(), slash + 1);
        if (folder != folder_) {
            CloseFolder();
            folder_ = std::string(folder);
            fd_ = ::open(folder_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
        struct stat st;
        if (fd_ < 0 || ::fstatat(fd_, path.c_str() + slash + 1, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return FromPath(path);  // the slow way decides (and says when it cannot be read)
        return ByUid(st.st_uid);
    }

private:
    const std::optional<TOwnerRecord>& ByUid(uid_t uid) {
        auto it = byUid_.find(uid);
        if (it == byUid_.end()) {
            std::string domain, owner;
            OwnerOfUid(uid, domain, owner);
            it = byUid_.emplace(uid, TOwnerRecord{owner, domain}).first;
        }
        return it->second;
    }

    static std::optional<TOwnerRecord> FromPath(const std::string& path) {
        std::string domain, owner;
        if (GetFileOwner(path, domain, owner)) return TOwnerRecord{owner, domain};
        if (!owner.empty()) return TOwnerRecord{owner, ""};  // a uid without an account
        return std::nullopt;
    }
    void CloseFolder() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

    std::string folder_;
    int fd_ = -1;
    std::unordered_map<uid_t, std::optional<TOwnerRecord>> byUid_;
};

}  // namespace

TOwnerLookup NewSystemOwnerLookup() {
    auto lookup = std::make_shared<TWalkOwnerLookup>();
    return [lookup](const std::string& path, uint32_t uid) { return (*lookup)(path, uid); };
}

}  // namespace fscope
