// The main window's context menus (the folder tree's popTree, the File Explorer's popListView)
// and the Help menu's windows. Items whose commands come with later parts of the program are
// present but stay disabled.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QTreeView>
#include <algorithm>

#include "common/Options.h"
#include "common/Prompt.h"
#include "common/ShellServices.h"
#include "common/SystemHelpers.h"
#include "export/ClipboardText.h"
#include "mainwindow/AboutWindow.h"
#include "mainwindow/ExplorerModel.h"
#include "mainwindow/FolderTreeModel.h"
#include "mainwindow/FolderTreeView.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MenuItems.h"
#include "mainwindow/TipsWindow.h"

namespace fscope {

namespace {

QMenu* NewMenu(const char* name, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(name);
    return menu;
}

QAction* Item(QMenu& menu, const char* name) { return menu.findChild<QAction*>(name); }

}  // namespace

void TfrmMain::CreateContextMenus() {
    popTree_ = NewMenu("popTree", tvwFolders_);
    AddMenuItem(popTree_, "OpenwithWindowsExplorer3", "Open with Windows Explorer", {},
                [this] { ExploreTreeFolder(); });
    AddMenuItem(popTree_, "CommandPromptHere3", "Command Prompt Here", {},
                [this] { TreeCommandPrompt(); });
    AddMenuItem(popTree_, "ViewAllfilesincludingsubfolders2",
                "View All files (including sub folders)", {}, nullptr);
    AddMenuItem(popTree_, "SavetoXML1", "Save to disk", {}, nullptr);
    AddMenuItem(popTree_, "Refresh2", "Search and Update", {}, nullptr);
    AddMenuItem(popTree_, "RemovefromFolderTree1", "Remove Disk Report from Tree", {}, nullptr);
    AddMenuItem(popTree_, "Delete2", "&Delete", {}, nullptr);
    AddMenuItem(popTree_, "Properties3", "&Properties", {}, nullptr);
    connect(tvwFolders_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) {
                RunCommand([this, position] { TreeContextMenu(position); });
            });

    popListView_ = NewMenu("popListView", lvwFolders_);
    QMenu* list = popListView_;
    AddMenuItem(list, "ViewAllFilesList1",
                "&View all files from this folder (including subfolders)", {}, nullptr);
    list->addSeparator()->setObjectName("N1");
    AddMenuItem(list, "Open1", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O),
                [this] { OpenSelected(); });
    AddMenuItem(list, "OpenWith1", "Open &With...", {}, nullptr);
    AddMenuItem(list, "OpeninExplorer1", "Open With Windows &Explorer", {}, nullptr);
    AddMenuItem(list, "CommandPromptHere1", "Co&mmand Prompt Here", {}, nullptr);
    AddMenuItem(list, "NewFolder1", "Create &New Folder...", {}, nullptr);
    AddMenuItem(list, "FilePreview2", "File Preview", Qt::Key_F6, nullptr);
    list->addSeparator()->setObjectName("MenuItem1");
    AddMenuItem(list, "AddtoZip1", "Add to &Zip...", {}, nullptr);
    AddMenuItem(list, "MovetoRecycleBin2", "Delete to Recycle Bin", Qt::Key_Delete, nullptr);
    AddMenuItem(list, "CopytoAnotherPath1", "Copy to Another Path...",
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), nullptr);
    AddMenuItem(list, "MoveToAnotherPath3", "Move To Another Path...",
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), nullptr);
    AddMenuItem(list, "Rename1", "Rename", Qt::Key_F2, nullptr);
    list->addSeparator()->setObjectName("N14");
    QAction* copyPaths =
        AddMenuItem(list, "Copyselectedpathstoclipboard1", "Copy Selected Path(s) to Clipboard",
                    QKeySequence(Qt::CTRL | Qt::Key_C), [this] { CopySelectedPaths(); });
    lvwFolders_->addAction(copyPaths);  // Ctrl+C copies while the list has the focus
    list->addSeparator()->setObjectName("N2");
    AddMenuItem(list, "Properties1", "Properties", QKeySequence(Qt::SHIFT | Qt::Key_F10), nullptr);
    lvwFolders_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lvwFolders_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) {
                RunCommand([this, position] { ListContextMenu(position); });
            });
}

void TfrmMain::TreeContextMenu(const QPoint& position) {
    const QModelIndex under = tvwFolders_->indexAt(position);
    if (!under.isValid()) return;
    // Right-click selects the node, unless a scan holds the selection where it is.
    if (!Options().Busy)
        tvwFolders_->selectionModel()->setCurrentIndex(under, QItemSelectionModel::ClearAndSelect);
    const QModelIndex node = SelectedTreeNode();
    if (!node.isValid()) return;
    const TTreeNodeKind kind = treeModel_->KindOf(node);
    const bool report = kind == TTreeNodeKind::Report;
    const bool folder = kind == TTreeNodeKind::Folder;
    for (const char* name : {"OpenwithWindowsExplorer3", "CommandPromptHere3", "Properties3"})
        EnableItem(*Item(*popTree_, name), report || folder);
    for (const char* name :
         {"ViewAllfilesincludingsubfolders2", "SavetoXML1", "Refresh2", "RemovefromFolderTree1"})
        EnableItem(*Item(*popTree_, name), report);
    EnableItem(*Item(*popTree_, "Delete2"), folder);
    popTree_->popup(tvwFolders_->viewport()->mapToGlobal(position));
}

void TfrmMain::ListContextMenu(const QPoint& position) {
    if (!lvwFolders_->indexAt(position).isValid()) return;  // no menu away from the rows
    const QModelIndex current = lvwFolders_->selectionModel()->currentIndex();
    if (current.isValid() && lvwFolders_->selectionModel()->isRowSelected(current.row())) {
        const TFoldInfo* item = explorerModel_->RowAt(current.row());
        const bool folder = item && item->IsFolder();
        EnableItem(*Item(*popListView_, "OpenWith1"), !folder);
        EnableItem(*Item(*popListView_, "FilePreview2"), !folder);
        EnableItem(*Item(*popListView_, "OpeninExplorer1"), folder);
        EnableItem(*Item(*popListView_, "CommandPromptHere1"), folder);
    }
    popListView_->popup(lvwFolders_->viewport()->mapToGlobal(position));
}

std::string TfrmMain::SelectedNodePath() const {
    const QModelIndex node = SelectedTreeNode();
    if (!node.isValid() || treeModel_->KindOf(node) == TTreeNodeKind::Root) return {};
    return treeModel_->NodePath(node);
}

void TfrmMain::ExploreTreeFolder() {
    const std::string path = SelectedNodePath();
    if (!path.empty()) ShellServices().ExplorePath(path);
}

void TfrmMain::TreeCommandPrompt() {
    const std::string path = SelectedNodePath();
    if (path.empty()) return;
    std::string error;
    if (!OpenCommandPrompt(path, error)) Prompt().MessageBox(error, kAppTitle, TMsgIcon::Error);
}

void TfrmMain::CopySelectedPaths() {
    const TFolioscope* report = explorerModel_->Report();
    if (!curReport_ || !report) return;
    QModelIndexList selected = lvwFolders_->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<TFoldInfo*> rows;
    rows.reserve(static_cast<size_t>(selected.size()));
    for (const QModelIndex& index : selected)
        if (TFoldInfo* item = explorerModel_->RowAt(index.row())) rows.push_back(item);
    const std::string text = CopyPathsToClipboard(*report, rows);
    QApplication::clipboard()->setText(QFile::decodeName(QByteArray::fromStdString(text)));
}

void TfrmMain::ShowGettingStarted() { fscope::ShowGettingStarted(this, "Close"); }

void TfrmMain::ShowAbout() {
    TfrmAbout about(this);
    about.exec();
}

}  // namespace fscope
