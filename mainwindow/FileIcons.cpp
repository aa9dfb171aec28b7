#include "mainwindow/FileIcons.h"

#include <QApplication>
#include <QHash>
#include <QStyle>

#include "platform/TypeNames.h"

namespace fscope {

QIcon GenericFolderIcon() {
    static const QIcon icon =
        QIcon::fromTheme("folder", QApplication::style()->standardIcon(QStyle::SP_DirIcon));
    return icon;
}

namespace {

QIcon GenericFileIcon() {
    static const QIcon icon = QIcon::fromTheme(
        "text-x-generic", QApplication::style()->standardIcon(QStyle::SP_FileIcon));
    return icon;
}

}  // namespace

QIcon FileIcon(int imageIndex, bool fixedIcons) {
    if (imageIndex == FolderIconIndex())
        return GenericFolderIcon();
    if (fixedIcons) return GenericFileIcon();
    static QHash<int, QIcon> cache;
    if (const auto it = cache.constFind(imageIndex); it != cache.constEnd()) return *it;
    const std::vector<std::string> names = IconNames();
    QIcon icon = GenericFileIcon();
    if (imageIndex >= 0 && static_cast<size_t>(imageIndex) < names.size())
        icon = QIcon::fromTheme(QString::fromStdString(names[static_cast<size_t>(imageIndex)]),
                                GenericFileIcon());
    cache.insert(imageIndex, icon);
    return icon;
}

}  // namespace fscope
