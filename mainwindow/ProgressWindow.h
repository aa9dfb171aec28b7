#pragma once
// The progress window "File Search" shown (not modally) while a scan, custom scan, update or
// load runs: a headline, the folder being entered and Stop. It polls the running report's
// progress record about ten times a second; the worker never touches the window.

#include <QDialog>
#include <QTimer>
#include <atomic>
#include <memory>
#include <string>

class QLabel;
class QPushButton;

namespace fscope {

class TScanProgress;

class TfrmProg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPollMilliseconds = 100;

    explicit TfrmProg(QWidget* parent = nullptr);

    void SetHeadline(const QString& headline);  // Label1
    // Shows `folder` (bytes, decoded for display) in lblSearch, shortened in the middle when it
    // does not fit.
    void SetFolder(const std::string& folder);
    // Polls `progress` while the window is shown (null stops polling).
    void Watch(std::shared_ptr<const TScanProgress> progress);
    // The running report's stop flag (FStop); it must outlive the window or be reset to null.
    void SetStopFlag(std::atomic<bool>* stop) { stop_ = stop; }
    // Reads the progress record once (what the timer does).
    void PollProgress();

signals:
    // Stop set the flag (it was not set before) and closed the window.
    void stopRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void btnStopClick();

    QLabel* Label1_;
    QLabel* lblSearch_;
    QPushButton* btnStop_;
    QTimer pollTimer_;
    std::shared_ptr<const TScanProgress> progress_;
    std::atomic<bool>* stop_ = nullptr;
    std::string shownFolder_;
    bool closing_ = false;
};

}  // namespace fscope
