#pragma once
// The Folder Browser of Start File Search: a folder tree of the file system and the box of
// recently scanned paths, from which the user picks or types the drive or folder to scan.

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace fscope {

class IEntrySource;

// The recent-path rule: a path not yet in `history` (exact comparison) is appended; when the
// list already holds 10 or more entries the oldest (first) is dropped first.
void AddToScanHistory(std::vector<std::string>& history, const std::string& path);

// Start Search's check of the chosen path (already trimmed): an empty one is refused with the
// message "Please select or type in the path" (through the prompt); any other is recorded in
// `history` and accepted.
bool AcceptScanPath(std::vector<std::string>& history, const std::string& path);

class TfrmFoldBrow : public QDialog {
public:
    // `history` is the recent-path list (the settings' HistoryList); it must outlive the dialog
    // and is extended when Start Search closes it. `source` lists the folders of the tree.
    TfrmFoldBrow(std::vector<std::string>& history, QWidget* parent = nullptr);
    TfrmFoldBrow(std::vector<std::string>& history, IEntrySource& source, QWidget* parent);

    // The path of the box after Start Search (trimmed, bytes, no trailing '/' added). A path
    // picked from the tree or the recent list keeps its exact bytes; typed text is encoded.
    std::string SelectedPath() const;

    // Whether the window may close now; false until Start Search or Cancel allows it.
    bool FCanClose() const { return canClose_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Esc presses Cancel

private:
    void shellTreeChange(QTreeWidgetItem* node);
    void btStartClick();
    void btCancelClick();
    std::string PathFromText(const QString& text) const;

    std::vector<std::string>& history_;
    IEntrySource& source_;
    bool canClose_ = false;
    std::string treePath_;  // bytes of the path the tree last put into the box
    QTreeWidget* shellTree_;
    QComboBox* cbPath_;
    QPushButton* btStart_;
    QPushButton* btCancel_;
};

}  // namespace fscope
