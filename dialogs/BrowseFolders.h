#pragma once
// Browse Folders: a folder tree of the live file system below a start folder, from which the
// user picks one folder (the File Viewer's path filter uses it). Only folders are shown.

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace fscope {

class IEntrySource;

class TfrmBrowse : public QDialog {
public:
    // `source` lists the folders (the disk unless a test injects another); it must outlive the
    // dialog.
    explicit TfrmBrowse(QWidget* parent = nullptr);
    TfrmBrowse(IEntrySource& source, QWidget* parent);

    // Path of the tree's root node (bytes); a missing trailing '/' is added, "" means "/".
    void SetStartPath(const std::string& startPath);

    // The chosen folder's path ending in '/', "" until Select was pressed.
    const std::string& FSelectedPath() const { return selectedPath_; }
    bool FCancelled() const { return cancelled_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillTree();
    void btnSelectClick();
    void btnCancelClick();

    IEntrySource& source_;
    std::string startPath_ = "/";
    std::string selectedPath_;
    bool cancelled_ = false;
    QLabel* lblSelect_;
    QTreeWidget* tvwFolders_;
    QPushButton* btnSelect_;
    QPushButton* btnCancel_;
};

}  // namespace fscope
