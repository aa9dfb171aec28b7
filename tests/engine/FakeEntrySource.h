#pragma once
// An in-memory entry source: a tree of fake entries the scanner walks instead of the disk, so
// failures root cannot meet (unreadable folders, look-up errors) and stop timing can be set up.

#include <cerrno>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/DirEntry.h"

namespace fscope::test {

struct FakeNode {
    std::string name;
    uint32_t attr = kAttrArchive;
    uint64_t size = 0;
    bool unreadable = false;  // a folder whose listing fails
    int statError = 0;        // errno a one-entry look-up of this node gives
    std::vector<std::unique_ptr<FakeNode>> children;

    FakeNode* AddFile(std::string n, uint64_t s = 0) {
        auto c = std::make_unique<FakeNode>();
        c->name = std::move(n);
        c->size = s;
        children.push_back(std::move(c));
        return children.back().get();
    }
    FakeNode* AddFolder(std::string n) {
        auto c = std::make_unique<FakeNode>();
        c->name = std::move(n);
        c->attr = kAttrDirectory;
        children.push_back(std::move(c));
        return children.back().get();
    }
};

class FakeEntrySource : public IEntrySource {
public:
    FakeNode root{"", kAttrDirectory};
    std::string rootPath = "/fake/";
    // Called before every entry is handed out (after the fetch), with the entry's name.
    std::function<void(const std::string&)> onNext;

    std::unique_ptr<IFolderReader> OpenRoot(const std::string& path) override {
        FakeNode* n = Find(path);
        if (!n || !(n->attr & kAttrDirectory)) return nullptr;
        return std::make_unique<Reader>(this, n);
    }
    int StatEntry(const std::string& fullPath, TDirEntry& e, std::string& store) override {
        FakeNode* n = Find(fullPath);
        if (!n) return ENOENT;
        if (n->statError) return n->statError;
        store = n->name;
        Fill(*n, store, e);
        return 0;
    }

private:
    static void Fill(const FakeNode& n, const std::string& name, TDirEntry& e) {
        e = {};
        e.name = name;
        e.attr = n.attr;
        e.size = n.size;
        e.modified = e.accessed = e.created = {1600000000, 0};
    }
    FakeNode* Find(std::string path) {
        if (path.compare(0, rootPath.size(), rootPath) != 0) {
            if (path + "/" == rootPath) return &root;
            return nullptr;
        }
        path = path.substr(rootPath.size());
        FakeNode* n = &root;
        size_t start = 0;
        while (start < path.size()) {
            size_t slash = path.find('/', start);
            std::string part = path.substr(start, slash - start);
            start = slash == std::string::npos ? path.size() : slash + 1;
            if (part.empty()) continue;
            FakeNode* next = nullptr;
            for (auto& c : n->children)
                if (c->name == part) next = c.get();
            if (!next) return nullptr;
            n = next;
        }
        return n;
    }
    class Reader : public IFolderReader {
    public:
        Reader(FakeEntrySource* src, FakeNode* n) : src_(src), node_(n) {}
        bool Next(TDirEntry& e) override {
            if (node_->unreadable || pos_ >= node_->children.size()) return false;
            FakeNode& c = *node_->children[pos_++];
            if (src_->onNext) src_->onNext(c.name);
            Fill(c, c.name, e);
            last_ = &c;
            return true;
        }
        std::unique_ptr<IFolderReader> OpenChild(const TDirEntry&) override {
            return std::make_unique<Reader>(src_, last_);
        }

    private:
        FakeEntrySource* src_;
        FakeNode* node_;
        FakeNode* last_ = nullptr;
        size_t pos_ = 0;
    };
};

}  // namespace fscope::test
