#include "engine/FoldInfo.h"

#include "engine/TextHelpers.h"

namespace fscope {

std::string_view ExtOfName(std::string_view name) {
    size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

void CopyEntryDetails(TFoldInfo& node, const TDirEntry& e) {
    node.FAttr = e.attr;
    node.FUid = e.uid;
    node.FAccessed = FileTimeToDateTime(e.accessed.seconds, e.accessed.nanoseconds);
    node.FModified = FileTimeToDateTime(e.modified.seconds, e.modified.nanoseconds);
    node.FCreated = FileTimeToDateTime(e.created.seconds, e.created.nanoseconds);
}

std::string_view TFoldInfo::FExt() const {
    if (IsFolder()) return {};
    return ExtOfName(FName.view());
}

TExtInfo* TExtList::Find(std::string_view ext) const {
    // Upper-case into a stack buffer: extensions are short and this runs once per file.
    char buf[64];
    if (ext.size() <= sizeof buf) {
        for (size_t i = 0; i < ext.size(); ++i) {
            char c = ext[i];
            buf[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
        }
        auto it = index_.find(std::string_view(buf, ext.size()));
        return it == index_.end() ? nullptr : it->second;
    }
    auto it = index_.find(UpperAscii(ext));
    return it == index_.end() ? nullptr : it->second;
}

TExtInfo* TExtList::Append(std::unique_ptr<TExtInfo> info) {
    TExtInfo* p = info.get();
    index_.emplace(UpperAscii(p->FExt), p);
    items_.push_back(std::move(info));
    return p;
}

void TExtList::Clear() {
    index_.clear();
    items_.clear();
}

}  // namespace fscope
