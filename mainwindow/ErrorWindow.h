#pragma once
// The error window "This program has performed an invalid operation": the error text and the
// way to report it. Created hidden at start-up and kept for the program's lifetime.

#include <QDialog>
#include <string>

class QLabel;

namespace fscope {

class TfrmErrorMsg : public QDialog {
public:
    explicit TfrmErrorMsg(QWidget* parent = nullptr);

    // The error and where it happened (the window and the procedure), sent with the report.
    void SetError(const std::string& error, const std::string& form, const std::string& proc);

private:
    void btnSendErrClick();

    QLabel* lblError_;
    std::string error_;
    std::string form_;
    std::string proc_;
};

}  // namespace fscope
