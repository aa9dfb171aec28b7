#include "mainwindow/TipsWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/Options.h"
#include "dialogs/ProductHeader.h"
#include "dialogs/ProductPages.h"
#include "dialogs/WindowFont.h"

namespace fscope {
namespace {

QPushButton* LinkButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TfrmTip::TfrmTip(std::string& showTips, QWidget* parent)
    : QDialog(parent),
      showTips_(showTips),
      chkShowTip_(new QCheckBox(tr("&Show when program starts"), this)),
      btnClose_(new QPushButton(tr("Let me Search"), this)) {
    setObjectName("frmTip");
    setWindowTitle(tr("Getting Started"));
    chkShowTip_->setObjectName("chkShowTip");
    chkShowTip_->setChecked(true);
    btnClose_->setObjectName("btnClose");
    btnClose_->setDefault(true);

    QPushButton* btnManual = LinkButton(tr("&User Manual"), "btnManual", this);
    QPushButton* btnTutorial = LinkButton(tr("Online Video &Demo"), "btnTutorial", this);
    QPushButton* btnFAQ = LinkButton(tr("&F.A.Q."), "btnFAQ", this);
    QPushButton* btnTutorials = LinkButton(tr("&Tutorials"), "btnTutorials", this);

    auto* links = new QHBoxLayout;
    for (QPushButton* button : {btnManual, btnTutorial, btnFAQ, btnTutorials})
        links->addWidget(button);
    links->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkShowTip_);
    bottom->addStretch(1);
    bottom->addWidget(btnClose_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeProductHeader(
        this, tr("Getting Started"), 24,
        {tr("Thank you for using Folioscope Pro."),
         tr("Before you begin, you may like to go through the available help such as video "
            "demo, tutorials etc. ")}));
    layout->addStretch(1);
    layout->addLayout(links);
    layout->addLayout(bottom);
    resize(599, 184);

    connect(chkShowTip_, &QCheckBox::clicked, this, &TfrmTip::chkShowTipClick);
    connect(btnManual, &QPushButton::clicked, this, [] { OpenUserGuide(); });
    connect(btnTutorial, &QPushButton::clicked, this,
            [] { OpenProductPage(ProductPages::kVideoDemo); });
    connect(btnFAQ, &QPushButton::clicked, this, [] { OpenProductPage(ProductPages::kFaq); });
    connect(btnTutorials, &QPushButton::clicked, this,
            [] { OpenProductPage(ProductPages::kTutorials); });
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmTip::SetCloseCaption(const QString& caption) { btnClose_->setText(caption); }

void TfrmTip::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    ApplyWindowFont(*this, Options().Reginfo.FontName, Options().Reginfo.FontSize);
    chkShowTip_->setChecked(showTips_ == "1");
    if (QScreen* desktop = screen()) move(desktop->geometry().center() - rect().center());
}

void TfrmTip::chkShowTipClick(bool checked) { showTips_ = checked ? "1" : "0"; }

void ShowGettingStarted(QWidget* owner, const QString& closeCaption) {
    TfrmTip tips(Options().Reginfo.ShowTips, owner);
    tips.SetCloseCaption(closeCaption);
    tips.exec();
}

}  // namespace fscope
