#include "dialogs/FolderBrowser.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "common/Options.h"
#include "common/Prompt.h"
#include "dialogs/FolderTreeNodes.h"
#include "dialogs/ProductHeader.h"
#include "dialogs/WindowFont.h"
#include "platform/DirEntry.h"
#include "platform/Paths.h"

namespace fscope {
namespace {

constexpr size_t kHistoryLimit = 10;

QString DecodedPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QWidget* MakeHeader(QWidget* parent) {
    auto* header = new QFrame(parent);
    header->setObjectName("pnlHeader");
    header->setAutoFillBackground(true);
    QPalette palette = header->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    header->setPalette(palette);
    header->setFrameShape(QFrame::StyledPanel);

    auto* title = new QLabel(QObject::tr("Select a drive or a folder"), header);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* text = new QLabel(
        QObject::tr("You will be able to see exact disk space usage with various disk space "
                    "reports once the disk search is complete. Select a drive or folder and "
                    "click \"Start Search\" button."),
        header);
    text->setWordWrap(true);
    auto* picture = new QLabel(header);
    picture->setPixmap(ProductPicture(32));
    picture->setAlignment(Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(text);
    auto* layout = new QHBoxLayout(header);
    layout->addWidget(picture);
    layout->addLayout(texts, 1);
    return header;
}

}  // namespace

void AddToScanHistory(std::vector<std::string>& history, const std::string& path) {
    if (std::find(history.begin(), history.end(), path) != history.end()) return;
    if (history.size() >= kHistoryLimit) history.erase(history.begin());
    history.push_back(path);
}

bool AcceptScanPath(std::vector<std::string>& history, const std::string& path) {
    if (path.empty()) {
        Prompt().MessageBox("Please select or type in the path", "Message", TMsgIcon::None);
        return false;
    }
    AddToScanHistory(history, path);
    return true;
}

TfrmFoldBrow::TfrmFoldBrow(std::vector<std::string>& history, QWidget* parent)
    : TfrmFoldBrow(history, DiskEntrySource(), parent) {}

TfrmFoldBrow::TfrmFoldBrow(std::vector<std::string>& history, IEntrySource& source, QWidget* parent)
    : QDialog(parent),
      history_(history),
      source_(source),
      shellTree_(new QTreeWidget(this)),
      cbPath_(new QComboBox(this)),
      btStart_(new QPushButton(tr("Start Search"), this)),
      btCancel_(new QPushButton(tr("Cancel"), this)) {
    setObjectName("frmFoldBrow");
    setWindowTitle(tr("Folder Browser"));
    shellTree_->setObjectName("shellTree");
    shellTree_->setHeaderHidden(true);
    shellTree_->setUniformRowHeights(true);
    shellTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cbPath_->setObjectName("cbPath");
    cbPath_->setEditable(true);
    cbPath_->setInsertPolicy(QComboBox::NoInsert);
    btStart_->setObjectName("btStart");
    btStart_->setDefault(true);
    btCancel_->setObjectName("btCancel");

    auto* pathLabel = new QLabel(tr("Search Path"), this);
    pathLabel->setBuddy(cbPath_);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(cbPath_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btStart_);
    buttons->addWidget(btCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeader(this));
    layout->addWidget(shellTree_, 1);
    layout->addLayout(pathRow);
    layout->addLayout(buttons);
    resize(500, 560);

    FolderTreeNodes::FillOnExpand(*shellTree_, source_);
    connect(shellTree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { shellTreeChange(current); });
    connect(btStart_, &QPushButton::clicked, this, &TfrmFoldBrow::btStartClick);
    connect(btCancel_, &QPushButton::clicked, this, &TfrmFoldBrow::btCancelClick);
    FolderTreeNodes::AddComputerNode(*shellTree_);
}

void TfrmFoldBrow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    cbPath_->clear();
    for (const std::string& path : history_)
        cbPath_->addItem(DecodedPath(path), QByteArray::fromStdString(path));
    cbPath_->setEditText(QString());
    ApplyWindowFont(*this, Options().Reginfo.FontName, Options().Reginfo.FontSize);
    shellTree_->setFocus();
}

void TfrmFoldBrow::shellTreeChange(QTreeWidgetItem* node) {
    treePath_ = FolderTreeNodes::WithoutTrailingDelim(FolderTreeNodes::PathOf(node));
    cbPath_->setEditText(DecodedPath(treePath_));
}

std::string TfrmFoldBrow::PathFromText(const QString& text) const {
    // The box shows decoded text; a name that is not valid UTF-8 would not survive a
    // round trip through it, so paths that came from the tree or the list keep their bytes.
    if (!treePath_.empty() && text == DecodedPath(treePath_)) return treePath_;
    for (const std::string& path : history_)
        if (text == DecodedPath(path)) return path;
    return QFile::encodeName(text).toStdString();
}

std::string TfrmFoldBrow::SelectedPath() const {
    return PathFromText(cbPath_->currentText().trimmed());
}

void TfrmFoldBrow::btStartClick() {
    canClose_ = AcceptScanPath(history_, SelectedPath());
    if (canClose_) accept();
}

void TfrmFoldBrow::btCancelClick() {
    canClose_ = true;
    QDialog::reject();
}

void TfrmFoldBrow::reject() { btCancelClick(); }

void TfrmFoldBrow::closeEvent(QCloseEvent* event) {
    if (!canClose_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace fscope
