#pragma once
// Folder nodes of a QTreeWidget filled lazily from the file system, shared by the folder
// pickers. Every folder node keeps its path as bytes (ending in '/'), so a name that is not
// valid UTF-8 still leads to the right folder; the node's text is for display only. A node
// not yet expanded holds one placeholder child "." that makes it expandable.

#include <QIcon>
#include <QString>
#include <string>

class QTreeWidget;
class QTreeWidgetItem;

namespace fscope {

class IEntrySource;

namespace FolderTreeNodes {

inline constexpr char kPlaceholder[] = ".";

// A folder node with `text`, `path` (bytes, ending in '/') and a placeholder child, appended to
// `parent` (or as a top-level node of `tree` when parent is null).
QTreeWidgetItem* AddFolderNode(QTreeWidget& tree, QTreeWidgetItem* parent, const QString& text,
                               const std::string& path, const QIcon& icon);

// The folder path kept by `node` (ending in '/'), or "" for a node without a file-system path.
std::string PathOf(const QTreeWidgetItem* node);

// A folder path as a path box holds it: no trailing '/' except for "/" itself.
std::string WithoutTrailingDelim(const std::string& folderPath);
// The same, decoded for display.
QString DisplayPath(const std::string& folderPath);

bool HoldsPlaceholder(const QTreeWidgetItem* node);

// Makes `tree` fill every node on its first expansion (FillNode, wait cursor meanwhile).
// `source` must outlive the tree.
void FillOnExpand(QTreeWidget& tree, IEntrySource& source);

// Replaces the placeholder of `node` by one node per subfolder found in its folder (hidden ones
// included, links and files left out), sorted by name without regard to case. A node without
// the placeholder is left alone (it was filled before). A folder that cannot be read gets no
// children.
void FillNode(QTreeWidget& tree, QTreeWidgetItem* node, const QIcon& folderIcon,
              IEntrySource& source);

// The top of a file-system tree: a node for the computer (no path of its own) holding the home
// folder, the file-system root and the other mounted local volumes, like drives. Expanded.
QTreeWidgetItem* AddComputerNode(QTreeWidget& tree);

// Expands the tree down to `folderPath` (bytes, with or without a trailing '/') from the top
// node with the longest matching path and makes the deepest node reached current. Returns that
// node, or null when no top node holds the path.
QTreeWidgetItem* SelectFolder(QTreeWidget& tree, const std::string& folderPath);

}  // namespace FolderTreeNodes
}  // namespace fscope
