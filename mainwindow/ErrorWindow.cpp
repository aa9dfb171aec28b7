#include "mainwindow/ErrorWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Options.h"
#include "common/ShellServices.h"
#include "dialogs/ProductPages.h"
#include "dialogs/WindowFont.h"

namespace fscope {
namespace {

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

TfrmErrorMsg::TfrmErrorMsg(QWidget* parent) : QDialog(parent), lblError_(new QLabel(this)) {
    setObjectName("frmErrorMsg");
    setWindowTitle(tr("This program has performed an invalid operation"));

    auto* heading = new QLabel(tr("Error Details"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    QPalette red = heading->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    heading->setPalette(red);
    lblError_->setObjectName("lblError");
    QFont boldUnderlined = bold;
    boldUnderlined.setUnderline(true);
    lblError_->setFont(boldUnderlined);
    lblError_->setTextFormat(Qt::PlainText);
    lblError_->setWordWrap(true);
    lblError_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QPushButton* btnSendErr = Button(tr("Send Error Report"), "btnSendErr", this);
    QPushButton* btContactTeam = Button(tr("Contact Support"), "btContactTeam", this);
    QPushButton* btClose = Button(tr("Close"), "btClose", this);
    btClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSendErr);
    buttons->addWidget(btContactTeam);
    buttons->addWidget(btClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(lblError_, 1);
    layout->addLayout(buttons);
    resize(534, 105);
    ApplyWindowFont(*this, Options().Reginfo.FontName, Options().Reginfo.FontSize);

    connect(btnSendErr, &QPushButton::clicked, this, &TfrmErrorMsg::btnSendErrClick);
    connect(btContactTeam, &QPushButton::clicked, this,
            [] { OpenProductPage(ProductPages::kSupport); });
    connect(btClose, &QPushButton::clicked, this, &QDialog::close);
}

void TfrmErrorMsg::SetError(const std::string& error, const std::string& form,
                            const std::string& proc) {
    error_ = error;
    form_ = form;
    proc_ = proc;
    lblError_->setText(QString::fromStdString(error));
}

void TfrmErrorMsg::btnSendErrClick() {
    ShellServices().OpenUrl(ErrorReportUrl(error_, form_, proc_));
}

}  // namespace fscope
