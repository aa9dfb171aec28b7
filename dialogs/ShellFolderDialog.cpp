#include "dialogs/ShellFolderDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/FolderTreeNodes.h"
#include "dialogs/ShBrowse.h"

namespace fscope {

TfrmShBrowse::TfrmShBrowse(const TShBrowse& request, IEntrySource& source, QWidget* parent)
    : QDialog(parent),
      source_(source),
      initialFolder_(request.InitialFolder),
      lblTitle_(new QLabel(QString::fromStdString(request.Title), this)),
      tvwFolders_(new QTreeWidget(this)),
      btnOK_(new QPushButton(tr("OK"), this)),
      btnCancel_(new QPushButton(tr("Cancel"), this)) {
    setObjectName("frmShBrowse");
    setWindowTitle(request.Caption.empty() ? tr("Browse for Folder")
                                           : QString::fromStdString(request.Caption));
    lblTitle_->setObjectName("lblTitle");
    lblTitle_->setWordWrap(true);
    tvwFolders_->setObjectName("tvwFolders");
    tvwFolders_->setHeaderHidden(true);
    tvwFolders_->setUniformRowHeights(true);
    btnOK_->setObjectName("btnOK");
    btnOK_->setDefault(true);
    btnCancel_->setObjectName("btnCancel");

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(btnOK_, QDialogButtonBox::AcceptRole);
    buttons->addButton(btnCancel_, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle_);
    layout->addWidget(tvwFolders_, 1);
    layout->addWidget(buttons);
    resize(380, 440);

    FolderTreeNodes::FillOnExpand(*tvwFolders_, source_);
    connect(tvwFolders_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        btnOK_->setEnabled(!FolderTreeNodes::PathOf(current).empty());
    });
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    FolderTreeNodes::AddComputerNode(*tvwFolders_);
    btnOK_->setEnabled(false);
}

void TfrmShBrowse::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (!initialFolder_.empty()) FolderTreeNodes::SelectFolder(*tvwFolders_, initialFolder_);
    tvwFolders_->setFocus();
}

std::string TfrmShBrowse::SelectedFolder() const {
    return FolderTreeNodes::WithoutTrailingDelim(
        FolderTreeNodes::PathOf(tvwFolders_->currentItem()));
}

}  // namespace fscope
