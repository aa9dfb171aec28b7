#include "platform/TypeNames.h"

#include <QMimeDatabase>
#include <QMimeType>
#include <mutex>
#include <unordered_map>

namespace fscope {

namespace {
struct Registry {
    std::mutex mutex;
    std::unordered_map<std::string, TShellTypeInfo> byExt;
    std::unordered_map<std::string, int> iconIndex;
    std::vector<std::string> iconNames;

    Registry() {
        // Fixed slots first, so indices 3 (folder) and 6 (generic file) mean the same everywhere.
        const char* fixed[] = {
            "text-x-generic", "application-x-executable", "drive-harddisk",         "folder",
            "folder-open",    "emblem-symbolic-link",     "text-x-generic-template"};
        for (const char* n : fixed) IconIndexLocked(n);
    }
    int IconIndexLocked(const std::string& name) {
        auto [it, inserted] = iconIndex.emplace(name, static_cast<int>(iconNames.size()));
        if (inserted) iconNames.push_back(name);
        return it->second;
    }
};

Registry& TheRegistry() {
    static Registry r;
    return r;
}

std::string UpperNoDot(std::string_view ext) {
    std::string s(ext.substr(ext.empty() || ext.front() != '.' ? 0 : 1));
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}
}  // namespace

TShellTypeInfo ShellTypeInfo(std::string_view ext) {
    Registry& r = TheRegistry();
    std::string key(ext);
    {
        std::lock_guard lock(r.mutex);
        auto it = r.byExt.find(key);
        if (it != r.byExt.end()) return it->second;
    }
    TShellTypeInfo info;
    std::string iconName = "text-x-generic";
    if (ext.empty()) {
        info.typeName = "File";
    } else {
        static thread_local QMimeDatabase db;
        // A fixed stem, so whole-name globs (README, Makefile) never apply: the extension decides.
        QMimeType mt = db.mimeTypeForFile(QStringLiteral("fscope-type-probe") +
                                              QString::fromUtf8(ext.data(), qsizetype(ext.size())),
                                          QMimeDatabase::MatchExtension);
        if (!mt.isValid() || mt.isDefault()) {
            info.typeName = UpperNoDot(ext) + " File";
        } else {
            info.typeName = mt.comment().toStdString();
            iconName = mt.iconName().toStdString();
        }
        if (info.typeName.size() > 79) info.typeName.resize(79);
    }
    std::lock_guard lock(r.mutex);
    info.iconIndex = r.IconIndexLocked(iconName);
    r.byExt.emplace(key, info);
    return info;
}

int FolderIconIndex() { return kFolderIconIndex; }

std::vector<std::string> IconNames() {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    return r.iconNames;
}

}  // namespace fscope
