#include "mainwindow/AboutWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/ProductHeader.h"
#include "dialogs/ProductPages.h"

namespace fscope {

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About"));

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    auto* btnVisit = new QPushButton(tr("Visit Website"), this);
    btnVisit->setObjectName("btnVisit");
    btnVisit->setAutoDefault(false);
    auto* btnOK = new QPushButton(tr("Close"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnVisit);
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->addWidget(
        MakeProductHeader(this, tr("Folioscope Pro"), 19,
                          {tr("Hard Disk Space Usage Analyzer and Manager"), tr("Version 3.4")}));
    layout->addStretch(1);
    layout->addWidget(bevel);
    layout->addLayout(buttons);
    resize(478, 228);

    connect(btnVisit, &QPushButton::clicked, this, [] { OpenProductPage(ProductPages::kHome); });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::reject);  // Esc does the same
}

}  // namespace fscope
