#pragma once
// The folder tree tvwFolders as a lazy model: the root "My Reports", one node per report and
// the report's folders below it. A folder's children are created the first time it is
// expanded (fetchMore); until then it claims children so the view shows an expand button, and
// loses it when the folder turns out to hold files only. Files are never shown.
//
// Node texts are the prefix (built from the folder's stored totals) and the folder's name
// decoded for display; paths that touch the disk are always rebuilt from the report's bytes.
// Used on the window's thread only, and never on a report a worker is still writing.

#include <QAbstractItemModel>
#include <QIcon>
#include <functional>
#include <memory>
#include <string>

#include "engine/Folioscope.h"
#include "mainwindow/TreeText.h"

namespace fscope {

enum class TTreeNodeKind { Root, Report, Folder };

// The settings the tree reads on every rendering.
struct TTreeSettings {
    TPrefixFormat prefix;
    TTreeSort sort = TTreeSort::ByName;
};

class TFolderTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    using TSettingsSource = std::function<TTreeSettings()>;
    static constexpr const char* kRootText = "My Reports";

    explicit TFolderTreeModel(TSettingsSource settings, QObject* parent = nullptr);
    ~TFolderTreeModel() override;

    QModelIndex RootIndex() const;
    // Appends a report node below "My Reports" (the report stays owned by the caller).
    // `loaded`: the node shows the image of a report read from an archive.
    QModelIndex AddReport(TFolioscope* report, const std::string& path, bool loaded = false);
    // Removes a report's node with all its folder nodes.
    void RemoveReport(const TFolioscope* report);

    TTreeNodeKind KindOf(const QModelIndex& index) const;
    TFolioscope* ReportOf(const QModelIndex& index) const;  // the report of any node below root
    TFoldInfo* FolderOf(const QModelIndex& index) const;    // null for root and report nodes
    QModelIndex ReportRootOf(const QModelIndex& index) const;
    // The folder path of a node, ending in '/', as bytes: the report's path followed by each
    // folder name. Empty for the root.
    std::string NodePath(const QModelIndex& index) const;
    // The folder node of `item` directly below `parent`, populating `parent` first.
    QModelIndex ChildOf(const QModelIndex& parent, const TFoldInfo* item);
    bool IsPopulated(const QModelIndex& index) const;

    // Open/closed folder image; the view reports its expansions here.
    void SetExpanded(const QModelIndex& index, bool expanded);
    // Rebuilds every folder node's prefix from its item's stored values, then sorts the tree.
    void RefreshTreePrefixes();
    // Sorts every populated level with the current TreeSort; report nodes keep their order.
    void SortTree();

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct TNode;
    TNode* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const TNode* node) const;
    void Populate(TNode& node);
    void SortChildren(TNode& node, const TTreeSettings& settings);

    TSettingsSource settings_;
    std::unique_ptr<TNode> root_;
    bool insertingRows_ = false;
    QIcon rootIcon_, reportIcon_, loadedIcon_, folderIcon_, openFolderIcon_;
};

// The name order of the tree: case-insensitive, by the user's locale.
int CompareFolderNames(const QString& a, const QString& b);

}  // namespace fscope
