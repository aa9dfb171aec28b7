#pragma once
// The window behind TShBrowse: a text, a folder tree of the file system and OK / Cancel.

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace fscope {

class IEntrySource;
class TShBrowse;

class TfrmShBrowse : public QDialog {
public:
    // Takes caption, title and initial folder from `request`; `source` lists the folders.
    TfrmShBrowse(const TShBrowse& request, IEntrySource& source, QWidget* parent = nullptr);

    // The current folder's path (bytes, no trailing '/' except "/"); "" when none is current.
    std::string SelectedFolder() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    IEntrySource& source_;
    std::string initialFolder_;
    QLabel* lblTitle_;
    QTreeWidget* tvwFolders_;
    QPushButton* btnOK_;
    QPushButton* btnCancel_;
};

}  // namespace fscope
