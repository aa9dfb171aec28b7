// The small windows: progress (polling and Stop), Getting Started (its setting and links), the
// error window's report address, About. Each test also saves a screenshot of its window into
// screenshots/ below the test's working folder, for a person to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include "common/ScriptedPrompt.h"
#include "common/ShellServices.h"
#include "dialogs/ProductPages.h"
#include "engine/Folioscope.h"
#include "mainwindow/AboutWindow.h"
#include "mainwindow/ErrorWindow.h"
#include "mainwindow/ProgressWindow.h"
#include "mainwindow/TipsWindow.h"
#include "ui/test_dialogs_helpers.h"

namespace fscope {
namespace {

using test::Child;
using test::EnsureApplication;
using test::SaveScreenshot;

// Records what would be opened instead of starting a browser.
class TRecordingShell : public IShellServices {
public:
    std::vector<std::string> opened;
    bool OpenPath(const std::string& path) override { return Record(path); }
    bool ExplorePath(const std::string& folder) override { return Record(folder); }
    bool OpenUrl(const std::string& url) override { return Record(url); }

private:
    bool Record(const std::string& what) {
        opened.push_back(what);
        return true;
    }
};

class SmallWindows : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        SetShellServices(&shell);
    }
    void TearDown() override { SetShellServices(nullptr); }

    static void Click(QWidget& window, const char* button) {
        QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
    }

    TRecordingShell shell;
};

TEST_F(SmallWindows, ProgressShowsTheFolderEnteredAndStopsOnce) {
    auto progress = std::make_shared<TScanProgress>();
    std::atomic<bool> stop{false};
    TfrmProg window;
    window.SetHeadline(
        "Please wait while collecting file / folder details and preparing disk space reports...");
    window.Watch(progress);
    window.SetStopFlag(&stop);
    window.show();
    EXPECT_EQ(window.windowTitle(), "File Search");

    progress->SetFolder("/home/user/Music/caf\xe9/");
    window.PollProgress();
    auto* lblSearch = Child<QLabel>(window, "lblSearch");
    EXPECT_EQ(lblSearch->text(), "/home/user/Music/caf\uFFFD/");
    progress->SetFolder("/home/user/" + std::string(300, 'x') + "/end/");
    window.PollProgress();
    EXPECT_TRUE(lblSearch->text().endsWith("/end/"));  // shortened in the middle
    EXPECT_LE(lblSearch->fontMetrics().horizontalAdvance(lblSearch->text()), lblSearch->width());
    SaveScreenshot(window, "progress");

    // Esc and the window manager's close do not take Stop off the screen.
    QTest::keyClick(&window, Qt::Key_Escape);
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(stop);

    QSignalSpy stopped(&window, &TfrmProg::stopRequested);
    Click(window, "btnStop");
    EXPECT_TRUE(stop);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(stopped.count(), 1);

    // A second window over a report already stopping (or none) does nothing on Stop.
    TfrmProg second;
    second.SetStopFlag(&stop);
    second.show();
    QSignalSpy again(&second, &TfrmProg::stopRequested);
    Click(second, "btnStop");
    TfrmProg unattached;
    unattached.show();
    Click(unattached, "btnStop");
    EXPECT_EQ(again.count(), 0);
    EXPECT_TRUE(second.isVisible());
    EXPECT_TRUE(unattached.isVisible());
}

TEST_F(SmallWindows, GettingStartedEditsShowTipsAndOpensThePages) {
    std::string showTips = "0";
    TfrmTip window(showTips);
    window.show();
    auto* chkShowTip = Child<QCheckBox>(window, "chkShowTip");
    EXPECT_FALSE(chkShowTip->isChecked());
    EXPECT_EQ(Child<QPushButton>(window, "btnClose")->text(), "Let me Search");
    SaveScreenshot(window, "getting_started");

    chkShowTip->click();
    EXPECT_EQ(showTips, "1");
    chkShowTip->click();
    EXPECT_EQ(showTips, "0");

    Click(window, "btnTutorial");
    Click(window, "btnFAQ");
    Click(window, "btnTutorials");
    EXPECT_EQ(shell.opened, (std::vector<std::string>{ProductPages::kVideoDemo, ProductPages::kFaq,
                                                      ProductPages::kTutorials}));

    // The user guide is not installed beside the test program: the user is told so.
    TScriptedPrompt prompt;
    TPromptScope scope(prompt);
    Click(window, "btnManual");
    EXPECT_EQ(prompt.Messages(), std::vector<std::string>{"The user guide is not installed."});
    EXPECT_EQ(shell.opened.size(), 3u);

    QTest::keyClick(&window, Qt::Key_Escape);  // Esc presses "Let me Search"
    EXPECT_FALSE(window.isVisible());

    showTips = "1";
    TfrmTip fromHelp(showTips);
    fromHelp.SetCloseCaption("Close");
    fromHelp.show();
    EXPECT_TRUE(Child<QCheckBox>(fromHelp, "chkShowTip")->isChecked());
    EXPECT_EQ(Child<QPushButton>(fromHelp, "btnClose")->text(), "Close");
    Click(fromHelp, "btnClose");
    EXPECT_FALSE(fromHelp.isVisible());
}

TEST_F(SmallWindows, ErrorReportCarriesTheErrorTextIntact) {
    const std::string error = "Access denied: a&b=c #1 + 50% done";
    TfrmErrorMsg window;
    window.SetError(error, "TfrmMain", "actDeleteExecute");
    window.show();
    EXPECT_EQ(Child<QLabel>(window, "lblError")->text().toStdString(), error);
    SaveScreenshot(window, "error_window");

    Click(window, "btnSendErr");
    Click(window, "btContactTeam");
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[1], ProductPages::kSupport);

    const QUrl url(QString::fromStdString(shell.opened[0]), QUrl::StrictMode);
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.toString(QUrl::RemoveQuery).toStdString(), ProductPages::kErrorReport);
    EXPECT_TRUE(url.fragment().isEmpty());
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItems().size(), 4);
    EXPECT_EQ(query.queryItemValue("prog").toStdString(), kProductShortName);
    EXPECT_EQ(query.queryItemValue("error", QUrl::FullyDecoded).toStdString(), error);
    EXPECT_EQ(query.queryItemValue("form").toStdString(), "TfrmMain");
    EXPECT_EQ(query.queryItemValue("proc").toStdString(), "actDeleteExecute");

    Click(window, "btClose");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SmallWindows, AboutOpensTheHomePageAndClosesOnEsc) {
    TfrmAbout window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "About");
    SaveScreenshot(window, "about");
    Click(window, "btnVisit");
    EXPECT_EQ(shell.opened, std::vector<std::string>{ProductPages::kHome});
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace fscope
