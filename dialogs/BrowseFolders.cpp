#include "dialogs/BrowseFolders.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/FolderTreeNodes.h"
#include "platform/DirEntry.h"
#include "platform/Paths.h"

namespace fscope {

TfrmBrowse::TfrmBrowse(QWidget* parent) : TfrmBrowse(DiskEntrySource(), parent) {}

TfrmBrowse::TfrmBrowse(IEntrySource& source, QWidget* parent)
    : QDialog(parent),
      source_(source),
      lblSelect_(new QLabel(tr("Select the folder"), this)),
      tvwFolders_(new QTreeWidget(this)),
      btnSelect_(new QPushButton(tr("Select"), this)),
      btnCancel_(new QPushButton(tr("Cancel"), this)) {
    setObjectName("frmBrowse");
    setWindowTitle(tr("Browse Folders"));
    tvwFolders_->setObjectName("tvwFolders");
    tvwFolders_->setHeaderHidden(true);
    tvwFolders_->setUniformRowHeights(true);
    btnSelect_->setObjectName("btnSelect");
    btnSelect_->setDefault(true);
    btnCancel_->setObjectName("btnCancel");

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(btnSelect_, QDialogButtonBox::AcceptRole);
    buttons->addButton(btnCancel_, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSelect_);
    layout->addWidget(tvwFolders_, 1);
    layout->addWidget(buttons);
    resize(380, 440);

    FolderTreeNodes::FillOnExpand(*tvwFolders_, source_);
    connect(btnSelect_, &QPushButton::clicked, this, &TfrmBrowse::btnSelectClick);
    connect(btnCancel_, &QPushButton::clicked, this, &TfrmBrowse::btnCancelClick);
}

void TfrmBrowse::SetStartPath(const std::string& startPath) {
    startPath_ = startPath.empty() ? std::string(1, PathDelim) : WithTrailingDelim(startPath);
}

void TfrmBrowse::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FillTree();
}

void TfrmBrowse::FillTree() {
    tvwFolders_->clear();
    const QIcon rootIcon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    QTreeWidgetItem* root = FolderTreeNodes::AddFolderNode(
        *tvwFolders_, nullptr, QFile::decodeName(QByteArray::fromStdString(startPath_)), startPath_,
        rootIcon);
    root->setExpanded(true);  // filled on expansion
    tvwFolders_->setCurrentItem(root);
}

void TfrmBrowse::btnSelectClick() {
    const QTreeWidgetItem* node = tvwFolders_->currentItem();
    if (!node) return;
    selectedPath_ = FolderTreeNodes::PathOf(node);
    cancelled_ = false;
    accept();
}

void TfrmBrowse::btnCancelClick() {
    cancelled_ = true;
    reject();
}

}  // namespace fscope
