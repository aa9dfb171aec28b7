#pragma once
// tvwFolders: a tree view whose selection cannot be changed by the user while a scan runs
// (the window's Busy flag), and whose right-click selects the node under the mouse.

#include <QTreeView>
#include <functional>

namespace fscope {

class TFolderTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit TFolderTreeView(std::function<bool()> locked, QWidget* parent = nullptr)
        : QTreeView(parent), locked_(std::move(locked)) {}

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        if (locked_()) return QItemSelectionModel::NoUpdate;
        return QTreeView::selectionCommand(index, event);
    }

private:
    std::function<bool()> locked_;
};

}  // namespace fscope
