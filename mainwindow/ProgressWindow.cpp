#include "mainwindow/ProgressWindow.h"

#include <QCloseEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "common/Options.h"
#include "dialogs/WindowFont.h"
#include "engine/Folioscope.h"

namespace fscope {
namespace {
constexpr int kFolderWidth = 587;
}

TfrmProg::TfrmProg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowStaysOnTopHint),
      Label1_(new QLabel(tr("Please wait while searching for files on your disk drive...."), this)),
      lblSearch_(new QLabel(this)),
      btnStop_(new QPushButton(tr("&Stop"), this)) {
    setObjectName("frmProg");
    setWindowTitle(tr("File Search"));
    setModal(false);
    Label1_->setObjectName("Label1");
    QFont bold = Label1_->font();
    bold.setBold(true);
    Label1_->setFont(bold);
    lblSearch_->setObjectName("lblSearch");
    lblSearch_->setFixedWidth(kFolderWidth);
    lblSearch_->setTextFormat(Qt::PlainText);
    btnStop_->setObjectName("btnStop");
    btnStop_->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setVerticalSpacing(4);
    layout->addWidget(Label1_, 0, 0, 1, 2);
    layout->addWidget(lblSearch_, 1, 0);
    layout->addWidget(btnStop_, 1, 1, Qt::AlignRight);
    layout->setColumnStretch(0, 1);
    setFixedSize(754, qMax(54, sizeHint().height()));

    pollTimer_.setInterval(kPollMilliseconds);
    connect(&pollTimer_, &QTimer::timeout, this, &TfrmProg::PollProgress);
    connect(btnStop_, &QPushButton::clicked, this, &TfrmProg::btnStopClick);
}

void TfrmProg::SetHeadline(const QString& headline) { Label1_->setText(headline); }

void TfrmProg::SetFolder(const std::string& folder) {
    if (folder == shownFolder_) return;
    shownFolder_ = folder;
    const QString text = QFile::decodeName(QByteArray::fromStdString(folder));
    lblSearch_->setText(
        lblSearch_->fontMetrics().elidedText(text, Qt::ElideMiddle, lblSearch_->width()));
    lblSearch_->setToolTip(text);
}

void TfrmProg::Watch(std::shared_ptr<const TScanProgress> progress) {
    progress_ = std::move(progress);
    if (progress_ && isVisible())
        pollTimer_.start();
    else if (!progress_)
        pollTimer_.stop();
}

void TfrmProg::PollProgress() {
    if (progress_) SetFolder(progress_->Folder());
}

void TfrmProg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ApplyWindowFont(*this, Options().Reginfo.FontName);
    if (QScreen* desktop = screen()) {
        const QRect area = desktop->availableGeometry();
        move(area.center() - rect().center());
    }
    if (progress_) pollTimer_.start();
}

void TfrmProg::hideEvent(QHideEvent* event) {
    pollTimer_.stop();
    QDialog::hideEvent(event);
}

void TfrmProg::btnStopClick() {
    // Only the first Stop of a running command counts: the flag goes from clear to set once.
    bool running = false;
    if (!stop_ || !stop_->compare_exchange_strong(running, true)) return;
    closing_ = true;
    close();
    emit stopRequested();
}

// The window has no close box; Alt+F4 or Esc must not hide it while the command runs (there
// would be no Stop left on screen). The command itself closes it by destroying it.
void TfrmProg::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfrmProg::reject() {
    if (closing_) QDialog::reject();
}

}  // namespace fscope
