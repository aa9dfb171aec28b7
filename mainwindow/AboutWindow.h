#pragma once
// The about box: product name, purpose, version, and a way to the product's home page.

#include <QDialog>

namespace fscope {

class TfrmAbout : public QDialog {
public:
    explicit TfrmAbout(QWidget* parent = nullptr);
};

}  // namespace fscope
