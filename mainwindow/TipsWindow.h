#pragma once
// The Getting Started window: a welcome, links to the user guide and the product's pages, and
// the choice whether it appears at start-up (the setting ShowTips).

#include <QDialog>
#include <string>

class QCheckBox;
class QPushButton;

namespace fscope {

class TfrmTip : public QDialog {
public:
    // `showTips` is the setting the check box edits ("1" or "0"); it must outlive the window.
    explicit TfrmTip(std::string& showTips, QWidget* parent = nullptr);

    // The caption of btnClose: "Let me Search" at start-up, "Close" from the Help menu.
    void SetCloseCaption(const QString& caption);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void chkShowTipClick(bool checked);

    std::string& showTips_;
    QCheckBox* chkShowTip_;
    QPushButton* btnClose_;
};

// Shows the Getting Started window modally over `owner`, its close button captioned
// `closeCaption`; the check box edits the setting ShowTips.
void ShowGettingStarted(QWidget* owner, const QString& closeCaption);

}  // namespace fscope
