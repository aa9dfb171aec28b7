// The main window offscreen: start-up checks, a scan of a fixture folder given on the command
// line, the tree's prefixes and order, the File Explorer and status bar, Stop, size units, One
// Level Up, opening rows, and closing while a scan runs.

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTreeView>
#include <filesystem>

#include "FakeEntrySource.h"
#include "WindowFixture.h"
#include "common/CustomTypes.h"
#include "mainwindow/ExplorerModel.h"
#include "mainwindow/FolderTreeModel.h"

namespace fscope::test {
namespace {

QString NodeText(const TFolderTreeModel& model, const QModelIndex& index) {
    return model.data(index, Qt::DisplayRole).toString();
}

TEST_F(MainWindowTest, StartRefusedWithoutFiltersFile) {
    WriteSettings();
    EXPECT_EQ(Start(), nullptr);
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].text,
              "Folioscope Pro is not installed properly, Filters file missing !");
    EXPECT_EQ(prompt_.calls[0].caption, "Error");
}

TEST_F(MainWindowTest, StartRefusedWhenTheSettingsStoreCannotBeRead) {
    WriteFilters();
    std::filesystem::create_directories(SettingsFilePath(ConfigFolder()));  // not a file
    EXPECT_EQ(Start(), nullptr);
    ASSERT_EQ(prompt_.Messages().size(), 1u);
    EXPECT_EQ(prompt_.Messages()[0], "Folioscope is not installed properly, please reinstall !");
    EXPECT_TRUE(CustTypes().empty());
}

TEST_F(MainWindowTest, StartWithoutStoreCreatesItAndShowsGettingStartedBeforeTheFolderBrowser) {
    WriteFilters();
    std::vector<std::string> order;
    TStartupHooks hooks;
    hooks.showGettingStarted = [&](TfrmMain&) {
        order.push_back("tips:" + std::to_string(prompt_.calls.size()));
    };
    prompt_.textAnswers.push_back(std::nullopt);  // the Folder Browser is cancelled
    auto window = Start({}, hooks);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(std::filesystem::exists(SettingsFilePath(ConfigFolder())));
    ASSERT_EQ(order, std::vector<std::string>{"tips:0"});
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].caption, "Folder Browser");
    EXPECT_FALSE(window->ScanRunning());
    EXPECT_EQ(window->windowTitle(), "Folioscope Pro 3.4");
    EXPECT_EQ(window->findChild<QTabWidget*>("pcMain")->count(), 9);
}

TEST_F(MainWindowTest, CommandLineScanAddsExpandedReportAndFillsTheLists) {
    BuildFixture();
    // A relative path with a trailing separator: made absolute, the separator not doubled.
    const std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(fixture_.Root());
    auto window = StartAndScan(
        "../" + std::filesystem::path(fixture_.Root()).parent_path().filename().string() + "/");
    std::filesystem::current_path(old);
    ASSERT_NE(window, nullptr);
    QAbstractItemModelTester treeTester(&window->TreeModel(),
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester listTester(&window->ExplorerModel(),
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(window->ReportList().size(), 1u);
    TFolderTreeModel& model = window->TreeModel();
    const QModelIndex report = ReportNode(*window);
    EXPECT_EQ(NodeText(model, report).toStdString(), fixture_.Root());
    EXPECT_EQ(window->CurrentPath(), fixture_.Root());
    auto* tree = window->findChild<QTreeView*>("tvwFolders");
    EXPECT_TRUE(tree->isExpanded(report));
    EXPECT_EQ(SelectedNode(*window), report);
    ASSERT_EQ(model.rowCount(report), 2);
    EXPECT_EQ(window->ExplorerRows().size(), 3u);
    EXPECT_EQ(StatusPanel(*window, 0).toStdString(), fixture_.Root());
    EXPECT_EQ(StatusPanel(*window, 3), "Files: 6");
    EXPECT_EQ(StatusPanel(*window, 4), "Folders: 3");
    EXPECT_DOUBLE_EQ(window->ReportTotal(), 3000 + 2 * 1024 * 1024 + 10 + 500);

    window->show();
    window->resize(1280, 720);
    tree->expand(model.index(1, 0, report));
    QCoreApplication::processEvents();
    window->grab().save(FSCOPE_BINARY_DIR "/tests/ui/main_window.png");
}

TEST_F(MainWindowTest, PrefixesAndOrderFollowTheTreeSettings) {
    BuildFixture();
    auto window = StartAndScan(fixture_.Root());
    ASSERT_NE(window, nullptr);
    TFolderTreeModel& model = window->TreeModel();
    const QModelIndex report = ReportNode(*window);
    struct Case {
        const char* action;
        QString alpha;  // Alpha's text
        QString beta;
    } cases[] = {
        {"actFTPFileSize", "[2.93 KB]  Alpha", "[2.00 MB]  beta"},
        {"actFTPAlSize", "[12.00 KB]  Alpha", "[2.00 MB]  beta"},
        {"actFTPWSize", "[9.07 KB]  Alpha", "[3.99 KB]  beta"},
        {"actFTPFCount", "[3]  Alpha", "[2]  beta"},
        {"actFTPPer", "[0.14 %]  Alpha", "[99.83 %]  beta"},
        {"actFTPNoPref", "Alpha", "beta"},
    };
    Trigger(*window, "actSortFile");
    for (const Case& c : cases) {
        Trigger(*window, c.action);
        EXPECT_EQ(NodeText(model, model.index(0, 0, report)).trimmed(), c.alpha) << c.action;
        EXPECT_EQ(NodeText(model, model.index(1, 0, report)).trimmed(), c.beta) << c.action;
    }
    // By size the bigger folder comes first, whatever the prefix's unit.
    Trigger(*window, "actFTPFileSize");
    Trigger(*window, "actSortSize");
    EXPECT_TRUE(NodeText(model, model.index(0, 0, report)).endsWith("beta"));
    Trigger(*window, "actSortFile");
    EXPECT_TRUE(NodeText(model, model.index(0, 0, report)).endsWith("Alpha"));
    EXPECT_EQ(Options().TreeSort, 0);
    EXPECT_EQ(Options().TreeFilter, 0);
}

TEST_F(MainWindowTest, SizeUnitCommandsChangeEverySizeText) {
    BuildFixture();
    auto window = StartAndScan(fixture_.Root());
    ASSERT_NE(window, nullptr);
    const TExplorerModel& list = window->ExplorerModel();
    const struct {
        const char* action;
        const char* suffix;
    } cases[] = {
        {"actMBytes", " MB"}, {"actBytes", " bytes"}, {"actKBytes", " KB"}, {"actGBytes", " GB"}};
    for (const auto& c : cases) {
        Trigger(*window, c.action);
        EXPECT_EQ(Options().SizeType, std::string(c.suffix).substr(1) == "bytes"
                                          ? "B"
                                          : std::string(c.suffix).substr(1));
        for (int row = 0; row < list.rowCount(); ++row)
            for (int column : {2, 3})
                EXPECT_TRUE(list.data(list.index(row, column)).toString().endsWith(c.suffix))
                    << c.action << " row " << row;
    }
}

TEST_F(MainWindowTest, OneLevelUpAndDoubleClickIntoTheRightFolder) {
    fixture_.File("Foo/lower.txt", 1);
    fixture_.File("FOO/upper.txt", 2);
    auto window = StartAndScan(fixture_.Root());
    ASSERT_NE(window, nullptr);
    TFolderTreeModel& model = window->TreeModel();
    for (const std::string name : {"FOO", "Foo"}) {
        SelectRow(*window, name);
        Trigger(*window, "actOpen");
        const QModelIndex node = SelectedNode(*window);
        ASSERT_EQ(model.KindOf(node), TTreeNodeKind::Folder);
        EXPECT_EQ(model.FolderOf(node)->FName.view(), name);
        EXPECT_EQ(window->CurrentPath(), fixture_.Root() + name + "/");
        ASSERT_EQ(window->ExplorerRows().size(), 1u);
        Trigger(*window, "actUp");
        EXPECT_EQ(SelectedNode(*window), ReportNode(*window));
        EXPECT_FALSE(window->findChild<QTreeView*>("tvwFolders")->isExpanded(node));
    }
    // On the report node One Level Up does nothing.
    Trigger(*window, "actUp");
    EXPECT_EQ(SelectedNode(*window), ReportNode(*window));
}

TEST_F(MainWindowTest, OpeningAFileUsesTheNameBytes) {
    const std::string name = "bad\xff\xfe name.txt";
    fixture_.File(name, 3);
    fixture_.File("good.txt", 3);
    auto window = StartAndScan(fixture_.Root());
    ASSERT_NE(window, nullptr);
    SelectRow(*window, name);
    Trigger(*window, "actOpen");
    ASSERT_EQ(shell_.opened.size(), 1u);
    EXPECT_EQ(shell_.opened[0], fixture_.Root() + name);
}

TEST_F(MainWindowTest, OpenAndStopWithoutAnythingShowTheirMessages) {
    WriteFilters();
    WriteSettings();
    auto window = Start();
    ASSERT_NE(window, nullptr);
    Trigger(*window, "actOpen");
    Trigger(*window, "actStopScan");
    Trigger(*window, "actUp");
    const std::vector<std::string> expected(3, TfrmMain::kNoReportMessage);
    EXPECT_EQ(prompt_.Messages(), expected);
}

TEST_F(MainWindowTest, EmptyFolderGivesNoReport) {
    auto window = StartAndScan(fixture_.Root());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->ReportList().empty());
    EXPECT_EQ(prompt_.Messages(), std::vector<std::string>{"No files and folders were found"});
    EXPECT_FALSE(Options().Busy);
}

class ScanControlTest : public MainWindowTest {
protected:
    void SetUp() override {
        for (int folder = 0; folder < 5; ++folder)
            for (int file = 0; file < 100; ++file)
                source_.AddFile("dir" + std::to_string(folder) + "/f" + std::to_string(file), 100);
        WriteFilters();
        WriteSettings();
    }
    TFakeEntrySource source_;
};

TEST_F(ScanControlTest, StopKeepsAPartialReportAndNewScansWaitMeanwhile) {
    auto window = Start();
    ASSERT_NE(window, nullptr);
    window->SetEntrySource(&source_);
    source_.CloseGateAfter(20);
    window->ScanPath("/fake/");
    source_.WaitUntilHeld();
    EXPECT_TRUE(Options().Busy);
    Trigger(*window, "actScan");  // F3 during a scan: nothing, not even the Folder Browser
    EXPECT_TRUE(prompt_.calls.empty());
    Trigger(*window, "actStopScan");
    source_.OpenGate();
    WaitForScan(*window);
    ASSERT_EQ(window->ReportList().size(), 1u);
    const TFolioscope& report = *window->ReportList()[0];
    EXPECT_TRUE(report.FStop);
    EXPECT_LT(report.FFileCount, 500);
    EXPECT_FALSE(Options().Busy);
    EXPECT_EQ(window->CurReport(), &report);
    EXPECT_EQ(window->ScanReport(), nullptr);
}

TEST_F(ScanControlTest, ClosingDuringAScanStopsItAndWaits) {
    auto window = Start();
    ASSERT_NE(window, nullptr);
    window->SetEntrySource(&source_);
    source_.CloseGateAfter(20);
    window->ScanPath("/fake/");
    source_.OpenGateOn(&window->ScanReport()->FStop);
    source_.WaitUntilHeld();
    window->close();
    EXPECT_FALSE(window->ScanRunning());
    EXPECT_FALSE(window->WorkerLeftRunning());
}

TEST_F(ScanControlTest, ClosingLeavesAHungScanAndItsReportAlone) {
    // The source outlives the test: the abandoned worker still reads it after the test ends.
    auto* hung = new TFakeEntrySource;
    hung->AddFile("a/b", 1);
    hung->AddFile("a/c", 1);
    auto window = Start();
    ASSERT_NE(window, nullptr);
    window->SetEntrySource(hung);
    window->SetCloseWait(50);
    hung->CloseGateAfter(1);
    window->ScanPath("/fake/");
    hung->WaitUntilHeld();
    window->close();
    EXPECT_TRUE(window->WorkerLeftRunning());
    window.reset();    // must not free the report the worker writes
    hung->OpenGate();  // the worker finishes into its abandoned report
}

}  // namespace
}  // namespace fscope::test
