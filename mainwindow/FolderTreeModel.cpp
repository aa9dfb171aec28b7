#include "mainwindow/FolderTreeModel.h"

#include <QApplication>
#include <QCollator>
#include <QFile>
#include <QStyle>
#include <algorithm>
#include <optional>

#include "reports/FolderTotals.h"

namespace fscope {

struct TFolderTreeModel::TNode {
    TTreeNodeKind kind = TTreeNodeKind::Root;
    TNode* parent = nullptr;
    int row = 0;
    std::vector<std::unique_ptr<TNode>> children;
    TFolioscope* report = nullptr;  // report nodes
    TFoldInfo* item = nullptr;      // folder nodes
    std::string path;               // report nodes: the scanned path, ending in '/'
    std::string prefix;             // folder nodes
    QString name;                   // display text of the name (folder) or path (report)
    bool populated = false;
    bool expanded = false;
    bool loaded = false;

    void Renumber() {
        for (size_t i = 0; i < children.size(); ++i) children[i]->row = static_cast<int>(i);
    }
};

namespace {

void SetFolderPercent(TFoldInfo& folder, const TFolderTotals& levelTotals) {
    TFoldList& state = *folder.FItems;
    if (state.FPercentDone) return;
    state.FPercent = levelTotals.size != 0 ? folder.FSize * 100 / levelTotals.size : 0;
    state.FPercentDone = true;
}

}  // namespace

int CompareFolderNames(const QString& a, const QString& b) {
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(a, b);
}

TFolderTreeModel::TFolderTreeModel(TSettingsSource settings, QObject* parent)
    : QAbstractItemModel(parent), settings_(std::move(settings)), root_(std::make_unique<TNode>()) {
    root_->name = QString::fromLatin1(kRootText);
    root_->populated = true;
    root_->expanded = true;
    const QStyle* style = QApplication::style();
    rootIcon_ = QIcon::fromTheme("folder-documents", style->standardIcon(QStyle::SP_DirHomeIcon));
    reportIcon_ = QIcon::fromTheme("drive-harddisk", style->standardIcon(QStyle::SP_DriveHDIcon));
    loadedIcon_ = QIcon::fromTheme("document-open", style->standardIcon(QStyle::SP_DialogOpenButton));
    folderIcon_ = QIcon::fromTheme("folder", style->standardIcon(QStyle::SP_DirClosedIcon));
    openFolderIcon_ = QIcon::fromTheme("folder-open", style->standardIcon(QStyle::SP_DirOpenIcon));
}

TFolderTreeModel::~TFolderTreeModel() = default;

TFolderTreeModel::TNode* TFolderTreeModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TNode*>(index.internalPointer()) : nullptr;
}

QModelIndex TFolderTreeModel::IndexOf(const TNode* node) const {
    if (!node) return {};
    return createIndex(node->row, 0, const_cast<TNode*>(node));
}

QModelIndex TFolderTreeModel::RootIndex() const { return IndexOf(root_.get()); }

QModelIndex TFolderTreeModel::AddReport(TFolioscope* report, const std::string& path, bool loaded) {
    auto node = std::make_unique<TNode>();
    node->kind = TTreeNodeKind::Report;
    node->parent = root_.get();
    node->row = static_cast<int>(root_->children.size());
    node->report = report;
    node->path = path;
    node->name = QFile::decodeName(QByteArray::fromStdString(path));
    node->loaded = loaded;
    const int row = node->row;
    insertingRows_ = true;
    beginInsertRows(RootIndex(), row, row);
    root_->children.push_back(std::move(node));
    endInsertRows();
    insertingRows_ = false;
    return IndexOf(root_->children.back().get());
}

void TFolderTreeModel::RemoveReport(const TFolioscope* report) {
    auto& reports = root_->children;
    for (size_t i = 0; i < reports.size(); ++i) {
        if (reports[i]->report != report) continue;
        beginRemoveRows(RootIndex(), static_cast<int>(i), static_cast<int>(i));
        reports.erase(reports.begin() + static_cast<std::ptrdiff_t>(i));
        root_->Renumber();
        endRemoveRows();
        return;
    }
}

TTreeNodeKind TFolderTreeModel::KindOf(const QModelIndex& index) const {
    const TNode* node = NodeOf(index);
    return node ? node->kind : TTreeNodeKind::Root;
}

QModelIndex TFolderTreeModel::ReportRootOf(const QModelIndex& index) const {
    const TNode* node = NodeOf(index);
    if (!node || node->kind == TTreeNodeKind::Root) return {};
    while (node->kind != TTreeNodeKind::Report) node = node->parent;
    return IndexOf(node);
}

TFolioscope* TFolderTreeModel::ReportOf(const QModelIndex& index) const {
    const TNode* node = NodeOf(ReportRootOf(index));
    return node ? node->report : nullptr;
}

TFoldInfo* TFolderTreeModel::FolderOf(const QModelIndex& index) const {
    const TNode* node = NodeOf(index);
    return node ? node->item : nullptr;
}

std::string TFolderTreeModel::NodePath(const QModelIndex& index) const {
    const TNode* node = NodeOf(index);
    if (!node || node->kind == TTreeNodeKind::Root) return {};
    if (node->kind == TTreeNodeKind::Report) return node->path;
    std::vector<const TNode*> chain;
    for (; node->kind == TTreeNodeKind::Folder; node = node->parent) chain.push_back(node);
    std::string path = node->path;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        path += (*it)->item->FName.view();
        path += '/';
    }
    return path;
}

QModelIndex TFolderTreeModel::ChildOf(const QModelIndex& parent, const TFoldInfo* item) {
    TNode* node = NodeOf(parent);
    if (!node || !item) return {};
    if (!node->populated) fetchMore(parent);
    for (const auto& child : node->children)
        if (child->item == item) return IndexOf(child.get());
    return {};
}

bool TFolderTreeModel::IsPopulated(const QModelIndex& index) const {
    const TNode* node = NodeOf(index);
    return node && node->populated;
}

void TFolderTreeModel::SetExpanded(const QModelIndex& index, bool expanded) {
    TNode* node = NodeOf(index);
    if (!node || node->kind != TTreeNodeKind::Folder || node->expanded == expanded) return;
    node->expanded = expanded;
    emit dataChanged(index, index, {Qt::DecorationRole});
}

void TFolderTreeModel::Populate(TNode& node) {
    node.populated = true;
    const TFoldList& list = node.kind == TTreeNodeKind::Report ? node.report->FItems
                                                                : *node.item->FItems;
    const TTreeSettings settings = settings_();
    std::optional<TFolderTotals> levelTotals;  // computed once, for the items' percentages
    std::vector<std::unique_ptr<TNode>> created;
    for (TFoldInfo* item : list) {
        if (!item->IsFolder()) continue;
        FolderTotals(item);
        if (!item->FPercentDone()) {
            if (!levelTotals) levelTotals = FolderTotals(list);
            SetFolderPercent(*item, *levelTotals);
        }
        auto child = std::make_unique<TNode>();
        child->kind = TTreeNodeKind::Folder;
        child->parent = &node;
        child->row = static_cast<int>(created.size());
        child->item = item;
        child->prefix = TreePrefixText(*item, settings.prefix);
        child->name = QFile::decodeName(QByteArray::fromStdString(item->FName.str()));
        created.push_back(std::move(child));
    }
    if (created.empty()) {
        // The expand button goes away: a tree view asks hasChildren again on a data change.
        const QModelIndex index = IndexOf(&node);
        emit dataChanged(index, index);
        return;
    }
    // The other levels are sorted already: sorting the new level before it is inserted keeps
    // the whole tree in order without a layout change while a view is expanding.
    node.children = std::move(created);
    SortChildren(node, settings);
    std::vector<std::unique_ptr<TNode>> sorted = std::move(node.children);
    node.children.clear();
    insertingRows_ = true;
    beginInsertRows(IndexOf(&node), 0, static_cast<int>(sorted.size()) - 1);
    node.children = std::move(sorted);
    endInsertRows();
    insertingRows_ = false;
}

void TFolderTreeModel::SortChildren(TNode& node, const TTreeSettings& settings) {
    auto& children = node.children;
    if (node.kind != TTreeNodeKind::Root) {
        if (settings.sort == TTreeSort::ByName) {
            std::stable_sort(children.begin(), children.end(), [](const auto& a, const auto& b) {
                return CompareFolderNames(a->name, b->name) < 0;
            });
        } else if (settings.sort == TTreeSort::BySize) {
            // Largest first by the value the prefix shows, units taken into account.
            const TTreeFilter filter = settings.prefix.filter;
            std::stable_sort(children.begin(), children.end(), [filter](const auto& a, const auto& b) {
                return PrefixValue(*a->item, filter) > PrefixValue(*b->item, filter);
            });
        }
        node.Renumber();
    }
    for (auto& child : children) SortChildren(*child, settings);
}

void TFolderTreeModel::SortTree() {
    const TTreeSettings settings = settings_();
    if (settings.sort == TTreeSort::None) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<TNode*> nodes;
    nodes.reserve(static_cast<size_t>(before.size()));
    for (const QModelIndex& index : before) nodes.push_back(NodeOf(index));
    SortChildren(*root_, settings);
    QModelIndexList after;
    after.reserve(before.size());
    for (size_t i = 0; i < nodes.size(); ++i)
        after.push_back(createIndex(nodes[i]->row, before[static_cast<int>(i)].column(), nodes[i]));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TFolderTreeModel::RefreshTreePrefixes() {
    const TTreeSettings settings = settings_();
    std::vector<TNode*> pending{root_.get()};
    while (!pending.empty()) {
        TNode* node = pending.back();
        pending.pop_back();
        for (auto& child : node->children) {
            if (child->kind == TTreeNodeKind::Folder)
                child->prefix = TreePrefixText(*child->item, settings.prefix);
            pending.push_back(child.get());
        }
    }
    SortTree();
    // Every text may have changed; a view repaints what it shows.
    emit dataChanged(RootIndex(), RootIndex(), {Qt::DisplayRole});
    for (const auto& report : root_->children) {
        std::vector<const TNode*> stack{report.get()};
        while (!stack.empty()) {
            const TNode* node = stack.back();
            stack.pop_back();
            if (node->children.empty()) continue;
            emit dataChanged(IndexOf(node->children.front().get()),
                             IndexOf(node->children.back().get()), {Qt::DisplayRole});
            for (const auto& child : node->children) stack.push_back(child.get());
        }
    }
}

QModelIndex TFolderTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    if (!parent.isValid()) return row == 0 ? RootIndex() : QModelIndex();
    const TNode* node = NodeOf(parent);
    if (parent.column() != 0 || row >= static_cast<int>(node->children.size())) return {};
    return IndexOf(node->children[static_cast<size_t>(row)].get());
}

QModelIndex TFolderTreeModel::parent(const QModelIndex& child) const {
    const TNode* node = NodeOf(child);
    return node ? IndexOf(node->parent) : QModelIndex();
}

int TFolderTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return 1;
    if (parent.column() != 0) return 0;
    return static_cast<int>(NodeOf(parent)->children.size());
}

int TFolderTreeModel::columnCount(const QModelIndex&) const { return 1; }

bool TFolderTreeModel::hasChildren(const QModelIndex& parent) const {
    if (!parent.isValid()) return true;
    if (parent.column() != 0) return false;
    const TNode* node = NodeOf(parent);
    return !node->populated || !node->children.empty();
}

bool TFolderTreeModel::canFetchMore(const QModelIndex& parent) const {
    const TNode* node = NodeOf(parent);
    // No population from inside the notifications of another insertion: a listener that asks
    // to fetch there is answered once the insertion has ended.
    return node && parent.column() == 0 && !node->populated && !insertingRows_;
}

void TFolderTreeModel::fetchMore(const QModelIndex& parent) {
    if (canFetchMore(parent)) Populate(*NodeOf(parent));
}

QVariant TFolderTreeModel::data(const QModelIndex& index, int role) const {
    const TNode* node = NodeOf(index);
    if (!node) return {};
    switch (role) {
        case Qt::DisplayRole:
            return node->kind == TTreeNodeKind::Folder
                       ? QString::fromLatin1(node->prefix.data(), static_cast<qsizetype>(node->prefix.size())) + node->name
                       : node->name;
        case Qt::DecorationRole:
            switch (node->kind) {
                case TTreeNodeKind::Root: return rootIcon_;
                case TTreeNodeKind::Report: return node->loaded ? loadedIcon_ : reportIcon_;
                case TTreeNodeKind::Folder: return node->expanded ? openFolderIcon_ : folderIcon_;
            }
            break;
        default: break;
    }
    return {};
}

Qt::ItemFlags TFolderTreeModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace fscope
