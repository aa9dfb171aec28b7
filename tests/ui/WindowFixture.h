#pragma once
// The set-up of the window tests: a temporary config folder (XDG_CONFIG_HOME) holding
// filters.dat and a settings store, a scripted prompt, desktop services that record what they
// would open, and helpers to start the program and wait for its scans.

#include <gtest/gtest.h>

#include <QDialog>
#include <QModelIndex>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/Options.h"
#include "common/ScriptedPrompt.h"
#include "common/ShellServices.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Startup.h"
#include "support/TempTree.h"

namespace fscope::test {

class TRecordingShell : public IShellServices {
public:
    std::vector<std::string> opened;
    bool OpenPath(const std::string& path) override {
        opened.push_back(path);
        return true;
    }
    bool ExplorePath(const std::string& folder) override {
        opened.push_back(folder);
        return true;
    }
    bool OpenUrl(const std::string& url) override {
        opened.push_back(url);
        return true;
    }
};

class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    std::string ConfigFolder() const;
    // Writes the settings store with the defaults changed by `edit` (ShowTips "0" unless set).
    void WriteSettings(const std::function<void(TOptions&)>& edit = {});
    void WriteFilters();
    // Starts the program as its main would; null when the start-up refused.
    std::unique_ptr<TfrmMain> Start(const QStringList& arguments = {}, TStartupHooks hooks = {});
    // Runs the event loop until the window has no scan running.
    static void WaitForScan(TfrmMain& window);

    TempTree config_;
    TScriptedPrompt prompt_;
    TRecordingShell shell_;
    QByteArray oldConfigHome_;
};

// A window that has scanned a small fixture tree given on the command line.
class MainWindowTest : public WindowTest {
protected:
    // A small tree: Alpha holds 3 files of 1000 bytes, beta one file of 2 MB and a subfolder,
    // and one file at the top.
    void BuildFixture();
    // Starts the program with `path` as its argument and waits for that scan.
    std::unique_ptr<TfrmMain> StartAndScan(const std::string& path);
    static QModelIndex ReportNode(TfrmMain& window);

    TempTree fixture_;
    std::function<void(TOptions&)> settingsEdit_ = [](TOptions& options) {
        options.SizeType = options.FTSizeType = options.SBSizeType = "GEN";
        options.Reginfo.Decimals = "2";
        options.TreeFilter = 0;
        options.TreeSort = 0;
    };
};

// Triggers the window's action (or menu item) named `name`.
void Trigger(TfrmMain& window, const char* name);
QString StatusPanel(TfrmMain& window, int n);
// Selects the File Explorer row whose item is named `name`.
void SelectRow(TfrmMain& window, const std::string& name);
QModelIndex SelectedNode(TfrmMain& window);
// Runs `inspect` on the next modal dialog as soon as it is shown, then closes it if `inspect`
// left it open. The watch belongs to `owner` and ends with it.
void OnNextModal(QObject& owner, std::function<void(QDialog&)> inspect);

}  // namespace fscope::test
