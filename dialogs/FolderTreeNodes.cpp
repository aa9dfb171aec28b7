#include "dialogs/FolderTreeNodes.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/DirEntry.h"
#include "platform/Paths.h"

namespace fscope::FolderTreeNodes {
namespace {

constexpr int kPathRole = Qt::UserRole + 1;

QString DisplayName(std::string_view name) {
    return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

void AddPlaceholder(QTreeWidgetItem* node) {
    node->addChild(new QTreeWidgetItem(QStringList{QString::fromLatin1(kPlaceholder)}));
}

}  // namespace

QTreeWidgetItem* AddFolderNode(QTreeWidget& tree, QTreeWidgetItem* parent, const QString& text,
                               const std::string& path, const QIcon& icon) {
    auto* node = new QTreeWidgetItem(QStringList{text});
    node->setIcon(0, icon);
    node->setData(0, kPathRole, QByteArray::fromStdString(path));
    AddPlaceholder(node);
    if (parent)
        parent->addChild(node);
    else
        tree.addTopLevelItem(node);
    return node;
}

std::string PathOf(const QTreeWidgetItem* node) {
    return node ? node->data(0, kPathRole).toByteArray().toStdString() : std::string();
}

std::string WithoutTrailingDelim(const std::string& folderPath) {
    std::string path = folderPath;
    while (path.size() > 1 && path.back() == PathDelim) path.pop_back();
    return path;
}

QString DisplayPath(const std::string& folderPath) {
    return DisplayName(WithoutTrailingDelim(folderPath));
}

bool HoldsPlaceholder(const QTreeWidgetItem* node) {
    return node->childCount() == 1 && node->child(0)->text(0) == QLatin1String(kPlaceholder) &&
           node->child(0)->data(0, kPathRole).isNull();
}

void FillNode(QTreeWidget& tree, QTreeWidgetItem* node, const QIcon& folderIcon,
              IEntrySource& source) {
    if (!HoldsPlaceholder(node)) return;
    delete node->takeChild(0);
    const std::string path = PathOf(node);
    struct Folder {
        QString text;
        std::string name;
    };
    std::vector<Folder> folders;
    if (std::unique_ptr<IFolderReader> reader = source.OpenRoot(path)) {
        TDirEntry entry;
        while (reader->Next(entry)) {
            if (!entry.IsDirectory() || entry.name == "." || entry.name == "..") continue;
            folders.push_back({DisplayName(entry.name), std::string(entry.name)});
        }
    }
    std::sort(folders.begin(), folders.end(), [](const Folder& a, const Folder& b) {
        const int folded = a.text.compare(b.text, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.name < b.name;
    });
    for (const Folder& folder : folders)
        AddFolderNode(tree, node, folder.text, path + folder.name + PathDelim, folderIcon);
}

void FillOnExpand(QTreeWidget& tree, IEntrySource& source) {
    QObject::connect(
        &tree, &QTreeWidget::itemExpanded, &tree, [&tree, &source](QTreeWidgetItem* node) {
            if (!HoldsPlaceholder(node)) return;
            QApplication::setOverrideCursor(Qt::WaitCursor);
            FillNode(tree, node, tree.style()->standardIcon(QStyle::SP_DirIcon), source);
            QApplication::restoreOverrideCursor();
        });
}

QTreeWidgetItem* AddComputerNode(QTreeWidget& tree) {
    QStyle* style = tree.style();
    const QIcon driveIcon = style->standardIcon(QStyle::SP_DriveHDIcon);
    auto* computer = new QTreeWidgetItem(QStringList{QObject::tr("Computer")});
    computer->setIcon(0, style->standardIcon(QStyle::SP_ComputerIcon));
    tree.addTopLevelItem(computer);

    const std::string home = QFile::encodeName(QDir::homePath()).toStdString();
    if (!home.empty() && home != "/")
        AddFolderNode(tree, computer, QObject::tr("Home"), WithTrailingDelim(home),
                      style->standardIcon(QStyle::SP_DirHomeIcon));
    AddFolderNode(tree, computer, QObject::tr("File System"), std::string(1, PathDelim), driveIcon);
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || volume.isRoot() ||
            !volume.device().startsWith("/dev/"))
            continue;
        const std::string mount = QFile::encodeName(volume.rootPath()).toStdString();
        AddFolderNode(tree, computer, volume.rootPath(), WithTrailingDelim(mount), driveIcon);
    }
    computer->setExpanded(true);
    return computer;
}

QTreeWidgetItem* SelectFolder(QTreeWidget& tree, const std::string& folderPath) {
    const std::string wanted = WithTrailingDelim(folderPath);
    // The folder nodes directly below the top level are the starting points (a top node may
    // itself be a folder node, as in Browse Folders).
    QTreeWidgetItem* best = nullptr;
    size_t bestLength = 0;
    const auto consider = [&](QTreeWidgetItem* node) {
        const std::string path = PathOf(node);
        if (!path.empty() && wanted.starts_with(path) && path.size() > bestLength) {
            best = node;
            bestLength = path.size();
        }
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = tree.topLevelItem(i);
        consider(top);
        if (PathOf(top).empty())
            for (int j = 0; j < top->childCount(); ++j) consider(top->child(j));
    }
    QTreeWidgetItem* node = best;
    while (node && PathOf(node) != wanted) {
        node->setExpanded(true);  // fills it through the tree's expansion handler
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < node->childCount() && !next; ++i) {
            const std::string childPath = PathOf(node->child(i));
            if (!childPath.empty() && wanted.starts_with(childPath)) next = node->child(i);
        }
        if (!next) break;
        node = next;
    }
    if (node) tree.setCurrentItem(node);
    return node;
}

}  // namespace fscope::FolderTreeNodes
