#pragma once
// Which entries a report covers and how its subtree is walked. Walks use an explicit stack, so a
// tree thousands of levels deep never exhausts the call stack.

#include <string>
#include <utility>
#include <vector>

#include "engine/Folioscope.h"

namespace fscope {

// The entries a report covers: every file at every depth below `items`, never the selected
// folder itself. `report` is the scan the entries belong to (for paths). An empty scope (no
// report, or the tree root selected) covers nothing.
struct TReportScope {
    const TFolioscope* report = nullptr;
    const TFoldList* items = nullptr;
    const TFoldInfo* folder = nullptr;  // the selected folder; null at a scan root

    bool Empty() const { return report == nullptr || items == nullptr; }
    bool AtScanRoot() const { return !Empty() && folder == nullptr; }
    // Path of the folder whose items are covered, ending in '/'.
    std::string BasePath() const {
        return folder ? report->GetItemPath(folder) : report->FRootPath;
    }
};

// ReportScope: level 0 (the "My Reports" root) covers nothing; level 1 covers the report's
// top-level entries; deeper levels the FItems of `folder`, which must be a folder of `report`.
inline TReportScope ReportScope(int level, const TFolioscope* report, const TFoldInfo* folder) {
    if (level <= 0 || report == nullptr) return {};
    if (level == 1) return {report, &report->FItems, nullptr};
    if (folder == nullptr || !folder->IsFolder()) return {};
    return {report, folder->FItems, folder};
}

// Walks every node below `items` depth first in list order, without recursion: onFolder(folder)
// before the folder's own children, onFile(file) for files. A folder's files therefore come
// before the next sibling of that folder.
template <class OnFolder, class OnFile>
void WalkTree(const TFoldList& items, OnFolder&& onFolder, OnFile&& onFile) {
    std::vector<std::pair<const TFoldList*, size_t>> stack{{&items, 0}};
    while (!stack.empty()) {
        auto& [list, index] = stack.back();
        if (index == list->size()) {
            stack.pop_back();
            continue;
        }
        TFoldInfo* node = (*list)[index++];
        if (node->IsFolder()) {
            onFolder(node);
            stack.emplace_back(node->FItems, 0);  // invalidates list/index: taken last
        } else {
            onFile(node);
        }
    }
}

// As WalkTree, with paths built incrementally instead of climbing the parents for every node:
// onFolder(folder, its own path) and onFile(file, the path of the folder holding it); both
// paths end in '/', as GetItemPath gives them.
template <class OnFolder, class OnFile>
void WalkTreeWithPath(const TFoldList& items, std::string basePath, OnFolder&& onFolder,
                      OnFile&& onFile) {
    struct Level {
        const TFoldList* list;
        size_t index;
        size_t pathLength;
    };
    std::string path = std::move(basePath);
    std::vector<Level> stack{{&items, 0, path.size()}};
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.index == level.list->size()) {
            stack.pop_back();
            if (!stack.empty()) path.resize(stack.back().pathLength);
            continue;
        }
        TFoldInfo* node = (*level.list)[level.index++];
        path.resize(level.pathLength);
        if (node->IsFolder()) {
            path += node->FName.view();
            path += '/';
            onFolder(node, static_cast<const std::string&>(path));
            stack.push_back({node->FItems, 0, path.size()});  // `level` is stale from here
        } else {
            onFile(node, static_cast<const std::string&>(path));
        }
    }
}

// Calls fn(folder) for every folder below `items` in pre-order (each folder before its
// subfolders, siblings in list order).
template <class Fn>
void ForEachFolder(const TFoldList& items, Fn&& fn) {
    WalkTree(items, fn, [](TFoldInfo*) {});
}

// Calls fn(file) for every file below `items`, depth first in list order.
template <class Fn>
void ForEachFile(const TFoldList& items, Fn&& fn) {
    WalkTree(items, [](TFoldInfo*) {}, fn);
}

// As ForEachFile, with the path of the folder holding each file.
template <class Fn>
void ForEachFileWithPath(const TFoldList& items, std::string basePath, Fn&& fn) {
    WalkTreeWithPath(items, std::move(basePath), [](TFoldInfo*, const std::string&) {}, fn);
}

template <class Fn>
void ForEachFile(const TReportScope& scope, Fn&& fn) {
    if (!scope.Empty()) ForEachFile(*scope.items, std::forward<Fn>(fn));
}

template <class Fn>
void ForEachFileWithPath(const TReportScope& scope, Fn&& fn) {
    if (!scope.Empty()) ForEachFileWithPath(*scope.items, scope.BasePath(), std::forward<Fn>(fn));
}

}  // namespace fscope
